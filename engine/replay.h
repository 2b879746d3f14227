#pragma once

#include <span>
#include <string>

#include "engine/game.h"
#include "engine/transcript.h"
#include "engine/types.h"

namespace marvane {

// The outcome of checking or replaying moves: empty error on success, else one sentence for the
// user naming the move (moveNumber, 1-based) where there is one.
struct ReplayOutcome {
    std::string error;
    int moveNumber = 0;
    RecordResult counts;  // counters of C1 and C2 after the last move
    bool ok() const { return error.empty(); }
};

// The counters of the game's first colour (C1) and second colour (C2) on its board.
RecordResult countersOf(const Game& game);

// Plays the moves on a game of its own with the colours c1 (moving first) and c2, by the game's
// own move rule, and stops at the first move it refuses. Nothing is shown and nothing else runs.
ReplayOutcome checkMoves(ColourCode c1, ColourCode c2, std::span<const Square> moves);

// Replays the record on `game`: a new game in the record's colours (the game's own when the
// record names none), each move played as a person's press on its square, and, when the record
// says the game had ended, the end reached as a person would have reached it. The moves, and the
// result when there is one, are checked first on a game of its own, so on any refusal `game` is
// left exactly as it was. Call it when no move is in progress (through Game::whenIdle).
//
// The view receives everything those presses cause, sound requests included, and must keep
// quiet while this runs: no sounds, and no processing of events (a handler run from inside a
// replayed move could start another action between two moves).
ReplayOutcome replayRecord(Game& game, const GameRecord& record);

}  // namespace marvane
