#pragma once

namespace marvane {

// The options kept between runs, holding the values used when nothing has been stored.
struct Options {
    bool sound = true;
    bool menu = false;
    bool status = false;
    // Position for the response up-down control; the control clamps it into its own range.
    int response = 1000;
    // The colours as stored; the window gives way to its first scheme for a pair the board
    // cannot show.
    int c1 = 1;
    int c2 = 2;
    // The Game menu's marks on the board; off unless the player turns them on, so the board
    // looks as designed.
    bool lastMove = false;
    bool legalMoves = false;
    // Game ▸ Show Coordinates; off, so the window looks as designed.
    bool coordinates = false;
    // The Game menu's analysis: the score of every legal square, and the Hard level played by the
    // analysis engine. Off unless the player turns them on.
    bool evaluations = false;
    bool expertHard = false;

    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace marvane
