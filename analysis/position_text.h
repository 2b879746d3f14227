// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/position.h"

namespace marvane::analysis {

// A board as 64 characters, a1..h1 first and h8 last ('X' the first side, 'O' the second, '-'
// or '.' empty), a space, and the side to move ('X' or 'O'): the way the endgame test set
// writes its positions. Squares are taken as written, with no mirroring.
struct PositionReading {
    Position position;
    std::string error;  // empty when the text was read
    bool ok() const { return error.empty(); }
};
PositionReading readPosition(std::string_view text);
std::string writePosition(const Position& position);

// One position of an endgame test set: its number, the position, the number of empty squares,
// the best squares ("g3/c7") and the exact final disc difference for the side to move ("-12"),
// under the standard rules:
//   43 --XXXXX---XXXX--...--XXXXX- O 23 g3/c7 -12
struct TestPosition {
    int number = 0;
    Position position;
    std::vector<int> bestSquares;
    int score = 0;
};
struct TestReading {
    TestPosition test;
    std::string error;  // empty when the line was read
    bool ok() const { return error.empty(); }
};
TestReading readTestLine(std::string_view line);
std::string writeTestLine(const TestPosition& test);

// Every position line of a test-set file; lines that are empty or start with '#' are skipped.
// The first line that cannot be read stops the reading, and its number is in the error.
struct TestSetReading {
    std::vector<TestPosition> tests;
    std::string error;
    bool ok() const { return error.empty(); }
};
TestSetReading readTestSet(std::string_view text);

}  // namespace marvane::analysis
