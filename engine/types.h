#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace marvane {

// A counter colour 0..6; 0 is an empty square and the colour of a board face.
using ColourCode = std::int32_t;

inline constexpr int kBoardSize = 8;

// A square of the board; rows and columns are 1..8, row 1 at the top, column 1 on the left.
struct Square {
    int row = 0;
    int column = 0;
    bool operator==(const Square&) const = default;
};

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

// The counters come in colours 1..6, and the two sides of a game must be told apart.
constexpr bool isColourPair(ColourCode c1, ColourCode c2) {
    return c1 >= 1 && c1 <= 6 && c2 >= 1 && c2 <= 6 && c1 != c2;
}

// The colour pairs of the "Colours" menu, indexed by the menu item's tag.
struct ColourScheme {
    ColourCode c1;
    ColourCode c2;
};
inline constexpr std::array<ColourScheme, 3> ColourSchemes = {{{1, 2}, {3, 4}, {5, 6}}};

// The four sound players the engine can ask for.
enum class Sound { OKSound, FullSound, BadSound, WonSound };

// The display boxes and side labels of the main window that the engine writes.
enum class Box { MessageBox, GoBox, MoveBox, C1Lab, c2lab, WhiteScore, BlackScore, remain, Edit3 };

}  // namespace marvane
