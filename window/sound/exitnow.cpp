// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/exitnow.h"

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define MARVANE_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MARVANE_LEAK_CHECK 1
#endif
#endif

#ifdef MARVANE_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace marvane {

void exitNow(int code) {
    std::fflush(nullptr);
#ifdef MARVANE_LEAK_CHECK
    __lsan_do_leak_check();
#endif
    std::_Exit(code);
}

}  // namespace marvane
