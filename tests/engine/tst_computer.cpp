// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "engine/game.h"
#include "tests/engine/recordingview.h"

namespace marvane::test {
namespace {

class ComputerPlayer : public GameTest {
protected:
    // The response delay expires: it stops, then the computer takes one turn.
    void fireResponseDelay() {
        if (!view.armed) return;
        view.armed = false;
        game.computerTurn();
    }
    // Plays the computer's reply and returns the square it filled.
    std::pair<int, int> computerReply() {
        Grid<ColourCode> before;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) before.cell(r, c) = game.board(r, c);
        GameTesting::computerMove(game);
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                if (before.cell(r, c) == 0 && game.board(r, c) != 0) return {r, c};
        return {0, 0};
    }
    // Starts the Easy walk at (8,8) in a position whose only legal square for White is (7,8),
    // the very last of the 64 squares the walk tries.
    void setUpTheLongestWalk() {
        for (now = 0; game.randomSquare().row() != 8 || game.randomSquare().column() != 8; ++now)
            ASSERT_LT(now, 1'000'000);
        setPosition(game, {"W.......", "........", "........", "........",  //
                           ".......W", ".......B", "........", ".......W"});
        view.log.clear();
    }
    // How many moves have been tried so far, from the move box written at each attempt.
    int attemptsLogged() const {
        return static_cast<int>(
            std::count_if(view.log.begin(), view.log.end(),
                          [](const std::string& s) { return s.rfind("MoveBox=", 0) == 0; }));
    }
};

TEST(RandomSquareGenerator, FirstDrawsFromTheZeroState) {
    const std::vector<int> expected = {1, 1, 7, 2, 3, 6, 3, 2, 3, 4, 1, 4};
    for (std::size_t n = 1; n <= expected.size(); ++n)
        EXPECT_EQ(RandomSquare::valueOf(RandomSquare::stateAfter(n)), expected[n - 1]) << n;
}

TEST(RandomSquareGenerator, IsValidBeforeTheFirstTick) {
    std::int64_t now = 0;
    RandomSquare square([&] { return now; });
    for (now = 0; now < 5; ++now) EXPECT_EQ(square.row(), 1);
    for (now = 0; now < 11; ++now) EXPECT_EQ(square.column(), 1);
}

// The jump-ahead must give exactly what two real timers drawing tick by tick would hold,
// the row timer drawing first when both fall on the same millisecond.
TEST(RandomSquareGenerator, MatchesATickByTickSimulationOverLongSpans) {
    std::int64_t now = 0;
    RandomSquare square([&] { return now; });
    std::uint32_t state = 0;
    int row = 1, column = 1;
    auto draw = [&] {
        state = state * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(state) * 8u) >> 32u) + 1;
    };
    for (now = 1; now <= 400'000; ++now) {
        if (now % 5 == 0) row = draw();
        if (now % 11 == 0) column = draw();
        ASSERT_EQ(square.row(), row) << now;
        ASSERT_EQ(square.column(), column) << now;
    }
    // Three days of ticks, simulated without the per-millisecond check.
    const std::int64_t end = 3LL * 24 * 3600 * 1000;
    for (; now <= end; ++now) {
        if (now % 5 == 0) row = draw();
        if (now % 11 == 0) column = draw();
    }
    now = end;
    EXPECT_EQ(square.row(), row);
    EXPECT_EQ(square.column(), column);
}

TEST_F(ComputerPlayer, HardPlaysTheBestSquareWithTiesToTheLowestRowThenColumn) {
    game.setEasyLevel(false);
    int r = 0, c = 0;
    ASSERT_TRUE(GameTesting::chooseBestSquare(game, r, c));
    EXPECT_EQ(std::make_pair(r, c), std::make_pair(3, 5));  // a four-way tie of squares worth 1
}

