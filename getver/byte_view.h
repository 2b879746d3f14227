// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace marvane::getver {

// Read-only access to untrusted bytes. Every read is range-checked: a read that does not lie
// wholly inside the bytes gives 0 (or an empty span), so a parser that forgets a check can
// misread a hostile file but never read outside it. Offsets are 64-bit so that sums of file
// fields cannot wrap before they are checked.
class ByteView {
public:
    explicit ByteView(std::span<const std::byte> bytes, bool bigEndian = false)
        : bytes_(bytes), bigEndian_(bigEndian) {}

    std::uint64_t size() const { return bytes_.size(); }

    bool has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::span<const std::byte> slice(std::uint64_t offset, std::uint64_t length) const {
        if (!has(offset, length)) return {};
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    }

    std::uint8_t u8(std::uint64_t offset) const {
        return static_cast<std::uint8_t>(read(offset, 1));
    }
    std::uint16_t u16(std::uint64_t offset) const {
        return static_cast<std::uint16_t>(read(offset, 2));
    }
    std::uint32_t u32(std::uint64_t offset) const {
        return static_cast<std::uint32_t>(read(offset, 4));
    }
    std::uint64_t u64(std::uint64_t offset) const { return read(offset, 8); }

private:
    std::uint64_t read(std::uint64_t offset, unsigned width) const {
        if (!has(offset, width)) return 0;
        std::uint64_t value = 0;
        for (unsigned i = 0; i < width; ++i) {
            const unsigned byte = bigEndian_ ? i : width - 1 - i;
            value = (value << 8) |
                    std::to_integer<std::uint64_t>(bytes_[static_cast<std::size_t>(offset) + byte]);
        }
        return value;
    }

    std::span<const std::byte> bytes_;
    bool bigEndian_;
};

constexpr std::uint64_t alignTo4(std::uint64_t offset) { return (offset + 3) & ~std::uint64_t{3}; }

}  // namespace marvane::getver
