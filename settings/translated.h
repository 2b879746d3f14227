// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the settings store and the file reader give the player: English, or the program's
// language where it has a catalogue. Each text is marked where it is written with
// QT_TRANSLATE_NOOP("Settings", ...) for the translation tools.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace marvane {

inline QString translated(const char* text) {
    return QCoreApplication::translate("Settings", text);
}

}  // namespace marvane
