// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/common/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "getver/getver.h"
#include "window/common/soundfiles.h"

namespace marvane {

QString programFolder() {
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

const ProgramVersion& programVersion() {
    static const ProgramVersion version = [] {
        ProgramVersion read;
        read.version = ReadVersion();
        read.title = ReadTitle();
        return read;
    }();
    return version;
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
    for (const char* file : kSoundFileNames) {
        if (findFileNoCase(folder, QLatin1String(kSoundFolder) + QLatin1String(file)).isEmpty())
            return false;
    }
    return true;
}

}  // namespace marvane
