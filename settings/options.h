#pragma once

namespace marvane {

// The options kept between runs, holding the values used when nothing has been stored.
struct Options {
    bool sound = true;
    bool menu = false;
    bool status = false;
    // Position for the response up-down control; the control clamps it into its own range.
    int response = 1000;
    int c1 = 1;
    int c2 = 2;
    // The Game menu's marks on the board; off unless the player turns them on, so the board
    // looks as designed.
    bool lastMove = false;
    bool legalMoves = false;
    // The Game menu's analysis: the score of every legal square, and the Hard level played by the
    // analysis engine. Off unless the player turns them on.
    bool evaluations = false;
    bool expertHard = false;

    // The counters come in colours 1..6 and the two sides must be told apart on the board: any
    // other pair gives way to the default one.
    void repairColourPair() {
        const auto isCounterColour = [](int colour) { return colour >= 1 && colour <= 6; };
        if (isCounterColour(c1) && isCounterColour(c2) && c1 != c2) return;
        const Options defaults;
        c1 = defaults.c1;
        c2 = defaults.c2;
    }

    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace marvane
