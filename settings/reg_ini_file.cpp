// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/reg_ini_file.h"

#include "settings/section_store.h"
#include "settings/stored_integer.h"
#include "settings/translated.h"

namespace marvane {

TRegIniFile::TRegIniFile(const QString& section)
    : section_(section), store_(openUserSection(section)) {}

TRegIniFile::~TRegIniFile() = default;

QString TRegIniFile::ReadString(const QString& name, const QString& defaultValue) const {
    const std::optional<StoredValue> value = store_->read(name);
    if (!value) return defaultValue;
    switch (value->kind) {
        case StoredValue::Kind::Text: return value->text;
        case StoredValue::Kind::NotText:
            throw ERegistryException(
                translated(QT_TRANSLATE_NOOP("Settings", "Invalid data type for '%1'"))
                    .arg(name)
                    .toStdString());
        case StoredValue::Kind::Unreadable: break;
    }
    throw ERegistryException(
        translated(QT_TRANSLATE_NOOP("Settings", "Failed to get data for '%1'"))
            .arg(name)
            .toStdString());
}

std::int32_t TRegIniFile::ReadInteger(const QString& name, std::int32_t defaultValue) const {
    const QString text = ReadString(name, QString());
    return parseStoredInteger(text.toStdString()).value_or(defaultValue);
}

bool TRegIniFile::ReadBool(const QString& name, bool defaultValue) const {
    return ReadInteger(name, defaultValue ? 1 : 0) != 0;
}

QString TRegIniFile::NotRead() const { return store_->notRead(); }

void TRegIniFile::WriteString(const QString& name, const QString& text) {
    for (auto& [pendingName, pendingText] : pending_) {
        if (pendingName == name) {
            pendingText = text;
            return;
        }
    }
    pending_.append({name, text});
}

void TRegIniFile::WriteInteger(const QString& name, std::int32_t value) {
    WriteString(name, QString::number(value));
}

void TRegIniFile::WriteBool(const QString& name, bool value) {
    WriteString(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TRegIniFile::UpdateFile() {
    store_->write(pending_);
    pending_.clear();
}

}  // namespace marvane