// The window's Expert Hard hands the game its square; a square the position no longer allows
// must not be played, nor leave the computer's turn unplayed, and Easy stays as designed.
TEST_F(ComputerPlayer, AChosenSquareIsPlayedAtHardOnlyWhenItIsLegal) {
    struct Case {
        bool easy;
        std::optional<Square> chosen;
        std::pair<int, int> played;  // {0, 0}: what the level plays with no square given
    };
    const Case cases[] = {
        {false, Square{6, 4}, {6, 4}},  // legal: played instead of the designed (3,5)
        {false, Square{1, 1}, {3, 5}},  // empty but captures nothing: the designed choice
        {false, Square{4, 4}, {3, 5}},  // occupied
        {false, Square{9, 0}, {3, 5}},  // off the board
        {true, Square{6, 4}, {0, 0}},   // Easy ignores it
    };
    for (const Case& c : cases) {
        game.setEasyLevel(c.easy);
        game.newGame();
        const auto designed = computerReply();
        game.newGame();
        Grid<ColourCode> before;
        for (int r = 1; r <= 8; ++r)
            for (int col = 1; col <= 8; ++col) before.cell(r, col) = game.board(r, col);
        GameTesting::computerMove(game, c.chosen);
        std::pair<int, int> played{0, 0};
        for (int r = 1; r <= 8; ++r)
            for (int col = 1; col <= 8; ++col)
                if (before.cell(r, col) == 0 && game.board(r, col) != 0) played = {r, col};
        EXPECT_EQ(played, c.played == std::make_pair(0, 0) ? designed : c.played)
            << c.easy << " " << c.chosen->row << "," << c.chosen->column;
        EXPECT_EQ(game.state().MovesMade, 1);
    }
}

TEST_F(ComputerPlayer, HardSelfPlayOpensWithTheKnownEightMoves) {
    game.setEasyLevel(false);
    const std::vector<std::pair<int, int>> squares = {{3, 5}, {3, 4}, {2, 3}, {2, 4},
                                                      {1, 3}, {1, 2}, {6, 4}, {5, 6}};
    const std::vector<std::string> won = {"1", "1", "1", "1", "1", "1", "3", "2"};
    for (std::size_t i = 0; i < squares.size(); ++i) {
        EXPECT_EQ(computerReply(), squares[i]) << "move " << i + 1;
        EXPECT_EQ(view.box(Box::Edit3), won[i]) << "move " << i + 1;
    }
    // The computer's moves request neither OK nor Bad.
    EXPECT_TRUE(view.sounds().empty());
}

TEST_F(ComputerPlayer, OnePlayerRepliesOneIntervalAfterEachHumanMove) {
    game.setPlayerCount(1);
    game.pressSquare(3, 5);
    EXPECT_TRUE(view.armed);
    EXPECT_EQ(game.state().ToPlay, 2);
    fireResponseDelay();
    EXPECT_EQ(game.state().MovesMade, 2);
    EXPECT_EQ(game.state().ToPlay, 1);  // the computer moved for Black

    // A press during the interval plays for the side to play; the computer then moves for White.
    int r, c;
    ASSERT_TRUE(GameTesting::chooseBestSquare(game, r, c));
    game.pressSquare(r, c);  // White
    ASSERT_TRUE(GameTesting::chooseBestSquare(game, r, c));
    game.pressSquare(r, c);  // Black, during the interval
    EXPECT_EQ(game.state().MovesMade, 4);
    EXPECT_EQ(game.state().ToPlay, 1);
    fireResponseDelay();
    EXPECT_EQ(game.state().MovesMade, 5);
    EXPECT_EQ(game.state().ToPlay, 2);  // the computer played White's move
    EXPECT_FALSE(view.armed);           // one arming, one turn
}

TEST_F(ComputerPlayer, TwoPlayerMovesNeverArmTheResponseDelay) {
    ASSERT_EQ(game.state().PlayerCount, 2);
    int r = 0, c = 0;
    for (int move = 0; move < 6; ++move) {
        ASSERT_TRUE(GameTesting::chooseBestSquare(game, r, c));
        game.pressSquare(r, c);
    }
    game.pressSquare(4, 4);  // occupied: refused
    EXPECT_EQ(game.state().MovesMade, 6);
    EXPECT_EQ(view.armCount, 0);
}

TEST_F(ComputerPlayer, NewGameBegunWhileTheDelayIsArmedOpensWithTheComputer) {
    game.setPlayerCount(1);
    game.pressSquare(3, 5);
    game.newGame();
    fireResponseDelay();
    EXPECT_EQ(game.state().MovesMade, 1);
    EXPECT_EQ(game.state().ToPlay, 2);
}

TEST_F(ComputerPlayer, TurnAfterAHumanFillsTheBoardAnnouncesTheResultAgain) {
    std::vector<std::string> rows(8, std::string(8, 'B'));
    rows[0] = ".BW" + std::string(5, 'B');
    setPosition(game, rows);
    GameTesting::setMovesMade(game, 59);
    game.setPlayerCount(1);
    game.pressSquare(1, 1);
    EXPECT_EQ(view.box(Box::MessageBox), "Black Wins");
    view.log.clear();
    fireResponseDelay();
    EXPECT_EQ(game.state().GameOver, 1);
    EXPECT_EQ(view.sounds(), std::vector<std::string>{"WonSound"});
    EXPECT_EQ(view.box(Box::MessageBox), "Black Wins");
}

