// The main window's menus, menu bar and status bar.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "window/marvaneform_controls.h"

namespace marvane {

// The menus and their items exist from the start; the bar that shows them is built when it
// has something to show: its standard icons and the image plug-ins they load cost more than
// the menus.
void TMarvaneForm::Controls::buildMenus(QMainWindow& window) {
    auto menu = [&window](const char* caption, const char* name) {
        auto* menu = new QMenu(caption, &window);
        menu->setObjectName(name);
        return menu;
    };
    auto item = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    QuitMenu = menu("Quit", "QuitMenu");
    LeaveMarvane1 = item(QuitMenu, "LeaveMarvane1", "Leave Marvane");
    HelpMenu = menu("Help", "HelpMenu");
    Rules1 = item(HelpMenu, "Rules1", "Rules");
    ContactCorvath1 = item(HelpMenu, "ContactCorvath1", "Contact Corvath");
    VisitourWebsite1 = item(HelpMenu, "VisitourWebsite1", "Visit our Website");
    OptionsMenu = menu("Options", "OptionsMenu");
    HideMenu = item(OptionsMenu, "HideMenu", "Hide Menu");
    QMenu* ColourMenu = OptionsMenu->addMenu("Colours");
    ColourMenu->setObjectName("ColourMenu");
    Blackwhite = item(ColourMenu, "Blackwhite", "Black..White");
    redgreen = item(ColourMenu, "redgreen", "Red..Green");
    aquayello = item(ColourMenu, "aquayello", "Aqua..Yellow");
    int tag = 0;
    for (QAction* scheme : {Blackwhite, redgreen, aquayello}) scheme->setData(tag++);
    ShowStatus1 = item(OptionsMenu, "ShowStatus1", "Show Status");
    ShowStatus1->setCheckable(true);
    ShowStatus1->setChecked(true);
    Locate = item(OptionsMenu, "Locate", "Locate");
    Autoplay = new QAction("Autoplay", &window);
    Autoplay->setObjectName("Autoplay");
    for (QMenu* m : {QuitMenu, HelpMenu, OptionsMenu}) m->menuAction()->setVisible(false);
}

void TMarvaneForm::Controls::buildMenuBar(QMainWindow& window, QMenu* gameMenu) {
    if (window.menuWidget()) return;
    QMenuBar* bar = window.menuBar();
    bar->setObjectName("Menu");
    for (QMenu* m : {QuitMenu, HelpMenu, OptionsMenu}) bar->addMenu(m);
    bar->addAction(Autoplay);
    bar->addMenu(gameMenu);
    // A window already on screen would show its new bar only one event later, in a frame of
    // its own.
    bar->show();
}

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
