// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/randomsquare.h"

#include <utility>

namespace marvane {

namespace {
constexpr std::uint32_t kMultiplier = 134775813u;
constexpr std::uint32_t kIncrement = 1u;
}  // namespace

RandomSquare::RandomSquare(std::function<std::int64_t()> elapsedMs)
    : elapsedMs_(std::move(elapsedMs)) {}

std::uint32_t RandomSquare::stateAfter(std::uint64_t draws) {
    // Compose the step x -> a*x + c with itself by repeated squaring (all modulo 2^32).
    std::uint32_t accMul = 1, accAdd = 0;
    std::uint32_t stepMul = kMultiplier, stepAdd = kIncrement;
    while (draws > 0) {
        if (draws & 1u) {
            accMul = accMul * stepMul;
            accAdd = accAdd * stepMul + stepAdd;
        }
        stepAdd = stepAdd * stepMul + stepAdd;
        stepMul = stepMul * stepMul;
        draws >>= 1u;
    }
    return accAdd;  // applied to the start state 0
}

int RandomSquare::valueOf(std::uint32_t state) {
    return static_cast<int>((static_cast<std::uint64_t>(state) * 8u) >> 32u) + 1;
}

std::uint64_t RandomSquare::drawsAtLastRowTick(std::int64_t elapsedMs) {
    if (elapsedMs < kRowPeriodMs) return 0;
    const std::int64_t tick = elapsedMs / kRowPeriodMs * kRowPeriodMs;
    // Column ticks strictly before this row tick; one on the same millisecond comes after it.
    return static_cast<std::uint64_t>(tick / kRowPeriodMs + (tick - 1) / kColumnPeriodMs);
}

std::uint64_t RandomSquare::drawsAtLastColumnTick(std::int64_t elapsedMs) {
    if (elapsedMs < kColumnPeriodMs) return 0;
    const std::int64_t tick = elapsedMs / kColumnPeriodMs * kColumnPeriodMs;
    // Row ticks up to and including this millisecond.
    return static_cast<std::uint64_t>(tick / kColumnPeriodMs + tick / kRowPeriodMs);
}

int RandomSquare::row() const {
    const auto draws = drawsAtLastRowTick(elapsedMs_());
    return draws == 0 ? 1 : valueOf(stateAfter(draws));
}

int RandomSquare::column() const {
    const auto draws = drawsAtLastColumnTick(elapsedMs_());
    return draws == 0 ? 1 : valueOf(stateAfter(draws));
}

}  // namespace marvane
