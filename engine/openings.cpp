// SPDX-License-Identifier: GPL-3.0-or-later
// The named openings, and which of them a game has played.
#include "engine/openings.h"

#include <array>
#include <cstdint>
#include <utility>

#include "engine/game.h"
#include "engine/unseenview.h"

namespace marvane {

namespace {

// Grouped by the second move; a variation follows the line it leaves.
constexpr std::array kOpenings = std::to_array<NamedOpening>({
    // The diagonal opening. After f5 f6 e6 the position is its own mirror image, and the lines
    // below go on from f4 where d6 is the same move.
    {"Diagonal Opening", "f5f6"},
    {"X-square Opening", "f5f6e6f4g7"},
    {"Snake / Peasant", "f5f6e6f4g6"},
    {"Lysons", "f5f6e6f4g6c6"},
    {"Pyramid / Checkerboarding Peasant", "f5f6e6f4g6c5g4g5f3e3c4"},
    {"Heath / Tobidashi", "f5f6e6f4g5"},
    {"Mimura variation II", "f5f6e6f4g5e7f7c5e3f3c4d3c2"},
    {"Heath-Bat", "f5f6e6f4g5e7e3"},
    {"Iwasaki variation", "f5f6e6f4g5e7d7"},
    {"Heath-Chimney", "f5f6e6f4g5d6"},
    {"Raccoon Dog", "f5f6e6f4g4"},
    {"Rocket", "f5f6e6f4g3"},
    {"Hamilton", "f5f6e6f4g3f3g4"},
    {"Lollipop", "f5f6e6f4g3d6"},
    {"Cow", "f5f6e6f4e3"},
    {"Chimney", "f5f6e6f4e3d6"},
    {"Cow Bat / Bat / Cambridge", "f5f6e6f4e3c5g5"},
    {"Bat (Piau Continuation 2)", "f5f6e6f4e3c5g5g3g4f3g6"},
    {"Melnikov / Bat (Piau Continuation 1)", "f5f6e6f4e3c5g5g3g4f3c4"},
    {"Bat (Kling Continuation)", "f5f6e6f4e3c5g5f3g4g6g3d6f7h5h4h3e7"},
    {"Bat (Kling Alternative)", "f5f6e6f4e3c5g5d6g6"},
    {"Rose-v-Toth", "f5f6e6f4e3c5c4"},
    {"Tanida", "f5f6e6f4e3c5c4e7"},
    {"Aircraft / Feldborg", "f5f6e6f4e3c5c4e7g4"},
    {"Sailboat", "f5f6e6f4e3c5c4e7b5e2"},
    {"Maruoka", "f5f6e6f4e3c5c4d3f3e2"},
    {"Landau", "f5f6e6f4e3c5c4d3c3"},
    {"Buffalo / Kenichi Variation", "f5f6e6f4c3"},
    {"Maruoka Buffalo", "f5f6e6f4c3d7f3"},
    {"Tanida Buffalo", "f5f6e6f4c3d6f3c4c5b4"},
    {"Hokuriku Buffalo", "f5f6e6f4c3c4"},
    {"Wing Variation", "f5f6d3f4"},
    {"Semi-Wing Variation", "f5f6c4f4"},
    // The parallel opening.
    {"Parallel Opening", "f5f4"},
    // The perpendicular opening.
    {"Perpendicular Opening", "f5d6"},
    {"Mimura", "f5d6c5f4e3d3"},
    {"Shaman / Danish", "f5d6c5f4e3c6f3"},
    {"Inoue", "f5d6c5f4e3c6e6"},
    {"Iago", "f5d6c5f4e3c6e6f6"},
    {"Bhagat", "f5d6c5f4e3c6d7"},
    {"Rose", "f5d6c5f4e3c6d3f6e6d7"},
    {"Flat", "f5d6c5f4e3c6d3f6e6d7g4"},
    {"Rotating Flat", "f5d6c5f4e3c6d3f6e6d7g4c4"},
    {"Murakami Variation", "f5d6c5f4e3c6d3f6e6d7g4c4g6"},
    {"Rotating Flat (Kling Continuation)", "f5d6c5f4e3c6d3f6e6d7g4c4g5c3f7d2e7f2"},
    {"Rose-Birth", "f5d6c5f4e3c6d3f6e6d7g3c4"},
    {"Brightstein", "f5d6c5f4e3c6d3f6e6d7g3c4g5c3b4e2"},
    {"Rose-Birdie / Rose-Tamenori", "f5d6c5f4e3c6d3f6e6d7g3c4b4"},
    {"Rose-Tamenori-Kling", "f5d6c5f4e3c6d3f6e6d7g3c4b4c3"},
    {"Greenberg / Dawg", "f5d6c5f4e3c6d3f6e6d7e7"},
    {"Ralle", "f5d6c5f4e3c6d3f3"},
    {"Horse", "f5d6c5f4d3"},
    {"Ganglion / No-Cat", "f5d6c4g5"},
    {"Swallow", "f5d6c4g5c6"},
    {"No-Cat (Continuation)", "f5d6c4g5c6c5d7d3b4c3e3f3"},
    {"Italian", "f5d6c4d3e6"},
    {"Cat", "f5d6c4d3c5"},
    {"Sakaguchi", "f5d6c4d3c5f4e3f3c2c6"},
    {"Berner", "f5d6c4d3c5f4e3f3c2b4b3"},
    {"Bent Ganglion", "f5d6c3g5"},
    {"Tiger", "f5d6c3d3c4"},
    {"Stephenson", "f5d6c3d3c4f4f6"},
    {"No-Kung", "f5d6c3d3c4f4f6g5"},
    {"No-Kung (Continuation)", "f5d6c3d3c4f4f6g5e3f3g4h3g3f2"},
    {"Comp'Oth", "f5d6c3d3c4f4f6f3"},
    {"F.A.T. Draw", "f5d6c3d3c4f4f6f3e6e7d7g6f8f7g5h6h4g4h3h5h7"},
    {"Lightning Bolt", "f5d6c3d3c4f4f6f3e3"},
    {"Kung", "f5d6c3d3c4f4f6b4"},
    {"Leader's Tiger", "f5d6c3d3c4f4e6"},
    {"Brightwell", "f5d6c3d3c4f4e3"},
    {"Ishii", "f5d6c3d3c4f4c5b4b5c6f3e6e3"},
    {"Mainline Tiger", "f5d6c3d3c4f4c5b4b5c6f3e6e3g6f6g5d7g3"},
    {"Rose-Bill", "f5d6c3d3c4f4c5b3c2"},
    {"Central Rose-Bill / Dead Draw", "f5d6c3d3c4f4c5b3c2b4"},
    {"Tamenori", "f5d6c3d3c4f4c5b3c2e6"},
    {"Aubrey / Tanaka", "f5d6c3d3c4b3"},
    {"Aubrey (Feldborg Continuation)", "f5d6c3d3c4b3d2f4"},
});

// The eight ways to turn or mirror the board: bit 1 swaps rows and columns, bit 2 turns the rows
// upside down, bit 4 swaps the columns left and right.
constexpr int kSymmetries = 8;

constexpr Square transformed(int symmetry, Square square) {
    int row = square.row;
    int column = square.column;
    if (symmetry & 1) std::swap(row, column);
    if (symmetry & 2) row = kBoardSize + 1 - row;
    if (symmetry & 4) column = kBoardSize + 1 - column;
    return {row, column};
}

// The symmetry that does `second` and then `first`. A square off every axis of the board tells
// the eight apart.
int composed(int first, int second) {
    constexpr Square probe{1, 2};
    const Square image = transformed(first, transformed(second, probe));
    for (int symmetry = 0; symmetry < kSymmetries; ++symmetry)
        if (transformed(symmetry, probe) == image) return symmetry;
    return 0;
}

using SymmetrySet = std::uint8_t;  // bit n stands for symmetry n

// An opening ready to be matched: its squares, and after each of its moves the symmetries that
// leave the position as it is (for most positions on the way, none but doing nothing).
struct PreparedOpening {
    const NamedOpening* opening;
    std::vector<Square> squares;
    std::vector<SymmetrySet> keptBy;
};

SymmetrySet symmetriesOf(const Game& game) {
    // The game plays in our orientation; the openings are written in the usual one.
    const auto counter = [&game](Square square) {
        const Square ours = mirrored(square);
        return game.board(ours.row, ours.column);
    };
    SymmetrySet kept = 0;
    for (int symmetry = 0; symmetry < kSymmetries; ++symmetry) {
        bool same = true;
        for (int row = 1; row <= kBoardSize && same; ++row)
            for (int column = 1; column <= kBoardSize && same; ++column)
                same = counter(transformed(symmetry, {row, column})) == counter({row, column});
        if (same) kept |= SymmetrySet(1u << symmetry);
    }
    return kept;
}

// Plays every opening through with the game's own rules.
std::vector<PreparedOpening> prepareOpenings() {
    std::vector<PreparedOpening> prepared;
    UnseenView view;
    Game game(view, [] { return std::int64_t{0}; });
    game.setColours(1, 2);
    game.setPlayerCount(2);
    for (const NamedOpening& opening : kOpenings) {
        PreparedOpening line{&opening, openingSquares(opening), {}};
        game.newGame();
        for (const Square& square : line.squares) {
            const Square ours = mirrored(square);
            game.pressSquare(ours.row, ours.column);
            line.keptBy.push_back(symmetriesOf(game));
        }
        prepared.push_back(std::move(line));
    }
    return prepared;
}

const std::vector<PreparedOpening>& preparedOpenings() {
    static const std::vector<PreparedOpening> prepared = prepareOpenings();
    return prepared;
}

// Whether the game's moves begin with the opening's first `count` moves seen through some
// symmetry. Any of the eight may start it: four take the usual start to itself, the other four
// to ours. Where the opening's position is its own image under a symmetry, the symmetries that
// took the opening there may go on combined with it: both halves of the position are the same
// line.
bool plays(std::span<const Square> moves, const PreparedOpening& line, std::size_t count) {
    if (moves.size() < count || line.squares.size() < count) return false;
    SymmetrySet candidates = 0xFF;
    for (std::size_t i = 0; i < count; ++i) {
        SymmetrySet agreeing = 0;
        for (int symmetry = 0; symmetry < kSymmetries; ++symmetry)
            if ((candidates >> symmetry & 1u) && transformed(symmetry, line.squares[i]) == moves[i])
                agreeing |= SymmetrySet(1u << symmetry);
        if (agreeing == 0) return false;
        candidates = 0;
        for (int symmetry = 0; symmetry < kSymmetries; ++symmetry)
            if (agreeing >> symmetry & 1u)
                for (int kept = 0; kept < kSymmetries; ++kept)
                    if (line.keptBy[i] >> kept & 1u)
                        candidates |= SymmetrySet(1u << composed(symmetry, kept));
    }
    return true;
}

}  // namespace

std::span<const NamedOpening> namedOpenings() { return kOpenings; }

std::vector<Square> openingSquares(const NamedOpening& opening) {
    std::vector<Square> squares;
    for (std::size_t i = 0; i + 1 < opening.moves.size(); i += 2)
        squares.push_back({opening.moves[i + 1] - '0', opening.moves[i] - 'a' + 1});
    return squares;
}

OpeningMatch openingOf(std::span<const Square> moves) {
    OpeningMatch best;
    for (const PreparedOpening& line : preparedOpenings()) {
        const int length = static_cast<int>(line.squares.size());
        if (length > best.moves && plays(moves, line, line.squares.size()))
            best = {line.opening->name, length};
    }
    return best;
}

bool onNamedLine(std::span<const Square> moves) {
    for (const PreparedOpening& line : preparedOpenings())
        if (plays(moves, line, moves.size())) return true;
    return false;
}

}  // namespace marvane
