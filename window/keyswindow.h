// SPDX-License-Identifier: GPL-3.0-or-later
// Game ▸ Keys: every key the program answers, in a small window of its own.
#pragma once

class QWidget;

namespace marvane {

// Opens the keys window of `window` (built on first use, filled afresh from the window's keys
// every time), or brings it to the front. Escape or its Close button close it.
void showKeysWindow(QWidget& window);

}  // namespace marvane
