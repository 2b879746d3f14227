// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/statusline.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace marvane {

void StatusLine::build() {
    if (StatusBar) return;
    StatusBar = new QStatusBar(&window_);
    StatusBar->hide();
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(true);
    StatusBar->setFixedHeight(24);
    const int widths[3] = {250, 150, 150};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = new QLabel(StatusBar);
        statusPanels[i]->setFixedWidth(widths[i]);
        statusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar->addWidget(statusPanels[i]);
    }
    statusPanels[0]->setText(tr("Marvane by CORVATH"));
    window_.setStatusBar(StatusBar);
    if (!opening_.isEmpty()) showOpening(opening_);
}

void StatusLine::setShown(bool shown) {
    if (StatusBar) StatusBar->setVisible(shown);
}

void StatusLine::showOpening(const QString& name) {
    opening_ = name;
    if (!StatusBar) return;
    QLabel* panel = statusPanels[1];
    // A long name is cut short in its panel and read whole from its tip.
    const int room = panel->contentsRect().width() - 2 * panel->margin();
    panel->setText(panel->fontMetrics().elidedText(name, Qt::ElideRight, room));
    panel->setToolTip(name);
    panel->setAccessibleName(name);
}

void StatusLine::showSoundFolder(const QString& folder) {
    build();
    statusPanels[2]->setText(folder);
}

}  // namespace marvane
