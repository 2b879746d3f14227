// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/game.h"
#include "engine/legalsquares.h"
#include "tests/engine/recordingview.h"
#include "tests/engine/screen.h"

namespace marvane::test {
namespace {

// A game between White (1) and Black (2), just started; the computer plays at the Hard level.
class Undo : public ::testing::Test {
protected:
    Undo() : game(view, [] { return std::int64_t{0}; }) {
        game.setColours(1, 2);
        game.setPlayerCount(2);
        game.setEasyLevel(false);  // Hard
        game.newGame();
    }
    Screen screen() const { return screenOf(game, view); }
    // The response delay expires: it stops, then the computer takes one turn.
    void fireResponseDelay() {
        ASSERT_TRUE(view.armed);
        view.armed = false;
        game.computerTurn();
    }
    // Undo or redo, checking that going back and forth in the game makes no sound.
    void undo() {
        silently([this] { game.undo(); });
    }
    void redo() {
        silently([this] { game.redo(); });
    }
    void silently(const std::function<void()>& command) {
        view.log.clear();
        command();
        EXPECT_TRUE(view.sounds().empty());
    }
    // One empty square left, at (1,8), which White fills by closing off the Black line to its left.
    void oneSquareLeft() {
        setPosition(game, {"WBBBBBB.",  //
                           "WWWWWWWW",  //
                           "WWWWWWWW",  //
                           "WWWWWWWW",  //
                           "WWWWWWWW",  //
                           "BBBBBBBB",  //
                           "BBBBBBBB",  //
                           "BBBBBBBB"});
        GameTesting::setMovesMade(game, 59);
    }

