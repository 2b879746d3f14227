#include "settings/settings_store.h"

#include <QString>
#include <cstdint>

#include "settings/reg_ini_file.h"

namespace {

const QString kSection = QStringLiteral("Corvath\\Marvane");

// The counter palette has colours 1..6 and a pair must be told apart on the board.
void repairColourPair(StoredOptions& options) {
    const auto isCounterColour = [](int colour) { return colour >= 1 && colour <= 6; };
    if (!isCounterColour(options.c1) || !isCounterColour(options.c2) || options.c1 == options.c2) {
        const StoredOptions defaults;
        options.c1 = defaults.c1;
        options.c2 = defaults.c2;
    }
}

}  // namespace

void LoadSettings(StoredOptions& into) {
    const StoredOptions defaults;
    into = defaults;
    const TRegIniFile store;
    into.sound = store.ReadBool(kSection, QStringLiteral("Sound"), defaults.sound);
    into.menu = store.ReadBool(kSection, QStringLiteral("Menu"), defaults.menu);
    into.status = store.ReadBool(kSection, QStringLiteral("Status"), defaults.status);
    const std::int32_t response =
        store.ReadInteger(kSection, QStringLiteral("Response"), defaults.response);
    into.response = static_cast<std::int16_t>(static_cast<std::uint16_t>(response & 0xFFFF));
    try {
        into.c1 = store.ReadInteger(kSection, QStringLiteral("C1"), defaults.c1);
        into.c2 = store.ReadInteger(kSection, QStringLiteral("C2"), defaults.c2);
    } catch (const ERegistryException&) {
        // A C1 read just before a failing C2 may equal C2's default.
        repairColourPair(into);
        throw;
    }
    repairColourPair(into);
}

void SaveSettings(const StoredOptions& from) {
    TRegIniFile store;
    store.WriteBool(kSection, QStringLiteral("Sound"), from.sound);
    store.WriteBool(kSection, QStringLiteral("Menu"), from.menu);
    store.WriteBool(kSection, QStringLiteral("Status"), from.status);
    store.WriteInteger(kSection, QStringLiteral("Response"), from.response);
    store.WriteInteger(kSection, QStringLiteral("C1"), from.c1);
    store.WriteInteger(kSection, QStringLiteral("C2"), from.c2);
}
