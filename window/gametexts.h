// SPDX-License-Identifier: GPL-3.0-or-later
// The one place that puts what the game says into the player's language: the texts it writes into
// the window's boxes and labels, and its reasons for refusing something.
#pragma once

#include <QString>

#include "engine/message.h"
#include "engine/types.h"

namespace marvane {

// The text the player reads in `box` for what the game wrote there: its lines in the player's
// language, a colour's name as translatedColour() gives it, and a number as it is.
QString translatedGameText(Box box, const BoxText& text);

// A colour's name in the player's language, or an empty text for a code that is no colour. The
// turn box and the score labels are narrow, and take a colour's short name (the same word where
// it fits).
QString translatedColour(ColourCode colour, Box box = Box::MessageBox);

// Why the game refused something, in the player's language: each sentence's text translated, its
// colours named as the player reads them, what it quotes from a file left as it is.
QString translatedReason(const Reason& reason);

}  // namespace marvane
