// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

#include "settings/ini_text.h"

namespace marvane {

// One section of the current user's settings ("Org\App"), where the platform keeps it. Only the
// user's own place counts: nothing is read from system-wide or organisation-wide defaults.
class SectionStore {
public:
    using Values = QList<std::pair<QString, QString>>;

    virtual ~SectionStore() = default;

    // None when the value is not there, or when the store cannot be read at all. Throws
    // ERegistryException when the store is there but refused as a whole (a settings file too
    // large to be one, or not a regular file).
    virtual std::optional<StoredValue> read(const QString& name) = 0;

    // Why the store as a whole could not be read, in the player's language; empty when it was
    // read. A store that is not there holds no values and counts as read.
    virtual QString notRead() = 0;

    // Stores every value as text. Throws ERegistryException "Failed to create key <section>"
    // when the place of the section cannot be created, and "Failed to set data for '<name of the
    // first value>'" (in the file form followed by ": <why>") when the values cannot be written.
    // The file form writes them in one write that happens whole or not at all; the registry
    // writes them one by one, so a failure there can leave the values before it written.
    virtual void write(const Values& values) = 0;
};

// On Windows the registry key HKCU\Software\Org\App, on macOS its property list, elsewhere the
// INI file Org/App.conf in the user's config folder ($XDG_CONFIG_HOME, by default ~/.config):
// the places QSettings(NativeFormat, UserScope, "Org", "App") uses.
std::unique_ptr<SectionStore> openUserSection(const QString& section);

// The file form, on every platform. A file larger than kMaxSettingsFileSize is not read; the
// next write moves it aside (to "<file>.bad") and starts a new file, as it does when the values
// would make the file larger than that. A file that is not a regular file is neither read nor
// written, and neither is a read-only file written: a write that would change it fails.
std::unique_ptr<SectionStore> openIniFileSection(const QString& section);
inline constexpr qint64 kMaxSettingsFileSize = 1024 * 1024;

// The QSettings form, used where the native store is not a file.
std::unique_ptr<SectionStore> openNativeSection(const QString& section);

}  // namespace marvane
