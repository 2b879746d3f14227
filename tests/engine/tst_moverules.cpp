// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/game.h"
#include "tests/engine/recordingview.h"

namespace marvane::test {
namespace {

using MoveRules = GameTest;

TEST_F(MoveRules, NewGameSetsUpTheCentreAndClearsTheScoreBoxes) {
    EXPECT_EQ(game.board(4, 4), 1);
    EXPECT_EQ(game.board(5, 5), 1);
    EXPECT_EQ(game.board(4, 5), 2);
    EXPECT_EQ(game.board(5, 4), 2);
    EXPECT_EQ(occupied(game), 4);
    EXPECT_EQ(game.state().ToPlay, 1);
    EXPECT_EQ(game.state().Opponent, 2);
    EXPECT_EQ(view.box(Box::MessageBox), "Position Your Piece");
    EXPECT_EQ(view.box(Box::GoBox), "White");
    EXPECT_TRUE(view.goBoxVisible);
    EXPECT_EQ(view.box(Box::remain), "60");
    EXPECT_EQ(view.box(Box::MoveBox), "");
    EXPECT_EQ(view.box(Box::WhiteScore), "");
    EXPECT_EQ(view.box(Box::BlackScore), "");
    EXPECT_EQ(view.box(Box::Edit3), "");
    EXPECT_EQ(view.box(Box::C1Lab), "White");
    EXPECT_EQ(view.box(Box::c2lab), "Black");
}

TEST_F(MoveRules, NewGameWipesEverySquareBeforePlacingTheFourCounters) {
    game.newGame();
    ASSERT_EQ(view.log.size(), 64u + 4u + 10u);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(view.log[i],
                  "paint " + std::to_string(i / 8 + 1) + "," + std::to_string(i % 8 + 1) + "=0");
    EXPECT_EQ(view.log[64], "paint 4,4=1");
    EXPECT_EQ(view.log[65], "paint 4,5=2");
    EXPECT_EQ(view.log[66], "paint 5,4=2");
    EXPECT_EQ(view.log[67], "paint 5,5=1");
}

TEST_F(MoveRules, StartingPositionHasFourLegalSquaresWorthOneEach) {
    ASSERT_TRUE(GameTesting::findLegalMoves(game));
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            const bool legal = (r == 3 && c == 5) || (r == 4 && c == 6) || (r == 5 && c == 3) ||
                               (r == 6 && c == 4);
            EXPECT_EQ(game.moveValue(r, c), legal ? 1 : 0) << r << "," << c;
        }
    EXPECT_FALSE(anyMark(game));
}

TEST_F(MoveRules, MoveCapturingInSeveralDirectionsRecoloursThemAllAndSumsTheWonCount) {
    // (4,4) closes off 2 upwards, 1 to the right and 3 down to the right.
    setPosition(game, {"...W....",  //
                       "...B....",  //
                       "...B....",  //
                       "....BW..",  //
                       "....B...",  //
                       ".....B..",  //
                       "......B.",  //
                       ".......W"});
    ASSERT_TRUE(GameTesting::findLegalMoves(game));
    EXPECT_EQ(game.moveValue(4, 4), 3);  // the last capturing direction, not the sum
    view.log.clear();
    ASSERT_TRUE(GameTesting::tryMove(game, 4, 4));
    EXPECT_EQ(view.box(Box::Edit3), "6");
    EXPECT_EQ(game.state().LinesCaptured, 3);
    for (auto [row, col] : {std::pair{2, 4}, {3, 4}, {4, 5}, {5, 5}, {6, 6}, {7, 7}, {4, 4}})
        EXPECT_EQ(game.board(row, col), 1) << row << "," << col;
    EXPECT_EQ(game.board(5, 4), 0);
    // Edit3 grows direction by direction.
    const auto texts = view.withoutPaints();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Edit3=2"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Edit3=3"), texts.end());
}

TEST_F(MoveRules, EachDirectionIsRepaintedBeforeTheNextAndTheNewCounterComesLast) {
    // (5,5) closes off 3 upwards, then 1 down to the right: it is worth 1 to the computer.
    setPosition(game, {"....W...",  //
                       "....B...",  //
                       "....B...",  //
                       "....B...",  //
                       "........",  //
                       ".....B..",  //
                       "......W.",  //
                       "........"});
    ASSERT_TRUE(GameTesting::findLegalMoves(game));
    EXPECT_EQ(game.moveValue(5, 5), 1);
    view.log.clear();
    ASSERT_TRUE(GameTesting::tryMove(game, 5, 5));
    EXPECT_EQ(view.box(Box::Edit3), "4");
    const auto& log = view.log;
    auto at = [&](const std::string& s) {
        return std::find(log.begin(), log.end(), s) - log.begin();
    };
    EXPECT_LT(at("paint 2,5=1"), at("Edit3=4"));
    EXPECT_LT(at("Edit3=4"), at("paint 6,6=1"));
    EXPECT_LT(at("paint 6,6=1"), at("paint 5,5=1"));
    EXPECT_LT(at("paint 5,5=1"), at("remain=57"));
    EXPECT_LT(at("remain=57"), at("GoBox=Black"));
}

