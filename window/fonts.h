// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace marvane {

// The window's faces are named by the design's names ("MS Sans Serif", "Optimum", ...), which
// few systems have. These register freely licensed stand-ins that keep each face's character.
void installFontSubstitutes();

// Lets a text take the letters its face lacks from the next face in the family's list (Liberation
// or DejaVu, which have the Latin, Greek and Cyrillic alphabets). Off by default: every English
// text is drawn in its own face alone.
void allowFallbackFaces(bool allow);

// A font of `family` whose characters are `pixels` high.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

}  // namespace marvane
