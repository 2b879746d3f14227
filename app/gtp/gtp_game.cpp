// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gtp/gtp_game.h"

#include "analysis/bitboard.h"

namespace marvane::gtp {

using analysis::bit;
using analysis::Bits;
using analysis::count;
using analysis::kPass;
using analysis::legalMoves;
using analysis::Position;
using analysis::Rules;
using analysis::Side;

const char* sideName(Side side) { return side == Side::First ? "black" : "white"; }

GtpGame::GtpGame() { restart(); }

void GtpGame::restart() { positions_.assign(1, analysis::mirrored(analysis::startPosition())); }

bool GtpGame::over() const {
    const Position& p = position();
    if (legalMoves(p.mover(), p.waiter())) return false;
    return rules_ == Rules::Marvane || !legalMoves(p.waiter(), p.mover());
}

std::string GtpGame::refusal(Side side, int square) const {
    const Position& p = position();
    if (over()) return square == kPass ? std::string() : "illegal move: the game is over";
    const std::string mover = sideName(p.toMove);
    const Bits legal = legalMoves(p.mover(), p.waiter());
    if (side != p.toMove) {
        if (!legal)
            return "illegal move: " + mover + " is to move and has no legal square (play " +
                   mover.front() + " pass)";
        return "illegal move: " + mover + " is to move";
    }
    if (square == kPass) {
        if (legal) return "illegal move: " + mover + " has a legal square and cannot pass";
        return {};
    }
    const std::string name = analysis::squareName(square);
    if ((p.first | p.second) & bit(square)) return "illegal move: " + name + " is taken";
    if (!(legal & bit(square)))
        return "illegal move: " + name + " turns no " +
               sideName(p.toMove == Side::First ? Side::Second : Side::First) + " disc";
    return {};
}

void GtpGame::play(int square) {
    // A pass once the game is over changes nothing: a controller may still send both.
    if (square == kPass && over()) return;
    positions_.push_back(analysis::play(position(), square));
}

bool GtpGame::undo() {
    if (positions_.size() < 2) return false;
    positions_.pop_back();
    return true;
}

int GtpGame::squaresPlayed() const { return count(position().first | position().second) - 4; }

int GtpGame::result() const {
    const Position& p = position();
    int difference = count(p.first) - count(p.second);
    if (rules_ == Rules::Standard && difference != 0)
        difference += difference > 0 ? p.empties() : -p.empties();
    return difference;
}

std::string GtpGame::board() const {
    const Position& p = position();
    std::string text = "   a b c d e f g h\n";
    for (int row = 0; row < 8; ++row) {
        text += ' ';
        text += static_cast<char>('1' + row);
        for (int column = 0; column < 8; ++column) {
            const Bits square = bit(row * 8 + column);
            text += ' ';
            text += (p.first & square) ? 'X' : (p.second & square) ? 'O' : '.';
        }
        text += '\n';
    }
    text += "black (X) " + std::to_string(count(p.first)) + ", white (O) " +
            std::to_string(count(p.second)) + "; ";
    text += over() ? std::string("the game is over") : std::string(sideName(p.toMove)) + " to move";
    return text;
}

}  // namespace marvane::gtp
