// SPDX-License-Identifier: GPL-3.0-or-later
// Drives parseStoredInteger with arbitrary text and compares every answer with a second,
// deliberately different reading of the same rule: digits are compared as text against the
// limits instead of being accumulated, so an overflow or an off-by-one in either shows up as a
// disagreement.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/stored_integer.h"

using namespace marvane;

namespace {

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool isHexDigit(char c) {
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

// True when the digit string (no leading zeros) is at most `limit`, both decimal.
bool atMost(std::string_view digits, std::string_view limit) {
    if (digits.size() != limit.size()) return digits.size() < limit.size();
    return digits <= limit;
}

std::optional<std::int32_t> referenceHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
        if (!isHexDigit(c)) return std::nullopt;
    digits = withoutLeadingZeros(digits);
    if (digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const std::uint32_t digit = isDecimalDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
        value = value << 4 | digit;
    }
    return std::bit_cast<std::int32_t>(value);
}

std::optional<std::int32_t> referenceDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (!isDecimalDigit(c)) return std::nullopt;
    text = withoutLeadingZeros(text);
    if (!atMost(text, negative ? "2147483648" : "2147483647")) return std::nullopt;
    std::int64_t magnitude = 0;
    for (char c : text) magnitude = magnitude * 10 + (c - '0');
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> reference(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) return referenceHex(text.substr(prefix.size()));
    }
    return referenceDecimal(text);
}

std::string describe(std::optional<std::int32_t> value) {
    return value ? std::to_string(*value) : std::string("no number");
}

void agree(std::string_view text, std::optional<std::int32_t> expected) {
    const auto actual = parseStoredInteger(text);
    if (actual == expected) return;
    std::fprintf(stderr, "parseStoredInteger(\"%.*s\") gave %s, the rule says %s\n",
                 static_cast<int>(text.size()), text.data(), describe(actual).c_str(),
                 describe(expected).c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto expected = reference(text);
    agree(text, expected);

    // Every number reads back from the forms the program and a hand-edited file would use.
    if (expected) {
        const std::int32_t value = *expected;
        char hex[16];
        std::snprintf(hex, sizeof hex, "$%X", std::bit_cast<std::uint32_t>(value));
        agree(std::to_string(value), value);
        agree(hex, value);
        agree("   " + std::to_string(value), value);
    }
    return 0;
}
