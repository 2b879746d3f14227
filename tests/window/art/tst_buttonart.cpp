// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "window/art/buttonart.h"

using namespace marvane;

Q_DECLARE_METATYPE(marvane::ButtonPicture)

namespace {

struct Coverage {
    int opaque = 0;    // pixels at least a quarter opaque
    int coloured = 0;  // of those, pixels whose channels differ clearly
};

Coverage coverage(const QImage& image) {
    Coverage c;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() < 64) continue;
            ++c.opaque;
            const int spread = std::max({pixel.red(), pixel.green(), pixel.blue()}) -
                               std::min({pixel.red(), pixel.green(), pixel.blue()});
            if (spread > 40) ++c.coloured;
        }
    }
    return c;
}

}  // namespace

class TestButtonArt : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsSizeAndAVisibleNormalAndDisabledImage_data() {
        QTest::addColumn<ButtonPicture>("picture");
        QTest::newRow("quit") << ButtonPicture::Quit;
        QTest::newRow("finish") << ButtonPicture::Finish;
        QTest::newRow("restart") << ButtonPicture::Restart;
        QTest::newRow("rules") << ButtonPicture::Rules;
        QTest::newRow("options") << ButtonPicture::Options;
        QTest::newRow("level") << ButtonPicture::Level;
        QTest::newRow("players") << ButtonPicture::Players;
        QTest::newRow("one player") << ButtonPicture::OnePlayer;
    }
    void everyPictureHasItsSizeAndAVisibleNormalAndDisabledImage() {
        QFETCH(ButtonPicture, picture);
        const QImage strip = buttonStrip(picture);
        QVERIFY(strip.hasAlphaChannel());
        if (picture == ButtonPicture::Restart) {
            QCOMPARE(glyphCount(picture), 1);
            QCOMPARE(strip.size(), QSize(18, 18));
            // A grid: black lines and light cells, both in quantity.
            int black = 0, light = 0;
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 18; ++x) {
                    const QRgb p = strip.pixel(x, y);
                    if (qAlpha(p) == 255 && qGray(p) < 30) ++black;
                    if (qAlpha(p) == 255 && qGray(p) > 220) ++light;
                }
            QVERIFY(black >= 40);
            QVERIFY(light >= 100);
            return;
        }
        QCOMPARE(glyphCount(picture), 2);
        QCOMPARE(strip.size(), QSize(32, 16));
        const QImage normal = strip.copy(0, 0, 16, 16);
        const QImage disabled = strip.copy(16, 0, 16, 16);
        const Coverage n = coverage(normal);
        // Not blank and not a filled square: somewhere between a sixth and nine tenths covered.
        QVERIFY2(n.opaque > 40 && n.opaque < 230, qPrintable(QString::number(n.opaque)));
        QVERIFY(n.coloured > 20);
        // The disabled image has the same outline, drawn grey and dimmed.
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int before = qAlpha(normal.pixel(x, y));
                const int after = qAlpha(disabled.pixel(x, y));
                QVERIFY(before >= 128 ? after >= 64 : before > 0 || after == 0);
            }
        const Coverage d = coverage(disabled);
        QVERIFY(d.opaque > 20);
        QCOMPARE(d.coloured, 0);
    }

    void aHigherPixelRatioDrawsTheStripWithMorePixels() {
        const QImage strip = buttonStrip(ButtonPicture::Rules, 2.0);
        QCOMPARE(strip.size(), QSize(64, 32));
        QCOMPARE(strip.devicePixelRatio(), 2.0);
        // The disabled half really sits in the right half, not squeezed into the left.
        QVERIFY(coverage(strip.copy(32, 0, 32, 32)).opaque > 160);
    }

    void aStripSplitsIntoNormalAndDisabledIcons() {
        // As a loaded BMP: no alpha, the bottom-left pixel's colour marks the background.
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(QColor(255, 0, 255));
        strip.fill(QColor(255, 0, 255));
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x) {
                strip.setPixel(x, y, qRgb(255, 0, 0));
                strip.setPixel(x + 16, y, qRgb(0, 128, 0));
            }
        const QIcon icon = iconFromStrip(strip);
        const QImage normal = icon.pixmap(QSize(16, 16), QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
        QCOMPARE(normal.size(), QSize(16, 16));
        QCOMPARE(normal.pixel(8, 8), qRgb(255, 0, 0));
        QCOMPARE(disabled.pixel(8, 8), qRgb(0, 128, 0));
        QCOMPARE(qAlpha(normal.pixel(1, 1)), 0);
        QCOMPARE(qAlpha(disabled.pixel(14, 14)), 0);

        // A single image is the normal picture whole.
        const QImage single = iconFromStrip(strip, 1).pixmap(QSize(32, 16)).toImage();
        QCOMPARE(single.size(), QSize(32, 16));
        QCOMPARE(single.pixel(24, 8), qRgb(0, 128, 0));
    }
};

QTEST_MAIN(TestButtonArt)
#include "tst_buttonart.moc"
