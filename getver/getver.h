// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace marvane {

// Reads the standard version strings of a file: "CompanyName", "FileDescription",
// "FileVersion", "InternalName", "LegalCopyright", "OriginalFilename", "ProductName" and
// "ProductVersion", in that order, from the string table of the file's first translation.
// A name whose value is empty is skipped, so positions in VersionStrings shift past it; the
// first name the table lacks ends the list. Nothing here throws: a file that cannot be read, has
// no version information or is damaged gives fewer or no entries.
class TGetVersionInfoFromFile : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(QStringList VersionStrings READ VersionStrings)
    Q_PROPERTY(QStringList VersionCategories READ VersionCategories)

public:
    explicit TGetVersionInfoFromFile(QObject* owner = nullptr);

    QString fileName() const { return fileName_; }
    // Clears both lists. A name of an existing file is kept and read at once; any other name
    // (a missing file, a folder) leaves fileName empty.
    void setFileName(const QString& name);

    // The values found, and their names: entry i of one belongs to entry i of the other.
    QStringList VersionStrings() const { return strings_; }
    QStringList VersionCategories() const { return categories_; }

private:
    void LoadVersionInfo();

    QString fileName_;
    QStringList strings_;
    QStringList categories_;
};

// The "InternalName" and "FileVersion" of the running program's own file when its table has
// every name before them (positions 3 and 2 of VersionStrings); otherwise the entry that moved
// up to that position, or the empty text. Each call reads the file afresh.
QString ReadTitle() noexcept;
QString ReadVersion() noexcept;

}  // namespace marvane
