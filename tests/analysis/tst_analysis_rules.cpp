// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis engine's board against the game's: move generation counted move by move
// (perft), the conversions both ways, and the reader of the endgame test set.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "analysis/game_position.h"
#include "analysis/perft.h"
#include "analysis/position_text.h"
#include "engine/game.h"
#include "engine/unseenview.h"

namespace {

using namespace marvane;
using analysis::Position;
using namespace marvane::analysis;

TEST(AnalysisPerft, CountsTheLinesOfPlayOfBothRuleSetsToDepthEight) {
    // Both rule sets agree up to depth 9: no side is without a move that early.
    const std::uint64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200, 55092, 390216};
    for (const Rules rules : {Rules::Marvane, Rules::Standard})
        for (int depth = 0; depth <= 8; ++depth) {
            EXPECT_EQ(perft(startPosition(), rules, depth), expected[depth]) << depth;
            EXPECT_EQ(perft(mirrored(startPosition()), rules, depth), expected[depth]) << depth;
        }
}

TEST(AnalysisPerft, EndsAGameWhereOurRulesEndItAndPassesUnderTheStandardOnes) {
    // First to move cannot; Second can (at c1), and after it neither side has a move.
    PositionReading r = readPosition("OX" + std::string(62, '-') + " X");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(perft(r.position, Rules::Marvane, 3), 1u);
    EXPECT_EQ(perft(r.position, Rules::Standard, 1), 1u);  // the pass
    EXPECT_EQ(perft(r.position, Rules::Standard, 3), 1u);  // pass, a1, game over
}

std::set<int> gameSquares(const Game& game) {
    std::set<int> squares;
    for (const Square& s : game.legalSquares()) squares.insert((s.row - 1) * 8 + s.column - 1);
    return squares;
}

std::set<int> ourSquares(const Position& p) {
    std::set<int> squares;
    for (Bits m = legalMoves(p.mover(), p.waiter()); m; m &= m - 1)
        squares.insert(std::countr_zero(m));
    return squares;
}

TEST(AnalysisConversion, AgreesWithTheGameOnLegalSquaresAndBoardsThroughRandomGames) {
    UnseenView view;
    Game game(view, [] { return std::int64_t{0}; });
    std::mt19937 random(7);
    int positions = 0, ended = 0;
    for (int g = 0; g < 80; ++g) {
        const ColourCode c1 = 1 + g % 3 * 2, c2 = c1 + 1;  // every colour scheme
        game.setColours(c1, c2);
        game.newGame();
        GamePositionReading ours = fromGame(game.position(), c1, c2);
        ASSERT_TRUE(ours.ok()) << ours.error;
        ASSERT_EQ(ours.position, startPosition());
        for (;;) {
            ++positions;
            const std::set<int> squares = gameSquares(game);
            ASSERT_EQ(ourSquares(ours.position), squares);
            const marvane::Position back = toGame(ours.position, c1, c2);
            ASSERT_EQ(back.board, game.position().board);
            ASSERT_EQ(back.ToPlay, game.state().ToPlay);
            ASSERT_EQ(back.MovesMade, game.state().MovesMade);
            if (squares.empty()) {
                ++ended;
                break;
            }
            auto it = squares.begin();
            std::advance(it, random() % squares.size());
            game.pressSquare(*it / 8 + 1, *it % 8 + 1);
            const Position next = play(ours.position, *it);
            ours = fromGame(game.position(), c1, c2);
            ASSERT_TRUE(ours.ok()) << ours.error;
            ASSERT_EQ(ours.position, next) << "after " << squareName(*it);
        }
    }
    EXPECT_GT(positions, 4000);
    EXPECT_EQ(ended, 80);
}

TEST(AnalysisConversion, RefusesWhatIsNotAPositionOfTheseColours) {
    marvane::Position shown = toGame(startPosition(), 1, 2);
    EXPECT_FALSE(fromGame(shown, 3, 4).ok());  // the board holds other colours
    EXPECT_FALSE(fromGame(shown, 1, 1).ok());
    shown.ToPlay = 5;
    EXPECT_FALSE(fromGame(shown, 1, 2).ok());
}

TEST(AnalysisOrientation, MirroringOurStartGivesTheUsualOne) {
    const PositionReading usual =
        readPosition("---------------------------OX------XO--------------------------- X");
    ASSERT_TRUE(usual.ok()) << usual.error;
    EXPECT_EQ(mirrored(startPosition()), usual.position);
    EXPECT_EQ(mirrored(usual.position), startPosition());
    EXPECT_EQ(squareName(mirroredSquare(squareFromName("a2"))), "h2");
}

TEST(AnalysisText, ReadsTestSetLinesAndRefusesBrokenOnes) {
    const std::string good =
        "43 --XXXXX---XXXX---OOOXX---OOXXXX--OOXXXO-OOOOXOO----XOX----XXXXX- O 23 g3/c7 -12";
    const TestReading r = readTestLine(good);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.test.number, 43);
    EXPECT_EQ(r.test.position.toMove, Side::Second);
    EXPECT_EQ(r.test.bestSquares, (std::vector<int>{squareFromName("g3"), squareFromName("c7")}));
    EXPECT_EQ(r.test.score, -12);
    EXPECT_EQ(writeTestLine(r.test), good);

    const std::string board = "--XXXXX---XXXX---OOOXX---OOXXXX--OOXXXO-OOOOXOO----XOX----XXXXX-";
    for (const std::string& bad : {
             "43 " + board + " O 22 g3 -12",            // wrong number of empties
             "43 " + board + " Z 23 g3 -12",            // no such side
             "43 " + board.substr(1) + " O 23 g3 -12",  // 63 squares
             "43 " + board + " O 23 a1 -12",            // not a legal square
             "43 " + board + " O 23 g3 12",             // unsigned score
             "43 " + board + " O 23 g3 -99",            // impossible score
             "43 " + board + " O 23 g3 -12 extra",
             "x " + board + " O 23 g3 -12",
         })
        EXPECT_FALSE(readTestLine(bad).ok()) << bad;
    const TestSetReading set = readTestSet("# comment\n\n" + good + "\nnonsense\n");
    EXPECT_EQ(set.error.rfind("Line 4:", 0), 0u) << set.error;
}

}  // namespace
