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
class QSpinBox;
class QStatusBar;
class QTimer;
class QToolButton;

namespace marvane {

class BoardImage;
class SoundEffects;
class TKURL2;

struct TMarvaneForm::Controls {
    // Builds the controls of the first view into `window`, placed, captioned and coloured as the
    // layout has it, and not yet wired to any handler: the board, the game's controls, the
    // option controls in their still bare panel, the menus without their bar and the timer. The
    // window owns them all.
    Controls(QMainWindow& window, const MakerAddresses& maker);

    // Builds what the first view does not show: the rules panel, the rest of the options panel
    // and the status bar. Only the first call builds.
    void buildRest(QMainWindow& window);
    bool restBuilt = false;
    // The menu bar with its menus and then `gameMenu`, built when it first has an item to show;
    // the status bar (hidden), for when it is needed before the rest.
    void buildMenuBar(QMainWindow& window, QMenu* gameMenu);
    void buildStatusBar(QMainWindow& window);

    // The controls the window's own code uses; the others have only their place and text.
    BoardImage* Image3 = nullptr;
    QLabel *C1Lab = nullptr, *c2lab = nullptr;
    QToolButton *SpeedButton1 = nullptr, *FinishButton = nullptr, *restart = nullptr,
                *SpeedButton3 = nullptr, *Options = nullptr, *EasyButton = nullptr,
                *Players = nullptr;
    QLineEdit *MessageBox = nullptr, *GoBox = nullptr, *MoveBox = nullptr, *WhiteScore = nullptr,
              *BlackScore = nullptr, *remain = nullptr, *Edit3 = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* statusPanels[3] = {};
    QFrame* RulesPanel = nullptr;
    QToolButton* QuitRules = nullptr;
    QFrame* OptionPanel = nullptr;
    QSpinBox* Response = nullptr;
    QCheckBox *Sound = nullptr, *ShowMenu = nullptr, *ShowStatus = nullptr;
    TKURL2 *web = nullptr, *email = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QMenu *QuitMenu = nullptr, *HelpMenu = nullptr, *OptionsMenu = nullptr;
    QAction *LeaveMarvane1 = nullptr, *Rules1 = nullptr, *ContactCorvath1 = nullptr,
            *VisitourWebsite1 = nullptr, *HideMenu = nullptr, *ShowStatus1 = nullptr,
            *Locate = nullptr, *Autoplay = nullptr;
    QAction *Blackwhite = nullptr, *redgreen = nullptr, *aquayello = nullptr;
    QTimer* Playerdelay = nullptr;
    SoundEffects* sounds = nullptr;

private:
    void buildBoard(QWidget* client);
    void buildControls(QWidget* client, qreal devicePixelRatio);
    void buildRulesPanel(QWidget* client);
    void buildOptionControls(QWidget* client);
    void finishOptionPanel();
    void buildMenus(QMainWindow& window);

    MakerAddresses maker_;
};

}  // namespace marvane
