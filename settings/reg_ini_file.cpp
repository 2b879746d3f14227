#include "settings/reg_ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <memory>

#include "settings/stored_integer.h"

namespace {

// Null when the section names no place at all (an empty path).
std::unique_ptr<QSettings> openSection(const QString& section) {
    const QStringList levels = section.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (levels.isEmpty()) return nullptr;
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                levels.value(0), levels.value(1));
    for (qsizetype i = 2; i < levels.size(); ++i) settings->beginGroup(levels.at(i));
    return settings;
}

// QSettings creates registry keys itself but reports a missing config folder only as a failed
// write; creating the folder first lets a folder that cannot exist be told apart.
bool createPlaceOf(const QSettings& settings) {
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    return true;
#else
    return QDir().mkpath(QFileInfo(settings.fileName()).absolutePath());
#endif
}

[[noreturn]] void fail(const char* pattern, const QString& argument) {
    throw ERegistryException(QString::fromLatin1(pattern).arg(argument).toStdString());
}

QString textOf(const QVariant& value, const QString& name) {
    if (!value.isValid()) fail("Failed to get data for '%1'", name);
    QString text;
    if (value.typeId() == QMetaType::QString) {
        text = value.toString();
    } else if (value.typeId() == QMetaType::QByteArray && value.toByteArray().isEmpty()) {
        // A value of size zero reads as the empty text whatever its type.
    } else {
        // Registry numbers, binary data and string lists; in an INI file lists and @Variant /
        // @ByteArray values, which QSettings hands back typed.
        fail("Invalid data type for '%1'", name);
    }
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) text.truncate(nul);
    return text;
}

}  // namespace

QString TRegIniFile::ReadString(const QString& section, const QString& name,
                                const QString& defaultValue) const {
    const auto settings = openSection(section);
    // An unreadable file reads as empty; from a damaged one QSettings salvages what it can parse.
    if (!settings || !settings->contains(name)) return defaultValue;
    return textOf(settings->value(name), name);
}

std::int32_t TRegIniFile::ReadInteger(const QString& section, const QString& name,
                                      std::int32_t defaultValue) const {
    const QString text = ReadString(section, name, QString());
    return parseStoredInteger(text.toStdString()).value_or(defaultValue);
}

bool TRegIniFile::ReadBool(const QString& section, const QString& name, bool defaultValue) const {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const QString& section, const QString& name, const QString& text) {
    const auto settings = openSection(section);
    if (!settings || !createPlaceOf(*settings)) fail("Failed to create key %1", section);
    settings->setValue(name, text);
    settings->sync();
    // FormatError only says the old file was partly unreadable; QSettings still writes it anew.
    if (settings->status() == QSettings::AccessError) fail("Failed to set data for '%1'", name);
}

void TRegIniFile::WriteInteger(const QString& section, const QString& name, std::int32_t value) {
    WriteString(section, name, QString::number(value));
}

void TRegIniFile::WriteBool(const QString& section, const QString& name, bool value) {
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}
