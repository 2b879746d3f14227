// SPDX-License-Identifier: GPL-3.0-or-later
// Game ▸ Show Coordinates: the column letters and row digits beside the board.
#pragma once

#include <QFont>
#include <QWidget>

namespace marvane {

class BoardImage;

// The letters a-h below the board's frame, each under its column (above the frame, smaller, when
// the menu and status bars leave no room below), and the digits 1-8 left of it, each beside its
// row, in the black margins of the window's client area: they never cover a counter or a mark,
// and read the same on every colour scheme. They name the squares as
// transcripts and the move list do. Built hidden, on the board's frame's parent and under the
// frame, only when first asked for, so the window at rest is as designed.
class BoardCoordinates : public QWidget {
    Q_OBJECT

public:
    explicit BoardCoordinates(const BoardImage& board);

    // The labels, as transcripts name the columns (a-h) and rows (1-8).
    static QString columnLabel(int column);
    static QString rowLabel(int row);
    // The middle of each column's and each row's label, in this widget's pixels.
    QPoint columnLabelCentre(int column) const;
    QPoint rowLabelCentre(int row) const;
    // The strips they are drawn in: below (or above) the frame and left of it.
    QRect columnStrip() const;
    QRect rowStrip() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToClient();

    const BoardImage& board_;
    QWidget& frame_;
    QFont columnFont_, rowFont_;
};

}  // namespace marvane
