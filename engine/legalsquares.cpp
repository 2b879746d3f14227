// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/legalsquares.h"

namespace marvane {

namespace {

bool closesOffLine(const Grid<ColourCode>& board, int row, int column, int rowStep, int colStep,
                   ColourCode toPlay, ColourCode opponent) {
    int count = 0;
    for (;;) {
        row += rowStep;
        column += colStep;
        if (row < 1 || row > kBoardSize || column < 1 || column > kBoardSize) return false;
        const ColourCode square = board.cell(row, column);
        if (square != opponent) return square == toPlay && count > 0;
        ++count;
    }
}

}  // namespace

std::vector<Square> legalSquares(const Grid<ColourCode>& board, ColourCode toPlay,
                                 ColourCode opponent) {
    std::vector<Square> squares;
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            if (board.cell(row, column) != 0) continue;
            bool legal = false;
            for (int rowStep = -1; rowStep <= 1 && !legal; ++rowStep)
                for (int colStep = -1; colStep <= 1 && !legal; ++colStep)
                    if (rowStep != 0 || colStep != 0)
                        legal =
                            closesOffLine(board, row, column, rowStep, colStep, toPlay, opponent);
            if (legal) squares.push_back({row, column});
        }
    }
    return squares;
}

}  // namespace marvane
