// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/gtp/gtp_game.h"

// The text engine's side of the Go Text Protocol, as Othello engines speak it: one command a
// line, optionally numbered, each answered by "=" or "?" (with the number), the answer's text
// and a blank line.
namespace marvane::gtp {

// Picks the square the side to move plays in `position` at `level` (it has a legal one).
// `squaresPlayed` counts the moves since the start, `seed` is the game's.
using Player = std::function<int(const analysis::Position& position, analysis::Rules rules,
                                 int level, int squaresPlayed, std::uint64_t seed)>;

class GtpSession {
public:
    // `drawSeed` gives each new game its seed while none is fixed.
    GtpSession(Player player, std::function<std::uint64_t()> drawSeed);

    // The answer to one line of input, blank line included; empty for a line that holds no
    // command (blank, or only a comment).
    std::string answer(std::string_view line);
    bool quitRequested() const { return quit_; }

    const GtpGame& game() const { return game_; }

private:
    struct Reply {
        bool ok;
        std::string text;
    };
    using Words = std::vector<std::string_view>;
    Reply run(std::string_view command, const Words& args);
    Reply play(const Words& args);
    Reply genmove(const Words& args);
    Reply finalScore();
    Reply level(const Words& args);
    Reply rules(const Words& args);
    Reply seed(const Words& args);
    void newGame();

    Player player_;
    std::function<std::uint64_t()> drawSeed_;
    GtpGame game_;
    int level_;
    std::optional<std::uint64_t> fixedSeed_;
    std::uint64_t seed_ = 0;  // the game's
    bool quit_ = false;
};

}  // namespace marvane::gtp
