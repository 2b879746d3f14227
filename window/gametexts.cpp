// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/gametexts.h"

#include <QCoreApplication>
#include <array>
#include <string_view>

namespace marvane {

namespace {

// In the order of the game's colour codes.
constexpr std::array<const char*, ColourNames.size()> kColourNames = {
    QT_TRANSLATE_NOOP("GameText", "Blue"),  QT_TRANSLATE_NOOP("GameText", "White"),
    QT_TRANSLATE_NOOP("GameText", "Black"), QT_TRANSLATE_NOOP("GameText", "Red"),
    QT_TRANSLATE_NOOP("GameText", "Green"), QT_TRANSLATE_NOOP("GameText", "Cyan"),
    QT_TRANSLATE_NOOP("GameText", "Yellow")};

constexpr bool sameNames() {
    for (std::size_t i = 0; i < ColourNames.size(); ++i)
        if (ColourNames[i] != std::string_view(kColourNames[i])) return false;
    return true;
}
static_assert(sameNames(), "the window's colour names follow the game's");

// The disambiguation of the short names, which have an entry of their own in the catalogues.
const char* const kShortName = "short: turn box and score labels";
// lupdate's view of the short names, which are looked up from the table above.
[[maybe_unused]] constexpr const char* kShortNamesForLupdate[][2] = {
    QT_TRANSLATE_NOOP3("GameText", "White", "short: turn box and score labels"),
    QT_TRANSLATE_NOOP3("GameText", "Black", "short: turn box and score labels"),
    QT_TRANSLATE_NOOP3("GameText", "Red", "short: turn box and score labels"),
    QT_TRANSLATE_NOOP3("GameText", "Green", "short: turn box and score labels"),
    QT_TRANSLATE_NOOP3("GameText", "Cyan", "short: turn box and score labels"),
    QT_TRANSLATE_NOOP3("GameText", "Yellow", "short: turn box and score labels")};

// The game's sentences, in the order of its message names.
constexpr std::array<const char*, kMessageCount> kMessageTexts = {
#define MARVANE_MESSAGE(name, text) text,
#include "engine/message_texts.h"
#undef MARVANE_MESSAGE
};

// The game's words in the player's language, its colours named as `box` shows them.
Wording playersWords(Box box) {
    return {[](MessageId id) {
                return QCoreApplication::translate("GameText",
                                                   kMessageTexts[static_cast<std::size_t>(id)])
                    .toStdString();
            },
            [box](ColourCode colour) { return translatedColour(colour, box).toStdString(); }};
}

}  // namespace

QString translatedColour(ColourCode colour, Box box) {
    if (colourName(colour).empty()) return {};
    const bool narrow = box == Box::GoBox || box == Box::C1Lab || box == Box::c2lab;
    return QCoreApplication::translate("GameText", kColourNames[static_cast<std::size_t>(colour)],
                                       narrow ? kShortName : nullptr);
}

QString translatedGameText(Box box, const BoxText& text) {
    return QString::fromStdString(boxText(text, playersWords(box)));
}

QString translatedReason(const Reason& reason) {
    return QString::fromStdString(reason.text(playersWords(Box::MessageBox)));
}

}  // namespace marvane
