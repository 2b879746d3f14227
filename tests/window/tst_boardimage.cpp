// SPDX-License-Identifier: GPL-3.0-or-later
// The board widget paints its picture in bands; whatever part of it is repainted must show the
// picture's own pixels, and painting it must not start worker threads.
#include <QDir>
#include <QPainter>
#include <QtTest>

#include "window/art/boardpicture.h"
#include "window/boardimage.h"

using namespace marvane;

namespace {

constexpr QRgb kUntouched = 0xFF123456;

// The board as `area` of it is repainted, over a canvas that shows what was left alone.
QImage paintedPart(BoardImage& board, const QRect& area) {
    QImage shot(board.size(), QImage::Format_RGB32);
    shot.fill(kUntouched);
    board.render(&shot, area.topLeft(), QRegion(area));  // the area lands where it lies
    return shot;
}

// What `area` must show: the picture at its place, black around it.
QImage expectedPart(const QSize& size, const QRect& area) {
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(kUntouched);
    QPainter painter(&expected);
    painter.setClipRect(area);
    painter.fillRect(area, Qt::black);
    painter.drawImage(BoardPicture::kPictureOffset,
                      BoardPicture(1.0).image().convertToFormat(QImage::Format_RGB32));
    return expected;
}

int threadsOfThisProcess() {
    return static_cast<int>(
        QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

}  // namespace

class BoardImageTest : public QObject {
    Q_OBJECT

private slots:
    // First, before any painting could have left threads behind.
    void paintingTheWholeBoardStartsNoThread() {
        if (!QDir("/proc/self/task").exists()) QSKIP("no per-thread listing of the process here");
        BoardImage board(nullptr);
        const int before = threadsOfThisProcess();
        paintedPart(board, board.rect());
        QCOMPARE(threadsOfThisProcess(), before);
    }

    void anyRepaintedPartShowsThePicturesPixels_data() {
        QTest::addColumn<QRect>("area");
        QTest::newRow("whole") << QRect({0, 0}, BoardPicture::kImageAreaSize);
        QTest::newRow("one square")
            << BoardPicture::counterBox(4, 5).translated(BoardPicture::kPictureOffset);
        QTest::newRow("across two bands") << QRect(30, 50, 200, 40);
        QTest::newRow("edge and margin") << QRect(0, 400, 417, 33);
        QTest::newRow("single row") << QRect(0, 133, 417, 1);
    }
    void anyRepaintedPartShowsThePicturesPixels() {
        QFETCH(QRect, area);
        BoardImage board(nullptr);
        QCOMPARE(paintedPart(board, area), expectedPart(board.size(), area));
    }
};

QTEST_MAIN(BoardImageTest)
#include "tst_boardimage.moc"
