// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/transcript.h"

namespace marvane::test {
namespace {

std::vector<Square> squares(std::initializer_list<std::pair<int, int>> rowColumns) {
    std::vector<Square> out;
    for (auto [row, column] : rowColumns) out.push_back({row, column});
    return out;
}

TEST(Transcript, SquaresAreColumnLetterThenRowDigitWithRowOneAtTheTop) {
    EXPECT_EQ(squareName({1, 1}), "a1");
    EXPECT_EQ(squareName({8, 8}), "h8");
    EXPECT_EQ(squareName({4, 3}), "c4");
    EXPECT_EQ(writeTranscript(squares({{3, 5}, {3, 4}, {8, 1}})), "e3d3a8");

    const auto read = readRecord("e3d3a8");
    ASSERT_TRUE(read.ok()) << read.error.text();
    EXPECT_EQ(read.record.moves, squares({{3, 5}, {3, 4}, {8, 1}}));
}

TEST(Transcript, BareTranscriptsAreReadWhateverTheCaseAndSpacing) {
    const auto expected = squares({{3, 5}, {3, 6}, {4, 6}, {8, 8}});
    for (const char* text : {"e3f3f4h8", "E3 F3\tf4   H8", "\n\n  e3f3\r\nF4\r\n\r\nh8  \n",
                             "\xEF\xBB\xBF"
                             "e3 f3 f4 h8\n"}) {
        const auto read = readRecord(text);
        ASSERT_TRUE(read.ok()) << text << ": " << read.error.text();
        EXPECT_EQ(read.record.moves, expected) << text;
        EXPECT_EQ(read.record.players, 0) << "a bare transcript names no players";
    }
}

TEST(Transcript, RecordsReadBackAsWritten) {
    GameRecord record;
    record.program = "Marvane 1.4.0.0 \"test\" build \\ 2";
    record.date = "2026.12.08";
    record.time = "14:05:09";
    record.c1 = 3;
    record.c2 = 4;
    record.players = 1;
    record.easyLevel = false;
    record.result = RecordResult{34, 30};
    record.moves = squares({{3, 5}, {3, 6}, {4, 6}});

    const std::string text = writeRecord(record);
    EXPECT_TRUE(text.starts_with("[Program \"Marvane 1.4.0.0 \\\"test\\\" build \\\\ 2\"]\n"))
        << text;
    EXPECT_NE(text.find("[Colours \"Red Green\"]\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("\n\ne3f3f4\n")) << text;

    const auto read = readRecord(text);
    ASSERT_TRUE(read.ok()) << read.error.text();
    EXPECT_EQ(read.record.program, record.program);
    EXPECT_EQ(read.record.date, record.date);
    EXPECT_EQ(read.record.time, record.time);
    EXPECT_EQ(read.record.c1, 3);
    EXPECT_EQ(read.record.c2, 4);
    EXPECT_EQ(read.record.players, 1);
    EXPECT_EQ(read.record.easyLevel, false);
    EXPECT_EQ(read.record.result, record.result);
    EXPECT_EQ(read.record.moves, record.moves);

    // An unfinished game has no result, and a game of no moves is still a record.
    record.result.reset();
    record.moves.clear();
    const auto unfinished = readRecord(writeRecord(record));
    ASSERT_TRUE(unfinished.ok()) << unfinished.error.text();
    EXPECT_FALSE(unfinished.record.result);
    EXPECT_TRUE(unfinished.record.moves.empty());

    // Whatever the program is called (nothing, where no version information is found), what is
    // written reads back.
    for (const char* program : {"", " ", "\t"}) {
        record.program = program;
        const auto unnamed = readRecord(writeRecord(record));
        EXPECT_TRUE(unnamed.ok()) << '"' << program << "\": " << unnamed.error.text();
    }
}

// A hand-edited settings file can give the board any two different counter colours, not only
// the menu's three pairs; a game saved in them must open again.
TEST(Transcript, EveryColourPairTheBoardCanShowReadsBackAsWritten) {
    GameRecord record;
    for (record.c1 = 1; record.c1 <= 6; ++record.c1) {
        for (record.c2 = 1; record.c2 <= 6; ++record.c2) {
            if (record.c1 == record.c2) continue;
            const auto read = readRecord(writeRecord(record));
            EXPECT_TRUE(read.ok() && read.record.c1 == record.c1 && read.record.c2 == record.c2)
                << record.c1 << " " << record.c2 << ": " << read.error.text();
        }
    }
}

TEST(Transcript, HeaderKeysAndValuesIgnoreCaseAndSpacing) {
    const auto read = readRecord(
        "  [colours   \"cyan   YELLOW\"]  \n[PLAYERS \" 2 \"]\n[level \"hard\"]\n"
        "[result \"40 - 24\"]\n\nE3");
    ASSERT_TRUE(read.ok()) << read.error.text();
    EXPECT_EQ(read.record.c1, 5);
    EXPECT_EQ(read.record.c2, 6);
    EXPECT_EQ(read.record.players, 2);
    EXPECT_EQ(read.record.easyLevel, false);
    EXPECT_EQ(read.record.result, (RecordResult{40, 24}));
}

struct BadInput {
    const char* what;
    std::string text;
    std::string message;  // a part of the message that must be there
    int moveNumber;
};

TEST(Transcript, BadInputGivesOneMessageNamingTheProblemAndTheMove) {
    const std::string sixtyOne = [] {
        std::string text;
        for (int i = 0; i < 61; ++i) text += "a1";
        return text;
    }();
    const std::vector<BadInput> table = {
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary data", 0},
        {"a zero byte in a transcript", std::string("e3f3\0f4", 7), "binary data", 0},
        {"not UTF-8", "[Program \"Marvane\"]\n\n\xE9t\xE9", "line 3 is not UTF-8", 0},
        {"too long", std::string(kMaxRecordBytes + 1, ' '), "more than 1 MB", 0},
        {"empty", " \r\n\t\n", "no moves", 0},
        {"bad column", "e3f3j4", "Move 3, \"j4\", is not a square", 3},
        {"row nine", "e3 A9", "Move 2, \"A9\", is not a square", 2},
        {"row zero", "e0", "Move 1, \"e0\"", 1},
        {"a row of two digits", "e3 f3 a10", "Move 3, \"a10\"", 3},
        {"a letter alone mid-way", "e3 f f3", "Move 2, \"f\"", 2},
        {"a move split over two lines", "e3 f\n3", "Move 2, \"f\"", 2},
        {"a number without its full stop", "1 e3 2 f3", "Move 1, \"1\"", 1},
        {"punctuation", "e3!f3", "Move 2, \"!f3\"", 2},
        {"a truncated last move", "e3f3f4\ne\n\n", "The last move, move 4, is cut short", 4},
        {"sixty-one moves", sixtyOne, "Move 61 is one too many", 61},
        {"an orientation that is none", "[Orientation \"Sideways\"]", "neither Marvane nor Usual",
         0},
        {"a start position that is none", "[Position \"X\"]", "Line 1: the start position", 0},
        {"a key: value line", "Program: Marvane\n\ne3", "Unknown header line 1: Program:", 0},
        {"a colon among the moves", "e3 f3\nResult: 34-30", "Unknown header line 2", 0},
        {"a header after the moves", "e3f3\n[Players \"2\"]", "Line 2 is a header line after", 0},
        {"a tag without quotes", "[Players 2]\n", "Line 1 is not a header line of the form", 0},
        {"a tag left open", "[Players \"2]\n", "Line 1 is not a header line", 0},
        {"a tag with a bad escape", "[Program \"a\\b\"]\n", "Line 1 is not a header line", 0},
        {"a repeated tag", "[Players \"1\"]\n\n[Players \"2\"]\n", "Line 3 repeats the header", 0},
        {"both sides one colour", "[Colours \"Red Red\"]", "not a colour pair", 0},
        // A quoted value that looks like a place of the message stays as the file has it.
        {"colours written as a place", "[Colours \"%1 %3\"]",
         "Line 1: \"%1 %3\" is not a colour pair of the game (two different of White, ", 0},
        {"one colour", "[Colours \"White\"]", "not a colour pair", 0},
        {"a program without a name", "[Program \" \"]", "Line 1: the program is not named", 0},
        {"three players", "[Players \"3\"]", "neither 1 nor 2", 0},
        {"a level that is not", "[Level \"Expert\"]", "neither Easy nor Hard", 0},
        {"a result over the board", "[Result \"40-30\"]", "not two counts", 0},
        {"a result with one count", "[Result \"34\"]", "not two counts", 0},
        {"a date of another form", "[Date \"8 Dec 2026\"]", "not written as year.month.day", 0},
        {"a time of another form", "[Time \"2pm\"]", "not written as hours:minutes", 0},
    };
    for (const auto& row : table) {
        const auto read = readRecord(row.text);
        EXPECT_FALSE(read.ok()) << row.what;
        EXPECT_NE(read.error.text().find(row.message), std::string::npos)
            << row.what << ": the message was \"" << read.error.text() << "\"";
        EXPECT_EQ(read.moveNumber, row.moveNumber) << row.what;
        EXPECT_TRUE(read.error.text().ends_with(".")) << row.what << ": " << read.error.text();
        EXPECT_TRUE(read.record.moves.empty()) << row.what << ": a refusal carries no moves";
    }
}

struct PlayersRecord {
    const char* what;
    std::string text;
    std::vector<Square> moves;  // in our orientation
    std::string first, second;  // the players' names
};

// Faults caught: move numbers taken for squares, other programs' header lines refused, the
// players' names lost between reading and writing, and a mirror that swaps rows instead of
// columns (it too turns one start into the other, so only squares written out pin it).
TEST(Transcript, RecordsAsPlayersWriteThemAreReadAndTheirNamesWrittenBack) {
    const auto c5e6f3 = squares({{5, 3}, {6, 5}, {3, 6}});  // f5 d6 c3 in the usual orientation
    const std::vector<PlayersRecord> table = {
        {"numbered moves", "1. f5 d6 2. c3", c5e6f3, "", ""},
        {"numbers run together", "1.f5 d6 2.c3\n", c5e6f3, "", ""},
        {"numbers for the second side", "1. f5 1... d6 2. c3", c5e6f3, "", ""},
        {"another program's headers",
         "[Event \"Club night\"]\n[Site \"?\"]\n[Black \"Ann Lee\"]\n[White \"Bo\"]\n"
         "[Round \"3\"]\n\n1. f5 d6 2. c3",
         c5e6f3, "Ann Lee", "Bo"},
        {"ours with names", "[Black \"A\"]\n\ne3 f3", squares({{3, 5}, {3, 6}}), "A", ""},
    };
    for (const auto& row : table) {
        const auto read = readRecord(row.text);
        ASSERT_TRUE(read.ok()) << row.what << ": " << read.error.text();
        EXPECT_EQ(read.record.moves, row.moves) << row.what;
        EXPECT_EQ(read.record.firstPlayer, row.first) << row.what;
        EXPECT_EQ(read.record.secondPlayer, row.second) << row.what;
        const auto again = readRecord(writeRecord(read.record));
        ASSERT_TRUE(again.ok()) << row.what << ": " << again.error.text();
        EXPECT_EQ(again.record.moves, row.moves) << row.what;
        EXPECT_EQ(again.record.firstPlayer, row.first) << row.what;
        EXPECT_EQ(again.record.secondPlayer, row.second) << row.what;
        EXPECT_EQ(again.record.orientation, read.record.orientation) << row.what;
    }
}

// Faults caught: commas, a trailing score and written passes refused; a written pass not taken
// for standard rules; the score not taken for the result; a GameRules header lost on the way back.
TEST(Transcript, OtherProgramsTranscriptsAreReadWithTheirRulesAndScore) {
    const auto read = readRecord("F5, d6; c3 pass d3 PA c4 -- f4 23-41\n");
    ASSERT_TRUE(read.ok()) << read.error.text();
    EXPECT_EQ(read.record.moves.size(), 6u);
    EXPECT_EQ(read.record.orientation, Orientation::Usual);
    EXPECT_EQ(read.record.rules, GameRules::Standard);
    EXPECT_EQ(read.record.result, (RecordResult{23, 41}));
    const auto resultOnly = readRecord("f5 d6 1-0");
    ASSERT_TRUE(resultOnly.ok()) << resultOnly.error.text();
    EXPECT_FALSE(resultOnly.record.result.has_value());
    EXPECT_FALSE(resultOnly.record.rules.has_value());
    const auto again = readRecord(writeRecord(read.record));
    ASSERT_TRUE(again.ok()) << again.error.text();
    EXPECT_EQ(again.record.rules, GameRules::Standard);
    EXPECT_EQ(again.record.moves, read.record.moves);
}

}  // namespace
}  // namespace marvane::test
