// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the analysis engine's readers of positions and endgame test sets with arbitrary text.
// Whatever they accept must be a position the engine works on (no square held by both sides),
// with the stated number of empty squares and best squares that are legal, and must be written
// back to text that reads as the same thing; every refusal is one sentence.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "analysis/position_text.h"

namespace {

using namespace marvane::analysis;

[[noreturn]] void broken(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s; the text was \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

bool sameTest(const TestPosition& a, const TestPosition& b) {
    return a.number == b.number && a.position == b.position && a.bestSquares == b.bestSquares &&
           a.score == b.score;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const PositionReading position = readPosition(text);
    if (position.ok()) {
        if (!positionError(position.position).empty()) broken("an impossible position", text);
        const PositionReading again = readPosition(writePosition(position.position));
        if (!again.ok() || !(again.position == position.position))
            broken("the position did not read back", text);
    } else if (!position.error.ends_with('.')) {
        broken("a message without a full stop", text);
    }

    const TestSetReading set = readTestSet(text);
    if (!set.ok() && !set.error.ends_with('.')) broken("a message without a full stop", text);
    for (const TestPosition& test : set.tests) {
        if (!positionError(test.position).empty()) broken("an impossible position", text);
        if (test.score < -64 || test.score > 64) broken("an impossible score", text);
        const Bits legal = legalMoves(test.position.mover(), test.position.waiter());
        for (const int square : test.bestSquares)
            if (square < 0 || square > 63 || !(legal & bit(square)))
                broken("a best square that is not legal", text);
        const TestReading again = readTestLine(writeTestLine(test));
        if (!again.ok() || !sameTest(again.test, test)) broken("the line did not read back", text);
    }
    return 0;
}
