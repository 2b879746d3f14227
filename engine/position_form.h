// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/message.h"
#include "engine/types.h"

namespace marvane {

// What a square holds in a position: no counter, or one of the first colour (the one that moves
// first in a new game) or of the second.
enum class Counter : std::uint8_t { None, First, Second };

// A position a game can start from, in our orientation (rows and columns as the game's squares).
struct StartPosition {
    Grid<Counter> cells;
    bool firstToPlay = true;
    friend bool operator==(const StartPosition&, const StartPosition&) = default;
};

// The position every new game starts from: the first colour on d4 and e5, and to play.
StartPosition standardStart();

// The position of a board with colours c1 and c2 and `toPlay` to play; squares of any other
// colour are taken as empty.
StartPosition startPositionOf(const Grid<ColourCode>& board, ColourCode toPlay, ColourCode c1,
                              ColourCode c2);

// Why the game could never show this position, or empty when it could: the four centre squares
// are never empty (counters are never taken off), every counter was placed beside one already
// there, and a full board leaves nothing to play.
Reason startPositionProblem(const StartPosition& position);

// A position as other Reversi programs exchange it, in the usual orientation (the first colour
// on d5 and e4 at the start, moving first, as black): 64 characters row by row from a1 to h8,
// X for the first colour, O for the second, - (or .) for an empty square, then a space and the
// side to play, X or O:
//   ---------------------------OX------XO--------------------------- X
struct PositionFormReading {
    StartPosition position;
    Reason error;  // empty when the text was read
    bool ok() const { return error.empty(); }
};

// Longer text than this is refused before it is looked at.
inline constexpr std::size_t kMaxPositionChars = 256;

// Reads the form, with blanks around it allowed and letter case ignored; a position the game
// could not show is refused with startPositionProblem's reason.
PositionFormReading readPositionForm(std::string_view text);
std::string writePositionForm(const StartPosition& position);

}  // namespace marvane