TEST_F(MoveRules, RefusalsChangeNothingButTheMoveBox) {
    GameTesting::tryMove(game, 3, 5);  // one real move so that Edit3 has a value to keep
    ASSERT_EQ(view.box(Box::Edit3), "1");
    struct Case {
        int row, column;
        std::vector<std::string> sounds;
    };
    for (const Case& refused : {Case{4, 4, {"FullSound", "BadSound"}}, Case{1, 1, {"BadSound"}}}) {
        const auto before = game.state();
        Grid<ColourCode> board;
        for (int row = 1; row <= 8; ++row)
            for (int col = 1; col <= 8; ++col) board.cell(row, col) = game.board(row, col);
        view.log.clear();
        game.pressSquare(refused.row, refused.column);
        EXPECT_EQ(view.sounds(), refused.sounds);
        EXPECT_EQ(view.box(Box::MoveBox), "1");
        EXPECT_EQ(view.box(Box::Edit3), "1");
        EXPECT_EQ(game.state().ToPlay, before.ToPlay);
        EXPECT_EQ(game.state().Opponent, before.Opponent);
        EXPECT_EQ(game.state().MovesMade, before.MovesMade);
        EXPECT_EQ(game.state().LinesCaptured, 0);
        EXPECT_FALSE(anyMark(game));
        for (int row = 1; row <= 8; ++row)
            for (int col = 1; col <= 8; ++col)
                EXPECT_EQ(game.board(row, col), board.cell(row, col));
        for (const auto& line : view.log) EXPECT_NE(line.rfind("paint", 0), 0u) << line;
    }
}

TEST_F(MoveRules, SixtyMovesRefusesAfterShowingTheScores) {
    GameTesting::setMovesMade(game, 60);
    EXPECT_FALSE(GameTesting::tryMove(game, 3, 5));
    EXPECT_EQ(view.withoutPaints(),
              (std::vector<std::string>{"MoveBox=60", "remain=60", "BlackScore=2", "WhiteScore=2",
                                        "GoBox hidden", "WonSound", "MessageBox=It's a Draw"}));
}

TEST_F(MoveRules, MoveBoxShowsTheCountBeforeTheAttempt) {
    ASSERT_TRUE(GameTesting::tryMove(game, 3, 5));
    EXPECT_EQ(view.box(Box::MoveBox), "0");
    EXPECT_EQ(game.state().MovesMade, 1);
    EXPECT_FALSE(GameTesting::tryMove(game, 1, 1));
    EXPECT_EQ(view.box(Box::MoveBox), "1");
}

TEST_F(MoveRules, LinesRunningToTheEdgeOrToAnEmptySquareCaptureNothingAndLeaveNoMark) {
    setPosition(game, {"........",  //
                       "........",  //
                       "........",  //
                       "...BBBBB",  //
                       "........",  //
                       "...B....",  //
                       "...B....",  //
                       "........"});
    EXPECT_EQ(GameTesting::scanLine(game, 4, 3, 0, 1), 0);  // runs off the right edge
    EXPECT_TRUE(game.marked(4, 8));  // ScanLine leaves its marks for the caller
    GameTesting::clearMarks(game);
    EXPECT_EQ(GameTesting::scanLine(game, 5, 4, 1, 0), 0);  // ends in the empty square (8,4)
    GameTesting::clearMarks(game);
    view.log.clear();
    EXPECT_FALSE(GameTesting::tryMove(game, 4, 3));
    EXPECT_FALSE(GameTesting::tryMove(game, 5, 4));
    EXPECT_FALSE(anyMark(game));
    EXPECT_EQ(game.board(4, 4), 2);
    EXPECT_EQ(GameTesting::scanLine(game, 5, 5, 0, 0), 0);  // the direction (0,0) never captures
}

TEST_F(MoveRules, PressWithNoLegalSquareEndsTheGameEvenIfTheOtherSideCouldMove) {
    // White to play has no capture anywhere; Black could capture at (1,3).
    setPosition(game, {"BW......",  //
                       "........",  //
                       "........",  //
                       "........",  //
                       "........",  //
                       "........",  //
                       "........",  //
                       "........"});
    view.log.clear();
    game.pressSquare(8, 8);
    EXPECT_EQ(game.state().GameOver, 1);
    EXPECT_EQ(view.withoutPaints(),
              (std::vector<std::string>{"remain=62", "BlackScore=1", "WhiteScore=1", "GoBox hidden",
                                        "WonSound", "MessageBox=It's a Draw"}));
    // Game over is not a locked state: the next press announces again.
    view.log.clear();
    game.pressSquare(8, 8);
    EXPECT_EQ(view.sounds(), std::vector<std::string>{"WonSound"});
}

