#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "settings/settings_store.h"
#include "tests/settings/optionfield.h"

Q_DECLARE_METATYPE(StoredOptions)

char* toString(const StoredOptions& o) {
    return qstrdup(QStringLiteral("{sound %1, menu %2, status %3, response %4, c1 %5, c2 %6}")
                       .arg(o.sound)
                       .arg(o.menu)
                       .arg(o.status)
                       .arg(o.response)
                       .arg(o.c1)
                       .arg(o.c2)
                       .toUtf8()
                       .constData());
}

namespace {

StoredOptions with(void (*change)(StoredOptions&)) {
    StoredOptions options;
    change(options);
    return options;
}

// Lines that are not blank, in file order.
QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    lines.removeAll(QString());
    return lines;
}

}  // namespace

// Every test gets its own config folder, so nothing here ever reaches the real user's settings
// and QSettings' per-file cache never sees the same file twice.
class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(scratch.isValid());
        // Covers anything that would read the default location before setPath takes effect.
        qputenv("XDG_CONFIG_HOME", scratch.filePath("xdg").toLocal8Bit());
    }

    void init() {
        config = std::make_unique<QTemporaryDir>();
        QVERIFY(config->isValid());
        useConfigFolder(config->path());
    }

    void cleanup() { config.reset(); }

    void loadingWithoutAStoreGivesTheDefaultsAndCreatesNothing() {
        StoredOptions loaded = with([](StoredOptions& o) { o.sound = false, o.c1 = 5; });
        LoadSettings(loaded);
        QCOMPARE(loaded, StoredOptions{});
        QVERIFY(
            QDir(config->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void savedOptionsComeBackAsSixTopLevelTexts() {
        writeRawFile("[General]\nOther=kept\n");
        const StoredOptions saved{false, true, true, 250, 3, 4};
        SaveSettings(saved);

        // A fresh look at the disk, not at anything QSettings may hold in memory.
        const QStringList lines = linesOf(confPath());
        QCOMPARE(QSet<QString>(lines.begin(), lines.end()),
                 (QSet<QString>{"[General]", "Other=kept", "Sound=0", "Menu=1", "Status=1",
                                "Response=250", "C1=3", "C2=4"}));
        QCOMPARE(lines.size(), 8);

        StoredOptions loaded;
        LoadSettings(loaded);
        QCOMPARE(loaded, saved);
    }

    void storedTextsReadAsTheControlsExpect_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, const QString& text, int expected) {
            QTest::addRow("%s '%s'", name, qPrintable(text)) << QString(name) << text << expected;
        };
        row("Sound", "0", 0);
        row("Sound", "1", 1);
        row("Sound", "2", 1);
        row("Sound", "-1", 1);
        row("Sound", "yes", 1);
        row("Sound", "", 1);
        row("Sound", "1.0", 1);
        row("Sound", QString::fromLatin1("0\0junk", 6), 0);
        row("Menu", "yes", 0);
        row("Status", " 1", 1);
        row("Response", " 250", 250);
        row("Response", "+250", 250);
        row("Response", "$FA", 250);
        row("Response", "0xfa", 250);
        row("Response", "250ms", 1000);
        row("Response", "1e3", 1000);
        row("Response", "250 ", 1000);
        row("Response", "70000", 4464);
        row("Response", "-70000", -4464);
        row("Response", "$FFFFFFFF", -1);
        row("Response", "2147483648", 1000);
        row("C1", "5", 5);
        row("C1", "$3", 3);
    }

    void storedTextsReadAsTheControlsExpect() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, expected);
        store(name, text);
        StoredOptions loaded;
        LoadSettings(loaded);
        QCOMPARE(fieldOf(loaded, name), expected);
    }

    void aValueThatIsNotTextEndsLoadingAtThatValue_data() {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<QString>("error");
        QTest::addColumn<StoredOptions>("expected");
        const QByteArray before = "Sound=0\nMenu=1\nStatus=1\nResponse=300\n";
        const QByteArray number3 = "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x3)";
        QTest::newRow("C1 a number")
            << before + "C1=" + number3 + "\nC2=4\n"
            << "Invalid data type for 'C1'" << StoredOptions{false, true, true, 300, 1, 2};
        QTest::newRow("Sound a list") << QByteArray("Sound=1, 0\nMenu=1\n")
                                      << "Invalid data type for 'Sound'" << StoredOptions{};
        QTest::newRow("Status binary")
            << QByteArray("Sound=0\nStatus=@ByteArray(1)\nResponse=300\n")
            << "Invalid data type for 'Status'" << with([](StoredOptions& o) { o.sound = false; });
        QTest::newRow("Response unreadable")
            << QByteArray("Menu=1\nResponse=@Invalid()\nC1=3\nC2=4\n")
            << "Failed to get data for 'Response'" << with([](StoredOptions& o) { o.menu = true; });
        QTest::newRow("C2 a number after C1 4")
            << before + "C1=4\nC2=" + number3 + "\n"
            << "Invalid data type for 'C2'" << StoredOptions{false, true, true, 300, 4, 2};
        // C1 as read would equal the default C2: the pair is repaired before the error leaves.
        QTest::newRow("C2 a number after C1 2")
            << before + "C1=2\nC2=" + number3 + "\n"
            << "Invalid data type for 'C2'" << StoredOptions{false, true, true, 300, 1, 2};
    }

    void aValueThatIsNotTextEndsLoadingAtThatValue() {
        QFETCH(QByteArray, values);
        QFETCH(QString, error);
        QFETCH(StoredOptions, expected);
        writeRawFile("[General]\n" + values);
        StoredOptions loaded;
        try {
            LoadSettings(loaded);
            QFAIL("LoadSettings did not throw");
        } catch (const ERegistryException& e) {
            QCOMPARE(QString::fromStdString(e.what()), error);
        }
        QCOMPARE(loaded, expected);
    }

    void unusableColourPairsFallBackToTheDefaults_data() {
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("c2");
        QTest::addColumn<int>("expectedC1");
        QTest::addColumn<int>("expectedC2");
        QTest::newRow("C1 empty-square colour") << "0"
                                                << "2" << 1 << 2;
        QTest::newRow("C1 beyond the palette") << "7"
                                               << "2" << 1 << 2;
        QTest::newRow("C2 negative") << "5"
                                     << "-1" << 1 << 2;
        QTest::newRow("both the same") << "3"
                                       << "3" << 1 << 2;
        QTest::newRow("C1 equal to the default C2") << "2" << QString() << 1 << 2;
        QTest::newRow("a scheme pair") << "5"
                                       << "6" << 5 << 6;
        QTest::newRow("an unusual but paintable pair") << "6"
                                                       << "1" << 6 << 1;
        QTest::newRow("C1 with the default C2") << "4" << QString() << 4 << 2;
    }

    void unusableColourPairsFallBackToTheDefaults() {
        QFETCH(QString, c1);
        QFETCH(QString, c2);
        QFETCH(int, expectedC1);
        QFETCH(int, expectedC2);
        store("Response", "300");
        store("C1", c1);
        if (!c2.isNull()) store("C2", c2);
        StoredOptions loaded;
        LoadSettings(loaded);
        QCOMPARE(loaded.c1, expectedC1);
        QCOMPARE(loaded.c2, expectedC2);
        QCOMPARE(loaded.response, 300);
    }

    void aCorruptFileGivesTheDefaultsAndIsReplacedBySaving() {
        QByteArray garbage;
        quint32 seed = 12345;
        for (int i = 0; i < 8192; ++i) {
            seed = seed * 1103515245u + 12345u;
            garbage.append(char(seed >> 24));
        }
        writeRawFile(garbage);
        StoredOptions loaded;
        LoadSettings(loaded);
        QCOMPARE(loaded, StoredOptions{});

        const StoredOptions saved{false, true, false, 700, 5, 6};
        SaveSettings(saved);
        LoadSettings(loaded);
        QCOMPARE(loaded, saved);
    }

    void savingThrowsWhenTheConfigFolderCannotBeCreated() {
        QFile blocker(config->filePath("plain-file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        useConfigFolder(blocker.fileName() + "/config");

        StoredOptions loaded;
        LoadSettings(loaded);
        QCOMPARE(loaded, StoredOptions{});
        QCOMPARE(saveError(), QString("Failed to create key Corvath\\Marvane"));
    }

    void savingThrowsWhenTheFileCannotBeWritten() {
        // A folder where the file should be: unreadable and unwritable even for root.
        QVERIFY(QDir().mkpath(confPath()));
        StoredOptions loaded;
        LoadSettings(loaded);
        QCOMPARE(loaded, StoredOptions{});
        QCOMPARE(saveError(), QString("Failed to set data for 'Sound'"));
    }

private:
    static void useConfigFolder(const QString& path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }

    QString confPath() const { return config->filePath("Corvath/Marvane.conf"); }

    // Stores a text exactly as the program would, escaping included.
    static void store(const QString& name, const QString& text) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Corvath", "Marvane");
        settings.setValue(name, text);
    }

    void writeRawFile(const QByteArray& content) const {
        QVERIFY(QDir().mkpath(config->filePath("Corvath")));
        QFile file(confPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    static QString saveError() {
        try {
            SaveSettings(StoredOptions{});
        } catch (const ERegistryException& e) {
            return QString::fromStdString(e.what());
        }
        return "no error";
    }

    QTemporaryDir scratch;
    std::unique_ptr<QTemporaryDir> config;
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
