// SPDX-License-Identifier: GPL-3.0-or-later
// marvane_train: makes the learned evaluation's weights from games the engine plays itself.
//
//   marvane_train weights SEED GAMES THREADS OUT.bin
//       Two rounds of self-play from varied openings. In each, the first moves of a game are
//       random (4 to 24 of them), then both sides play the analysis engine's choice at a shallow
//       depth, with an occasional random move, and from kExactEmpties empty squares on the moves
//       are perfect (the exact solver). Every position is kept with a label: its exact score
//       where the solver played on, else the mean of the game's final result and the score of
//       the search made at it. Round one plays with the hand-made evaluation, round two with the
//       weights fitted to round one; the file is fitted to both.
//   marvane_train testset SEED COUNT THREADS OUT.txt [WEIGHTS]
//       Positions at 18-24 empty squares from such games (a seed of their own), each solved
//       exactly, in the endgame test-set form (analysis_bench eval-error reads it).
//
// Everything depends only on the arguments: each game has its own random stream from SEED and
// its number, threads only share out the games, and the fit runs in a fixed order.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "analysis/analyser.h"
#include "analysis/evaluation.h"
#include "analysis/patterns.h"
#include "analysis/position_text.h"
#include "analysis/weights.h"

namespace {

using namespace marvane::analysis;
namespace pat = marvane::analysis::patterns;

constexpr int kExactEmpties = 16;
constexpr int kHeldOutEvery = 25;  // one game in so many measures the fit
constexpr int kEpochs = 6;
constexpr Rules kRules = Rules::Marvane;

struct Sample {
    Bits p, o;  // the side to move, the other
    std::int8_t label;
    std::int8_t empties;
    bool heldOut;  // from the games kept aside to measure the fit, not to make it
};

struct Random {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
};

int randomSquare(Bits legal, Random& random) {
    for (int skip = random.below(count(legal)); skip; --skip) legal &= legal - 1;
    return std::countr_zero(legal);
}

struct Game {
    std::vector<Sample> samples;
};

// One self-play game. `depth`: how deep the engine looks before the exact solver takes over.
Game playGame(Analyser& analyser, Random random, int depth, bool heldOut) {
    Limits limits;
    limits.depth = depth;
    limits.exactEmpties = kExactEmpties;
    limits.everySquare = false;
    const int randomMoves = 4 + random.below(21);
    struct Seen {
        Position position;
        int searched;  // the search's score for the side to move; kNone when there was none
    };
    constexpr int kNone = 1000;
    std::vector<Seen> seen;
    Position position = startPosition();
    for (int ply = 0;; ++ply) {
        const Bits legal = legalMoves(position.mover(), position.waiter());
        if (!legal) break;
        int square;
        int searched = kNone;
        if (ply < randomMoves) {
            square = randomSquare(legal, random);
        } else {
            const Analysis a = analyser.analyse(position, kRules, limits);
            square = a.squares.front().square;
            searched = a.score;
            // An occasional random move in the middle game keeps the games apart.
            if (position.empties() > kExactEmpties && random.below(100) < 6) {
                square = randomSquare(legal, random);
                searched = kNone;
            }
        }
        seen.push_back({position, searched});
        position = play(position, square);
    }
    const int firstFinal = finalScore<kRules>(position.first, position.second);
    Game game;
    for (const Seen& s : seen) {
        const int result = s.position.toMove == Side::First ? firstFinal : -firstFinal;
        int label = result;
        if (s.position.empties() > kExactEmpties && s.searched != kNone)
            label = (result + s.searched) / 2;
        game.samples.push_back({s.position.mover(), s.position.waiter(),
                                static_cast<std::int8_t>(label),
                                static_cast<std::int8_t>(s.position.empties()), heldOut});
    }
    return game;
}

template <typename Work>
void forEachGame(int games, int threads, Work work) {
    std::atomic<int> next{0};
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            Analyser analyser(std::size_t{16} << 20);
            for (int g; (g = next.fetch_add(1)) < games;) work(analyser, g);
        });
    for (std::thread& t : pool) t.join();
}

