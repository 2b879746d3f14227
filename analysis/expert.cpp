// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/expert.h"

namespace marvane::analysis {

Limits expertLimits() {
    Limits limits;
    limits.depth = 7;
    limits.exactEmpties = 16;
    limits.everySquare = false;  // only the best square is played
    return limits;
}

ExpertChoice expertChoice(const Analysis& analysis) {
    if (!analysis.ok() || analysis.squares.empty()) return {};
    const SquareScore& best = analysis.squares.front();
    return {best.square, best.score, best.exact};
}

ExpertChoice chooseExpertSquare(Analyser& analyser, const Position& position) {
    return expertChoice(analyser.analyse(position, Rules::Marvane, expertLimits()));
}

}  // namespace marvane::analysis
