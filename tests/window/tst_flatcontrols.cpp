// SPDX-License-Identifier: GPL-3.0-or-later
// The flat buttons and boxes paint their own edges: a button shows its raised edge only while
// the mouse is over it and a sunken one while it is held down; a box has its sunken edge or none.
#include <QtTest>

#include "window/flatcontrols.h"

using namespace marvane;

namespace {

const QRgb kBackdrop = qRgb(0x20, 0x40, 0x60);
const QRgb kLight = qRgb(0xff, 0xff, 0xff);
const QRgb kShadow = qRgb(0x80, 0x80, 0x80);

// A window in the backdrop colour, so whatever a control leaves unpainted shows as that.
std::unique_ptr<QWidget> backdrop() {
    auto window = std::make_unique<QWidget>();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(kBackdrop));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->resize(200, 100);
    return window;
}

QImage shot(QWidget& window, const QWidget& control) {
    return window.grab(control.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The colours of the top-left, top-right, bottom-left and bottom-right corner pixels.
QList<QRgb> corners(const QImage& image) {
    const int right = image.width() - 1, bottom = image.height() - 1;
    return {image.pixel(0, 0), image.pixel(right, 0), image.pixel(0, bottom),
            image.pixel(right, bottom)};
}

}  // namespace

class FlatControlsTest : public QObject {
    Q_OBJECT

private slots:
    void buttonEdgeFollowsTheMouse() {
        auto window = backdrop();
        auto* button = new FlatButton(window.get());
        button->setAutoRaise(true);
        button->setText("quit");
        button->setGeometry(20, 20, 100, 33);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QList<QRgb> none{kBackdrop, kBackdrop, kBackdrop, kBackdrop};
        QCOMPARE(corners(shot(*window, *button)), none);

        QTest::mouseMove(window.get(), QPoint(60, 36));
        QTRY_VERIFY(button->underMouse());
        const QList<QRgb> raised{kLight, kLight, kLight, kShadow};
        QCOMPARE(corners(shot(*window, *button)), raised);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 16));
        const QList<QRgb> sunken{kShadow, kShadow, kShadow, kLight};
        QCOMPARE(corners(shot(*window, *button)), sunken);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 16));
        QCOMPARE(corners(shot(*window, *button)), raised);

        QTest::mouseMove(window.get(), QPoint(180, 90));
        QTRY_VERIFY(!button->underMouse());
        QCOMPARE(corners(shot(*window, *button)), none);
    }

    // The sunken edge is two pixels wide: shadow above and left, light below and right.
    void boxEdgeIsSunkenOrAbsent() {
        auto window = backdrop();
        auto* edged = new FlatBox("88888888", true, window.get());
        auto* bare = new FlatBox("88888888", false, window.get());
        for (FlatBox* box : {edged, bare}) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Text, Qt::white);
            palette.setColor(QPalette::Base, Qt::black);
            box->setPalette(palette);
        }
        edged->setGeometry(10, 10, 33, 28);
        bare->setGeometry(60, 10, 33, 28);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        const QImage withEdge = shot(*window, *edged);
        for (int inset : {0, 1}) {
            const QImage inner =
                withEdge.copy(withEdge.rect().adjusted(inset, inset, -inset, -inset));
            const QList<QRgb> sunken{kShadow, kShadow, kShadow, kLight};
            QCOMPARE(corners(inner), sunken);
        }
        const QImage withoutEdge = shot(*window, *bare);
        for (QRgb corner : corners(withoutEdge)) QVERIFY(corner != kShadow && corner != kLight);
    }
};

QTEST_MAIN(FlatControlsTest)
#include "tst_flatcontrols.moc"
