#include "settingswiring.h"

#include "settings_store.h"

namespace marvane {

SettingsStore userSettingsStore() {
    // Loading fills the options value by value, so what was read before an error still counts.
    return {[](WindowOptions& into) { LoadSettings(into); },
            [](const WindowOptions& options) { SaveSettings(options); }};
}

}  // namespace marvane
