// SPDX-License-Identifier: GPL-3.0-or-later
#include "getver/image_file.h"

#include "getver/version_block.h"

namespace marvane::getver {

std::span<const std::byte> findVersionResource(std::span<const std::byte> file) {
    const auto startsWith = [file](std::string_view magic) {
        if (file.size() < magic.size()) return false;
        for (std::size_t i = 0; i < magic.size(); ++i) {
            if (file[i] != static_cast<std::byte>(magic[i])) return false;
        }
        return true;
    };
    if (startsWith("MZ")) return versionBlockAt(peVersionResource(file));
    if (startsWith("\x7f"
                   "ELF")) {
        return versionBlockAt(elfVersionSection(file));
    }
    return {};
}

}  // namespace marvane::getver
