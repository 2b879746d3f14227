// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the text engine's command reader with arbitrary lines. Every line that holds more than
// blanks and a comment gets exactly one answer: "=" or "?", the line's number if it had one, and
// one blank line at the end only; the game stays one the analysis engine can work on, and the
// engine is only ever asked to choose in a position where the side to move has a square.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "analysis/bitboard.h"
#include "analysis/levels.h"
#include "app/gtp/gtp_session.h"

namespace {

using namespace marvane;

[[noreturn]] void broken(const char* what, std::string_view line) {
    std::fprintf(stderr, "%s; the line was \"%.*s\"\n", what, static_cast<int>(line.size()),
                 line.data());
    std::abort();
}

// Whether a line holds anything but blanks, control characters and a comment.
bool holdsCommand(std::string_view line) {
    for (const char c : line) {
        if (c == '#') return false;
        if (static_cast<unsigned char>(c) > 32 && c != 127) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The cheapest player there is: the lowest legal square. The search has fuzzers of its own.
    gtp::GtpSession session(
        [](const analysis::Position& p, analysis::Rules, int level, int, std::uint64_t) {
            const analysis::Bits legal = analysis::legalMoves(p.mover(), p.waiter());
            if (!legal || level < analysis::kLowestLevel || level > analysis::kTopLevel)
                std::abort();
            return std::countr_zero(legal);
        },
        [] { return std::uint64_t{42}; });
    std::size_t start = 0;
    while (start < input.size() && !session.quitRequested()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;
        const std::string answer = session.answer(line);
        if (answer.empty() != !holdsCommand(line)) broken("an answer to nothing, or none", line);
        if (answer.empty()) continue;
        if (answer[0] != '=' && answer[0] != '?') broken("an answer without = or ?", line);
        if (answer.find("\n\n") != answer.size() - 2) broken("a blank line inside an answer", line);
        // A line that starts with a number (after blanks) is answered with that number.
        const std::size_t first = line.find_first_not_of(" \t");
        const std::size_t digits =
            std::min(line.find_first_not_of("0123456789", first), line.size());
        if (first != std::string_view::npos && digits != first &&
            (digits == line.size() || line[digits] == ' ' || line[digits] == '\t')) {
            const std::string_view id = line.substr(first, digits - first);
            if (answer.compare(1, id.size(), id) != 0 ||
                (answer[id.size() + 1] != ' ' && answer[id.size() + 1] != '\n'))
                broken("an answer without the line's number", line);
        }
        const analysis::Position& p = session.game().position();
        if (!analysis::positionError(p).empty() || p.empties() > 60)
            broken("a position the engine cannot work on", line);
    }
    return 0;
}
