// SPDX-License-Identifier: GPL-3.0-or-later
// The window's kinds of controls as the design draws them, and the client area with the board.
// The rooms (SidePanel, RulesPage, OptionsPanel) build their own controls with these.
#include "window/marvaneform_layout.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolButton>
#include <algorithm>

#include "window/boardimage.h"
#include "window/flatcontrols.h"
#include "window/fonts.h"
#include "window/translations.h"

namespace marvane {

void setTextColour(QWidget* widget, const QColor& colour, const QColor& background) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, colour);
    if (background.isValid()) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& caption,
                  const QFont& font, const QColor& colour) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A translated caption may run past the width designed for the English one, into the free
    // room beside it; the fitting test checks that room. The English captions keep their widths.
    if (translationInstalled() && label->sizeHint().width() > geometry.width())
        label->resize(label->sizeHint().width(), geometry.height());
    if (colour.isValid()) setTextColour(label, colour);
    return label;
}

// The labels' widths fit their captions in the window's faces as Linux draws them, with
// fractional advances. Qt's GDI font engine on Windows rounds each character's advance to whole
// pixels, which makes "Remaining" 78 pixels wide rather than 76 and would cut off its last
// letter: there a label grows to fit its caption.
void fitCaption(QLabel* label) {
#ifdef Q_OS_WIN
    const QFontMetrics metrics = label->fontMetrics();
    const int width = std::max(metrics.horizontalAdvance(label->text()),
                               metrics.boundingRect(label->text()).right() + 1);
    if (width > label->width()) label->resize(width, label->height());
#else
    Q_UNUSED(label);
#endif
}

QToolButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, const QString& hint, const QFont& font,
                        const QColor& colour) {
    auto* button = new FlatButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setText(caption);
    button->setToolTip(hint);
    button->setAccessibleDescription(hint.isEmpty() ? caption : hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(font);
    if (colour.isValid()) setTextColour(button, colour);
    return button;
}

// White on black like the client area it lies on, with the designed sunken two-pixel edge of an
// edit box, or none at all.
QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                   const QFont& font, bool border) {
    auto* box = new FlatBox(text, border, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(font);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);  // never reached by the Tab key
    return box;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setChecked(checked);
    box->setAccessibleName(caption.trimmed());
    box->setFont(pixelFont("MS Sans Serif", 16));
    // White caption on black, and a white box with a black tick so the box itself shows.
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

BoardImage* buildClientAndBoard(QMainWindow& window) {
    auto* client = new QWidget(&window);
    client->setObjectName("client");
    // White on black, for the buttons and boxes on it to take rather than each holding its own
    // copy of the same colours.
    setTextColour(client, Qt::white, Qt::black);
    window.setCentralWidget(client);

    auto* Panel1 = new QFrame(client);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 425, 441);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(4);
    Panel1->setAutoFillBackground(true);
    auto* Image3 = new BoardImage(Panel1);
    Image3->move(4, 4);
    return Image3;
}

}  // namespace marvane