    PictureView view;
    Game game;
};

TEST_F(Undo, TakesBackOneMoveInATwoPersonGameAndRedoBringsItBackAsFirstShown) {
    const Screen start = screen();
    game.pressSquare(3, 5);
    const Screen afterWhite = screen();
    game.pressSquare(3, 4);
    const Screen afterBlack = screen();
    ASSERT_EQ(game.state().MovesMade, 2);

    undo();
    EXPECT_EQ(screen(), afterWhite);
    EXPECT_EQ(game.state().ToPlay, 2);  // Black's move was taken back: Black plays again
    undo();
    EXPECT_EQ(screen(), start);
    EXPECT_FALSE(game.canUndo());
    undo();  // nothing left to take back
    EXPECT_EQ(screen(), start);

    redo();
    EXPECT_EQ(screen(), afterWhite);
    redo();
    EXPECT_EQ(screen(), afterBlack);
    EXPECT_FALSE(game.canRedo());
}

TEST_F(Undo, RepaintsOnlyTheSquaresThatChange) {
    game.pressSquare(3, 5);  // places (3,5) and captures (4,5)
    view.paints = 0;
    undo();
    EXPECT_EQ(view.paints, 2);
    EXPECT_EQ(view.picture.cell(3, 5), 0);
    EXPECT_EQ(view.picture.cell(4, 5), 2);
}

TEST_F(Undo, AgainstTheComputerTakesBackTheReplyAndTheMoveItAnswered) {
    game.setPlayerCount(1);
    const Screen start = screen();
    game.pressSquare(3, 5);
    fireResponseDelay();
    const Screen afterReply = screen();
    ASSERT_EQ(game.state().MovesMade, 2);

    undo();
    EXPECT_EQ(screen(), start);
    EXPECT_EQ(game.state().ToPlay, game.state().C1);
    EXPECT_FALSE(view.armed);

    redo();  // the move and its reply come back together
    EXPECT_EQ(screen(), afterReply);
    EXPECT_FALSE(view.armed);  // the reply is already there: nothing to wait for
}

TEST_F(Undo, CancelsAComputerReplyThatIsStillWaiting) {
    game.setPlayerCount(1);
    const Screen start = screen();
    game.pressSquare(3, 5);
    ASSERT_TRUE(view.armed);

    undo();
    EXPECT_FALSE(view.armed);
    EXPECT_EQ(screen(), start);

    // Redo brings the move back, and with it the wait for the computer's answer.
    redo();
    EXPECT_TRUE(view.armed);
    fireResponseDelay();
    EXPECT_EQ(game.state().MovesMade, 2);
}

TEST_F(Undo, AComputerTurnQueuedBeforeAnUndoDoesNotPlayIntoTheRestoredPosition) {
    game.setPlayerCount(1);
    const Screen start = screen();
    bool once = true;
    // While White's move is worked out, Ctrl+Z comes first, then the response delay expires.
    view.onPump = [&] {
        if (!once) return;
        once = false;
        game.undo();
        game.computerTurn();
    };
    game.pressSquare(3, 5);
    EXPECT_EQ(screen(), start);
    EXPECT_FALSE(view.armed);
    EXPECT_FALSE(game.moveInProgress());
}

TEST_F(Undo, WaitsForTheMoveInProgress) {
    bool once = true;
    view.onPump = [&] {
        if (!once) return;
        once = false;
        game.undo();
        EXPECT_EQ(game.board(3, 5), 0);  // not yet: the move is still being worked out
    };
    const Screen start = screen();
    game.pressSquare(3, 5);
    EXPECT_EQ(screen(), start);
    EXPECT_TRUE(game.canRedo());
}

TEST_F(Undo, AfterTheLastMoveFilledTheBoardReturnsToThePositionBeforeIt) {
    oneSquareLeft();
    const Screen before = screen();
    game.pressSquare(1, 8);
    ASSERT_EQ(game.state().MovesMade, 60);
    ASSERT_EQ(view.box(Box::MessageBox), "White Wins");
    const Screen ended = screen();

    undo();
    EXPECT_EQ(screen(), before);
    EXPECT_TRUE(view.goBoxVisible);
    EXPECT_EQ(view.box(Box::MessageBox), "Position Your Piece");
    redo();
    EXPECT_EQ(screen(), ended);
}

TEST_F(Undo, AfterASideWithoutALegalSquareEndedTheGameReturnsToThePositionBeforeTheEnd) {
    // White to play and no White counter can close off a line.
    setPosition(game, {"........",  //
                       "........",  //
                       "...BB...",  //
                       "...BB...",  //
                       "........",  //
                       "........",  //
                       "........",  //
                       "........"});
    const Screen before = screen();
    game.pressSquare(1, 1);
    ASSERT_TRUE(game.state().GameOver);
    ASSERT_FALSE(view.goBoxVisible);
    const Screen ended = screen();

    undo();
    EXPECT_EQ(screen(), before);
    EXPECT_FALSE(game.state().GameOver);
    EXPECT_TRUE(view.goBoxVisible);
    redo();
    EXPECT_EQ(screen(), ended);
}

TEST_F(Undo, AgainstTheComputerAnEndAtTheComputersTurnGoesBackWithTheMoveBeforeIt) {
    game.setPlayerCount(1);
    // White's move at (4,1) takes (4,2); Black then has no counter left to move with.
    setPosition(game, {"........",  //
                       "........",  //
                       "........",  //
                       ".BW.....",  //
                       "........",  //
                       "........",  //
                       "........",  //
                       "........"});
    const Screen before = screen();
    game.pressSquare(4, 1);
    fireResponseDelay();
    ASSERT_TRUE(game.state().GameOver);
    EXPECT_EQ(view.box(Box::MessageBox), "White Wins");

    undo();
    EXPECT_EQ(screen(), before);
}

TEST_F(Undo, TakesBackFinishAsOneStep) {
    game.pressSquare(3, 5);
    const Screen beforeFinish = screen();
    game.finish();
    game.finish();  // announced twice, but the game ended only once
    const Screen finished = screen();
    ASSERT_FALSE(view.goBoxVisible);

    undo();
    EXPECT_EQ(screen(), beforeFinish);
    EXPECT_EQ(game.state().MovesMade, 1);
    redo();
    EXPECT_EQ(screen(), finished);
}

TEST_F(Undo, ReturnsToExactlyWhatWasShownBeforeTheMoveEvenAfterARefusedPress) {
    game.pressSquare(3, 5);
    game.pressSquare(1, 1);  // refused: the move count box now reads 1 instead of 0
    const Screen beforeMove = screen();
    ASSERT_EQ(view.box(Box::MoveBox), "1");
    game.pressSquare(3, 4);
    undo();
    EXPECT_EQ(screen(), beforeMove);
}

TEST_F(Undo, IsRefusedDuringAutoplay) {
    game.pressSquare(3, 5);
    int waits = 0;
    bool refused = false;
    view.onWait = [&] {
        if (++waits == 5) {
            const Screen during = screen();
            EXPECT_FALSE(game.canUndo());
            EXPECT_FALSE(game.canRedo());
            game.undo();
            game.goToStep(0);
            game.autoplay();  // a second Autoplay would restart the game inside the first
            GameRecord record;
            record.moves = {{3, 5}};
            EXPECT_FALSE(game.replay(record).ok());
            refused = screen() == during;
        }
        if (view.armed) {
            view.armed = false;
            game.computerTurn();
        }
    };
    game.autoplay();
    EXPECT_TRUE(refused);
    ASSERT_TRUE(game.state().MovesMade == 60 || game.state().GameOver);
    // Once the loop has ended, the computer's moves can be taken back one by one.
    EXPECT_FALSE(game.autoplaying());
    const std::size_t steps = game.history().current();
    undo();
    EXPECT_EQ(game.history().current(), steps - 1);
}

TEST_F(Undo, ANewMoveDropsWhatCouldHaveBeenRedone) {
    game.pressSquare(3, 5);
    game.pressSquare(3, 4);
    undo();
    undo();
    ASSERT_TRUE(game.canRedo());
    game.pressSquare(5, 3);
    EXPECT_FALSE(game.canRedo());
    EXPECT_EQ(game.history().steps().size(), 2u);
    redo();
    EXPECT_EQ(game.board(5, 3), 1);
    EXPECT_EQ(game.board(3, 5), 0);
}

TEST_F(Undo, ANewGameBeginsANewHistory) {
    game.pressSquare(3, 5);
    game.newGame();
    EXPECT_FALSE(game.canUndo());
    EXPECT_EQ(game.history().steps().size(), 1u);
    EXPECT_FALSE(game.lastMove().has_value());
}

TEST_F(Undo, GoesToAnyStepAndBack) {
    game.pressSquare(3, 5);
    const Screen one = screen();
    game.pressSquare(3, 4);
    game.pressSquare(2, 3);
    const Screen three = screen();
    game.goToStep(1);
    EXPECT_EQ(screen(), one);
    game.goToStep(3);
    EXPECT_EQ(screen(), three);
    game.goToStep(9);  // no such step
    EXPECT_EQ(screen(), three);
}

// Against the computer the list, undo and redo land on the same positions: those where the
// person is to play. A position where the person's move waits for the computer's recorded reply
// gives way in the direction of travel.
TEST_F(Undo, AgainstTheComputerTheListLandsWhereUndoAndRedoLand) {
    game.setPlayerCount(1);
    for (int turn = 0; turn < 3; ++turn) {
        const auto legal = game.legalSquares();
        game.pressSquare(legal.front().row, legal.front().column);
        fireResponseDelay();
    }
    ASSERT_EQ(game.history().current(), 6u);
    std::vector<std::size_t> byUndo{6};
    while (game.canUndo()) {
        undo();
        byUndo.push_back(game.history().current());
    }
    EXPECT_EQ(byUndo, (std::vector<std::size_t>{6, 4, 2, 0}));
    const struct {
        std::size_t from, asked, landed;
    } steps[] = {{6, 5, 4}, {6, 3, 2}, {0, 1, 2}, {2, 5, 6}, {4, 4, 4}, {6, 2, 2}};
    for (const auto& step : steps) {
        game.goToStep(step.from);
        game.goToStep(step.asked);
        EXPECT_EQ(game.history().current(), step.landed) << step.from << " to " << step.asked;
        EXPECT_EQ(game.state().ToPlay, game.state().C1);
        EXPECT_FALSE(view.armed) << "the reply is recorded: nothing to wait for";
    }
}

TEST_F(Undo, LastMoveFollowsMovesUndoAndFinish) {
    EXPECT_FALSE(game.lastMove().has_value());
    game.pressSquare(3, 5);
    EXPECT_EQ(game.lastMove(), (Square{3, 5}));
    game.pressSquare(3, 4);
    EXPECT_EQ(game.lastMove(), (Square{3, 4}));
    game.finish();
    EXPECT_EQ(game.lastMove(), (Square{3, 4}));
    undo();
    undo();
    EXPECT_EQ(game.lastMove(), (Square{3, 5}));
    undo();
    EXPECT_FALSE(game.lastMove().has_value());
}

TEST_F(Undo, HistoryKnowsWhoPlayedWhatAndWhere) {
    game.setPlayerCount(1);
    game.pressSquare(3, 5);
    fireResponseDelay();
    game.finish();
    const auto& steps = game.history().steps();
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].kind, StepKind::Start);
    EXPECT_EQ(steps[1].kind, StepKind::Move);
    EXPECT_EQ(steps[1].actor, Actor::Person);
    EXPECT_EQ(steps[1].square, (Square{3, 5}));
    EXPECT_EQ(steps[1].side, 1);
    EXPECT_EQ(steps[2].actor, Actor::Computer);
    EXPECT_EQ(steps[2].side, 2);
    EXPECT_EQ(steps[2].square, (Square{3, 4}));
    EXPECT_EQ(steps[3].kind, StepKind::Finish);
    EXPECT_EQ(game.history().current(), 3u);
}

TEST(LegalSquares, AreTheFourCentreNeighboursAtTheStartAndNoneOnAFullLine) {
    Grid<ColourCode> board;
    board.cell(4, 4) = board.cell(5, 5) = 1;
    board.cell(4, 5) = board.cell(5, 4) = 2;
    EXPECT_EQ(legalSquares(board, 1, 2), (std::vector<Square>{{3, 5}, {4, 6}, {5, 3}, {6, 4}}));
    // A line that runs to the edge, or ends in an empty square, closes nothing off.
    Grid<ColourCode> edge;
    edge.cell(1, 1) = 2;
    edge.cell(1, 2) = 2;
    edge.cell(3, 3) = 2;
    EXPECT_TRUE(legalSquares(edge, 1, 2).empty());
}

}  // namespace
}  // namespace marvane::test
