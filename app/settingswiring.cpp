#include "app/settingswiring.h"

#include <cstdio>
#include <exception>
#include <memory>

#include "app/maker_addresses.h"
#include "settings/settings_store.h"

namespace marvane {

SettingsStore userSettingsStore(std::function<bool()> unattended) {
    // Until the options have been loaded the controls hold only their defaults: a window closed
    // before its start-up ran (a quit request at once) must not write those over the user's.
    auto loaded = std::make_shared<bool>(false);
    // Loading fills the options value by value, so what was read before an error still counts.
    return {[loaded](Options& into) {
                *loaded = true;
                LoadSettings(into);
            },
            [loaded, unattended](const Options& options) {
                if (!*loaded) return;
                try {
                    SaveSettings(options);
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
