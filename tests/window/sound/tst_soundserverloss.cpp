#include <signal.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "tests/window/sound/audioserver.h"
#include "window/sound/sounderror.h"
#include "window/sound/soundplayer.h"
#include "tests/window/sound/soundtestmain.h"

using marvane::SoundDeviceError;
using marvane::SoundPlayer;
using marvane::test::ourSinkInputs;

namespace {

const QString kShippedSounds = QStringLiteral(MARVANE_SOUND_DIR);
constexpr std::array<const char*, 4> kSounds = {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"};

// Ends the test program with a message when the GUI thread has not got past a step in time:
// a thread that waits for a stalled audio server would otherwise only show as a test timeout.
// `server` is the test's own audio server, killed on the way out.
class Watchdog {
public:
    Watchdog(int seconds, const char* step, const pid_t& server)
        : thread_([this, seconds, step, &server] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, std::chrono::seconds(seconds),
                                  [this] { return finished_; })) {
                  std::fprintf(stderr, "FAIL: the GUI thread is held up: %s\n", step);
                  std::fflush(stderr);
                  if (server > 0) {
                      ::kill(server, SIGCONT);
                      ::kill(server, SIGKILL);
                  }
                  std::_Exit(3);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

// Whether `pid` runs; a killed server that nobody reaps lingers as a zombie.
bool running(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    return end >= 0 && line.size() > end + 2 && line[end + 2] != 'Z' && line[end + 2] != 'X';
}

// The four players on the game's sounds.
struct Players {
    Players() {
        for (std::size_t i = 0; i < kSounds.size(); ++i) {
            all[i].open(kShippedSounds + QLatin1Char('/') + QLatin1String(kSounds[i]));
        }
    }
    // As a game's moves ask for sounds: one request each, a few milliseconds apart.
    void makeMoves(int count) {
        for (int i = 0; i < count; ++i) {
            all[std::size_t(i) % all.size()].play();
            QTest::qWait(10);
        }
    }
    std::array<SoundPlayer, 4> all;
};

}  // namespace

// The sounds when the audio server stalls or dies under them. The test runs a server of its own,
// so that it can stop and kill it, and plays into nothing else. The cases run in order: the last
// one leaves the audio thread stuck for good, and the program must still end.
class SoundServerLossTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()) {
            if (marvane::test::audioServerRequired()) QFAIL("pulseaudio and pactl are needed");
            QSKIP("pulseaudio and pactl are needed to run an audio server of the test's own");
        }
        QVERIFY(runtime_.isValid());
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Before the program's first sound: the audio engine connects where these point.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
        qunsetenv("PULSE_SERVER");
        startServer();
    }

    void cleanupTestCase() {
        if (serverPid_ > 0) {
            ::kill(serverPid_, SIGCONT);
            ::kill(serverPid_, SIGKILL);
        }
    }

    void aStalledServerHoldsUpNeitherRequestsNorTheWindow() {
        Players players;
        players.all[3].play();
        QTRY_COMPARE(ourSinkInputs().size(), 1);

        ::kill(serverPid_, SIGSTOP);
        {
            Watchdog watchdog(20, "requests while the audio server is stopped", serverPid_);
            players.makeMoves(40);  // the first one that opens a stream holds up the audio thread
            QVERIFY(players.all[0].isPlaying());
            // Opening gives up on a server that does not answer, and says so.
            SoundPlayer late;
            QVERIFY_THROWS_EXCEPTION(SoundDeviceError,
                                     late.open(kShippedSounds + QStringLiteral("/Ok.wav")));
            QVERIFY(!late.isOpen());
            players.all[1].close();
        }
        ::kill(serverPid_, SIGCONT);

        // The held-up requests go through once the server answers again, and sounds play again.
        QTRY_VERIFY_WITH_TIMEOUT(!players.all[0].isPlaying() && !players.all[3].isPlaying(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 10000);
        players.all[2].play();
        QTRY_COMPARE(ourSinkInputs().size(), 1);
    }

    void aServerKilledWhileSoundsPlayLeavesTheGameQuietAndWhole() {
        {
            Players players;
            players.all[3].play();
            players.all[0].play();
            QTRY_COMPARE(ourSinkInputs().size(), 2);

            killServer();
            Watchdog watchdog(20, "requests after the audio server died", serverPid_);
            players.makeMoves(60);
            QTRY_VERIFY_WITH_TIMEOUT(!players.all[3].isPlaying(), 5000);
            // Qt may still list the dead server's output: opening then fails, or playing does.
            try {
                SoundPlayer late;
                late.open(kShippedSounds + QStringLiteral("/Ok.wav"));
                late.play();
                players.makeMoves(8);
            } catch (const SoundDeviceError&) {
            }
        }

        // A new server is found again, a few seconds after it starts.
        startServer();
        bool heard = false;
        for (int attempt = 0; attempt < 20 && !heard; ++attempt) {
            try {
                SoundPlayer player;
                player.open(kShippedSounds + QStringLiteral("/Bad.wav"));
                player.play();
                QElapsedTimer clock;
                clock.start();
                while (!heard && clock.elapsed() < 1000) {
                    QTest::qWait(50);
                    heard = !ourSinkInputs().isEmpty();
                }
            } catch (const SoundDeviceError&) {
                QTest::qWait(500);
            }
        }
        QVERIFY(heard);
    }

    // The audio thread waits for ever for a stream on a server that was stopped and then
    // killed. Requests and closing still return at once, and leaving the program does not wait
    // for that thread: a hang shows as this program's timeout.
    void aServerKilledWhileStoppedLeavesTheAudioThreadStuckButNothingElse() {
        Players players;
        players.all[3].play();
        QTRY_COMPARE(ourSinkInputs().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!players.all[3].isPlaying(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 10000);

        ::kill(serverPid_, SIGSTOP);
        Watchdog watchdog(20, "requests to a stuck audio thread", serverPid_);
        players.makeMoves(8);
        killServer();
        players.makeMoves(40);
        for (SoundPlayer& player : players.all) player.close();
    }

private:
    void startServer() {
        QProcess server;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), runtime_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        server.setProcessEnvironment(environment);
        server.start(QStringLiteral("pulseaudio"),
                     {QStringLiteral("-D"), QStringLiteral("--exit-idle-time=-1"),
                      QStringLiteral("-n"), QStringLiteral("--load=module-null-sink sink_name=own"),
                      QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1")});
        QVERIFY(server.waitForFinished(20000));
        QTRY_VERIFY_WITH_TIMEOUT(marvane::test::audioServerProblem().isEmpty(), 10000);
        QFile pidFile(runtime_.filePath(QStringLiteral("pulse/pid")));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        serverPid_ = pidFile.readAll().trimmed().toInt();
        QVERIFY(serverPid_ > 0);
    }

    void killServer() {
        ::kill(serverPid_, SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(!running(serverPid_), 10000);
        QFile::remove(runtime_.filePath(QStringLiteral("pulse/pid")));
        serverPid_ = 0;
    }

    QTemporaryDir runtime_;
    pid_t serverPid_ = 0;
};

MARVANE_SOUND_TEST_MAIN(SoundServerLossTest)
#include "tst_soundserverloss.moc"
