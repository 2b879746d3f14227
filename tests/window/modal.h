// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace marvane::test {

// Answers the next modal dialog once it is up: `answer` gets it (and may close it); when it
// leaves the dialog open it is rejected. Keeps looking until one appears.
inline void answerNextModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    poll->start();
}

// The text and title of the next message box, which is then closed.
struct SeenBox {
    QString title;
    QString text;
};
inline void recordNextMessageBox(SeenBox* seen) {
    answerNextModal([seen](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen->title = box->windowTitle();
            seen->text = box->text();
        }
    });
}

}  // namespace marvane::test
