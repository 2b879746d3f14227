// SPDX-License-Identifier: GPL-3.0-or-later
// The review of a game against a plain minimax, its estimates and exact figures told apart, the
// same figures on every run, refused games, and a review short of memory.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "analysis/review.h"
#include "tests/analysis/minimax.h"

namespace {

using namespace marvane::analysis;
using namespace marvane::analysis::test;

struct Game {
    Position start;
    std::vector<int> squares;
};

// A random game under our rules, from the start to its end; its review begins where `empties`
// squares are left.
Game randomGame(unsigned seed, int empties) {
    std::mt19937 random(seed);
    Game game{randomPosition(random, Rules::Marvane, empties), {}};
    for (Position p = game.start;;) {
        Bits legal = legalMoves(p.mover(), p.waiter());
        if (!legal) break;
        for (int skip = static_cast<int>(random() % count(legal)); skip; --skip) legal &= legal - 1;
        game.squares.push_back(std::countr_zero(legal));
        p = play(p, game.squares.back());
    }
    return game;
}

// What minimax says each move gave away, and the score for the first side after it.
struct Truth {
    std::vector<int> best;
    std::vector<int> losses;
    std::vector<int> after;
};
Truth minimaxTruth(const Game& game) {
    Minimax minimax{Rules::Marvane, {}};
    Truth truth;
    Position p = game.start;
    for (const int square : game.squares) {
        const Position next = play(p, square);
        const int best = minimax.value(p.mover(), p.waiter());
        const int nextValue = minimax.value(next.mover(), next.waiter());
        truth.best.push_back(best);
        truth.losses.push_back(best + nextValue);  // best minus what the move gave: -nextValue
        truth.after.push_back(next.toMove == Side::First ? nextValue : -nextValue);
        p = next;
    }
    return truth;
}

Analyser& sharedAnalyser() {
    static Analyser analyser(std::size_t{1} << 22);
    return analyser;
}

TEST(GameReview, FindsWhatEachMoveGaveAwayAsAnExhaustiveSearchDoes) {
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        const Game game = randomGame(seed, 10);
        ASSERT_GE(game.squares.size(), 5u) << seed;
        const Truth truth = minimaxTruth(game);
        const Review review = reviewGame(sharedAnalyser(), game.start, game.squares);
        ASSERT_TRUE(review.ok()) << review.error;
        ASSERT_EQ(review.moves.size(), game.squares.size());
        // Every loss as minimax has it, so the worst move is the one minimax picks out.
        for (std::size_t i = 0; i < game.squares.size(); ++i) {
            const MoveReview& m = review.moves[i];
            EXPECT_TRUE(m.reviewed && m.exact && m.exactAfter) << seed << " move " << i;
            EXPECT_EQ(m.bestScore, truth.best[i]) << seed << " move " << i;
            EXPECT_EQ(m.loss, truth.losses[i]) << seed << " move " << i;
            EXPECT_EQ(m.scoreAfter, truth.after[i]) << seed << " move " << i;
        }
    }
}

// An estimate may be wrong, but a figure marked exact must be the truth, whichever way the
// review came to it. The exact figures are the game's last moves: from the first solve that
// is out of reach back to the start, every figure is an estimate.
TEST(GameReview, MarksAFigureExactOnlyWhenItIsTheTruth) {
    const Game game = randomGame(7, 11);
    const Truth truth = minimaxTruth(game);
    struct Case {
        int exactEmpties;
        std::uint64_t exactNodes;  // the stop is looked at every 1024 nodes
    };
    // Solved from 8 empties; and budgets that run out at various points, some inside a solve.
    std::vector<Case> cases = {{8, 60'000'000}};
    for (const std::uint64_t nodes : {1, 3000, 6000, 12000, 25000, 50000})
        cases.push_back({11, nodes});
    for (const Case c : cases) {
        ReviewLimits limits;
        limits.exactEmpties = c.exactEmpties;
        limits.exactNodes = c.exactNodes;
        limits.depth = 2;
        const Review review = reviewGame(sharedAnalyser(), game.start, game.squares, limits);
        ASSERT_TRUE(review.ok()) << review.error;
        Position p = game.start;
        bool exactBefore = false;
        for (std::size_t i = 0; i < game.squares.size(); ++i) {
            const MoveReview& m = review.moves[i];
            const int empties = p.empties();
            const std::string where = std::to_string(c.exactNodes) + " move " + std::to_string(i);
            EXPECT_TRUE(!m.exact || empties <= c.exactEmpties || empties <= limits.depth) << where;
            const auto truthHere = m.exact ? std::pair(truth.best[i], truth.losses[i])
                                           : std::pair(m.bestScore, m.loss);
            EXPECT_EQ(std::pair(m.bestScore, m.loss), truthHere) << where;
            EXPECT_TRUE(m.exact || !exactBefore) << where;
            exactBefore = m.exact;
            EXPECT_GE(m.loss, 0);
            p = play(p, game.squares[i]);
        }
        EXPECT_TRUE(c.exactNodes > 1 || !review.moves.front().exact) << "out of budget at once";
    }
}

TEST(GameReview, GivesTheSameFiguresOnEveryRun) {
    const Game game = randomGame(11, 60);  // a whole game: estimates, then exact figures
    ReviewLimits limits;
    limits.depth = 4;
    limits.exactEmpties = 12;
    const Review first = reviewGame(sharedAnalyser(), game.start, game.squares, limits);
    ASSERT_TRUE(first.ok()) << first.error;
    const Game other = randomGame(12, 30);  // other work in between, on the same table
    reviewGame(sharedAnalyser(), other.start, other.squares, limits);
    const Review second = reviewGame(sharedAnalyser(), game.start, game.squares, limits);
    EXPECT_TRUE(first.moves == second.moves);
    EXPECT_EQ(first.startScore, second.startScore);
    EXPECT_EQ(first.nodes, second.nodes);
}

TEST(GameReview, RefusesAGameWithAMoveThatIsNotLegal) {
    const int e3 = squareFromName("e3"), d4 = squareFromName("d4"), a1 = squareFromName("a1");
    for (const std::vector<int>& squares : {std::vector<int>{d4}, {e3, e3}, {64}, {-1}, {e3, a1}})
        EXPECT_FALSE(reviewGame(sharedAnalyser(), startPosition(), squares).ok());
}

// Limits this process's address space to what it maps now and `spare` more.
void limitAddressSpace(std::size_t spare) {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t bytes = pages * 4096 + spare;
    const rlimit limit = {bytes, bytes};
    if (setrlimit(RLIMIT_AS, &limit) != 0) std::exit(3);
}

// Faults caught: a table that gives up when a smaller one would fit, and a review whose
// analyses get no table at all dereferencing their empty results (a crash).
TEST(GameReviewDeathTest, ShortOfMemoryATableShrinksAndAReviewSaysWhy) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's allocator does not run short under an address-space limit";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            limitAddressSpace(std::size_t{20} << 20);
            Table table(std::size_t{64} << 20);
            table.prepare();
            const std::size_t got = table.allocatedBytes();
            if (got >= table.bytes() || got < Table::kSmallestBytes) std::exit(1);
            table.release();
            limitAddressSpace(std::size_t{2} << 20);
            Analyser analyser;
            const Review review =
                reviewGame(analyser, startPosition(), {squareFromName("e3"), squareFromName("f3")});
            std::fprintf(stderr, "%s\n", review.error.c_str());
            std::exit(review.outOfMemory && !review.ok() ? 0 : 2);
        },
        testing::ExitedWithCode(0), "not enough memory");
}

}  // namespace
