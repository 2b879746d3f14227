// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/analysis/match.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include "analysis/evaluation.h"
#include "analysis/levels.h"
#include "analysis/position_text.h"
#include "analysis/weights.h"

namespace marvane::bench {

using namespace analysis;

namespace {

double threadCpu() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

class EnginePlayer : public Player {
public:
    EnginePlayer(std::string name, std::shared_ptr<const Weights> weights, Limits limits)
        : name_(std::move(name)), limits_(limits) {
        analyser_.useWeights(std::move(weights));
    }
    std::string name() const override { return name_; }
    void newGame(const Position&) override {}
    int choose(const Position& position, double& cpu) override {
        const double begin = threadCpu();
        const Analysis a = analyser_.analyse(position, Rules::Standard, limits_);
        cpu += threadCpu() - begin;
        return a.squares.empty() ? kPass : a.squares.front().square;
    }
    void played(const Position&, int) override {}

private:
    std::string name_;
    Limits limits_;
    Analyser analyser_;
};

// A level of the ladder; each game gets its own seed, the same on every run of the match.
class LevelPlayer : public Player {
public:
    LevelPlayer(std::string name, std::shared_ptr<const Weights> weights, int level)
        : name_(std::move(name)), level_(level) {
        analyser_.useWeights(std::move(weights));
    }
    std::string name() const override { return name_; }
    void newGame(const Position&) override {
        ++games_;
        ply_ = 0;
    }
    int choose(const Position& position, double& cpu) override {
        const double begin = threadCpu();
        const LevelChoice c = chooseLevelSquare(analyser_, position, Rules::Standard, level_, ply_,
                                                0x1E7E1ull * games_ + level_);
        cpu += threadCpu() - begin;
        return c.square < 0 ? kPass : c.square;
    }
    void played(const Position&, int) override { ++ply_; }

private:
    std::string name_;
    int level_;
    Analyser analyser_;
    std::uint64_t games_ = 0;
    int ply_ = 0;
};

// Takes a corner when it can, else plays a random square.
class CornerPlayer : public Player {
public:
    std::string name() const override { return "corner"; }
    void newGame(const Position&) override {}
    int choose(const Position& position, double&) override {
        Bits legal = legalMoves(position.mover(), position.waiter());
        if (legal & kCorners) legal &= kCorners;
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        for (int skip = static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(count(legal)));
             skip; --skip)
            legal &= legal - 1;
        return std::countr_zero(legal);
    }
    void played(const Position&, int) override {}

private:
    std::uint64_t state_ = 77;
};

// A program speaking GTP, started with `sh -c`.
class GtpPlayer : public Player {
public:
    explicit GtpPlayer(const std::string& command) : command_(command) {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            close(toChild[1]);
            close(fromChild[0]);
            const std::string line = "exec " + command;
            execl("/bin/sh", "sh", "-c", line.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        in_ = fdopen(toChild[1], "w");
        out_ = fdopen(fromChild[0], "r");
        ask("boardsize 8");
    }
    ~GtpPlayer() override {
        if (in_) {
            std::fputs("quit\n", in_);
            std::fclose(in_);
        }
        if (out_) std::fclose(out_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    bool running() const { return in_ && out_ && pid_ > 0; }
    std::string name() const override { return "gtp:" + command_; }
    void newGame(const Position&) override { ask("clear_board"); }
    int choose(const Position& position, double& cpu) override {
        const double begin = childCpu();
        const std::string answer = ask(std::string("genmove ") + colour(position));
        cpu += childCpu() - begin;
        std::string move;
        for (char c : answer)
            move += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        own_ = move == "pass" ? kPass : squareFromName(move);
        if (own_ < 0) {
            std::fprintf(stderr, "%s answered genmove with \"%s\"\n", command_.c_str(),
                         answer.c_str());
            std::exit(2);
        }
        return own_;
    }
    void played(const Position& before, int square) override {
        if (own_ != -2 && square == own_) {
            own_ = -2;
            return;
        }
        // GTP Othello programs take a pass as implied by the other side's next move.
        if (square == kPass) return;
        ask(std::string("play ") + colour(before) + ' ' + squareName(square));
    }

private:
    static const char* colour(const Position& p) { return p.toMove == Side::First ? "b" : "w"; }
    // The answer's text after "= ", or exits on "?".
    std::string ask(const std::string& line) {
        std::fprintf(in_, "%s\n", line.c_str());
        std::fflush(in_);
        std::string answer;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, out_)) {
            std::string l = buffer;
            while (!l.empty() && (l.back() == '\n' || l.back() == '\r')) l.pop_back();
            if (l.empty()) {
                if (!answer.empty()) break;
                continue;
            }
            answer += answer.empty() ? l : "\n" + l;
        }
        if (answer.empty() || answer[0] != '=') {
            std::fprintf(stderr, "%s: \"%s\" gave \"%s\"\n", command_.c_str(), line.c_str(),
                         answer.c_str());
            std::exit(2);
        }
        const std::size_t start = answer.find_first_not_of("= ");
        return start == std::string::npos ? std::string() : answer.substr(start);
    }
    double childCpu() const {
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string skip;
        for (int i = 3; i < 14; ++i) fields >> skip;
        double user = 0, system = 0;
        fields >> user >> system;
        return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }

    std::string command_;
    pid_t pid_ = -1;
    FILE* in_ = nullptr;
    FILE* out_ = nullptr;
    int own_ = -2;  // the move this program chose and has already played on its board
};

struct Reading {
    std::shared_ptr<const Weights> weights;
    std::string error;
};
Reading readFile(const std::string& path) {
    const WeightsReading r = loadWeights(path);
    return {r.weights, r.error};
}

}  // namespace

std::string defaultWeightsFile() { return MARVANE_WEIGHTS_SOURCE; }

std::unique_ptr<Player> makePlayer(const std::string& text, const std::string& weightsFile,
                                   std::string& error) {
    if (text.rfind("gtp:", 0) == 0) {
        auto p = std::make_unique<GtpPlayer>(text.substr(4));
        if (!p->running()) error = "cannot start " + text.substr(4);
        return error.empty() ? std::move(p) : nullptr;
    }
    if (text == "corner") return std::make_unique<CornerPlayer>();
    if (text.rfind("level:", 0) == 0) {
        const Reading r = readFile(weightsFile);
        if (!r.error.empty()) {
            error = r.error;
            return nullptr;
        }
        return std::make_unique<LevelPlayer>(text, r.weights, std::atoi(text.c_str() + 6));
    }
    const std::size_t a = text.find(':'), b = text.find(':', a + 1);
    const std::string kind = text.substr(0, a);
    if (a == std::string::npos || b == std::string::npos || (kind != "learned" && kind != "hand")) {
        error = "unknown player " + text;
        return nullptr;
    }
    Limits limits;
    const std::string depth = text.substr(a + 1, b - a - 1);
    if (!depth.empty() && depth[0] == 'n') {
        limits.nodes = std::strtoull(depth.c_str() + 1, nullptr, 10);
    } else {
        limits.depth = std::atoi(depth.c_str());
    }
    limits.exactEmpties = std::atoi(text.c_str() + b + 1);
    limits.everySquare = false;
    std::shared_ptr<const Weights> weights;
    if (kind == "learned") {
        const Reading r = readFile(weightsFile);
        if (!r.error.empty()) {
            error = r.error;
            return nullptr;
        }
        weights = r.weights;
    }
    return std::make_unique<EnginePlayer>(text, weights, limits);
}

// analysis_bench match A B [GAMES_PAIRS] [--weights FILE]: A and B play GAMES_PAIRS (default 20)
// openings of 6-8 random moves from the usual start, each twice with the colours swapped, under
// the standard rules.
int matchCommand(const std::vector<std::string>& args) {
    std::string weightsFile = defaultWeightsFile();
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--weights" && i + 1 < args.size())
            weightsFile = args[++i];
        else
            rest.push_back(args[i]);
    }
    if (rest.size() < 2 || rest.size() > 3) return 2;
    const int openings = rest.size() == 3 ? std::max(1, std::atoi(rest[2].c_str())) : 20;
    std::string error;
    std::unique_ptr<Player> players[2];
    for (int i = 0; i < 2; ++i) {
        players[i] = makePlayer(rest[i], weightsFile, error);
        if (!players[i]) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
    }
    struct Tally {
        int wins = 0, draws = 0, losses = 0, moves = 0;
        double discs = 0, cpu = 0;
    } tally[2];
    std::uint64_t random = 20261210;
    auto next = [&random](int n) {
        random = random * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((random >> 33) % static_cast<std::uint64_t>(n));
    };
    for (int opening = 0; opening < openings; ++opening) {
        std::vector<int> start;
        Position p = mirrored(startPosition());
        const int length = 6 + next(3);
        while (static_cast<int>(start.size()) < length) {
            Bits legal = legalMoves(p.mover(), p.waiter());
            for (int skip = next(count(legal)); skip; --skip) legal &= legal - 1;
            start.push_back(std::countr_zero(legal));
            p = play(p, start.back());
        }
        for (int swap = 0; swap < 2; ++swap) {
            // players[black] plays the first side.
            const int black = swap;
            Position position = mirrored(startPosition());
            for (auto& pl : players) pl->newGame(position);
            for (int sq : start) {
                for (auto& pl : players) pl->played(position, sq);
                position = play(position, sq);
            }
            for (;;) {
                const Bits mine = legalMoves(position.mover(), position.waiter());
                const Bits theirs = legalMoves(position.waiter(), position.mover());
                if (!mine && !theirs) break;
                int square = kPass;
                if (mine) {
                    const int who = position.toMove == Side::First ? black : 1 - black;
                    square = players[who]->choose(position, tally[who].cpu);
                    ++tally[who].moves;
                    if (square == kPass || !(mine & bit(square))) {
                        std::fprintf(stderr, "%s played %s, not a legal square\n",
                                     players[who]->name().c_str(), squareName(square).c_str());
                        return 2;
                    }
                }
                for (auto& pl : players) pl->played(position, square);
                position = play(position, square);
            }
            const int firstScore = finalScore<Rules::Standard>(position.first, position.second);
            for (int who = 0; who < 2; ++who) {
                const int s = who == black ? firstScore : -firstScore;
                tally[who].discs += s;
                (s > 0 ? tally[who].wins : s < 0 ? tally[who].losses : tally[who].draws) += 1;
            }
            std::fprintf(stderr, "# opening %d, %s black: %+d\n", opening + 1,
                         players[black]->name().c_str(), firstScore);
        }
    }
    const int games = 2 * openings;
    for (int who = 0; who < 2; ++who) {
        const Tally& t = tally[who];
        std::printf(
            "%-40s wins %d draws %d losses %d  points %.1f%%  discs %+.2f  cpu/move %.2f ms\n",
            players[who]->name().c_str(), t.wins, t.draws, t.losses,
            100.0 * (t.wins + 0.5 * t.draws) / games, t.discs / games,
            1000 * t.cpu / std::max(1, t.moves));
    }
    return 0;
}

