// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/message.h"

#include <array>

namespace marvane {

namespace {

// Only the English is wanted here; the translation tools find the texts by this mark.
#define QT_TRANSLATE_NOOP(context, text) text
constexpr std::array<std::string_view, kMessageCount> kTexts = {
#define MARVANE_MESSAGE(name, text) text,
#include "engine/message_texts.h"
#undef MARVANE_MESSAGE
};
#undef QT_TRANSLATE_NOOP

}  // namespace

std::string_view messageText(MessageId id) { return kTexts.at(static_cast<std::size_t>(id)); }

std::string fillPlaces(std::string_view text, std::span<const std::string> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto place = static_cast<std::size_t>(text[i + 1] - '1');
            if (place < args.size()) {
                out += args[place];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

const Wording& english() {
    static const Wording words{[](MessageId id) { return std::string(messageText(id)); },
                               [](ColourCode colour) { return std::string(colourName(colour)); }};
    return words;
}

std::string Message::text(const Wording& wording) const {
    std::vector<std::string> filling;
    for (const MessageArg& arg : args) {
        const auto* colour = std::get_if<ColourCode>(&arg);
        filling.push_back(colour ? wording.colour(*colour) : std::get<std::string>(arg));
    }
    return fillPlaces(wording.text(id), filling);
}

Reason& Reason::then(const Reason& more) {
    sentences.insert(sentences.end(), more.sentences.begin(), more.sentences.end());
    return *this;
}

std::string Reason::text(const Wording& wording) const {
    std::string out;
    for (const Message& sentence : sentences) {
        if (!out.empty()) out += ' ';
        out += sentence.text(wording);
    }
    return out;
}

std::string boxText(const BoxText& text, const Wording& wording) {
    if (const auto* number = std::get_if<std::int32_t>(&text)) return std::to_string(*number);
    if (const auto* named = std::get_if<NamedColour>(&text)) return wording.colour(named->colour);
    if (const auto* line = std::get_if<Message>(&text)) return line->text(wording);
    return {};
}

}  // namespace marvane
