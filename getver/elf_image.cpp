// SPDX-License-Identifier: GPL-3.0-or-later
// The version section of an ELF file, found by name through the section header table.
#include <cstdint>
#include <optional>
#include <string_view>

#include "getver/byte_view.h"
#include "getver/image_file.h"

namespace marvane::getver {
namespace {

constexpr std::uint8_t kClass32 = 1;
constexpr std::uint8_t kClass64 = 2;
constexpr std::uint8_t kLittleEndian = 1;
constexpr std::uint8_t kBigEndian = 2;
constexpr std::uint32_t kNoBits = 8;              // SHT_NOBITS: occupies no file space
constexpr std::uint32_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX
constexpr std::uint64_t kMaxSectionCount = 1u << 24;

struct Section {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
};

class ElfFile {
public:
    explicit ElfFile(std::span<const std::byte> bytes)
        : file_(bytes, bytes.size() > 5 && bytes[5] == std::byte{kBigEndian}) {}

    bool readHeader() {
        if (!file_.has(0, 16) || !hasMagic()) return false;
        const std::uint8_t elfClass = file_.u8(4);
        const std::uint8_t data = file_.u8(5);
        if ((elfClass != kClass32 && elfClass != kClass64) ||
            (data != kLittleEndian && data != kBigEndian)) {
            return false;
        }
        is64_ = elfClass == kClass64;
        if (!file_.has(0, is64_ ? 64 : 52)) return false;
        tableOffset_ = is64_ ? file_.u64(0x28) : file_.u32(0x20);
        entrySize_ = file_.u16(is64_ ? 0x3A : 0x2E);
        count_ = file_.u16(is64_ ? 0x3C : 0x30);
        namesIndex_ = file_.u16(is64_ ? 0x3E : 0x32);
        if (tableOffset_ == 0 || !file_.has(tableOffset_, 0) || entrySize_ < (is64_ ? 64u : 40u)) {
            return false;
        }

        // Files with many sections keep the real count and name table index in section 0.
        if (count_ == 0 || namesIndex_ == kExtendedIndex) {
            const auto first = section(0);
            if (!first) return false;
            if (count_ == 0) count_ = first->size;
            if (namesIndex_ == kExtendedIndex) namesIndex_ = first->link;
        }
        return count_ <= kMaxSectionCount && file_.has(tableOffset_, count_ * entrySize_);
    }

    std::optional<Section> section(std::uint64_t index) const {
        if (index >= kMaxSectionCount) return std::nullopt;
        const std::uint64_t at = tableOffset_ + index * entrySize_;
        if (!file_.has(at, entrySize_)) return std::nullopt;
        Section s;
        s.name = file_.u32(at);
        s.type = file_.u32(at + 4);
        s.offset = is64_ ? file_.u64(at + 24) : file_.u32(at + 16);
        s.size = is64_ ? file_.u64(at + 32) : file_.u32(at + 20);
        s.link = file_.u32(is64_ ? at + 40 : at + 24);
        return s;
    }

    std::span<const std::byte> contents(const Section& s) const {
        if (s.type == kNoBits) return {};
        return file_.slice(s.offset, s.size);
    }

    std::span<const std::byte> findSection(std::string_view wanted) const {
        const auto names = section(namesIndex_);
        if (!names || namesIndex_ >= count_) return {};
        const ByteView table(contents(*names));
        for (std::uint64_t i = 0; i < count_; ++i) {
            const auto s = section(i);
            if (s && nameIs(table, s->name, wanted)) return contents(*s);
        }
        return {};
    }

private:
    bool hasMagic() const {
        return file_.u8(0) == 0x7F && file_.u8(1) == 'E' && file_.u8(2) == 'L' &&
               file_.u8(3) == 'F';
    }

    static bool nameIs(const ByteView& table, std::uint64_t at, std::string_view wanted) {
        if (!table.has(at, wanted.size() + 1) || table.u8(at + wanted.size()) != 0) return false;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (table.u8(at + i) != static_cast<std::uint8_t>(wanted[i])) return false;
        }
        return true;
    }

    ByteView file_;
    bool is64_ = false;
    std::uint64_t tableOffset_ = 0;
    std::uint64_t entrySize_ = 0;
    std::uint64_t count_ = 0;
    std::uint64_t namesIndex_ = 0;
};

}  // namespace

std::span<const std::byte> elfVersionSection(std::span<const std::byte> bytes) {
    ElfFile file(bytes);
    if (!file.readHeader()) return {};
    return file.findSection(kVersionSectionName);
}

}  // namespace marvane::getver
