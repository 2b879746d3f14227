// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

#include "getver/image_file.h"
#include "getver/version_api.h"
#include "getver/version_block.h"
#include "tests/getver/test_images.h"

using testimages::Bytes;

namespace {

const QStringList kNames = {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                            "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};

Bytes programBlock() {
    return marvane::getver::serialize(marvane::getver::versionTree(testimages::programTable()));
}

struct Strings {
    QStringList categories;
    QStringList strings;
};

// What the version component does with a file, from the file's bytes.
Strings readImage(std::span<const std::byte> file) {
    Strings read;
    const auto block = marvane::getver::findVersionResource(file);
    if (block.empty()) return read;
    Bytes buffer(block.begin(), block.end());
    buffer.resize(buffer.size() + 10);
    marvane::getver::readVersionStrings(buffer, read.categories, read.strings);
    return read;
}

Strings readBlock(std::span<const std::byte> block) {
    Strings read;
    marvane::getver::readVersionStrings(block, read.categories, read.strings);
    return read;
}

// What must hold whatever the input: paired lists, names in their fixed order, short values.
bool isSane(const Strings& read) {
    if (read.categories.size() != read.strings.size()) return false;
    qsizetype next = 0;
    for (const QString& category : read.categories) {
        next = kNames.indexOf(category, next);
        if (next < 0) return false;
        ++next;
    }
    return std::all_of(read.strings.begin(), read.strings.end(),
                       [](const QString& s) { return s.size() <= 256; });
}

bool inside(std::span<const std::byte> part, std::span<const std::byte> whole) {
    return part.empty() || (part.data() >= whole.data() &&
                            part.data() + part.size() <= whole.data() + whole.size());
}

// Every value found lies inside the block and is as long as it says.
bool valuesStayInside(std::span<const std::byte> block) {
    const char16_t* paths[] = {
        u"\\", u"\\VarFileInfo\\Translation", u"\\StringFileInfo\\080904E4\\CompanyName",
        u"\\StringFileInfo\\080904E4\\InternalName", u"\\StringFileInfo\\080904E4\\ProductVersion"};
    for (const char16_t* path : paths) {
        const auto value = marvane::getver::findVersionValue(block, path);
        if (!value) continue;
        const std::size_t unit = value->text ? 2 : 1;
        if (!inside(value->bytes, block) || value->length * unit != value->bytes.size()) {
            return false;
        }
    }
    return true;
}

Bytes mutated(Bytes bytes, std::size_t at, int kind) {
    auto& b = bytes[at];
    switch (kind) {
        case 0: b = std::byte{0x00}; break;
        case 1: b = std::byte{0xFF}; break;
        case 2: b ^= std::byte{0x80}; break;
        default: b = static_cast<std::byte>(std::to_integer<int>(b) + 1); break;
    }
    return bytes;
}

std::size_t findKey(const Bytes& block, std::u16string_view key) {
    Bytes pattern;
    for (const char16_t c : key) {
        pattern.push_back(static_cast<std::byte>(c & 0xFF));
        pattern.push_back(static_cast<std::byte>(c >> 8));
    }
    const auto at = std::search(block.begin(), block.end(), pattern.begin(), pattern.end());
    return static_cast<std::size_t>(at - block.begin());
}

}  // namespace

class VersionFormatTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheBlockInPeImages_data() {
        QTest::addColumn<bool>("pe32Plus");
        QTest::newRow("PE32") << false;
        QTest::newRow("PE32+") << true;
    }
    void findsTheBlockInPeImages() {
        QFETCH(bool, pe32Plus);
        const Bytes block = programBlock();
        const Bytes image = testimages::makePe(block, {.pe32Plus = pe32Plus});
        const auto found = marvane::getver::findVersionResource(image);
        QVERIFY(std::ranges::equal(found, block));
        QCOMPARE(found.data(), image.data() + testimages::kPeBlockOffset);
    }

    void findsTheBlockInElfFiles_data() {
        QTest::addColumn<bool>("is64");
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<bool>("extendedNumbering");
        QTest::newRow("ELF64 LE") << true << false << false;
        QTest::newRow("ELF32 LE") << false << false << false;
        QTest::newRow("ELF64 BE") << true << true << false;
        QTest::newRow("ELF32 BE") << false << true << false;
        QTest::newRow("ELF64 LE, counts in section 0") << true << false << true;
        QTest::newRow("ELF32 BE, counts in section 0") << false << true << true;
    }
    void findsTheBlockInElfFiles() {
        QFETCH(bool, is64);
        QFETCH(bool, bigEndian);
        QFETCH(bool, extendedNumbering);
        const Bytes block = programBlock();
        const Bytes elf = testimages::makeElf(std::string(marvane::getver::kVersionSectionName),
                                              block, {is64, bigEndian, extendedNumbering});
        QVERIFY(std::ranges::equal(marvane::getver::findVersionResource(elf), block));
    }

