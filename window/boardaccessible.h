// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QAccessibleEvent;
class QWidget;

namespace marvane {

// Lets assistive technology see the board as a table of 64 cells named like
// "row 3, column 5: White" or "row 3, column 5: empty".
void installBoardAccessibility();

// The one way the window's accessibility events leave: to QAccessible::updateAccessibility, or to
// the listener that the event's window was handed.
void sendAccessibleEvent(QAccessibleEvent* event);

// Takes the accessibility events of the widgets in `window` in place of assistive technology,
// for as long as it lives. Qt passes events on only while a screen reader is attached, so this is
// how tests hear what one would.
class AccessibleEventListener : public QObject {
    Q_OBJECT

public:
    using Sink = std::function<void(QAccessibleEvent* event)>;
    AccessibleEventListener(QWidget* window, Sink sink);
    void take(QAccessibleEvent* event) const { sink_(event); }

private:
    Sink sink_;
};

// Tells assistive technology that a square now shows something else.
void notifySquareChanged(QWidget* board, int row, int column);
// Gives `widget` a new accessible description and tells assistive technology, which reads it
// out: how the hint reaches a player who cannot see the board.
void notifyDescription(QWidget* widget, const QString& description);
// Tells assistive technology that the keyboard focus moved to another square.
void notifyFocusSquare(QWidget* board, int row, int column);

}  // namespace marvane
