// SPDX-License-Identifier: GPL-3.0-or-later
// The designed menus: Quit, Help, Options with its Colours, and the Autoplay item on the bar.
#pragma once

#include <QCoreApplication>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace marvane {

// The menus and their items exist from the start, hidden; the bar that shows them is built when
// it has something to show: its standard icons and the image plug-ins they load cost more than
// the menus. The window owns them all.
class MainMenus {
    Q_DECLARE_TR_FUNCTIONS(MainMenus)

public:
    explicit MainMenus(QMainWindow& window);

    struct Handlers {
        std::function<void()> LeaveMarvane1Click, Rules1Click, ContactCorvath1Click,
            VisitourWebsite1Click, HideMenuClick, ShowStatus1Click, LocateClick, AutoplayClick;
        // With the tag of the scheme chosen: its place in the colour schemes.
        std::function<void(int tag)> ColourMenuClick;
    };
    void wire(const Handlers& handlers);

    // Builds the menu bar with the menus and then `gameMenu`; only the first call builds.
    void buildMenuBar(QMenu* gameMenu);
    void setShown(bool shown);
    // The Show Status item's tick, which only its handler changes.
    bool statusTicked() const;
    void setStatusTicked(bool ticked);

private:
    QMainWindow& window_;
    QMenu *QuitMenu = nullptr, *HelpMenu = nullptr, *OptionsMenu = nullptr;
    QAction *LeaveMarvane1 = nullptr, *Rules1 = nullptr, *ContactCorvath1 = nullptr,
            *VisitourWebsite1 = nullptr, *HideMenu = nullptr, *ShowStatus1 = nullptr,
            *Locate = nullptr, *Autoplay = nullptr;
    QAction *Blackwhite = nullptr, *redgreen = nullptr, *aquayello = nullptr;
};

}  // namespace marvane
