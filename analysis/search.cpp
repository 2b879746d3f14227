// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/search.h"

#include <algorithm>

#include "analysis/evaluation.h"
#include "checks/expects.h"

namespace marvane::analysis {

namespace {

// From this many empty squares the solver keeps its results in the table and orders its
// moves by the opponent's mobility; below it, by parity and a fixed preference of squares.
constexpr int kDeepEmpties = 10;
constexpr int kMobilityOrderEmpties = 7;
// From this many empty squares the solver also weighs each move by the learned evaluation of the
// position it leaves (tried on random positions at 19-22 empty squares and on the endgame test
// set: 10 % fewer nodes than mobility alone; deeper searches of each move, or starting at 15 or
// more empty squares, saved less).
constexpr int kEvaluationOrderEmpties = 12;
constexpr int kLastEmpties = 5;
constexpr int kInfinity = 30000;

constexpr Bits kQuadrants[4] = {0x000000000F0F0F0Full, 0x00000000F0F0F0F0ull, 0x0F0F0F0F00000000ull,
                                0xF0F0F0F000000000ull};
// Squares in the order a shallow solver tries them within one parity class: corners, the
// squares two away from a corner along an edge, the inner squares, the middle of the edges,
// then the squares next to a corner.
constexpr Bits kNextToCorners = 0x42C300000000C342ull;
constexpr Bits kEdgeA = 0x2400810000810024ull, kEdgeB = 0x1800008181000018ull;
constexpr Bits kPreference[5] = {kCorners, kEdgeA, ~(kCorners | kEdgeA | kEdgeB | kNextToCorners),
                                 kEdgeB, kNextToCorners};

// The empty squares in quadrants holding an odd number of them: playing there first tends to
// leave the last move of each region to the side to move.
Bits oddRegions(Bits empty) {
    Bits odd = 0;
    for (Bits q : kQuadrants)
        if (count(empty & q) & 1) odd |= q;
    return odd;
}

struct Neighbourhoods {
    Bits of[64];
};
constexpr Neighbourhoods makeNeighbourhoods() {
    Neighbourhoods n{};
    for (int sq = 0; sq < 64; ++sq)
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int r = sq / 8 + dr, c = sq % 8 + dc;
                if ((dr || dc) && r >= 0 && r < 8 && c >= 0 && c < 8)
                    n.of[sq] |= Bits{1} << (r * 8 + c);
            }
    return n;
}
// The squares around each square: a move turns nothing where none of them is the opponent's.
constexpr Neighbourhoods kNeighbourhoods = makeNeighbourhoods();
constexpr const Bits* kNeighbourhood = kNeighbourhoods.of;

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int ceilDiv(int a, int b) { return -floorDiv(-a, b); }

struct Move {
    int square;
    Bits turned;
    int key;
};

// Puts the move with the highest key at `from`.
void pickBest(Move* moves, int from, int n) {
    int best = from;
    for (int i = from + 1; i < n; ++i)
        if (moves[i].key > moves[best].key) best = i;
    std::swap(moves[from], moves[best]);
}

// Fastest first: the fewer replies the opponent has (corners counted twice), the sooner a move
// is tried; squares of odd regions get a small bonus.
int mobilityKey(Bits p, Bits o, int square, Bits turned, Bits odd) {
    const Bits np = p | turned | bit(square), no = o & ~turned;
    const Bits replies = legalMoves(no, np);
    int key = -16 * (count(replies) + count(replies & kCorners));
    key -= 2 * count(neighbours(np) & ~(np | no));
    if (odd & bit(square)) key += 4;
    return key;
}

}  // namespace

void Search::checkStop() const {
    if (stop_.cancel && stop_.cancel->load(std::memory_order_relaxed))
        throw SearchStopped{StopReason::Cancelled};
    if (stop_.nodeLimit && nodes_ >= stop_.nodeLimit) throw SearchStopped{StopReason::NodeLimit};
    if (stop_.hasDeadline && std::chrono::steady_clock::now() >= stop_.deadline)
        throw SearchStopped{StopReason::TimeLimit};
}

