// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QWidget>
#include <span>
#include <vector>

#include "engine/transcript.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace marvane {

class ReviewGraph;

// The moves of the game in a small window of its own: a "Start" row, then one row per move
// ("12. Black c4"), the current position selected. Moves after the current position (taken back
// and not yet played again) stay listed, dimmed, until a move played from an earlier position
// replaces them. Clicking a row, or Up, Down, Home and End in the list, asks to step the board
// to the position after that move; the owner does the stepping and then shows the result here.
//
// Under the list, "Review Game" asks the owner for a review; the owner shows what each move gave
// away beside it (the worst mistakes in bold), the review's progress, and the evaluation over the
// game in a graph, where a click asks for a step as a row does.
//
// The window grows by the graph's height when the graph first shows. The row selected is kept
// whole in view whenever the list's room changes (the review's lines
// and graph appear under it, a scroll bar comes or goes). A named opening's name is shown under
// the move that reached it, on a line of that move's row.
// What the list shows of a game: its start, its moves, and its end when it has ended.
struct MoveListContent {
    std::span<const Square> moves;
    int current = 0;     // how many of the moves make the position on the board
    QString firstMover;  // the colour that plays the first move listed, and the other one
    QString secondMover;
    int firstNumber = 1;  // the number of the first move listed (a game from a position)
    QString start;       // the first row's text, when not "Start"
    QString end;         // the result row ("finish" or the result), empty while the game goes on
    bool atEnd = false;  // the board shows the end, not just the last move
    QString opening;      // the name of the longest named opening the moves play, if any
    int openingMove = 0;  // the move that reached it (1: the first move listed)
};

class MoveList : public QWidget {
    Q_OBJECT

public:
    // The catalogues keep this class's texts under a context of their own, which a rename of
    // the class leaves as it is: its texts are translated as Texts::tr.
    struct Texts {
        Q_DECLARE_TR_FUNCTIONS(MoveList)
    };

    // The size the window opens at; it grows only where a text needs more room.
    static constexpr QSize kDefaultSize{210, 420};

    explicit MoveList(QWidget* owner);

    // The text of a move's row: its number, the colour that played it, its square, and the
    // review's note when there is one.
    static QString moveRow(int number, const QString& mover, Square square,
                           const QString& note = {});
    // Widens the window where one of these rows, the widest the list may come to show, would not
    // fit the list at its width; never beyond half the screen.
    void makeRoomFor(const QStringList& rows);

    // Shows the content; the result row, when there is one, follows the last move and steps to
    // the same position as it.
    void setContent(const MoveListContent& content);

    // Shows `moves`, of which the first `current` make the position on the board. The first
    // move is the first colour's; the sides alternate, as the game has no passing.
    void setMoves(std::span<const Square> moves, int current, const QString& firstColour,
                  const QString& secondColour) {
        MoveListContent content;
        content.moves = moves;
        content.current = current;
        content.firstMover = firstColour;
        content.secondMover = secondColour;
        setContent(content);
    }
    // While stepping is off (Autoplay runs), the list follows the game but asks for nothing.
    void setSteppingEnabled(bool enabled);
    // Beside move i (0 is the first move listed) `notes[i]`; the moves listed in `worst` stand
    // out.
    void setNotes(std::vector<QString> notes, std::vector<int> worst);
    // The line under the list (none when empty), and whether a review is running (the button then
    // stops it).
    void setReviewState(const QString& summary, bool running);
    ReviewGraph* graph() const { return graph_; }

    int rowCount() const;
    QString rowText(int row) const;  // row 0 is "Start"
    int current() const { return current_; }
    bool steppingEnabled() const { return stepping_; }
    QListWidget* list() const { return list_; }

    // Places the window beside `mainWindow`'s right edge, or its left one when the screen has
    // no room on the right.
    void placeBeside(const QWidget* mainWindow);

signals:
    // The position after move `movesMade` (0: the start) was chosen.
    void stepRequested(int movesMade);
    void reviewRequested();
    void stopReviewRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rowChosen(int row);
    void showCurrent();
    void showRows();
    void keepCurrentInView();
    void makeRoomForGraph();

    QListWidget* list_;
    QLabel* note_;
    QPushButton* review_;
    QLabel* reviewState_;
    ReviewGraph* graph_;
    MoveListContent content_;  // what is shown; its moves are moves_
    std::vector<Square> moves_;
    std::vector<QString> notes_;
    std::vector<int> worst_;
    bool reviewing_ = false;
    int current_ = 0;   // the row selected
    int moveRows_ = 0;  // the start row and the moves' rows, without the result row
    bool stepping_ = true;
    bool updating_ = false;
};

}  // namespace marvane
