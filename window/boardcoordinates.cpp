// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardcoordinates.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "engine/transcript.h"
#include "window/boardimage.h"
#include "window/fonts.h"

namespace marvane {

namespace {

// A strip this tall takes letters as large as the digits beside the board.
constexpr int kRoomyStrip = 16;

// White, like the window's captions, on the black margin.
constexpr QRgb kLabelColour = qRgb(255, 255, 255);

// The tight bounds of `labels` drawn at one baseline.
QRect labelBounds(const QFontMetrics& metrics, QString (*label)(int)) {
    QString all;
    for (int n = 1; n <= 8; ++n) all += label(n);
    return metrics.tightBoundingRect(all);
}

// The largest face of the window's captions whose labels leave a pixel of their strip free
// across it: the letters' height in theirs, the digits' width in the one beside the frame.
QFont fittingFont(int room, QString (*label)(int), bool acrossIsHeight) {
    for (int size = 13; size > 7; --size) {
        QFont font = pixelFont("MS Sans Serif", size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (int n = 1; n <= 8; ++n)
            widest = std::max(widest, metrics.tightBoundingRect(label(n)).width());
        const int across = acrossIsHeight ? labelBounds(metrics, label).height() : widest;
        if (across <= room - 1) return font;
    }
    return pixelFont("MS Sans Serif", 7);
}

}  // namespace

BoardCoordinates::BoardCoordinates(const BoardImage& board)
    : QWidget(board.parentWidget()->parentWidget()), board_(board), frame_(*board.parentWidget()) {
    setObjectName("BoardCoordinates");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    stackUnder(&frame_);
    rowFont_ = fittingFont(frame_.x(), &BoardCoordinates::rowLabel, false);
    // The menu bar and the status bar take their height from the client area, and with it
    // from the room below the board.
    parentWidget()->installEventFilter(this);
    fitToClient();
}

bool BoardCoordinates::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) fitToClient();
    return false;
}

void BoardCoordinates::fitToClient() {
    setGeometry(parentWidget()->rect());
    setMask(QRegion(columnStrip()) + QRegion(rowStrip()));
    columnFont_ = fittingFont(columnStrip().height(), &BoardCoordinates::columnLabel, true);
    update();
}

QString BoardCoordinates::columnLabel(int column) {
    return QString(QLatin1Char(squareName({1, column})[0]));
}

QString BoardCoordinates::rowLabel(int row) {
    return QString(QLatin1Char(squareName({row, 1})[1]));
}

// Below the board while there is room for letters as tall as the digits, else in the narrow
// margin above it.
QRect BoardCoordinates::columnStrip() const {
    const QRect frame = frame_.geometry().translated(-pos());
    const QRect below(frame.left(), frame.bottom() + 1, frame.width(),
                      std::min(height() - frame.bottom() - 1, kRoomyStrip));
    if (below.height() >= kRoomyStrip) return below;
    return QRect(frame.left(), 0, frame.width(), frame.top());
}

QRect BoardCoordinates::rowStrip() const {
    const QRect frame = frame_.geometry().translated(-pos());
    return QRect(0, frame.top(), frame.left(), frame.height());
}

QPoint BoardCoordinates::columnLabelCentre(int column) const {
    const QRect face = BoardPicture::faceRect(1, column).translated(BoardPicture::kPictureOffset);
    const int x = board_.mapTo(parentWidget(), face.center()).x() - pos().x();
    return {x, columnStrip().center().y()};
}

QPoint BoardCoordinates::rowLabelCentre(int row) const {
    const QRect face = BoardPicture::faceRect(row, 1).translated(BoardPicture::kPictureOffset);
    const int y = board_.mapTo(parentWidget(), face.center()).y() - pos().y();
    return {rowStrip().center().x(), y};
}

void BoardCoordinates::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(kLabelColour));
    // One baseline for all the labels of a strip, their tight bounds centred on the strip.
    const auto drawLabels = [&painter](const QFont& font, QString (*label)(int),
                                       const std::function<QPoint(int)>& centre) {
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QRect bounds = labelBounds(metrics, label);
        for (int n = 1; n <= 8; ++n) {
            const QRect ink = metrics.tightBoundingRect(label(n));
            const QPoint at = centre(n);
            painter.drawText(at.x() - ink.width() / 2 - ink.left(),
                             at.y() - bounds.height() / 2 - bounds.top(), label(n));
        }
    };
    drawLabels(columnFont_, &BoardCoordinates::columnLabel,
               [this](int n) { return columnLabelCentre(n); });
    drawLabels(rowFont_, &BoardCoordinates::rowLabel, [this](int n) { return rowLabelCentre(n); });
}

}  // namespace marvane
