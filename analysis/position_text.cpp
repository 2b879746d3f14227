// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/position_text.h"

#include <charconv>

namespace marvane::analysis {

namespace {

// Splits off the next run of characters up to a space or tab.
std::string_view nextField(std::string_view& text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    std::size_t end = start;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
    const std::string_view field = text.substr(start, end - start);
    text.remove_prefix(end);
    return field;
}

bool readNumber(std::string_view field, int& value) {
    if (field.size() > 1 && field[0] == '+') field.remove_prefix(1);
    if (field.empty() || field.size() > 4) return false;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    return ec == std::errc{} && end == field.data() + field.size();
}

std::string readBoard(std::string_view board, std::string_view side, Position& position) {
    if (board.size() != 64) return "The board needs 64 squares.";
    position = {};
    for (int sq = 0; sq < 64; ++sq) {
        switch (board[static_cast<std::size_t>(sq)]) {
            case 'X':
            case 'x': position.first |= bit(sq); break;
            case 'O':
            case 'o': position.second |= bit(sq); break;
            case '-':
            case '.': break;
            default: return "Square " + squareName(sq) + " is neither X, O nor empty.";
        }
    }
    if (side == "X" || side == "x")
        position.toMove = Side::First;
    else if (side == "O" || side == "o")
        position.toMove = Side::Second;
    else
        return "The side to move must be X or O.";
    return {};
}

}  // namespace

PositionReading readPosition(std::string_view text) {
    PositionReading reading;
    const std::string_view board = nextField(text);
    const std::string_view side = nextField(text);
    reading.error = readBoard(board, side, reading.position);
    if (reading.ok() && !nextField(text).empty()) reading.error = "Unexpected text after the side.";
    return reading;
}

std::string writePosition(const Position& position) {
    std::string text(64, '-');
    for (int sq = 0; sq < 64; ++sq) {
        if (position.first & bit(sq)) text[static_cast<std::size_t>(sq)] = 'X';
        if (position.second & bit(sq)) text[static_cast<std::size_t>(sq)] = 'O';
    }
    return text + (position.toMove == Side::First ? " X" : " O");
}

TestReading readTestLine(std::string_view line) {
    TestReading reading;
    TestPosition& test = reading.test;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!readNumber(nextField(line), test.number) || test.number < 0)
        return {{}, "The line must start with the position's number."};
    const std::string_view board = nextField(line);
    const std::string_view side = nextField(line);
    if (std::string error = readBoard(board, side, test.position); !error.empty())
        return {{}, error};
    int empties = 0;
    if (!readNumber(nextField(line), empties) || empties != test.position.empties())
        return {{}, "The number of empty squares does not match the board."};
    std::string_view moves = nextField(line);
    const Bits legal = legalMoves(test.position.mover(), test.position.waiter());
    while (!moves.empty()) {
        const std::size_t slash = moves.find('/');
        const int square = squareFromName(moves.substr(0, slash));
        if (square < 0 || !(legal & bit(square)))
            return {{}, "The best squares must be legal squares, written like g3/c7."};
        test.bestSquares.push_back(square);
        moves = slash == std::string_view::npos ? std::string_view{} : moves.substr(slash + 1);
    }
    if (test.bestSquares.empty()) return {{}, "The best squares are missing."};
    const std::string_view score = nextField(line);
    if (!readNumber(score, test.score) || test.score < -64 || test.score > 64 ||
        (score[0] != '+' && score[0] != '-'))
        return {{}, "The score must be a signed disc difference such as +6 or -12."};
    if (!nextField(line).empty()) return {{}, "Unexpected text after the score."};
    return reading;
}

std::string writeTestLine(const TestPosition& test) {
    std::string line = std::to_string(test.number) + ' ' + writePosition(test.position) + ' ' +
                       std::to_string(test.position.empties()) + ' ';
    for (std::size_t i = 0; i < test.bestSquares.size(); ++i)
        line += (i ? "/" : "") + squareName(test.bestSquares[i]);
    return line + ' ' + (test.score < 0 ? "" : "+") + std::to_string(test.score);
}

TestSetReading readTestSet(std::string_view text) {
    TestSetReading reading;
    for (int lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line[0] == '#' || line == "\r") continue;
        TestReading one = readTestLine(line);
        if (!one.ok()) {
            reading.error = "Line " + std::to_string(lineNumber) + ": " + one.error;
            return reading;
        }
        reading.tests.push_back(std::move(one.test));
    }
    return reading;
}

}  // namespace marvane::analysis
