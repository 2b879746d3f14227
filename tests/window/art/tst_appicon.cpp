// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "window/art/appicon.h"

using namespace marvane;

class TestAppIcon : public QObject {
    Q_OBJECT

private slots:
    void everySizeShowsABlueBoardWithWhiteAndBlackCounters() {
        for (int size : kAppIconSizes) {
            const QImage image = appIconImage(size);
            QCOMPARE(image.size(), QSize(size, size));
            int blue = 0, white = 0, black = 0;
            // Only the board inside the frame: the frame itself is black.
            const int margin = std::max(2, size / 8);
            for (int y = margin; y < size - margin; ++y)
                for (int x = margin; x < size - margin; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.blue() > 200 && c.red() < 60 && c.green() < 60) ++blue;
                    if (c.red() > 200 && c.green() > 200 && c.blue() > 200) ++white;
                    if (c.red() < 60 && c.green() < 60 && c.blue() < 60) ++black;
                }
            const int area = size * size;
            QVERIFY2(blue > area / 10, qPrintable(QString::number(size)));
            QVERIFY2(white > 0 && black > 0, qPrintable(QString::number(size)));
        }
    }

    void theIconCarriesEverySize() {
        const QList<QSize> sizes = appIcon().availableSizes();
        for (int size : kAppIconSizes) QVERIFY(sizes.contains(QSize(size, size)));
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
