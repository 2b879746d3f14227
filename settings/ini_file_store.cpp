// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings as an INI file, read once and rewritten only where the program's own
// values are.
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>

#include "settings/registry_exception.h"
#include "settings/section_store.h"
#include "settings/translated.h"
#include "settings/whole_file.h"

namespace marvane {

namespace {

// The first of "<file>.bad", "<file>.bad.2", ... that does not exist yet, so that no earlier
// damaged file is ever overwritten.
QString asideName(const QString& path) {
    QString aside = path + QLatin1String(".bad");
    for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n)
        aside = path + QLatin1String(".bad.") + QString::number(n);
    return aside;
}

class IniFileStore final : public SectionStore {
public:
    explicit IniFileStore(const QString& section) : section_(section) {
        const QStringList levels = section.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        if (levels.isEmpty() || levels.size() > 2) return;
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        if (folder.isEmpty()) return;
        path_ = folder + QLatin1Char('/') + levels.join(QLatin1Char('/')) + QLatin1String(".conf");
    }

    std::optional<StoredValue> read(const QString& name) override {
        if (!loaded_) load();
        if (!refusal_.isEmpty()) throw ERegistryException(refusal_.toStdString());
        const std::optional<QByteArray> raw = text_.rawValue(name.toUtf8());
        if (!raw) return std::nullopt;
        return decodeIniValue(*raw);
    }

    QString notRead() override {
        if (!loaded_) load();
        return refusal_;
    }

    void write(const Values& values) override {
        if (values.isEmpty()) return;
        if (path_.isEmpty() || !QDir().mkpath(QFileInfo(path_).absolutePath())) {
            throw ERegistryException(
                translated(QT_TRANSLATE_NOOP("Settings", "Failed to create key %1"))
                    .arg(section_)
                    .toStdString());
        }
        const QString firstName = values.constFirst().first;
        const auto fail = [&firstName](const QString& why) {
            throw ERegistryException(
                translated(QT_TRANSLATE_NOOP("Settings", "Failed to set data for '%1': %2"))
                    .arg(firstName, why)
                    .toStdString());
        };

        // Another running copy saving at the same moment waits for this one, so neither loses
        // the other's keys. A lock that cannot be had in time does not stop the save.
        QLockFile lock(path_ + QLatin1String(".lock"));
        lock.tryLock(2000);

        // What is on disk now, not what was read at start-up: other keys may have changed. A
        // file that is there but cannot be read is never replaced unseen.
        const FileRead current = readRegularFile(path_, kMaxSettingsFileSize);
        QString keptAs;
        switch (current.outcome) {
            case FileRead::Outcome::Read:
            case FileRead::Outcome::Missing: break;
            case FileRead::Outcome::TooLarge: keptAs = asideName(path_); break;
            case FileRead::Outcome::NotRegular: fail(notRegular(current.kind)); break;
            case FileRead::Outcome::Failed: fail(current.error); break;
        }

        const auto withValues = [&values](QByteArray before) {
            IniText text(std::move(before));
            for (const auto& [name, value] : values)
                text.setValue(name.toUtf8(), encodeIniValue(value));
            return text;
        };
        IniText text = withValues(current.bytes);
        if (current.outcome == FileRead::Outcome::Read && text.bytes() == current.bytes) return;
        // The player's way of keeping the file as it is.
        if (current.kind == FileKind::Regular && current.readOnly) {
            //: %1 is the settings file's path.
            fail(translated(QT_TRANSLATE_NOOP("Settings", "%1 is read-only"))
                     .arg(QDir::toNativeSeparators(path_)));
        }
        // Never a file that the next start would refuse: the whole file is kept aside, as one
        // too large to read is, and the values start a new one.
        if (text.bytes().size() > kMaxSettingsFileSize) {
            keptAs = asideName(path_);
            text = withValues({});
        }
        if (const QString error = replaceFile(path_, text.bytes(), keptAs); !error.isEmpty())
            fail(error);
        text_ = text;
        loaded_ = true;
        refusal_.clear();
    }

private:
    QString notRegular(FileKind kind) const {
        //: %1 is the settings file's path, %2 what it is instead ("a folder, not a regular file").
        return translated(QT_TRANSLATE_NOOP("Settings", "%1 is %2"))
            .arg(QDir::toNativeSeparators(path_), notARegularFile(kind));
    }

    // A file that is missing reads as empty: every value its default. One that cannot be read,
    // or cannot be a settings file, gives the defaults too, and says why for every value; the
    // window then saves only the options the player changes (see OptionsStore).
    void load() {
        loaded_ = true;
        if (path_.isEmpty()) return;
        const FileRead file = readRegularFile(path_, kMaxSettingsFileSize);
        if (file.outcome == FileRead::Outcome::Read) {
            text_ = IniText(file.bytes);
        } else if (file.outcome == FileRead::Outcome::TooLarge) {
            refusal_ =
                translated(QT_TRANSLATE_NOOP(
                               "Settings",
                               "The settings file %1 is larger than 1 MB and was not read, so the "
                               "default options are used. Only the options you change are saved: "
                               "this file is then kept as %2 and a new one is written"))
                    .arg(QDir::toNativeSeparators(path_), QFileInfo(asideName(path_)).fileName());
        } else if (file.outcome == FileRead::Outcome::NotRegular) {
            //: %1 is the settings file's path and what it is instead ("... is a folder, not a
            //: regular file").
            refusal_ = translated(QT_TRANSLATE_NOOP(
                                      "Settings",
                                      "The settings file %1, so the default options are used. "
                                      "Only the options you change are saved"))
                           .arg(notRegular(file.kind));
        } else if (file.outcome == FileRead::Outcome::Failed) {
            //: %1 is the settings file's path, %2 the system's reason ("Permission denied").
            refusal_ = translated(QT_TRANSLATE_NOOP(
                                      "Settings",
                                      "The settings file %1 could not be read (%2), so the default "
                                      "options are used. Only the options you change are saved"))
                           .arg(QDir::toNativeSeparators(path_), file.error);
        }
    }

    QString section_;
    QString path_;
    IniText text_;
    bool loaded_ = false;
    QString refusal_;  // why the file was not read, when it is there but was not
};

}  // namespace

std::unique_ptr<SectionStore> openIniFileSection(const QString& section) {
    return std::make_unique<IniFileStore>(section);
}

}  // namespace marvane
