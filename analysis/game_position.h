// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "analysis/position.h"
#include "engine/history.h"
#include "engine/types.h"

// The one place where the analysis meets the game: its position to ours and back. The game's
// first colour (the one that moves first in a new game) is our first side, and its rows and
// columns are our squares' rows and columns.
namespace marvane::analysis {

struct GamePositionReading {
    Position position;
    std::string error;  // empty when the game's position could be taken over
    bool ok() const { return error.empty(); }
};

// `shown` is what the game shows (Game::position()); c1 and c2 are its first and second colour.
GamePositionReading fromGame(const marvane::Position& shown, ColourCode c1, ColourCode c2);

// The analysis's number of the game's square, and back.
int squareIndex(const marvane::Square& square);
marvane::Square gameSquare(int square);

// The board and the turn of `position` as the game stores them, for colours c1 and c2. The
// game's move count is the number of discs placed since the start, as it has no passes.
marvane::Position toGame(const Position& position, ColourCode c1, ColourCode c2);

}  // namespace marvane::analysis
