// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "engine/types.h"

class QPainter;

namespace marvane {

// Left edge of each column's counter box, in picture pixels: entry [n - 1] is column n.
// The uneven steps are deliberate; painting and the hit test both use these exact values.
inline constexpr std::array<int, 8> SquareLeft = {12, 65, 116, 168, 220, 271, 322, 373};
// Top edge of each row's counter box: entry [n - 1] is row n.
inline constexpr std::array<int, 8> SquareTop = {12, 65, 118, 171, 224, 277, 328, 382};

// The plain blue faces the counters sit on (inclusive left/top; every face is 38 x 37).
inline constexpr std::array<int, 8> FaceLeft = {7, 59, 111, 163, 215, 267, 317, 369};
inline constexpr std::array<int, 8> FaceTop = {8, 61, 114, 167, 220, 273, 325, 378};
inline constexpr int kFaceWidth = 38;
inline constexpr int kFaceHeight = 37;

// Counters are discs 30 pixels across.
inline constexpr int kCounterSize = 30;

// Counter colours by ColourCode, as stored colour references laid out $00BBGGRR (low byte red).
inline constexpr std::array<std::uint32_t, 7> CounterPalette = {
    0x00FF0000, 0x00FFFFFF, 0x00000000, 0x000000FF, 0x00008000, 0x00FFFF00, 0x0000FFFF};

// CounterPalette[colour] as an opaque QRgb.
constexpr QRgb counterRgb(ColourCode colour) {
    const std::uint32_t ref = CounterPalette[static_cast<std::size_t>(colour)];
    return qRgb(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

// The sixteen colours the board picture is made of; every counter colour is one of them.
inline constexpr std::array<QRgb, 16> StandardPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// The board picture: the 8 x 8 board with the counters painted into it. Nothing redraws the
// board from the engine's grid, so this image is the current position at all times.
class BoardPicture {
public:
    static constexpr QSize kPictureSize{412, 423};
    // The control the picture is shown in; the picture sits centred in it, unscaled.
    static constexpr QSize kImageAreaSize{417, 433};
    static constexpr QPoint kPictureOffset{(417 - 412) / 2, (433 - 423) / 2};

    // A fresh empty board. With a device pixel ratio above 1 the image has that many device
    // pixels per picture pixel and everything is painted at that resolution.
    explicit BoardPicture(qreal devicePixelRatio = 1.0);

    const QImage& image() const { return picture; }

    // Paints a counter of `colour` on the square (row, column 1..8); colour 0 empties it.
    // The caller keeps the grid of what lies where.
    void drawCounter(int row, int column, ColourCode colour);

    // The 30 x 30 box a counter fills, in picture pixels.
    static QRect counterBox(int row, int column);
    // The plain face of a square, in picture pixels.
    static QRect faceRect(int row, int column);

    // Paints the empty board in picture coordinates on any painter (any scale).
    static void paintBoard(QPainter& painter);

    // The square under (x, y), measured from the image area's top-left corner, or nothing.
    // The same box tables are applied to the mouse position without removing the picture's
    // offset, and where two windows overlap the lower number wins.
    static std::optional<std::pair<int, int>> squareFromPoint(int x, int y);

private:
    QImage picture;
};

}  // namespace marvane
