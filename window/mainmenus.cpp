// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/mainmenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace marvane {

MainMenus::MainMenus(QMainWindow& window) : window_(window) {
    auto menu = [&window](const char* caption, const char* name) {
        auto* menu = new QMenu(tr(caption), &window);
        menu->setObjectName(name);
        return menu;
    };
    auto item = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(tr(caption));
        action->setObjectName(name);
        return action;
    };
    QuitMenu = menu(QT_TR_NOOP("Quit"), "QuitMenu");
    LeaveMarvane1 = item(QuitMenu, "LeaveMarvane1", QT_TR_NOOP("Leave Marvane"));
    HelpMenu = menu(QT_TR_NOOP("Help"), "HelpMenu");
    Rules1 = item(HelpMenu, "Rules1", QT_TR_NOOP("Rules"));
    ContactCorvath1 = item(HelpMenu, "ContactCorvath1", QT_TR_NOOP("Contact Corvath"));
    VisitourWebsite1 = item(HelpMenu, "VisitourWebsite1", QT_TR_NOOP("Visit our Website"));
    OptionsMenu = menu(QT_TR_NOOP("Options"), "OptionsMenu");
    HideMenu = item(OptionsMenu, "HideMenu", QT_TR_NOOP("Hide Menu"));
    QMenu* ColourMenu = OptionsMenu->addMenu(tr("Colours"));
    ColourMenu->setObjectName("ColourMenu");
    Blackwhite = item(ColourMenu, "Blackwhite", QT_TR_NOOP("Black..White"));
    redgreen = item(ColourMenu, "redgreen", QT_TR_NOOP("Red..Green"));
    aquayello = item(ColourMenu, "aquayello", QT_TR_NOOP("Aqua..Yellow"));
    int tag = 0;
    for (QAction* scheme : {Blackwhite, redgreen, aquayello}) scheme->setData(tag++);
    ShowStatus1 = item(OptionsMenu, "ShowStatus1", QT_TR_NOOP("Show Status"));
    ShowStatus1->setCheckable(true);
    ShowStatus1->setChecked(true);
    Locate = item(OptionsMenu, "Locate", QT_TR_NOOP("Locate"));
    Autoplay = new QAction(tr("Autoplay"), &window);
    Autoplay->setObjectName("Autoplay");
    for (QMenu* m : {QuitMenu, HelpMenu, OptionsMenu}) m->menuAction()->setVisible(false);
}

void MainMenus::wire(const Handlers& handlers) {
    // A checkable item ticks itself before its handler runs; the handler decides instead.
    QObject::connect(ShowStatus1, &QAction::triggered, ShowStatus1,
                     [item = ShowStatus1](bool checked) { item->setChecked(!checked); });
    const std::pair<QAction*, const std::function<void()>&> items[] = {
        {LeaveMarvane1, handlers.LeaveMarvane1Click},
        {Rules1, handlers.Rules1Click},
        {ContactCorvath1, handlers.ContactCorvath1Click},
        {VisitourWebsite1, handlers.VisitourWebsite1Click},
        {HideMenu, handlers.HideMenuClick},
        {ShowStatus1, handlers.ShowStatus1Click},
        {Locate, handlers.LocateClick},
        {Autoplay, handlers.AutoplayClick}};
    for (const auto& [item, handler] : items)
        QObject::connect(item, &QAction::triggered, item, [handler = handler] { handler(); });
    for (QAction* scheme : {Blackwhite, redgreen, aquayello})
        QObject::connect(
            scheme, &QAction::triggered, scheme,
            [handler = handlers.ColourMenuClick, tag = scheme->data().toInt()] { handler(tag); });
}

void MainMenus::buildMenuBar(QMenu* gameMenu) {
    if (window_.menuWidget()) return;
    QMenuBar* bar = window_.menuBar();
    bar->setObjectName("Menu");
    for (QMenu* m : {QuitMenu, HelpMenu, OptionsMenu}) bar->addMenu(m);
    bar->addAction(Autoplay);
    bar->addMenu(gameMenu);
    // A window already on screen would show its new bar only one event later, in a frame of
    // its own.
    bar->show();
}

void MainMenus::setShown(bool shown) {
    for (QMenu* m : {QuitMenu, HelpMenu, OptionsMenu}) m->menuAction()->setVisible(shown);
    Autoplay->setVisible(shown);
}

bool MainMenus::statusTicked() const { return ShowStatus1->isChecked(); }

void MainMenus::setStatusTicked(bool ticked) { ShowStatus1->setChecked(ticked); }

}  // namespace marvane
