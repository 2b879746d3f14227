// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace marvane {

// The small pictures on the main window's buttons.
enum class ButtonPicture {
    Quit,       // a raised hand
    Finish,     // a red tick
    Restart,    // a black grid on a white card
    Rules,      // a question mark on a yellow disc
    Options,    // a yellow key
    Level,      // an open book
    Players,    // two walking figures
    OnePlayer,  // one walking figure
};

inline constexpr int kGlyphSize = 16;
inline constexpr int kRestartPictureSize = 18;

// The picture as its button carries it: a 32 x 16 strip of two 16 x 16 images side by side,
// normal then disabled, except Restart, which is a single 18 x 18 image. A device pixel ratio
// above 1 draws the same picture with that many device pixels per pixel.
QImage buttonStrip(ButtonPicture picture, qreal devicePixelRatio = 1.0);

// Number of side-by-side images in a button's strip (1 or 2).
int glyphCount(ButtonPicture picture);

// Splits a strip of `glyphs` equal side-by-side images into an icon: the first image is the
// Normal mode, the second (when there is one) the Disabled mode. A strip without an alpha
// channel, as a loaded BMP is, is shown with its bottom-left pixel's colour as transparent.
QIcon iconFromStrip(const QImage& strip, int glyphs = 2);

// buttonStrip split into its icon.
QIcon buttonIcon(ButtonPicture picture, qreal devicePixelRatio = 1.0);

}  // namespace marvane
