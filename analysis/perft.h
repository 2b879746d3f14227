// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "analysis/position.h"

namespace marvane::analysis {

// The number of lines of play of `depth` moves from `position`, a finished game counting as one
// line whatever depth remains. Under the standard rules a pass counts as a move.
std::uint64_t perft(const Position& position, Rules rules, int depth);

}  // namespace marvane::analysis
