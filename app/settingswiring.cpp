#include "app/settingswiring.h"

#include "app/maker_addresses.h"
#include "settings/settings_store.h"

namespace marvane {

SettingsStore userSettingsStore() {
    // Loading fills the options value by value, so what was read before an error still counts.
    return {[](Options& into) { LoadSettings(into); },
            [](const Options& options) { SaveSettings(options); }};
}

MakerAddresses makerAddresses() {
    return {QString::fromUtf8(kMakerWebUrl), QString::fromUtf8(kMakerSupportEmail)};
}

}  // namespace marvane
