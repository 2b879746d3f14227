// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <bit>
#include <random>
#include <unordered_map>
#include <utility>

#include "analysis/bitboard.h"
#include "analysis/evaluation.h"
#include "analysis/position.h"
#include "analysis/table.h"

namespace marvane::analysis::test {

// Minimax over every line to the end of the game, no pruning; positions already worked out are
// remembered, which changes nothing but the time it takes.
struct Minimax {
    struct Hash {
        std::size_t operator()(const std::pair<Bits, Bits>& k) const {
            return static_cast<std::size_t>(positionKey(k.first, k.second));
        }
    };
    Rules rules;
    std::unordered_map<std::pair<Bits, Bits>, int, Hash> known;

    int value(Bits p, Bits o) {
        const Bits moves = legalMoves(p, o);
        if (!moves) {
            if (rules == Rules::Marvane) return finalScore<Rules::Marvane>(p, o);
            if (!legalMoves(o, p)) return finalScore<Rules::Standard>(p, o);
            return -value(o, p);
        }
        if (auto it = known.find({p, o}); it != known.end()) return it->second;
        int best = -1000;
        for (Bits m = moves; m; m &= m - 1) {
            const int sq = std::countr_zero(m);
            const Bits turned = flips(sq, p, o);
            best = std::max(best, -value(o & ~turned, p | turned | bit(sq)));
        }
        known.emplace(std::make_pair(p, o), best);
        return best;
    }
};

// A position after random moves from the start (under `rules`), with at most `empties` empty
// squares, or the earlier one where the game ended.
inline Position randomPosition(std::mt19937& random, Rules rules, int empties) {
    Position p = startPosition();
    while (p.empties() > empties) {
        Bits legal = legalMoves(p.mover(), p.waiter());
        if (!legal) {
            if (rules == Rules::Marvane || !legalMoves(p.waiter(), p.mover())) break;
            p = play(p, kPass);
            continue;
        }
        for (int skip = static_cast<int>(random() % static_cast<unsigned>(count(legal))); skip;
             --skip)
            legal &= legal - 1;
        p = play(p, std::countr_zero(legal));
    }
    return p;
}

}  // namespace marvane::analysis::test
