// SPDX-License-Identifier: GPL-3.0-or-later
#include "getver/getver.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <vector>

#include "getver/version_api.h"
#include "getver/version_block.h"

namespace marvane::getver {
namespace {

const std::array<QString, 8> kVersionNames = {
    QStringLiteral("CompanyName"),    QStringLiteral("FileDescription"),
    QStringLiteral("FileVersion"),    QStringLiteral("InternalName"),
    QStringLiteral("LegalCopyright"), QStringLiteral("OriginalFilename"),
    QStringLiteral("ProductName"),    QStringLiteral("ProductVersion"),
};

quint16 u16At(const void* at, std::size_t index) {
    const auto* bytes = static_cast<const unsigned char*>(at) + 2 * index;
    return static_cast<quint16>(bytes[0] | bytes[1] << 8);
}

QString textAt(const void* at, quint32 length) {
    QString text;
    const quint32 limit = std::min<quint32>(length, kMaxVersionText);
    for (quint32 i = 0; i < limit; ++i) {
        const quint16 c = u16At(at, i);
        if (c == 0) break;
        text.append(QChar(c));
    }
    return text;
}

// How many of `length` characters at `at` lie inside `block`. A value typed as binary data
// reports its length in bytes, which read as characters would reach twice as far.
quint32 charactersWithin(std::span<const std::byte> block, const void* at, quint32 length) {
    const auto* begin = static_cast<const std::byte*>(at);
    const auto available = static_cast<std::size_t>(block.data() + block.size() - begin) / 2;
    return static_cast<quint32>(std::min<std::size_t>(length, available));
}

}  // namespace

QString versionStringPath(quint16 language, quint16 codePage, const QString& name) {
    const quint32 translation = quint32{language} << 16 | codePage;
    const QString table = QString::number(translation, 16).rightJustified(8, u'0').toUpper();
    return QStringLiteral("\\StringFileInfo\\") + table + u'\\' + name;
}

void readVersionStrings(std::span<const std::byte> block, QStringList& categories,
                        QStringList& strings) {
    const void* value = nullptr;
    quint32 length = 0;
    // The fixed part is not used, but a block without it is not a version block.
    if (!verQueryValue(block, QStringLiteral("\\"), &value, &length)) return;
    if (!verQueryValue(block, QStringLiteral("\\VarFileInfo\\Translation"), &value, &length) ||
        length < 4) {
        return;
    }
    const quint16 language = u16At(value, 0);
    const quint16 codePage = u16At(value, 1);

    for (const QString& name : kVersionNames) {
        if (!verQueryValue(block, versionStringPath(language, codePage, name), &value, &length)) {
            break;
        }
        if (length == 0) continue;
        categories.append(name);
        strings.append(textAt(value, charactersWithin(block, value, length)));
    }
}

}  // namespace marvane::getver

namespace marvane {

TGetVersionInfoFromFile::TGetVersionInfoFromFile(QObject* owner) : QObject(owner) {}

void TGetVersionInfoFromFile::setFileName(const QString& name) {
    strings_.clear();
    categories_.clear();
    if (QFileInfo(name).isFile()) {
        fileName_ = name;
        LoadVersionInfo();
    } else {
        fileName_.clear();
    }
}

void TGetVersionInfoFromFile::LoadVersionInfo() {
    const quint32 size = getver::getFileVersionInfoSize(fileName_);
    if (size == 0) return;
    // A little room to spare beyond the reported size.
    std::vector<std::byte> buffer(std::size_t{size} + 10);
    getver::getFileVersionInfo(fileName_, buffer);
    getver::readVersionStrings(buffer, categories_, strings_);
}

namespace {

QString ownVersionString(qsizetype position) noexcept {
    try {
        TGetVersionInfoFromFile info;
        info.setFileName(QCoreApplication::applicationFilePath());
        const QStringList strings = info.VersionStrings();
        return position < strings.size() ? strings.at(position) : QString();
    } catch (...) {
        return QString();
    }
}

}  // namespace

QString ReadTitle() noexcept { return ownVersionString(3); }

QString ReadVersion() noexcept { return ownVersionString(2); }

}  // namespace marvane
