#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/gameview.h"
#include "engine/history.h"
#include "engine/randomsquare.h"
#include "engine/types.h"

namespace marvane {

// The whole-game values, in their traditional order.
struct GameState {
    std::int32_t MovesMade = 0;
    ColourCode ToPlay = 0;
    ColourCode C1 = 0;
    ColourCode C2 = 0;
    ColourCode Opponent = 0;
    std::int32_t LinesCaptured = 0;
    std::int32_t PlayerCount = 0;
    std::uint8_t GameOver = 0;
    std::uint8_t EasyLevel = 1;
};

// The game: board, capture marks, move values and game state, the move rules, the scores, the
// computer player, and the guard that keeps moves from nesting.
//
// Working out a move lets the window process its events (so it repaints and its timers run), and
// any handler may then run inside the move. The guard lives here, in the commands, so no caller
// can forget it: while a move or a legal-move search is in progress a board press is dropped, and
// every command that would change the game under the move (a computer turn, a new game, new
// colours, "finish", Autoplay, undo and redo) is queued and runs as soon as the move has
// finished. Nothing runs nested and nothing is lost. Only Game writes the game's state.
class Game {
public:
    // Rows and columns are 1..8 throughout.
    explicit Game(GameView& view, std::function<std::int64_t()> elapsedMs = nullptr);

    // --- What the game looks like (read only) ---

    const GameState& state() const { return state_; }
    ColourCode board(int row, int column) const { return board_.cell(row, column); }
    bool marked(int row, int column) const { return marks_.cell(row, column) != 0; }
    std::int32_t moveValue(int row, int column) const { return values_.cell(row, column); }
    const RandomSquare& randomSquare() const { return random_; }
    bool moveInProgress() const { return depth_ > 0; }
    bool autoplaying() const { return autoplaying_; }
    // The steps of this game so far, and whether undo and redo would do anything now.
    const History& history() const { return history_; }
    bool canUndo() const;
    bool canRedo() const;
    std::optional<Square> lastMove() const { return history_.lastMove(); }
    // The squares where the side to play may place a counter now.
    std::vector<Square> legalSquares() const;
    // What the player sees now, with the game values behind it.
    Position position() const;

    // --- Commands (each one a complete action, each guarded) ---

    // A press on the board's square (the human turn). Dropped while a move is in progress.
    void pressSquare(int row, int column);
    // The response delay has expired: one computer turn, now or right after the current move.
    void computerTurn();
    // Starts a new game on the current colours.
    void newGame();
    // The colours of the next new game, `c1` moving first. The caller passes a valid pair.
    void setColours(ColourCode c1, ColourCode c2);
    // "finish": declares the game over and shows the result.
    void finish();
    // The computer plays both sides until the game ends (or the window closes).
    void autoplay();
    // One or two players, and the level button, which returns its new caption ("Easy" or
    // "Hard"). These apply at once, even inside a move: a move reads them only as it ends (to arm
    // the computer's reply) or before it starts (to pick the computer's way of choosing).
    void setPlayerCount(int count) { state_.PlayerCount = count; }
    std::string toggleLevel();

    // Takes back the last step, and against the computer its reply together with the move it
    // answered; cancels a computer reply that is still waiting. Redo replays what was undone.
    // Both show the position exactly as it was, without sounds, and do nothing during Autoplay.
    void undo();
    void redo();
    // Undo or redo to step `index` of history().steps() (0 is the start of the game).
    void goToStep(std::size_t index);

    // Runs `action` now, or, while a move is in progress, as soon as it has finished. For what
    // must not happen inside a move although it is no game command (closing the window).
    void whenIdle(std::function<void()> action);
    // Drops every queued action (the window has closed: nothing after that may run).
    void discardQueued() { queued_.clear(); }

    // --- The rules, one operation each (the commands are built from them; tests call them) ---

    bool tryMove(int row, int column);
    int scanLine(int row, int column, int rowStep, int colStep);
    // Fills MoveValues for the side to play; true when it has a legal square.
    bool findLegalMoves();
    void flipMarked();
    void clearMarks();
    void showScores();
    bool chooseBestSquare(int& row, int& column);
    void computerMove();

    // Sets the square's counter through the view and records it in Board.
    void drawCounter(int row, int column, ColourCode colour);

private:
    class MoveScope;
    class StepRecord;
    // Tests set up positions that no game reaches quickly (59 moves made, say).
    friend struct GameTesting;

    static std::string_view colourName(ColourCode colour);
    void show(Box box, std::string_view text);
    void show(Box box, std::int32_t number) { show(box, std::to_string(number)); }
    void showGoBox(bool visible);
    void startGame();
    void endGame();
    void showPosition(std::size_t index);
    void runQueued();

    GameView& view_;
    RandomSquare random_;
    Grid<ColourCode> board_;
    Grid<std::uint8_t> marks_;
    Grid<std::int32_t> values_;
    GameState state_;
    int depth_ = 0;
    std::deque<std::function<void()>> queued_;
    std::array<std::string, kBoxCount> shown_;  // what each box shows, as the game last wrote it
    bool goBoxShown_ = true;
    History history_;
    bool autoplaying_ = false;
    // Counts undos and redos, so a computer turn queued before one of them knows its position is
    // gone and does not play into the restored one.
    std::uint64_t rewinds_ = 0;
};

}  // namespace marvane
