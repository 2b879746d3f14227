// SPDX-License-Identifier: GPL-3.0-or-later
// Handlers run under a guard: an error they throw is reported to the player and never reaches the
// event loop.
#pragma once

#include <functional>

namespace marvane {

// Runs a handler, reporting any error it throws.
using Guard = std::function<void(const std::function<void()>&)>;

// A slot that runs `object`'s `handler` under `guard`.
template <typename Object>
auto guardedSlot(const Guard& guard, Object* object, void (Object::*handler)()) {
    return [guard, object, handler] { guard([object, handler] { (object->*handler)(); }); };
}

}  // namespace marvane
