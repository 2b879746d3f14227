// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/game.h"
#include "engine/unseenview.h"
#include "tests/engine/recordingview.h"

namespace marvane::test {
namespace {

// Working out a move lets the window process events, and a handler may then want the game.
class NestedActions : public GameTest {
protected:
    // Runs `inner` once, from the first event processing inside the next move.
    void duringTheNextMove(std::function<void()> inner) {
        pending = std::move(inner);
        view.onPump = [this] {
            if (!pending) return;
            auto run = std::move(pending);
            pending = nullptr;
            EXPECT_TRUE(game.moveInProgress());
            run();
        };
    }
    std::size_t position(const std::string& line) const {
        return static_cast<std::size_t>(std::find(view.log.begin(), view.log.end(), line) -
                                        view.log.begin());
    }

    std::function<void()> pending;
};

TEST_F(NestedActions, ABoardPressDuringAMoveIsIgnored) {
    duringTheNextMove([this] { game.pressSquare(5, 3); });
    game.pressSquare(3, 5);
    EXPECT_EQ(game.state().MovesMade, 1);
    EXPECT_EQ(game.board(5, 3), 0);
    EXPECT_EQ(view.sounds(), std::vector<std::string>{"OKSound"});
}

TEST_F(NestedActions, AComputerTurnFallingDueDuringAMoveRunsRightAfterIt) {
    game.setEasyLevel(false);
    duringTheNextMove([this] { game.computerTurn(); });
    game.pressSquare(3, 5);
    EXPECT_EQ(game.state().MovesMade, 2);  // White's press, then the computer for Black
    EXPECT_EQ(game.board(3, 4), 2);
    EXPECT_LT(position("OKSound"), position("paint 3,4=2"));
    EXPECT_FALSE(game.moveInProgress());
}

TEST_F(NestedActions, FinishDuringAMoveAnnouncesAfterTheMove) {
    duringTheNextMove([this] { game.finish(); });
    game.pressSquare(3, 5);
    EXPECT_EQ(view.sounds(), (std::vector<std::string>{"OKSound", "WonSound"}));
    EXPECT_EQ(view.box(Box::MessageBox), "White Wins");
    EXPECT_EQ(view.box(Box::WhiteScore), "4");
}

TEST_F(NestedActions, ANewGameDuringAMoveWaitsForTheMoveAndThenStartsClean) {
    duringTheNextMove([this] { game.newGame(); });
    game.pressSquare(3, 5);
    EXPECT_EQ(game.state().MovesMade, 0);
    EXPECT_EQ(occupied(game), 4);
    EXPECT_EQ(game.state().ToPlay, 1);
    EXPECT_LT(position("OKSound"), position("MessageBox=Position Your Piece"));
}

TEST_F(NestedActions, NewColoursChosenDuringAMoveWaitUntilTheMoveHasPassedTheTurn) {
    duringTheNextMove([this] {
        game.setColours(3, 4);
        game.newGame();
    });
    game.pressSquare(3, 5);
    EXPECT_LT(position("GoBox=Black"), position("GoBox=Red"));
    EXPECT_EQ(game.state().ToPlay, 3);
    EXPECT_EQ(game.state().Opponent, 4);
    EXPECT_EQ(game.board(4, 4), 3);
}

TEST_F(NestedActions, QueuedActionsRunInTheOrderTheyCameAndOnlyOnce) {
    std::vector<int> ran;
    duringTheNextMove([&] {
        game.whenIdle([&] { ran.push_back(1); });
        game.whenIdle([&] { ran.push_back(2); });
        EXPECT_TRUE(ran.empty());
    });
    GameTesting::findLegalMoves(game);  // a legal-move search counts as a move in progress
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    game.whenIdle([&] { ran.push_back(3); });  // idle: runs at once
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
}

TEST_F(NestedActions, AutoplayAskedForDuringAMoveStartsAfterIt) {
    game.setEasyLevel(false);
    view.onWait = [this] {
        if (view.armed) {
            view.armed = false;
            game.computerTurn();
        }
    };
    duringTheNextMove([this] { game.autoplay(); });
    game.pressSquare(3, 5);
    EXPECT_TRUE(game.state().MovesMade == 60 || game.state().GameOver);
    EXPECT_LT(position("OKSound"), position("MessageBox=Position Your Piece"));
}

// What a report of the end of a step sees of the game.
struct Seen {
    Position position;
    std::size_t step = 0;
    std::size_t steps = 0;
    bool replyPending = false;
    bool autoplaying = false;
    bool moveInProgress = false;
    bool operator==(const Seen&) const = default;
};

class StepReport : public GameTest {
protected:
    StepReport() {
        view.onStepEnded = [this] { seen.push_back(now()); };
    }
    Seen now() const {
        return {game.position(),     game.history().current(), game.history().steps().size(),
                game.replyPending(), game.autoplaying(),       game.moveInProgress()};
    }
    std::vector<Seen> seen;
};

// Faults caught: a command that does not report the end of its step (above all one that writes
// no box: the players, the level, new colours, a step to where the game stands), one that reports
// more than once (a replay that sets the players and the level on its way), a command queued
// behind a move that never reports, and a report made before the step is recorded, the
// computer's reply armed or the move finished.
TEST_F(StepReport, ComesOnceForEveryCommandWhenWhatItLeavesIsFinal) {
    GameRecord record;
    record.players = 2;
    record.easyLevel = true;
    record.moves = {{3, 5}};
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"a move", [this] { game.pressSquare(3, 5); }},
        {"a refused press", [this] { game.pressSquare(1, 1); }},
        {"one player", [this] { game.setPlayerCount(1); }},
        {"the level", [this] { game.setEasyLevel(false); }},
        {"a move the computer answers", [this] { game.pressSquare(3, 4); }},
        {"the computer's turn", [this] { game.computerTurn(); }},
        {"undo", [this] { game.undo(); }},
        {"redo", [this] { game.redo(); }},
        {"a step to where the game stands", [this] { game.goToStep(game.history().current()); }},
        {"finish", [this] { game.finish(); }},
        {"new colours", [this] { game.setColours(3, 4); }},
        {"a new game", [this] { game.newGame(); }},
        {"a replay", [&] { ASSERT_TRUE(game.replay(record).ok()); }},
    };
    for (const auto& [what, command] : commands) {
        seen.clear();
        command();
        ASSERT_EQ(seen.size(), 1u) << what;
        EXPECT_TRUE(seen.front() == now()) << what;
    }

