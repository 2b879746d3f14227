// SPDX-License-Identifier: GPL-3.0-or-later
// Sentences the game says to the player as a name and what fills its places, and what it writes
// into the window's boxes, so that a window can say them in the player's language; in English
// here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/types.h"

namespace marvane {

enum class MessageId : std::uint8_t {
#define MARVANE_MESSAGE(name, text) name,
#include "engine/message_texts.h"
#undef MARVANE_MESSAGE
};

inline constexpr std::size_t kMessageCount = 0
#define MARVANE_MESSAGE(name, text) +1
#include "engine/message_texts.h"
#undef MARVANE_MESSAGE
    ;

// What fills a place of a message: text given as it is (a number, a square, words quoted from a
// file) or a colour, which is named in the player's language.
using MessageArg = std::variant<std::string, ColourCode>;

// How the game's texts are put into words: each sentence's text, with its places, and each
// colour's name.
struct Wording {
    std::function<std::string(MessageId)> text;
    std::function<std::string(ColourCode)> colour;
};

// The words of the game's texts in English.
const Wording& english();

// One sentence: its text with %1, %2, ... filled by args[0], args[1], ...
struct Message {
    MessageId id{};
    std::vector<MessageArg> args;

    std::string text(const Wording& wording = english()) const;
    friend bool operator==(const Message&, const Message&) = default;
};

// Why something was refused: no sentence when it was not, else the sentences that read as one
// text, the first saying what was refused, any after it why.
struct Reason {
    std::vector<Message> sentences;

    Reason() = default;
    Reason(MessageId id, std::vector<MessageArg> args = {})
        : sentences{Message{id, std::move(args)}} {}

    bool empty() const { return sentences.empty(); }
    // This reason, followed by the sentences of `more`.
    Reason& then(const Reason& more);
    // The whole reason, sentences apart by a space: in English, or in the words given.
    std::string text(const Wording& wording = english()) const;
    friend bool operator==(const Reason&, const Reason&) = default;
};

// A colour's name, as a box shows it.
struct NamedColour {
    ColourCode colour = 0;
    friend bool operator==(const NamedColour&, const NamedColour&) = default;
};

// What the game writes into a box: nothing, a number, a colour's name or one of its lines.
using BoxText = std::variant<std::monostate, std::int32_t, NamedColour, Message>;

// The box's text in English, or in the words given; a number is written in digits.
std::string boxText(const BoxText& text, const Wording& wording = english());

// The English text of a message, with its places (%1 to %9) unfilled.
std::string_view messageText(MessageId id);

// `text` with each place %n (n 1 to 9) replaced by args[n - 1], in one pass: what fills a place
// is never read for places again, so words quoted from a file cannot fill themselves in. A place
// with no argument, and a % not followed by a digit 1-9, stay as they are.
std::string fillPlaces(std::string_view text, std::span<const std::string> args);

}  // namespace marvane
