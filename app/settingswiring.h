#pragma once

#include "marvaneform.h"

namespace marvane {

// The main window's options kept in the user's settings store.
SettingsStore userSettingsStore();

}  // namespace marvane