// analysis_bench eval-error FILE [--weights W]: the mean absolute error, in discs, of the static
// evaluation and of a 4-deep search against the exact scores of FILE's positions (our rules),
// hand-made beside learned.
int evalErrorCommand(const std::vector<std::string>& args) {
    std::string weightsFile = defaultWeightsFile();
    if (args.size() == 3 && args[1] == "--weights")
        weightsFile = args[2];
    else if (args.size() != 1)
        return 2;
    std::ifstream in(args[0], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const TestSetReading set = readTestSet(text.str());
    if (!in || !set.ok() || set.tests.empty()) {
        std::fprintf(stderr, "%s: %s\n", args[0].c_str(), in ? set.error.c_str() : "cannot read");
        return 2;
    }
    const Reading learned = readFile(weightsFile);
    if (!learned.error.empty()) {
        std::fprintf(stderr, "%s\n", learned.error.c_str());
        return 2;
    }
    Analyser hand, mine;
    mine.useWeights(learned.weights);
    Limits four;
    four.depth = 4;
    four.exactEmpties = 0;
    four.everySquare = false;
    double err[2][2] = {};
    for (const TestPosition& t : set.tests) {
        const Bits p = t.position.mover(), o = t.position.waiter();
        const double staticHand = evaluate(p, o, Rules::Marvane) / double(kUnit);
        const double staticMine =
            evaluate(p, o, Rules::Marvane, learned.weights.get()) / double(kUnit);
        err[0][0] += std::abs(staticHand - t.score);
        err[1][0] += std::abs(staticMine - t.score);
        err[0][1] += std::abs(hand.analyse(t.position, Rules::Marvane, four).score - t.score);
        err[1][1] += std::abs(mine.analyse(t.position, Rules::Marvane, four).score - t.score);
    }
    const double n = static_cast<double>(set.tests.size());
    std::printf("%zu positions, mean absolute error in discs\n", set.tests.size());
    std::printf("evaluation   static  depth 4\n");
    std::printf("hand-made    %6.2f  %7.2f\n", err[0][0] / n, err[0][1] / n);
    std::printf("learned      %6.2f  %7.2f\n", err[1][0] / n, err[1][1] / n);
    return 0;
}

}  // namespace marvane::bench
