// SPDX-License-Identifier: GPL-3.0-or-later
// Random games, against the computer and between two people, with "finish", undo and redo mixed
// in at random: whatever the mix, the screen is always exactly one that the game showed before,
// and the same as playing the same steps again from the start.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <vector>

#include "engine/game.h"
#include "engine/legalsquares.h"
#include "tests/engine/recordingview.h"
#include "tests/engine/screen.h"

namespace marvane::test {
namespace {

class RandomGame {
public:
    RandomGame(unsigned seed, bool onePlayer) : rng(seed), game(view, [this] { return now; }) {
        const auto& scheme = ColourSchemes[pick(3)];
        game.setColours(scheme.c1, scheme.c2);
        game.setPlayerCount(onePlayer ? 1 : 2);
        if (pick(2) == 0) game.setEasyLevel(false);  // Hard
        game.newGame();
        shown.push_back(screen());
    }

    Screen screen() const { return screenOf(game, view); }

    // Plays the game to its end, with undos, redos and "finish" at random moments.
    void play() {
        for (int actions = 0; actions < 1000 && !ended(); ++actions) {
            const int roll = pick(200);
            if (roll < 16) {
                for (int n = 1 + pick(4); n > 0; --n) goBack(true);
            } else if (roll < 40) {
                for (int n = 1 + pick(4); n > 0; --n) goBack(false);
            } else if (roll < 41) {
                if (!over()) forward([this] { game.finish(); });
            } else {
                playOne();
            }
            if (::testing::Test::HasFailure()) return;
        }
    }

    // Undo all returns to the start, redo all to the end, each exactly as first shown; going to
    // the step where the game stood brings back what it showed.
    void undoAllRedoAll() {
        const std::size_t stood = game.history().current();
        const Screen there = screen();
        while (game.canUndo()) game.undo();
        ASSERT_EQ(game.history().current(), 0u);
        ASSERT_EQ(screen(), shown.front());
        while (game.canRedo()) game.redo();
        ASSERT_EQ(game.history().current(), game.history().steps().size() - 1);
        ASSERT_EQ(screen(), shown.back());
        game.goToStep(stood);
        view.armed = false;  // a reply asked for again at the end of the history is not wanted here
        ASSERT_EQ(screen(), there);
    }

