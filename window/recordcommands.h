#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "engine/game.h"
#include "engine/replay.h"
#include "engine/transcript.h"
#include "window/movelist.h"

class QAction;
class QTimer;
class QWidget;

namespace marvane {

// Reads a game file as readRecord() reads text; a file that is not a regular file, or is over
// kMaxRecordBytes, is refused without reading it.
RecordReading readGameFile(const QString& path);

// What the game record's commands need of the main window.
struct RecordHost {
    // The moves of the game's history, including those taken back and not yet replaced, and how
    // many of them make the position on the board.
    std::function<std::vector<Square>()> moves;
    std::function<int()> movesOnBoard;
    // Undo or redo to the position after `movesMade` moves.
    std::function<void(int movesMade)> stepTo;
    std::function<bool()> autoplaying;
    // Replays the record as a new game, quietly, and takes up its players and level. Called
    // only when no move is in progress.
    std::function<ReplayOutcome(const GameRecord&)> replay;
    // "Marvane 1.4.0.0", for the files' Program line.
    std::function<QString()> program;
};

// The Game menu's record commands: Move List, Copy Moves, Paste Moves, Save Game..., Open
// Game.... Each runs when no move is being worked out, so no dialog opens inside a move. The
// move list window is built the first time it is opened.
class RecordCommands : public QObject {
    Q_OBJECT

public:
    RecordCommands(QWidget* window, Game& game, RecordHost host);

    // In menu order; the window puts them in its Game menu and on itself, so their keys work
    // while the menu bar is hidden.
    QList<QAction*> actions() const;

    void openMoveList();
    void copyMoves();
    void pasteMoves();
    void saveGame();
    void openGame();
    // Saves to, or opens, the named file without asking for one; false when it failed (and
    // said so).
    bool saveGameTo(const QString& path);
    bool openGameFrom(const QString& path);
    // Replays a transcript given as text (what Paste Moves does with the clipboard's).
    bool pasteText(const QString& text);

    // The game has changed: the list, when it is open, shows it once events are next processed.
    void gameChanged();
    MoveList* moveList() const { return list_; }

    // The record of the game as it stands on the board.
    GameRecord currentRecord() const;

private:
    QAction* addAction(const QString& name, const QString& caption, const QKeySequence& keys,
                       void (RecordCommands::*command)());
    void showList();
    bool replayRecord(const GameRecord& record, const QString& what);
    void refuse(const QString& what, const QString& reason);

    QWidget* window_;
    Game& game_;
    RecordHost host_;
    QList<QAction*> actions_;
    QPointer<MoveList> list_;
    QTimer* refresh_;
    QString folder_;  // where the last game was saved or opened
};

}  // namespace marvane
