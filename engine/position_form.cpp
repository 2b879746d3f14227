// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/position_form.h"

#include <algorithm>
#include <array>

#include "engine/transcript.h"

namespace marvane {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// Square `index` of the form (0 is a1, 63 is h8, usual orientation) on our board.
Square formSquare(int index) {
    return mirrored(Square{index / kBoardSize + 1, index % kBoardSize + 1});
}

// The name the form's reader knows a square of ours by: the usual orientation's.
std::string usualName(Square square) { return squareName(mirrored(square)); }

// The counters reached from the centre, stepping between neighbours in the eight directions.
Grid<std::uint8_t> joinedToCentre(const StartPosition& position) {
    Grid<std::uint8_t> reached;
    std::array<Square, kBoardSize * kBoardSize> stack{};
    std::size_t top = 0;
    const auto visit = [&](Square square) {
        if (!onBoard(square.row, square.column) || reached.cell(square.row, square.column) ||
            position.cells.cell(square.row, square.column) == Counter::None)
            return;
        reached.cell(square.row, square.column) = 1;
        stack[top++] = square;
    };
    visit({4, 4});
    while (top > 0) {
        const Square square = stack[--top];
        for (int rowStep = -1; rowStep <= 1; ++rowStep)
            for (int colStep = -1; colStep <= 1; ++colStep)
                visit({square.row + rowStep, square.column + colStep});
    }
    return reached;
}

}  // namespace

StartPosition standardStart() {
    StartPosition position;
    position.cells.cell(4, 4) = position.cells.cell(5, 5) = Counter::First;
    position.cells.cell(4, 5) = position.cells.cell(5, 4) = Counter::Second;
    return position;
}

StartPosition startPositionOf(const Grid<ColourCode>& board, ColourCode toPlay, ColourCode c1,
                              ColourCode c2) {
    StartPosition position;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column) {
            const ColourCode colour = board.cell(row, column);
            position.cells.cell(row, column) = colour == c1   ? Counter::First
                                               : colour == c2 ? Counter::Second
                                                              : Counter::None;
        }
    position.firstToPlay = toPlay != c2;
    return position;
}

Reason startPositionProblem(const StartPosition& position) {
    int counters = 0;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column)
            counters += position.cells.cell(row, column) != Counter::None;
    if (counters < 4)
        return {MessageId::TooFewCounters, {std::to_string(counters)}};
    for (const Square centre : {Square{4, 4}, Square{4, 5}, Square{5, 4}, Square{5, 5}})
        if (position.cells.cell(centre.row, centre.column) == Counter::None)
            return {MessageId::CentreSquareEmpty, {usualName(centre)}};
    if (counters == kBoardSize * kBoardSize)
        return MessageId::BoardFull;
    // Every move adds a counter: four counters are the start, two of each colour crosswise.
    if (counters == 4) {
        StartPosition start = standardStart();
        start.firstToPlay = position.firstToPlay;
        if (position != start) return MessageId::OnlyTheStartHasFourCounters;
    }
    const Grid<std::uint8_t> joined = joinedToCentre(position);
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column)
            if (position.cells.cell(row, column) != Counter::None && !joined.cell(row, column))
                return {MessageId::CounterCutOff, {usualName({row, column})}};
    return {};
}

namespace {

// The characters of UTF-8 text: bytes that do not continue a character.
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool isFirstSide(std::string_view side) {
    return side == "X" || side == "x" || side == "*" || side == "B" || side == "b";
}
bool isSecondSide(std::string_view side) {
    return side == "O" || side == "o" || side == "W" || side == "w";
}

}  // namespace

PositionFormReading readPositionForm(std::string_view text) {
    PositionFormReading reading;
    const auto fail = [&reading](Reason reason) {
        reading.position = {};
        reading.error = std::move(reason);
        return reading;
    };
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return fail(MessageId::NoPosition);
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (characterCount(text) > kMaxPositionChars) return fail(MessageId::PositionTooLong);
    // A line of a problem file goes on after a semicolon ("... X; A2:+38;").
    text = text.substr(0, text.find(';'));
    text = text.substr(0, text.find_last_not_of(kBlanks) + 1);
    std::string board;
    std::string_view rest;
    bool sideOptional = false;
    if (text.find('\n') != std::string_view::npos) {
        // Eight lines of eight squares, and perhaps a line with the side to play.
        std::size_t at = 0;
        for (int row = 0; row < kBoardSize && at < text.size(); ++row) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            for (char c : text.substr(at, end - at))
                if (kBlanks.find(c) == std::string_view::npos) board += c;
            at = end + 1;
        }
        rest = at < text.size() ? text.substr(at) : std::string_view{};
        sideOptional = true;
    } else {
        board = text.substr(0, text.find_first_of(kBlanks));
        rest = text.substr(board.size());
    }
    if (board.size() != kBoardSize * kBoardSize)
        return fail({MessageId::WrongSquareCount, {std::to_string(characterCount(board))}});
    StartPosition& position = reading.position;
    for (int index = 0; index < kBoardSize * kBoardSize; ++index) {
        const Square square = formSquare(index);
        Counter& cell = position.cells.cell(square.row, square.column);
        switch (board[static_cast<std::size_t>(index)]) {
            case 'X':
            case 'x':
            case '*': cell = Counter::First; break;
            case 'O':
            case 'o': cell = Counter::Second; break;
            case '-':
            case '.': cell = Counter::None; break;
            default: {
                const unsigned char c =
                    static_cast<unsigned char>(board[static_cast<std::size_t>(index)]);
                if (c <= 0x20 || c >= 0x7F)
                    return fail({MessageId::UnprintableSquareCharacter, {usualName(square)}});
                return fail({MessageId::UnknownSquareCharacter,
                             {usualName(square), std::string(1, static_cast<char>(c))}});
            }
        }
    }
    const auto sideAt = rest.find_first_not_of(kBlanks);
    if (sideAt == std::string_view::npos) {
        if (!sideOptional) return fail(MessageId::SideToPlayMissing);
        rest = {};
    } else {
        rest = rest.substr(sideAt);
    }
    const std::string_view side = rest.substr(0, rest.find_first_of(kBlanks));
    if (!side.empty() || !sideOptional) {
        if (!isFirstSide(side) && !isSecondSide(side))
            return fail({MessageId::BadSideToPlay,
                         {std::string(side.substr(0, 8)) + (side.size() > 8 ? "..." : "")}});
        if (side.size() != rest.size()) return fail(MessageId::TextAfterSideToPlay);
    }
    position.firstToPlay = side.empty() || isFirstSide(side);
    if (Reason problem = startPositionProblem(position); !problem.empty())
        return fail(std::move(problem));
    return reading;
}

std::string writePositionForm(const StartPosition& position) {
    std::string text(kBoardSize * kBoardSize, '-');
    for (int index = 0; index < kBoardSize * kBoardSize; ++index) {
        const Square square = formSquare(index);
        const Counter cell = position.cells.cell(square.row, square.column);
        if (cell != Counter::None)
            text[static_cast<std::size_t>(index)] = cell == Counter::First ? 'X' : 'O';
    }
    return text + (position.firstToPlay ? " X" : " O");
}

}  // namespace marvane
