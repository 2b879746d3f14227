#include "settings/settings_store.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <optional>

#include "settings/reg_ini_file.h"

namespace marvane {

namespace {

const QString kSection = QStringLiteral("Corvath\\Marvane");

}  // namespace

void LoadSettings(Options& into) {
    const Options defaults;
    into = defaults;
    const TRegIniFile store(kSection);
    // One bad value must not cost the others: each is read on its own, and only the first
    // error is passed on.
    std::optional<ERegistryException> firstError;
    const auto read = [&firstError](auto&& readValue) {
        try {
            readValue();
        } catch (const ERegistryException& error) {
            if (!firstError) firstError = error;
        }
    };
    read([&] { into.sound = store.ReadBool(QStringLiteral("Sound"), defaults.sound); });
    read([&] { into.menu = store.ReadBool(QStringLiteral("Menu"), defaults.menu); });
    read([&] { into.status = store.ReadBool(QStringLiteral("Status"), defaults.status); });
    read([&] {
        const std::int32_t response =
            store.ReadInteger(QStringLiteral("Response"), defaults.response);
        // The control's position is 16 bits; a number beyond them is taken as the nearer end,
        // so that the control clamps 70000 to its maximum as it does 9999, rather than seeing
        // whatever its low 16 bits say.
        into.response = std::clamp<std::int32_t>(response, INT16_MIN, INT16_MAX);
    });
    read([&] { into.c1 = store.ReadInteger(QStringLiteral("C1"), defaults.c1); });
    read([&] { into.c2 = store.ReadInteger(QStringLiteral("C2"), defaults.c2); });
    read([&] { into.lastMove = store.ReadBool(QStringLiteral("LastMove"), defaults.lastMove); });
    read([&] {
        into.legalMoves = store.ReadBool(QStringLiteral("LegalMoves"), defaults.legalMoves);
    });
    read([&] {
        into.coordinates = store.ReadBool(QStringLiteral("Coordinates"), defaults.coordinates);
    });
    read([&] {
        into.evaluations = store.ReadBool(QStringLiteral("Evaluations"), defaults.evaluations);
    });
    read([&] {
        into.expertHard = store.ReadBool(QStringLiteral("ExpertHard"), defaults.expertHard);
    });
    if (firstError) throw *firstError;
}

void SaveSettings(const Options& from) {
    TRegIniFile store(kSection);
    store.WriteBool(QStringLiteral("Sound"), from.sound);
    store.WriteBool(QStringLiteral("Menu"), from.menu);
    store.WriteBool(QStringLiteral("Status"), from.status);
    store.WriteInteger(QStringLiteral("Response"), from.response);
    store.WriteInteger(QStringLiteral("C1"), from.c1);
    store.WriteInteger(QStringLiteral("C2"), from.c2);
    // Last, so the six older values keep their lines and the error a failed save names.
    store.WriteBool(QStringLiteral("LastMove"), from.lastMove);
    store.WriteBool(QStringLiteral("LegalMoves"), from.legalMoves);
    store.WriteBool(QStringLiteral("Coordinates"), from.coordinates);
    store.WriteBool(QStringLiteral("Evaluations"), from.evaluations);
    store.WriteBool(QStringLiteral("ExpertHard"), from.expertHard);
    store.UpdateFile();
}

}  // namespace marvane
