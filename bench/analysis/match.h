// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "analysis/analyser.h"

// Players for analysis_bench's match and evaluation figures.
namespace marvane::bench {

// A player of a match: told every move of the game, asked for its own.
class Player {
public:
    virtual ~Player() = default;
    virtual std::string name() const = 0;
    // A new game from `start` (the usual orientation, the first side black).
    virtual void newGame(const analysis::Position& start) = 0;
    // The square the side to move of `position` plays, or analysis::kPass; the player's
    // processor seconds for it are added to `cpu`.
    virtual int choose(const analysis::Position& position, double& cpu) = 0;
    // A move of either side, once it is played (its own included).
    virtual void played(const analysis::Position& before, int square) = 0;
};

// "learned:DEPTH:EXACT", "hand:DEPTH:EXACT" (the analysis engine with the learned or the
// hand-made evaluation, DEPTH moves deep, exact from EXACT empty squares; DEPTH may be "nNODES",
// a node budget), "level:N" (level N of the ladder, analysis/levels.h), "corner" (a corner when
// it can, else a random square), or "gtp:COMMAND ARGS..."
// (a program speaking GTP on its standard streams).
// Returns nullptr and sets `error` when the text names no player.
std::unique_ptr<Player> makePlayer(const std::string& text, const std::string& weightsFile,
                                   std::string& error);

// The weights file the benchmarks read unless told otherwise: the one in the source tree.
std::string defaultWeightsFile();

int matchCommand(const std::vector<std::string>& args);
int evalErrorCommand(const std::vector<std::string>& args);

}  // namespace marvane::bench