    // Plays the history's steps up to the current one on a new game, through the ordinary
    // commands, and compares the two screens.
    void compareWithReplay() {
        PictureView replayView;
        std::int64_t clock = 0;
        Game replay(replayView, [&] { return clock; });
        replay.setColours(game.state().C1, game.state().C2);
        replay.setPlayerCount(2);  // no computer: every recorded move is pressed
        replay.setEasyLevel(game.state().EasyLevel == 1);
        replay.newGame();
        const auto& steps = game.history().steps();
        for (std::size_t i = 1; i <= game.history().current(); ++i) {
            const Step& step = steps[i];
            switch (step.kind) {
                case StepKind::Move:
                    ASSERT_EQ(replay.state().ToPlay, step.side) << "step " << i;
                    replay.pressSquare(step.square.row, step.square.column);
                    break;
                case StepKind::Finish: replay.finish(); break;
                case StepKind::GameEnd:
                    ASSERT_TRUE(replay.legalSquares().empty()) << "step " << i;
                    replay.pressSquare(1, 1);
                    break;
                case StepKind::Start: FAIL() << "a second start at step " << i;
                case StepKind::Pass: FAIL() << "a pass in a game of our rules at step " << i;
            }
        }
        replay.setPlayerCount(game.state().PlayerCount);
        ASSERT_EQ(screenOf(replay, replayView), screen())
            << "after step " << game.history().current();
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    std::mt19937 rng;
    std::int64_t now = 0;
    PictureView view;
    Game game;
    std::vector<Screen> shown;  // the screen as each step of the history first left it
    int undos = 0, redos = 0, replays = 0;

private:
    bool over() const { return game.state().MovesMade == 60 || game.state().GameOver; }
    bool ended() const { return over() && !view.armed && (game.legalSquares().empty() || pickEnd); }

    void playOne() {
        now += 1 + pick(400);  // the Easy level's start square moves on with the clock
        if (view.armed && game.state().MovesMade == 60) {
            // The computer's turn on a full board would only announce the result once more,
            // which no replay of the steps repeats; the history tests cover it.
            view.armed = false;
            return;
        }
        if (view.armed && (game.state().PlayerCount == 2 || pick(5) > 0)) {
            view.armed = false;
            forward([this] { game.computerTurn(); });
            return;
        }
        if (over() && pick(3) == 0) pickEnd = true;  // after "finish", stop some games there
        const auto legal = game.legalSquares();
        if (pick(10) == 0) checkAgainstTheGamesOwnSearch(legal);
        if (legal.empty()) {
            forward([this] { game.pressSquare(1 + pick(8), 1 + pick(8)); });
        } else {
            const Square square = legal[pick(static_cast<int>(legal.size()))];
            forward([this, square] { game.pressSquare(square.row, square.column); });
        }
    }

    // Runs a command that may add a step, and keeps `shown` in step with the history.
    template <typename Command>
    void forward(Command command) {
        const std::size_t before = game.history().current();
        command();
        const std::size_t after = game.history().current();
        if (after == before + 1) {
            shown.resize(after);
            shown.push_back(screen());
            EXPECT_EQ(game.history().steps().size(), after + 1);
        } else {
            ASSERT_EQ(after, before);
            if (after + 1 == game.history().steps().size()) shown[after] = screen();
        }
    }

    void goBack(bool undo) {
        if (undo ? !game.canUndo() : !game.canRedo()) return;
        view.log.clear();
        undo ? game.undo() : game.redo();
        (undo ? undos : redos)++;
        ASSERT_TRUE(view.sounds().empty());
        ASSERT_EQ(screen(), shown.at(game.history().current()));
        if (pick(4) == 0) {
            ++replays;
            compareWithReplay();
        }
    }

    void checkAgainstTheGamesOwnSearch(const std::vector<Square>& legal) {
        const bool any = GameTesting::findLegalMoves(game);
        EXPECT_EQ(any, !legal.empty());
        std::vector<Square> valued;
        for (int row = 1; row <= 8; ++row)
            for (int column = 1; column <= 8; ++column)
                if (game.moveValue(row, column) > 0) valued.push_back({row, column});
        EXPECT_EQ(valued, legal);
    }

    bool pickEnd = false;
};

TEST(UndoRedoProperty, AnyMixOfUndoAndRedoShowsExactlyWhatTheSameMovesShowFromTheStart) {
    constexpr int kGames = 3000;
    int undos = 0, redos = 0, replays = 0, finished = 0, ended = 0;
    for (int seed = 1; seed <= kGames; ++seed) {
        RandomGame g(static_cast<unsigned>(seed), seed % 2 == 0);
        g.play();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << seed;
        g.undoAllRedoAll();
        g.compareWithReplay();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << seed;
        undos += g.undos;
        redos += g.redos;
        replays += g.replays + 1;
        for (const Step& step : g.game.history().steps()) {
            finished += step.kind == StepKind::Finish;
            ended += step.kind == StepKind::GameEnd;
        }
    }
    // The mix really happened: many undos and redos, and games ended all three ways.
    EXPECT_GT(undos, 10 * kGames);
    EXPECT_GT(redos, kGames);
    EXPECT_GT(finished, kGames / 10);
    EXPECT_GT(ended, kGames / 20);
    RecordProperty("undos", undos);
    RecordProperty("redos", redos);
    RecordProperty("replays", replays);
    std::printf("%d games: %d undos, %d redos, %d replays, %d finished, %d ended without a move\n",
                kGames, undos, redos, replays, finished, ended);
}

}  // namespace
}  // namespace marvane::test
