// SPDX-License-Identifier: GPL-3.0-or-later
// The caption's title and version on Windows come from the version resource that windres
// compiled into the program, read through the Windows version API. This test program carries
// the same resource, so it reads its own file as the program does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "getver/getver.h"
#include "getver/image_file.h"
#include "getver/version_api.h"
#include "getver/version_block.h"

using namespace marvane;

namespace {

const QStringList kNames = {"CompanyName",    "FileDescription",  "FileVersion",
                            "InternalName",   "LegalCopyright",   "OriginalFilename",
                            "ProductName",    "ProductVersion"};

// The same strings found by the reader that works on the file's bytes, the one used where
// there is no version API, with the same rules: stop at the first missing name, skip values of
// length 0.
QStringList stringsFromBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto block = getver::findVersionResource(
        std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
    QStringList strings;
    for (const QString& name : kNames) {
        const QString path = getver::versionStringPath(0x0809, 0x04E4, name);
        const auto value = getver::findVersionValue(
            block, std::u16string_view(reinterpret_cast<const char16_t*>(path.utf16()),
                                       std::size_t(path.size())));
        if (!value || !value->text) return strings;
        if (value->length == 0) continue;
        QString text(reinterpret_cast<const QChar*>(value->bytes.data()), value->length);
        strings.append(text.left(text.indexOf(QChar(0)) >= 0 ? text.indexOf(QChar(0)) : text.size()));
    }
    return strings;
}

}  // namespace

TEST(VersionResource, TheCaptionsTitleAndVersionComeFromTheProgramsResource) {
    EXPECT_EQ(ReadTitle(), QStringLiteral("Marvane"));
    EXPECT_EQ(ReadVersion(), QStringLiteral(MARVANE_VERSION));
}

TEST(VersionResource, TheVersionApiAndTheByteReaderAgreeOnAWindresImage) {
    TGetVersionInfoFromFile info;
    info.setFileName(QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.VersionStrings(), stringsFromBytes(QCoreApplication::applicationFilePath()));
    EXPECT_EQ(info.VersionStrings().value(0), QStringLiteral("Corvath Solutions"));
}

TEST(VersionResource, FilesWithoutAResourceGiveNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile text(dir.filePath("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("MZ but not a program");
    text.close();
    for (const QString& name : {text.fileName(), dir.path(), dir.filePath("missing.exe")}) {
        TGetVersionInfoFromFile info;
        info.setFileName(name);
        EXPECT_TRUE(info.VersionStrings().isEmpty()) << name.toStdString();
        EXPECT_TRUE(info.VersionCategories().isEmpty()) << name.toStdString();
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