    void filesWithoutAProperBlockGiveNone_data() {
        QTest::addColumn<QByteArray>("contents");
        const auto bytes = [](const Bytes& b) {
            return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
        };
        const std::string name(marvane::getver::kVersionSectionName);
        const Bytes block = programBlock();
        Bytes notABlock = block;
        notABlock[6] = std::byte{'W'};  // the root key "VS_VERSION_INFO"
        QTest::newRow("section occupying no file space")
            << bytes(testimages::makeElf(name, block, {.sectionType = 8}));
        QTest::newRow("section name with a suffix")
            << bytes(testimages::makeElf(name + "s", block));
        QTest::newRow("section name cut short")
            << bytes(testimages::makeElf(name.substr(0, name.size() - 1), block));
        QTest::newRow("section holding another block")
            << bytes(testimages::makeElf(name, notABlock));
        QTest::newRow("resource holding another block") << bytes(testimages::makePe(notABlock));
        QTest::newRow("neither PE nor ELF")
            << QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
    }
    void filesWithoutAProperBlockGiveNone() {
        QFETCH(QByteArray, contents);
        QVERIFY(marvane::getver::findVersionResource(
                    std::as_bytes(std::span(contents.constData(), std::size_t(contents.size()))))
                    .empty());
    }

    void nodesAreFoundByPathWithoutRegardToCase() {
        const Bytes block = programBlock();
        const auto root = marvane::getver::findVersionValue(block, u"\\");
        QVERIFY(root);
        QCOMPARE(root->length, 52u);
        QCOMPARE(std::to_integer<int>(root->bytes[3]), 0xFE);  // signature 0xFEEF04BD

        const auto title =
            marvane::getver::findVersionValue(block, u"\\stringfileinfo\\080904e4\\INTERNALNAME");
        QVERIFY(title && title->text);
        QCOMPARE(title->length, 8u);  // "Marvane" and its terminating zero
        QCOMPARE(std::to_integer<char>(title->bytes[0]), 'M');

        QVERIFY(marvane::getver::findVersionValue(block,
                                                  u"\\\\StringFileInfo\\080904E4\\InternalName\\"));
        QVERIFY(!marvane::getver::findVersionValue(block, u"\\StringFileInfo\\080904E4\\Internal"));
        QVERIFY(
            !marvane::getver::findVersionValue(block, u"\\StringFileInfo\\040904B0\\InternalName"));

        const auto translation =
            marvane::getver::findVersionValue(block, u"\\VarFileInfo\\Translation");
        QVERIFY(translation && !translation->text);
        QCOMPARE(translation->length, 4u);
    }

    void aValueNeverReachesPastItsNode() {
        marvane::getver::VersionNode root =
            marvane::getver::versionTree(testimages::programTable());
        root.children[0].children[0].children[3].valueLength = 200;  // InternalName, 8 in truth
        root.children[1].children[0].valueLength = 0xFFFF;           // Translation, 4 in truth
        const Bytes block = marvane::getver::serialize(root);
        QVERIFY(valuesStayInside(block));
        QCOMPARE(
            marvane::getver::findVersionValue(block, u"\\StringFileInfo\\080904E4\\InternalName")
                ->length,
            8u);
        QCOMPARE(readBlock(block).strings.value(3), QString("Marvane"));
    }

    void aStringTypedAsBinaryIsNeverReadPastTheBlock() {
        // A value of type 0 counts bytes; read as that many characters it would reach twice as
        // far. Here it ends the block, without a terminating zero, and other bytes follow.
        marvane::getver::VersionTable table = testimages::programTable();
        table.strings = {{u"CompanyName", u"AB"}};
        marvane::getver::VersionNode root = marvane::getver::versionTree(table);
        std::swap(root.children[0], root.children[1]);  // the string table last
        marvane::getver::VersionNode& company = root.children[1].children[0].children[0];
        company.text = false;
        company.value.resize(4);  // "AB" without its zero
        company.valueLength = 4;
        const Bytes block = marvane::getver::serialize(root);
        Bytes buffer = block;
        buffer.resize(block.size() + 16, std::byte{'Z'});

        const Strings read = readBlock(std::span(buffer).first(block.size()));
        QCOMPARE(read.categories, QStringList{"CompanyName"});
        QCOMPARE(read.strings, QStringList{"AB"});
    }

