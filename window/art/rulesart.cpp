// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/art/rulesart.h"

#include <QPainter>
#include <QPolygonF>
#include <array>

namespace marvane {

namespace {

enum Tone { Cream, Tan, Brown, White, Glow };

QColor toneColour(Tone tone) {
    switch (tone) {
        case Cream:
            return QColor(250, 240, 208);
        case Tan:
            return QColor(214, 184, 140);
        case Brown:
            return QColor(128, 82, 40);
        case White:
            return QColor(255, 255, 255);
        case Glow:
            return QColor(255, 255, 255, 128);  // white at half strength
    }
    return {};
}

struct Shape {
    Tone tone;
    QPolygonF points;
};

// Drawn in order, in the 297 x 440 design space: a sheet with rolled ends top and bottom.
// The text sits between y 50 and 390, so everything dark keeps to the rolls and the margins.
const std::array<Shape, 24>& shapes() {
    static const std::array<Shape, 24> all = {{
        // The backing and the sheet with its ragged, darkened rim.
        {Brown, {{0, 0}, {297, 0}, {297, 440}, {0, 440}}},
        {Tan,
         {{3, 30},
          {40, 34},
          {110, 31},
          {190, 35},
          {260, 32},
          {294, 30},
          {292, 120},
          {295, 220},
          {291, 320},
          {294, 410},
          {250, 407},
          {160, 410},
          {80, 406},
          {3, 410},
          {6, 300},
          {2, 200},
          {5, 110}}},
        {Cream,
         {{10, 38},
          {90, 41},
          {170, 38},
          {250, 41},
          {287, 38},
          {285, 140},
          {288, 240},
          {285, 330},
          {287, 402},
          {200, 399},
          {120, 402},
          {40, 399},
          {10, 402},
          {12, 300},
          {9, 200},
          {12, 100}}},
        // A soft glow in the middle, in two half-strength steps, for the text to sit on.
        {Glow,
         {{22, 60},
          {90, 52},
          {160, 57},
          {230, 51},
          {278, 58},
          {283, 150},
          {277, 260},
          {282, 385},
          {200, 390},
          {130, 386},
          {60, 391},
          {20, 384},
          {24, 270},
          {19, 160}}},
        {Glow,
         {{50, 85},
          {150, 78},
          {250, 86},
          {262, 200},
          {255, 330},
          {150, 362},
          {45, 335},
          {36, 210}}},
        // A faint shadow down each side.
        {Tan, {{10, 60}, {16, 70}, {17, 200}, {15, 330}, {10, 385}, {9, 220}}},
        {Tan, {{287, 60}, {282, 75}, {281, 210}, {283, 330}, {287, 385}, {288, 220}}},
        // Small corner leaves inside the sheet, clear of the heading and the button.
        {Tan, {{12, 41}, {44, 43}, {26, 50}, {14, 62}}},
        {Tan, {{285, 41}, {253, 43}, {271, 50}, {283, 62}}},
        {Tan, {{12, 399}, {44, 397}, {26, 391}, {14, 380}}},
        {Tan, {{285, 399}, {253, 397}, {271, 391}, {283, 380}}},
        // The top roll: its body, the shadow it casts, a light stripe, and the curled ends.
        {Tan, {{8, 6}, {289, 6}, {293, 12}, {293, 30}, {289, 36}, {8, 36}, {4, 30}, {4, 12}}},
        {Brown, {{8, 36}, {289, 36}, {285, 41}, {12, 41}}},
        {Cream, {{12, 12}, {285, 12}, {285, 17}, {12, 17}}},
        {White, {{18, 13}, {279, 13}, {279, 14.5}, {18, 14.5}}},
        {Brown, {{0, 10}, {8, 4}, {15, 10}, {15, 32}, {8, 38}, {0, 32}}},
        {Brown, {{297, 10}, {289, 4}, {282, 10}, {282, 32}, {289, 38}, {297, 32}}},
        // The bottom roll, the same way up.
        {Tan,
         {{8, 404}, {289, 404}, {293, 410}, {293, 428}, {289, 434}, {8, 434}, {4, 428}, {4, 410}}},
        {Brown, {{12, 399}, {285, 399}, {289, 404}, {8, 404}}},
        {Cream, {{12, 410}, {285, 410}, {285, 415}, {12, 415}}},
        {White, {{18, 411}, {279, 411}, {279, 412.5}, {18, 412.5}}},
        {Brown, {{0, 408}, {8, 402}, {15, 408}, {15, 430}, {8, 436}, {0, 430}}},
        {Brown, {{297, 408}, {289, 402}, {282, 408}, {282, 430}, {289, 436}, {297, 430}}},
        // A small ornament below the button.
        {Brown, {{148.5, 387}, {160, 392}, {148.5, 397}, {137, 392}}},
    }};
    return all;
}

}  // namespace

void paintRulesBackground(QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kRulesPanelSize.width(),
                  target.height() / kRulesPanelSize.height());
    for (const Shape& shape : shapes()) {
        painter.setBrush(toneColour(shape.tone));
        painter.drawPolygon(shape.points);
    }
    painter.restore();
}

QImage rulesBackground(QSize size, qreal devicePixelRatio) {
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(toneColour(Brown));
    QPainter painter(&image);
    paintRulesBackground(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

}  // namespace marvane
