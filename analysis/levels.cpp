// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/levels.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/table.h"

namespace marvane::analysis {

namespace {

// depth, exact from, error temperature, varied opening plies, within discs
constexpr LevelBudget kLevels[kTopLevel] = {
    {1, 2, 24.0, 10, 8}, {1, 4, 10.0, 10, 6}, {2, 6, 4.0, 10, 4},  {3, 8, 2.2, 10, 4},
    {4, 10, 1.3, 10, 3}, {5, 12, 0.8, 10, 2}, {6, 14, 0.5, 10, 2}, {7, 16, 0.0, 10, 1},
    {9, 18, 0.0, 8, 1},  {11, 20, 0.0, 8, 1},
};

// A fraction below one drawn from the seed and the position: the same for the same game and
// position.
double uniform(std::uint64_t seed, const Position& position) {
    const std::uint64_t h = mixBits(seed ^ positionKey(position.mover(), position.waiter()) ^
                                    (position.toMove == Side::First ? 0 : 0x5851F42D4C957F2Dull));
    return static_cast<double>(h >> 11) * 0x1.0p-53;
}

}  // namespace

LevelBudget levelBudget(int level) {
    return kLevels[std::clamp(level, kLowestLevel, kTopLevel) - 1];
}

Limits levelLimits(int level, int ply) {
    const LevelBudget budget = levelBudget(level);
    Limits limits;
    limits.depth = budget.depth;
    limits.exactEmpties = budget.exactEmpties;
    // The error model and the opening's variety weigh every square against the best.
    limits.everySquare = budget.errorDiscs > 0 || ply < budget.openingPlies;
    return limits;
}

LevelChoice levelChoice(const Analysis& analysis, int level, const Position& position, int ply,
                        std::uint64_t seed) {
    if (!analysis.ok() || analysis.squares.empty()) return {};
    const LevelBudget budget = levelBudget(level);
    const std::vector<SquareScore>& squares = analysis.squares;
    const int best = squares.front().score;
    // Each square's weight: 1 for the best, falling with what it gives away.
    std::vector<double> weight(squares.size(), 0.0);
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const int loss = best - squares[i].score;
        if (ply < budget.openingPlies && loss <= budget.openingDiscs)
            weight[i] = 1.0;
        else if (budget.errorDiscs > 0)
            weight[i] = std::exp(-loss / budget.errorDiscs);
        else
            weight[i] = loss == 0 ? 1.0 : 0.0;
    }
    // Among equal scores without randomness, the analysis's own order decides.
    if (budget.errorDiscs == 0 && ply >= budget.openingPlies)
        return {squares.front().square, best, squares.front().exact};
    double total = 0;
    for (double w : weight) total += w;
    double pick = uniform(seed, position) * total;
    for (std::size_t i = 0; i < squares.size(); ++i) {
        pick -= weight[i];
        if (pick < 0 || i + 1 == squares.size())
            if (weight[i] > 0) return {squares[i].square, squares[i].score, squares[i].exact};
    }
    return {squares.front().square, best, squares.front().exact};
}

LevelChoice chooseLevelSquare(Analyser& analyser, const Position& position, Rules rules, int level,
                              int ply, std::uint64_t seed) {
    return levelChoice(analyser.analyse(position, rules, levelLimits(level, ply)), level, position,
                       ply, seed);
}

}  // namespace marvane::analysis
