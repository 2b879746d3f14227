// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keylist.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QStringList>
#include <QWidget>

namespace marvane {

namespace {

// The key list's texts, in the player's language. The window's keys carry their description and
// place in English (marked for the catalogue with the "KeyList" context where they are set), and
// are translated here, where the list is made.
QString translated(const QString& text) {
    return QCoreApplication::translate("KeyList", text.toUtf8().constData());
}

struct ControlKey {
    const char* keys;
    const char* where;
    const char* what;
};

// Keys the board handles itself (window/boardimage.cpp); they come first.
constexpr ControlKey kBoardKeys[] = {
    {QT_TRANSLATE_NOOP("KeyList", "Arrow keys"), QT_TRANSLATE_NOOP("KeyList", "board"),
     QT_TRANSLATE_NOOP("KeyList", "move the focus square")},
    {QT_TRANSLATE_NOOP("KeyList", "Home, End"), QT_TRANSLATE_NOOP("KeyList", "board"),
     QT_TRANSLATE_NOOP("KeyList", "go to the first or last square of the focus square's row")},
    {QT_TRANSLATE_NOOP("KeyList", "a-h, then 1-8"), QT_TRANSLATE_NOOP("KeyList", "board"),
     QT_TRANSLATE_NOOP("KeyList", "go to that column and row (\"e3\")")},
    {QT_TRANSLATE_NOOP("KeyList", "Space, Enter"), QT_TRANSLATE_NOOP("KeyList", "board"),
     QT_TRANSLATE_NOOP("KeyList", "play the focus square, exactly as a click on it would")},
};

// Keys the other controls and Qt's own widgets handle; they come after the window's keys.
constexpr ControlKey kControlKeys[] = {
    {QT_TRANSLATE_NOOP("KeyList", "Up, Down, Home, End"), QT_TRANSLATE_NOOP("KeyList", "move list"),
     QT_TRANSLATE_NOOP("KeyList", "step to the next, previous, first or last position")},
    {QT_TRANSLATE_NOOP("KeyList", "Esc"), QT_TRANSLATE_NOOP("KeyList", "move list, keys list"),
     QT_TRANSLATE_NOOP("KeyList", "close that window")},
    {QT_TRANSLATE_NOOP("KeyList", "Tab, Shift+Tab"),
     QT_TRANSLATE_NOOP("KeyList", "options panel open"),
     QT_TRANSLATE_NOOP("KeyList", "move between the board and the panel's controls")},
    {QT_TRANSLATE_NOOP("KeyList", "Up, Down, Page Up, Page Down"),
     QT_TRANSLATE_NOOP("KeyList", "response time box"),
     QT_TRANSLATE_NOOP("KeyList", "change the response time (Page keys in steps of 100 ms)")},
    {QT_TRANSLATE_NOOP("KeyList", "Space"), QT_TRANSLATE_NOOP("KeyList", "options check boxes"),
     QT_TRANSLATE_NOOP("KeyList", "tick or untick the box")},
    {QT_TRANSLATE_NOOP("KeyList", "Alt, then arrows, Enter, Esc"),
     QT_TRANSLATE_NOOP("KeyList", "menu bar shown"),
     QT_TRANSLATE_NOOP("KeyList", "open and work the menus")},
};

QString keysText(const QList<QKeySequence>& sequences) {
    QStringList texts;
    for (const QKeySequence& keys : sequences) texts << keys.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

QString whereOf(const QObject& key) {
    const QString where = key.property(kKeyWhereProperty).toString();
    return translated(where.isEmpty() ? QStringLiteral(QT_TRANSLATE_NOOP("KeyList", "anywhere"))
                                      : where);
}

// "Move List (Game menu)": the item's caption without its keys, and its menu.
QString describeAction(const QAction& action) {
    if (!action.whatsThis().isEmpty()) return translated(action.whatsThis());
    QString caption = action.text().section(QLatin1Char('\t'), 0, 0);
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    for (const QObject* owner : action.associatedObjects())
        if (const auto* menu = qobject_cast<const QMenu*>(owner))
            return QCoreApplication::translate("KeyList", "%1 (%2 menu)")
                .arg(caption, menu->title().remove('&'));
    return caption;
}

// A shortcut that does what a menu item does is named by the item that shows its keys.
QString describeShortcut(const QShortcut& shortcut, const QList<QAction*>& actions) {
    if (!shortcut.whatsThis().isEmpty()) return translated(shortcut.whatsThis());
    const QString keys = shortcut.key().toString(QKeySequence::NativeText);
    for (const QAction* action : actions)
        if (action->text().section(QLatin1Char('\t'), 1) == keys) return describeAction(*action);
    return shortcut.objectName();
}

}  // namespace

QList<KeyEntry> keyList(const QWidget& window) {
    QList<KeyEntry> entries;
    const auto fixed = [](const ControlKey& key) {
        return KeyEntry{translated(key.keys), translated(key.where), translated(key.what)};
    };
    for (const ControlKey& key : kBoardKeys) entries.append(fixed(key));
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
    for (const ControlKey& key : kControlKeys) entries.append(fixed(key));
    return entries;
}

QString keysDescription(const QList<KeyEntry>& keys) {
    QStringList sentences;
    for (const KeyEntry& entry : keys)
        sentences << QCoreApplication::translate("KeyList", "%1 (%2): %3.")
                         .arg(entry.keys, entry.where, entry.what);
    return QCoreApplication::translate("KeyList", "Keys.") + QLatin1Char(' ') +
           sentences.join(QLatin1Char(' '));
}

}  // namespace marvane
