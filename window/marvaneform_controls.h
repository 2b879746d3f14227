// The main window's controls, by their names in the layout. Only the window's own files include
// this header.
#pragma once

#include "window/marvaneform.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QTimer;
class QToolButton;

namespace marvane {

class BoardImage;
class SoundEffects;

struct TMarvaneForm::Controls {
    // Builds the client area of `window` and the board on it, not yet wired to any handler. The
    // window owns them all.
    explicit Controls(QMainWindow& window);
    // Then, after the panels and menus: the response timer and the sound effects, which follow
    // the options panel's `soundBox`.
    void buildTimerAndSounds(QMainWindow& window, QCheckBox* soundBox);

    // Builds what the first view does not show: the rules panel, below `above`, and the status
    // bar. Only the first call builds.
    void buildRest(QMainWindow& window, QWidget* above);
    bool restBuilt = false;
    // The status bar (hidden), for when it is needed before the rest.
    void buildStatusBar(QMainWindow& window);

    // The controls the window's own code uses; the others have only their place and text.
    BoardImage* Image3 = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* statusPanels[3] = {};
    QFrame* RulesPanel = nullptr;
    QToolButton* QuitRules = nullptr;
    QTimer* Playerdelay = nullptr;
    SoundEffects* sounds = nullptr;

private:
    void buildBoard(QWidget* client);
    void buildRulesPanel(QWidget* client);
};

}  // namespace marvane
