// SPDX-License-Identifier: GPL-3.0-or-later
// What the game sees of the main window. Only the window's own files include this header.
#pragma once

#include "engine/gameview.h"
#include "window/marvaneform.h"

namespace marvane {

class TMarvaneForm::View final : public GameView {
public:
    explicit View(TMarvaneForm& form) : form_(form) {}

    void paintCounter(int row, int column, ColourCode colour) override;
    void showText(Box box, const BoxText& text) override;
    void showGoBox(bool visible) override;
    void showPlayers(int count) override;
    void showLevel(bool easy) override;
    void requestSound(Sound sound) override;
    void processPendingEvents() override;
    bool waitForEvents() override;
    void armResponseDelay() override;
    void cancelResponseDelay() override;
    void stepEnded() override;

private:
    TMarvaneForm& form_;
};

}  // namespace marvane