int Search::solve(Bits p, Bits o, int alpha, int beta) {
    const int empties = 64 - count(p | o);
    return rules_ == Rules::Marvane ? solveAny<Rules::Marvane>(p, o, alpha, beta, empties)
                                    : solveAny<Rules::Standard>(p, o, alpha, beta, empties);
}

int Search::search(Bits p, Bits o, int alpha, int beta, int depth) {
    return rules_ == Rules::Marvane ? searchAt<Rules::Marvane>(p, o, alpha, beta, depth)
                                    : searchAt<Rules::Standard>(p, o, alpha, beta, depth);
}

template <Rules R>
int Search::solveAny(Bits p, Bits o, int alpha, int beta, int empties) {
    MARVANE_EXPECTS(alpha < beta);
    MARVANE_EXPECTS((p & o) == 0 && empties == 64 - count(p | o));
    if (empties >= kDeepEmpties) return solveDeep<R>(p, o, alpha, beta, empties);
    if (empties > kLastEmpties) return solveShallow<R>(p, o, alpha, beta, empties);
    if (empties == 0) {
        visit();
        return finalScore<R>(p, o);
    }
    // The last few empty squares, odd regions first.
    int squares[6];
    static_assert(kLastEmpties <= 6);
    int n = 0;
    const Bits empty = ~(p | o);
    const Bits odd = oddRegions(empty);
    for (Bits e = empty & odd; e; e &= e - 1) squares[n++] = std::countr_zero(e);
    for (Bits e = empty & ~odd; e; e &= e - 1) squares[n++] = std::countr_zero(e);
    switch (n) {
        case 1: return solveLast<R, 1>(p, o, alpha, beta, squares);
        case 2: return solveLast<R, 2>(p, o, alpha, beta, squares);
        case 3: return solveLast<R, 3>(p, o, alpha, beta, squares);
        case 4: return solveLast<R, 4>(p, o, alpha, beta, squares);
        case 5: return solveLast<R, 5>(p, o, alpha, beta, squares);
        default: return solveLast<R, 6>(p, o, alpha, beta, squares);
    }
}

template <Rules R>
int Search::solveOne(Bits p, Bits o, int square) {
    visit();
    const int turned = kNeighbourhood[square] & o ? count(flips(square, p, o)) : 0;
    const int diff = count(p) - count(o);  // with one empty square
    if (turned) return diff + 2 * turned + 1;
    if (R == Rules::Marvane) return diff;
    const int back = count(flips(square, o, p));
    if (back) return diff - 2 * back - 1;
    return diff > 0 ? diff + 1 : diff < 0 ? diff - 1 : 0;
}

template <Rules R, int N>
int Search::solveLast(Bits p, Bits o, int alpha, int beta, const int* squares) {
    if constexpr (N == 1) {
        return solveOne<R>(p, o, squares[0]);
    } else {
        visit();
        int best = -kInfinity;
        int rest[N - 1];
        for (int i = 0; i < N; ++i) {
            const int sq = squares[i];
            if (!(kNeighbourhood[sq] & o)) continue;  // nothing to turn there
            const Bits turned = flips(sq, p, o);
            if (!turned) continue;
            for (int j = 0, k = 0; j < N; ++j)
                if (j != i) rest[k++] = squares[j];
            const int v = -solveLast<R, N - 1>(o & ~turned, p | turned | bit(sq), -beta,
                                               -std::max(alpha, best), rest);
            if (v > best) {
                best = v;
                if (best >= beta) return best;
            }
        }
        if (best != -kInfinity) return best;
        if (R == Rules::Marvane) return finalScore<R>(p, o);
        for (int i = 0; i < N; ++i)
            if ((kNeighbourhood[squares[i]] & p) && flips(squares[i], o, p))
                return -solveLast<R, N>(o, p, -beta, -alpha, squares);
        return finalScore<R>(p, o);
    }
}

