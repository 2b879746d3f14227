// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "analysis/bitboard.h"
#include "checks/expects.h"

namespace marvane::analysis {

// What one search found about one position: bounds on its score, the depth searched, and the
// best square. Midgame entries hold evaluation units and a depth in moves; exact entries hold
// disc differences and the number of empty squares.
struct TableEntry {
    std::uint64_t key = 0;
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::uint8_t move = 0;
    std::uint8_t depth = 0;
    std::uint8_t generation = 0;  // 0: never written
    std::uint8_t exact = 0;
};

// The transposition table: buckets of four entries, one cache line each. Its memory is taken
// on first use (`prepare`) and given back by `release`. When the system cannot give the size
// asked for, the table halves it until it fits, down to kSmallestBytes; a smaller table only
// makes the search slower. It comes zeroed from the system, page by
// page as the search first touches it, so taking it costs nothing up front and a short analysis
// keeps only the pages it used. Each search starts a generation, and
// entries of older generations are never read, so a search does not depend on the ones before.
class Table {
public:
    static constexpr std::size_t kBucketBytes = 4 * sizeof(TableEntry);
    static constexpr std::size_t kSmallestBytes = std::size_t{4} << 20;
    explicit Table(std::size_t bytes) : bytes_(bytes) {}

    std::size_t bytes() const { return bytes_; }  // as asked for
    bool allocated() const { return buckets_ != nullptr; }
    // What the table holds now: bytes() or less when memory is short; 0 when not allocated.
    std::size_t allocatedBytes() const { return buckets_ ? (mask_ + 1) * kBucketBytes : 0; }
    // Allocates the table if it is not, and starts a new generation. Throws std::bad_alloc when
    // not even the smallest table can be had.
    void prepare();
    void release();

    const TableEntry* probe(std::uint64_t key) const {
        MARVANE_EXPECTS(buckets_ != nullptr);  // prepare() comes before the first probe
        const TableEntry* bucket = buckets_[key & mask_].entries;
        for (int i = 0; i < 4; ++i)
            if (bucket[i].key == key && bucket[i].generation == generation_) return &bucket[i];
        return nullptr;
    }
    void store(std::uint64_t key, int depth, bool exact, int lower, int upper, int move);

private:
    struct alignas(64) Bucket {
        TableEntry entries[4];
    };
    struct Free {
        void operator()(void* memory) const;
    };
    void allocate();

    std::size_t bytes_;
    std::unique_ptr<void, Free> memory_;  // as the system gave it; buckets_ lies inside it
    Bucket* buckets_ = nullptr;
    std::uint64_t mask_ = 0;
    std::uint8_t generation_ = 0;
};

// The key of a position with `p` to move against `o`: a strong 64-bit mix of each (the
// finaliser of splitmix64), so that positions differing in a few squares do not collide.
inline std::uint64_t mixBits(std::uint64_t h) {
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    return h ^ (h >> 31);
}
inline std::uint64_t positionKey(Bits p, Bits o) {
    return mixBits(p ^ mixBits(o + 0x9E3779B97F4A7C15ull));
}

}  // namespace marvane::analysis
