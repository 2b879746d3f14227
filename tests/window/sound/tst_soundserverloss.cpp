// SPDX-License-Identifier: GPL-3.0-or-later
#include <signal.h>

#include <QtTest>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include <QCheckBox>
#include <QMessageBox>
#include <QTemporaryDir>

#include "tests/window/sound/audioserver.h"
#include "tests/window/sound/modalscript.h"
#include "window/sound/soundeffects.h"
#include "window/sound/sounderror.h"
#include "window/sound/soundplayer.h"
#include "tests/window/sound/soundtestmain.h"

using marvane::SoundDeviceError;
using marvane::SoundPlayer;
using marvane::test::ourSinkInputs;
using marvane::test::PrivateAudioServer;

namespace {

const QString kShippedSounds = QStringLiteral(MARVANE_SOUND_DIR);
constexpr std::array<const char*, 4> kSounds = {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"};

// Ends the test program with a message when the GUI thread has not got past a step in time:
// a thread that waits for a stalled audio server would otherwise only show as a test timeout.
// The test's own audio server dies with the program.
class Watchdog {
public:
    Watchdog(int seconds, const char* step)
        : thread_([this, seconds, step] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, std::chrono::seconds(seconds),
                                  [this] { return finished_; })) {
                  std::fprintf(stderr, "FAIL: the GUI thread is held up: %s\n", step);
                  std::fflush(stderr);
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
        SKIP_FOR_AUDIO_PROBLEM(PrivateAudioServer::problem());
        QVERIFY(server_.start());
    }

    void aStalledServerHoldsUpNeitherRequestsNorTheWindow() {
        Players players;
        players.all[3].play();
        QTRY_COMPARE(ourSinkInputs().size(), 1);

        ::kill(pid_t(server_.pid()), SIGSTOP);
        {
            Watchdog watchdog(20, "requests while the audio server is stopped");
            players.makeMoves(40);  // the first one that opens a stream holds up the audio thread
            QVERIFY(players.all[0].isPlaying());
            // Opening gives up on a server that does not answer, and says so.
            SoundPlayer late;
            QVERIFY_THROWS_EXCEPTION(SoundDeviceError,
                                     late.open(kShippedSounds + QStringLiteral("/Ok.wav")));
            QVERIFY(!late.isOpen());
            players.all[1].close();
        }
        {
            // The start-up opens four sounds: it gives up on the server once, not four times.
            QTemporaryDir program;
            QVERIFY(QDir().mkpath(program.filePath("system")));
            for (const char* name : kSounds) {
                QVERIFY(QFile::copy(kShippedSounds + QLatin1Char('/') + name,
                                    program.filePath(QStringLiteral("system/") + name)));
            }
            QWidget window;
            auto* sound = new QCheckBox(&window);
            sound->setChecked(true);
            marvane::SoundEffects effects(sound, &window, {}, program.path());
            QStringList told;
            marvane::test::ModalScript script({[&told](QWidget* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                told.append(box ? box->text() : QString());
                dialog->close();
            }});
            Watchdog watchdog(2 * marvane::SoundPlayer::kAudioWaitMs / 1000 + 1,
                              "opening the sounds while the audio server is stopped");
            effects.startUpSounds();
            QCOMPARE(told, QStringList{"No Sound device present or other audio error\n "
                                       "sounds disabled. "});
            QVERIFY(!sound->isEnabled() && !sound->isChecked());
        }
        ::kill(pid_t(server_.pid()), SIGCONT);

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

            server_.kill();
            Watchdog watchdog(20, "requests after the audio server died");
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
        QVERIFY(server_.start());
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

        ::kill(pid_t(server_.pid()), SIGSTOP);
        Watchdog watchdog(20, "requests to a stuck audio thread");
        players.makeMoves(8);
        server_.kill();
        players.makeMoves(40);
        for (SoundPlayer& player : players.all) player.close();
    }

private:
    PrivateAudioServer server_;
};

MARVANE_SOUND_TEST_MAIN(SoundServerLossTest)
#include "tst_soundserverloss.moc"
