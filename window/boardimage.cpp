// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardimage.h"

#include <QColor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <iterator>

#include "window/boardaccessible.h"

namespace marvane {

BoardImage::BoardImage(QWidget* parent)
    : QWidget(parent), picture_(std::make_unique<BoardPicture>(devicePixelRatioF())) {
    // Before anything can ask for the board's accessible interface, which is then cached.
    installBoardAccessibility();
    setObjectName("Image3");
    setFixedSize(BoardPicture::kImageAreaSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Board");
    setAccessibleDescription("The eight by eight board");
}

void BoardImage::drawCounter(int row, int column, ColourCode colour) {
    picture_->drawCounter(row, column, colour);
    shown_[row - 1][column - 1] = colour;
    update(BoardPicture::counterBox(row, column).translated(BoardPicture::kPictureOffset));
    notifySquareChanged(this, row, column);
}

// The picture is the position, painted counter by counter; only a change of screen resolution
// paints it afresh, from what it showed.
void BoardImage::rebuildPicture(qreal devicePixelRatio) {
    picture_ = std::make_unique<BoardPicture>(devicePixelRatio);
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column)
            if (shown_[row - 1][column - 1] != 0)
                picture_->drawCounter(row, column, shown_[row - 1][column - 1]);
    update();
}

QRect BoardImage::focusRect() const {
    return BoardPicture::faceRect(focusRow_, focusColumn_)
        .adjusted(-2, -2, 2, 2)
        .translated(BoardPicture::kPictureOffset);
}

void BoardImage::setFocusSquare(int row, int column) {
    row = std::clamp(row, 1, 8);
    column = std::clamp(column, 1, 8);
    if (row == focusRow_ && column == focusColumn_) return;
    const QRect before = focusRect();
    focusRow_ = row;
    focusColumn_ = column;
    update(before.adjusted(-2, -2, 2, 2));
    update(focusRect().adjusted(-2, -2, 2, 2));
    notifyFocusSquare(this, row, column);
}

bool BoardImage::isLastMove(int row, int column) const {
    return marks_.lastMove == Square{row, column};
}

bool BoardImage::isLegalMove(int row, int column) const {
    const auto& legal = marks_.legalMoves;
    return std::find(legal.begin(), legal.end(), Square{row, column}) != legal.end();
}

// A dot 10 pixels across in the middle of the counter.
QRect BoardImage::lastMoveRect(int row, int column) {
    return BoardPicture::counterBox(row, column)
        .adjusted(10, 10, -10, -10)
        .translated(BoardPicture::kPictureOffset);
}

// A ring 14 pixels across in the middle of the face, well inside where a counter would go.
QRect BoardImage::legalMoveRect(int row, int column) {
    return BoardPicture::counterBox(row, column)
        .adjusted(8, 8, -8, -8)
        .translated(BoardPicture::kPictureOffset);
}

void BoardImage::setMarks(Marks marks) {
    if (marks == marks_) return;
    std::vector<Square> changed;
    for (const Marks* m : {&marks_, &marks}) {
        if (m->lastMove) changed.push_back(*m->lastMove);
        changed.insert(changed.end(), m->legalMoves.begin(), m->legalMoves.end());
    }
    marks_ = std::move(marks);
    for (const Square& square : changed) {
        update(BoardPicture::counterBox(square.row, square.column)
                   .translated(BoardPicture::kPictureOffset));
        notifySquareChanged(this, square.row, square.column);
    }
}

void BoardImage::paintMarks(QPainter& painter) const {
    if (marks_.lastMove) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(kLastMoveColour));
        painter.drawEllipse(lastMoveRect(marks_.lastMove->row, marks_.lastMove->column));
    }
    painter.setPen(QPen(QColor(kLegalMoveColour), 2));
    painter.setBrush(Qt::NoBrush);
    for (const Square& square : marks_.legalMoves)
        painter.drawEllipse(legalMoveRect(square.row, square.column));
}

void BoardImage::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another resolution: paint the picture afresh at the new one.
    if (!qFuzzyCompare(picture_->image().devicePixelRatio(), devicePixelRatioF())) {
        rebuildPicture(devicePixelRatioF());
        return;
    }
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    drawPicture(painter, event->rect());
    paintMarks(painter);
    paintAnalysisMarks(painter);
    if (hasFocus() && focusSquareShown_) {
        // Over the picture, never into it: the picture stays the position.
        QPen pen(QColor(255, 255, 0), 2, Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focusRect());
    }
}