TEST_F(ComputerPlayer, ComputerWithoutALegalSquareEndsTheGameEvenIfTheOtherSideCouldMove) {
    for (int level : {0, 1}) {
        game.setEasyLevel(!game.state().EasyLevel);  // Hard, then Easy
        ASSERT_EQ(game.state().EasyLevel, level);
        game.newGame();
        setPosition(game, {"BW......", "........", "........", "........",  //
                           "........", "........", "........", "........"});
        view.log.clear();
        GameTesting::computerMove(game);
        EXPECT_EQ(game.state().GameOver, 1) << level;
        EXPECT_EQ(view.box(Box::MessageBox), "It's a Draw") << level;
        EXPECT_EQ(view.sounds(), std::vector<std::string>{"WonSound"}) << level;
    }
}

TEST_F(ComputerPlayer, EasyWalksDownEachColumnAndWrapsOverAllSixtyFourSquares) {
    setUpTheLongestWalk();
    GameTesting::computerMove(game);
    EXPECT_EQ(game.board(7, 8), 1);
    EXPECT_EQ(game.board(6, 8), 1);
    EXPECT_EQ(attemptsLogged(), 64);
    // Occupied squares met on the way each request Full: (8,8), (1,1), (5,8), (6,8).
    EXPECT_EQ(view.sounds(), std::vector<std::string>(4, "FullSound"));
}

TEST_F(ComputerPlayer, EasyWalkLetsTheWindowProcessEventsBeforeEachAttempt) {
    setUpTheLongestWalk();
    // A line walk processes events too, but always with a capture mark set; the walk's own
    // processing comes between attempts, with none set.
    std::vector<int> attemptsBefore;
    view.onPump = [&] {
        if (!anyMark(game)) attemptsBefore.push_back(attemptsLogged());
    };
    GameTesting::computerMove(game);
    std::vector<int> everyAttempt(64);
    std::iota(everyAttempt.begin(), everyAttempt.end(), 0);
    EXPECT_EQ(attemptsBefore, everyAttempt);
}

TEST_F(ComputerPlayer, TheLevelAndThePlayersModeAreShownAsTheyChange) {
    game.setEasyLevel(false);
    EXPECT_EQ(game.state().EasyLevel, 0);
    EXPECT_FALSE(view.easy);
    game.setPlayerCount(1);
    EXPECT_EQ(view.players, 1);
}

TEST_F(ComputerPlayer, AutoplayPlaysAWholeGameAndTheLastArmingAnnouncesAgain) {
    for (int level : {0, 1}) {
        game.setEasyLevel(!game.state().EasyLevel);  // Hard, then Easy
        ASSERT_EQ(game.state().EasyLevel, level);
        int waits = 0;
        view.onWait = [&] {
            ++waits;
            now += 137;
            fireResponseDelay();
        };
        view.log.clear();
        game.autoplay();
        const auto& s = game.state();
        EXPECT_TRUE(s.MovesMade == 60 || s.GameOver) << level;
        EXPECT_GE(waits, s.MovesMade);
        EXPECT_NE(view.box(Box::MessageBox), "Position Your Piece");
        // The arming of the loop's last pass expires after the loop: one more announcement.
        ASSERT_TRUE(view.armed);
        view.log.clear();
        fireResponseDelay();
        const auto sounds = view.sounds();
        EXPECT_FALSE(std::find(sounds.begin(), sounds.end(), "WonSound") == sounds.end());
    }
}

TEST_F(ComputerPlayer, RestartDuringAutoplayStartsAGameThatAutoplayGoesOnPlaying) {
    game.setEasyLevel(false);
    int moves = 0, waits = 0;
    view.onWait = [&] {
        if (++waits == 10) game.newGame();
        const int before = game.state().MovesMade;
        fireResponseDelay();
        moves += game.state().MovesMade > before;
    };
    game.autoplay();
    EXPECT_TRUE(game.state().MovesMade == 60 || game.state().GameOver);
    EXPECT_GT(moves, game.state().MovesMade);  // moves of the dropped game came first
}

TEST_F(ComputerPlayer, ClosingTheWindowEndsAutoplayPromptly) {
    int waits = 0;
    view.onWait = [&] {
        if (++waits == 3) view.closing = true;
        fireResponseDelay();
    };
    game.autoplay();
    EXPECT_EQ(waits, 3);
    EXPECT_FALSE(game.state().GameOver);
}

}  // namespace
}  // namespace marvane::test
