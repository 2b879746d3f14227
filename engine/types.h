#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace marvane {

// A counter colour 0..6; 0 is an empty square and the colour of a board face.
using ColourCode = std::int32_t;

inline constexpr int kBoardSize = 8;

inline constexpr std::array<std::string_view, 7> ColourNames = {"Blue",  "White", "Black", "Red",
                                                                "Green", "Cyan",  "Yellow"};

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
