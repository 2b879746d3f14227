// SPDX-License-Identifier: GPL-3.0-or-later
// Driving the main window as a user would: its controls found by their layout names, the board
// pressed with the mouse.
#pragma once

#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "tests/window/modal.h"
#include "window/art/boardpicture.h"
#include "window/marvaneform.h"

namespace marvane::test {

// The control named `name` in the window; a missing one fails loudly rather than crash later.
template <typename T = QWidget>
T* control(const QObject& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("the window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

inline QString textOf(const QObject& form, const char* box) {
    return control<QLineEdit>(form, box)->text();
}

// A press of `button` on the middle of the square's counter box.
inline void pressSquare(const QObject& form, int row, int column,
                        Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(control(form, "Image3"), button, {},
                      BoardPicture::counterBox(row, column).center());
}

// True once the start-up has started the first game and the window has built what its first
// frame did not show (the panels, the menu bar, the status bar), which follows that frame.
inline bool startedAndWhole(const QObject& form) {
    return textOf(form, "MessageBox") == "Position Your Piece" &&
           form.findChild<QWidget*>(QStringLiteral("RulesPanel"));
}

// Shows the window and waits for its start-up to start the first game. The test folder holds no
// sound files, so the start-up offers to look for them: that prompt is cancelled. Null if the
// first game never started.
template <typename Form = TMarvaneForm, typename... Args>
std::unique_ptr<Form> startedForm(Args&&... args) {
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    answerNextModal([](QWidget*) {});
    form->show();
    if (!QTest::qWaitFor([&] { return startedAndWhole(*form); })) return nullptr;
    return form;
}

}  // namespace marvane::test
