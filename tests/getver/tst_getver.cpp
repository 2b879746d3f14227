// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "getver/getver.h"
#include "getver/version_api.h"
#include "tests/getver/test_images.h"

using namespace marvane;
using testimages::Bytes;

namespace {

const QStringList kProgramCategories = {
    "CompanyName",    "FileDescription", "FileVersion",    "InternalName",
    "LegalCopyright", "ProductName",     "ProductVersion",
};

Bytes peWith(const marvane::getver::VersionTable& table, testimages::PeOptions options = {}) {
    return testimages::makePe(marvane::getver::serialize(marvane::getver::versionTree(table)),
                              options);
}

}  // namespace

class GetVersionInfoTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString write(const QString& name, const Bytes& bytes) {
        const QString path = dir_.filePath(name);
        testimages::writeFile(path, bytes);
        return path;
    }

    // Loads `bytes` through a file, as the component only reads files.
    QStringList stringsOf(const Bytes& bytes, QStringList* categories = nullptr) {
        TGetVersionInfoFromFile info;
        info.setFileName(write("image.exe", bytes));
        if (categories) *categories = info.VersionCategories();
        return info.VersionStrings();
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void theProgramsOwnFileGivesTitleAndVersion() {
        QCOMPARE(ReadTitle(), QString("Marvane"));
        QCOMPARE(ReadVersion(), QString("1.4.0.0"));

        TGetVersionInfoFromFile info;
        info.setFileName(QCoreApplication::applicationFilePath());
        QCOMPARE(info.VersionCategories(), kProgramCategories);
        const QStringList strings = info.VersionStrings();
        QCOMPARE(strings.size(), kProgramCategories.size());
        QCOMPARE(strings[0], QString("Corvath Solutions"));
        QCOMPARE(strings[1], QString("Marvane game executable"));
        QVERIFY(!strings[4].isEmpty());
        QCOMPARE(strings[5], QString("Marvane"));
        QCOMPARE(strings[6], QString("1.0.0.0"));
    }

    void peImagesGiveTheTableInOrder_data() {
        QTest::addColumn<bool>("pe32Plus");
        QTest::newRow("PE32") << false;
        QTest::newRow("PE32+") << true;
    }
    void peImagesGiveTheTableInOrder() {
        QFETCH(bool, pe32Plus);
        QStringList categories;
        const QStringList strings =
            stringsOf(peWith(testimages::programTable(), {.pe32Plus = pe32Plus}), &categories);
        QCOMPARE(categories, kProgramCategories);
        QCOMPARE(strings.value(2), QString("1.4.0.0"));
        QCOMPARE(strings.value(3), QString("Marvane"));
        QCOMPARE(strings.value(4), QString("Copyright (C) Corvath Solutions"));
    }

    void filesWithoutVersionInformationGiveEmptyLists_data() {
        QTest::addColumn<QByteArray>("contents");
        const auto bytes = [](const Bytes& b) {
            return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
        };
        const Bytes block =
            marvane::getver::serialize(marvane::getver::versionTree(testimages::programTable()));
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text file") << QByteArray("MZ is not enough to make an image\n");
        QTest::newRow("PE without version resource")
            << bytes(testimages::makePe(block, {.withVersionResource = false}));
        QTest::newRow("PE with version resource of another ID")
            << bytes(testimages::makePe(block, {.versionId = 2}));
        QTest::newRow("ELF without version section")
            << bytes(testimages::makeElf(".rodata", block));
    }
    void filesWithoutVersionInformationGiveEmptyLists() {
        QFETCH(QByteArray, contents);
        const QString path = dir_.filePath("plain.bin");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();

        TGetVersionInfoFromFile info;
        info.setFileName(path);
        QCOMPARE(info.fileName(), path);
        QVERIFY(info.VersionStrings().isEmpty());
        QVERIFY(info.VersionCategories().isEmpty());
    }

    void theFirstMissingNameEndsTheList() {
        auto table = testimages::programTable();
        testimages::setString(table, u"CompanyName", nullptr);
        QCOMPARE(stringsOf(peWith(table)), QStringList());

        table = testimages::programTable();
        testimages::setString(table, u"InternalName", nullptr);
        QStringList categories;
        QCOMPARE(stringsOf(peWith(table), &categories),
                 QStringList({"Corvath Solutions", "Marvane game executable", "1.4.0.0"}));
        QCOMPARE(categories, QStringList({"CompanyName", "FileDescription", "FileVersion"}));
    }

    void emptyValuesAreSkippedAndLaterEntriesMoveUp() {
        auto table = testimages::programTable();
        testimages::setString(table, u"FileDescription", u"");
        QStringList categories;
        const QStringList strings = stringsOf(peWith(table), &categories);
        QCOMPARE(categories.value(1), QString("FileVersion"));
        QCOMPARE(categories.value(2), QString("InternalName"));
        QCOMPARE(strings.value(2), QString("Marvane"));
        QCOMPARE(categories.value(3), QString("LegalCopyright"));
        QCOMPARE(strings.size(), kProgramCategories.size() - 1);
    }

    void aNameThatIsNoFileEmptiesListsAndName() {
        TGetVersionInfoFromFile info;
        info.setFileName(write("good.exe", peWith(testimages::programTable())));
        QVERIFY(!info.VersionStrings().isEmpty());

        info.setFileName(dir_.filePath("missing.exe"));
        QCOMPARE(info.fileName(), QString());
        QVERIFY(info.VersionStrings().isEmpty());
        QVERIFY(info.VersionCategories().isEmpty());

        info.setFileName(write("good.exe", peWith(testimages::programTable())));
        info.setFileName(dir_.path());
        QCOMPARE(info.fileName(), QString());
        QVERIFY(info.VersionStrings().isEmpty());
    }

    void stringTablesAreNamedInUpperCaseHex() {
        QCOMPARE(marvane::getver::versionStringPath(0x0809, 0x04E4, "CompanyName"),
                 QString("\\StringFileInfo\\080904E4\\CompanyName"));
        QCOMPARE(marvane::getver::versionStringPath(0x0C0A, 0xFDE9, "ProductName"),
                 QString("\\StringFileInfo\\0C0AFDE9\\ProductName"));

        auto table = testimages::programTable();
        table.language = 0x0C0A;
        QCOMPARE(stringsOf(peWith(table)).value(3), QString("Marvane"));
    }

    void onlyTheFirstTranslationIsUsed() {
        // A second language whose table comes first in the file and differs in every value.
        auto other = testimages::programTable();
        for (auto& entry : other.strings) entry.second = u"other";
        marvane::getver::VersionNode root =
            marvane::getver::versionTree(testimages::programTable());
        marvane::getver::VersionNode& stringFileInfo = root.children[0];
        marvane::getver::VersionNode& translation = root.children[1].children[0];
        stringFileInfo.children.insert(stringFileInfo.children.begin(),
                                       marvane::getver::versionTree(other).children[0].children[0]);
        stringFileInfo.children.front().key = u"040904B0";
        translation.value.insert(translation.value.end(), {std::byte{0x09}, std::byte{0x04},
                                                           std::byte{0xB0}, std::byte{0x04}});
        translation.valueLength = 8;

        const QStringList strings = stringsOf(testimages::makePe(marvane::getver::serialize(root)));
        QCOMPARE(strings.value(3), QString("Marvane"));
        QVERIFY(!strings.contains("other"));
    }

    void valuesEndAtTheirFirstZeroAndAreCutAt256() {
        auto table = testimages::programTable();
        const std::u16string longName(300, u'x');
        testimages::setString(table, u"CompanyName", longName.c_str());
        marvane::getver::VersionNode root = marvane::getver::versionTree(table);
        marvane::getver::VersionNode& internalName = root.children[0].children[0].children[3];
        internalName =
            marvane::getver::textNode(u"InternalName", std::u16string(u"Marvane\0junk", 12));

        const QStringList strings = stringsOf(testimages::makePe(marvane::getver::serialize(root)));
        QCOMPARE(strings.value(0), QString(256, u'x'));
        QCOMPARE(strings.value(3), QString("Marvane"));
    }

    void truncatedFilesGiveAllOrNothing() {
        const Bytes block =
            marvane::getver::serialize(marvane::getver::versionTree(testimages::programTable()));
        const Bytes full = testimages::makePe(block);
        const QStringList complete = stringsOf(full);
        QCOMPARE(complete.size(), kProgramCategories.size());

        TGetVersionInfoFromFile info;
        for (std::size_t size = 0; size < full.size(); size += 5) {
            const QString path =
                write("cut.exe", Bytes(full.begin(), full.begin() + std::ptrdiff_t(size)));
            info.setFileName(path);
            QCOMPARE(info.fileName(), path);
            const bool blockIsWhole = size >= testimages::kPeBlockOffset + block.size();
            QVERIFY2(info.VersionStrings() == (blockIsWhole ? complete : QStringList()),
                     qPrintable(QString("cut at %1").arg(size)));
        }
    }
};

QTEST_GUILESS_MAIN(GetVersionInfoTest)
#include "tst_getver.moc"
