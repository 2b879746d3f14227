// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/bitboard.h"

namespace marvane::analysis {

// The side that moves first in a new game, and the other one.
enum class Side : std::uint8_t { First, Second };

// `Marvane`: a side with no legal square ends the game; the result is the difference of the
// counts, empty squares count for nobody. `Standard`: a side with no legal square passes, the
// game ends when neither can move, and the empty squares go to the winner.
enum class Rules : std::uint8_t { Marvane, Standard };

inline constexpr int kPass = 64;  // a pass in a line of play (standard rules only)

// A board and the side to move. Squares are numbered (row - 1) * 8 + (column - 1), row 1 at
// the top, as the game numbers its rows and columns; names are column letter and row ("d4").
struct Position {
    Bits first = 0;
    Bits second = 0;
    Side toMove = Side::First;

    Bits mover() const { return toMove == Side::First ? first : second; }
    Bits waiter() const { return toMove == Side::First ? second : first; }
    int empties() const { return 64 - count(first | second); }
    bool operator==(const Position&) const = default;
};

// Our game's start: the first side on d4 and e5, and to move.
Position startPosition();

// The same position with columns a and h (b and g, ...) swapped: our start becomes the usual
// start elsewhere (first side on d5 and e4), and back.
Position mirrored(const Position& position);
int mirroredSquare(int square);

// Empty when the position is one the library can work on, else why not (overlapping sides, a
// side to move that is neither).
std::string positionError(const Position& position);
std::string rulesError(Rules rules);

// The position after the side to move plays `square`, which must be one of its legal squares;
// or, for kPass, the same board with the other side to move.
Position play(const Position& position, int square);

// "a1".."h8", and back; -1 for anything else.
std::string squareName(int square);
int squareFromName(std::string_view name);

}  // namespace marvane::analysis
