// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a private X server, driven with xdotool as a person would: an option
// changed in the options panel, then the system asks the program to quit with a signal. The
// option must be in the settings file afterwards, and nothing else in it changed.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/settings/private_x_server.h"

namespace {

const QByteArray kBefore =
    "[General]\nSound=1\nMenu=0\nStatus=0\nResponse=700\nC1=3\nC2=4\nLastMove=1\nLegalMoves=0\n"
    "Coordinates=0\nEvaluations=0\nExpertHard=0\nStandardRules=0\n\n"
    "[Window]\nNote=\"kept, as written\"\n; a comment \xC3\xA9\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class QuitSignalTest : public QObject {
    Q_OBJECT

public:
    explicit QuitSignalTest(QByteArray display) : display_(std::move(display)) {}

private slots:
    void initTestCase() {
        const bool required = qgetenv("CI") == "true";
        if (display_.isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty()) {
            if (required) QFAIL("needs Xvfb and xdotool");
            QSKIP("needs Xvfb and xdotool");
        }
        QVERIFY(scratch_.isValid());
        // A copy without the "system" folder beside it: every run meets the missing-sounds
        // prompt, and sound is forced off for the run.
        QVERIFY(QDir().mkpath(scratch_.filePath("program")));
        QVERIFY(QFile::copy(MARVANE_PROGRAM, program()));
        QVERIFY(QDir().mkpath(scratch_.filePath("runtime")));
        QFile::setPermissions(scratch_.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aQuitSignalSavesTheOptionsAsClosingDoes_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("whilePromptOpen");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        QTest::newRow("SIGTERM while the start-up prompt waits") << int(SIGTERM) << true;
    }

    void aQuitSignalSavesTheOptionsAsClosingDoes() {
        QFETCH(int, signal);
        QFETCH(bool, whilePromptOpen);
        QTemporaryDir config;
        QVERIFY(QDir().mkpath(config.filePath("Corvath")));
        const QString settings = config.filePath("Corvath/Marvane.conf");
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kBefore);
        file.close();

        QProcess marvane;
        start(marvane, config.path());
        QVERIFY(marvane.waitForStarted());
        const auto output = [&marvane] { return marvane.readAll().constData(); };

        const QByteArray prompt = windowNamed("^Error$");
        QVERIFY2(!prompt.isEmpty(), output());
        QByteArray expected = kBefore;
        if (!whilePromptOpen) {
            // Cancel, as the Escape key does.
            QTRY_VERIFY_WITH_TIMEOUT((xdotool({"windowfocus", "--sync", prompt, "key", "Escape"}),
                                      windowNamed("^Error$", 500).isEmpty()),
                                     10000);
            const QByteArray window = windowNamed("^Marvane Version");
            QVERIFY(!window.isEmpty());
            QCOMPARE(statusTick(window), Tick::NotShown);
            // "options", then "Show Windows Status Bar" in the options panel.
            xdotool({"mousemove", "--window", window, "650", "176", "click", "1"});
            QTRY_COMPARE_WITH_TIMEOUT(statusTick(window), Tick::Unticked, 10000);
            xdotool({"mousemove", "--window", window, "564", "196", "click", "1"});
            QTRY_COMPARE_WITH_TIMEOUT(statusTick(window), Tick::Ticked, 10000);
            expected.replace("Status=0", "Status=1");
        }

        QCOMPARE(kill(static_cast<pid_t>(marvane.processId()), signal), 0);
        QVERIFY2(marvane.waitForFinished(30000), output());
        QCOMPARE(marvane.exitStatus(), QProcess::NormalExit);  // not killed by the signal
        QCOMPARE(marvane.exitCode(), 128 + signal);
        QCOMPARE(readAll(settings), expected);
        QCOMPARE(QDir(config.filePath("Corvath")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Marvane.conf"});
    }

    // Nobody is there to answer a box when the system ends the program: the program ends at
    // once, even in the middle of its start-up's questions, and a save that fails is reported on
    // standard error. A read-only settings file is refused and kept; a settings file that
    // start-up could not read (a pipe, refused without waiting) is not written over when the
    // user's file is back by then, as nothing was changed.
    void aQuitSignalDuringTheStartUpQuestionsEndsWithoutABox_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("a read-only settings file") << true;
        QTest::newRow("a pipe at start-up, the user's file back at the signal") << false;
    }

    void aQuitSignalDuringTheStartUpQuestionsEndsWithoutABox() {
        QFETCH(bool, readOnly);
        QTemporaryDir config;
        QVERIFY(QDir().mkpath(config.filePath("Corvath")));
        const QString settings = config.filePath("Corvath/Marvane.conf");
        const QByteArray path = QFile::encodeName(settings);
        // Without the last two options, so that saving would change the file.
        const QByteArray users = QByteArray(kBefore).replace("ExpertHard=0\nStandardRules=0\n", "");
        if (readOnly) {
            QFile file(settings);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(users);
            file.close();
            QCOMPARE(chmod(path.constData(), 0444), 0);
        } else {
            QCOMPARE(mkfifo(path.constData(), 0600), 0);
        }
        QProcess marvane;
        start(marvane, config.path());
        QVERIFY(marvane.waitForStarted());
        // The missing-sounds prompt; with the pipe, first the start-up's report on it.
        QVERIFY2(!windowNamed(readOnly ? "^Error$" : "^Marvane$").isEmpty(),
                 marvane.readAll().constData());
        if (!readOnly) {
            QCOMPARE(unlink(path.constData()), 0);
            QFile file(settings);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(users);
        }

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(kill(static_cast<pid_t>(marvane.processId()), SIGTERM), 0);
        QVERIFY2(marvane.waitForFinished(10000), "a box holds the program open");
        qInfo("ended %lld ms after the signal", clock.elapsed());
        QCOMPARE(marvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(marvane.exitCode(), 128 + SIGTERM);
        const QByteArray output = marvane.readAll();
        const QByteArray report =
            "the options were not saved. Failed to set data for 'Sound': " + path + " is read-only";
        QVERIFY2(readOnly ? output.contains(report) : !output.contains("options"),
                 output.constData());
        QCOMPARE(readAll(settings), users);
        struct stat status;
        QVERIFY(stat(path.constData(), &status) == 0);
        if (readOnly) QCOMPARE(status.st_mode & 07777, mode_t(0444));
    }

private:
    QString program() const { return scratch_.filePath("program/marvane"); }

    void start(QProcess& marvane, const QString& configHome) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display_);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_CONFIG_HOME", configHome);
        environment.insert("XDG_RUNTIME_DIR", scratch_.filePath("runtime"));
        marvane.setProcessEnvironment(environment);
        marvane.setProcessChannelMode(QProcess::MergedChannels);
        marvane.start(program(), {});
    }

