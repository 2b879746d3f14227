// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis engine's figures, on one thread:
//   analysis_bench perft standard|marvane DEPTH   "depth count" for each depth up to DEPTH
//   analysis_bench endgame FILE FIRST LAST [--every] [--weights FILE|none]
//                          solves those positions of an endgame test set under the standard
//                          rules: "number score move seconds nodes" each, then "total seconds
//                          nodes"; exits 1 if a score differs from the file's. --every scores
//                          every legal square exactly, not only the best one.
//   analysis_bench depth [MILLISECONDS]           the depth reached in that time (default 1000)
//                          from 20 positions after 20 random moves of our game
//   analysis_bench cancel                         how long a cancelled analysis takes to return
//   analysis_bench eval-error FILE [--weights W]  the evaluation's error against exact scores
//   analysis_bench match A B [PAIRS] [--weights W] two players' match (see match.h for A and B)
// Rates and summaries go to standard error, so standard output stays the plain figures.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#ifdef __linux__
#include <pthread.h>
#endif

#include "analysis/analyser.h"
#include "analysis/expert.h"
#include "analysis/perft.h"
#include "analysis/position_text.h"
#include "analysis/review.h"
#include "analysis/weights.h"
#include "bench/analysis/match.h"

namespace {

using namespace marvane::analysis;
using Clock = std::chrono::steady_clock;

// Processor time of the process: on a machine shared with other work it says what the search
// needed better than the wall clock does.
double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int usage() {
    std::fputs(
        "usage: analysis_bench perft standard|marvane DEPTH\n"
        "       analysis_bench endgame FILE FIRST LAST [--every] [--weights FILE|none]\n"
        "       analysis_bench depth [MILLISECONDS]\n"
        "       analysis_bench cancel [RUNS]\n"
        "       analysis_bench expert [DEPTH EXACT]\n"
        "       analysis_bench review [DEPTH EXACT]\n"
        "       analysis_bench eval-error FILE [--weights W]\n"
        "       analysis_bench match learned:D:E|hand:D:E|gtp:COMMAND ... [PAIRS] [--weights W]\n",
        stderr);
    return 2;
}

int perftCommand(std::string_view rulesName, int depth) {
    if ((rulesName != "standard" && rulesName != "marvane") || depth < 1 || depth > 20)
        return usage();
    const Rules rules = rulesName == "standard" ? Rules::Standard : Rules::Marvane;
    // Perft does not depend on the orientation; the usual start is used for both.
    const Position start = rules == Rules::Standard ? mirrored(startPosition()) : startPosition();
    for (int d = 1; d <= depth; ++d) {
        const auto begin = Clock::now();
        const std::uint64_t n = perft(start, rules, d);
        const double s = secondsSince(begin);
        std::printf("%d %llu\n", d, static_cast<unsigned long long>(n));
        std::fflush(stdout);
        if (s > 0.01)
            std::fprintf(stderr, "# depth %d: %.3f s, %.1f M leaves/s\n", d, s, n / s / 1e6);
    }
    return 0;
}

int endgameCommand(const char* file, int first, int last, bool every, const std::string& weights) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file);
        return 2;
    }
    std::stringstream text;
    text << in.rdbuf();
    const TestSetReading set = readTestSet(text.str());
    if (!set.ok()) {
        std::fprintf(stderr, "%s: %s\n", file, set.error.c_str());
        return 2;
    }
    Analyser analyser;
    if (weights != "none") {
        const WeightsReading reading = loadWeights(weights);
        if (!reading.ok()) {
            std::fprintf(stderr, "%s\n", reading.error.c_str());
            return 2;
        }
        analyser.useWeights(reading.weights);
    }
    Limits limits;
    limits.exactEmpties = 60;
    limits.everySquare = every;
    int failures = 0, solved = 0;
    double totalSeconds = 0, totalCpu = 0;
    std::uint64_t totalNodes = 0;
    for (const TestPosition& test : set.tests) {
        if (test.number < first || test.number > last) continue;
        const auto begin = Clock::now();
        const double cpuBegin = cpuSeconds();
        const Analysis a = analyser.analyse(test.position, Rules::Standard, limits);
        const double s = secondsSince(begin), cpu = cpuSeconds() - cpuBegin;
        if (!a.ok()) {
            std::fprintf(stderr, "%d: %s\n", test.number, a.error.c_str());
            return 2;
        }
        const int move = a.squares.empty() ? kPass : a.squares.front().square;
        std::printf("%d %+d %s %.3f %llu\n", test.number, a.score, squareName(move).c_str(), s,
                    static_cast<unsigned long long>(a.nodes));
        std::fflush(stdout);
        std::fprintf(stderr, "# %d: %.1f M nodes/s; processor time %.3f s, %.1f M nodes/s\n",
                     test.number, a.nodes / std::max(s, 1e-9) / 1e6, cpu,
                     a.nodes / std::max(cpu, 1e-9) / 1e6);
        if (a.score != test.score) {
            std::fprintf(stderr, "%d: score %+d, the file gives %+d\n", test.number, a.score,
                         test.score);
            ++failures;
        } else if (std::find(test.bestSquares.begin(), test.bestSquares.end(), move) ==
                   test.bestSquares.end()) {
            std::fprintf(stderr, "# %d: %s is not among the file's best squares\n", test.number,
                         squareName(move).c_str());
        }
        totalSeconds += s;
        totalCpu += cpu;
        totalNodes += a.nodes;
        ++solved;
    }
    std::printf("total %.3f %llu\n", totalSeconds, static_cast<unsigned long long>(totalNodes));
    std::fprintf(stderr, "# %d positions, %.1f M nodes/s; processor time %.3f s, %.1f M nodes/s\n",
                 solved, totalNodes / std::max(totalSeconds, 1e-9) / 1e6, totalCpu,
                 totalNodes / std::max(totalCpu, 1e-9) / 1e6);
    return failures ? 1 : 0;
}

