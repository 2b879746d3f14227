// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDesktopServices>
#include <QLabel>
#include <QToolTip>
#include <QUrl>
#include <QtTest>
#include <utility>

#include "kurl2/KURL2.h"

using namespace marvane;

namespace {

constexpr char kWebUrl[] = "https://www.example.com/marvane";
constexpr char kSupportEmail[] = "support@example.com";

class RecordingLauncher final : public LinkLauncher {
public:
    void open(QWidget* owner, const QString& target) override { calls.append({owner, target}); }
    QList<std::pair<QWidget*, QString>> calls;
};

QLabel* labelOf(const TKURL2& link) { return link.findChild<QLabel*>(); }

}  // namespace

class UrlCatcher : public QObject {
    Q_OBJECT

public slots:
    void take(const QUrl& url) { urls.append(url); }

public:
    QList<QUrl> urls;
};

class KURL2Test : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { recorder.calls.clear(); }

    void aWebAddressIsHandedOnUnchangedWhileHidden() {
        QWidget hiddenPanel;
        auto* web = new TKURL2(&hiddenPanel);
        web->setLauncher(&recorder);
        web->setChoose(TKURL2::ltURL);
        web->setURLorEMAIL(kWebUrl);
        web->OpenLink();
        QVERIFY(!web->isVisible());
        QCOMPARE(recorder.calls.size(), 1);
        QCOMPARE(recorder.calls[0].first, web);
        QCOMPARE(recorder.calls[0].second, QString(kWebUrl));
    }

    void anEmailAddressAlwaysGetsTheMailtoPrefix_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("target");
        QTest::newRow("plain") << QString(kSupportEmail) << QString("mailto:") + kSupportEmail;
        QTest::newRow("already prefixed") << "mailto:help@example.org"
                                          << "mailto:mailto:help@example.org";
    }

    void anEmailAddressAlwaysGetsTheMailtoPrefix() {
        QFETCH(QString, address);
        QFETCH(QString, target);
        QWidget hiddenPanel;
        auto* email = new TKURL2(&hiddenPanel);
        email->setLauncher(&recorder);
        email->setChoose(TKURL2::ltEMAIL);
        email->setURLorEMAIL(address);
        email->OpenLink();
        QCOMPARE(recorder.calls.size(), 1);
        QCOMPARE(recorder.calls[0].second, target);
    }

    void aNewLinkLooksLikeALink() {
        TKURL2 link;
        QLabel* label = labelOf(link);
        QVERIFY(label);
        QCOMPARE(link.height(), 13);
        QCOMPARE(link.width(), label->width());
        QVERIFY(QUrl(link.URLorEMAIL()).host().endsWith("example.com"));
        QCOMPARE(link.Choose(), TKURL2::ltURL);
        QCOMPARE(link.toolTip(), QString("Put here the Hint for your site link!"));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(label->font().underline());
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    }

    void aNewAddressSetsTheWidthToTheLabelsWidth() {
        TKURL2 link;
        link.setGeometry(32, 8, 169, 17);
        link.setURLorEMAIL("a@example.com");
        const int shortWidth = link.width();
        QCOMPARE(shortWidth, labelOf(link)->width());

        link.setURLorEMAIL("someone.with.a.much.longer.name@example.com");
        QVERIFY(link.width() > shortWidth);
        QCOMPARE(link.width(), labelOf(link)->width());
        QCOMPARE(link.geometry().topLeft(), QPoint(32, 8));
        QCOMPARE(link.height(), 17);
    }

    void aLeftClickOnTheLabelOpensTheLink() {
        TKURL2 link;
        link.setLauncher(&recorder);
        link.setURLorEMAIL(kWebUrl);
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QLabel* label = labelOf(link);

        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(recorder.calls.size(), 0);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(recorder.calls.size(), 1);
        QCOMPARE(recorder.calls[0].second, QString(kWebUrl));
    }

    void showHintDecidesWhetherHoveringShowsTheHint() {
        TKURL2 link;
        link.setToolTip("Go to our Web Site");
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QLabel* label = labelOf(link);
        const auto hover = [&] {
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(label, &help);
        };

        link.setShowHint(false);
        hover();
        QVERIFY(!QToolTip::isVisible());

        link.setShowHint(true);
        hover();
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Go to our Web Site"));
        QToolTip::hideText();
    }

    // Also what a link opens with when it is given no launcher of its own.
    void theDesktopLauncherOpensThroughTheDesktopServices() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "take");
        QDesktopServices::setUrlHandler("mailto", &catcher, "take");
        DesktopLinkLauncher desktop;
        desktop.open(nullptr, "https://www.example.com/marvane");
        desktop.open(nullptr, "mailto:support@example.com");
        TKURL2 link;
        link.setChoose(TKURL2::ltEMAIL);
        link.setURLorEMAIL("help@example.org");
        link.OpenLink();
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl("https://www.example.com/marvane"),
                                            QUrl("mailto:support@example.com"),
                                            QUrl("mailto:help@example.org")}));
        QCOMPARE(recorder.calls.size(), 0);
    }

private:
    RecordingLauncher recorder;
};

QTEST_MAIN(KURL2Test)
#include "tst_kurl2.moc"
