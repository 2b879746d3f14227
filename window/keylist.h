// SPDX-License-Identifier: GPL-3.0-or-later
// Every key the program answers, in one list: the Game ▸ Keys window and the rules panel's
// description for screen readers both show it.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace marvane {

struct KeyEntry {
    QString keys;   // "Ctrl+N", or several: "Ctrl+Shift+Z, Ctrl+Y"
    QString where;  // "anywhere", "board", "move list", ...
    QString what;
    bool operator==(const KeyEntry&) const = default;
};

// Where a window key works, when not "anywhere": a property of its QShortcut or QAction.
inline constexpr char kKeyWhereProperty[] = "keyWhere";

// The keys of `window`: those the board and the other controls handle themselves, and every
// shortcut and action key the window holds, found on it, so a key added anywhere in the window
// is listed without being written down twice. A window key says what it does through its
// whatsThis; an action without one is named by its caption and menu ("Move List (Game menu)"),
// and a shortcut without one by the menu item that shows its keys. Keys with the same place
// and purpose share one entry.
QList<KeyEntry> keyList(const QWidget& window);

// The list as one paragraph, for a screen reader.
QString keysDescription(const QList<KeyEntry>& keys);

}  // namespace marvane
