// Run with a device pixel ratio of 2: the board is painted at the device resolution while every
// rule stays in logical pixels.
#include <QtTest>

#include "window/boardimage.h"
#include "window/marvaneform.h"

using namespace marvane;

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
        TMarvaneForm form;
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        form.game().setColours(1, 2);
        form.game().newGame();
        const QImage& picture = form.Image3->picture().image();
        QCOMPARE(picture.size(), QSize(824, 846));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        const QRect box = BoardPicture::counterBox(4, 4);  // logical
        const QRect deviceBox(box.topLeft() * 2 - QPoint(4, 4), box.size() * 2 + QSize(8, 8));
        QCOMPARE(extentOf(picture, qRgb(255, 255, 255), deviceBox),
                 QRect(box.topLeft() * 2, QSize(60, 60)));
        // The geometry and the hit test stay in logical pixels.
        QCOMPARE(form.Image3->size(), QSize(417, 433));
        form.Image3MouseDown(240, 140);
        QCOMPARE(form.game().board(3, 5), 1);
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
