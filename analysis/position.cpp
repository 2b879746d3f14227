// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/position.h"

#include "checks/expects.h"

namespace marvane::analysis {

Position startPosition() {
    Position p;
    p.first = bit(3 * 8 + 3) | bit(4 * 8 + 4);   // d4, e5
    p.second = bit(3 * 8 + 4) | bit(4 * 8 + 3);  // e4, d5
    return p;
}

namespace {

Bits mirrorBits(Bits x) {
    x = ((x >> 1) & 0x5555555555555555ull) | ((x & 0x5555555555555555ull) << 1);
    x = ((x >> 2) & 0x3333333333333333ull) | ((x & 0x3333333333333333ull) << 2);
    return ((x >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((x & 0x0F0F0F0F0F0F0F0Full) << 4);
}

}  // namespace

Position mirrored(const Position& position) {
    return {mirrorBits(position.first), mirrorBits(position.second), position.toMove};
}

int mirroredSquare(int square) {
    return square == kPass ? kPass : (square & ~7) | (7 - square % 8);
}

std::string positionError(const Position& position) {
    if (position.first & position.second)
        return "The two sides have discs on the same square (" +
               squareName(std::countr_zero(position.first & position.second)) + ").";
    if (position.toMove != Side::First && position.toMove != Side::Second)
        return "The side to move is neither side.";
    return {};
}

std::string rulesError(Rules rules) {
    if (rules != Rules::Marvane && rules != Rules::Standard) return "Unknown rules.";
    return {};
}

Position play(const Position& position, int square) {
    Position next = position;
    next.toMove = position.toMove == Side::First ? Side::Second : Side::First;
    if (square == kPass) return next;
    MARVANE_EXPECTS(square >= 0 && square < 64 &&
                    (legalMoves(position.mover(), position.waiter()) & bit(square)));
    const Bits turned = flips(square, position.mover(), position.waiter());
    const Bits mover = position.mover() | turned | bit(square);
    const Bits waiter = position.waiter() & ~turned;
    if (position.toMove == Side::First) {
        next.first = mover;
        next.second = waiter;
    } else {
        next.first = waiter;
        next.second = mover;
    }
    return next;
}

std::string squareName(int square) {
    if (square == kPass) return "pass";
    if (square < 0 || square > 63) return "?";
    return {static_cast<char>('a' + square % 8), static_cast<char>('1' + square / 8)};
}

int squareFromName(std::string_view name) {
    if (name.size() != 2) return -1;
    const char column = static_cast<char>(name[0] | 0x20), row = name[1];
    if (column < 'a' || column > 'h' || row < '1' || row > '8') return -1;
    return (row - '1') * 8 + (column - 'a');
}

}  // namespace marvane::analysis
