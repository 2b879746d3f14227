// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text form: values as QSettings writes them read back the same, hand edits
// read as a person would expect, and changing one value touches no other byte.
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/ini_text.h"
#include "settings/stored_integer.h"

using namespace marvane;

Q_DECLARE_METATYPE(StoredValue::Kind)

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class IniTextTest : public QObject {
    Q_OBJECT

private slots:
    // Texts a QSettings-written file may hold: what QSettings reads from it, this reads too.
    void readsWhatQSettingsWrites_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("digits") << "1000";
        QTest::newRow("negative") << "-5";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks around") << "  250  ";
        QTest::newRow("comma") << "1,000";
        QTest::newRow("semicolon") << "a;b";
        QTest::newRow("quotes and backslashes") << "say \"hi\" \\ bye";
        QTest::newRow("control characters") << QString(
            "tab\there\nline\x01"
            "0end");
        QTest::newRow("starts with @") << "@Variant(not really)";
        QTest::newRow("non-ASCII")
            << QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB2");
        QTest::newRow("equals sign") << "a=b";
    }

    void readsWhatQSettingsWrites() {
        QFETCH(QString, text);
        QTemporaryDir folder;
        const QString path = folder.filePath("written.conf");
        {
            QSettings settings(path, QSettings::IniFormat);
            settings.setValue("Key", text);
        }
        const IniText file(fileBytes(path));
        const std::optional<QByteArray> raw = file.rawValue("Key");
        QVERIFY(raw);
        const StoredValue value = decodeIniValue(*raw);
        QCOMPARE(value.kind, StoredValue::Kind::Text);
        QCOMPARE(value.text, text);
    }

    // And what this writes, QSettings reads as the same text.
    void writesWhatQSettingsReads() {
        const QStringList texts = {"1000",
                                   "",
                                   " padded ",
                                   "1,000",
                                   "a;b",
                                   "q\"uo\\te",
                                   QString::fromLatin1("nul\0"
                                                       "7",
                                                       5),
                                   QString("\x1f"
                                           "f"),
                                   "@at",
                                   QString::fromUtf8("caf\xC3\xA9")};
        for (const QString& text : texts) {
            QTemporaryDir folder;
            const QString path = folder.filePath("written.conf");
            IniText file;
            file.setValue("Key", encodeIniValue(text));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.bytes());
            out.close();
            QSettings settings(path, QSettings::IniFormat);
            QCOMPARE(settings.value("Key").toString(), text);
            // Back through this reader, up to the first NUL.
            QCOMPARE(decodeIniValue(encodeIniValue(text)).text, text.left(text.indexOf(QChar(0))));
        }
    }

    void decodesHandEditedAndTypedValues_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<StoredValue::Kind>("kind");
        QTest::addColumn<QString>("text");
        using K = StoredValue::Kind;
        QTest::newRow("list-looking text") << QByteArray("1, 000") << K::Text << "1, 000";
        QTest::newRow("quoted") << QByteArray(" \"250\" ") << K::Text << "250";
        QTest::newRow("unfinished quote") << QByteArray("\"250") << K::Text << "250";
        QTest::newRow("tab before") << QByteArray("\t250") << K::Text << "250";
        QTest::newRow("hex escape") << QByteArray("\\x32\\x35\\x30") << K::Text << "250";
        QTest::newRow("NUL ends the text") << QByteArray("0\\0junk") << K::Text << "0";
        QTest::newRow("@@") << QByteArray("@@x") << K::Text << "@x";
        QTest::newRow("@String") << QByteArray("@String(250)") << K::Text << "250";
        QTest::newRow("a @Variant string")
            << QByteArray("@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0\\x32\\0\\x35)") << K::Text << "25";
        QTest::newRow("a @Variant number")
            << QByteArray("@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x3)") << K::NotText << "";
        QTest::newRow("@Variant too short") << QByteArray("@Variant(\\0)") << K::Unreadable << "";
        QTest::newRow("@Variant unclosed") << QByteArray("@Variant(x") << K::Text << "@Variant(x";
        QTest::newRow("@ByteArray") << QByteArray("@ByteArray(1)") << K::NotText << "";
        QTest::newRow("empty @ByteArray") << QByteArray("@ByteArray()") << K::Text << "";
        QTest::newRow("@DateTime") << QByteArray("@DateTime(x)") << K::NotText << "";
        QTest::newRow("@Rect") << QByteArray("@Rect(1 2 3 4)") << K::NotText << "";
        QTest::newRow("@Rect, three numbers")
            << QByteArray("@Rect(1 2 3)") << K::Text << "@Rect(1 2 3)";
        QTest::newRow("@Point") << QByteArray("@Point(1 2)") << K::NotText << "";
        QTest::newRow("@Invalid") << QByteArray("@Invalid()") << K::Unreadable << "";
    }

    void decodesHandEditedAndTypedValues() {
        QFETCH(QByteArray, raw);
        QFETCH(StoredValue::Kind, kind);
        QFETCH(QString, text);
        const StoredValue value = decodeIniValue(raw);
        QCOMPARE(value.kind, kind);
        QCOMPARE(value.text, text);
    }

    void bytesThatAreNotUtf8NeverReadAsANumber() {
        const QByteArray raws[] = {"250\xE2\x82", "2\xE2\x82",
                                   "2\x80"
                                   "5",
                                   "\xC0\xB2", "\xEF\xBC\x92"};
        for (const QByteArray& raw : raws) {
            const StoredValue value = decodeIniValue(raw);
            QCOMPARE(value.kind, StoredValue::Kind::Text);
            QVERIFY2(!parseStoredInteger(value.text.toStdString()), raw.toHex().constData());
        }
    }

    void findsTopLevelKeysOnly_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");  // "-" for none
        QTest::newRow("in [General]") << QByteArray("[General]\nC1=3\n") << QByteArray("3");
        QTest::newRow("before any section")
            << QByteArray("C1=3\n[Other]\nC1=4\n") << QByteArray("3");
        QTest::newRow("only in another section")
            << QByteArray("[Other]\nC1=4\n") << QByteArray("-");
        QTest::newRow("[%General] is another section")
            << QByteArray("[%General]\nC1=4\n") << QByteArray("-");
        QTest::newRow("last one counts")
            << QByteArray("[General]\nC1=3\n[x]\n[general]\nC1=5\n") << QByteArray("5");
        QTest::newRow("case matters") << QByteArray("[General]\nc1=3\n") << QByteArray("-");
        QTest::newRow("blanks and comment")
            << QByteArray("  C1 =  3 ; colour\r\n") << QByteArray("  3 ");
        QTest::newRow("commented out") << QByteArray(";C1=3\n") << QByteArray("-");
        QTest::newRow("quote does not run on")
            << QByteArray("Name=\"open\nC1=3\n") << QByteArray("3");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF") + "C1=3" << QByteArray("3");
        QTest::newRow("no equals sign") << QByteArray("C1\n") << QByteArray("-");
    }

    void findsTopLevelKeysOnly() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        const std::optional<QByteArray> raw = IniText(file).rawValue("C1");
        QCOMPARE(raw.value_or("-"), expected);
    }

    void settingAValueChangesOnlyItsOwnBytes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty file") << QByteArray() << QByteArray("[General]\nC1=3\nC2=4\n");
        QTest::newRow("added after the last key of [General], before the blank line")
            << QByteArray("[General]\nMenu=1\n\n[Other]\nC1=9\n")
            << QByteArray("[General]\nMenu=1\nC1=3\nC2=4\n\n[Other]\nC1=9\n");
        QTest::newRow("keys before any section")
            << QByteArray("; note\nMenu=1\n[Other]\nX=1\n")
            << QByteArray("; note\nMenu=1\nC1=3\nC2=4\n[Other]\nX=1\n");
        QTest::newRow("no line break at the end")
            << QByteArray("[General]\nMenu=1") << QByteArray("[General]\nMenu=1\nC1=3\nC2=4\n");
        QTest::newRow("Windows line breaks")
            << QByteArray("[General]\r\nC1=5\r\n") << QByteArray("[General]\r\nC1=3\r\nC2=4\r\n");
        QTest::newRow("empty value") << QByteArray("C1=\nC2=  \n") << QByteArray("C1=3\nC2=4  \n");
        QTest::newRow("the last of two") << QByteArray("C1=1\n[General]\nC1=2\nC2=x\n")
                                         << QByteArray("C1=1\n[General]\nC1=3\nC2=4\n");
    }

    void settingAValueChangesOnlyItsOwnBytes() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        IniText file(before);
        file.setValue("C1", "3");
        file.setValue("C2", "4");
        QCOMPARE(file.bytes(), after);
        QCOMPARE(file.rawValue("C1").value_or("-").trimmed(), QByteArray("3"));
    }
};

QTEST_GUILESS_MAIN(IniTextTest)
#include "tst_ini_text.moc"
