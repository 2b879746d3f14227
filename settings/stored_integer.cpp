// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/stored_integer.h"

namespace marvane {

namespace {

int hexDigitValue(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool startsWithHexPrefix(std::string_view text, std::size_t& prefixLength) noexcept {
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        prefixLength = 1;
        return true;
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        prefixLength = 2;
        return true;
    }
    return false;
}

std::optional<std::int32_t> parseHex(std::string_view digits) noexcept {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        // Leading zeros are fine; checking at every digit keeps the accumulator from wrapping.
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> parseDecimal(std::string_view text) noexcept {
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // The magnitude of INT32_MIN is one more than INT32_MAX.
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > limit) return std::nullopt;
    }
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -signedMagnitude : signedMagnitude);
}

}  // namespace

std::optional<std::int32_t> parseStoredInteger(std::string_view text) noexcept {
    while (text.starts_with(' ')) text.remove_prefix(1);
    std::size_t prefixLength = 0;
    if (startsWithHexPrefix(text, prefixLength)) return parseHex(text.substr(prefixLength));
    return parseDecimal(text);
}

}  // namespace marvane