// Twenty positions after 20 moves each of our game, the same on every run.
std::vector<Position> middlePositions() {
    std::vector<Position> positions;
    std::mt19937 random(20);
    while (positions.size() < 20) {
        Position p = startPosition();
        int moves = 0;
        for (; moves < 20; ++moves) {
            Bits legal = legalMoves(p.mover(), p.waiter());
            if (!legal) break;
            for (int skip = static_cast<int>(random() % static_cast<unsigned>(count(legal))); skip;
                 --skip)
                legal &= legal - 1;
            p = play(p, std::countr_zero(legal));
        }
        if (moves == 20 && legalMoves(p.mover(), p.waiter())) positions.push_back(p);
    }
    return positions;
}

int depthCommand(int milliseconds) {
    Analyser analyser;
    Limits limits;
    limits.time = std::chrono::milliseconds(milliseconds);
    std::vector<int> depths;
    std::uint64_t nodes = 0;
    double seconds = 0;
    for (const Position& p : middlePositions()) {
        const auto begin = Clock::now();
        const Analysis a = analyser.analyse(p, Rules::Marvane, limits);
        seconds += secondsSince(begin);
        nodes += a.nodes;
        depths.push_back(a.depth);
        std::printf("%s depth %d score %+d\n", writePosition(p).c_str(), a.depth, a.score);
    }
    std::sort(depths.begin(), depths.end());
    std::printf("depth min %d median %d max %d\n", depths.front(), depths[depths.size() / 2],
                depths.back());
    std::fprintf(stderr, "# %.1f M nodes/s\n", nodes / std::max(seconds, 1e-9) / 1e6);
    return 0;
}

// The processor time a thread has used so far, read from any thread; -1 where it cannot be read.
double threadCpuMs([[maybe_unused]] std::thread& thread) {
#ifdef __linux__
    clockid_t clock;
    timespec t;
    if (pthread_getcpuclockid(thread.native_handle(), &clock) == 0 && clock_gettime(clock, &t) == 0)
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
#endif
    return -1;
}
double ownCpuMs() {
#ifdef __linux__
    timespec t;
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t) == 0) return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
#endif
    return -1;
}

// How long an analysis takes to return once cancelled, in RUNS runs (default 10). Beside the wall
// time, the processor time the searching thread used meanwhile: what the engine spent before it
// heard the cancel. The rest is the thread waiting for a processor.
int cancelCommand(int runs) {
    Analyser analyser;
    Limits limits;
    limits.exactEmpties = 0;
    std::vector<double> latencies, working;
    const std::vector<Position> positions = middlePositions();
    for (int i = 0; i < runs; ++i) {
        std::atomic<bool> cancel{false};
        Clock::time_point returned;
        double cpuAtReturn = 0;
        std::thread worker([&] {
            analyser.analyse(positions[static_cast<std::size_t>(i) % positions.size()],
                             Rules::Marvane, limits, &cancel);
            returned = Clock::now();
            cpuAtReturn = ownCpuMs();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100 + 37 * (i % 10)));
        const double cpuAtAsk = threadCpuMs(worker);
        const auto asked = Clock::now();
        cancel = true;
        worker.join();
        latencies.push_back(std::chrono::duration<double, std::milli>(returned - asked).count());
        working.push_back(cpuAtReturn - cpuAtAsk);
    }
    std::sort(latencies.begin(), latencies.end());
    std::sort(working.begin(), working.end());
    std::printf("cancel latency ms: median %.3f max %.3f\n", latencies[latencies.size() / 2],
                latencies.back());
    std::printf("processor ms used meanwhile: median %.3f max %.3f\n", working[working.size() / 2],
                working.back());
    return 0;
}

