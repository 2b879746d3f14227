// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gtp/gtp_session.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <exception>
#include <vector>

#include "analysis/bitboard.h"
#include "analysis/levels.h"

#ifndef MARVANE_VERSION
#define MARVANE_VERSION "unknown"
#endif

namespace marvane::gtp {

namespace {

using analysis::kPass;
using analysis::Rules;
using analysis::Side;

constexpr std::string_view kCommands[] = {"protocol_version", "name",          "version",
                                          "known_command",    "list_commands", "quit",
                                          "boardsize",        "clear_board",   "play",
                                          "genmove",          "undo",          "showboard",
                                          "final_score",      "marvane-level", "marvane-rules",
                                          "marvane-seed"};

// The protocol's clean-up of a line: control characters go (tabs become spaces), and so does a
// comment from '#' on.
std::string cleaned(std::string_view line) {
    std::string text;
    text.reserve(line.size());
    for (const char c : line) {
        if (c == '#') break;
        if (c == '\t')
            text += ' ';
        else if (static_cast<unsigned char>(c) >= 32 && c != 127)
            text += c;
    }
    return text;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        result.push_back(text.substr(at, end - at));
        at = end;
    }
    return result;
}

bool allDigits(std::string_view word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string lower(std::string_view word) {
    std::string text(word);
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::optional<Side> colour(std::string_view word) {
    const std::string name = lower(word);
    if (name == "b" || name == "black") return Side::First;
    if (name == "w" || name == "white") return Side::Second;
    return std::nullopt;
}

template <typename Number>
std::optional<Number> number(std::string_view word) {
    Number value{};
    if (!allDigits(word)) return std::nullopt;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

std::string_view rulesName(Rules rules) {
    return rules == Rules::Standard ? "standard" : "marvane";
}

}  // namespace

GtpSession::GtpSession(Player player, std::function<std::uint64_t()> drawSeed)
    : player_(std::move(player)), drawSeed_(std::move(drawSeed)), level_(analysis::kTopLevel) {
    newGame();
}

void GtpSession::newGame() {
    game_.restart();
    seed_ = fixedSeed_ ? *fixedSeed_ : drawSeed_();
}

std::string GtpSession::answer(std::string_view line) {
    const std::string text = cleaned(line);
    const std::vector<std::string_view> parts = words(text);
    if (parts.empty()) return {};
    // A number first is the command's, for its answer.
    const bool numbered = allDigits(parts.front());
    const std::string id(numbered ? parts.front() : std::string_view());
    const auto name = parts.begin() + (numbered ? 1 : 0);
    Reply reply{false, "syntax error: no command after the number"};
    if (name != parts.end()) {
        try {
            reply = run(*name, {name + 1, parts.end()});
        } catch (const std::exception& failure) {
            reply = {false, std::string("the engine failed: ") + failure.what()};
        }
    }
    std::string out = (reply.ok ? "=" : "?") + id;
    if (!reply.text.empty()) out += ' ' + reply.text;
    return out + "\n\n";
}

GtpSession::Reply GtpSession::run(std::string_view command, const Words& args) {
    const auto known = [](std::string_view name) {
        return std::find(std::begin(kCommands), std::end(kCommands), name) != std::end(kCommands);
    };
    if (!known(command)) return {false, "unknown command"};
    if (command == "play") return play(args);
    if (command == "genmove") return genmove(args);
    if (command == "marvane-level") return level(args);
    if (command == "marvane-rules") return rules(args);
    if (command == "marvane-seed") return seed(args);
    if (command == "known_command") {
        if (args.size() != 1) return {false, "syntax error: known_command needs one name"};
        return {true, known(args.front()) ? "true" : "false"};
    }
    if (command == "boardsize") {
        if (args.size() != 1 || !allDigits(args.front()))
            return {false, "syntax error: boardsize needs one number"};
        const std::string_view size = args.front();  // any number of digits, leading zeros too
        if (size.substr(std::min(size.find_first_not_of('0'), size.size())) != "8")
            return {false, "unacceptable size: the board is 8 by 8"};
        newGame();
        return {true, {}};
    }
    if (!args.empty())
        return {false, "syntax error: " + std::string(command) + " takes no arguments"};
    if (command == "protocol_version") return {true, "2"};
    if (command == "name") return {true, "Marvane"};
    if (command == "version") return {true, MARVANE_VERSION};
    if (command == "list_commands") {
        std::string list;
        for (const std::string_view name : kCommands) (list += name) += '\n';
        list.pop_back();
        return {true, list};
    }
    if (command == "quit") {
        quit_ = true;
        return {true, {}};
    }
    if (command == "clear_board") {
        newGame();
        return {true, {}};
    }
    if (command == "undo") {
        if (!game_.undo()) return {false, "cannot undo: no move to take back"};
        return {true, {}};
    }
    if (command == "showboard") return {true, '\n' + game_.board()};
    return finalScore();
}

GtpSession::Reply GtpSession::play(const Words& args) {
    if (args.size() != 2)
        return {false, "syntax error: play needs a colour and a square (play b d3)"};
    const std::optional<Side> side = colour(args[0]);
    if (!side)
        return {false, "syntax error: " + std::string(args[0]) + " is not a colour (b or w)"};
    const int square = lower(args[1]) == "pass" ? kPass : analysis::squareFromName(args[1]);
    if (square < 0)
        return {false, "syntax error: " + std::string(args[1]) +
                           " is not a square of the board (a1 to h8) or pass"};
    if (std::string why = game_.refusal(*side, square); !why.empty()) return {false, why};
    game_.play(square);
    return {true, {}};
}

GtpSession::Reply GtpSession::genmove(const Words& args) {
    if (args.size() != 1) return {false, "syntax error: genmove needs a colour (genmove b)"};
    const std::optional<Side> side = colour(args[0]);
    if (!side)
        return {false, "syntax error: " + std::string(args[0]) + " is not a colour (b or w)"};
    const analysis::Position& position = game_.position();
    if (game_.over()) return {true, "pass"};
    const analysis::Bits legal = analysis::legalMoves(position.mover(), position.waiter());
    if (*side != position.toMove) {
        const std::string mover = sideName(position.toMove);
        return {
            false,
            "wrong side: " + mover + " is to move" +
                (legal ? "" : " and has no legal square (play " + mover.substr(0, 1) + " pass)")};
    }
    int square = kPass;
    if (legal) {
        square = player_(position, game_.rules(), level_, game_.squaresPlayed(), seed_);
        // Whatever the player says, the engine never sends an illegal move.
        if (square < 0 || square > 63 || !(legal & analysis::bit(square)))
            square = std::countr_zero(legal);
    }
    game_.play(square);
    return {true, analysis::squareName(square)};
}

GtpSession::Reply GtpSession::finalScore() {
    if (!game_.over()) return {false, "cannot score: the game is not over"};
    const int result = game_.result();
    if (result == 0) return {true, "0"};
    return {true, (result > 0 ? "B+" : "W+") + std::to_string(result > 0 ? result : -result)};
}

GtpSession::Reply GtpSession::level(const Words& args) {
    if (args.empty()) return {true, std::to_string(level_)};
    const std::optional<int> value = args.size() == 1 ? number<int>(args[0]) : std::nullopt;
    if (!value || *value < analysis::kLowestLevel || *value > analysis::kTopLevel)
        return {false, "syntax error: the level is a whole number from 1 to 10"};
    level_ = *value;
    return {true, {}};
}

GtpSession::Reply GtpSession::rules(const Words& args) {
    if (args.empty()) return {true, std::string(rulesName(game_.rules()))};
    const std::string name = args.size() == 1 ? lower(args[0]) : std::string();
    if (name == "standard")
        game_.setRules(Rules::Standard);
    else if (name == "marvane")
        game_.setRules(Rules::Marvane);
    else
        return {false,
                "syntax error: the rules are standard (a side with no legal square "
                "passes) or marvane (it ends the game)"};
    return {true, {}};
}

GtpSession::Reply GtpSession::seed(const Words& args) {
    if (args.empty()) return {true, std::to_string(seed_)};
    if (args.size() == 1 && lower(args[0]) == "random") {
        fixedSeed_.reset();
        return {true, {}};
    }
    const auto value = args.size() == 1 ? number<std::uint64_t>(args[0]) : std::nullopt;
    if (!value)
        return {false,
                "syntax error: the seed is a whole number from 0 to 18446744073709551615, "
                "or random"};
    fixedSeed_ = seed_ = *value;
    return {true, {}};
}

}  // namespace marvane::gtp
