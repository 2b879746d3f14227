#include "boardimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace marvane {

BoardImage::BoardImage(QWidget* parent) : QWidget(parent) {
    setObjectName("Image3");
    setFixedSize(BoardPicture::kImageAreaSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardImage::drawCounter(int row, int column, ColourCode colour) {
    picture_.drawCounter(row, column, colour);
    update(BoardPicture::counterBox(row, column).translated(BoardPicture::kPictureOffset));
}

void BoardImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    painter.drawImage(BoardPicture::kPictureOffset, picture_.image());
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (onPress) onPress(at.x(), at.y());
}

}  // namespace marvane
