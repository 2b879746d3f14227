// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "engine/game.h"
#include "engine/transcript.h"
#include "window/movelist.h"

class QAction;
class QTimer;
class QWidget;

namespace marvane {

class GameReview;

// A game file read: its record, or why it was refused, in the player's language.
struct GameFileReading {
    GameRecord record;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads a game file as readRecord() reads text; a file that is not a regular file, or is over
// kMaxRecordBytes, is refused without reading it.
GameFileReading readGameFile(const QString& path);

// The move list's last row for a game that has ended: "finish" or "End" (the board full or a
// side without a legal square), the counters of the first colour and the second, and the result
// line as the window shows it.
QString endRowText(bool finished, int first, int second, const QString& result);

// The Game menu's record commands: Move List, Copy Moves, Copy Moves for Other Programs, Paste
// Moves, Copy Position, Paste Position, Save Game..., Open Game.... Each runs when no move is being
// worked out, so no dialog opens inside a move; Paste and Open are off while Autoplay runs, as the
// game refuses a replay then. They read the game and its history directly. The move list window is
// built the first time it is opened.
class RecordCommands : public QObject {
    Q_OBJECT

public:
    // The catalogues keep this class's texts under a context of their own, which a rename of
    // the class leaves as it is: its texts are translated as Texts::tr.
    struct Texts {
        Q_DECLARE_TR_FUNCTIONS(RecordCommands)
    };

    // `program` names the program and its version for a file's Program line.
    RecordCommands(QWidget* window, Game& game, std::function<QString()> program);

    // In menu order; the window puts them in its Game menu and on itself, so their keys work
    // while the menu bar is hidden.
    QList<QAction*> actions() const;

    void openMoveList();
    // Opens the move list and reviews the game there.
    void reviewGame();
    void copyMoves();
    // The moves in the usual orientation, the one other Reversi programs read.
    void copyMovesForOthers();
    void pasteMoves();
    // The position on the board in the one-line form (position_form.h), and a new two-player
    // game from the clipboard's.
    void copyPosition();
    void pastePosition();
    void saveGame();
    void openGame();
    // Saves to, or opens, the named file without asking for one; false when it failed (and
    // said so).
    bool saveGameTo(const QString& path);
    bool openGameFrom(const QString& path);
    // Replays a transcript given as text (what Paste Moves does with the clipboard's).
    bool pasteText(const QString& text);
    // Starts a game from a position given as text (what Paste Position does with the
    // clipboard's).
    bool pastePositionText(const QString& text);
    // The folder the save dialog opens in: the last one used while it exists, else Documents
    // when it exists, else the home folder.
    QString saveFolder() const;

    // The game has changed: the list, when it is open, shows it once events are next processed,
    // and Paste and Open follow Autoplay.
    void gameChanged();
    MoveList* moveList() const { return list_; }
    // The review the move list shows and runs; Review Game is off until there is one.
    void setReview(GameReview* review);

    // The record of the game as it stands on the board.
    GameRecord currentRecord() const;
    // The named opening the game on the board is in: the longest one its moves have played,
    // while every move still follows a named line; none for a game from another position.
    QString currentOpening() const;

signals:
    // The game has entered another named opening, or left it (an empty name).
    void openingChanged(const QString& name);

private:
    QAction* addAction(const QString& name, const QString& caption, const QKeySequence& keys,
                       void (RecordCommands::*command)());
    void showList();
    void showReview();
    void connectReview();
    // `message`, when given, is what the message box says instead of the start's prompt.
    bool replayRecord(const GameRecord& record, const QString& what,
                      std::optional<Message> message = std::nullopt);
    void refuse(const QString& what, const QString& reason);

    QWidget* window_;
    Game& game_;
    std::function<QString()> program_;
    QList<QAction*> actions_;
    QAction* paste_ = nullptr;
    QAction* open_ = nullptr;
    QAction* review_ = nullptr;
    QPointer<GameReview> gameReview_;
    QAction* pastePosition_ = nullptr;
    QPointer<MoveList> list_;
    // The players' names from the record last opened, kept for the game it started.
    std::string firstPlayer_, secondPlayer_;
    std::uint64_t namedGame_ = 0;
    QTimer* refresh_;
    QString folder_;  // where the last game was saved or opened
    QString opening_;
};

}  // namespace marvane
