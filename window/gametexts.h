// The one place that knows the texts the game writes into the window's boxes and labels.
#pragma once

#include <QString>
#include <string_view>

#include "engine/message.h"
#include "engine/types.h"

namespace marvane {

// Written into the message box by the window after it replayed moves read the other way round.
inline constexpr char kMovesMirroredText[] = "Moves mirrored";

// The text the player reads for a text the game wrote into `box`: its fixed lines and colour
// names in the player's language, with a colour name put into a result line ("%1 Wins"). The
// turn box and the score labels are narrow, and take a colour's short name (the same word where
// it fits). Numbers, the empty text and anything the table does not know pass through as they
// are.
QString translatedGameText(Box box, std::string_view text);

// Why the game refused something, in the player's language: each sentence's text translated, its
// colours named as the player reads them, what it quotes from a file left as it is.
QString translatedReason(const Reason& reason);

}  // namespace marvane
