#pragma once

#include "window/marvaneform.h"

namespace marvane {

// The main window's options kept in the user's settings store.
SettingsStore userSettingsStore();

// The maker's addresses this build was configured with.
MakerAddresses makerAddresses();

}  // namespace marvane
