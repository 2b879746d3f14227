// The review of a game against a plain minimax, its estimates and exact figures told apart, the
// same figures on every run, cancelling, and refused games.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <tuple>

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
        std::size_t worst = 0, expectedWorst = 0;
        for (std::size_t i = 0; i < game.squares.size(); ++i) {
            const MoveReview& m = review.moves[i];
            EXPECT_TRUE(m.reviewed && m.exact && m.exactAfter) << seed << " move " << i;
            EXPECT_EQ(m.bestScore, truth.best[i]) << seed << " move " << i;
            EXPECT_EQ(m.loss, truth.losses[i]) << seed << " move " << i;
            EXPECT_EQ(m.scoreAfter, truth.after[i]) << seed << " move " << i;
            if (m.loss > review.moves[worst].loss) worst = i;
            if (truth.losses[i] > truth.losses[expectedWorst]) expectedWorst = i;
        }
        EXPECT_EQ(worst, expectedWorst) << seed;
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
        int exactFrom;             // the empties from which every move must be exact
    };
    // Solved from 8 empties; solved throughout; and budgets that run out at various points,
    // some inside a solve.
    std::vector<Case> cases = {{8, 60'000'000, 8}, {60, 60'000'000, 11}};
    for (const std::uint64_t nodes : {1, 3000, 6000, 12000, 25000, 50000})
        cases.push_back({11, nodes, 0});
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
            if (empties <= c.exactFrom) {
                EXPECT_TRUE(m.exact) << c.exactEmpties << " move " << i;
            }
            if (empties > c.exactEmpties && empties > limits.depth) {
                EXPECT_FALSE(m.exact) << c.exactEmpties << " move " << i;
            }
            if (m.exact) {
                EXPECT_EQ(m.bestScore, truth.best[i]) << c.exactNodes << " move " << i;
                EXPECT_EQ(m.loss, truth.losses[i]) << c.exactNodes << " move " << i;
            }
            EXPECT_TRUE(m.exact || !exactBefore) << c.exactEmpties << " move " << i;
            exactBefore = m.exact;
            EXPECT_GE(m.loss, 0);
            p = play(p, game.squares[i]);
        }
        // Out of the budget from the first move on.
        if (c.exactNodes == 1) {
            EXPECT_FALSE(review.moves.front().exact);
        }
    }
}

TEST(GameReview, GivesTheSameFiguresOnEveryRun) {
    const Game game = randomGame(11, 60);  // a whole game: estimates, then exact figures
    ReviewLimits limits;
    limits.depth = 4;
    limits.exactEmpties = 12;
    auto figures = [](const Review& r) {
        std::vector<std::tuple<int, int, int, int, bool, int, bool>> out;
        for (const MoveReview& m : r.moves)
            out.emplace_back(m.bestSquare, m.bestScore, m.playedScore, m.loss, m.exact,
                             m.scoreAfter, m.exactAfter);
        return out;
    };
    const Review first = reviewGame(sharedAnalyser(), game.start, game.squares, limits);
    ASSERT_TRUE(first.ok()) << first.error;
    // Other work in between, on the same table.
    reviewGame(sharedAnalyser(), randomGame(12, 30).start, randomGame(12, 30).squares, limits);
    const Review second = reviewGame(sharedAnalyser(), game.start, game.squares, limits);
    EXPECT_EQ(figures(first), figures(second));
    EXPECT_EQ(first.startScore, second.startScore);
    EXPECT_EQ(first.nodes, second.nodes);
    EXPECT_FALSE(figures(first).empty());
}

TEST(GameReview, StopsWhenCancelledAndSaysSo) {
    const Game game = randomGame(13, 14);
    std::atomic<bool> cancel{false};
    std::vector<std::size_t> reported;
    const Review review = reviewGame(sharedAnalyser(), game.start, game.squares, {}, &cancel,
                                     [&](const MoveReview&, std::size_t index, std::size_t done) {
                                         reported.push_back(index);
                                         EXPECT_EQ(done, reported.size());
                                         if (done == 3) cancel = true;
                                     });
    EXPECT_EQ(review.stopped, StopReason::Cancelled);
    ASSERT_EQ(reported.size(), 3u);
    const std::size_t n = game.squares.size();
    for (std::size_t i = 0; i < n; ++i)
        EXPECT_EQ(review.moves[i].reviewed, i >= n - 3) << i;  // the last three moves
    EXPECT_EQ(reported, (std::vector<std::size_t>{n - 1, n - 2, n - 3}));
}

TEST(GameReview, RefusesAGameWithAMoveThatIsNotLegal) {
    const Position start = startPosition();
    const int e3 = squareFromName("e3"), d4 = squareFromName("d4");
    for (const std::vector<int>& squares :
         {std::vector<int>{d4}, {e3, e3}, {64}, {-1}, {e3, squareFromName("a1")}}) {
        const Review review = reviewGame(sharedAnalyser(), start, squares);
        EXPECT_FALSE(review.ok());
        EXPECT_TRUE(review.moves.empty());
    }
}

}  // namespace
