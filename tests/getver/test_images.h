// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "getver/version_block_writer.h"

// Small executable images made in memory, carrying a given version block, so that the tests
// never depend on binaries from elsewhere.
namespace testimages {

using Bytes = std::vector<std::byte>;

struct PeOptions {
    bool pe32Plus = false;
    bool withVersionResource = true;  // otherwise the only resource is an icon
    std::uint32_t versionId = 1;      // name ID of the version resource
};

// Where makePe puts the version block in the file.
inline constexpr std::size_t kPeBlockOffset = 0x2A0;

// A PE image with one section ".rsrc" holding a resource directory (a named type first, then
// RT_VERSION or an icon), whose version resource is `block`.
Bytes makePe(std::span<const std::byte> block, PeOptions options = {});

struct ElfOptions {
    bool is64 = true;
    bool bigEndian = false;
    bool extendedNumbering = false;  // section count and name table index kept in section 0
    std::uint32_t sectionType = 1;   // SHT_PROGBITS
};

// An ELF file with a null section, a section `name` holding `contents`, and the name table.
Bytes makeElf(const std::string& name, std::span<const std::byte> contents,
              ElfOptions options = {});

// The version table of the program's own file.
marvane::getver::VersionTable programTable();

// Replaces the value of `name` in the table, or removes the name when `value` is null.
void setString(marvane::getver::VersionTable& table, std::u16string_view name,
               const char16_t* value);

Bytes readFile(const QString& fileName);
void writeFile(const QString& fileName, std::span<const std::byte> bytes);

}  // namespace testimages
