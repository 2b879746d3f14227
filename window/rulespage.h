// SPDX-License-Identifier: GPL-3.0-or-later
// The rules panel, laid over the game's controls when the player asks for the rules.
#pragma once

#include <QCoreApplication>

class QFrame;
class QString;
class QToolButton;
class QWidget;

namespace marvane {

// Builds its controls onto the window's client area, hidden, below `above`; the window owns every
// control.
class RulesPage {
    Q_DECLARE_TR_FUNCTIONS(RulesPage)

public:
    RulesPage(QWidget* client, QWidget* above);

    void open();
    void close();
    QFrame* panel() const { return RulesPanel; }
    // The keys are listed nowhere on screen; the panel's description is where a screen reader
    // user finds them.
    void describeKeys(const QString& keys);
    // Its button back to the game.
    QToolButton* returnButton() const { return QuitRules; }

private:
    QFrame* RulesPanel = nullptr;
    QToolButton* QuitRules = nullptr;
};

}  // namespace marvane
