// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QtTest>

#include "window/art/rulesart.h"

using namespace marvane;

class TestRulesArt : public QObject {
    Q_OBJECT

private slots:
    void theBackgroundIsLightWhereTheTextGoes() {
        const QImage image = rulesBackground();
        QCOMPARE(image.size(), QSize(297, 440));
        // Heading, rule lines and return button lie in this band; black on it must read.
        for (int y = 56; y <= 385; ++y)
            for (int x = 24; x <= 272; ++x)
                QVERIFY2(qGray(image.pixel(x, y)) >= 200,
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
        // And it is a picture, not a blank field: the frame is darker.
        QVERIFY(qGray(image.pixel(1, 1)) < 150);
        QVERIFY(qGray(image.pixel(148, 438)) < 200);
    }

    void itStretchesToFillAnyRectAndStaysInside() {
        const QColor marker(0, 255, 0);
        QImage canvas(500, 300, QImage::Format_RGB32);
        canvas.fill(marker);
        const QRect target(50, 20, 400, 250);
        {
            QPainter painter(&canvas);
            paintRulesBackground(painter, target);
        }
        int leftOver = 0, spilled = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const bool untouched = canvas.pixelColor(x, y) == marker;
                if (target.contains(x, y))
                    leftOver += untouched;
                else
                    spilled += !untouched;
            }
        QCOMPARE(leftOver, 0);
        QCOMPARE(spilled, 0);
    }
};

QTEST_MAIN(TestRulesArt)
#include "tst_rulesart.moc"
