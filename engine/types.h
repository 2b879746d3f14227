// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace marvane {

// A counter colour 0..6; 0 is an empty square and the colour of a board face.
using ColourCode = std::int32_t;

inline constexpr int kBoardSize = 8;
// 60 empty squares at the start: no game has more moves (a pass places no counter).
inline constexpr int kMaxMoves = 60;

// The rules a game is played by. Marvane's own: a side with no legal square ends the game.
// Standard: a side with no legal square passes, and the game ends when neither side can move.
enum class GameRules { Marvane, Standard };

constexpr bool onBoard(int row, int column) {
    return row >= 1 && row <= kBoardSize && column >= 1 && column <= kBoardSize;
}

// A square of the board; rows and columns are 1..8, row 1 at the top, column 1 on the left.
struct Square {
    int row = 0;
    int column = 0;
    bool operator==(const Square&) const = default;
};

// The square seen in the mirror that swaps columns a and h (b and g, ...): our start, the first
// colour on d4 and e5, becomes the usual one elsewhere, the first colour on d5 and e4.
constexpr Square mirrored(Square square) { return {square.row, kBoardSize + 1 - square.column}; }

// An 8 x 8 grid addressed by row and column, each 1..8.
template <typename T>
class Grid {
public:
    T& cell(int row, int column) { return cells_[row - 1][column - 1]; }
    const T& cell(int row, int column) const { return cells_[row - 1][column - 1]; }
    void clear() { cells_ = {}; }

    friend bool operator==(const Grid&, const Grid&) = default;

private:
    std::array<std::array<T, kBoardSize>, kBoardSize> cells_{};
};

inline constexpr std::array<std::string_view, 7> ColourNames = {"Blue",  "White", "Black", "Red",
                                                                "Green", "Cyan",  "Yellow"};

// The name of a colour code as the game writes it; empty for a code that is no colour.
constexpr std::string_view colourName(ColourCode colour) {
    return colour >= 0 && colour < static_cast<ColourCode>(ColourNames.size()) ? ColourNames[colour]
                                                                               : std::string_view{};
}

// The counters come in colours 1..6, and the two sides of a game must be told apart.
constexpr bool isColourPair(ColourCode c1, ColourCode c2) {
    return c1 >= 1 && c1 <= 6 && c2 >= 1 && c2 <= 6 && c1 != c2;
}

// The colour pairs of the "Colours" menu, indexed by the menu item's tag.
struct ColourScheme {
    ColourCode c1;
    ColourCode c2;
    bool operator==(const ColourScheme&) const = default;
};
inline constexpr std::array<ColourScheme, 3> ColourSchemes = {{{1, 2}, {3, 4}, {5, 6}}};

// The pair itself when the board can show it, else the first scheme (White and Black).
constexpr ColourScheme usableColours(ColourCode c1, ColourCode c2) {
    return isColourPair(c1, c2) ? ColourScheme{c1, c2} : ColourSchemes[0];
}

// A game is over once the board is full or once it has been declared over (a side without a
// legal square, or "finish").
constexpr bool gameIsOver(std::int32_t movesMade, std::uint8_t gameOver) {
    return movesMade == kMaxMoves || gameOver != 0;
}

// The four sound players the engine can ask for.
enum class Sound { OKSound, FullSound, BadSound, WonSound };

// The display boxes and side labels of the main window that the engine writes.
enum class Box { MessageBox, GoBox, MoveBox, C1Lab, c2lab, WhiteScore, BlackScore, remain, Edit3 };
// The boxes are numbered from 0 and Edit3 is the last; no extra enumerator counts them, so every
// switch over the boxes still names them all.
inline constexpr std::size_t kBoxCount = static_cast<std::size_t>(Box::Edit3) + 1;

}  // namespace marvane
