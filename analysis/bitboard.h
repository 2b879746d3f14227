// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace marvane::analysis {

// A set of squares, one bit each: bit (row - 1) * 8 + (column - 1), row 1 at the top.
using Bits = std::uint64_t;

inline constexpr Bits kNotColumnA = 0xFEFEFEFEFEFEFEFEull;
inline constexpr Bits kNotColumnH = 0x7F7F7F7F7F7F7F7Full;
inline constexpr Bits kCorners = 0x8100000000000081ull;

constexpr int count(Bits b) { return std::popcount(b); }
constexpr Bits bit(int square) { return Bits{1} << square; }

// The squares where the side owning `p` may play against `o`: dumb7fill in the eight directions.
inline Bits legalMoves(Bits p, Bits o) {
    const Bits inner = o & 0x7E7E7E7E7E7E7E7Eull;  // a run along a row never wraps a side edge
    Bits moves = 0;
    auto spread = [&](int shift, Bits mask) {
        Bits t = mask & (p << shift);
        t |= mask & (t << shift);
        t |= mask & (t << shift);
        t |= mask & (t << shift);
        t |= mask & (t << shift);
        t |= mask & (t << shift);
        moves |= t << shift;
        t = mask & (p >> shift);
        t |= mask & (t >> shift);
        t |= mask & (t >> shift);
        t |= mask & (t >> shift);
        t |= mask & (t >> shift);
        t |= mask & (t >> shift);
        moves |= t >> shift;
    };
    spread(1, inner);
    spread(8, o);
    spread(7, inner);
    spread(9, inner);
    return moves & ~(p | o);
}

namespace detail {

struct Rays {
    // For each square, the squares beyond it in each direction; directions 0-3 run towards
    // higher bits (east, south-west, south, south-east), 4-7 towards lower bits.
    std::array<std::array<Bits, 8>, 64> ray{};
};

constexpr Rays makeRays() {
    Rays r;
    constexpr int dr[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    constexpr int dc[8] = {1, -1, 0, 1, -1, 1, 0, -1};
    for (int sq = 0; sq < 64; ++sq)
        for (int d = 0; d < 8; ++d) {
            Bits m = 0;
            for (int row = sq / 8 + dr[d], col = sq % 8 + dc[d];
                 row >= 0 && row < 8 && col >= 0 && col < 8; row += dr[d], col += dc[d])
                m |= Bits{1} << (row * 8 + col);
            r.ray[sq][d] = m;
        }
    return r;
}

inline constexpr Rays kRays = makeRays();

}  // namespace detail

// The discs of `o` that a disc of `p`'s side on the empty `square` turns; 0 when it turns none.
// Along each ray the run of `o` ends at the first square that is not `o`; the run turns when
// that square is `p`'s. Rays towards higher bits find it as the lowest bit, the others as the
// highest. No branches: which rays turn is hard to predict.
inline Bits flips(int square, Bits p, Bits o) {
    const auto& rays = detail::kRays.ray[square];
    Bits turned = 0;
    for (int d = 0; d < 4; ++d) {
        const Bits ray = rays[d];
        const Bits stop = ray & ~o;
        const Bits first = stop & (0 - stop);
        turned |= (first - 1) & ray & (0 - static_cast<Bits>((first & p) != 0));
    }
    for (int d = 4; d < 8; ++d) {
        const Bits ray = rays[d];
        const Bits stop = ray & ~o;
        const Bits first = (Bits{1} << 63) >> std::countl_zero(stop | 1);
        turned |= ray & ~((first << 1) - 1) & (0 - static_cast<Bits>((first & p & ray) != 0));
    }
    return turned;
}

// The squares next to a disc of `b` (occupied or not).
inline Bits neighbours(Bits b) {
    const Bits e = (b << 1) & kNotColumnA, w = (b >> 1) & kNotColumnH;
    const Bits row = b | e | w;
    return e | w | (row << 8) | (row >> 8);
}

// Discs of `p` that no sequence of moves can turn any more, under either rule set: each line
// through the disc (row, column, both diagonals) is full, or runs into the board's edge or into
// a stable disc of `p` on one side.
Bits stableDiscs(Bits p, Bits o);

}  // namespace marvane::analysis
