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

Reason& Reason::then(const Reason& more) {
    sentences.insert(sentences.end(), more.sentences.begin(), more.sentences.end());
    return *this;
}

std::string Reason::text() const {
    return text({[](MessageId id) { return std::string(messageText(id)); },
                 [](ColourCode colour) { return std::string(colourName(colour)); }});
}

std::string Reason::text(const Wording& wording) const {
    std::string out;
    for (const Message& sentence : sentences) {
        std::vector<std::string> args;
        for (const MessageArg& arg : sentence.args) {
            const auto* colour = std::get_if<ColourCode>(&arg);
            args.push_back(colour ? wording.colour(*colour) : std::get<std::string>(arg));
        }
        if (!out.empty()) out += ' ';
        out += fillPlaces(wording.text(sentence.id), args);
    }
    return out;
}

}  // namespace marvane
