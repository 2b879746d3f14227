// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation over a reviewed game, as a small graph under the move list.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <optional>
#include <vector>

namespace marvane {

// Points: the score of the position before the first move and after each move, in discs for
// the side that moved first (above the line at 0 it leads), or nothing for a move not reviewed
// yet. An estimate is drawn hollow, an exact score filled.
//
// Around the plot: the scale in discs with a few labelled ticks on the left, which side leads
// above and below the line at 0, move numbers along the bottom, and one line under it all that
// tells the dots apart. The point of the position on the board is ringed, on a vertical line,
// and read out above the plot ("move 12: +4 for White"). A click anywhere asks for the position
// nearest to it. Screen readers read the graph as a list of those readings, one per point.
class ReviewGraph : public QWidget {
    Q_OBJECT

public:
    // The catalogues keep this class's texts under a context of their own, which a rename of
    // the class leaves as it is: its texts are translated as Texts::tr.
    struct Texts {
        Q_DECLARE_TR_FUNCTIONS(ReviewGraph)
    };

    struct Point {
        int score = 0;
        bool exact = false;
    };

    explicit ReviewGraph(QWidget* parent = nullptr);

    void setPoints(std::vector<std::optional<Point>> points, int current);
    // The colours of the side that moved first and of the other, as the player reads them, and
    // the number of the first move (a game from a position starts later).
    void setSides(const QString& first, const QString& second, int firstNumber = 1);
    int pointCount() const { return static_cast<int>(points_.size()); }
    int current() const { return current_; }
    // What point `movesMade` says: "move 12: +4 for White", "about" for an estimate, "even",
    // or that the move is not reviewed yet; the point before the first move is the start.
    QString pointText(int movesMade) const;
    // The position (moves made) whose point is nearest to x, and the x of a position's point.
    int movesMadeAt(int x) const;
    int pointX(int movesMade) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void stepRequested(int movesMade);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Where the points are drawn, inside the labels.
    QRectF plot() const;
    double xOf(int movesMade) const;
    double yOf(int score) const;
    int scale() const;
    void paintScale(QPainter& painter, const QRectF& area) const;
    void paintMoveNumbers(QPainter& painter, const QRectF& area) const;
    void paintLegend(QPainter& painter) const;
    void paintPoints(QPainter& painter) const;

    std::vector<std::optional<Point>> points_;
    int current_ = 0;
    QString first_, second_;
    int firstNumber_ = 1;
};

// Lets assistive technology read the graph as a list of its points' readings.
void installReviewGraphAccessibility();

}  // namespace marvane
