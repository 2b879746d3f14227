// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the game-record reader and the position reader with arbitrary text, and replays
// whatever they accept. Every
// accepted record must be a possible game record (at most 60 moves, all on the board) that the
// writer writes back to text reading as the same record; every refusal is one sentence, and
// names a move only within the moves a record can hold. The replay of accepted moves must
// either succeed or name a move among them. An accepted position writes back to the same text
// form, and the game starts from it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "engine/replay.h"
#include "engine/transcript.h"
#include "engine/unseenview.h"

namespace {

using namespace marvane;

[[noreturn]] void broken(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s; the text was \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

bool sameRecord(const GameRecord& a, const GameRecord& b) {
    return a.program == b.program && a.date == b.date && a.time == b.time && a.c1 == b.c1 &&
           a.c2 == b.c2 && a.players == b.players && a.easyLevel == b.easyLevel &&
           a.result == b.result && a.moves == b.moves && a.start == b.start &&
           a.orientation == b.orientation && a.firstPlayer == b.firstPlayer &&
           a.secondPlayer == b.secondPlayer;
}

void checkPosition(std::string_view text) {
    const PositionFormReading reading = readPositionForm(text);
    if (!reading.ok()) {
        if (!reading.error.text().ends_with('.'))
            broken("a position message without a full stop", text);
        return;
    }
    const std::string written = writePositionForm(reading.position);
    const PositionFormReading again = readPositionForm(written);
    if (!again.ok() || again.position != reading.position ||
        writePositionForm(again.position) != written)
        broken("the position did not read back", text);
    UnseenView view;
    Game game(view, [] { return std::int64_t{0}; });
    game.setColours(1, 2);
    game.newGame();
    GameRecord record;
    record.start = reading.position;
    if (!game.replay(record).ok() ||
        startPositionOf(game.position().board, game.state().ToPlay, 1, 2) != reading.position)
        broken("the game did not start from the position", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkPosition(text);
    const RecordReading reading = readRecord(text);
    if (!reading.ok()) {
        if (!reading.error.text().ends_with('.')) broken("a message without a full stop", text);
        if (reading.moveNumber < 0 || reading.moveNumber > kMaxMoves + 1)
            broken("a move number no record can have", text);
        return 0;
    }
    const GameRecord& record = reading.record;
    if (record.moves.size() > static_cast<std::size_t>(kMaxMoves)) broken("too many moves", text);
    for (const Square& move : record.moves)
        if (move.row < 1 || move.row > 8 || move.column < 1 || move.column > 8)
            broken("a move off the board", text);

    const RecordReading again = readRecord(writeRecord(record));
    if (!again.ok() || !sameRecord(again.record, record))
        broken("the record did not read back", text);
    const RecordReading bare = readRecord(writeTranscript(record.moves));
    // Without its start position and orientation header a transcript reads as from the start.
    if (!record.moves.empty() && !record.start && (!bare.ok() || bare.record.moves != record.moves))
        broken("the transcript did not read back", text);

    UnseenView view;
    Game game(view, [] { return std::int64_t{0}; });
    game.setColours(1, 2);
    game.newGame();
    const ReplayOutcome outcome = game.replay(record);
    const int startMoves = game.history().position(0).MovesMade;
    if (outcome.ok() ? game.state().MovesMade - startMoves != static_cast<int>(record.moves.size())
                     : outcome.moveNumber > static_cast<int>(record.moves.size()))
        broken("the replay and the moves disagree", text);
    return 0;
}
