// The user's settings as an INI file, read once and rewritten only where the program's own
// values are.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

#include "settings/registry_exception.h"
#include "settings/section_store.h"

namespace marvane {

namespace {

[[noreturn]] void fail(const char* pattern, const QString& argument) {
    throw ERegistryException(QString::fromLatin1(pattern).arg(argument).toStdString());
}

// The file's bytes, at most one more than the largest settings file (so that a file grown past
// it shows), in a buffer no larger than what was read: QIODevice::read(n) reserves all n.
QByteArray readAtMostOneOver(QIODevice& file) {
    QByteArray bytes;
    char chunk[16 * 1024];
    while (bytes.size() <= kMaxSettingsFileSize) {
        const qint64 wanted =
            std::min<qint64>(sizeof chunk, kMaxSettingsFileSize + 1 - bytes.size());
        const qint64 got = file.read(chunk, wanted);
        if (got <= 0) break;
        bytes.append(chunk, got);
    }
    return bytes;
}

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
        if (oversized_) {
            throw ERegistryException(
                QStringLiteral("The settings file %1 is larger than 1 MB and was not read, so the "
                               "default options are used. When the options are saved, it is kept "
                               "as %2 and a new settings file is written")
                    .arg(QDir::toNativeSeparators(path_), QFileInfo(asideName(path_)).fileName())
                    .toStdString());
        }
        const std::optional<QByteArray> raw = text_.rawValue(name.toUtf8());
        if (!raw) return std::nullopt;
        return decodeIniValue(*raw);
    }

    void write(const Values& values) override {
        if (values.isEmpty()) return;
        if (path_.isEmpty() || !QDir().mkpath(QFileInfo(path_).absolutePath()))
            fail("Failed to create key %1", section_);
        const QString firstName = values.constFirst().first;

        // Another running copy saving at the same moment waits for this one, so neither loses
        // the other's keys. A lock that cannot be had in time does not stop the save.
        QLockFile lock(path_ + QLatin1String(".lock"));
        lock.tryLock(2000);

        // What is on disk now, not what was read at start-up: other keys may have changed.
        QByteArray before;
        if (QFileInfo::exists(path_)) {
            QFile file(path_);
            // A file that is there but cannot be read is never replaced unseen.
            if (!file.open(QIODevice::ReadOnly)) fail("Failed to set data for '%1'", firstName);
            if (file.size() > kMaxSettingsFileSize) {
                file.close();
                if (!QFile::rename(path_, asideName(path_)))
                    fail("Failed to set data for '%1'", firstName);
            } else {
                before = readAtMostOneOver(file);
            }
        }

        IniText text(before);
        for (const auto& [name, value] : values)
            text.setValue(name.toUtf8(), encodeIniValue(value));
        if (QFileInfo::exists(path_) && text.bytes() == before) return;

        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.bytes()) != text.bytes().size() ||
            !file.commit()) {
            fail("Failed to set data for '%1'", firstName);
        }
        text_ = text;
        loaded_ = true;
        oversized_ = false;
    }

private:
    // A file that is missing or cannot be read reads as empty: every value its default.
    void load() {
        loaded_ = true;
        QFile file(path_);
        if (path_.isEmpty() || !file.open(QIODevice::ReadOnly)) return;
        if (file.size() > kMaxSettingsFileSize) {
            oversized_ = true;
            return;
        }
        QByteArray bytes = readAtMostOneOver(file);
        // It may have grown since its size was asked.
        if (bytes.size() > kMaxSettingsFileSize) {
            oversized_ = true;
            return;
        }
        text_ = IniText(std::move(bytes));
    }

    QString section_;
    QString path_;
    IniText text_;
    bool loaded_ = false;
    bool oversized_ = false;
};

}  // namespace

std::unique_ptr<SectionStore> openIniFileSection(const QString& section) {
    return std::make_unique<IniFileStore>(section);
}

}  // namespace marvane
