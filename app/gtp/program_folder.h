// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace marvane::gtp {

// The folder of the running program's own file, links resolved (so that a link in bin/ still
// finds the system folder beside the real file); empty when it cannot be told. `argv0` is the
// last resort, where the system has no better way.
std::filesystem::path programFolder(const char* argv0);

}  // namespace marvane::gtp
