// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/art/appicon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <cstdlib>

namespace marvane {

namespace {

// The counters shown on a board of `cells` x `cells`: 1 white, 2 black, 0 empty. Small boards
// show the opening four; the full board shows a game under way.
int counterAt(int cells, int row, int column) {
    static const char* const game[8] = {
        "........", "........", "..B.B...", "...BW...",
        "..WWWB..", "....W...", "........", "........",
    };
    const char square = cells == 8                                    ? game[row][column]
                        : (row == cells / 2) == (column == cells / 2) ? 'W'
                                                                      : 'B';
    if (cells < 8 && (std::abs(2 * row + 1 - cells) > 1 || std::abs(2 * column + 1 - cells) > 1))
        return 0;
    return square == 'W' ? 1 : square == 'B' ? 2 : 0;
}

}  // namespace

QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const int cells = size < 30 ? 2 : size < 100 ? 4 : 8;
    const qreal s = size;
    // Black like the board picture, with an olive rim.
    const qreal radius = s * 0.14;
    p.setBrush(QColor(128, 128, 0));
    p.drawRoundedRect(QRectF(0, 0, s, s), radius, radius);
    const qreal rim = qMax<qreal>(1.0, s / 48.0);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(rim, rim, s - 2 * rim, s - 2 * rim), radius - rim, radius - rim);

    // From 48 pixels up every square is a sunken blue face as on the board. Below that a bevel
    // would only blur: the squares are plain, on whole pixels, parted by one-pixel black lines
    // where there are more than two of them.
    const bool bevelled = size >= 48;
    const int line = !bevelled && cells > 2 ? 1 : 0;
    const int cell = (size - 2 * std::max(1, size / 14) + line) / cells;
    const int pad = (size - (cell * cells - line)) / 2;
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            const QRect square(pad + column * cell, pad + row * cell, cell - line, cell - line);
            if (bevelled) {
                const qreal gap = cell * 0.05;
                const QRectF outer = QRectF(square).adjusted(gap, gap, -gap, -gap);
                const qreal bevel = cell * 0.09;
                p.setBrush(QColor(0, 255, 0));
                p.drawRect(outer);
                p.setBrush(QColor(128, 128, 0));
                p.drawPolygon(QPolygonF{outer.topLeft(), outer.topRight(), outer.bottomLeft()});
                p.setBrush(QColor(0, 0, 255));
                p.drawRect(outer.adjusted(bevel, bevel, -bevel, -bevel));
            } else {
                p.fillRect(square, QColor(0, 0, 255));
            }

            const int counter = counterAt(cells, row, column);
            if (counter == 0) continue;
            const qreal inset = bevelled ? cell * 0.17 : std::max(0.5, square.width() * 0.1);
            const QRectF disc = QRectF(square).adjusted(inset, inset, -inset, -inset);
            const bool white = counter == 1;
            if (bevelled) {
                // A light top-left gives the counters some body where there is room for it.
                QRadialGradient shade(disc.center() - QPointF(disc.width(), disc.height()) * 0.2,
                                      disc.width() * 0.8);
                shade.setColorAt(0.0, white ? QColor(255, 255, 255) : QColor(110, 110, 110));
                shade.setColorAt(1.0, white ? QColor(205, 205, 205) : QColor(0, 0, 0));
                p.setBrush(shade);
            } else {
                p.setBrush(white ? Qt::white : Qt::black);
            }
            p.drawEllipse(disc);
        }
    }
    p.end();
    return image;
}

QIcon appIcon(int largest) {
    QIcon icon;
    for (int size : kAppIconSizes)
        if (size <= largest) icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}

}  // namespace marvane
