// SPDX-License-Identifier: GPL-3.0-or-later
// The window's kinds of controls as the design draws them (labels, flat speed buttons, boxes,
// check boxes), and the client area with the board. The rooms place their own controls with
// these makers: the side panel (sidepanel.cpp), the rules (rulespage.cpp), the options
// (optionspanel.cpp).
#pragma once

#include <QColor>

class QCheckBox;
class QFont;
class QLabel;
class QLineEdit;
class QMainWindow;
class QRect;
class QString;
class QToolButton;
class QWidget;

namespace marvane {

class BoardImage;

inline const QColor kAqua(0, 255, 255);
inline const QColor kLime(0, 255, 0);

// Builds the client area of `window` and the board on it, not yet wired to any handler. The
// window owns them.
BoardImage* buildClientAndBoard(QMainWindow& window);

// Gives `widget` the text colour `colour` in every role that draws text, and, when `background`
// is valid, fills it with that.
void setTextColour(QWidget* widget, const QColor& colour, const QColor& background = QColor());

// A caption at its designed place, in its face and (when valid) colour, its text at the top left.
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& caption,
                  const QFont& font, const QColor& colour = QColor());

// Makes the label wide enough for its caption where the system's font engine draws wider than
// the design (Windows); elsewhere it keeps its designed width.
void fitCaption(QLabel* label);

// A flat speed button: no focus, a border only while the mouse is over it, a hint on hover. Its
// caption takes its parent's text colour unless given one of its own.
QToolButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, const QString& hint, const QFont& font,
                        const QColor& colour = QColor());

// A read-only box that the Tab key never reaches, with the designed sunken edge or none.
QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                   const QFont& font, bool border);

// A check box with a white caption on black, and a white box with a black tick.
QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, bool checked);

}  // namespace marvane
