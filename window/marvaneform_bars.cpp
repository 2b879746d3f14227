// The main window's status bar.
#include <QLabel>
#include <QStatusBar>

#include "window/marvaneform_controls.h"

namespace marvane {

void TMarvaneForm::Controls::buildStatusBar(QMainWindow& window) {
    if (StatusBar) return;
    StatusBar = new QStatusBar(&window);
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
    statusPanels[0]->setText("Marvane by CORVATH");
    window.setStatusBar(StatusBar);
}

}  // namespace marvane
