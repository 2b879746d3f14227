// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up. Only the window's own files include this header.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

#include "window/marvaneform.h"

namespace marvane {

// Runs the designed start-up sequence once, from one trigger: the window's first show. What the
// first frame shows (caption, options, players mode, the first game) is done before it, so the
// first frame is already the starting view; what does not show (opening the sounds, the panels
// that are not open, the large icon) follows the first frame. A box the sequence would show
// waits for that frame too, so the window is painted behind it.
class TMarvaneForm::StartUp : public QObject {
public:
    explicit StartUp(TMarvaneForm& form) : form_(form) {}

    void windowShown();
    // Keeps an error of a step that ran before the first frame, to show after it; false once
    // the frame is out (show it now).
    bool holdError(const QString& text);

private:
    enum class Stage { NotShown, BeforeFirstFrame, AfterFirstFrame };

    bool eventFilter(QObject* watched, QEvent* event) override;
    void afterFirstFrame();

    TMarvaneForm& form_;
    Stage stage_ = Stage::NotShown;
    std::function<void()> rest_;  // the steps that wait for the first frame
    QStringList heldErrors_;
};

}  // namespace marvane
