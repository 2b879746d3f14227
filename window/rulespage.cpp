// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/rulespage.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "window/art/rulesart.h"
#include "window/fonts.h"
#include "window/marvaneform_layout.h"

namespace marvane {

namespace {

// The rules panel paints its parchment background stretched over its whole area.
class RulesBackdrop : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintRulesBackground(painter, QRectF(rect()));
    }
};

}  // namespace

RulesPage::RulesPage(QWidget* client, QWidget* above) {
    RulesPanel = new RulesBackdrop(client);
    RulesPanel->setObjectName("RulesPanel");
    RulesPanel->setGeometry(440, 10, 297, 440);
    RulesPanel->hide();
    // Its texts are all in the usual text colour on the parchment; they take it from the panel.
    setTextColour(RulesPanel, QPalette().color(QPalette::WindowText));
    // Sized by hand: measuring it would load its face at start-up, long before anyone reads it.
    makeLabel(RulesPanel, "Label8", {48, 56, 240, 32}, tr("The Rules of Marvane"),
              pixelFont("Balthazar", 27));
    RulesPanel->setAccessibleName(tr("The Rules of Marvane"));
    QuitRules = makeButton(RulesPanel, "QuitRules", {40, 344, 209, 41}, tr("Return to Marvane"), {},
                           pixelFont("Balthazar", 27));

    struct Line {
        const char* name;
        int top;
        const char* caption;
    };
    static constexpr Line kLines[] = {
        {"Label9", 88, QT_TRANSLATE_NOOP("RulesPage", "Two player game")},
        {"Label10", 105,
         QT_TRANSLATE_NOOP("RulesPage", "Each player must chose their colour Black or White")},
        {"Label11", 121,
         QT_TRANSLATE_NOOP("RulesPage", "White goes first, use the mouse to select a square ")},
        {"Label12", 138, QT_TRANSLATE_NOOP("RulesPage", "and click the left button")},
        {"Label13", 154,
         QT_TRANSLATE_NOOP("RulesPage", "The object of Marvane is to get as many of your")},
        {"Label14", 171,
         QT_TRANSLATE_NOOP("RulesPage", "coloured counters on the game grid as possible")},
        {"Label15", 187,
         QT_TRANSLATE_NOOP("RulesPage", "the game starts with 4 counters, in the centre")},
        {"Label16", 204,
         QT_TRANSLATE_NOOP("RulesPage", "squares, 2 White and 2 Black, You can place")},
        {"Label17", 221,
         QT_TRANSLATE_NOOP("RulesPage", "another counter of your colour following these rules")},
        {"Label19", 237, QT_TRANSLATE_NOOP("RulesPage", "1. The square must be empty")},
        {"Label20", 254,
         QT_TRANSLATE_NOOP("RulesPage", "2. There must be at least 1 counter of the other")},
        {"Label21", 270, QT_TRANSLATE_NOOP("RulesPage", "colour in an adjacent square to the one")},
        {"Label22", 287, QT_TRANSLATE_NOOP("RulesPage", "that you are placing,")},
        {"Label23", 303,
         QT_TRANSLATE_NOOP("RulesPage", "3. A counter of your own colour must be immediately")},
        {"Label18", 320, QT_TRANSLATE_NOOP("RulesPage", "beyond the opposing counter/s")},
    };
    const QFont sans11 = pixelFont("MS Sans Serif", 11);
    for (const Line& line : kLines) {
        QLabel* label =
            makeLabel(RulesPanel, line.name, {24, line.top, 260, 13}, tr(line.caption), sans11);
        label->adjustSize();
        label->setFixedHeight(13);
    }
    // Below the options panel, which the options key opens over the rules.
    RulesPanel->stackUnder(above);
}

void RulesPage::open() {
    RulesPanel->raise();
    RulesPanel->show();
}

void RulesPage::close() { RulesPanel->hide(); }

void RulesPage::describeKeys(const QString& keys) { RulesPanel->setAccessibleDescription(keys); }

}  // namespace marvane