// The picture keeps the board in its sixteen colours, a quarter of the memory of the window's
// format. Drawn as it is, Qt turns it into the window's format through its generic per-pixel
// path, and hands a fill of 96 rows or more to a pool of worker threads (two threads started
// during the first paint, each with its stack and malloc arena). So the rows a repaint needs
// are looked up in the colour table here, 64 at a time, and copied to the window as they are.
void BoardImage::drawPicture(QPainter& painter, const QRect& exposed) const {
    const QImage& image = picture_->image();
    constexpr QPoint offset = BoardPicture::kPictureOffset;
    if (image.devicePixelRatio() != 1.0) {
        painter.drawImage(offset, image);
        return;
    }
    const QRect rows = exposed.translated(-offset) & image.rect();
    if (rows.isEmpty()) return;
    std::array<QRgb, 256> colours;
    colours.fill(qRgb(0, 0, 0));
    const QList<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < std::min<qsizetype>(table.size(), 256); ++i)
        colours[i] = table[i] | 0xFF000000;
    constexpr int kBand = 64;
    QImage band(rows.width(), std::min(kBand, rows.height()), QImage::Format_RGB32);
    for (int top = rows.top(); top <= rows.bottom(); top += kBand) {
        const int height = std::min(kBand, rows.bottom() + 1 - top);
        for (int y = 0; y < height; ++y) {
            const uchar* from = image.constScanLine(top + y) + rows.left();
            auto* to = reinterpret_cast<QRgb*>(band.scanLine(y));
            for (int x = 0; x < rows.width(); ++x) to[x] = colours[from[x]];
        }
        painter.drawImage(QPoint(rows.left(), top) + offset, band, {0, 0, rows.width(), height});
    }
}

void BoardImage::setFocusSquareShown(bool shown) {
    if (shown == focusSquareShown_) return;
    focusSquareShown_ = shown;
    update(focusRect().adjusted(-2, -2, 2, 2));
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The square follows the mouse unseen, so that a key pressed later starts from there.
    setFocusSquareShown(false);
    if (const auto square = BoardPicture::squareFromPoint(at.x(), at.y())) {
        setFocusSquare(square->first, square->second);
        emit squarePressed(square->first, square->second);
    }
}

void BoardImage::keyPressEvent(QKeyEvent* event) {
    if (busy_ && busy_()) return;
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_H && !(event->modifiers() & Qt::ControlModifier)) {
        typedColumn_ = key - Qt::Key_A + 1;
        setFocusSquareShown(true);
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_8 && typedColumn_ != 0) {
        setFocusSquare(key - Qt::Key_1 + 1, typedColumn_);
        typedColumn_ = 0;
        return;
    }
    typedColumn_ = 0;
    static constexpr int kBoardKeys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,
                                         Qt::Key_Down,  Qt::Key_Home,   Qt::Key_End,
                                         Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
    if (std::find(std::begin(kBoardKeys), std::end(kBoardKeys), key) == std::end(kBoardKeys)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Shown before a key plays the square, so it is there while the move is worked out.
    setFocusSquareShown(true);
    switch (key) {
        case Qt::Key_Left: setFocusSquare(focusRow_, focusColumn_ - 1); break;
        case Qt::Key_Right: setFocusSquare(focusRow_, focusColumn_ + 1); break;
        case Qt::Key_Up: setFocusSquare(focusRow_ - 1, focusColumn_); break;
        case Qt::Key_Down: setFocusSquare(focusRow_ + 1, focusColumn_); break;
        case Qt::Key_Home: setFocusSquare(focusRow_, 1); break;
        case Qt::Key_End: setFocusSquare(focusRow_, 8); break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: emit squarePressed(focusRow_, focusColumn_); break;
        default: break;
    }
}

void BoardImage::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        setFocusSquareShown(true);
    else if (event->reason() == Qt::MouseFocusReason)
        setFocusSquareShown(false);
    update(focusRect().adjusted(-2, -2, 2, 2));
}

void BoardImage::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    typedColumn_ = 0;
    update(focusRect().adjusted(-2, -2, 2, 2));
}

}  // namespace marvane
