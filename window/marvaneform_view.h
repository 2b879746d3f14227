// What the game sees of the main window. Only the window's own files include this header.
#pragma once

#include "engine/gameview.h"
#include "window/marvaneform_controls.h"

namespace marvane {

class TMarvaneForm::View final : public GameView {
public:
    explicit View(const TMarvaneForm& form) : form_(form) {}

    void paintCounter(int row, int column, ColourCode colour) override;
    void showText(Box box, std::string_view text) override;
    void showGoBox(bool visible) override;
    void requestSound(Sound sound) override;
    void processPendingEvents() override;
    bool waitForEvents() override;
    void armResponseDelay() override;
    void cancelResponseDelay() override;

    // While quiet, the game's requests for sounds and for event processing are dropped: a game
    // replayed from its record runs through without a sound and without a handler running
    // between two of its moves.
    void setQuiet(bool quiet) { quiet_ = quiet; }

private:
    const Controls& ui() const { return *form_.ui_; }

    const TMarvaneForm& form_;
    bool quiet_ = false;
};

}  // namespace marvane
