// SPDX-License-Identifier: GPL-3.0-or-later
// The Game menu: undo, redo, the two marks on the board, the game record's items and the
// analysis: the hint, the squares' scores and the Expert Hard level.
#pragma once

#include <QObject>

#include "window/guard.h"

class QAction;
class QMainWindow;
class QMenu;
class QTimer;

namespace marvane {

class BoardCoordinates;
class AnalysisRoom;
class BoardImage;
class Game;
class RecordCommands;

// The menu comes after the designed menu items, so each of those keeps its place, and it shows
// and hides with them. Both marks are off unless the player turns them on: the board at rest
// looks as designed. Its items and keys are commands to the game; the board's marks, the items'
// state and the move list follow the game.
class GameMenu : public QObject {
public:
    // Builds the menu (its bar is built elsewhere, with the others') and the window's keys for
    // its items, wired to `game`; the marks go to `board`.
    GameMenu(QMainWindow& window, Game& game, BoardImage& board, AnalysisRoom& analysis,
             Guard guard);

    QMenu* menu() const { return menu_; }
    RecordCommands& records() const { return *record; }
    void setShown(bool shown);

    // The items the options keep (the marks, Show Coordinates, Show Evaluations, Expert Hard
    // Level) are reached by their object names, as the option table gives them.

    // Brings the items, the board's marks and the move list up to date with the game, once the
    // events of the step in progress have been handled; the game asks for it as each step ends.
    void scheduleRefresh();
    // The same, now.
    void refreshGameMenu();

    // The game refuses both during Autoplay and queues them behind a move in progress.
    void UndoMoveClick();
    void RedoMoveClick();

private:
    void wireRecordCommands(QMainWindow& window);
    void addCoordinatesItem(QMainWindow& window);
    void playHintSquare();
    void showCoordinates();
    void addKeysItem(QMainWindow& window);
    void addAnalysisItems(QMainWindow& window);

    Game& game_;
    BoardImage& board_;
    AnalysisRoom& analysis_;
    Guard guard_;
    QMenu* menu_ = nullptr;
    QAction *UndoMove = nullptr, *RedoMove = nullptr, *ShowLastMove = nullptr,
            *ShowLegalMoves = nullptr, *Hint = nullptr, *ShowEvaluations = nullptr,
            *ExpertHardLevel = nullptr, *StandardRules = nullptr;
    QTimer* marksRefresh = nullptr;
    RecordCommands* record = nullptr;
    QAction* ShowCoordinates = nullptr;
    BoardCoordinates* coordinates_ = nullptr;  // built when first shown
};

}  // namespace marvane
