#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "engine/gameview.h"
#include "engine/randomsquare.h"
#include "engine/types.h"

namespace marvane {

template <typename T>
using Grid = std::array<std::array<T, kBoardSize>, kBoardSize>;

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
// any handler may then run inside the move. The guard lives here, in one place: while a move or a
// legal-move search is in progress a board press is ignored, and every other action that would
// touch the game (a computer turn, a new game, "finish", Autoplay, closing) is queued with
// whenIdle() and runs as soon as the move has finished. Nothing runs nested and nothing is lost.
class Game {
public:
    // Rows and columns are 1..8 throughout.
    explicit Game(GameView& view, std::function<std::int64_t()> elapsedMs = nullptr);

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    ColourCode board(int row, int column) const { return board_[row - 1][column - 1]; }
    bool marked(int row, int column) const { return marks_[row - 1][column - 1] != 0; }
    std::int32_t moveValue(int row, int column) const { return values_[row - 1][column - 1]; }
    const RandomSquare& randomSquare() const { return random_; }

    // --- Commands of the window (each one a complete action) ---

    // A press on the board's square (the human turn). Ignored while a move is in progress.
    void pressSquare(int row, int column);
    // The response delay has expired: one computer turn, now or right after the current move.
    void computerTurn();
    // "finish": declares the game over and shows the result.
    void finish();
    // The level button; returns the new caption ("Easy" or "Hard").
    std::string toggleLevel();
    // The computer plays both sides until the game ends (or the window closes).
    void autoplay();

    // Runs `action` now, or, while a move is in progress, as soon as it has finished.
    void whenIdle(std::function<void()> action);
    bool moveInProgress() const { return depth_ > 0; }
    // Drops every queued action (the window has closed: nothing after that may run).
    void discardQueued() { queued_.clear(); }

    // --- The rules, one operation each ---

    void newGame();
    bool tryMove(int row, int column);
    int scanLine(int row, int column, int rowStep, int colStep);
    bool findLegalMoves(int& row, int& column);
    void flipMarked();
    void clearMarks();
    void showScores();
    bool chooseBestSquare(int& row, int& column);
    void computerMove();

    // Sets the square's counter through the view and records it in Board.
    void drawCounter(int row, int column, ColourCode colour);

private:
    class MoveScope;

    static std::string_view colourName(ColourCode colour);
    void show(Box box, std::string_view text) { view_.showText(box, text); }
    void show(Box box, std::int32_t number) { view_.showText(box, std::to_string(number)); }
    void runQueued();

    GameView& view_;
    RandomSquare random_;
    Grid<ColourCode> board_{};
    Grid<std::uint8_t> marks_{};
    Grid<std::int32_t> values_{};
    GameState state_;
    int depth_ = 0;
    std::deque<std::function<void()>> queued_;
};

}  // namespace marvane
