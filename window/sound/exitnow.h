// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace marvane {

// Ends the process with `code` once the application object is gone, without running the static
// destructors. Qt 6.4's PulseAudio engine is one of them and disconnects from the server without
// the lock of libpulse's thread, which still runs: a crash in one exit out of a few dozen.
// Output streams are flushed first; sanitizer builds run their leak check first.
[[noreturn]] void exitNow(int code);

}  // namespace marvane
