// SPDX-License-Identifier: GPL-3.0-or-later
// One run of a sound teardown scenario against the real audio server, for scripts/soundloop.sh:
//
//   marvane_soundstorm SCENARIO SEED SOUND_FOLDER
//
// Each run opens the four players on the game's sounds and plays them all, then:
//   close    closes them while they still play, and lives on a little;
//   ending   closes them just as the shortest sound ends;
//   exit     leaves the program while they play, the way closing the window does;
//   idle     waits until they have played out, then counts how often each of the program's other
//            threads wakes up in two seconds of silence (it should be never) and prints it.
// Two more play the sounds one at a time, as moves with a player's pauses between them would,
// recording the output's monitor, and print for each request whether it was heard (exit code 6
// when one was not):
//   gaps     ten requests, each 0 to 5 s after the sound before it has died away;
//   pauseN   two requests, the second N seconds after the first has died away (pause300).
// SEED picks the moments. Exit code 0 means the run went through; crashes and hangs are for the
// loop to count.
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "tests/window/sound/audioserver.h"
#include "window/sound/exitnow.h"
#include "window/sound/soundplayer.h"

namespace {

constexpr std::array<const char*, 4> kSounds = {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"};
constexpr int kBad = 2;

// Runs the event loop for `ms` milliseconds, as the window would while the sounds play.
void runFor(int ms) {
    QTimer::singleShot(ms, Qt::PreciseTimer, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

// Runs the event loop until `done` holds, checking every millisecond; false after `limitMs`.
template <typename Done>
bool runUntil(Done done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > limitMs) QCoreApplication::quit();
    });
    poll.start(1);
    QCoreApplication::exec();
    return done();
}

// Context switches of each thread of this process but the calling one, by thread id and name.
QMap<QString, qint64> otherThreadsSwitches() {
    QMap<QString, qint64> switches;
    const QString self = QString::number(gettid());
    for (const QString& task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (task == self) continue;
        QFile status(QStringLiteral("/proc/self/task/%1/status").arg(task));
        if (!status.open(QIODevice::ReadOnly)) continue;
        QString name;
        qint64 count = 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Name:")) name = QString::fromUtf8(line.mid(5).trimmed());
            if (line.contains("ctxt_switches:"))
                count += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        switches[task + QLatin1Char(' ') + name] = count;
    }
    return switches;
}

// Plays a random one of the four sounds `gaps.size()` times, each the gap's milliseconds after the
// one before has died away, and checks that each is heard within a second of its request. Prints
// one line per request; returns the number not heard in time.
int playWithGaps(std::array<marvane::SoundPlayer, 4>& players, const std::vector<int>& gaps,
                 std::mt19937& random) {
    marvane::test::OutputRecorder recorder;
    if (!runUntil([&] { return recorder.isRecording() && recorder.recordedMs() > 100; }, 10000)) {
        std::fprintf(stderr, "the monitor records nothing\n");
        return 100;
    }
    int lost = 0;
    for (const int gap : gaps) {
        const std::size_t which = std::uniform_int_distribution<std::size_t>(0, 3)(random);
        runFor(gap);
        const qint64 askedAt = recorder.recordedMs();
        players[which].play();
        runUntil([&] { return recorder.soundStartMs(askedAt) >= 0; }, 5000);
        const qint64 heardAt = recorder.soundStartMs(askedAt);
        if (heardAt < 0) {
            std::printf("%-8s after %6d ms: NOT HEARD\n", kSounds[which], gap);
            ++lost;
        } else {
            // Late (more than a second) counts as lost too, but is told apart.
            const bool late = heardAt > askedAt + 1000;
            std::printf("%-8s after %6d ms: %s %lld ms after the request\n", kSounds[which], gap,
                        late ? "LATE, heard" : "heard", static_cast<long long>(heardAt - askedAt));
            if (late) ++lost;
        }
        std::fflush(stdout);
        // The next gap starts once this sound is over and the output silent; a sound that never
        // ends is reported, and the run goes on without it.
        const auto over = [&] {
            return !players[which].isPlaying() && recorder.silenceSinceMs() >= 50;
        };
        if (!runUntil(over, 5000)) {
            std::printf("%-8s still playing 5 s after the request\n", kSounds[which]);
            runUntil([&] { return recorder.silenceSinceMs() >= 50; }, 5000);
        }
    }
    return lost;
}

int run(const QString& scenario, std::mt19937& random, const QString& folder) {
    auto players = std::make_unique<std::array<marvane::SoundPlayer, 4>>();
    for (std::size_t i = 0; i < kSounds.size(); ++i) {
        (*players)[i].open(folder + QLatin1Char('/') + QLatin1String(kSounds[i]));
    }
    if (scenario == QLatin1String("gaps") || scenario.startsWith(QLatin1String("pause"))) {
        std::vector<int> gaps;
        if (scenario == QLatin1String("gaps")) {
            // One in five right after the sound before, while its stream still plays silence.
            for (int i = 0; i < 10; ++i)
                gaps.push_back(std::max(0, std::uniform_int_distribution(-1250, 5000)(random)));
        } else {
            gaps = {0, scenario.mid(5).toInt() * 1000};
        }
        const int lost = playWithGaps(*players, gaps, random);
        return lost == 0 ? 0 : 6;
    }
    for (auto& player : *players) player.play();

    if (scenario == QLatin1String("close")) {
        runFor(std::uniform_int_distribution(0, 600)(random));
        players.reset();
        runFor(100);
        return 0;
    }
    if (scenario == QLatin1String("ending")) {
        if (!runUntil([&] { return !(*players)[kBad].isPlaying(); }, 8000)) {
            std::fprintf(stderr, "Bad.wav never finished\n");
            return 3;
        }
        runFor(std::uniform_int_distribution(0, 250)(random));
        players.reset();
        runFor(50);
        return 0;
    }
    if (scenario == QLatin1String("exit")) {
        runFor(std::uniform_int_distribution(0, 600)(random));
        return 0;  // the players close on the way out, still playing
    }
    if (scenario == QLatin1String("idle")) {
        if (!runUntil(
                [&] {
                    return std::none_of(players->begin(), players->end(),
                                        [](auto& p) { return p.isPlaying(); });
                },
                5000)) {
            std::fprintf(stderr, "the sounds never finished\n");
            return 3;
        }
        runFor(1500);  // the streams close after their tails
        const auto before = otherThreadsSwitches();
        QThread::msleep(2000);
        const auto after = otherThreadsSwitches();
        int woken = 0;
        for (auto thread = after.begin(); thread != after.end(); ++thread) {
            const qint64 wakeUps = thread.value() - before.value(thread.key(), thread.value());
            std::printf("%-28s %lld wake-ups in 2 s of silence\n", qPrintable(thread.key()),
                        static_cast<long long>(wakeUps));
            if (wakeUps > 0) ++woken;
        }
        return woken == 0 ? 0 : 5;
    }
    std::fprintf(stderr, "unknown scenario %s\n", qPrintable(scenario));
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int rc = 0;
    {
        QCoreApplication app(argc, argv);
        const QStringList args = QCoreApplication::arguments();
        if (args.size() != 4) {
            std::fprintf(stderr, "usage: %s close|ending|exit|idle|gaps|pauseN SEED SOUND_FOLDER\n",
                         argv[0]);
            return 2;
        }
        std::mt19937 random(args[2].toUInt());
        try {
            rc = run(args[1], random, args[3]);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            rc = 4;
        }
    }
    marvane::exitNow(rc);
}
