#pragma once

#include <QString>
#include <cstdint>

#include "settings/registry_exception.h"

// An INI-style store of text values in the current user's settings, addressed by a section and a
// value name. A section "Org\App" is the place QSettings(NativeFormat, UserScope, "Org", "App")
// addresses: on Windows the registry key HKCU\Software\Org\App, with the values directly in it;
// elsewhere the file Org/App.conf in the user's config folder, with the values at its top level
// (QSettings' [General] group). Further levels ("Org\App\Sub") become groups inside that place.
//
// Every value is kept as text. Nothing is cached between calls: each read or write opens the
// section, works on the one value and closes the section again, and every write has reached the
// disk (or the registry) when the call returns.
class TRegIniFile {
public:
    // A missing section or value, or a store that cannot be read at all, gives `defaultValue`;
    // a damaged file yields only the values QSettings can still make out in it. A value that is
    // present but not text throws ERegistryException "Invalid data type for '<name>'"; one that is
    // present but cannot be read throws "Failed to get data for '<name>'". Text ends at its first
    // NUL character.
    QString ReadString(const QString& section, const QString& name,
                       const QString& defaultValue) const;
    // ReadString converted by parseStoredInteger(); text that is not an integer gives the default.
    std::int32_t ReadInteger(const QString& section, const QString& name,
                             std::int32_t defaultValue) const;
    // ReadInteger with the default 1 or 0; every result other than 0 is true.
    bool ReadBool(const QString& section, const QString& name, bool defaultValue) const;

    // Throws ERegistryException "Failed to create key <section>" when the place of the section
    // cannot be created (for a file store: the folder of the file), and "Failed to set data for
    // '<name>'" when the store refuses the value. Other values in the section are left alone.
    void WriteString(const QString& section, const QString& name, const QString& text);
    // Stores the signed decimal text of `value`.
    void WriteInteger(const QString& section, const QString& name, std::int32_t value);
    // Stores "1" or "0".
    void WriteBool(const QString& section, const QString& name, bool value);
};