TEST_F(MoveRules, FinishAnnouncesTheResultEachTimeItIsPressed) {
    game.finish();
    EXPECT_EQ(view.box(Box::MessageBox), "It's a Draw");
    EXPECT_EQ(view.box(Box::WhiteScore), "2");
    EXPECT_EQ(view.box(Box::BlackScore), "2");
    EXPECT_EQ(view.box(Box::remain), "60");
    EXPECT_FALSE(view.goBoxVisible);
    game.finish();
    EXPECT_EQ(view.sounds(), (std::vector<std::string>{"WonSound", "WonSound"}));
    // Moves stay possible after "finish", and each one announces anew.
    view.log.clear();
    game.pressSquare(3, 5);
    EXPECT_EQ(view.box(Box::MessageBox), "White Wins");
    EXPECT_EQ(view.sounds(), (std::vector<std::string>{"WonSound", "OKSound"}));
    EXPECT_EQ(view.box(Box::GoBox), "Black");
    EXPECT_FALSE(view.goBoxVisible);
}

TEST_F(MoveRules, LastMoveRequestsWonBeforeOk) {
    // Fill the board but (1,1), which White takes by closing off (1,2).
    std::vector<std::string> rows(8, std::string(8, 'W'));
    rows[0] = ".BW" + std::string(5, 'W');
    setPosition(game, rows);
    GameTesting::setMovesMade(game, 59);
    view.log.clear();
    game.pressSquare(1, 1);
    EXPECT_EQ(game.state().MovesMade, 60);
    EXPECT_EQ(view.sounds(), (std::vector<std::string>{"WonSound", "OKSound"}));
    EXPECT_EQ(view.box(Box::MessageBox), "White Wins");
    EXPECT_EQ(view.box(Box::remain), "0");
    EXPECT_EQ(view.box(Box::MoveBox), "59");
}

TEST_F(MoveRules, ColourSchemeNamesTheSidesAndTheWinner) {
    game.setColours(3, 4);
    game.newGame();
    EXPECT_EQ(view.box(Box::GoBox), "Red");
    EXPECT_EQ(view.box(Box::c2lab), "Green");
    game.setColours(5, 6);
    game.newGame();
    GameTesting::tryMove(game, 3, 5);
    game.finish();
    EXPECT_EQ(view.box(Box::MessageBox), "Cyan Wins");
}

TEST_F(MoveRules, RandomGamesKeepTheInvariantsAtEveryStep) {
    std::mt19937 rng(12345);
    int finished = 0;
    for (int games = 0; games < 3000; ++games) {
        game.newGame();
        for (int step = 0; step < 200 && !game.state().GameOver && game.state().MovesMade < 60;
             ++step) {
            // Mostly legal squares, sometimes any square, so that refusals are exercised too.
            // The same search the press starts with: it must leave every mark clear for tryMove.
            int r = static_cast<int>(rng() % 8) + 1, c = static_cast<int>(rng() % 8) + 1;
            const bool anyLegal = GameTesting::findLegalMoves(game);
            ASSERT_FALSE(anyMark(game));
            if (anyLegal && rng() % 5 != 0) {
                std::vector<std::pair<int, int>> legal;
                for (int row = 1; row <= 8; ++row)
                    for (int col = 1; col <= 8; ++col)
                        if (game.moveValue(row, col) > 0) legal.emplace_back(row, col);
                std::tie(r, c) = legal[rng() % legal.size()];
            }
            const auto before = game.state();
            game.pressSquare(r, c);
            const auto& s = game.state();
            const bool moved = s.MovesMade == before.MovesMade + 1;
            ASSERT_TRUE(moved || s.MovesMade == before.MovesMade);
            ASSERT_EQ(occupied(game), s.MovesMade + 4);
            ASSERT_TRUE((s.ToPlay == 1 && s.Opponent == 2) || (s.ToPlay == 2 && s.Opponent == 1));
            ASSERT_EQ(s.ToPlay != before.ToPlay, moved);
            if (!moved) {
                ASSERT_FALSE(anyMark(game));  // a refusal leaves every mark clear
            }
            if (moved) {
                ASSERT_EQ(std::stoi(view.box(Box::remain)) + std::stoi(view.box(Box::WhiteScore)) +
                              std::stoi(view.box(Box::BlackScore)),
                          64);
            }
        }
        finished += game.state().GameOver || game.state().MovesMade == 60;
        view.log.clear();
    }
    EXPECT_GT(finished, 2900);  // the presses really played games to their end
}

}  // namespace
}  // namespace marvane::test
