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

int run(const QString& scenario, std::mt19937& random, const QString& folder) {
    auto players = std::make_unique<std::array<marvane::SoundPlayer, 4>>();
    for (std::size_t i = 0; i < kSounds.size(); ++i) {
        (*players)[i].open(folder + QLatin1Char('/') + QLatin1String(kSounds[i]));
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
            std::fprintf(stderr, "Bad.wav never finished: %lld of %lld ms played\n",
                         static_cast<long long>((*players)[kBad].position()),
                         static_cast<long long>((*players)[kBad].length()));
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
            std::fprintf(stderr, "usage: %s close|ending|exit|idle SEED SOUND_FOLDER\n", argv[0]);
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
