// SPDX-License-Identifier: GPL-3.0-or-later
// The option store on a real settings file in a folder of its own: what a file holds loads as
// the user would expect, and saving changes the program's ten values and nothing else.
#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

#include "settings/settings_store.h"
#include "tests/settings/child_process.h"
#include "tests/settings/optionfield.h"

using namespace marvane;
using namespace marvane::test;

Q_DECLARE_METATYPE(Options)

namespace marvane {

char* toString(const Options& o) {
    QStringList values;
    for (const OptionRow& option : kOptionTable)
        values << QString::fromLatin1(option.key.data(), option.key.size()) + ' ' +
                      QString::number(option.get(o));
    return qstrdup(('{' + values.join(", ") + '}').toUtf8().constData());
}

}  // namespace marvane

namespace {

Options with(void (*change)(Options&)) {
    Options options;
    change(options);
    return options;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What LoadSettings reported, or "" when it loaded without an error.
QString loadInto(Options& loaded) {
    try {
        LoadSettings(loaded);
    } catch (const ERegistryException& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

QString saveError(const Options& options = {}) {
    try {
        SaveSettings(options);
    } catch (const ERegistryException& e) {
        return QString::fromStdString(e.what());
    }
    return "no error";
}

const QByteArray kDefaults =
    "Sound=1\nMenu=0\nStatus=0\nResponse=1000\nC1=1\nC2=2\nLastMove=0\nLegalMoves=0\n"
    "Coordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n";

}  // namespace

// Every test gets its own config folder, so nothing here ever reaches the real user's settings.
class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        QVERIFY(config->isValid());
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    }

    void cleanup() { config.reset(); }

    void loadingWithoutAStoreGivesTheDefaultsAndCreatesNothing() {
        Options loaded = with([](Options& o) { o.sound = false, o.c1 = 5; });
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded, Options{});
        QVERIFY(
            QDir(config->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void savedOptionsComeBackAsTenTopLevelTexts() {
        writeFile("[General]\nOther=kept\n");
        const Options saved{false, true, true, 250, 3, 4, true, false, true, true, false};
        SaveSettings(saved);
        QCOMPARE(readAll(confPath()),
                 QByteArray("[General]\nOther=kept\nSound=0\nMenu=1\nStatus=1\nResponse=250\nC1=3\n"
                            "C2=4\nLastMove=1\nLegalMoves=0\nCoordinates=1\nEvaluations=1\n"
                            "ExpertHard=0\nStandardRules=0\n"));
        // No lock file or temporary file left behind.
        QCOMPARE(QDir(config->filePath("Corvath")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Marvane.conf"});

        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded, saved);
    }

    // Texts as QSettings writes them, as earlier versions of the program did.
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
        row("Menu", "1, 0", 0);
        row("Status", " 1", 1);
        row("Response", " 250", 250);
        row("Response", "+250", 250);
        row("Response", "$FA", 250);
        row("Response", "0xfa", 250);
        row("Response", "250ms", 1000);
        row("Response", "1e3", 1000);
        row("Response", "250 ", 1000);
        row("Response", "1,000", 1000);
        row("Response", "70000", 5000);
        row("Response", "-70000", 100);
        row("Response", "$FFFFFFFF", 100);
        row("Response", "99", 100);
        row("Response", "5001", 5000);
        row("Response", "2147483648", 1000);
        row("C1", "5", 5);
        row("C1", "$3", 3);
        row("LastMove", "1", 1);
        row("LastMove", "yes", 0);
        row("LastMove", "", 0);
        row("LegalMoves", "1", 1);
        row("LegalMoves", "2", 1);
        row("LegalMoves", "0", 0);
        row("LegalMoves", "true", 0);
        row("Coordinates", "1", 1);
        row("Coordinates", "yes", 0);
        row("Evaluations", "1", 1);
        row("Evaluations", "on", 0);
        row("ExpertHard", "1", 1);
        row("ExpertHard", "", 0);
    }

    void storedTextsReadAsTheControlsExpect() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, expected);
        {
            QSettings settings(confPath(), QSettings::IniFormat);
            settings.setValue(name, text);
        }
        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(fieldOf(loaded, name), expected);
    }

    // Files as a person might leave them. Each is loaded, then the loaded options are saved:
    // the file afterwards must be `after` to the byte.
    void handEditedFilesLoadValueByValueAndKeepTheirOtherBytes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Options>("loaded");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("after");
        const QByteArray number1 = "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)";

        QTest::newRow("digit grouping is not a number, and the colours still load")
            << QByteArray("[General]\nSound=0\nResponse=1,000\nC1=3\nC2=4\nName=\"a, b\"\n")
            << Options{false, false, false, 1000, 3, 4} << QString()
            << QByteArray(
                   "[General]\nSound=0\nResponse=1000\nC1=3\nC2=4\nName=\"a, b\"\nMenu=0\n"
                   "Status=0\nLastMove=0\nLegalMoves=0\nCoordinates=0\nEvaluations=0\nExpertHard="
                   "0\nStandardRules=0\n");
        QTest::newRow("a number where text belongs costs only its own value")
            << "[General]\nSound=0\nMenu=" + number1 + "\nStatus=1\nResponse=300\nC1=5\nC2=6\n"
            << Options{false, false, true, 300, 5, 6} << "Invalid data type for 'Menu'"
            << QByteArray(
                   "[General]\nSound=0\nMenu=0\nStatus=1\nResponse=300\nC1=5\nC2=6\n"
                   "LastMove=0\nLegalMoves=0\nCoordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n");
        QTest::newRow("of two bad values the first is reported")
            << "[General]\nSound=@ByteArray(1)\nStatus=@Rect(1 2 3 4)\nResponse=300\nC1=3\nC2=" +
                   number1 + "\n"
            << Options{true, false, false, 300, 3, 2} << "Invalid data type for 'Sound'"
            << QByteArray(
                   "[General]\nSound=1\nStatus=0\nResponse=300\nC1=3\nC2=2\nMenu=0\n"
                   "LastMove=0\nLegalMoves=0\nCoordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n");
        QTest::newRow("an unreadable value")
            << QByteArray("Menu=1\nResponse=@Invalid()\nC1=3\nC2=4\n")
            << Options{true, true, false, 1000, 3, 4} << "Failed to get data for 'Response'"
            << QByteArray(
                   "Menu=1\nResponse=1000\nC1=3\nC2=4\nSound=1\nStatus=0\nLastMove=0\n"
                   "LegalMoves=0\nCoordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n");
        QTest::newRow("bytes that are not UTF-8 are not a number")
            << QByteArray(
                   "[General]\nResponse=250\xE2\x82\nC1=2\xE2\x82\nC2=6\nOwn=caf\xC3 \xE2\x82\n")
            << Options{true, false, false, 1000, 1, 6} << QString()
            << QByteArray(
                   "[General]\nResponse=1000\nC1=1\nC2=6\nOwn=caf\xC3 \xE2\x82\nSound=1\n"
                   "Menu=0\nStatus=0\nLastMove=0\nLegalMoves=0\nCoordinates=0\nEvaluations="
                   "0\nExpertHard=0\nStandardRules=0\n");
        QTest::newRow("other sections, comments and blanks stay")
            << QByteArray(
                   "; by hand\n[General]\nC1 = 5 ; mine\r\nC2=6\n\n[Window]\nSound=0\n"
                   "Geometry=@ByteArray(\\x1\\xd9)\n")
            << Options{true, false, false, 1000, 5, 6} << QString()
            << QByteArray(
                   "; by hand\n[General]\nC1 = 5 ; mine\r\nC2=6\nSound=1\nMenu=0\nStatus=0\n"
                   "Response=1000\nLastMove=0\nLegalMoves=0\nCoordinates=0\nEvaluations="
                   "0\nExpertHard=0\nStandardRules=0\n\n[Window]\nSound=0\n"
                   "Geometry=@ByteArray(\\x1\\xd9)\n");
        QTest::newRow("a file of other sections only")
            << QByteArray("[Window]\nC1=5\n") << Options{} << QString()
            << "[General]\n" + kDefaults + "\n[Window]\nC1=5\n";
        // The marks' two keys came after the six others: a file written before them loads as it
        // did, the marks off, and saving only adds the two keys after the six, untouched.
        const QByteArray sixKeys =
            "[General]\nSound=0\nMenu=1\nStatus=1\nResponse=250\nC1=3\nC2=4\n";
        QTest::newRow("a file from before the marks")
            << sixKeys << Options{false, true, true, 250, 3, 4} << QString()
            << sixKeys + "LastMove=0\nLegalMoves=0\nCoordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n";
        // Likewise the newer options after the marks.
        const QByteArray eightKeys = sixKeys + "LastMove=1\nLegalMoves=1\n";
        QTest::newRow("a file from before the coordinates and the analysis")
            << eightKeys << Options{false, true, true, 250, 3, 4, true, true} << QString()
            << eightKeys + "Coordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n";
        QTest::newRow("a mark that is not text costs only itself")
            << "[General]\nLegalMoves=1\nLastMove=" + number1 + "\nC1=3\nC2=4\n"
            << Options{true, false, false, 1000, 3, 4, false, true}
            << "Invalid data type for 'LastMove'"
            << QByteArray(
                   "[General]\nLegalMoves=1\nLastMove=0\nC1=3\nC2=4\nSound=1\nMenu=0\n"
                   "Status=0\nResponse=1000\nCoordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n");
    }

