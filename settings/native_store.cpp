// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings through QSettings' native store: the registry on Windows, a property list
// on macOS.
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include "settings/registry_exception.h"
#include "settings/section_store.h"
#include "settings/translated.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace marvane {

namespace {

#ifdef Q_OS_WIN
// QSettings hands REG_BINARY data back as text made of its bytes; such a value is not one of
// the program's texts. Data of size zero is left to read as the empty text.
bool storedAsBinary(const QString& section, const QString& name) {
    const QString key = QStringLiteral("Software\\") + section;
    DWORD type = REG_NONE;
    DWORD size = 0;
    return RegGetValueW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(key.utf16()),
                        reinterpret_cast<LPCWSTR>(name.utf16()), RRF_RT_ANY | RRF_NOEXPAND, &type,
                        nullptr, &size) == ERROR_SUCCESS &&
           type == REG_BINARY && size > 0;
}
#endif

class NativeStore final : public SectionStore {
public:
    explicit NativeStore(const QString& section) : section_(section) {
        const QStringList levels = section.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        if (levels.isEmpty()) return;
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                levels.value(0), levels.value(1));
        settings_->setFallbacksEnabled(false);
        for (qsizetype i = 2; i < levels.size(); ++i) settings_->beginGroup(levels.at(i));
    }

    std::optional<StoredValue> read(const QString& name) override {
        if (!settings_ || !settings_->contains(name)) return std::nullopt;
        const QVariant value = settings_->value(name);
        if (!value.isValid()) return StoredValue{StoredValue::Kind::Unreadable, {}};
#ifdef Q_OS_WIN
        if (storedAsBinary(section_, name)) return StoredValue{StoredValue::Kind::NotText, {}};
#endif
        if (value.typeId() == QMetaType::QString) {
            QString text = value.toString();
            const qsizetype nul = text.indexOf(QChar(u'\0'));
            if (nul >= 0) text.truncate(nul);
            return StoredValue{StoredValue::Kind::Text, text};
        }
        // Data of size zero reads as the empty text, whatever its type.
        if (value.typeId() == QMetaType::QByteArray && value.toByteArray().isEmpty())
            return StoredValue{StoredValue::Kind::Text, {}};
        // Registry numbers, binary data and string lists.
        return StoredValue{StoredValue::Kind::NotText, {}};
    }

    QString notRead() override { return {}; }

    // QSettings writes the registry one value at a time: a failure part way leaves the values
    // before it written.
    void write(const Values& values) override {
        if (values.isEmpty()) return;
        if (!settings_) {
            throw ERegistryException(
                translated(QT_TRANSLATE_NOOP("Settings", "Failed to create key %1"))
                    .arg(section_)
                    .toStdString());
        }
        for (const auto& [name, value] : values) settings_->setValue(name, value);
        settings_->sync();
        if (settings_->status() == QSettings::AccessError) {
            throw ERegistryException(
                translated(QT_TRANSLATE_NOOP("Settings", "Failed to set data for '%1'"))
                    .arg(values.constFirst().first)
                    .toStdString());
        }
    }

private:
    QString section_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace

std::unique_ptr<SectionStore> openNativeSection(const QString& section) {
    return std::make_unique<NativeStore>(section);
}

std::unique_ptr<SectionStore> openUserSection(const QString& section) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return openNativeSection(section);
#else
    return openIniFileSection(section);
#endif
}

}  // namespace marvane