std::vector<Sample> selfPlay(std::uint64_t seed, int round, int games, int threads,
                             std::shared_ptr<const Weights> weights, int depth) {
    std::vector<Game> played(static_cast<std::size_t>(games));
    std::atomic<int> done{0};
    forEachGame(games, threads, [&](Analyser& analyser, int g) {
        if (weights) analyser.useWeights(weights);
        played[g] = playGame(analyser, Random{seed * 1000003u + round * 7919u + g}, depth,
                             g % kHeldOutEvery == 0);
        const int n = ++done;
        if (n % 1000 == 0) std::fprintf(stderr, "# round %d: %d games\n", round, n);
    });
    std::vector<Sample> samples;
    for (const Game& game : played) samples.insert(samples.end(), game.samples.begin(), game.samples.end());
    return samples;
}

// Least squares, stage by stage, by stochastic gradient steps in a fixed order with a falling
// rate. A stage also learns from the positions just outside its range, so that neighbouring
// stages agree. Prints the error on the held-out games.
std::shared_ptr<const Weights> fit(const std::vector<Sample>& samples, int threads) {
    const pat::Layout& l = pat::layout();
    const std::size_t perStage = l.canonicalEntries.size();
    std::vector<std::int32_t> slot(l.entriesPerStage, -1);
    for (std::size_t i = 0; i < perStage; ++i) slot[l.canonicalEntries[i]] = static_cast<int>(i);
    std::vector<std::int16_t> all(perStage * pat::kStages, 0);
    std::vector<std::string> report(pat::kStages);

    auto fitStage = [&](int stage) {
        const int low = 60 - (stage + 1) * pat::kStageWidth + 1 - 2;
        const int high = 60 - stage * pat::kStageWidth + 2;
        const int ownLow = std::max(0, low + 2), ownHigh = high - 2;
        std::vector<std::int32_t> ids[2];
        std::vector<float> target[2];
        std::int32_t entries[pat::kMaxFeatures];
        int width = 0;
        for (const Sample& s : samples) {
            if (s.empties < low || s.empties > high) continue;
            if (!legalMoves(s.p, s.o)) continue;  // a finished game needs no estimate
            if (s.heldOut && (s.empties < ownLow || s.empties > ownHigh)) continue;
            width = pat::features(s.p, s.o, entries);
            for (int i = 0; i < width; ++i) ids[s.heldOut].push_back(slot[l.canonicalOf[entries[i]]]);
            target[s.heldOut].push_back(s.label);
        }
        std::vector<double> w(perStage, 0.0);
        auto rms = [&](int set) {
            double squared = 0;
            for (std::size_t i = 0; i < target[set].size(); ++i) {
                double y = 0;
                for (int k = 0; k < width; ++k) y += w[ids[set][i * width + k]];
                squared += (target[set][i] - y) * (target[set][i] - y);
            }
            return std::sqrt(squared / std::max<double>(1, static_cast<double>(target[set].size())));
        };
        const std::size_t n = target[0].size();
        std::vector<double> norm(n);
        for (std::size_t i = 0; i < n; ++i) {
            const std::int32_t* f = &ids[0][i * width];
            double squared = 0;
            for (int k = 0; k < width; ++k) squared += std::count(f, f + width, f[k]);
            norm[i] = squared;
        }
        double rate = 0.7;
        for (int epoch = 0; epoch < kEpochs && n; ++epoch, rate *= 0.6) {
            // A fixed stride through the positions, so that one game's do not come in a row.
            const std::size_t stride = 7919 % n == 0 ? 1 : 7919;
            for (std::size_t step = 0, i = 0; step < n; ++step, i = (i + stride) % n) {
                const std::int32_t* f = &ids[0][i * width];
                double y = 0;
                for (int k = 0; k < width; ++k) y += w[f[k]];
                // The step is divided by the squared length of the position's features: a class
                // that several images of one position share (the empty edges of the opening)
                // counts that many times, and a plain step would overshoot.
                const double r = (target[0][i] - y) * rate / norm[i];
                for (int k = 0; k < width; ++k) w[f[k]] += r;
            }
        }
        char line[160];
        std::snprintf(line, sizeof line,
                      "# stage %2d (%2d-%2d empty): %7zu positions, rms %.2f; held out %6zu, rms %.2f\n",
                      stage, ownLow, ownHigh, n, rms(0), target[1].size(), rms(1));
        report[stage] = line;
        for (std::size_t j = 0; j < perStage; ++j)
            all[stage * perStage + j] = static_cast<std::int16_t>(
                std::clamp(std::lround(w[j] * kWeightsPerDisc), -32000L, 32000L));
    };
    std::atomic<int> next{0};
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (int s; (s = next.fetch_add(1)) < pat::kStages;) fitStage(s);
        });
    for (std::thread& t : pool) t.join();
    for (const std::string& line : report) std::fputs(line.c_str(), stderr);
    return std::make_shared<const Weights>(kRules, all);
}

