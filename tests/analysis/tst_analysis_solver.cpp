// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis engine's search: exact scores against a plain minimax, the endgame test set,
// cancellation from another thread, refusals, and the table's memory.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>
#include <unordered_map>

#include "analysis/analyser.h"
#include "analysis/evaluation.h"
#include "analysis/position_text.h"
#include "tests/analysis/minimax.h"

#if defined(__SANITIZE_ADDRESS__)
#define ANALYSIS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ANALYSIS_SANITIZED 1
#endif
#endif

namespace {

using namespace marvane::analysis;
using namespace marvane::analysis::test;

#ifdef ANALYSIS_SANITIZED
constexpr bool kSanitized = true;  // everything runs about ten times slower
#else
constexpr bool kSanitized = false;
#endif

// Every square's exact score, and the best one, equal a plain minimax; `positions` positions of
// 1..maxEmpties empty squares. Returns how many had a side to move without a legal square.
// The committed learned weights, read once.
std::shared_ptr<const Weights> learnedWeights() {
    static const WeightsReading reading = loadWeights(MARVANE_WEIGHTS_SOURCE);
    EXPECT_TRUE(reading.ok()) << reading.error;
    return reading.weights;
}

int checkAgainstMinimax(Rules rules, int positions, int maxEmpties, unsigned seed,
                        std::shared_ptr<const Weights> weights = nullptr) {
    std::mt19937 random(seed);
    Analyser analyser(std::size_t{1} << 20);
    analyser.useWeights(weights);
    Limits limits;
    limits.exactEmpties = 60;
    int stuck = 0;
    for (int i = 0; i < positions; ++i) {
        const Position position = randomPosition(random, rules, 1 + i % maxEmpties);
        Minimax minimax{rules, {}};
        const Bits p = position.mover(), o = position.waiter();
        const Analysis a = analyser.analyse(position, rules, limits);
        EXPECT_TRUE(a.ok()) << a.error;
        EXPECT_TRUE(a.exact);
        EXPECT_EQ(a.score, minimax.value(p, o)) << writePosition(position);
        for (const SquareScore& s : a.squares) {
            const Bits turned = flips(s.square, p, o);
            EXPECT_TRUE(s.exact);
            EXPECT_EQ(s.score, -minimax.value(o & ~turned, p | turned | bit(s.square)))
                << writePosition(position) << " " << squareName(s.square);
        }
        if (!legalMoves(p, o) || a.line.size() < static_cast<std::size_t>(position.empties()))
            ++stuck;
        if (::testing::Test::HasFailure()) break;
    }
    return stuck;
}

TEST(AnalysisSolver, ScoresEverySquareAsAPlainMinimaxDoesUnderOurRules) {
    const int stuck = checkAgainstMinimax(Rules::Marvane, 1000, kSanitized ? 9 : 10, 1);
    EXPECT_GT(stuck, 20);  // games that end early, with squares left empty, are among them
}

TEST(AnalysisSolver, ScoresEverySquareAsAPlainMinimaxDoesUnderTheStandardRules) {
    const int stuck = checkAgainstMinimax(Rules::Standard, 300, kSanitized ? 9 : 10, 2);
    EXPECT_GT(stuck, 5);  // passes and games ending with empty squares
}

// The learned evaluation only orders the solver's moves: the scores stay exact.
TEST(AnalysisSolver, StaysExactWithTheLearnedEvaluationUnderBothRules) {
    checkAgainstMinimax(Rules::Marvane, 300, kSanitized ? 9 : 10, 3, learnedWeights());
    checkAgainstMinimax(Rules::Standard, 150, kSanitized ? 9 : 10, 4, learnedWeights());
}

TEST(AnalysisSolver, SolvesEndgameTestPositionsFortyAndFortyOneWithEitherEvaluation) {
    std::ifstream in(ENDGAME_TEST_SET, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const TestSetReading set = readTestSet(text.str());
    ASSERT_TRUE(set.ok()) << set.error;
    Limits limits;
    limits.exactEmpties = 60;
    limits.everySquare = false;
    int solved = 0;
    for (const std::shared_ptr<const Weights>& weights : {std::shared_ptr<const Weights>(), learnedWeights()})
    for (const TestPosition& test : set.tests) {
        Analyser analyser;
        analyser.useWeights(weights);
        // Under the sanitizers 41 alone would take half a minute.
        if (test.number != 40 && (test.number != 41 || kSanitized)) continue;
        const Analysis a = analyser.analyse(test.position, Rules::Standard, limits);
        ASSERT_TRUE(a.ok()) << a.error;
        EXPECT_TRUE(a.exact);
        EXPECT_EQ(a.score, test.score) << test.number;
        ASSERT_FALSE(a.squares.empty());
        EXPECT_NE(
            std::find(test.bestSquares.begin(), test.bestSquares.end(), a.squares.front().square),
            test.bestSquares.end());
        ++solved;
    }
    EXPECT_EQ(solved, kSanitized ? 2 : 4);
}

Position middlePosition() {
    std::mt19937 random(3);
    return randomPosition(random, Rules::Marvane, 40);
}

TEST(AnalysisSearch, CancelledFromAnotherThreadReturnsWhatItHadAndStaysUsable) {
    Analyser analyser(std::size_t{4} << 20);
    std::atomic<bool> cancel{false};
    std::atomic<int> depthsDone{0};
    Analysis result;
    std::thread worker([&] {
        result = analyser.analyse(middlePosition(), Rules::Marvane, {}, &cancel,
                                  [&](const Analysis&) { ++depthsDone; });
    });
    while (depthsDone < 3) std::this_thread::yield();
    cancel = true;
    worker.join();
    EXPECT_EQ(result.stopped, StopReason::Cancelled);
    EXPECT_GE(result.depth, 3);
    EXPECT_EQ(result.squares.size(), static_cast<std::size_t>(count(legalMoves(
                                         middlePosition().mover(), middlePosition().waiter()))));

    // The same analyser then gives what a fresh one gives.
    Limits limits;
    limits.depth = 4;
    const Analysis again = analyser.analyse(middlePosition(), Rules::Marvane, limits);
    Analyser fresh(std::size_t{4} << 20);
    const Analysis expected = fresh.analyse(middlePosition(), Rules::Marvane, limits);
    EXPECT_EQ(again.stopped, StopReason::None);
    EXPECT_EQ(again.depth, 4);
    EXPECT_EQ(again.score, expected.score);
    EXPECT_EQ(again.line, expected.line);
    EXPECT_EQ(again.nodes, expected.nodes);
}

TEST(AnalysisSearch, StopsAtTheNodeBudgetTheSameWayEveryTime) {
    Limits limits;
    limits.nodes = 20000;
    Analyser analyser(std::size_t{1} << 20);
    const Analysis first = analyser.analyse(middlePosition(), Rules::Marvane, limits);
    const Analysis second = analyser.analyse(middlePosition(), Rules::Marvane, limits);
    EXPECT_EQ(first.stopped, StopReason::NodeLimit);
    EXPECT_GE(first.depth, 1);
    EXPECT_EQ(first.depth, second.depth);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.nodes, second.nodes);
    EXPECT_LT(first.nodes, limits.nodes + 5000);
}

TEST(AnalysisSearch, TakesTheTableOnFirstUseAndGivesItBack) {
    Analyser analyser(std::size_t{1} << 20);
    EXPECT_FALSE(analyser.tableAllocated());
    Limits limits;
    limits.depth = 2;
    ASSERT_TRUE(analyser.analyse(startPosition(), Rules::Marvane, limits).ok());
    EXPECT_TRUE(analyser.tableAllocated());
    analyser.releaseTable();
    EXPECT_FALSE(analyser.tableAllocated());
    EXPECT_TRUE(analyser.analyse(startPosition(), Rules::Marvane, limits).ok());
}

TEST(AnalysisSearch, RefusesPositionsAndLimitsThatMakeNoSense) {
    Position overlapping = startPosition();
    overlapping.second |= overlapping.first & (0 - overlapping.first);
    Position noSide = startPosition();
    noSide.toMove = static_cast<Side>(7);
    Limits depth0, depth61, negativeEmpties, negativeTime;
    depth0.depth = 0;
    depth61.depth = 61;
    negativeEmpties.exactEmpties = -1;
    negativeTime.time = std::chrono::milliseconds(-5);
    struct Case {
        Position position;
        Rules rules;
        Limits limits;
        std::size_t tableBytes;
    };
    const Case cases[] = {
        {overlapping, Rules::Marvane, {}, 1 << 20},
        {noSide, Rules::Marvane, {}, 1 << 20},
        {startPosition(), static_cast<Rules>(9), {}, 1 << 20},
        {startPosition(), Rules::Marvane, depth0, 1 << 20},
        {startPosition(), Rules::Marvane, depth61, 1 << 20},
        {startPosition(), Rules::Marvane, negativeEmpties, 1 << 20},
        {startPosition(), Rules::Marvane, negativeTime, 1 << 20},
        {startPosition(), Rules::Marvane, {}, 0},
    };
    for (const Case& c : cases) {
        Analyser analyser(c.tableBytes);
        const Analysis a = analyser.analyse(c.position, c.rules, c.limits);
        EXPECT_FALSE(a.ok());
        EXPECT_TRUE(a.squares.empty());
        EXPECT_FALSE(analyser.tableAllocated());
    }
}

}  // namespace
