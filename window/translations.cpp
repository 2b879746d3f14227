// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "window/fonts.h"

namespace marvane {

namespace {

// Where the build puts the compiled catalogues among the program's resources.
const char* const kCatalogueFolder = ":/i18n";
const char* const kCataloguePrefix = "marvane_";

// The catalogues in use; the application owns them.
QPointer<QTranslator> ownCatalogue;
QPointer<QTranslator> qtCatalogue;

}  // namespace

void useCatalogue(QTranslator* catalogue, const QString& language) {
    for (QTranslator* old : {ownCatalogue.data(), qtCatalogue.data()}) {
        if (!old) continue;
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    ownCatalogue = catalogue;
    // Translated texts may hold letters the window's display faces lack.
    allowFallbackFaces(catalogue != nullptr);
    if (!catalogue) return;
    catalogue->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(catalogue);
    // Qt's texts in the same language as the program's, never in another.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!language.isEmpty() && qt->load(QLocale(language), "qtbase", "_",
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        qtCatalogue = qt;
    } else {
        delete qt;
    }
}

bool translationInstalled() { return !ownCatalogue.isNull(); }

QStringList shippedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(kCatalogueFolder).entryList({QString(kCataloguePrefix) + "*.qm"}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(int(qstrlen(kCataloguePrefix))).chopped(3);
    return languages;
}

QString installTranslations(const QLocale& locale) {
    auto* own = new QTranslator;
    // Tries each of the locale's languages in turn, "pt-BR" before "pt".
    if (!own->load(locale, "marvane", "_", kCatalogueFolder)) {
        delete own;
        useCatalogue(nullptr);
        return {};
    }
    const QString language = own->language();
    useCatalogue(own, language);
    return language;
}

}  // namespace marvane
