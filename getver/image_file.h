// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace marvane::getver {

// The ELF section into which the build puts the program's version block.
inline constexpr std::string_view kVersionSectionName = ".marvane.version";

// The version block (see versionBlockAt) of an executable file held in `file`: the RT_VERSION
// resource (ID 1, first language) of a Windows PE32 or PE32+ image, or the contents of the
// kVersionSectionName section of an ELF32 or ELF64 file of either byte order. Empty when the
// file is neither, has no such resource or section, or any structure on the way lies outside
// the file. Safe on arbitrary bytes.
std::span<const std::byte> findVersionResource(std::span<const std::byte> file);

// The raw bytes of the version resource or section, before the block inside them is checked.
std::span<const std::byte> peVersionResource(std::span<const std::byte> file);
std::span<const std::byte> elfVersionSection(std::span<const std::byte> file);

}  // namespace marvane::getver
