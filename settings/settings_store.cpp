// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include <QString>
#include <algorithm>
#include <optional>

#include "settings/reg_ini_file.h"

namespace marvane {

namespace {

const QString kSection = QStringLiteral("Corvath\\Marvane");

QString keyOf(const OptionRow& option) {
    return QString::fromLatin1(option.key.data(), static_cast<qsizetype>(option.key.size()));
}

// One bad value must not cost the others: each is read on its own, and only the first error is
// passed on.
void readOptions(const TRegIniFile& store, Options& into) {
    into = Options{};
    std::optional<ERegistryException> firstError;
    for (const OptionRow& option : kOptionTable) {
        try {
            if (option.kind == OptionKind::Flag) {
                option.set(into, store.ReadBool(keyOf(option), option.defaultValue != 0));
                continue;
            }
            int value = store.ReadInteger(keyOf(option), option.defaultValue);
            if (option.kind == OptionKind::Number)
                value = std::clamp(value, option.min, option.max);
            option.set(into, value);
        } catch (const ERegistryException& error) {
            if (!firstError) firstError = error;
        }
    }
    if (firstError) throw *firstError;
}

// Writes the options for which `write` holds, in the table's order.
template <typename Predicate>
void writeOptions(const Options& from, Predicate write) {
    TRegIniFile store(kSection);
    bool any = false;
    for (const OptionRow& option : kOptionTable) {
        if (!write(option)) continue;
        if (option.kind == OptionKind::Flag)
            store.WriteBool(keyOf(option), option.get(from) != 0);
        else
            store.WriteInteger(keyOf(option), option.get(from));
        any = true;
    }
    if (any) store.UpdateFile();
}

}  // namespace

void OptionsStore::load(Options& into) {
    const TRegIniFile store(kSection);
    loaded_ = store.NotRead().isEmpty() ? Loaded::Read : Loaded::NotRead;
    try {
        readOptions(store, into);
    } catch (...) {
        given_ = into;
        throw;
    }
    given_ = into;
}

void OptionsStore::save(const Options& from) {
    switch (loaded_) {
        case Loaded::Not: return;
        case Loaded::Read: writeOptions(from, [](const OptionRow&) { return true; }); return;
        case Loaded::NotRead:
            writeOptions(from, [&](const OptionRow& option) {
                return option.get(from) != option.get(given_);
            });
            return;
    }
}

void LoadSettings(Options& into) { OptionsStore().load(into); }

void SaveSettings(const Options& from) {
    writeOptions(from, [](const OptionRow&) { return true; });
}

}  // namespace marvane
