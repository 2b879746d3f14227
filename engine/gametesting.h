// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>

#include "engine/game.h"

namespace marvane {

// For tests and benchmarks only: the single rules the game's commands are built from, and
// positions that no game reaches quickly. Nothing in the program includes this header.
struct GameTesting {
    static bool tryMove(Game& game, int row, int column) { return game.tryMove(row, column); }
    static int scanLine(Game& game, int row, int column, int rowStep, int colStep) {
        return game.scanLine(row, column, rowStep, colStep);
    }
    static bool findLegalMoves(Game& game) { return game.findLegalMoves(); }
    static void clearMarks(Game& game) { game.clearMarks(); }
    static bool chooseBestSquare(Game& game, int& row, int& column) {
        return game.chooseBestSquare(row, column);
    }
    static void computerMove(Game& game, std::optional<Square> chosen = std::nullopt) {
        game.computerMove(chosen);
    }
    static void drawCounter(Game& game, int row, int column, ColourCode colour) {
        game.drawCounter(row, column, colour);
    }
    static void setMovesMade(Game& game, std::int32_t moves) { game.state_.MovesMade = moves; }
    // The other side to play, as if the side to play had passed (a rule this game lacks).
    static void passTurn(Game& game) { std::swap(game.state_.ToPlay, game.state_.Opponent); }
};

}  // namespace marvane
