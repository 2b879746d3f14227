// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "analysis/position.h"
#include "analysis/table.h"
#include "analysis/weights.h"

namespace marvane::analysis {

// Why an analysis ended before it had done everything asked.
enum class StopReason { None, Cancelled, NodeLimit, TimeLimit };

// What ends a search early; looked at every 1024 nodes (well under a millisecond).
struct StopWhen {
    const std::atomic<bool>* cancel = nullptr;
    std::uint64_t nodeLimit = 0;  // 0: none
    bool hasDeadline = false;
    std::chrono::steady_clock::time_point deadline;
};

// Thrown out of the search when it must stop; whoever started the search catches it.
struct SearchStopped {
    StopReason reason;
};

// The search of one analysis, for the side to move (`p`) against the other (`o`): a midgame
// search to a depth with the evaluation at its leaves, and the exact solver. Both are
// principal-variation searches, fail-soft, sharing the transposition table.
class Search {
public:
    // `weights`: the learned evaluation at the leaves, or nullptr for the hand-made one.
    Search(Table& table, Rules rules, const StopWhen& stop, const Weights* weights = nullptr)
        : table_(table), rules_(rules), stop_(stop), weights_(weights) {}

    // The exact final disc difference for `p`: exact when it lies inside (alpha, beta), else a
    // bound on the side of the window it fell.
    int solve(Bits p, Bits o, int alpha, int beta);
    // An estimate in evaluation units, `depth` moves deep; exact (times kUnit) where the depth
    // reaches the end of the game.
    int search(Bits p, Bits o, int alpha, int beta, int depth);
    // The best line from (p, o) as the table remembers it, at most `length` moves; with `exact`,
    // the last moves the table does not hold are worked out by the solver.
    std::vector<int> line(Bits p, Bits o, int length, bool exact);

    std::uint64_t nodes() const { return nodes_; }

private:
    template <Rules R>
    int solveAny(Bits p, Bits o, int alpha, int beta, int empties);
    template <Rules R>
    int solveDeep(Bits p, Bits o, int alpha, int beta, int empties);
    template <Rules R>
    int solveShallow(Bits p, Bits o, int alpha, int beta, int empties);
    template <Rules R, int N>
    int solveLast(Bits p, Bits o, int alpha, int beta, const int* squares);
    template <Rules R>
    int solveOne(Bits p, Bits o, int square);
    template <Rules R>
    int searchAt(Bits p, Bits o, int alpha, int beta, int depth);

    void visit() {
        if ((++nodes_ & 1023) == 0) checkStop();
    }
    void checkStop() const;
    std::uint64_t key(Bits p, Bits o) const {
        return positionKey(p, o) ^ (rules_ == Rules::Standard ? 0x5bd1e9955bd1e995ull : 0);
    }

    Table& table_;
    Rules rules_;
    StopWhen stop_;
    const Weights* weights_;
    std::uint64_t nodes_ = 0;
};

}  // namespace marvane::analysis
