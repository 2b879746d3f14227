// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "analysis/analyser.h"
#include "analysis/position.h"

// The computer's ladder of levels. A level is a search budget (a depth and the number of empty
// squares from which it plays perfectly, never a time) and, below the top, an error model: it
// picks among the squares by how much each gives away against the best, the worse the less
// likely. In the first moves of a game every level also varies its play among the squares
// close to the best. The only randomness is a per-game seed: the same seed, position and level
// give the same square on any machine.
namespace marvane::analysis {

inline constexpr int kLowestLevel = 1;
inline constexpr int kTopLevel = 10;
// The level that plays at least as well as the engine's former single expert level.
inline constexpr int kExpertLevel = 8;

struct LevelBudget {
    int depth;          // midgame search depth, in moves
    int exactEmpties;   // perfect play from this many empty squares
    double errorDiscs;  // the error model's temperature, in discs (0: always a best square)
    int openingPlies;   // moves of the game (from the start) where the play is varied
    int openingDiscs;   // ... among the squares within this many discs of the best
};

LevelBudget levelBudget(int level);  // level is clamped to kLowestLevel..kTopLevel
// The analysis a level's choice at `ply` (moves played since the start of the game) needs.
Limits levelLimits(int level, int ply);

struct LevelChoice {
    int square = -1;  // -1: the side to move has no legal square
    int score = 0;    // what the engine expects the square to give, for the side to move
    bool exact = false;
};

// The square a finished analysis made with levelLimits(level) plays. `ply` is the number of
// moves played since the start of the game (for the variety of the opening), `seed` the game's.
LevelChoice levelChoice(const Analysis& analysis, int level, const Position& position, int ply,
                        std::uint64_t seed);

// The same, analysed here and now.
LevelChoice chooseLevelSquare(Analyser& analyser, const Position& position, Rules rules, int level,
                              int ply, std::uint64_t seed);

}  // namespace marvane::analysis