    QByteArray xdotool(const QStringList& arguments, int timeout = 10000) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display_);
        process.setProcessEnvironment(environment);
        process.start("xdotool", arguments);
        if (!process.waitForFinished(timeout)) {
            process.kill();
            process.waitForFinished();
        }
        return process.readAllStandardOutput().trimmed();
    }

    QByteArray xdotool(std::initializer_list<QByteArray> arguments) const {
        QStringList list;
        for (const QByteArray& argument : arguments) list << QString::fromUtf8(argument);
        return xdotool(list);
    }

    // The first visible window whose title matches, waiting up to `timeout` ms for one.
    QByteArray windowNamed(const char* pattern, int timeout = 20000) const {
        QDeadlineTimer deadline(timeout);
        do {
            const QByteArray found =
                xdotool(QStringList{"search", "--onlyvisible", "--name", pattern});
            if (!found.isEmpty()) return found.split('\n').first();
            QTest::qWait(100);
        } while (!deadline.hasExpired());
        return {};
    }

    enum class Tick { NotShown, Unticked, Ticked };

    // The tick box of "Show Windows Status Bar", 12 x 11 pixels at (465, 191) of the window's
    // client area: a white square, black inside when ticked; black all over while the options
    // panel is hidden.
    Tick statusTick(const QByteArray& window) const {
        const QImage box = QGuiApplication::primaryScreen()
                               ->grabWindow(window.toULongLong(), 465, 191, 12, 11)
                               .toImage();
        const auto white = [&box](int x, int y) { return qGray(box.pixel(x, y)) > 200; };
        if (!(white(0, 0) && white(11, 0) && white(0, 10) && white(11, 10))) return Tick::NotShown;
        int dark = 0;
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 12; ++x) dark += qGray(box.pixel(x, y)) < 128;
        return dark >= 4 ? Tick::Ticked : Tick::Unticked;
    }

    QByteArray display_;
    QTemporaryDir scratch_;
};

int main(int argc, char** argv) {
    const PrivateXServer server("1024x768x24");
    if (!server.display().isEmpty()) {
        qputenv("DISPLAY", server.display());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QGuiApplication app(argc, argv);
    QuitSignalTest test(server.display());
    return QTest::qExec(&test, argc, argv);
}
#include "tst_quit_signals.moc"
