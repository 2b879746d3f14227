// SPDX-License-Identifier: GPL-3.0-or-later
// The version resource of a Windows PE image, found the way the platform's loader finds it:
// data directory 2 (resources), then the three directory levels type, name and language.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "getver/byte_view.h"
#include "getver/image_file.h"

namespace marvane::getver {
namespace {

constexpr std::uint16_t kDosMagic = 0x5A4D;         // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kVsVersionInfo = 1;
constexpr std::uint32_t kSubdirectoryFlag = 0x80000000u;
constexpr std::uint64_t kSectionHeaderSize = 40;

class SectionTable {
public:
    SectionTable(const ByteView& file, std::uint64_t offset, std::uint32_t count)
        : file_(file), offset_(offset), count_(count) {}

    // The file bytes from `rva` to the end of the raw data of the section holding it; the raw
    // data beyond the file's end is not there and so not included.
    std::span<const std::byte> from(std::uint32_t rva) const {
        for (std::uint32_t i = 0; i < count_; ++i) {
            const std::uint64_t header = offset_ + i * kSectionHeaderSize;
            const std::uint32_t address = file_.u32(header + 12);
            const std::uint32_t rawSize = file_.u32(header + 16);
            const std::uint32_t rawOffset = file_.u32(header + 20);
            if (rva < address || rva - address >= rawSize) continue;
            const std::uint64_t offset = std::uint64_t{rawOffset} + (rva - address);
            if (offset > file_.size()) return {};
            const std::uint64_t length =
                std::min<std::uint64_t>(rawSize - (rva - address), file_.size() - offset);
            return file_.slice(offset, length);
        }
        return {};
    }

    // Exactly `length` bytes at `rva`, or nothing when they do not all lie in one section.
    std::span<const std::byte> range(std::uint32_t rva, std::uint32_t length) const {
        const auto bytes = from(rva);
        if (bytes.size() < length) return {};
        return bytes.first(length);
    }

private:
    const ByteView& file_;
    std::uint64_t offset_;
    std::uint32_t count_;
};

// The data field of the entry of the resource directory at `directory` whose ID is `id`, or of
// its first entry when no ID is given. Named entries carry a high bit and so never match an ID.
std::optional<std::uint32_t> findEntry(const ByteView& resources, std::uint64_t directory,
                                       std::optional<std::uint32_t> id) {
    if (!resources.has(directory, 16)) return std::nullopt;
    const std::uint32_t entries =
        std::uint32_t{resources.u16(directory + 12)} + resources.u16(directory + 14);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint64_t entry = directory + 16 + 8 * std::uint64_t{i};
        if (!resources.has(entry, 8)) return std::nullopt;
        if (!id || resources.u32(entry) == *id) return resources.u32(entry + 4);
    }
    return std::nullopt;
}

std::optional<std::uint64_t> subdirectory(std::optional<std::uint32_t> entryData) {
    if (!entryData || !(*entryData & kSubdirectoryFlag)) return std::nullopt;
    return *entryData & ~kSubdirectoryFlag;
}

}  // namespace

std::span<const std::byte> peVersionResource(std::span<const std::byte> bytes) {
    const ByteView file(bytes);
    if (!file.has(0, 64) || file.u16(0) != kDosMagic) return {};
    const std::uint64_t pe = file.u32(0x3C);
    if (!file.has(pe, 24) || file.u32(pe) != kPeSignature) return {};

    const std::uint64_t coff = pe + 4;
    const std::uint32_t sectionCount = file.u16(coff + 2);
    const std::uint64_t optionalSize = file.u16(coff + 16);
    const std::uint64_t optional = coff + 20;
    if (optionalSize < 2 || !file.has(optional, optionalSize)) return {};

    std::uint64_t directoryCountAt = 0;
    switch (file.u16(optional)) {
        case kPe32Magic: directoryCountAt = 92; break;
        case kPe32PlusMagic: directoryCountAt = 108; break;
        default: return {};
    }
    const std::uint64_t resourceEntry = directoryCountAt + 4 + 8 * kResourceDirectoryIndex;
    if (optionalSize < resourceEntry + 8 ||
        file.u32(optional + directoryCountAt) <= kResourceDirectoryIndex) {
        return {};
    }
    const std::uint32_t resourceRva = file.u32(optional + resourceEntry);
    if (resourceRva == 0) return {};

    const std::uint64_t sectionTable = optional + optionalSize;
    if (!file.has(sectionTable, sectionCount * kSectionHeaderSize)) return {};
    const SectionTable sections(file, sectionTable, sectionCount);

    const ByteView resources(sections.from(resourceRva));
    const auto names = subdirectory(findEntry(resources, 0, kRtVersion));
    if (!names) return {};
    const auto languages = subdirectory(findEntry(resources, *names, kVsVersionInfo));
    if (!languages) return {};
    // Files carry their version information in one language as a rule; take the first.
    const auto dataEntry = findEntry(resources, *languages, std::nullopt);
    if (!dataEntry || (*dataEntry & kSubdirectoryFlag) || !resources.has(*dataEntry, 16)) {
        return {};
    }
    return sections.range(resources.u32(*dataEntry), resources.u32(*dataEntry + 4));
}

}  // namespace marvane::getver
