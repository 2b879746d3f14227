// The evaluation over a reviewed game, as a small graph under the move list.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <optional>
#include <vector>

namespace marvane {

// Points: the score of the position before the first move and after each move, for the side
// that moved first (above the middle line it leads), or nothing for a move not reviewed yet. An
// estimate is drawn hollow, an exact score filled. The position on the board is marked by a
// vertical line; a click anywhere asks for the position nearest to it.
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
    int pointCount() const { return static_cast<int>(points_.size()); }
    // The position (moves made) whose point is nearest to x.
    int movesMadeAt(int x) const;
    QSize sizeHint() const override { return {240, 90}; }

signals:
    void stepRequested(int movesMade);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double xOf(int movesMade) const;
    double yOf(int score) const;
    int scale() const;

    std::vector<std::optional<Point>> points_;
    int current_ = 0;
};

}  // namespace marvane
