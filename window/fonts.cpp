#include "window/fonts.h"

#include <QStringList>

namespace marvane {

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
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace marvane