    // A command queued behind a move reports when it has run, and the move reports too.
    seen.clear();
    game.setPlayerCount(2);
    view.onPump = [this] {
        view.onPump = nullptr;
        game.finish();
    };
    game.pressSquare(3, 4);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[1] == now() && seen[2] == now());
    EXPECT_TRUE(now().position.over());
}

// Autoplay's new game is shown while Autoplay goes on; each of its moves is a computer turn of
// its own, and its end is a step as well (it writes no box, but undo is possible again).
TEST_F(StepReport, ComesForAutoplaysStartEachOfItsMovesAndItsEnd) {
    int turns = 0;
    view.onWait = [&] {
        if (!view.armed) return;
        view.armed = false;
        ++turns;
        game.computerTurn();
    };
    game.autoplay();
    ASSERT_TRUE(now().position.over());
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(1 + turns + 1));
    EXPECT_EQ(seen.front().step, 0u);
    EXPECT_TRUE(seen.front().autoplaying);
    EXPECT_TRUE(seen.back() == now());
    EXPECT_FALSE(seen.back().autoplaying);
}

}  // namespace
}  // namespace marvane::test

namespace marvane::test {
namespace {

// Before the first game there are no sides: a square pressed (or a computer turn, Autoplay,
// "finish") scanned the empty board for counters of "no colour" and never came back.
TEST(BeforeTheFirstGame, MovesAndAutoplayDoNothing) {
    UnseenView view;
    Game game(view);
    game.pressSquare(4, 6);
    game.computerTurn();
    game.autoplay();
    game.finish();
    EXPECT_FALSE(game.history().started());
    EXPECT_EQ(game.state().MovesMade, 0);
    EXPECT_EQ(game.state().GameOver, 0);
    game.setColours(1, 2);
    game.newGame();
    game.pressSquare(4, 6);
    EXPECT_EQ(game.state().MovesMade, 1);
}

// Input that no caller may pass stops a build that carries the tests at the entry point, with
// its place, instead of reading outside the board or showing colours that do not exist.
TEST(Preconditions, AreCheckedAtTheEnginesEntryPoints) {
#ifndef MARVANE_CHECKS
    GTEST_SKIP() << "built without MARVANE_CHECKS: broken preconditions are not checked";
#endif
    const std::function<void(Game&)> calls[] = {
        [](Game& game) { game.pressSquare(0, 4); }, [](Game& game) { game.pressSquare(3, 9); },
        [](Game& game) { game.setColours(0, 2); },  [](Game& game) { game.setColours(4, 4); },
        [](Game& game) { game.setColours(1, 7); },  [](Game& game) { game.setPlayerCount(3); },
    };
    for (const auto& call : calls) {
        EXPECT_DEATH(
            {
                UnseenView view;
                Game game(view);
                game.setColours(1, 2);
                game.newGame();
                call(game);
            },
            "precondition failed");
    }
}

}  // namespace
}  // namespace marvane::test
