// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/message.h"
#include "engine/types.h"

namespace marvane {

// Everything a player can see of a game at one moment (board, every box, the turn box's
// visibility) and the game values behind it. The colours, the players mode and the level are not
// part of it: the colours are fixed for a whole game, and the other two are the player's choices,
// shown on their buttons, which going back in a game must not undo.
struct Position {
    Grid<ColourCode> board;
    std::int32_t MovesMade = 0;
    ColourCode ToPlay = 0;
    ColourCode Opponent = 0;
    std::int32_t LinesCaptured = 0;
    std::uint8_t GameOver = 0;
    std::array<BoxText, kBoxCount> texts;
    bool goBoxVisible = true;

    bool over() const { return gameIsOver(MovesMade, GameOver); }
    bool operator==(const Position&) const = default;
};

// Who took a step: the computer's turns are told apart so that, against the computer, one undo
// can take back the computer's reply together with the move it answered.
enum class Actor { Person, Computer };

// Start is the position a game began with; GameEnd is a side found without a legal square; Pass
// is a side without a legal square giving the turn back (standard rules only).
enum class StepKind { Start, Move, GameEnd, Finish, Pass };

struct Step {
    StepKind kind = StepKind::Start;
    Actor actor = Actor::Person;
    Square square;        // the square played (Move only)
    ColourCode side = 0;  // the colour that played it (Move), or that passed (Pass)
    Position after;       // what the step left on the screen
};

// The positions of one game, from its start, one per completed step, with a cursor that undo and
// redo move. Plain data: the game restores a position, this only says which one.
class History {
public:
    void start(Position initial);
    bool started() const { return !steps_.empty(); }
    // Tells one game from the next: it changes with every start().
    std::uint64_t gameNumber() const { return games_; }

    // Records what an action did, if it was a step: a move when the action played `played`, or
    // the game coming to an end. `before` is what was on the screen right before the action,
    // which may differ from what the previous step left (a refused press rewrites the move
    // count), so it replaces the current entry: undo returns exactly there. Anything that could
    // have been redone is dropped. Returns whether a step was recorded. When it was not a step,
    // the last entry still takes on `after` (redo all returns to what was shown last).
    bool record(const Position& before, const Position& after, Actor actor, StepKind endKind,
                std::optional<Square> played);

    // Adds a pass by `side` after the step just recorded, which it follows in the same action;
    // `after` is the position once the turn has gone back.
    void recordPass(const Position& after, Actor actor, ColourCode side);

    // steps()[0] is the start; the game shows steps()[current()].after.
    const std::vector<Step>& steps() const { return steps_; }
    std::size_t current() const { return current_; }
    const Position& position(std::size_t index) const { return steps_.at(index).after; }
    void moveTo(std::size_t index);

    // Where undo and redo go. Against the computer (`onePlayer`) a computer step that answered a
    // person's move goes with that move, so undo leaves the person to play and redo brings the
    // reply back with the move. A pass goes with the move that left the other side without a
    // legal square.
    std::optional<std::size_t> undoTarget(bool onePlayer) const;
    std::optional<std::size_t> redoTarget(bool onePlayer) const;

    // Where the move list goes when `index` is asked for. Against the computer it lands, like
    // undo and redo, only where the person is to play (or the game is over): a position where a
    // person's move waits for the computer's recorded reply gives way to the person's turn
    // before it when stepping back and to the reply when stepping forward.
    std::size_t listTarget(std::size_t index, bool onePlayer) const;

    // The most recent move at or before the cursor.
    std::optional<Square> lastMove() const;
    // The squares of every move, those after the cursor included, and how many of them make the
    // position at the cursor.
    std::vector<Square> moves() const;
    int movesAtCursor() const;
    // The step that shows the position after `movesMade` moves: the last such step, so that the
    // final move of a game that ended after it shows the result as well.
    std::size_t stepAfterMoves(int movesMade) const;
    // Whether the step at the cursor is a person's move that no computer step follows.
    bool personMoveUnanswered() const;

private:
    // Undo, redo and the move list never stop at `index`: the move before a pass (the pass
    // follows it at once), or, against the computer, a position where the computer's recorded
    // reply is still to come.
    bool passedOver(std::size_t index, bool onePlayer) const;

    std::vector<Step> steps_;
    std::size_t current_ = 0;
    std::uint64_t games_ = 0;
};

}  // namespace marvane
