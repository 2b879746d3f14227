// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace marvane {

// The Easy level's random start square.
//
// Conceptually two periodic timers draw from one shared linear congruential generator: the row
// timer every 5 ms, the column timer every 11 ms, from start-up on. Running them for real would
// wake the process 290 times a second, so nothing ticks: when a square is asked for, the number of
// ticks each timer would have made since start-up is derived from a monotonic clock and the
// generator jumps straight to the draws that produced the current values.
//
// When both timers fall due on the same millisecond (every 55 ms) the row timer draws first.
// Before a timer's first tick its value is 1, so the square is valid from start-up.
class RandomSquare {
public:
    static constexpr std::int64_t kRowPeriodMs = 5;
    static constexpr std::int64_t kColumnPeriodMs = 11;

    // `elapsedMs` returns the milliseconds since start-up on a monotonic clock.
    explicit RandomSquare(std::function<std::int64_t()> elapsedMs);

    int row() const;
    int column() const;

    // The generator's state after `draws` draws from the start state 0.
    static std::uint32_t stateAfter(std::uint64_t draws);
    // The 1..8 value yielded by the draw that produced `state`.
    static int valueOf(std::uint32_t state);

    // How many draws both timers have made by the time the row (column) timer made its last tick
    // at or before `elapsedMs`, that tick included; 0 when it has not ticked yet.
    static std::uint64_t drawsAtLastRowTick(std::int64_t elapsedMs);
    static std::uint64_t drawsAtLastColumnTick(std::int64_t elapsedMs);

private:
    std::function<std::int64_t()> elapsedMs_;
};

}  // namespace marvane
