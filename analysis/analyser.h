// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/position.h"
#include "analysis/search.h"
#include "analysis/table.h"
#include "analysis/weights.h"

namespace marvane::analysis {

struct Limits {
    int depth = 60;                     // moves searched ahead by the midgame search, 1..60
    int exactEmpties = 20;              // from this many empty squares down, solve exactly (0..60)
    std::uint64_t nodes = 0;            // a node budget; 0 for none
    std::chrono::milliseconds time{0};  // a time budget; 0 for none (the result is then
                                        // the same on every run)
    // Score every legal square; when false only the best square's score is worked out and the
    // others get an upper bound (much quicker for an exact solve).
    bool everySquare = true;
};

struct SquareScore {
    int square = 0;
    int score = 0;            // final disc difference for the side to move
    bool exact = false;       // what perfect play by both sides gives
    bool upperBound = false;  // only "at most this" is known
    int depth = 0;            // moves searched ahead (the empty squares when exact)
    bool operator==(const SquareScore&) const = default;
};

struct Analysis {
    std::string error;                 // the request was refused, and why; nothing else is set
    bool outOfMemory = false;          // refused because not even a small table could be had
    std::vector<SquareScore> squares;  // every legal square, best first
    std::vector<int> line;             // the best line of play from the position (kPass: a pass)
    int score = 0;                     // of the best square, or the result of a finished game
    int depth = 0;                     // the deepest search completed for every square
    bool exact = false;
    bool gameOver = false;  // the side to move has no legal square, and the game is over
    StopReason stopped = StopReason::None;
    std::uint64_t nodes = 0;
    // Set when the learned evaluation was asked for and could not be loaded: why, in a sentence.
    // The analysis is still made, with the hand-made evaluation.
    std::string evaluationError;
    bool ok() const { return error.empty(); }
};

// Called after each depth completed, on the analysing thread.
using Progress = std::function<void(const Analysis&)>;

// Why a search `depth` moves deep that solves exactly from `exactEmpties` empty squares cannot
// be run (the depth must be 1..60, the empty squares 0..60); empty when it can.
std::string searchLimitsError(int depth, int exactEmpties);

// The analysis engine. It owns its transposition table, which it allocates on the first
// analysis and keeps until released. One thread at a time may use it; another thread may set
// `cancel`, and the analysis then returns what it had completed within a few milliseconds.
class Analyser {
public:
    static constexpr std::size_t kDefaultTableBytes = std::size_t{64} << 20;

    explicit Analyser(std::size_t tableBytes = kDefaultTableBytes) : table_(tableBytes) {}

    Analysis analyse(const Position& position, Rules rules, const Limits& limits = {},
                     const std::atomic<bool>* cancel = nullptr, const Progress& progress = {});

    bool tableAllocated() const { return table_.allocated(); }
    void releaseTable() { table_.release(); }

    // The midgame search's evaluation: the learned weights read from `path` the first time an
    // analysis needs them (never before), or given here, or the hand-made formula (the default).
    void useEvaluationFile(std::string path);
    void useWeights(std::shared_ptr<const Weights> weights);
    // The learned weights in use (read from the file now if they have not been); nullptr while
    // the hand-made evaluation serves.
    const Weights* weights();
    // Why the file given to useEvaluationFile could not be used; empty when it was, or before
    // it was needed.
    const std::string& weightsError() const { return weightsError_; }

private:
    Table table_;
    std::string weightsPath_;
    bool weightsLoaded_ = true;
    std::shared_ptr<const Weights> weights_;
    std::string weightsError_;
};

}  // namespace marvane::analysis
