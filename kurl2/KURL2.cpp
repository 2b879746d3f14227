// SPDX-License-Identifier: GPL-3.0-or-later
#include "kurl2/KURL2.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QToolTip>

namespace marvane {

namespace {

const QString kPlaceholderAddress = QStringLiteral("https://www.example.com/");
const QString kDefaultHint = QStringLiteral("Put here the Hint for your site link!");
constexpr int kDefaultHeight = 13;

LinkLauncher& desktopLauncher() {
    static DesktopLinkLauncher desktop;
    return desktop;
}

}  // namespace

TKURL2::TKURL2(QWidget* parent) : QWidget(parent), label(new QLabel(this)) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(kDefaultHint);

    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->installEventFilter(this);

    resize(width(), kDefaultHeight);
    setURLorEMAIL(kPlaceholderAddress);
}

QString TKURL2::URLorEMAIL() const { return label->text(); }

void TKURL2::setURLorEMAIL(const QString& address) {
    label->setText(address);
    label->adjustSize();
    resize(label->width(), height());
}

bool TKURL2::ShowHint() const { return showHint; }

void TKURL2::setShowHint(bool show) { showHint = show; }

TKURL2::LinkType TKURL2::Choose() const { return choose; }

void TKURL2::setChoose(LinkType kind) { choose = kind; }

void TKURL2::setLauncher(LinkLauncher* replacement) { launcher = replacement; }

void TKURL2::OpenLink() {
    const QString address = label->text();
    LinkLauncher& opener = launcher ? *launcher : desktopLauncher();
    opener.open(this, choose == ltEMAIL ? QStringLiteral("mailto:") + address : address);
}

bool TKURL2::event(QEvent* event) {
    // The label has no tool tip of its own, so its tool tip requests end up here too.
    if (event->type() == QEvent::ToolTip && !showHint) {
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

bool TKURL2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label) {
        if (event->type() == QEvent::MouseButtonPress) {
            pressedOnLabel = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // A click, as opposed to a press that was dragged off the link before release.
            const bool clicked = pressedOnLabel && mouse->button() == Qt::LeftButton &&
                                 label->rect().contains(mouse->position().toPoint());
            pressedOnLabel = false;
            if (clicked) OpenLink();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace marvane
