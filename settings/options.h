// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <type_traits>

namespace marvane {

// How an option is stored and what the store makes of a stored number.
enum class OptionKind {
    Flag,    // "1" or "0"; every stored number but 0 reads as on
    Number,  // a stored number outside the option's range reads as the nearer end
    Colour,  // a colour code, handed on as stored: the window gives way to the default pair for
             // a pair the board cannot show (a colour outside the range, or both the same)
};

// Every option kept between runs, one line each, in the order they are stored:
//   member       key            kind    default  range       control that holds it
// The control is the object name of the window's control that shows the option; the colours
// have none (the Colours menu sets them). Saving appends a key a file lacks after the others, so
// options added later come last.
// clang-format off
#define MARVANE_OPTIONS(X)                                                       \
    X(sound,       "Sound",       Flag,   1,       0, 1,      "Sound")           \
    X(menu,        "Menu",        Flag,   0,       0, 1,      "ShowMenu")        \
    X(status,      "Status",      Flag,   0,       0, 1,      "ShowStatus")      \
    X(response,    "Response",    Number, 1000,    100, 5000, "Response")        \
    X(c1,          "C1",          Colour, 1,       1, 6,      "")                \
    X(c2,          "C2",          Colour, 2,       1, 6,      "")                \
    X(lastMove,    "LastMove",    Flag,   0,       0, 1,      "ShowLastMove")    \
    X(legalMoves,  "LegalMoves",  Flag,   0,       0, 1,      "ShowLegalMoves")  \
    X(coordinates, "Coordinates", Flag,   0,       0, 1,      "ShowCoordinates") \
    X(evaluations, "Evaluations", Flag,   0,       0, 1,      "ShowEvaluations") \
    X(expertHard,  "ExpertHard",  Flag,   0,       0, 1,      "ExpertHardLevel") \
    X(standardRules, "StandardRules", Flag, 0,     0, 1,      "StandardRules")
// clang-format on

template <OptionKind kind>
using OptionValue = std::conditional_t<kind == OptionKind::Flag, bool, int>;

// The options' values, each holding its default until set.
struct Options {
#define MARVANE_OPTION_MEMBER(member, key, kind, value, min, max, control) \
    OptionValue<OptionKind::kind> member = value;
    MARVANE_OPTIONS(MARVANE_OPTION_MEMBER)
#undef MARVANE_OPTION_MEMBER

    friend bool operator==(const Options&, const Options&) = default;
};

// One line of the table, with the member's value reached as a number (a flag as 1 or 0).
struct OptionRow {
    std::string_view key;
    OptionKind kind;
    int defaultValue;
    int min;
    int max;
    std::string_view control;
    int (*get)(const Options&);
    void (*set)(Options&, int);
};

inline constexpr std::array kOptionTable = {
#define MARVANE_OPTION_SPEC(member, key, kind, value, min, max, control)   \
    OptionRow{key,                                                         \
              OptionKind::kind,                                            \
              value,                                                       \
              min,                                                         \
              max,                                                         \
              control,                                                     \
              [](const Options& o) { return static_cast<int>(o.member); }, \
              [](Options& o, int v) { o.member = static_cast<decltype(o.member)>(v); }},
    MARVANE_OPTIONS(MARVANE_OPTION_SPEC)
#undef MARVANE_OPTION_SPEC
};

#undef MARVANE_OPTIONS

// The line of the option stored under `key`; the key must be in the table.
constexpr const OptionRow& optionRow(std::string_view key) {
    for (const OptionRow& row : kOptionTable)
        if (row.key == key) return row;
    throw "no such option";  // not a constant expression: a wrong key does not compile
}

}  // namespace marvane
