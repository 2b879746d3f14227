// SPDX-License-Identifier: GPL-3.0-or-later
// The game's history commands: undo, redo and going to a step, and the questions the window asks
// to draw its marks. The history itself (engine/history.h) is plain data; this is where a recorded
// position is put back on the screen.
#include "engine/game.h"
#include "engine/legalsquares.h"

namespace marvane {

Position Game::position() const {
    Position p;
    p.board = board_;
    p.MovesMade = state_.MovesMade;
    p.ToPlay = state_.ToPlay;
    p.Opponent = state_.Opponent;
    p.LinesCaptured = state_.LinesCaptured;
    p.GameOver = state_.GameOver;
    p.texts = shown_;
    p.goBoxVisible = goBoxShown_;
    return p;
}

std::vector<Square> Game::legalSquares() const {
    return marvane::legalSquares(board_, state_.ToPlay, state_.Opponent);
}

bool Game::canUndo() const {
    return !autoplaying_ && history_.undoTarget(state_.PlayerCount == 1).has_value();
}

bool Game::canRedo() const {
    return !autoplaying_ && history_.redoTarget(state_.PlayerCount == 1).has_value();
}

void Game::undo() {
    run(Command::Undo, [this] {
        if (const auto target = history_.undoTarget(state_.PlayerCount == 1)) showPosition(*target);
    });
}

void Game::redo() {
    run(Command::Redo, [this] {
        if (const auto target = history_.redoTarget(state_.PlayerCount == 1)) showPosition(*target);
    });
}

void Game::goToStep(std::size_t index) {
    run(Command::Step, [this, index] {
        if (index >= history_.steps().size()) return;
        const std::size_t target = history_.listTarget(index, state_.PlayerCount == 1);
        if (target != history_.current()) showPosition(target);
    });
}

// Only the squares that differ are repainted, every box is written again, and no sound is asked
// for. A computer reply still waiting belonged to the position being left, so it is called off;
// when the restored position is a person's move the computer has not answered yet (redo to the end
// of the history), the reply is asked for again so the game can go on.
void Game::showPosition(std::size_t index) {
    cancelReply();
    ++rewinds_;
    history_.moveTo(index);
    const Position& p = history_.position(index);
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column)
            if (board(row, column) != p.board.cell(row, column))
                drawCounter(row, column, p.board.cell(row, column));
    clearMarks();
    state_.MovesMade = p.MovesMade;
    state_.ToPlay = p.ToPlay;
    state_.Opponent = p.Opponent;
    state_.LinesCaptured = p.LinesCaptured;
    state_.GameOver = p.GameOver;
    for (std::size_t box = 0; box < kBoxCount; ++box) show(static_cast<Box>(box), p.texts[box]);
    showGoBox(p.goBoxVisible);
    if (replyOwed()) armReply();
}

bool Game::replyOwed() const {
    return computerSideToPlay() ||
           (state_.PlayerCount == 1 && !state_.over() && history_.personMoveUnanswered());
}

}  // namespace marvane
