// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "engine/game.h"
#include "tests/engine/recordingview.h"

namespace marvane::test {

// A recording view that also keeps the picture: the colour last painted on every square.
class PictureView : public RecordingView {
public:
    Grid<ColourCode> picture;
    int paints = 0;

    void paintCounter(int row, int column, ColourCode colour) override {
        RecordingView::paintCounter(row, column, colour);
        picture.cell(row, column) = colour;
        ++paints;
    }
};

// Everything a player could see, read from the view itself, and the game values behind it.
struct Screen {
    Grid<ColourCode> board;
    Grid<ColourCode> picture;
    std::array<std::string, kBoxCount> boxes;
    bool goBoxVisible = true;
    GameState state;

    bool operator==(const Screen& other) const {
        const auto values = [](const GameState& s) {
            return std::tuple(s.MovesMade, s.ToPlay, s.C1, s.C2, s.Opponent, s.LinesCaptured,
                              s.PlayerCount, s.GameOver, s.EasyLevel);
        };
        return board == other.board && picture == other.picture && boxes == other.boxes &&
               goBoxVisible == other.goBoxVisible && values(state) == values(other.state);
    }
};

inline std::ostream& operator<<(std::ostream& out, const Grid<ColourCode>& grid) {
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) out << grid.cell(r, c);
        out << '/';
    }
    return out;
}

inline std::ostream& operator<<(std::ostream& out, const Screen& s) {
    out << s.board << " picture " << s.picture;
    for (std::size_t i = 0; i < s.boxes.size(); ++i)
        out << ' ' << RecordingView::boxName(static_cast<Box>(i)) << "=\"" << s.boxes[i] << '"';
    return out << (s.goBoxVisible ? " GoBox shown" : " GoBox hidden") << " moves "
               << s.state.MovesMade << " to play " << s.state.ToPlay << " over "
               << int(s.state.GameOver) << " lines " << s.state.LinesCaptured;
}

inline Screen screenOf(const Game& game, const PictureView& view) {
    Screen s;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) s.board.cell(r, c) = game.board(r, c);
    s.picture = view.picture;
    for (std::size_t i = 0; i < s.boxes.size(); ++i) s.boxes[i] = view.boxes[i];
    s.goBoxVisible = view.goBoxVisible;
    s.state = game.state();
    return s;
}

}  // namespace marvane::test