// Expert Hard playing itself from ten two-move openings: the time each of its moves takes, with
// its own limits or with DEPTH and EXACT.
int expertCommand(int depth, int exact) {
    Analyser analyser;
    Limits limits = expertLimits();
    if (depth > 0) limits.depth = depth;
    if (exact >= 0) limits.exactEmpties = exact;
    std::vector<double> ms, cpuMs;
    std::mt19937 random(60);
    for (int game = 0; game < 10; ++game) {
        Position p = startPosition();
        for (int move = 0;; ++move) {
            Bits legal = legalMoves(p.mover(), p.waiter());
            if (!legal) break;
            if (move < 2) {
                for (int skip = static_cast<int>(random() % static_cast<unsigned>(count(legal)));
                     skip; --skip)
                    legal &= legal - 1;
                p = play(p, std::countr_zero(legal));
                continue;
            }
            const auto begin = Clock::now();
            const double cpuBegin = cpuSeconds();
            const Analysis a = analyser.analyse(p, Rules::Marvane, limits);
            ms.push_back(secondsSince(begin) * 1000);
            cpuMs.push_back((cpuSeconds() - cpuBegin) * 1000);
            p = play(p, expertChoice(a).square);
        }
    }
    auto summary = [](const char* name, std::vector<double> v) {
        std::sort(v.begin(), v.end());
        std::printf("%s ms: median %.2f 90%% %.2f max %.2f\n", name, v[v.size() / 2],
                    v[v.size() * 9 / 10], v.back());
    };
    std::printf("expert depth %d exact %d, %zu moves\n", limits.depth, limits.exactEmpties,
                ms.size());
    summary("wall", ms);
    summary("processor", cpuMs);
    return 0;
}

// Reviews three whole games that Expert Hard played against itself from four random moves, with
// the review's own limits or with DEPTH and EXACT.
int reviewCommand(int depth, int exact) {
    Analyser analyser;
    ReviewLimits limits;
    if (depth > 0) limits.depth = depth;
    if (exact >= 0) limits.exactEmpties = exact;
    std::printf("review depth %d exact %d (%llu nodes at most)\n", limits.depth,
                limits.exactEmpties, static_cast<unsigned long long>(limits.exactNodes));
    std::mt19937 random(26);
    for (int game = 0; game < 3; ++game) {
        std::vector<int> squares;
        Position p = startPosition();
        for (Bits legal; (legal = legalMoves(p.mover(), p.waiter()));) {
            if (squares.size() < 4) {
                for (int skip = static_cast<int>(random() % static_cast<unsigned>(count(legal)));
                     skip; --skip)
                    legal &= legal - 1;
                squares.push_back(std::countr_zero(legal));
            } else {
                squares.push_back(chooseExpertSquare(analyser, p).square);
            }
            p = play(p, squares.back());
        }
        const auto begin = Clock::now();
        const double cpuBegin = cpuSeconds();
        const Review r = reviewGame(analyser, startPosition(), squares, limits);
        const double s = secondsSince(begin), cpu = cpuSeconds() - cpuBegin;
        const auto exactMoves = std::count_if(r.moves.begin(), r.moves.end(),
                                              [](const MoveReview& m) { return m.exact; });
        std::printf("game %d: %zu moves, %ld exact, %.3f s, processor %.3f s, %llu nodes\n", game,
                    squares.size(), static_cast<long>(exactMoves), s, cpu,
                    static_cast<unsigned long long>(r.nodes));
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "perft") return perftCommand(args[1], std::atoi(argv[3]));
    if (args.size() >= 4 && args[0] == "endgame") {
        // endgame FILE FIRST LAST [--every] [--weights FILE|none]
        bool every = false;
        std::string weights = marvane::bench::defaultWeightsFile();
        for (std::size_t i = 4; i < args.size(); ++i) {
            if (args[i] == "--every")
                every = true;
            else if (args[i] == "--weights" && i + 1 < args.size())
                weights = args[++i];
            else
                return usage();
        }
        return endgameCommand(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), every, weights);
    }
    if (!args.empty() && args.size() <= 2 && args[0] == "depth")
        return depthCommand(args.size() == 2 ? std::max(1, std::atoi(argv[2])) : 1000);
    if (!args.empty() && args.size() <= 2 && args[0] == "cancel")
        return cancelCommand(args.size() == 2 ? std::max(1, std::atoi(argv[2])) : 10);
    if (args.size() == 1 && args[0] == "expert") return expertCommand(0, -1);
    if (args.size() == 3 && args[0] == "expert")
        return expertCommand(std::atoi(argv[2]), std::atoi(argv[3]));
    if (args.size() == 1 && args[0] == "review") return reviewCommand(0, -1);
    if (args.size() == 3 && args[0] == "review")
        return reviewCommand(std::atoi(argv[2]), std::atoi(argv[3]));
    if (!args.empty() && (args[0] == "match" || args[0] == "eval-error")) {
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        const int status = args[0] == "match" ? marvane::bench::matchCommand(rest)
                                              : marvane::bench::evalErrorCommand(rest);
        return status == 2 && rest.size() < 1 ? usage() : status;
    }
    return usage();
}
