// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "engine/types.h"

namespace marvane {

// A named opening as players know it. The name is a proper noun and is shown as it is, in every
// language. The moves are written as players write them, in the usual orientation (the first
// colour, black, on d5 and e4 and moving first) and from the first move f5: "f5d6c3d3c4".
struct NamedOpening {
    std::string_view name;
    std::string_view moves;
};

// The table of named openings: main lines and their named variations, each a line of its own.
std::span<const NamedOpening> namedOpenings();

// An opening's moves as squares, in the usual orientation it is written in.
std::vector<Square> openingSquares(const NamedOpening& opening);

// The named opening a game has played, and the move that reached it.
struct OpeningMatch {
    std::string_view name;  // empty when the game has played no named opening
    int moves = 0;          // the opening's length: it was reached with this move (1-based)
    bool found() const { return !name.empty(); }
};

// The longest named opening whose every move the game has played. Only a game from the standard
// start has one: a game started from another position is not to be asked about. The moves may be
// in either orientation, and every symmetric form of an opening counts: the four turns and
// mirrors of the board that keep a start position as it is, and each of them in the other
// orientation. Where a position on the way is its own mirror image (after f5 f6 e6), the opening
// goes on in either half of the board.
OpeningMatch openingOf(std::span<const Square> moves);

// Whether every move the game has played so far follows a named opening's line, in any of the
// forms openingOf() counts: the game is still in its opening. A game without moves is.
bool onNamedLine(std::span<const Square> moves);

}  // namespace marvane
