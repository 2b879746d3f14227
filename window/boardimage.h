// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "window/art/boardpicture.h"

namespace marvane {

// `Image3`: shows the board picture unscaled, centred in its 417 x 433 area, and reports the
// square a player picks. A mouse press (of any button) picks the square the hit test finds at
// its position; a press between squares picks nothing.
//
// It can also be played from the keyboard: it holds a focus square, drawn over the picture while
// the board has the keyboard focus and is being played from the keyboard; arrows, Home and End
// move it, a letter a-h and a digit 1-8 jump to a column and row, and Space or Enter pick it.
//
// Marks for the last move and the squares where the side to play may move are drawn over the
// picture as well, never into it, so with no marks the board looks exactly as designed.
class BoardImage : public QWidget {
    Q_OBJECT

public:
    explicit BoardImage(QWidget* parent = nullptr);

    BoardPicture& picture() { return *picture_; }
    const BoardPicture& picture() const { return *picture_; }

    // Paints a counter into the picture and schedules the repaint of that square.
    void drawCounter(int row, int column, ColourCode colour);
    // What the picture shows on a square, for assistive technology.
    ColourCode shownColour(int row, int column) const { return shown_[row - 1][column - 1]; }

    int focusRow() const { return focusRow_; }
    int focusColumn() const { return focusColumn_; }
    void setFocusSquare(int row, int column);

    // The board's keys move and pick nothing while `busy` answers true (a move is being worked
    // out): such a key is dropped, not kept for after the move.
    void ignoreKeysWhile(std::function<bool()> busy) { busy_ = std::move(busy); }

    // The marks to draw: a dot on the counter placed last, a ring on each square where the side
    // to play may place a counter. Only the squares whose marks change are repainted.
    struct Marks {
        std::optional<Square> lastMove;
        std::vector<Square> legalMoves;
        bool operator==(const Marks&) const = default;
    };
    void setMarks(Marks marks);
    const Marks& marks() const { return marks_; }
    bool isLastMove(int row, int column) const;
    bool isLegalMove(int row, int column) const;
    // Palette colours that stand out on every counter colour and on the blue faces.
    static constexpr QRgb kLastMoveColour = qRgb(255, 0, 255);
    static constexpr QRgb kLegalMoveColour = qRgb(0, 255, 255);
    // Where the marks are drawn, in the widget's pixels.
    static QRect lastMoveRect(int row, int column);
    static QRect legalMoveRect(int row, int column);

    // What the analysis says of the position, drawn over the picture like the marks: a frame
    // inside the face of the best square for the side to play (the hint), and on the squares
    // scored a small number, the final counter difference the side to play may expect there.
    // Exact scores (what perfect play gives) are white, estimates light grey and marked "≈",
    // both bold on a black strip.
    struct Evaluation {
        Square square;
        int score = 0;
        bool exact = false;
        bool operator==(const Evaluation&) const = default;
    };
    struct AnalysisMarks {
        std::optional<Evaluation> hint;
        std::vector<Evaluation> scores;
        bool operator==(const AnalysisMarks&) const = default;
    };
    void setAnalysisMarks(AnalysisMarks marks);
    const AnalysisMarks& analysisMarks() const { return analysis_; }
    bool isHint(int row, int column) const;
    // The score known for the square (shown, or the hint's), if any.
    std::optional<Evaluation> evaluationAt(int row, int column) const;
    // "+4", "-2", "0".
    static QString scoreText(int score);
    static constexpr QRgb kHintColour = qRgb(255, 160, 0);
    static QRect hintRect(int row, int column);
    static QRect scoreRect(int row, int column);
    static constexpr QRgb kScoreStripColour = qRgb(0, 0, 0);

signals:
    // A square picked by the mouse or from the keyboard; rows and columns are 1..8.
    void squarePressed(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect focusRect() const;
    void paintMarks(QPainter& painter) const;
    void paintAnalysisMarks(QPainter& painter) const;
    void rebuildPicture(qreal devicePixelRatio);
    void drawPicture(QPainter& painter, const QRect& exposed) const;
    void setFocusSquareShown(bool shown);

    std::unique_ptr<BoardPicture> picture_;
    std::array<std::array<ColourCode, 8>, 8> shown_{};
    int focusRow_ = 4;
    int focusColumn_ = 4;
    int typedColumn_ = 0;  // a letter a-h typed, waiting for its row digit
    // Like a desktop focus ring: drawn once the board is played from the keyboard (or reached
    // with Tab), and not for someone who plays with the mouse.
    bool focusSquareShown_ = false;
    Marks marks_;
    AnalysisMarks analysis_;
    std::function<bool()> busy_;
};

}  // namespace marvane
