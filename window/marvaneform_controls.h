// The main window's controls, by their names in the layout. Only the window's own files include
// this header.
#pragma once

#include "window/marvaneform.h"

class QCheckBox;
class QTimer;

namespace marvane {

class BoardImage;
class SoundEffects;

struct TMarvaneForm::Controls {
    // Builds the client area of `window` and the board on it, not yet wired to any handler. The
    // window owns them all.
    explicit Controls(QMainWindow& window);
    // Then, after the panels and menus: the response timer and the sound effects, which follow
    // the options panel's `soundBox` and show the folder of the sounds with `showFolder`.
    void buildTimerAndSounds(QMainWindow& window, QCheckBox* soundBox,
                             std::function<void(const QString&)> showFolder);

    // The controls the window's own code uses; the others have only their place and text.
    BoardImage* Image3 = nullptr;
    QTimer* Playerdelay = nullptr;
    SoundEffects* sounds = nullptr;

private:
    void buildBoard(QWidget* client);
};

}  // namespace marvane
