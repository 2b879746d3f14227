// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "analysis/position.h"

// The game the text engine keeps for the program that drives it: the positions since the start,
// in the usual orientation (the first side on d5 and e4, a1 top left, row 1 at the top), and the
// rules it is played by.
namespace marvane::gtp {

class GtpGame {
public:
    GtpGame();

    void restart();
    const analysis::Position& position() const { return positions_.back(); }
    analysis::Rules rules() const { return rules_; }
    // The rules apply from the position on the board on: the moves already played stay.
    void setRules(analysis::Rules rules) { rules_ = rules; }

    // Standard rules: neither side has a legal square. Ours: the side to move has none.
    bool over() const;
    // Why `side` may not play `square` (analysis::kPass for a pass) now; empty when it may.
    std::string refusal(analysis::Side side, int square) const;
    // Plays a move refusal() allows.
    void play(int square);
    bool undo();
    // Squares played since the start, as the levels count the moves of a game.
    int squaresPlayed() const;

    // The first side's discs less the second side's at the end of the game; under standard
    // rules the empty squares go to the winner. Only for a game that is over.
    int result() const;
    // The board in text, X for the first side and O for the second, and who is to move.
    std::string board() const;

private:
    std::vector<analysis::Position> positions_;
    analysis::Rules rules_ = analysis::Rules::Standard;
};

const char* sideName(analysis::Side side);  // "black" for the side that moves first

}  // namespace marvane::gtp
