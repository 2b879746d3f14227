#include "window/keylist.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QStringList>
#include <QWidget>

namespace marvane {

namespace {

struct ControlKey {
    const char* keys;
    const char* where;
    const char* what;
};

// Keys the board handles itself (window/boardimage.cpp); they come first.
constexpr ControlKey kBoardKeys[] = {
    {"Arrow keys", "board", "move the focus square"},
    {"Home, End", "board", "go to the first or last square of the focus square's row"},
    {"a-h, then 1-8", "board", "go to that column and row (\"e3\")"},
    {"Space, Enter", "board", "play the focus square, exactly as a click on it would"},
};

// Keys the other controls and Qt's own widgets handle; they come after the window's keys.
constexpr ControlKey kControlKeys[] = {
    {"Up, Down, Home, End", "move list", "step to the next, previous, first or last position"},
    {"Esc", "move list, keys list", "close that window"},
    {"Tab, Shift+Tab", "options panel open", "move between the board and the panel's controls"},
    {"Up, Down, Page Up, Page Down", "response time box",
     "change the response time (Page keys in steps of 100 ms)"},
    {"Space", "options check boxes", "tick or untick the box"},
    {"Alt, then arrows, Enter, Esc", "menu bar shown", "open and work the menus"},
};

QString keysText(const QList<QKeySequence>& sequences) {
    QStringList texts;
    for (const QKeySequence& keys : sequences) texts << keys.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

QString whereOf(const QObject& key) {
    const QString where = key.property(kKeyWhereProperty).toString();
    return where.isEmpty() ? QStringLiteral("anywhere") : where;
}

// "Move List (Game menu)": the item's caption without its keys, and its menu.
QString describeAction(const QAction& action) {
    if (!action.whatsThis().isEmpty()) return action.whatsThis();
    QString caption = action.text().section(QLatin1Char('\t'), 0, 0);
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    for (const QObject* owner : action.associatedObjects())
        if (const auto* menu = qobject_cast<const QMenu*>(owner))
            return QStringLiteral("%1 (%2 menu)").arg(caption, menu->title().remove('&'));
    return caption;
}

// A shortcut that does what a menu item does is named by the item that shows its keys.
QString describeShortcut(const QShortcut& shortcut, const QList<QAction*>& actions) {
    if (!shortcut.whatsThis().isEmpty()) return shortcut.whatsThis();
    const QString keys = shortcut.key().toString(QKeySequence::NativeText);
    for (const QAction* action : actions)
        if (action->text().section(QLatin1Char('\t'), 1) == keys) return describeAction(*action);
    return shortcut.objectName();
}

}  // namespace

QList<KeyEntry> keyList(const QWidget& window) {
    QList<KeyEntry> entries;
    for (const ControlKey& key : kBoardKeys) entries.append({key.keys, key.where, key.what});
    // Keys with the same place and purpose join one entry: "Ctrl+Shift+Z, Ctrl+Y".
    const auto add = [&entries](const QString& keys, const QString& where, const QString& what) {
        for (KeyEntry& entry : entries) {
            if (entry.where == where && entry.what == what) {
                entry.keys += QStringLiteral(", ") + keys;
                return;
            }
        }
        entries.append({keys, where, what});
    };
    const QList<QAction*> actions = window.findChildren<QAction*>();
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>())
        if (!shortcut->key().isEmpty())
            add(keysText({shortcut->key()}), whereOf(*shortcut),
                describeShortcut(*shortcut, actions));
    for (const QAction* action : actions)
        if (!action->shortcuts().isEmpty())
            add(keysText(action->shortcuts()), whereOf(*action), describeAction(*action));
    for (const ControlKey& key : kControlKeys) entries.append({key.keys, key.where, key.what});
    return entries;
}

QString keysDescription(const QList<KeyEntry>& keys) {
    QStringList sentences;
    for (const KeyEntry& entry : keys)
        sentences << QStringLiteral("%1 (%2): %3.").arg(entry.keys, entry.where, entry.what);
    return QStringLiteral("Keys. ") + sentences.join(QLatin1Char(' '));
}

}  // namespace marvane
