// SPDX-License-Identifier: GPL-3.0-or-later
// The ladder of levels: a game is the same for the same seed and differs with another, and the
// varied opening of the top levels never strays further from the best than allowed.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "analysis/levels.h"

namespace {

using namespace marvane::analysis;

std::vector<int> selfPlay(Analyser& analyser, int level, std::uint64_t seed, int plies) {
    std::vector<int> squares;
    Position p = startPosition();
    for (int ply = 0; ply < plies; ++ply) {
        const LevelChoice c = chooseLevelSquare(analyser, p, Rules::Marvane, level, ply, seed);
        if (c.square < 0) break;
        squares.push_back(c.square);
        p = play(p, c.square);
    }
    return squares;
}

// Catches randomness that leaks from outside the seed (a global generator, the table's state),
// and a seed that changes nothing.
TEST(Levels, PlayTheSameGameForASeedAndAnotherForAnotherSeed) {
    Analyser analyser(std::size_t{4} << 20);
    for (int level : {kLowestLevel, 5, kTopLevel - 1}) {
        const std::vector<int> once = selfPlay(analyser, level, 42, 12);
        EXPECT_EQ(selfPlay(analyser, level, 42, 12), once) << "level " << level;
        std::set<std::vector<int>> openings;
        for (std::uint64_t seed = 1; seed <= 8; ++seed)
            openings.insert(selfPlay(analyser, level, seed, 8));
        EXPECT_GE(openings.size(), 4u) << "level " << level;
    }
}

// Catches a variety or error model that lets a strong level throw away discs: above the error
// model's levels every choice is within the allowed margin of the best score.
TEST(Levels, VaryTheOpeningOfTheTopLevelsOnlyAmongSquaresCloseToTheBest) {
    Analyser analyser(std::size_t{4} << 20);
    for (int level = kExpertLevel; level <= kTopLevel - 1; ++level) {
        const LevelBudget budget = levelBudget(level);
        ASSERT_EQ(budget.errorDiscs, 0.0);
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            Position p = startPosition();
            for (int ply = 0; ply < budget.openingPlies + 2; ++ply) {
                const Analysis a = analyser.analyse(p, Rules::Marvane, levelLimits(level, ply));
                const LevelChoice c = levelChoice(a, level, p, ply, seed);
                ASSERT_GE(c.square, 0);
                const int allowed = ply < budget.openingPlies ? budget.openingDiscs : 0;
                EXPECT_GE(c.score, a.squares.front().score - allowed) << "ply " << ply;
                p = play(p, c.square);
            }
        }
    }
}

}  // namespace
