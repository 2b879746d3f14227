#pragma once

class QAccessibleEvent;
class QWidget;

namespace marvane {

// Lets assistive technology see the board as a table of 64 cells named like
// "row 3, column 5: White" or "row 3, column 5: empty".
void installBoardAccessibility();

// Where the window's accessibility events go: QAccessible::updateAccessibility, unless a test
// listens instead (it returns the sink it replaces).
using AccessibleEventSink = void (*)(QAccessibleEvent* event);
AccessibleEventSink setAccessibleEventSink(AccessibleEventSink sink);
void sendAccessibleEvent(QAccessibleEvent* event);

// Tells assistive technology that a square now shows something else.
void notifySquareChanged(QWidget* board, int row, int column);
// Tells assistive technology that the keyboard focus moved to another square.
void notifyFocusSquare(QWidget* board, int row, int column);

}  // namespace marvane
