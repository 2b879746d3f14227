// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/evaluation.h"

#include <algorithm>

namespace marvane::analysis {

namespace {

constexpr Bits kXSquares = 0x4200000000004200ull;  // b2, g2, b7, g7
constexpr Bits kCSquares = 0x4281000000008142ull;  // b1, g1, a2, h2, a7, h7, b8, g8

// The X and C squares of each corner.
constexpr Bits kCornerX[4] = {bit(9), bit(14), bit(49), bit(54)};
constexpr Bits kCornerC[4] = {bit(1) | bit(8), bit(6) | bit(15), bit(48) | bit(57),
                              bit(55) | bit(62)};
constexpr int kCornerSquare[4] = {0, 7, 56, 63};

}  // namespace

int evaluate(Bits p, Bits o, Rules rules) {
    const Bits movesP = legalMoves(p, o);
    const Bits movesO = legalMoves(o, p);
    if (movesP == 0 && (rules == Rules::Marvane || movesO == 0))
        return kUnit * (rules == Rules::Marvane ? finalScore<Rules::Marvane>(p, o)
                                                : finalScore<Rules::Standard>(p, o));
    const Bits empty = ~(p | o);
    const int discs = 64 - count(empty);

    int score = 0;
    // Moves now, and the empty squares beside the other side's discs (moves to come).
    score += 10 * (count(movesP) - count(movesO));
    score += 3 * (count(neighbours(o) & empty) - count(neighbours(p) & empty));
    score += 14 * (count(movesP & kCorners) - count(movesO & kCorners));
    score += 60 * (count(p & kCorners) - count(o & kCorners));
    Bits risky = 0;
    for (int c = 0; c < 4; ++c)
        if (empty & bit(kCornerSquare[c])) risky |= kCornerX[c] | kCornerC[c];
    score -= 24 * (count(p & risky & kXSquares) - count(o & risky & kXSquares));
    score -= 8 * (count(p & risky & kCSquares) - count(o & risky & kCSquares));
    if ((p | o) & kCorners) score += 12 * (count(stableDiscs(p, o)) - count(stableDiscs(o, p)));
    // Late in the game the discs themselves start to count.
    if (discs > 44) score += (discs - 44) * (count(p) - count(o)) / 2;
    if (count(empty) & 1) score += 4;
    return std::clamp(score, -63 * kUnit, 63 * kUnit);
}

int evaluate(Bits p, Bits o, Rules rules, const Weights* weights) {
    if (!weights) return evaluate(p, o, rules);
    if (!legalMoves(p, o) && (rules == Rules::Marvane || !legalMoves(o, p)))
        return kUnit * (rules == Rules::Marvane ? finalScore<Rules::Marvane>(p, o)
                                                : finalScore<Rules::Standard>(p, o));
    return weights->evaluate(p, o);
}

}  // namespace marvane::analysis
