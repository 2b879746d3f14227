// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "engine/transcript.h"
#include "engine/types.h"

namespace marvane {

// The outcome of checking or replaying moves: empty error on success, else why not, naming the
// move (moveNumber, 1-based) where there is one.
struct ReplayOutcome {
    Reason error;
    int moveNumber = 0;
    RecordResult counts;  // counters of C1 and C2 after the last move
    bool ok() const { return error.empty(); }
};

// Plays the moves on a game of its own with the colours c1 (moving first) and c2, from `start`
// or else the standard start, by the game's own move rule, and stops at the first move it
// refuses. Nothing is shown and nothing else runs. A refused move whose mirror image would have
// been legal is said to mix the two orientations.
// `orientation` is how the moves were written: a refused square is named as written and, when
// mirrored, as the game names it ("h1, a1 here").
ReplayOutcome checkMoves(ColourCode c1, ColourCode c2, std::span<const Square> moves,
                         const StartPosition* start = nullptr, GameRules rules = GameRules::Marvane,
                         Orientation orientation = Orientation::Ours);

// The record's start position, when it has one, as a position the game can show; checkMoves;
// and then the record's result, when it has one, against the counters the moves end with.
// Game::replay plays a record only when this accepts it.
ReplayOutcome checkRecord(ColourScheme colours, const GameRecord& record, GameRules rules);

// The rules a record is read by: those it names; else `preferred` (the game's own) when its moves
// can be played by them, else the other rules when they can. `outcome` is the check by the rules
// chosen, or, when neither accepts it, Marvane's refusal (which names the move that needs a pass).
struct RulesChoice {
    GameRules rules = GameRules::Marvane;
    ReplayOutcome outcome;
};
RulesChoice chooseRules(ColourScheme colours, const GameRecord& record, GameRules preferred);

}  // namespace marvane
