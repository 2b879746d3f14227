// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/bitboard.h"

// The learned evaluation reads a position through patterns: small groups of squares (an edge
// with its two X squares, a corner's 3x3 and 2x5 regions, the diagonals, the inner lines), each
// seen as a base number of three digits per square (empty, the mover's, the other side's). Every
// group has its images under the board's eight symmetries, and all images of a group share one
// table of weights, so the evaluation is the same for a position and its rotations and mirror
// images. Beside the patterns, the number of legal squares of each side and the parity of the
// empty squares.
namespace marvane::analysis::patterns {

inline constexpr int kFamilies = 11;
inline constexpr int kMaxSquares = 10;
// Stages of the game by the number of empty squares: 60-56 is stage 0, 4-0 the last.
inline constexpr int kStageWidth = 5;
inline constexpr int kStages = 60 / kStageWidth + 1;
inline constexpr int kMobilityValues = 32;  // 0..31 legal squares; more counts as 31

constexpr int stageOf(int empties) { return (60 - empties) / kStageWidth; }

struct Family {
    const char* name;
    int squares;    // in each image
    int images;     // how many images it has on the board
    int size;       // 3^squares: entries of its table
    int offset;     // where its table starts among a stage's weights
    int canonical;  // entries once the symmetric configurations are folded together
};

// One image of a family on the board: its squares, in the order of the family's digits.
struct Image {
    int family;
    int squares;
    std::array<std::uint8_t, kMaxSquares> square;
    Bits mask;  // its squares as a set
    // For the squares of `mask` that hold a disc, taken in ascending order as the bits of a
    // number: what they add to the image's base-3 number (digit 1 each).
    std::vector<std::uint16_t> digits;
};

struct Layout {
    std::array<Family, kFamilies> families;
    std::vector<Image> images;  // every family's images, family by family
    // Per stage: the pattern tables, then own mobility, the other side's mobility, and parity.
    int mobilityOffset = 0;
    int entriesPerStage = 0;
    // For every entry of a stage, the entry all its symmetric forms share (folded index): the
    // weights file and the training keep one weight per class, the evaluation reads them all.
    std::vector<std::int32_t> canonicalOf;
    std::vector<std::int32_t> canonicalEntries;  // the entries that represent a class, in order
    std::uint32_t fingerprint = 0;               // changes with any change of the layout
};

const Layout& layout();

// The entries of a stage's table that a position uses, with `p` to move against `o`: one per
// pattern image, then own mobility, the other side's mobility and parity. Returns how many.
inline constexpr int kMaxFeatures = 64;
int features(Bits p, Bits o, std::int32_t* entries);
// The same without the processor's bit-gathering instruction, as processors without it run.
int featuresPortable(Bits p, Bits o, std::int32_t* entries);

}  // namespace marvane::analysis::patterns