template <Rules R>
int Search::solveShallow(Bits p, Bits o, int alpha, int beta, int empties) {
    visit();
    const Bits moves = legalMoves(p, o);
    if (!moves) {
        if (R == Rules::Marvane || !legalMoves(o, p)) return finalScore<R>(p, o);
        return -solveShallow<R>(o, p, -beta, -alpha, empties);
    }
    Move list[32];
    int n = 0;
    const Bits odd = oddRegions(~(p | o));
    if (empties >= kMobilityOrderEmpties) {
        for (Bits m = moves; m; m &= m - 1) {
            const int sq = std::countr_zero(m);
            const Bits turned = flips(sq, p, o);
            list[n++] = {sq, turned, mobilityKey(p, o, sq, turned, odd)};
        }
    } else {
        for (const Bits region : {odd, ~odd})
            for (const Bits preferred : kPreference)
                for (Bits m = moves & region & preferred; m; m &= m - 1) {
                    const int sq = std::countr_zero(m);
                    list[n++] = {sq, flips(sq, p, o), 0};
                }
    }
    int best = -kInfinity;
    for (int i = 0; i < n; ++i) {
        if (empties >= kMobilityOrderEmpties) pickBest(list, i, n);
        const Move& mv = list[i];
        const Bits np = o & ~mv.turned, no = p | mv.turned | bit(mv.square);
        int v;
        if (i == 0) {
            v = -solveAny<R>(np, no, -beta, -alpha, empties - 1);
        } else {
            v = -solveAny<R>(np, no, -alpha - 1, -alpha, empties - 1);
            if (v > alpha && v < beta) v = -solveAny<R>(np, no, -beta, -alpha, empties - 1);
        }
        if (v > best) {
            best = v;
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta) break;
            }
        }
    }
    return best;
}

template <Rules R>
int Search::solveDeep(Bits p, Bits o, int alpha, int beta, int empties) {
    visit();
    const std::uint64_t k = key(p, o);
    int tableMove = -1;
    if (const TableEntry* e = table_.probe(k)) {
        tableMove = e->move;
        if (e->exact) {
            if (e->lower >= beta) return e->lower;
            if (e->upper <= alpha) return e->upper;
            if (e->lower == e->upper) return e->lower;
            alpha = std::max<int>(alpha, e->lower);
            beta = std::min<int>(beta, e->upper);
        }
    }
    const Bits moves = legalMoves(p, o);
    if (!moves) {
        if (R == Rules::Marvane || !legalMoves(o, p)) return finalScore<R>(p, o);
        return -solveDeep<R>(o, p, -beta, -alpha, empties);
    }
    // The discs of `o` that can never turn bound what `p` can reach.
    if (64 - 2 * count(o) <= alpha) {
        const int most = 64 - 2 * count(stableDiscs(o, p));
        if (most <= alpha) return most;
    }
    Move list[32];
    int n = 0;
    const Bits odd = oddRegions(~(p | o));
    const bool byEvaluation = weights_ && empties >= kEvaluationOrderEmpties;
    for (Bits m = moves; m; m &= m - 1) {
        const int sq = std::countr_zero(m);
        const Bits turned = flips(sq, p, o);
        int key = kInfinity;
        if (sq != tableMove) {
            key = mobilityKey(p, o, sq, turned, odd);
            if (byEvaluation) key -= weights_->evaluate(o & ~turned, p | turned | bit(sq));
        }
        list[n++] = {sq, turned, key};
    }
    const int alpha0 = alpha;
    int best = -kInfinity, bestMove = list[0].square;
    for (int i = 0; i < n; ++i) {
        pickBest(list, i, n);
        const Move& mv = list[i];
        const Bits np = o & ~mv.turned, no = p | mv.turned | bit(mv.square);
        int v;
        if (i == 0) {
            v = -solveAny<R>(np, no, -beta, -alpha, empties - 1);
        } else {
            v = -solveAny<R>(np, no, -alpha - 1, -alpha, empties - 1);
            if (v > alpha && v < beta) v = -solveAny<R>(np, no, -beta, -alpha, empties - 1);
        }
        if (v > best) {
            best = v;
            bestMove = mv.square;
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta) break;
            }
        }
    }
    table_.store(k, empties, true, best > alpha0 ? best : -64, best < beta ? best : 64, bestMove);
    return best;
}

