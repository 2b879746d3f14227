// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analyser.h"

#include <algorithm>
#include <new>

#include "analysis/evaluation.h"

namespace marvane::analysis {

namespace {

constexpr int kWide = 30000;

std::string limitsError(const Limits& limits) {
    if (std::string e = searchLimitsError(limits.depth, limits.exactEmpties); !e.empty()) return e;
    if (limits.time.count() < 0) return "The time budget cannot be negative.";
    return {};
}

// Rounds a midgame score in units to discs, halves away from zero.
int toDiscs(int units) {
    return units >= 0 ? (units + kUnit / 2) / kUnit : -((-units + kUnit / 2) / kUnit);
}

// The analysis of a position where the side to move passes, from the analysis after the pass.
Analysis afterPass(Analysis next) {
    next.squares.clear();
    next.score = -next.score;
    next.line.insert(next.line.begin(), kPass);
    return next;
}

}  // namespace

void Analyser::useEvaluationFile(std::string path) {
    weightsPath_ = std::move(path);
    weightsLoaded_ = false;
    weights_.reset();
    weightsError_.clear();
}

void Analyser::useWeights(std::shared_ptr<const Weights> weights) {
    weightsPath_.clear();
    weightsLoaded_ = true;
    weights_ = std::move(weights);
    weightsError_.clear();
}

const Weights* Analyser::weights() {
    if (!weightsLoaded_) {
        weightsLoaded_ = true;
        WeightsReading reading = loadWeights(weightsPath_);
        weights_ = std::move(reading.weights);
        weightsError_ = std::move(reading.error);
    }
    return weights_.get();
}

std::string searchLimitsError(int depth, int exactEmpties) {
    if (depth < 1 || depth > 60) return "The depth must be 1 to 60 moves.";
    if (exactEmpties < 0 || exactEmpties > 60)
        return "The number of empty squares to solve from must be 0 to 60.";
    return {};
}

Analysis Analyser::analyse(const Position& position, Rules rules, const Limits& limits,
                           const std::atomic<bool>* cancel, const Progress& progress) {
    Analysis result;
    result.error = positionError(position);
    if (result.error.empty()) result.error = rulesError(rules);
    if (result.error.empty()) result.error = limitsError(limits);
    if (result.error.empty() && table_.bytes() < Table::kBucketBytes)
        result.error = "The table needs at least 64 bytes.";
    if (!result.ok()) return result;

    const Bits p = position.mover(), o = position.waiter();
    const Bits moves = legalMoves(p, o);
    if (!moves) {
        if (rules == Rules::Marvane || !legalMoves(o, p)) {
            result.gameOver = true;
            result.exact = true;
            result.score = rules == Rules::Marvane ? finalScore<Rules::Marvane>(p, o)
                                                   : finalScore<Rules::Standard>(p, o);
            return result;
        }
        Progress passed;
        if (progress) passed = [&progress](const Analysis& a) { progress(afterPass(a)); };
        return afterPass(analyse(play(position, kPass), rules, limits, cancel, passed));
    }

    try {
        table_.prepare();
    } catch (const std::bad_alloc&) {
        result.error = "There is not enough memory for a table of " +
                       std::to_string(std::min(table_.bytes(), Table::kSmallestBytes) >> 10) +
                       " KiB.";
        result.outOfMemory = true;
        return result;
    }
    StopWhen stop{cancel, limits.nodes, limits.time.count() > 0,
                  std::chrono::steady_clock::now() + limits.time};
    Search search(table_, rules, stop, weights());
    result.evaluationError = weightsError_;

    for (Bits m = moves; m; m &= m - 1) result.squares.push_back({std::countr_zero(m)});
    const int empties = position.empties();
    const bool solving = empties <= limits.exactEmpties;
    // Before an exact solve, a short midgame search orders the squares.
    const int lastDepth = solving ? std::min({limits.depth, empties - 1, std::max(1, empties - 12)})
                                  : std::min(limits.depth, empties);

    // One pass over the root squares, best first: a midgame search `depth` deep, or the exact
    // solve when depth is 0.
    auto searchRoot = [&](int depth) {
        std::vector<SquareScore> next = result.squares;
        const bool exact = depth == 0 || depth >= empties;
        const int low = exact && depth == 0 ? -64 : -kWide, high = -low;
        int alpha = low;
        for (std::size_t i = 0; i < next.size(); ++i) {
            SquareScore& s = next[i];
            const Bits turned = flips(s.square, p, o);
            const Bits np = o & ~turned, no = p | turned | bit(s.square);
            auto value = [&](int a, int b) {
                return depth == 0 ? -search.solve(np, no, -b, -a)
                                  : -search.search(np, no, -b, -a, depth - 1);
            };
            int v;
            s.upperBound = false;
            if (limits.everySquare || i == 0) {
                v = value(low, high);
            } else {
                v = value(alpha, alpha + 1);
                if (v > alpha)
                    v = value(alpha, high);
                else
                    s.upperBound = true;
            }
            alpha = std::max(alpha, v);
            s.score = depth == 0 ? v : toDiscs(v);
            s.exact = exact && !s.upperBound;
            s.depth = depth == 0 ? empties : std::min(depth, empties);
        }
        std::stable_sort(next.begin(), next.end(), [](const SquareScore& a, const SquareScore& b) {
            return a.score != b.score ? a.score > b.score : !a.upperBound && b.upperBound;
        });
        result.squares = std::move(next);
        result.depth = depth == 0 ? empties : std::min(depth, empties);
        result.exact = exact;
        result.score = result.squares.front().score;
        const int best = result.squares.front().square;
        const Bits turned = flips(best, p, o);
        result.line = {best};
        const std::vector<int> rest =
            search.line(o & ~turned, p | turned | bit(best), result.depth - 1, exact);
        result.line.insert(result.line.end(), rest.begin(), rest.end());
        result.nodes = search.nodes();
        if (progress) progress(result);
    };

    try {
        for (int depth = 1; depth <= lastDepth; ++depth) searchRoot(depth);
        if (solving && lastDepth < empties) searchRoot(0);
    } catch (const SearchStopped& stopped) {
        result.stopped = stopped.reason;
        result.nodes = search.nodes();
    }
    return result;
}

}  // namespace marvane::analysis