    void handEditedFilesLoadValueByValueAndKeepTheirOtherBytes() {
        QFETCH(QByteArray, before);
        QFETCH(Options, loaded);
        QFETCH(QString, error);
        QFETCH(QByteArray, after);
        writeFile(before);
        Options options;
        QCOMPARE(loadInto(options), error);
        QCOMPARE(options, loaded);
        SaveSettings(options);
        QCOMPARE(readAll(confPath()), after);
    }

    void onlyTheUsersOwnFileCounts() {
        // QSettings would fill gaps from the organisation-wide file beside the user's program
        // folder; the program reads the user's own file only.
        QVERIFY(QDir().mkpath(config->filePath("Corvath")));
        QFile orgWide(config->filePath("Corvath.conf"));
        QVERIFY(orgWide.open(QIODevice::WriteOnly));
        orgWide.write("[General]\nSound=0\nMenu=1\nC1=5\nC2=6\n");
        orgWide.close();
        writeFile("[General]\nStatus=1\n");

        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded, with([](Options& o) { o.status = true; }));
    }

    void aFileTooLargeIsSetAsideWhenAChangeIsSaved() {
        QByteArray huge = "[General]\nSound=0\nC1=5\nC2=6\n";
        huge += QByteArray(1024 * 1024 + 1 - huge.size(), 'x');
        writeFile(huge);
        // An earlier damaged file already set aside stays as it is.
        QFile earlier(confPath() + ".bad");
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();

        OptionsStore store;
        Options loaded = with([](Options& o) { o.menu = true; });
        QString error;
        try {
            store.load(loaded);
        } catch (const ERegistryException& e) {
            error = QString::fromStdString(e.what());
        }
        QCOMPARE(loaded, Options{});
        QVERIFY2(error.contains("larger than 1 MB") && error.contains(confPath()) &&
                     error.contains("Marvane.conf.bad.2"),
                 qPrintable(error));

        // Only the option the player changed goes into the new file.
        loaded.c1 = 5;
        store.save(loaded);
        QCOMPARE(readAll(confPath()), QByteArray("[General]\nC1=5\n"));
        QCOMPARE(readAll(confPath() + ".bad.2"), huge);
        QCOMPARE(readAll(confPath() + ".bad"), QByteArray("earlier"));
        QCOMPARE(loadInto(loaded), QString());
    }

    void aFileOfExactlyTheLimitIsRead() {
        QByteArray full = "[General]\nC1=5\nC2=6\n;";
        full += QByteArray(1024 * 1024 - full.size(), 'x');
        writeFile(full);
        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded.c1, 5);
    }

    // A save cut short by a full disk (the write fails) or by the end of the program (killed in
    // the middle of the write): the file keeps every byte, a failure is reported, and the next
    // save that succeeds leaves no temporary file behind.
    void aSaveCutShortLeavesTheFileAsItWas_data() {
        QTest::addColumn<bool>("killed");
        QTest::newRow("the disk is full") << false;
        QTest::newRow("the program is killed") << true;
    }

    void aSaveCutShortLeavesTheFileAsItWas() {
        QFETCH(bool, killed);
        const QByteArray before = "[General]\nResponse=0x3E8\n;" + QByteArray(200, 'x') + "\n";
        writeFile(before);
        const ChildRun run = runInChild([killed] {
            const FileSizeLimit limit(64, killed);
            return saveError().toUtf8();
        });
        QVERIFY(!run.timedOut);
        if (killed)
            QVERIFY(WIFSIGNALED(run.status) && WTERMSIG(run.status) == SIGXFSZ);
        else
            QCOMPARE(run.output, QByteArray("Failed to set data for 'Sound': File too large"));
        QCOMPARE(readAll(confPath()), before);

        SaveSettings(Options{});
        QCOMPARE(QDir(config->filePath("Corvath")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Marvane.conf"});
    }

    // Saving never writes what the next start refuses: a file that the values would grow past the
    // limit is kept aside whole, as one too large to read is, and a new file holds the values.
    void aFileAtTheLimitReadsBackAfterSaving() {
        QByteArray full = "[General]\nResponse=0x3E8\n;";
        full += QByteArray(1024 * 1024 - full.size() - 1, 'x') + "\n";
        writeFile(full);
        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        const Options saved{false, true, true, 250, 3, 4, true, true};
        SaveSettings(saved);
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded, saved);
        QCOMPARE(readAll(confPath() + ".bad"), full);
    }

    // Whatever stands where the settings file belongs is never waited on and never written
    // through; the defaults are used, and loading and saving say why.
    void aPipeForTheFileIsNeitherWaitedOnNorWrittenThrough_data() {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("a named pipe") << false;
        QTest::newRow("a link to a named pipe") << true;
    }

    void aPipeForTheFileIsNeitherWaitedOnNorWrittenThrough() {
        QFETCH(bool, throughLink);
        QVERIFY(QDir().mkpath(config->filePath("Corvath")));
        const QString pipe = throughLink ? config->filePath("pipe") : confPath();
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        if (throughLink) QVERIFY(QFile::link(pipe, confPath()));
        // Held open, so that anything written through the pipe would be found here.
        const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        const ChildRun run = runInChild(
            [] {
                Options loaded;
                return (loadInto(loaded) + '\n' + saveError()).toUtf8();
            },
            5000);
        QVERIFY2(!run.timedOut, "waited on the pipe");
        const QString found = confPath() + " is a named pipe, not a regular file";
        QCOMPARE(QString::fromUtf8(run.output),
                 "The settings file " + found +
                     ", so the default options are used. Only the options you change are "
                     "saved\n"
                     "Failed to set data for 'Sound': " +
                     found);
        char byte;
        QCOMPARE(read(reader, &byte, 1), ssize_t(0));  // nothing came through
        close(reader);
        struct stat status;
        QVERIFY(lstat(QFile::encodeName(pipe).constData(), &status) == 0 &&
                S_ISFIFO(status.st_mode));
        QCOMPARE(QFileInfo(confPath()).isSymLink(), throughLink);
    }

    // A settings file kept elsewhere and linked in, as dotfile managers do.
    void aLinkToAFileIsSavedThrough() {
        writeFile({});
        const QString kept = config->filePath("dotfiles.conf");
        QVERIFY(QFile::rename(confPath(), kept) && QFile::link(kept, confPath()));
        SaveSettings(Options{});
        QVERIFY(QFileInfo(confPath()).isSymLink());
        QCOMPARE(readAll(kept), "[General]\n" + kDefaults);
    }

    void aSaveIsOneWriteAndAnUnchangedSaveNone() {
#ifndef Q_OS_LINUX
        QSKIP("counts writes with inotify");
#else
        writeFile("[General]\nOther=1\n");
        const int watcher = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watcher >= 0);
        QVERIFY(inotify_add_watch(watcher, QFile::encodeName(config->filePath("Corvath")),
                                  IN_MOVED_TO | IN_CLOSE_WRITE) >= 0);
        // Writes of the settings file itself, in place or by renaming a finished file onto it.
        const auto writesOfTheFile = [watcher] {
            int count = 0;
            alignas(inotify_event) char buffer[4096];
            ssize_t length;
            while ((length = read(watcher, buffer, sizeof buffer)) > 0) {
                for (char* p = buffer; p < buffer + length;) {
                    const auto* event = reinterpret_cast<const inotify_event*>(p);
                    if (event->len && qstrcmp(event->name, "Marvane.conf") == 0) ++count;
                    p += sizeof(inotify_event) + event->len;
                }
            }
            return count;
        };
        const Options options{false, true, true, 250, 3, 4};
        SaveSettings(options);
        QCOMPARE(writesOfTheFile(), 1);
        SaveSettings(options);
        QCOMPARE(writesOfTheFile(), 0);
        close(watcher);
#endif
    }

    // The store hands on whatever numbers it finds, so the window is the one place that decides
    // which pairs the board can show.
    void colourNumbersLoadAsStoredWhateverThePair_data() {
        QTest::addColumn<QByteArray>("pair");
        QTest::addColumn<int>("expectedC1");
        QTest::addColumn<int>("expectedC2");
        QTest::newRow("C1 beyond the palette") << QByteArray("C1=7\nC2=2\n") << 7 << 2;
        QTest::newRow("both the same") << QByteArray("C1=3\nC2=3\n") << 3 << 3;
        QTest::newRow("C1 not text, C2 the default C1")
            << QByteArray("C1=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x3)\nC2=1\n") << 1 << 1;
        QTest::newRow("C1 with the default C2") << QByteArray("C1=4\n") << 4 << 2;
    }

    void colourNumbersLoadAsStoredWhateverThePair() {
        QFETCH(QByteArray, pair);
        QFETCH(int, expectedC1);
        QFETCH(int, expectedC2);
        writeFile("[General]\nResponse=300\n" + pair);
        Options loaded;
        loadInto(loaded);
        QCOMPARE(loaded.c1, expectedC1);
        QCOMPARE(loaded.c2, expectedC2);
        QCOMPARE(loaded.response, 300);
    }

    void aCorruptFileGivesTheDefaultsAndSavingAddsTheValues() {
        QByteArray garbage;
        quint32 seed = 12345;
        for (int i = 0; i < 8192; ++i) {
            seed = seed * 1103515245u + 12345u;
            garbage.append(char(seed >> 24));
        }
        writeFile(garbage);
        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded, Options{});

        const Options saved{false, true, false, 700, 5, 6, false, true};
        SaveSettings(saved);
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded, saved);
    }

    // A file that start-up could not read, and the user's own file back by the time the options
    // are saved: the defaults that stood in for it must not be written over the user's values.
    // Only what the player changed is saved, and nothing when the player changed nothing.
    void optionsNeverReadAreNeverWrittenOver_data() {
        QTest::addColumn<QString>("unread");
        QTest::addColumn<QString>("reported");
        QTest::newRow("a named pipe") << "pipe"
                                      << "is a named pipe, not a regular file";
        QTest::newRow("no read permission") << "no permission"
                                            << "could not be read";
        QTest::newRow("larger than 1 MB") << "too large"
                                          << "is larger than 1 MB";
    }

    void optionsNeverReadAreNeverWrittenOver() {
        QFETCH(QString, unread);
        QFETCH(QString, reported);
        const QByteArray users = "[General]\nSound=0\nMenu=0\nResponse=300\nC1=3\nC2=4\n; mine\n";
        const QByteArray conf = QFile::encodeName(confPath());
        if (unread == "pipe") {
            QVERIFY(QDir().mkpath(config->filePath("Corvath")));
            QCOMPARE(mkfifo(conf.constData(), 0600), 0);
        } else if (unread == "no permission") {
            writeFile(users);
            QCOMPARE(chmod(conf.constData(), 0), 0);
        } else {
            writeFile(users + QByteArray(1024 * 1024, ';'));
        }
        // The administrator reads any file: the run is then another user's, who owns the files.
        const bool asNobody = geteuid() == 0;
        if (asNobody) {
            for (const QString& path : {config->path(), config->filePath("Corvath"), confPath()})
                QCOMPARE(lchown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        }
        const ChildRun run = runInChild([&] {
            if (asNobody && (setgid(65534) != 0 || setuid(65534) != 0)) return QByteArray("uid");
            OptionsStore store;
            Options loaded;
            QString report;
            try {
                store.load(loaded);
            } catch (const ERegistryException& e) {
                report = QString::fromStdString(e.what());
            }
            // The user's file is back, readable.
            if (unread == "no permission") {
                chmod(conf.constData(), 0644);
            } else {
                unlink(conf.constData());
                QFile file(confPath());
                if (!file.open(QIODevice::WriteOnly) || file.write(users) != users.size())
                    return QByteArray("no file");
            }
            store.save(loaded);
            const QByteArray unchanged = readAll(confPath());
            Options changed = loaded;
            changed.menu = true;
            store.save(changed);
            return report.toUtf8() + "\n---\n" + unchanged + "---\n" + readAll(confPath());
        });
        QVERIFY(!run.timedOut);
        QCOMPARE(run.output.count("\n---\n"), 2);
        const QByteArray report = run.output.left(run.output.indexOf("\n---\n"));
        QVERIFY2(report.startsWith("The settings file " + conf) &&
                     report.contains(reported.toUtf8()) &&
                     report.contains("Only the options you change are saved"),
                 report.constData());
        QCOMPARE(run.output.mid(report.size()),
                 "\n---\n" + users + "---\n" + QByteArray(users).replace("Menu=0", "Menu=1"));
    }

    // A read-only settings file is the user's way of keeping it: saving is refused and says so,
    // and the file keeps its bytes and its permissions. With nothing to change it is no error.
    void aReadOnlyFileIsReportedAndLeftAsItIs() {
        const QByteArray before = "[General]\nSound=0\nC1=3\nC2=4\n";
        writeFile(before);
        const QByteArray conf = QFile::encodeName(confPath());
        QCOMPARE(chmod(conf.constData(), 0444), 0);
        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(saveError(loaded),
                 "Failed to set data for 'Sound': " + confPath() + " is read-only");
        QCOMPARE(readAll(confPath()), before);
        struct stat status;
        QVERIFY(stat(conf.constData(), &status) == 0 && (status.st_mode & 07777) == 0444);

        chmod(conf.constData(), 0644);
        SaveSettings(loaded);
        QCOMPARE(chmod(conf.constData(), 0444), 0);
        QCOMPARE(saveError(loaded), QString("no error"));
    }

    void savingThrowsWhenTheConfigFolderCannotBeCreated() {
        QFile blocker(config->filePath("plain-file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", (blocker.fileName() + "/config").toLocal8Bit());

        Options loaded;
        QCOMPARE(loadInto(loaded), QString());
        QCOMPARE(loaded, Options{});
        QCOMPARE(saveError(), QString("Failed to create key Corvath\\Marvane"));
    }

    void savingThrowsWhenTheFileCannotBeWritten() {
        // A folder where the file should be: unreadable and unwritable even for root.
        QVERIFY(QDir().mkpath(confPath()));
        Options loaded;
        QCOMPARE(loadInto(loaded), "The settings file " + confPath() +
                                       " is a folder, not a regular file, so the default "
                                       "options are used. Only the options you change are saved");
        QCOMPARE(loaded, Options{});
        QCOMPARE(saveError(), "Failed to set data for 'Sound': " + confPath() +
                                  " is a folder, not a regular file");
        QVERIFY(QFileInfo(confPath()).isDir());
    }

private:
    QString confPath() const { return config->filePath("Corvath/Marvane.conf"); }

    void writeFile(const QByteArray& content) const {
        QVERIFY(QDir().mkpath(config->filePath("Corvath")));
        QFile file(confPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    std::unique_ptr<QTemporaryDir> config;
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
