// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: turns the program's version table (written by marvane_embed_version_info)
// into a C++ source that places the version block in the ELF section the version reader reads.
//
//   getver_mkversionres <table.txt> <output.cpp>
//
// Table lines: "file-version 1.4.0.0", "product-version ...", "file-flags 0x0", "file-os 0x4",
// "file-type 0x1", "language 0x0809", "code-page 0x04E4", and "string <Name>=<value>" in the
// order the strings are to appear. The table is UTF-8.
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "getver/image_file.h"
#include "getver/version_block_writer.h"

namespace marvane::getver {
namespace {

[[noreturn]] void fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

quint32 number(const QString& text, quint32 maximum) {
    bool ok = false;
    const qulonglong value = text.trimmed().toULongLong(&ok, 0);
    if (!ok || value > maximum) fail(QStringLiteral("not a number in range: ") + text);
    return static_cast<quint32>(value);
}

std::array<std::uint16_t, 4> version(const QString& text) {
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() > 4) fail(QStringLiteral("a version has at most four parts: ") + text);
    std::array<std::uint16_t, 4> result{};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        result[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(number(parts[i], 0xFFFF));
    }
    return result;
}

std::u16string utf16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

VersionTable readTable(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) fail(QStringLiteral("cannot read ") + fileName);
    VersionTable table;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        const qsizetype space = line.indexOf(u' ');
        const QString key = line.left(space);
        const QString rest = space < 0 ? QString() : line.mid(space + 1);
        if (key == u"file-version") {
            table.fileVersion = version(rest);
        } else if (key == u"product-version") {
            table.productVersion = version(rest);
        } else if (key == u"file-flags") {
            table.fileFlags = number(rest, 0xFFFFFFFF);
        } else if (key == u"file-os") {
            table.fileOS = number(rest, 0xFFFFFFFF);
        } else if (key == u"file-type") {
            table.fileType = number(rest, 0xFFFFFFFF);
        } else if (key == u"language") {
            table.language = static_cast<std::uint16_t>(number(rest, 0xFFFF));
        } else if (key == u"code-page") {
            table.codePage = static_cast<std::uint16_t>(number(rest, 0xFFFF));
        } else if (key == u"string" && rest.indexOf(u'=') > 0) {
            const qsizetype equals = rest.indexOf(u'=');
            table.strings.emplace_back(utf16(rest.left(equals)), utf16(rest.mid(equals + 1)));
        } else {
            fail(QStringLiteral("unknown line in version table: ") + line);
        }
    }
    return table;
}

QByteArray cppSource(const std::vector<std::byte>& block) {
    QByteArray out;
    out +=
        "// Generated at build time from the program's version table. Do not edit.\n"
        "// The block sits in a section of its own, where the version reader looks for it.\n"
        "#if defined(__has_attribute)\n"
        "#if __has_attribute(retain)\n"
        "#define MARVANE_VERSION_RETAIN , retain\n"
        "#endif\n"
        "#endif\n"
        "#ifndef MARVANE_VERSION_RETAIN\n"
        "#define MARVANE_VERSION_RETAIN\n"
        "#endif\n\n"
        "namespace {\n"
        "alignas(4) const unsigned char kVersionBlock[]\n"
        "    __attribute__((section(\"";
    out +=
        QByteArray(kVersionSectionName.data(), static_cast<qsizetype>(kVersionSectionName.size()));
    out += "\"), used MARVANE_VERSION_RETAIN)) = {";
    for (std::size_t i = 0; i < block.size(); ++i) {
        out += i % 12 == 0 ? "\n    " : " ";
        out += "0x" +
               QByteArray::number(std::to_integer<int>(block[i]), 16).rightJustified(2, '0') + ",";
    }
    out += "\n};\n}  // namespace\n";
    return out;
}

}  // namespace
}  // namespace marvane::getver

int main(int argc, char** argv) {
    using namespace marvane::getver;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: getver_mkversionres <table.txt> <output.cpp>\n");
        return 2;
    }
    try {
        const auto block = serialize(versionTree(readTable(args[1])));
        QFile out(args[2]);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(cppSource(block)) < 0 || !out.flush()) {
            fail(QStringLiteral("cannot write ") + args[2]);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "getver_mkversionres: %s\n", e.what());
        return 1;
    }
    return 0;
}
