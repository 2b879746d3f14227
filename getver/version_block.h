// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace marvane::getver {

// Names, query paths and text values are cut at this many characters.
inline constexpr std::size_t kMaxVersionText = 256;

// One value of a version block. `bytes` holds the value as far as it lies inside its node;
// `length` counts characters for a text value and bytes otherwise, and never claims more than
// `bytes` holds, so a caller may read `length` units from `bytes.data()`.
struct VersionValue {
    std::span<const std::byte> bytes;
    std::uint32_t length = 0;
    bool text = false;
};

// The version block (VS_VERSIONINFO, little-endian UTF-16 nodes on 32-bit boundaries) at the
// start of `bytes`, trimmed to its recorded length; empty unless its root node is well formed,
// fits in `bytes` and carries the key "VS_VERSION_INFO".
std::span<const std::byte> versionBlockAt(std::span<const std::byte> bytes);

// Looks up the node named by `subBlock`, keys separated by backslashes: "\" gives the fixed part
// (VS_FIXEDFILEINFO), "\VarFileInfo\Translation" the translation table,
// "\StringFileInfo\080904E4\CompanyName" a text. Keys match without regard to ASCII letter case,
// as the platform's own lookup does. Nothing is found past a node that does not fit inside its
// parent, so a truncated or damaged block yields fewer values, never a read outside `block`.
std::optional<VersionValue> findVersionValue(std::span<const std::byte> block,
                                             std::u16string_view subBlock);

}  // namespace marvane::getver
