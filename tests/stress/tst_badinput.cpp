// Bad input from outside the program that no other test feeds it: a settings file cut short at
// any byte, and a desktop with no program to open links with.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "kurl2/KURL2.h"
#include "settings/settings_store.h"
#include "tests/settings/optionfield.h"

using namespace marvane;

namespace {

struct Line {
    QString key;
    qsizetype end = 0;  // just past its line break
};

// The "key=value" lines of an INI text and where each ends.
QList<Line> keyLines(const QByteArray& text) {
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = text.indexOf('\n', begin);
        end = end < 0 ? text.size() : end + 1;
        const QByteArray line = text.mid(begin, end - begin);
        if (const qsizetype equals = line.indexOf('='); equals > 0)
            lines.append({QString::fromUtf8(line.left(equals)), end});
        begin = end;
    }
    return lines;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Uses `folder` as the user's config folder; a new folder each time, so that QSettings' cache
// of a file it has parsed never answers for a later one.
void useConfigFolder(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

}  // namespace

// A private X server for the test's lifetime. Links reach the desktop's opener only through a
// real windowing system: the offscreen platform has no desktop services at all.
class PrivateXServer {
public:
    PrivateXServer() {
        int ready[2];
        if (pipe(ready) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ready[1], 3);
        // Its complaints about the machine are not the test's.
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        char xvfb[] = "Xvfb", displayFd[] = "-displayfd", three[] = "3", noTcp[] = "-nolisten",
             tcp[] = "tcp", terminate[] = "-terminate", screen[] = "-screen", zero[] = "0",
             size[] = "640x480x24";
        char* args[] = {xvfb, displayFd, three, noTcp, tcp, terminate, screen, zero, size, nullptr};
        const bool started = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, args, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        if (!started) {
            pid_ = 0;
            close(ready[0]);
            return;
        }
        // Xvfb writes its display number once it accepts clients; nothing if it fails.
        char number[16] = {};
        std::size_t length = 0;
        while (length + 1 < sizeof number && read(ready[0], number + length, 1) == 1 &&
               number[length] != '\n') {
            ++length;
        }
        close(ready[0]);
        if (length > 0 && number[length] == '\n') display_ = ":" + QByteArray(number, length);
    }
    ~PrivateXServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // Empty when Xvfb is not installed or did not start.
    QByteArray display() const { return display_; }

private:
    pid_t pid_ = 0;
    QByteArray display_;
};

class BadInputTest : public QObject {
    Q_OBJECT

public:
    explicit BadInputTest(bool desktop) : desktop_(desktop) {}

private slots:
    void initTestCase() {
        QVERIFY(scratch.isValid());
        qputenv("XDG_CONFIG_HOME", scratch.filePath("xdg").toLocal8Bit());
        // Only the programs this test puts there.
        qputenv("PATH", scratch.filePath("bin").toLocal8Bit());
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
        QVERIFY(QDir().mkpath(scratch.filePath("bin")));
    }

    void aSettingsFileCutAnywhereKeepsTheValuesBeforeTheCut() {
        // Every value differs from its default, so a value that is lost shows.
        const StoredOptions saved{false, true, true, 700, 5, 6};
        useConfigFolder(scratch.filePath("whole"));
        SaveSettings(saved);
        const QByteArray whole = readAll(scratch.filePath("whole/Corvath/Marvane.conf"));
        const QList<Line> lines = keyLines(whole);
        QCOMPARE(lines.size(), 6);

        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            const QString folder = scratch.filePath(QString("cut%1").arg(cut));
            QVERIFY(QDir().mkpath(folder + "/Corvath"));
            QFile file(folder + "/Corvath/Marvane.conf");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(whole.left(cut));
            file.close();
            useConfigFolder(folder);

            StoredOptions loaded;
            try {
                LoadSettings(loaded);
            } catch (const ERegistryException& e) {
                QFAIL(qPrintable(QString("cut at %1: %2").arg(cut).arg(e.what())));
            }
            const auto message = [&](const QString& key) {
                return qPrintable(QString("%1 lost when cut at %2").arg(key).arg(cut));
            };
            for (const Line& line : lines) {
                // The colours are kept or dropped as a pair.
                if (line.end > cut || line.key == "C1" || line.key == "C2") continue;
                QVERIFY2(fieldOf(loaded, line.key) == fieldOf(saved, line.key), message(line.key));
            }
            const bool pairWhole = std::all_of(lines.begin(), lines.end(), [&](const Line& l) {
                return (l.key != "C1" && l.key != "C2") || l.end <= cut;
            });
            if (pairWhole) QVERIFY2(loaded.c1 == 5 && loaded.c2 == 6, message("C1, C2"));

            // Saving again brings the whole file back.
            SaveSettings(saved);
            LoadSettings(loaded);
            QCOMPARE(loaded, saved);
        }
    }

    // Declared before the test with an opener: the desktop remembers the opener it finds.
    void withoutAProgramToOpenLinksClickingOneChangesNothing() {
        if (!desktop_) QSKIP("needs Xvfb: without a windowing system links never leave");
        QVERIFY(!QDesktopServices::openUrl(QUrl("https://www.example.com/marvane")));

        QWidget window;
        auto* link = new TKURL2(&window);
        link->setURLorEMAIL("www.example.com/marvane");
        auto* mail = new TKURL2(&window);
        mail->setChoose(TKURL2::ltEMAIL);
        mail->setURLorEMAIL("support@example.com");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWidgetList before = QApplication::topLevelWidgets();

        for (int i = 0; i < 3; ++i) {
            link->OpenLink();
            mail->OpenLink();
        }

        // No message of the program's own, no dialog left behind, the window still there.
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::topLevelWidgets(), before);
        QVERIFY(window.isVisible());
    }

    void withAnOpenerTheLinkReachesIt() {
        // Shows that the click above really went the desktop's way: with an opener on PATH the
        // same click reaches it.
        if (!desktop_) QSKIP("needs Xvfb: without a windowing system links never leave");
        const QString opened = scratch.filePath("opened.txt");
        const QString opener = scratch.filePath("bin/xdg-open");
        QFile script(opener);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + opened.toUtf8() + "'\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        TKURL2 link;
        link.setURLorEMAIL("https://www.example.com/marvane");
        link.OpenLink();

        QTRY_COMPARE_WITH_TIMEOUT(readAll(opened), QByteArray("https://www.example.com/marvane\n"),
                                  30000);
    }

private:
    QTemporaryDir scratch;
    bool desktop_;
};

int main(int argc, char** argv) {
    const PrivateXServer server;
    if (!server.display().isEmpty()) {
        qputenv("DISPLAY", server.display());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    BadInputTest test(!server.display().isEmpty());
    return QTest::qExec(&test, argc, argv);
}
#include "tst_badinput.moc"