template <Rules R>
int Search::searchAt(Bits p, Bits o, int alpha, int beta, int depth) {
    MARVANE_EXPECTS(alpha < beta && depth >= 0 && (p & o) == 0);
    const int empties = 64 - count(p | o);
    if (depth >= empties) {
        const int a = std::max(floorDiv(alpha, kUnit), -65), b = std::min(ceilDiv(beta, kUnit), 65);
        return kUnit * solveAny<R>(p, o, a, b, empties);
    }
    visit();
    if (depth == 0) return evaluate(p, o, R, weights_);
    const std::uint64_t k = key(p, o);
    int tableMove = -1;
    if (const TableEntry* e = table_.probe(k)) {
        tableMove = e->move;
        const int scale = e->exact ? kUnit : 1;
        if (e->exact || e->depth >= depth) {
            if (e->lower * scale >= beta) return e->lower * scale;
            if (e->upper * scale <= alpha) return e->upper * scale;
            if (e->lower == e->upper) return e->lower * scale;
            alpha = std::max(alpha, e->lower * scale);
            beta = std::min(beta, e->upper * scale);
        }
    }
    const Bits moves = legalMoves(p, o);
    if (!moves) {
        if (R == Rules::Marvane || !legalMoves(o, p)) return kUnit * finalScore<R>(p, o);
        return -searchAt<R>(o, p, -beta, -alpha, depth);
    }
    Move list[32];
    int n = 0;
    for (Bits m = moves; m; m &= m - 1) {
        const int sq = std::countr_zero(m);
        const Bits turned = flips(sq, p, o);
        int key = 0;
        if (sq == tableMove)
            key = kInfinity;
        else if (depth >= 3)
            key = -evaluate(o & ~turned, p | turned | bit(sq), R, weights_);
        else
            key = mobilityKey(p, o, sq, turned, 0);
        list[n++] = {sq, turned, key};
    }
    const int alpha0 = alpha;
    int best = -kInfinity, bestMove = list[0].square;
    for (int i = 0; i < n; ++i) {
        pickBest(list, i, n);
        const Move& mv = list[i];
        const Bits np = o & ~mv.turned, no = p | mv.turned | bit(mv.square);
        int v;
        if (i == 0) {
            v = -searchAt<R>(np, no, -beta, -alpha, depth - 1);
        } else {
            v = -searchAt<R>(np, no, -alpha - 1, -alpha, depth - 1);
            if (v > alpha && v < beta) v = -searchAt<R>(np, no, -beta, -alpha, depth - 1);
        }
        if (v > best) {
            best = v;
            bestMove = mv.square;
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta) break;
            }
        }
    }
    table_.store(k, depth, false, best > alpha0 ? best : -kInfinity, best < beta ? best : kInfinity,
                 bestMove);
    return best;
}

std::vector<int> Search::line(Bits p, Bits o, int length, bool exact) {
    std::vector<int> moves;
    while (static_cast<int>(moves.size()) < length) {
        const Bits legal = legalMoves(p, o);
        if (!legal) {
            if (rules_ == Rules::Marvane || !legalMoves(o, p)) break;
            moves.push_back(kPass);
            std::swap(p, o);
            continue;
        }
        int next = -1;
        const TableEntry* e = table_.probe(key(p, o));
        if (e && (legal & bit(e->move))) {
            next = e->move;
        } else if (exact && 64 - count(p | o) < kDeepEmpties) {
            int best = -kInfinity;
            for (Bits m = legal; m; m &= m - 1) {
                const int sq = std::countr_zero(m);
                const Bits turned = flips(sq, p, o);
                const int v = -solve(o & ~turned, p | turned | bit(sq), -64, 64);
                if (v > best) {
                    best = v;
                    next = sq;
                }
            }
        }
        if (next < 0) break;
        moves.push_back(next);
        const Bits turned = flips(next, p, o);
        const Bits np = o & ~turned;
        o = p | turned | bit(next);
        p = np;
    }
    return moves;
}

}  // namespace marvane::analysis
