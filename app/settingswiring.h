// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "window/marvaneform.h"

namespace marvane {

// The main window's options kept in the user's settings store. While `unattended` answers true
// (the program is quitting on the system's request), a failed save is written to standard error
// instead of being passed on to the window's error box.
SettingsStore userSettingsStore(std::function<bool()> unattended = {});

// The maker's addresses this build was configured with.
MakerAddresses makerAddresses();

}  // namespace marvane
