// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/fonts.h"

#include <QStringList>

namespace marvane {

namespace {
bool fallbackFaces = false;
}

void allowFallbackFaces(bool allow) { fallbackFaces = allow; }

void installFontSubstitutes() {
    // The metric-compatible Liberation faces stand in for the classic system faces; for the
    // display faces, a humanist sans for the buttons, a bold geometric display face for the
    // title, and two calligraphic scripts for the panel headings.
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Optimum", {"Cabin", "Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Serpentine", {"League Spartan", "Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Balthazar", {"Lobster Two", "Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Mural Script", {"Dancing Script", "Liberation Serif"});
}

QFont pixelFont(const QString& family, int pixels, bool bold) {
    // The stand-ins first, then the name itself: Qt looks a family up in order, and a name that
    // is not installed sends it to fontconfig for a sorted list of look-alikes, an expensive
    // search that would only come back to the stand-in.
    QFont font;
    font.setFamilies(QFont::substitutes(family) << family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Every English text of the window is plain ASCII in a face that has all of it. Without
    // this, Qt asks fontconfig for a sorted list of fallback faces for every font it loads, a
    // tenth of the start-up's instructions, for glyphs it will never need. A translation may need
    // them: a Polish or Russian letter then comes from the next face of the list.
    if (!fallbackFaces) font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace marvane
