#pragma once

#include <QFont>
#include <QString>

namespace marvane {

// The window's faces are named as the game has always named them ("MS Sans Serif", "Optimum",
// ...). These register freely licensed stand-ins that keep each face's character.
void installFontSubstitutes();

// A font of `family` whose characters are `pixels` high.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

}  // namespace marvane
