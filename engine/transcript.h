// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/position_form.h"
#include "engine/types.h"

namespace marvane {

// The square as Reversi players write it: column letter a-h, then row digit 1-8 ("c4").
std::string squareName(Square square);

// The moves as one run of squares, "e3f4c5", the form other Reversi programs read.
std::string writeTranscript(std::span<const Square> moves);

// Which way round a transcript is written. Ours has the first colour start on d4 and e5, so a
// game opens with e3, f4, c5 or d6; the usual one, which other Reversi programs write, is its
// mirror image (columns a and h swapped): the first colour starts on d5 and e4 and opens with d3,
// c4, f5 or e6. The two sets of first moves never meet, so the first move tells them apart.
enum class Orientation { Ours, Usual };

// The moves as the other orientation writes them (mirroring twice gives the moves back).
std::vector<Square> mirroredMoves(std::span<const Square> moves);

// The counters each colour held when the game had ended.
struct RecordResult {
    int first = 0;   // counters of the first colour (C1)
    int second = 0;  // counters of the second colour (C2)
    friend bool operator==(const RecordResult&, const RecordResult&) = default;
};

// One saved game. Every header value is optional when reading (a bare transcript has none).
struct GameRecord {
    std::string program;  // "Marvane 1.4.0.0"
    std::string date;     // "2026.12.08"
    std::string time;     // "14:05:09"
    ColourCode c1 = 0;    // the colour that moved first; 0 when not given
    ColourCode c2 = 0;
    int players = 0;                     // 1 (against the computer) or 2; 0 when not given
    std::optional<bool> easyLevel;       // the computer's level
    std::optional<RecordResult> result;  // present only when the game had ended
    // The players' names, when a file gives them: the player of the first colour (black in the
    // usual orientation) and of the second.
    std::string firstPlayer;
    std::string secondPlayer;
    // The position the game started from, when it is not the standard start.
    std::optional<StartPosition> start;
    // How the text wrote the moves. `moves` themselves are always in our orientation.
    Orientation orientation = Orientation::Ours;
    // The rules the game was played by, when the text names them (a GameRules header, or a pass
    // written among the moves, which only standard rules know). Passes are not kept in `moves`:
    // the game makes them itself.
    std::optional<GameRules> rules;
    std::vector<Square> moves;
};

// The outcome of reading: the record, or the one problem that stopped the reading, as sentences
// for the user that name the move (moveNumber, 1-based) or the line where there is one.
struct RecordReading {
    GameRecord record;
    Reason error;
    int moveNumber = 0;
    bool ok() const { return error.empty(); }
};

// A record never comes near this; anything larger is refused (a file before it is read in full).
inline constexpr std::size_t kMaxRecordBytes = 1024 * 1024;

// Writes the record as UTF-8 text: tag-pair header lines, a blank line, the transcript, its moves
// in the record's orientation, which a header line names.
std::string writeRecord(const GameRecord& record);

// Reads a record written by writeRecord, or any text that is a bare transcript, in either
// orientation: the Orientation header says which, and without it the first move does (a start
// position's moves are in the usual orientation, as the position is). Letter case and spacing do
// not matter, move numbers ("1. f5 d6 2. c3") are passed over, and header lines of other
// programs are read and, but for the players' names, left aside. Anything else that is not
// understood is refused with one message, and so is a transcript whose header and first move
// name different orientations.
// Only the form of the moves is checked here: whether they are legal is for the replay.
RecordReading readRecord(std::string_view text);

}  // namespace marvane
