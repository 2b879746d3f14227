// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: the program's own catalogue and Qt's.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

namespace marvane {

// Installs the program's catalogue for the first of `locale`'s languages that has one, and then
// Qt's own catalogue of that language (its dialogs and standard buttons) where the system has it.
// Returns the language installed ("de", "pt_BR"), or an empty text when there is none: English
// and every language without a catalogue load nothing at all, so the window stays as designed.
// Call it before the window is built.
QString installTranslations(const QLocale& locale = QLocale::system());

// Puts `catalogue` in place of the program's catalogue in use (none: English), and Qt's own
// catalogue of `language` beside it where the system has one. The application takes ownership.
void useCatalogue(QTranslator* catalogue, const QString& language = {});

// Whether a catalogue of the program is in use.
bool translationInstalled();

// The languages the program carries a catalogue for, as "de", "pt_BR", ...
QStringList shippedLanguages();

}  // namespace marvane
