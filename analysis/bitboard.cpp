// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/bitboard.h"

namespace marvane::analysis {

namespace {

struct Diagonals {
    std::array<Bits, 15> down{};  // a1-h8 direction: squares with equal column - row
    std::array<Bits, 15> up{};    // h1-a8 direction: squares with equal column + row
};

constexpr Diagonals makeDiagonals() {
    Diagonals d;
    for (int sq = 0; sq < 64; ++sq) {
        const int row = sq / 8, col = sq % 8;
        d.down[col - row + 7] |= Bits{1} << sq;
        d.up[col + row] |= Bits{1} << sq;
    }
    return d;
}

constexpr Diagonals kDiagonals = makeDiagonals();
constexpr Bits kColumnA = 0x0101010101010101ull, kColumnH = 0x8080808080808080ull;
constexpr Bits kRow1 = 0xFFull, kRow8 = 0xFF00000000000000ull;
constexpr Bits kEdges = kColumnA | kColumnH | kRow1 | kRow8;

}  // namespace

Bits stableDiscs(Bits p, Bits o) {
    const Bits occupied = p | o;
    Bits fullRows = 0, fullDown = 0, fullUp = 0;
    for (int r = 0; r < 8; ++r)
        if (((occupied >> (8 * r)) & 0xFF) == 0xFF) fullRows |= Bits{0xFF} << (8 * r);
    Bits columns = occupied & (occupied >> 32);
    columns &= columns >> 16;
    columns &= columns >> 8;
    const Bits fullColumns = (columns & 0xFF) * kColumnA;
    for (int i = 0; i < 15; ++i) {
        if ((occupied & kDiagonals.down[i]) == kDiagonals.down[i]) fullDown |= kDiagonals.down[i];
        if ((occupied & kDiagonals.up[i]) == kDiagonals.up[i]) fullUp |= kDiagonals.up[i];
    }
    const Bits rowSafe = fullRows | kColumnA | kColumnH;
    const Bits columnSafe = fullColumns | kRow1 | kRow8;
    const Bits downSafe = fullDown | kEdges;
    const Bits upSafe = fullUp | kEdges;

    Bits stable = 0;
    for (;;) {
        const Bits next =
            p & (rowSafe | ((stable << 1) & kNotColumnA) | ((stable >> 1) & kNotColumnH)) &
            (columnSafe | (stable << 8) | (stable >> 8)) &
            (downSafe | ((stable << 9) & kNotColumnA) | ((stable >> 9) & kNotColumnH)) &
            (upSafe | ((stable << 7) & kNotColumnH) | ((stable >> 7) & kNotColumnA));
        if (next == stable) return stable;
        stable = next;
    }
}

}  // namespace marvane::analysis
