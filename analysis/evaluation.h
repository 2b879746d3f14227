// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/bitboard.h"
#include "analysis/position.h"
#include "analysis/weights.h"

namespace marvane::analysis {

// Scores inside the midgame search are in eighths of a disc.
inline constexpr int kUnit = 8;

// The final disc difference for `p` when the game ends now.
template <Rules R>
int finalScore(Bits p, Bits o) {
    const int diff = count(p) - count(o);
    if (R == Rules::Marvane) return diff;
    const int empties = 64 - count(p | o);
    return diff > 0 ? diff + empties : diff < 0 ? diff - empties : 0;
}

// A hand-made estimate of the final disc difference for `p`, to move against `o`, in units:
// mobility, potential mobility, corners, the squares next to empty corners, stable discs and
// parity. A side that cannot move under our rules has lost its turn for good: the game's result.
int evaluate(Bits p, Bits o, Rules rules);

// The learned estimate when `weights` is given, else the hand-made one; either way the result of
// the game where it has ended.
int evaluate(Bits p, Bits o, Rules rules, const Weights* weights);

}  // namespace marvane::analysis
