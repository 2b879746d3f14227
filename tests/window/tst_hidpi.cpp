// SPDX-License-Identifier: GPL-3.0-or-later
// Run with a device pixel ratio of 2: the board is painted at the device resolution while every
// rule stays in logical pixels.
#include <QtTest>

#include "tests/window/formdriver.h"
#include "window/boardimage.h"
#include "window/marvaneform.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// The extent of `colour` inside `box` (device pixels) of `image`.
QRect extentOf(const QImage& image, QRgb colour, const QRect& box) {
    QRect found;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixel(x, y) == colour) found |= QRect(x, y, 1, 1);
    return found;
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void theBoardIsPaintedAtTheDeviceResolution() {
        auto form = startedForm();
        QVERIFY(form);
        QCOMPARE(form->devicePixelRatioF(), 2.0);
        BoardImage* board = control<BoardImage>(*form, "Image3");
        const QImage& picture = board->picture().image();
        QCOMPARE(picture.size(), QSize(824, 846));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        const QRect box = BoardPicture::counterBox(4, 4);  // logical
        const QRect deviceBox(box.topLeft() * 2 - QPoint(4, 4), box.size() * 2 + QSize(8, 8));
        QCOMPARE(extentOf(picture, qRgb(255, 255, 255), deviceBox),
                 QRect(box.topLeft() * 2, QSize(60, 60)));
        // The geometry and the hit test stay in logical pixels.
        QCOMPARE(board->size(), QSize(417, 433));
        QTest::mousePress(board, Qt::LeftButton, {}, QPoint(240, 140));
        QCOMPARE(form->game().board(3, 5), 1);
    }
};

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
