// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "engine/types.h"

namespace marvane {

// The empty squares where `toPlay` may place a counter: those from which at least one straight
// line of `opponent` counters is closed off by a `toPlay` counter. Unlike the game's own search it
// reads the board only (no capture marks, no event processing), so it is safe to ask at any time.
std::vector<Square> legalSquares(const Grid<ColourCode>& board, ColourCode toPlay,
                                 ColourCode opponent);

}  // namespace marvane
