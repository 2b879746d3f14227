// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/game_position.h"

namespace marvane::analysis {

int squareIndex(const marvane::Square& square) {
    return (square.row - 1) * 8 + (square.column - 1);
}

marvane::Square gameSquare(int square) { return {square / 8 + 1, square % 8 + 1}; }

GamePositionReading fromGame(const marvane::Position& shown, ColourCode c1, ColourCode c2) {
    GamePositionReading reading;
    if (!isColourPair(c1, c2)) return {{}, "The game's two colours are not a pair."};
    Position& position = reading.position;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column) {
            const ColourCode colour = shown.board.cell(row, column);
            const Bits square = bit(squareIndex({row, column}));
            if (colour == c1)
                position.first |= square;
            else if (colour == c2)
                position.second |= square;
            else if (colour != 0)
                return {{}, "The board holds a colour of neither side."};
        }
    if (shown.ToPlay == c1)
        position.toMove = Side::First;
    else if (shown.ToPlay == c2)
        position.toMove = Side::Second;
    else
        return {{}, "The side to play is neither colour."};
    return reading;
}

marvane::Position toGame(const Position& position, ColourCode c1, ColourCode c2) {
    marvane::Position shown;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column) {
            const Bits square = bit(squareIndex({row, column}));
            shown.board.cell(row, column) = position.first & square    ? c1
                                            : position.second & square ? c2
                                                                       : 0;
        }
    shown.ToPlay = position.toMove == Side::First ? c1 : c2;
    shown.Opponent = position.toMove == Side::First ? c2 : c1;
    shown.MovesMade = count(position.first | position.second) - 4;
    return shown;
}

}  // namespace marvane::analysis
