// SPDX-License-Identifier: GPL-3.0-or-later
// The game's controls beside the board: the title, the buttons, the turn line and the scores.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "engine/types.h"

class QIcon;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace marvane {

// Builds its controls onto the window's client area, which owns every control. The game's reports
// come in as texts for its boxes; its buttons run the handlers the window gives them.
class SidePanel {
    Q_DECLARE_TR_FUNCTIONS(SidePanel)

public:
    SidePanel(QWidget* client, qreal devicePixelRatio);

    struct Handlers {
        std::function<void()> SpeedButton1Click, FinishButtonClick, restartClick, SpeedButton3Click,
            OptionsClick, easyclick, PlayersClick;
    };
    void wire(const Handlers& handlers);
    // Keys on `window` for the buttons that have none of the window's own. Each presses its
    // button, so it does what a click does, and nothing while the button is hidden (the level
    // button in a two-player game).
    void addKeys(QWidget& window);

    void showText(Box box, const QString& text);
    void showGoBox(bool visible);
    // The players button names the mode; the level button is there only against the computer.
    void showPlayers(bool onePlayer);
    void setPlayersPicture(const QIcon& picture);
    void showLevel(bool easy);

private:
    QLabel *C1Lab = nullptr, *c2lab = nullptr;
    QToolButton *SpeedButton1 = nullptr, *FinishButton = nullptr, *restart = nullptr,
                *SpeedButton3 = nullptr, *Options = nullptr, *EasyButton = nullptr,
                *Players = nullptr;
    QLineEdit *MessageBox = nullptr, *GoBox = nullptr, *MoveBox = nullptr, *WhiteScore = nullptr,
              *BlackScore = nullptr, *remain = nullptr, *Edit3 = nullptr;
};

}  // namespace marvane
