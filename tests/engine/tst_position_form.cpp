// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/position_form.h"

namespace marvane::test {
namespace {

const std::string kUsualStart =
    "---------------------------OX------XO--------------------------- X";

// Fault caught: squares taken column by column, or in our orientation instead of the usual one.
TEST(PositionForm, TheStartIsWrittenAsOtherProgramsWriteIt) {
    EXPECT_EQ(writePositionForm(standardStart()), kUsualStart);
    const auto read = readPositionForm(kUsualStart);
    ASSERT_TRUE(read.ok()) << read.error.text();
    EXPECT_EQ(read.position, standardStart());
}

// Faults caught: positions as other programs and problem files write them refused (a star for
// black, B and W for the side, a problem file's solution after a semicolon, a board of 8 lines),
// or blanks around a position counted against its length.
TEST(PositionForm, OtherProgramsFormsAreRead) {
    std::string star = kUsualStart;
    std::replace(star.begin(), star.end(), 'X', '*');
    std::string lines;
    for (int row = 0; row < 8; ++row) lines += kUsualStart.substr(row * 8, 8) + "\n";
    StartPosition secondToPlay = standardStart();
    secondToPlay.firstToPlay = false;
    const struct {
        const char* what;
        std::string text;
        StartPosition expected;
    } table[] = {
        {"a star for black", star.substr(0, 65) + "*", standardStart()},
        {"B for the side", kUsualStart.substr(0, 65) + "B", standardStart()},
        {"W for the side", kUsualStart.substr(0, 65) + "w", secondToPlay},
        {"a problem file's line", kUsualStart + "; A2:+38;", standardStart()},
        {"8 lines, no side line", lines, standardStart()},
        {"8 lines and a side line", lines + "O\n", secondToPlay},
        {"blanks beyond the limit around it", std::string(300, ' ') + kUsualStart + "\n\n",
         standardStart()},
    };
    for (const auto& row : table) {
        const auto read = readPositionForm(row.text);
        ASSERT_TRUE(read.ok()) << row.what << ": " << read.error.text();
        EXPECT_EQ(read.position, row.expected) << row.what;
    }
}

struct BadPosition {
    const char* what;
    std::string text;
    std::string message;  // a part of the message that must be there
};

// Fault caught: a text that is no position starts a game, or is refused without saying why.
TEST(PositionForm, TextsThatAreNoPositionOfTheGameAreRefusedSayingWhy) {
    const auto with = [](std::string text, std::size_t at, char c) {
        text.replace(at, 1, 1, c);
        return text;
    };
    std::string full(64, 'X');
    full += " O";
    std::string wall = kUsualStart;  // a counter on a1, far from the others
    wall[0] = 'O';
    const std::vector<BadPosition> table = {
        {"65 squares", "-" + kUsualStart, "this one has 65"},
        {"63 squares", kUsualStart.substr(1), "this one has 63"},
        {"nothing", " \n", "no position"},
        {"longer than any position", std::string(kMaxPositionChars + 1, 'X'), "too long"},
        {"an unknown character", with(kUsualStart, 9, 'Z'), "Square b2 holds \"Z\""},
        {"a control character", with(kUsualStart, 9, '\x01'), "Square b2 holds a character"},
        {"no side to play", kUsualStart.substr(0, 64), "side to play, X or O, is missing"},
        {"a side that is no side", kUsualStart.substr(0, 65) + "Z", "not \"Z\""},
        {"a no-break space among the squares", "\xC2\xA0" + kUsualStart.substr(1),
         "this one has 64"},
        {"four counters of one colour", with(kUsualStart, 28, 'O'), "4 counters is the start"},
        {"text after the side", kUsualStart + " 12", "more text after"},
        {"three counters", with(kUsualStart, 27, '-'), "this position has 3"},
        {"an empty centre square", with(with(kUsualStart, 27, '-'), 26, 'O'),
         "centre square d4 is empty"},
        {"a counter cut off", wall, "counter on a1 is cut off"},
        {"the squares as 8 lines, one short", "--------\n--------\n--------\n---OX---\n---XO---\n"
         "--------\n--------\n-------\nX", "this one has 63"},
        {"a full board", full, "board is full"},
    };
    for (const auto& row : table) {
        const auto read = readPositionForm(row.text);
        EXPECT_FALSE(read.ok()) << row.what;
        EXPECT_NE(read.error.text().find(row.message), std::string::npos)
            << row.what << ": the message was \"" << read.error.text() << "\"";
        EXPECT_TRUE(read.error.text().ends_with(".")) << row.what << ": " << read.error.text();
    }
}

}  // namespace
}  // namespace marvane::test
