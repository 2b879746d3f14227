// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/review.h"

#include <algorithm>

namespace marvane::analysis {

namespace {

std::string reviewError(const Position& start, const std::vector<int>& squares,
                        const ReviewLimits& limits) {
    if (std::string e = positionError(start); !e.empty()) return e;
    if (std::string e = searchLimitsError(limits.depth, limits.exactEmpties); !e.empty()) return e;
    Position p = start;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const int square = squares[i];
        if (square < 0 || square > 63 || !(legalMoves(p.mover(), p.waiter()) & bit(square)))
            return "Move " + std::to_string(i + 1) + " (" + squareName(square) +
                   ") is not a legal square.";
        p = play(p, square);
    }
    return {};
}

int forFirst(const Position& p, int score) { return p.toMove == Side::First ? score : -score; }

}  // namespace

Review reviewGame(Analyser& analyser, const Position& start, const std::vector<int>& squares,
                  const ReviewLimits& limits, const std::atomic<bool>* cancel,
                  const ReviewProgress& progress, const Review* stopped) {
    Review review;
    review.error = reviewError(start, squares, limits);
    if (!review.ok()) return review;

    std::vector<Position> positions{start};
    for (const int square : squares) positions.push_back(play(positions.back(), square));
    review.moves.resize(squares.size());

    Limits exactLimits;
    exactLimits.exactEmpties = 60;
    exactLimits.nodes = limits.exactNodes;
    exactLimits.everySquare = false;
    Limits estimateLimits;
    estimateLimits.depth = limits.depth;
    estimateLimits.exactEmpties = 0;
    estimateLimits.everySquare = true;  // the square played is scored by the same search

    // Solves the position exactly if the limits allow; false when it was not solved.
    bool solving = true;
    auto solve = [&](const Position& p, Analysis& a) {
        if (!solving || p.empties() > limits.exactEmpties) return solving = false;
        a = analyser.analyse(p, Rules::Marvane, exactLimits, cancel);
        review.nodes += a.nodes;
        if (a.stopped == StopReason::NodeLimit) solving = false;
        // The scores may be complete when only the best line was cut short.
        return a.exact;
    };
    auto estimate = [&](const Position& p) {
        Analysis a = analyser.analyse(p, Rules::Marvane, estimateLimits, cancel);
        review.nodes += a.nodes;
        return a;
    };
    // The review ends here: cancelled, or an analysis failed (the table could not be had).
    auto ended = [&](const Analysis& a) {
        if (!a.ok()) {
            review.error = a.error;
            review.outOfMemory = a.outOfMemory;
            return true;
        }
        if (a.stopped != StopReason::Cancelled) return false;
        review.stopped = StopReason::Cancelled;
        return true;
    };

    // What the position after the move being reviewed is worth to its side to move.
    int afterScore = 0;
    bool afterExact = false;
    std::size_t remaining = squares.size();
    if (stopped && stopped->resume.valid && stopped->moves.size() == squares.size()) {
        review.moves = stopped->moves;
        review.nodes = stopped->nodes;
        remaining = stopped->resume.remaining;
        afterScore = stopped->resume.score;
        afterExact = stopped->resume.exact;
        solving = stopped->resume.solving;
    } else {
        // The position after the last move: its score for the graph, and for the last move's.
        Analysis after;
        afterExact = solve(positions.back(), after);
        if (!afterExact) {
            if (ended(after)) return review;
            after = estimate(positions.back());
            if (ended(after)) return review;
            afterExact = after.exact;
        }
        afterScore = after.score;
    }
    auto stopAt = [&](std::size_t i) {
        review.resume = {true, i + 1, afterScore, afterExact, solving};
        return review;
    };

    for (std::size_t i = remaining; i-- > 0;) {
        // A small analysis may end before it looks at the flag.
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            review.stopped = StopReason::Cancelled;
            return stopAt(i);
        }
        const Position& p = positions[i];
        MoveReview& move = review.moves[i];
        move.square = squares[i];
        move.mover = p.toMove;
        move.scoreAfter = forFirst(positions[i + 1], afterScore);
        move.exactAfter = afterExact;

        Analysis before;
        if (afterExact && solve(p, before)) {
            // Both sides of the move are exact: the square played gives what the position after
            // it is worth to the other side, negated.
            move.bestSquare = before.squares.front().square;
            move.bestScore = before.score;
            move.playedScore = move.square == move.bestSquare ? before.score : -afterScore;
            move.exact = true;
        } else {
            if (ended(before)) return stopAt(i);
            before = estimate(p);
            if (ended(before)) return stopAt(i);
            const auto played =
                std::find_if(before.squares.begin(), before.squares.end(),
                             [&](const SquareScore& s) { return s.square == move.square; });
            if (played == before.squares.end()) {  // cannot be: the square played is legal
                review.error = "The square played was not scored.";
                return review;
            }
            move.bestSquare = before.squares.front().square;
            move.bestScore = before.score;
            move.playedScore = played->score;
            move.exact = before.exact && played->exact;
        }
        move.loss = std::max(0, move.bestScore - move.playedScore);
        move.reviewed = true;
        if (progress) progress(move, i, squares.size() - i);
        afterScore = before.score;
        afterExact = before.exact;
    }
    review.startScore = forFirst(start, afterScore);
    review.startExact = afterExact;
    return review;
}

}  // namespace marvane::analysis
