// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

#include "analysis/analyser.h"
#include "analysis/position.h"

// The Expert Hard level: the analysis engine's choice under our rules. Its limits are a depth and
// a number of empty squares, never a time, so a position always gets the same square whatever the
// machine's speed or load, and a move takes a few milliseconds to a few tens.
namespace marvane::analysis {

struct ExpertChoice {
    int square = -1;  // -1: the side to move has no legal square, and the game is over
    int score = 0;    // what the engine expects the square to give, for the side to move
    bool exact = false;
};

Limits expertLimits();

// The square a finished analysis made with expertLimits() plays; for the window, which runs the
// analysis on its worker thread.
ExpertChoice expertChoice(const Analysis& analysis);

// The same choice, worked out here and now.
ExpertChoice chooseExpertSquare(Analyser& analyser, const Position& position);

}  // namespace marvane::analysis
