// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace marvane::getver {

// One node of a version block as it is written: the build uses this to make the program's own
// block, and tests use it to make blocks of any shape, including malformed ones.
struct VersionNode {
    std::u16string key;
    bool text = false;              // wType 1: wValueLength counts 16-bit characters
    std::uint16_t valueLength = 0;  // written as recorded, even when it does not match `value`
    std::vector<std::byte> value;
    std::vector<VersionNode> children;
};

// A text value with its terminating zero; an empty text is written with length 0 and no value.
VersionNode textNode(std::u16string key, std::u16string_view value);

// The node in the layout Windows writes: little-endian, 32-bit alignment of value and children
// relative to the node's start, wLength covering the node up to the end of its last child.
// Throws std::length_error when the node exceeds the 16-bit length field.
std::vector<std::byte> serialize(const VersionNode& node);

// The contents of a version resource as a resource compiler makes it from a VERSIONINFO
// statement: fixed part, one string table and the translation table.
struct VersionTable {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::uint32_t fileFlagsMask = 0x3F;  // VS_FFI_FILEFLAGSMASK
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0x4;    // VOS__WINDOWS32
    std::uint32_t fileType = 0x1;  // VFT_APP
    std::uint32_t fileSubtype = 0;
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    std::vector<std::pair<std::u16string, std::u16string>> strings;
};

// Root "VS_VERSION_INFO" with VS_FIXEDFILEINFO, "StringFileInfo" holding the table named by
// language and code page in upper-case hexadecimal, and "VarFileInfo\Translation".
VersionNode versionTree(const VersionTable& table);

}  // namespace marvane::getver