    void aNodeOverrunningItsParentEndsTheSearch() {
        Bytes block = programBlock();
        const std::size_t node = findKey(block, u"FileVersion") - 6;
        block[node] = std::byte{0xF0};
        block[node + 1] = std::byte{0xFF};
        QCOMPARE(readBlock(block).categories, QStringList({"CompanyName", "FileDescription"}));
    }

    void truncatedImagesGiveAllOrNothing() {
        const Bytes block = programBlock();
        const Bytes pe = testimages::makePe(block);
        const Bytes elf =
            testimages::makeElf(std::string(marvane::getver::kVersionSectionName), block);
        const Strings whole = readImage(pe);
        QCOMPARE(whole.strings.size(), 7);
        QCOMPARE(readImage(elf).strings, whole.strings);

        for (std::size_t size = 0; size < pe.size(); ++size) {
            const bool blockIsWhole = size >= testimages::kPeBlockOffset + block.size();
            const Strings read = readImage(std::span(pe).first(size));
            QVERIFY2(read.strings == (blockIsWhole ? whole.strings : QStringList()),
                     qPrintable(QString("PE cut at %1").arg(size)));
        }
        // The section table comes last, so every cut loses it.
        for (std::size_t size = 0; size < elf.size(); ++size) {
            QVERIFY2(readImage(std::span(elf).first(size)).strings.isEmpty(),
                     qPrintable(QString("ELF cut at %1").arg(size)));
        }
        for (std::size_t size = 0; size < block.size(); ++size) {
            QVERIFY2(readBlock(std::span(block).first(size)).strings.isEmpty(),
                     qPrintable(QString("block cut at %1").arg(size)));
        }
    }

    // This test program carries the program's version section, put there by the linker.
    void truncatedCopiesOfThisProgramGiveNothing() {
        const Bytes self = testimages::readFile(QCoreApplication::applicationFilePath());
        QCOMPARE(readImage(self).strings.value(3), QString("Marvane"));

        std::vector<std::size_t> cuts;
        for (std::size_t i = 0; i < 4000; ++i) cuts.push_back(self.size() / 4000 * i);
        for (std::size_t back = 1; back <= std::min<std::size_t>(self.size(), 8192); ++back) {
            cuts.push_back(self.size() - back);
        }
        for (const std::size_t size : cuts) {
            QVERIFY2(readImage(std::span(self).first(size)).strings.isEmpty(),
                     qPrintable(QString("cut at %1").arg(size)));
        }
    }

    void corruptedImagesStaySane_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("PE32") << "PE32";
        QTest::newRow("PE32+") << "PE32+";
        QTest::newRow("ELF64") << "ELF64";
        QTest::newRow("ELF32 BE") << "ELF32 BE";
        QTest::newRow("block") << "block";
    }
    void corruptedImagesStaySane() {
        QFETCH(QString, kind);
        const Bytes block = programBlock();
        const std::string section(marvane::getver::kVersionSectionName);
        const Bytes image = kind == "PE32"    ? testimages::makePe(block)
                            : kind == "PE32+" ? testimages::makePe(block, {.pe32Plus = true})
                            : kind == "ELF64" ? testimages::makeElf(section, block)
                            : kind == "ELF32 BE"
                                ? testimages::makeElf(section, block, {false, true})
                                : block;
        const bool isBlock = kind == "block";

        // Every byte changed in four ways, then many bytes at once, at random but repeatably.
        std::vector<Bytes> inputs;
        for (std::size_t at = 0; at < image.size(); ++at) {
            for (int how = 0; how < 4; ++how) inputs.push_back(mutated(image, at, how));
        }
        QRandomGenerator random(20240607);
        for (int round = 0; round < 3000; ++round) {
            Bytes input = image;
            const int changes = random.bounded(2, 12);
            for (int i = 0; i < changes; ++i) {
                input[random.bounded(quint32(input.size()))] =
                    static_cast<std::byte>(random.bounded(256));
            }
            inputs.push_back(std::move(input));
        }

        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const Bytes& input = inputs[i];
            const auto found = isBlock ? std::span<const std::byte>(input)
                                       : marvane::getver::findVersionResource(input);
            QVERIFY2(inside(found, input), qPrintable(QString("input %1").arg(i)));
            QVERIFY2(valuesStayInside(found), qPrintable(QString("input %1").arg(i)));
            QVERIFY2(isSane(isBlock ? readBlock(input) : readImage(input)),
                     qPrintable(QString("input %1").arg(i)));
        }
    }
};

QTEST_GUILESS_MAIN(VersionFormatTest)
#include "tst_version_format.moc"
