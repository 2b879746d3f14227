// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace marvane {

// Converts the stored text of an integer option. Accepted, with optional leading spaces and
// nothing after the number:
//   - an optional "+" or "-" and decimal digits whose value lies in the signed 32-bit range;
//   - a prefix "$", "x", "X", "0x" or "0X" and hexadecimal digits whose value fits in 32 bits,
//     that bit pattern taken as a signed number ("$FFFFFFFF" is -1).
// Anything else, the empty text included, gives no value; the caller substitutes its default.
// Pure and allocation-free, so it can be driven directly by a fuzzer.
std::optional<std::int32_t> parseStoredInteger(std::string_view text) noexcept;

}  // namespace marvane
