// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QtTest>
#include <algorithm>

#include "window/art/boardpicture.h"

using namespace marvane;

namespace {

// The face ranges as the board is laid out, first and last pixel of each.
constexpr int kFaceX[8][2] = {{7, 44},    {59, 96},   {111, 148}, {163, 200},
                              {215, 252}, {267, 304}, {317, 354}, {369, 406}};
constexpr int kFaceY[8][2] = {{8, 44},    {61, 97},   {114, 150}, {167, 203},
                              {220, 256}, {273, 309}, {325, 361}, {378, 414}};

bool inPalette(QRgb pixel) {
    return std::find(StandardPalette.begin(), StandardPalette.end(), pixel | 0xFF000000) !=
           StandardPalette.end();
}

int countOffPalette(const QImage& image) {
    int off = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) off += inPalette(image.pixel(x, y)) ? 0 : 1;
    return off;
}

ColourCode someColour(int row, int column) { return (row * 3 + column) % 6 + 1; }

// The pixels where two pictures differ, as a set of positions.
QList<QPoint> changedPixels(const QImage& before, const QImage& after) {
    QList<QPoint> changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) changed.append({x, y});
    return changed;
}

}  // namespace

class TestBoardPicture : public QObject {
    Q_OBJECT

private slots:
    void pressesMapToSquaresByTheirWindows_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("row");     // 0 when the press is outside
        QTest::addColumn<int>("column");  // 0 when the press is outside
        const int columnEdges[][2] = {{8, 0},   {9, 1},   {61, 1},  {62, 2},  {114, 2},
                                      {115, 3}, {165, 3}, {166, 4}, {217, 4}, {218, 5},
                                      {269, 5}, {270, 6}, {320, 6}, {321, 7}, {371, 7},
                                      {372, 8}, {422, 8}, {423, 0}, {-3, 0}};
        for (auto [x, column] : columnEdges)
            QTest::addRow("x=%d", x) << x << 100 << (column ? 2 : 0) << column;
        const int rowEdges[][2] = {{8, 0},   {9, 1},   {61, 1},  {62, 2},  {114, 2},
                                   {115, 3}, {167, 3}, {168, 4}, {220, 4}, {221, 5},
                                   {273, 5}, {274, 6}, {326, 6}, {327, 7}, {377, 7},
                                   {378, 0}, {379, 8}, {431, 8}, {432, 0}};
        for (auto [y, row] : rowEdges) QTest::addRow("y=%d", y) << 300 << y << row << (row ? 6 : 0);
    }
    void pressesMapToSquaresByTheirWindows() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, row);
        QFETCH(int, column);
        const auto square = BoardPicture::squareFromPoint(x, y);
        if (row == 0) {
            QVERIFY(!square.has_value());
        } else {
            QVERIFY(square.has_value());
            QCOMPARE(square->first, row);
            QCOMPARE(square->second, column);
        }
    }

    void freshPictureIsTheEmptyBoardInPaletteColours() {
        const BoardPicture board;
        const QImage& image = board.image();
        QCOMPARE(image.size(), QSize(412, 423));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorTable(), QList<QRgb>(StandardPalette.begin(), StandardPalette.end()));
        QCOMPARE(countOffPalette(image), 0);

        const QRgb olive = qRgb(128, 128, 0);
        for (int x = 0; x < 411; ++x) {
            QCOMPARE(image.pixel(x, 0), olive);
            QCOMPARE(image.pixel(x, 422), olive);
        }
        for (int y = 0; y < 423; ++y) {
            QCOMPARE(image.pixel(0, y), olive);
            QCOMPARE(image.pixel(411, y), qRgb(0, 0, 0));
        }
    }

    void everyFaceIsPlainBlueExactlyOverItsRange() {
        const BoardPicture board;
        const QImage& image = board.image();
        const QRgb blue = qRgb(0, 0, 255);
        for (int row = 1; row <= 8; ++row) {
            for (int column = 1; column <= 8; ++column) {
                const auto [left, right] = kFaceX[column - 1];
                const auto [top, bottom] = kFaceY[row - 1];
                QCOMPARE(BoardPicture::faceRect(row, column),
                         QRect(QPoint(left, top), QPoint(right, bottom)));
                int notBlue = 0;
                for (int y = top; y <= bottom; ++y)
                    for (int x = left; x <= right; ++x) notBlue += image.pixel(x, y) != blue;
                QCOMPARE(notBlue, 0);
                // The bevel starts right at the face's edge on all four sides.
                for (int x = left; x <= right; ++x) {
                    QVERIFY(image.pixel(x, top - 1) != blue);
                    QVERIFY(image.pixel(x, bottom + 1) != blue);
                }
                for (int y = top; y <= bottom; ++y) {
                    QVERIFY(image.pixel(left - 1, y) != blue);
                    QVERIFY(image.pixel(right + 1, y) != blue);
                }
                const QRect face(QPoint(left, top), QPoint(right, bottom));
                QVERIFY(
                    face.contains(BoardPicture::counterBox(row, column).adjusted(-2, -2, 2, 2)));
            }
        }
    }

    void counterColoursMatchTheirStoredReferences() {
        const QRgb expected[] = {qRgb(0, 0, 255),  qRgb(255, 255, 255), qRgb(0, 0, 0),
                                 qRgb(255, 0, 0),  qRgb(0, 128, 0),     qRgb(0, 255, 255),
                                 qRgb(255, 255, 0)};
        for (ColourCode c = 0; c <= 6; ++c) {
            QCOMPARE(counterRgb(c), expected[c]);
            QVERIFY(inPalette(counterRgb(c)));
        }
    }

    void aCounterIsARoundDiscFillingItsBoxExactly() {
        const BoardPicture fresh;
        for (int row = 1; row <= 8; ++row) {
            for (int column = 1; column <= 8; ++column) {
                BoardPicture board;
                const ColourCode colour = someColour(row, column);
                board.drawCounter(row, column, colour);
                const QList<QPoint> changed = changedPixels(fresh.image(), board.image());
                const QRect box = BoardPicture::counterBox(row, column);
                QCOMPARE(box.width(), 30);

                QRect extent;
                for (const QPoint& p : changed) {
                    QCOMPARE(board.image().pixel(p), counterRgb(colour));
                    extent |= QRect(p, QSize(1, 1));
                }
                QCOMPARE(extent, box);
                // Round: the same under left-right and top-bottom mirroring and under
                // swapping x and y, and about as big as a circle 30 across (707 pixels).
                for (const QPoint& p : changed) {
                    const QPoint d = p - box.topLeft();
                    for (const QPoint& mirror : {QPoint(29 - d.x(), d.y()),
                                                 QPoint(d.x(), 29 - d.y()), QPoint(d.y(), d.x())})
                        QCOMPARE(board.image().pixel(box.topLeft() + mirror), counterRgb(colour));
                }
                QVERIFY(changed.size() > 690 && changed.size() < 730);
                if (QTest::currentTestFailed()) return;
            }
        }
    }

    void paintingAllColoursStaysInThePaletteAndColourZeroRestoresTheFaces() {
        const BoardPicture fresh;
        BoardPicture board;
        for (ColourCode colour = 1; colour <= 6; ++colour)
            for (int row = 1; row <= 8; ++row)
                for (int column = 1; column <= 8; ++column)
                    board.drawCounter(row, column, (colour + row + column) % 6 + 1);
        QCOMPARE(countOffPalette(board.image()), 0);
        QVERIFY(board.image() != fresh.image());

        for (int row = 1; row <= 8; ++row)
            for (int column = 1; column <= 8; ++column) board.drawCounter(row, column, 0);
        QCOMPARE(changedPixels(fresh.image(), board.image()).size(), 0);
    }

    void theBoardWrittenByteByByteIsTheBoardThePainterDraws() {
        QImage painted(BoardPicture::kPictureSize, QImage::Format_RGB32);
        painted.fill(Qt::magenta);  // any pixel the painter missed shows
        {
            QPainter painter(&painted);
            BoardPicture::paintBoard(painter);
        }
        const QImage written = BoardPicture().image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(changedPixels(painted, written).size(), 0);
    }

    void aHigherPixelRatioPaintsTheSameBoardFiner() {
        const BoardPicture fresh(2.0);
        QCOMPARE(fresh.image().size(), QSize(824, 846));
        QCOMPARE(countOffPalette(fresh.image()), 0);
        // Twice as fine, and nothing else: every pixel doubled is the board at one to one.
        const QImage single = BoardPicture().image().convertToFormat(QImage::Format_RGB32);
        const QImage doubled = fresh.image().convertToFormat(QImage::Format_RGB32);
        int unlike = 0;
        for (int y = 0; y < doubled.height(); ++y)
            for (int x = 0; x < doubled.width(); ++x)
                unlike += doubled.pixel(x, y) != single.pixel(x / 2, y / 2) ? 1 : 0;
        QCOMPARE(unlike, 0);

        BoardPicture board(2.0);
        board.drawCounter(3, 6, 5);
        QRect extent;
        for (const QPoint& p : changedPixels(fresh.image(), board.image()))
            extent |= QRect(p, QSize(1, 1));
        const QRect box = BoardPicture::counterBox(3, 6);
        QCOMPARE(extent, QRect(box.topLeft() * 2, box.size() * 2));

        board.drawCounter(3, 6, 0);
        QCOMPARE(changedPixels(fresh.image(), board.image()).size(), 0);
    }
};

QTEST_MAIN(TestBoardPicture)
#include "tst_boardpicture.moc"
