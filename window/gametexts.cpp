#include "window/gametexts.h"

#include <QCoreApplication>
#include <array>

#include "engine/types.h"

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
// The catalogues hold these texts as they are written below.
static_assert(kPositionYourPieceText == "Position Your Piece" && kDrawText == "It's a Draw" &&
              kWinsSuffix == " Wins" && std::string_view(kMovesMirroredText) == "Moves mirrored");

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

// The refusals' texts, in the order of the game's message names.
constexpr std::array<const char*, kMessageCount> kMessageTexts = {
#define MARVANE_MESSAGE(name, text) text,
#include "engine/message_texts.h"
#undef MARVANE_MESSAGE
};

// The colour's name in the player's language, or an empty text for a name the game does not use.
QString colour(std::string_view name, bool shortName) {
    for (std::size_t i = 0; i < ColourNames.size(); ++i)
        if (!name.empty() && ColourNames[i] == name)
            return QCoreApplication::translate("GameText", kColourNames[i],
                                               shortName ? kShortName : nullptr);
    return {};
}

}  // namespace

QString translatedGameText(Box box, std::string_view text) {
    if (text == kPositionYourPieceText)
        return QCoreApplication::translate("GameText", "Position Your Piece");
    if (text == kDrawText) return QCoreApplication::translate("GameText", "It's a Draw");
    if (text == kMovesMirroredText)
        return QCoreApplication::translate("GameText", "Moves mirrored");
    if (text.ends_with(kWinsSuffix)) {
        const QString winner = colour(text.substr(0, text.size() - kWinsSuffix.size()), false);
        if (!winner.isEmpty())
            return QCoreApplication::translate("GameText", "%1 Wins").arg(winner);
    }
    const bool narrow = box == Box::GoBox || box == Box::C1Lab || box == Box::c2lab;
    if (const QString name = colour(text, narrow); !name.isEmpty()) return name;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString translatedReason(const Reason& reason) {
    return QString::fromStdString(reason.text(
        {[](MessageId id) {
             return QCoreApplication::translate("GameText",
                                                kMessageTexts[static_cast<std::size_t>(id)])
                 .toStdString();
         },
         [](ColourCode code) { return colour(colourName(code), false).toStdString(); }}));
}

}  // namespace marvane
