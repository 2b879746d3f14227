// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingswiring.h"

#include <cstdio>
#include <exception>
#include <memory>

#include "app/maker_addresses.h"
#include "settings/settings_store.h"

namespace marvane {

SettingsStore userSettingsStore(std::function<bool()> unattended) {
    // Shared by both hooks: a save knows what the load read. Until the options have been loaded
    // the controls hold only their defaults, and a save writes nothing (a window closed before
    // its start-up ran, on a quit request at once).
    auto store = std::make_shared<OptionsStore>();
    // Loading fills the options value by value, so what was read before an error still counts.
    return {[store](Options& into) { store->load(into); },
            [store, unattended](const Options& options) {
                try {
                    store->save(options);
                } catch (const std::exception& error) {
                    if (!unattended || !unattended()) throw;
                    std::fprintf(stderr, "Marvane: the options were not saved. %s.\n",
                                 error.what());
                }
            }};
}

MakerAddresses makerAddresses() {
    return {QString::fromUtf8(kMakerWebUrl), QString::fromUtf8(kMakerSupportEmail)};
}

}  // namespace marvane
