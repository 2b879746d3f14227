// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/art/boardpicture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace marvane {

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kOlive = qRgb(128, 128, 0);
constexpr QRgb kGreen = qRgb(0, 128, 0);
constexpr QRgb kLime = qRgb(0, 255, 0);

constexpr int kBevelWidth = 4;

std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }

uchar paletteIndex(QRgb colour) {
    const auto entry = std::find(StandardPalette.begin(), StandardPalette.end(), colour);
    return static_cast<uchar>(entry - StandardPalette.begin());
}

// Finds the first window lo - 4 < v < lo + 50 that holds v; 9 when none does.
int firstWindow(const std::array<int, 8>& lows, int v) {
    int n = 1;
    while (n <= 8 && !(lows[index(n)] - 4 < v && v < lows[index(n)] + 50)) ++n;
    return n;
}

// Halfway between the end of one face and the start of the next.
template <std::size_t N>
int parting(const std::array<int, N>& starts, int extent, std::size_t n) {
    return (starts[n] + extent - 1 + starts[n + 1]) / 2;
}

// A sunken frame around `face`: shadowed top and left, lit bottom and right, mitred corners.
template <typename Fill>
void bevel(const QRect& face, Fill&& fill) {
    for (int ring = 0; ring < kBevelWidth; ++ring) {
        const int l = face.left() - 1 - ring;
        const int t = face.top() - 1 - ring;
        const int r = face.right() + 1 + ring;
        const int b = face.bottom() + 1 + ring;
        // The outer rings are olive and the inner ones green, so the shadow deepens towards
        // the face.
        const QRgb shade = ring >= 2 ? kOlive : kGreen;
        fill(l, t, r - l, 1, shade);          // top, leaving the top-right corner pixel
        fill(l, t + 1, 1, b - t - 1, shade);  // left, leaving the bottom-left one
        fill(r, t, 1, b - t + 1, kLime);      // right
        fill(l, b, r - l + 1, 1, kLime);      // bottom
    }
}

// The empty board is nothing but rectangles of palette colours; this hands each one, in
// painting order, to fill(x, y, width, height, colour).
template <typename Fill>
void boardFills(Fill&& fill) {
    const int w = BoardPicture::kPictureSize.width();
    const int h = BoardPicture::kPictureSize.height();
    fill(0, 0, w, h, kBlack);

    // The lines parting the cells, and the frame on three sides; the right edge stays black
    // from top to bottom, so no line reaches it.
    fill(0, 0, w - 1, 1, kOlive);
    fill(0, h - 1, w - 1, 1, kOlive);
    fill(0, 0, 1, h, kOlive);
    for (std::size_t n = 0; n + 1 < FaceLeft.size(); ++n) {
        fill(parting(FaceLeft, kFaceWidth, n), 0, 1, h, kOlive);
        fill(0, parting(FaceTop, kFaceHeight, n), w - 1, 1, kOlive);
    }

    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 8; ++column) {
            const QRect face = BoardPicture::faceRect(row, column);
            bevel(face, fill);
            fill(face.x(), face.y(), face.width(), face.height(), counterRgb(0));
        }
    }
}

}  // namespace

BoardPicture::BoardPicture(qreal devicePixelRatio) {
    // One byte per pixel indexing the sixteen colours: the board needs no others, and it takes a
    // quarter of the memory of true colour.
    const QSize size(qRound(kPictureSize.width() * devicePixelRatio),
                     qRound(kPictureSize.height() * devicePixelRatio));
    picture = QImage(size, QImage::Format_Indexed8);
    picture.setColorTable(QList<QRgb>(StandardPalette.begin(), StandardPalette.end()));
    picture.setDevicePixelRatio(devicePixelRatio);

    if (devicePixelRatio == 1.0) {
        // At one device pixel per pixel every rectangle is written straight into the bytes:
        // the board is drawn before the window's first paint, and painting it in true colour
        // and mapping it back costs ten times as much.
        const QRect bounds(QPoint(0, 0), size);
        uchar* const bits = picture.bits();
        const qsizetype stride = picture.bytesPerLine();
        boardFills([bits, stride, &bounds](int x, int y, int w, int h, QRgb colour) {
            const QRect area = QRect(x, y, w, h) & bounds;
            const uchar entry = paletteIndex(colour);
            for (int row = area.top(); row <= area.bottom(); ++row)
                std::memset(bits + row * stride + area.left(), entry,
                            static_cast<std::size_t>(area.width()));
        });
        return;
    }

    // Other scales go through the raster engine, which decides how each edge rounds.
    QImage canvas(size, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(devicePixelRatio);
    {
        QPainter painter(&canvas);
        paintBoard(painter);
    }
    // Every pixel is a palette colour, so each maps to its entry exactly; runs of one colour
    // make the lookup cheap.
    QRgb last = StandardPalette[0];
    uchar lastIndex = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        uchar* to = picture.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb colour = from[x] | 0xff000000u;
            if (colour != last) {
                last = colour;
                lastIndex = paletteIndex(colour);
            }
            to[x] = lastIndex;
        }
    }
}

void BoardPicture::drawCounter(int row, int column, ColourCode colour) {
    // The disc is rasterised by hand, in device pixels: a pixel belongs to it when its centre
    // lies inside the circle. That gives one exact, fully symmetric shape at every scale, where
    // the raster engine's ellipse is a little lopsided at this size.
    const qreal scale = picture.devicePixelRatio();
    const QRect box = counterBox(row, column);
    const int left = qRound(box.left() * scale);
    const int top = qRound(box.top() * scale);
    const int diameter = qRound(box.width() * scale);
    const double radius = diameter / 2.0;
    const uchar entry = paletteIndex(counterRgb(colour));
    for (int j = 0; j < diameter; ++j) {
        const double dy = j + 0.5 - radius;
        const double halfWidth = std::sqrt(radius * radius - dy * dy);
        // Pixel i is inside when |i + 0.5 - radius| <= halfWidth.
        const int first = static_cast<int>(std::ceil(radius - halfWidth - 0.5));
        const int last = diameter - 1 - first;
        if (first <= last)
            std::memset(picture.scanLine(top + j) + left + first, entry,
                        static_cast<std::size_t>(last - first + 1));
    }
}

QRect BoardPicture::counterBox(int row, int column) {
    return QRect(SquareLeft[index(column)], SquareTop[index(row)], kCounterSize, kCounterSize);
}

QRect BoardPicture::faceRect(int row, int column) {
    return QRect(FaceLeft[index(column)], FaceTop[index(row)], kFaceWidth, kFaceHeight);
}

void BoardPicture::paintBoard(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    boardFills([&painter](int x, int y, int w, int h, QRgb colour) {
        painter.fillRect(QRect(x, y, w, h), QColor(colour));
    });
    painter.restore();
}

std::optional<std::pair<int, int>> BoardPicture::squareFromPoint(int x, int y) {
    const int column = firstWindow(SquareLeft, x);
    const int row = firstWindow(SquareTop, y);
    if (column > 8 || row > 8) return std::nullopt;
    return std::make_pair(row, column);
}

}  // namespace marvane
