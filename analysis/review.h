// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/analyser.h"
#include "analysis/position.h"

// The review of a game under our rules: what each move gave away against the best move of its
// position, and how the game stood after it.
namespace marvane::analysis {

struct ReviewLimits {
    // Positions with at most this many empty squares are solved exactly, as long as each solve
    // needs no more than `exactNodes` nodes; from the first one that needs more (the review works
    // from the last move back) every earlier position is estimated.
    int exactEmpties = 20;
    std::uint64_t exactNodes = 60'000'000;
    int depth = 8;  // how deep an estimate looks, in moves
};

struct MoveReview {
    bool reviewed = false;  // false only in a review that was cancelled
    int square = -1;        // the square played
    Side mover = Side::First;
    int bestSquare = -1;  // a best square of the position before the move
    int bestScore = 0;    // what the best square gives the mover (a final disc difference)
    int playedScore = 0;  // what the square played gives the mover
    int loss = 0;         // bestScore - playedScore, never negative
    bool exact = false;   // both scores assume perfect play to the end; else estimates at `depth`
    // The position after the move, for the graph: its score for the first side.
    int scoreAfter = 0;
    bool exactAfter = false;
    bool operator==(const MoveReview&) const = default;
};

struct Review {
    std::string error;              // the game was refused, or an analysis failed, and why
    bool outOfMemory = false;       // an analysis had not enough memory; the moves reviewed stay
    std::vector<MoveReview> moves;  // one per move, in the game's order
    int startScore = 0;             // the start position's score for the first side
    bool startExact = false;
    StopReason stopped = StopReason::None;  // Cancelled: some moves were not reviewed
    std::uint64_t nodes = 0;
    // Where a cancelled review stopped, for reviewGame to go on from: the moves before
    // `remaining` are still to review, and the position after the last of them was worth `score`
    // to its side to move. Not `valid` when the review stopped before its first move.
    struct Resume {
        bool valid = false;
        std::size_t remaining = 0;
        int score = 0;
        bool exact = false;
        bool solving = true;  // exact solves are still allowed
    } resume;
    bool ok() const { return error.empty(); }
};

// Called after each move reviewed, on the reviewing thread, with the move's index in the game
// and how many moves are reviewed so far.
using ReviewProgress =
    std::function<void(const MoveReview& move, std::size_t index, std::size_t done)>;

// Reviews the game that starts at `start` and plays `squares` (each a legal square of the side to
// move; the game may end early, by "finish"). The moves are reviewed from the last one back, so
// the exact ones come first. `cancel` stops it within a few milliseconds. Given the review of
// the same game and limits that `cancel` stopped, it goes on where that one stopped, and ends
// as it would have without the stop.
Review reviewGame(Analyser& analyser, const Position& start, const std::vector<int>& squares,
                  const ReviewLimits& limits = {}, const std::atomic<bool>* cancel = nullptr,
                  const ReviewProgress& progress = {}, const Review* stopped = nullptr);

}  // namespace marvane::analysis
