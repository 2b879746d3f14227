#include "window/common/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace marvane {

QString programFolder() {
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

QString findFileNoCase(const QString& folder, const QString& relative) {
    QString current = folder;
    const QStringList parts =
        QDir::fromNativeSeparators(relative).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        const QDir dir(current);
        const QString exact = dir.filePath(parts[i]);
        const QFileInfo exactInfo(exact);
        if (exactInfo.exists() && (last ? exactInfo.isFile() : exactInfo.isDir())) {
            current = exact;
            continue;
        }
        const auto filter = last ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot;
        QString match;
        for (const QString& entry : dir.entryList(filter | QDir::Hidden)) {
            if (entry.compare(parts[i], Qt::CaseInsensitive) == 0) {
                match = dir.filePath(entry);
                break;
            }
        }
        if (match.isEmpty()) return {};
        current = match;
    }
    return parts.isEmpty() ? QString() : current;
}

QString findBesideProgram(const QString& relative) {
    return findFileNoCase(programFolder(), relative);
}

bool soundFilesIn(const QString& folder) {
    // Named as the start-up check has always named them; the case does not matter.
    static const char* const files[] = {"system/ok.wav", "system/full.wav", "system/won.wav",
                                        "system/bad.wav"};
    for (const char* file : files)
        if (findFileNoCase(folder, QLatin1String(file)).isEmpty()) return false;
    return true;
}

}  // namespace marvane
