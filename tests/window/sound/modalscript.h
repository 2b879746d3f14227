// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace marvane::test {

// Answers the modal dialogs that the code under test opens, one step per dialog, in order.
// Each step sees the dialog while it is shown and must close it.
class ModalScript {
public:
    using Step = std::function<void(QWidget* dialog)>;

    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
        poll_.start(10);
    }

    // The number of dialogs answered so far.
    std::size_t answered() const { return next_; }

private:
    void answer() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible() || dialog == last_ || next_ >= steps_.size()) return;
        last_ = dialog;
        // Run apart from the poll, so that a dialog that opens another one inside its answer
        // (a warning of the file dialog, say) is still seen and answered.
        QTimer::singleShot(0, dialog, [step = steps_[next_++], dialog] { step(dialog); });
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QPointer<QWidget> last_;
    QTimer poll_;
};

}  // namespace marvane::test
