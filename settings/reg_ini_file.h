// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <utility>

#include "settings/registry_exception.h"

namespace marvane {

class SectionStore;

// An INI-style store of text values in one section of the current user's settings, addressed by
// value name. The section "Org\App" is the place QSettings(NativeFormat, UserScope, "Org", "App")
// uses: on Windows the registry key HKCU\Software\Org\App, elsewhere the file Org/App.conf in the
// user's config folder, with the values at its top level (QSettings' [General] section). Only
// that place is read; system-wide and organisation-wide settings never stand in for a value.
//
// Every value is kept as text. Reads are answered from the store as it was when first read;
// writes are collected and reach the store together with UpdateFile(): in the file form in one
// write, whole or not at all; in the registry value by value.
class TRegIniFile {
public:
    explicit TRegIniFile(const QString& section);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    // A missing value, or a store that cannot be read at all, gives `defaultValue`. A value that
    // is present but not text throws ERegistryException "Invalid data type for '<name>'"; one
    // that is present but cannot be read throws "Failed to get data for '<name>'". A settings
    // file too large to be one, or not a regular file, throws a message that says so, for every
    // value. Text ends at its first NUL character.
    QString ReadString(const QString& name, const QString& defaultValue) const;
    // ReadString converted by parseStoredInteger(); text that is not an integer, including text
    // with bytes that are not UTF-8, gives the default.
    std::int32_t ReadInteger(const QString& name, std::int32_t defaultValue) const;
    // ReadInteger with the default 1 or 0; every result other than 0 is true.
    bool ReadBool(const QString& name, bool defaultValue) const;
    // Why the store as a whole could not be read (then every read throws it); empty when it was.
    QString NotRead() const;

    // Collect a value for UpdateFile(); a second write of the same name replaces the first.
    void WriteString(const QString& name, const QString& text);
    // The signed decimal text of `value`.
    void WriteInteger(const QString& name, std::int32_t value);
    // "1" or "0".
    void WriteBool(const QString& name, bool value);

    // Writes the collected values (see above for how whole); other values in the section are
    // left exactly as they were. A read-only settings file is refused, not replaced. Throws
    // ERegistryException "Failed to create key <section>" when the place of the section cannot be
    // created (for the file: its folder), and "Failed to set data for '<name>'", naming the first
    // value written (in the file form followed by ": " and the reason), when the store refuses the
    // values.
    void UpdateFile();

private:
    QString section_;
    std::unique_ptr<SectionStore> store_;
    QList<std::pair<QString, QString>> pending_;
};

}  // namespace marvane
