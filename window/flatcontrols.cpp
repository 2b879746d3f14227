// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/flatcontrols.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace marvane {

namespace {

const QColor kLight(0xff, 0xff, 0xff);
const QColor kShadow(0x80, 0x80, 0x80);
constexpr int kSunkenEdgeWidth = 2;

// A bevel `width` pixels wide just inside `area`: `topLeft` along the top and left edges,
// `bottomRight` along the others.
void drawBevel(QPainter& painter, const QRect& area, int width, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The outer edges of the area; QRect's right() and bottom() are its last pixels.
    const qreal left = area.x(), top = area.y();
    const qreal right = left + area.width(), bottom = top + area.height();
    const qreal w = width;
    // Dark side first, light side over it: at the corners where the colours meet, a one-pixel
    // edge gives the whole corner pixel to the top or left edge; a wider one is mitred.
    const qreal cut = width == 1 ? 0 : w;
    painter.setBrush(bottomRight);
    painter.drawConvexPolygon(
        QPolygonF{{left + cut, bottom - w}, {left, bottom}, {right, bottom}, {right, bottom - w}});
    painter.drawConvexPolygon(
        QPolygonF{{right - w, top + cut}, {right - w, bottom}, {right, bottom}, {right, top}});
    painter.setBrush(topLeft);
    painter.drawConvexPolygon(
        QPolygonF{{left, top}, {left, bottom}, {left + w, bottom - cut}, {left + w, top}});
    painter.drawConvexPolygon(
        QPolygonF{{left, top}, {left, top + w}, {right - cut, top + w}, {right, top}});
    painter.restore();
}

}  // namespace

FlatButton::FlatButton(QWidget* parent) : QToolButton(parent) {}

void FlatButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (option.state & QStyle::State_Sunken)
        drawBevel(painter, rect(), 1, kShadow, kLight);
    else if (option.state & QStyle::State_MouseOver)
        drawBevel(painter, rect(), 1, kLight, kShadow);
    // The caption and picture keep to the area inside the edge, drawn or not.
    option.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawControl(QStyle::CE_ToolButtonLabel, option);
}

FlatBox::FlatBox(const QString& text, bool sunkenEdge, QWidget* parent)
    : QLineEdit(text, parent), sunkenEdge_(sunkenEdge) {
    setFrame(false);
    if (sunkenEdge_)
        setTextMargins(kSunkenEdgeWidth + 1, kSunkenEdgeWidth, kSunkenEdgeWidth + 1,
                       kSunkenEdgeWidth);
}

void FlatBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!sunkenEdge_) return;
    QPainter painter(this);
    drawBevel(painter, rect(), kSunkenEdgeWidth, kShadow, kLight);
}

}  // namespace marvane