int weightsCommand(std::uint64_t seed, int games, int threads, const char* out) {
    std::vector<Sample> samples = selfPlay(seed, 1, games / 2, threads, nullptr, 2);
    std::fprintf(stderr, "# round 1: %zu positions\n", samples.size());
    const std::shared_ptr<const Weights> first = fit(samples, threads);
    std::vector<Sample> more = selfPlay(seed, 2, games - games / 2, threads, first, 3);
    samples.insert(samples.end(), more.begin(), more.end());
    std::fprintf(stderr, "# round 2: %zu positions in all\n", samples.size());
    const std::shared_ptr<const Weights> weights = fit(samples, threads);
    std::ofstream file(out, std::ios::binary);
    const std::string bytes = writeWeights(*weights);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", out);
        return 1;
    }
    return 0;
}

int testsetCommand(std::uint64_t seed, int countWanted, int threads, const char* out,
                   const char* orderingWeights) {
    std::vector<std::string> lines(static_cast<std::size_t>(countWanted));
    std::atomic<int> done{0};
    // Weights only make the exact solves quicker (better move ordering); the games and the
    // scores are the same without them.
    std::shared_ptr<const Weights> ordering;
    if (orderingWeights) ordering = loadWeights(orderingWeights).weights;
    forEachGame(countWanted, threads, [&](Analyser& analyser, int g) {
        Random random{seed * 1000003u + 0x7E57u + g};
        const int wanted = 18 + random.below(7);
        for (;;) {
            // A game played as the training plays, stopped at the wanted number of empties.
            Position position = startPosition();
            const int randomMoves = 4 + random.below(21);
            Limits limits;
            limits.depth = 2;
            limits.exactEmpties = 0;
            limits.everySquare = false;
            for (int ply = 0; position.empties() > wanted; ++ply) {
                const Bits legal = legalMoves(position.mover(), position.waiter());
                if (!legal) break;
                const int square =
                    ply < randomMoves || random.below(100) < 6
                        ? randomSquare(legal, random)
                        : analyser.analyse(position, kRules, limits).squares.front().square;
                position = play(position, square);
            }
            if (position.empties() != wanted || !legalMoves(position.mover(), position.waiter()))
                continue;
            Limits exact;
            exact.exactEmpties = 60;
            exact.everySquare = false;
            analyser.useWeights(ordering);
            const Analysis a = analyser.analyse(position, kRules, exact);
            analyser.useWeights(nullptr);
            TestPosition test;
            test.number = g + 1;
            test.position = position;
            test.bestSquares = {a.squares.front().square};
            test.score = a.score;
            lines[g] = writeTestLine(test);
            break;
        }
        const int n = ++done;
        if (n % 100 == 0) std::fprintf(stderr, "# %d positions\n", n);
    });
    std::ofstream file(out, std::ios::binary);
    file << "# Positions at 18-24 empty squares from self-play games, solved exactly under\n"
            "# Marvane's rules (no passing). Made by: marvane_train testset "
         << seed << ' ' << countWanted << " THREADS OUT\n";
    for (const std::string& line : lines) file << line << '\n';
    return file.flush() ? 0 : 1;
}

int usage() {
    std::fputs("usage: marvane_train weights SEED GAMES THREADS OUT.bin\n"
               "       marvane_train testset SEED COUNT THREADS OUT.txt [WEIGHTS]\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) return usage();
    const std::string command = argv[1];
    const std::uint64_t seed = std::strtoull(argv[2], nullptr, 10);
    const int n = std::atoi(argv[3]), threads = std::max(1, std::atoi(argv[4]));
    if (n < 1) return usage();
    if (command == "weights") return weightsCommand(seed, n, threads, argv[5]);
    if (command == "testset")
        return testsetCommand(seed, n, threads, argv[5], argc == 7 ? argv[6] : nullptr);
    return usage();
}
