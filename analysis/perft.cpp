// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/perft.h"

namespace marvane::analysis {

namespace {

template <Rules R>
std::uint64_t count(Bits p, Bits o, int depth) {
    const Bits moves = legalMoves(p, o);
    if (moves == 0) {
        if (R == Rules::Marvane || legalMoves(o, p) == 0) return 1;
        return depth == 1 ? 1 : count<R>(o, p, depth - 1);
    }
    if (depth == 1) return static_cast<std::uint64_t>(analysis::count(moves));
    std::uint64_t total = 0;
    for (Bits m = moves; m; m &= m - 1) {
        const int sq = std::countr_zero(m);
        const Bits turned = flips(sq, p, o);
        total += count<R>(o & ~turned, p | turned | bit(sq), depth - 1);
    }
    return total;
}

}  // namespace

std::uint64_t perft(const Position& position, Rules rules, int depth) {
    if (depth <= 0) return 1;
    return rules == Rules::Marvane
               ? count<Rules::Marvane>(position.mover(), position.waiter(), depth)
               : count<Rules::Standard>(position.mover(), position.waiter(), depth);
}

}  // namespace marvane::analysis
