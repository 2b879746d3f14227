// One run of a sound teardown scenario against the real audio server, for scripts/soundloop.sh:
//
//   marvane_soundstorm SCENARIO SEED SOUND_FOLDER
//
// Each run opens the four players on the game's sounds and plays them all, then:
//   close    closes them while they still play, and lives on a little;
//   ending   closes them just as the shortest sound ends;
//   exit     leaves the program while they play, the way closing the window does.
// SEED picks the moments. Exit code 0 means the run went through; crashes and hangs are for the
// loop to count.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <cstdio>
#include <memory>
#include <random>

#include "soundplayer.h"

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
        if (!runUntil([&] { return !(*players)[kBad].isPlaying(); }, 3000)) {
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
            std::fprintf(stderr, "usage: %s close|ending|exit SEED SOUND_FOLDER\n", argv[0]);
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
    return rc;
}
