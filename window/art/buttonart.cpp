// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/art/buttonart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <algorithm>

namespace marvane {

namespace {

// Pictures are drawn in a 16 x 16 space; lines of odd width sit on pixel centres (n + 0.5) so
// that they stay crisp at the natural size.

QPen outlinePen(const QColor& colour, qreal width = 1.0) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath capsule(QPointF from, QPointF to, qreal width) {
    QPainterPath line(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

void drawHand(QPainter& p) {
    const QColor skin(255, 214, 160);
    const QColor edge(150, 80, 30);
    // Four fingers of a palm held up, and the thumb out to the side.
    const qreal tops[] = {3.0, 1.8, 2.6, 4.6};
    QPainterPath hand;
    for (int i = 0; i < 4; ++i) {
        const qreal x = 5.0 + 2.6 * i;
        hand = hand.united(capsule({x, tops[i] + 1.2}, {x, 9.5}, 2.6));
    }
    QPainterPath palm;
    palm.addRoundedRect(QRectF(3.7, 7.5, 10.6, 7.8), 2.5, 2.5);
    hand = hand.united(palm);
    hand = hand.united(capsule({2.4, 7.2}, {5.0, 12.0}, 2.6));
    hand = hand.simplified();

    p.setPen(outlinePen(edge));
    p.setBrush(skin);
    p.drawPath(hand);
    // The gaps between the fingers, and the crease of the thumb.
    p.setPen(outlinePen(edge, 1.0));
    p.drawLine(QPointF(4.3, 10.4), QPointF(5.2, 12.4));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 6.3 + 2.6 * i;
        p.drawLine(QPointF(x, std::max(tops[i], tops[i + 1]) + 1.6), QPointF(x, 8.6));
    }
}

void drawTick(QPainter& p) {
    QPainterPath tick(QPointF(2.5, 8.5));
    tick.lineTo(6.3, 12.5);
    tick.lineTo(13.8, 3.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 0, 0), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(235, 20, 20), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void drawGrid(QPainter& p) {
    // Black lines on a white card, so the grid also shows on the window's black.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(1, 1, 16, 16), QColor(255, 255, 255));
    for (int line = 1; line <= 16; line += 5) {
        p.fillRect(QRect(line, 1, 1, 16), Qt::black);
        p.fillRect(QRect(1, line, 16, 1), Qt::black);
    }
}

void drawQuestion(QPainter& p) {
    p.setPen(outlinePen(QColor(150, 100, 0)));
    QRadialGradient shine(QPointF(6.0, 5.0), 9.0);
    shine.setColorAt(0.0, QColor(255, 250, 150));
    shine.setColorAt(1.0, QColor(245, 200, 0));
    p.setBrush(shine);
    p.drawEllipse(QRectF(0.5, 0.5, 15.0, 15.0));

    QPainterPath mark(QPointF(5.4, 6.0));
    mark.cubicTo(5.2, 2.6, 10.8, 2.6, 10.6, 5.6);
    mark.cubicTo(10.5, 7.4, 8.0, 7.6, 8.0, 9.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(8.0, 12.2), 1.25, 1.25);
}

void drawKey(QPainter& p) {
    const QColor gold(255, 215, 0);
    const QColor edge(140, 95, 0);
    // A round bow on the left, a shaft to the right, two teeth hanging from its end.
    QPainterPath bow;
    bow.addEllipse(QPointF(4.5, 8.0), 4.0, 4.0);
    QPainterPath key = bow;
    key.addRect(QRectF(7.5, 6.5, 8.0, 3.0));
    key.addRect(QRectF(11.0, 9.0, 1.8, 3.0));
    key.addRect(QRectF(13.7, 9.0, 1.8, 4.0));
    key = key.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(3.6, 8.0), 1.5, 1.5);
    key = key.subtracted(hole);

    p.setPen(outlinePen(edge));
    p.setBrush(gold);
    p.drawPath(key);
    // A glint along the shaft.
    p.setPen(outlinePen(QColor(255, 250, 200), 0.8));
    p.drawLine(QPointF(8.8, 7.5), QPointF(14.4, 7.5));
}

void drawBook(QPainter& p) {
    const QColor cover(30, 90, 200);
    const QColor coverEdge(10, 40, 110);
    const QColor page(255, 255, 255);
    const QColor pageEdge(90, 90, 90);
    // The cover shows below and beside the pages; the pages dip towards the spine.
    QPolygonF back{{0.5, 4.5}, {8.0, 6.0}, {15.5, 4.5}, {15.5, 14.0}, {8.0, 15.5}, {0.5, 14.0}};
    p.setPen(outlinePen(coverEdge));
    p.setBrush(cover);
    p.drawPolygon(back);

    QPainterPath left(QPointF(8.0, 4.0));
    left.cubicTo(6.0, 2.2, 3.5, 2.0, 1.5, 2.8);
    left.lineTo(1.5, 12.5);
    left.cubicTo(3.5, 11.8, 6.0, 12.0, 8.0, 13.6);
    left.closeSubpath();
    QPainterPath right(QPointF(8.0, 4.0));
    right.cubicTo(10.0, 2.2, 12.5, 2.0, 14.5, 2.8);
    right.lineTo(14.5, 12.5);
    right.cubicTo(12.5, 11.8, 10.0, 12.0, 8.0, 13.6);
    right.closeSubpath();
    p.setPen(outlinePen(pageEdge));
    p.setBrush(page);
    p.drawPath(left);
    p.drawPath(right);

    // Lines of text on both pages.
    p.setPen(QPen(QColor(140, 140, 140), 0.8));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5.6 + 2.2 * i;
        p.drawLine(QPointF(3.0, y - 0.4), QPointF(6.6, y + 0.3));
        p.drawLine(QPointF(9.4, y + 0.3), QPointF(13.0, y - 0.4));
    }
}

// A figure in mid-stride, feet on the baseline at y 15, facing right.
void drawWalker(QPainter& p, qreal x, const QColor& colour, qreal scale = 1.0) {
    auto at = [&](qreal dx, qreal dy) { return QPointF(x + dx * scale, 15.0 - dy * scale); };
    QPen limb(colour, 1.8 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(limb);
    p.setBrush(Qt::NoBrush);
    const QPointF hip = at(0.0, 6.0);
    const QPointF shoulder = at(0.6, 10.0);
    p.drawLine(hip, shoulder);
    p.drawPolyline(QPolygonF{hip, at(1.6, 3.2), at(3.0, 0.8)});    // front leg
    p.drawPolyline(QPolygonF{hip, at(-1.2, 3.0), at(-2.8, 1.0)});  // back leg
    p.drawPolyline(QPolygonF{at(0.5, 9.4), at(2.2, 7.6), at(3.2, 6.2)});
    p.drawPolyline(QPolygonF{at(0.5, 9.4), at(-1.2, 7.8), at(-2.0, 6.0)});
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at(1.0, 12.4), 1.9 * scale, 1.9 * scale);
}

void drawPlayers(QPainter& p) {
    drawWalker(p, 4.6, QColor(80, 170, 255), 0.92);
    drawWalker(p, 10.8, QColor(255, 200, 40));
}

void drawOnePlayer(QPainter& p) { drawWalker(p, 7.6, QColor(255, 200, 40)); }

void drawPicture(QPainter& p, ButtonPicture picture) {
    switch (picture) {
        case ButtonPicture::Quit:
            return drawHand(p);
        case ButtonPicture::Finish:
            return drawTick(p);
        case ButtonPicture::Restart:
            return drawGrid(p);
        case ButtonPicture::Rules:
            return drawQuestion(p);
        case ButtonPicture::Options:
            return drawKey(p);
        case ButtonPicture::Level:
            return drawBook(p);
        case ButtonPicture::Players:
            return drawPlayers(p);
        case ButtonPicture::OnePlayer:
            return drawOnePlayer(p);
    }
}

// The disabled look: a dim grey version of the picture, at half strength over any background.
QImage greyed(const QImage& image) {
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = line[x];
            const int level = 80 + qGray(c) * 80 / 255;
            line[x] = qRgba(level, level, level, qAlpha(c) / 2);
        }
    }
    return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

int glyphCount(ButtonPicture picture) { return picture == ButtonPicture::Restart ? 1 : 2; }

QImage buttonStrip(ButtonPicture picture, qreal devicePixelRatio) {
    const int side = picture == ButtonPicture::Restart ? kRestartPictureSize : kGlyphSize;
    const int glyphs = glyphCount(picture);
    const int deviceSide = qRound(side * devicePixelRatio);

    QImage glyph(deviceSide, deviceSide, QImage::Format_ARGB32_Premultiplied);
    glyph.setDevicePixelRatio(devicePixelRatio);
    glyph.fill(Qt::transparent);
    {
        QPainter p(&glyph);
        p.setRenderHint(QPainter::Antialiasing);
        drawPicture(p, picture);
    }
    if (glyphs == 1) return glyph;

    QImage strip(deviceSide * 2, deviceSide, QImage::Format_ARGB32_Premultiplied);
    strip.setDevicePixelRatio(devicePixelRatio);
    strip.fill(Qt::transparent);
    {
        QPainter p(&strip);
        p.drawImage(QPointF(0, 0), glyph);
        p.drawImage(QPointF(side, 0), greyed(glyph));
    }
    return strip;
}

QIcon iconFromStrip(const QImage& strip, int glyphs) {
    QIcon icon;
    if (strip.isNull()) return icon;
    glyphs = std::clamp(glyphs, 1, strip.width());
    QImage source = strip;
    if (!source.hasAlphaChannel()) {
        // Glyph bitmaps have no alpha: the colour of the bottom-left pixel stands for transparent.
        const QRgb key = source.pixel(0, source.height() - 1);
        source = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < source.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                if ((line[x] & RGB_MASK) == (key & RGB_MASK)) line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    const int width = source.width() / glyphs;
    icon.addPixmap(QPixmap::fromImage(source.copy(0, 0, width, source.height())), QIcon::Normal);
    if (glyphs >= 2) {
        icon.addPixmap(QPixmap::fromImage(source.copy(width, 0, width, source.height())),
                       QIcon::Disabled);
    }
    return icon;
}

QIcon buttonIcon(ButtonPicture picture, qreal devicePixelRatio) {
    return iconFromStrip(buttonStrip(picture, devicePixelRatio), glyphCount(picture));
}

}  // namespace marvane
