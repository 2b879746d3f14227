// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/table.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace marvane::analysis {

void Table::Free::operator()(void* memory) const { std::free(memory); }

void Table::allocate() {
    std::size_t count = 1;
    while (count * 2 * kBucketBytes <= bytes_) count *= 2;
    const std::size_t fewest =
        std::min(count, std::max<std::size_t>(1, kSmallestBytes / kBucketBytes));
    // calloc of a large block maps fresh pages, which are zero, instead of clearing them: no
    // stretch of tens of milliseconds that a cancelled analysis would have to sit through.
    // One bucket more leaves room to align the buckets to a cache line.
    void* memory = std::calloc(count + 1, sizeof(Bucket));
    while (!memory && count > fewest) {
        count /= 2;
        memory = std::calloc(count + 1, sizeof(Bucket));
    }
    if (!memory) throw std::bad_alloc();
    memory_.reset(memory);
    const auto address = reinterpret_cast<std::uintptr_t>(memory);
    buckets_ = reinterpret_cast<Bucket*>((address + alignof(Bucket) - 1) &
                                         ~std::uintptr_t{alignof(Bucket) - 1});
    mask_ = count - 1;
    generation_ = 0;
}

void Table::prepare() {
    if (!buckets_) allocate();
    if (++generation_ == 0) {  // the stamps wrapped: forget everything rather than misread it
        release();
        allocate();
        generation_ = 1;
    }
}

void Table::release() {
    memory_.reset();
    buckets_ = nullptr;
    mask_ = 0;
}

void Table::store(std::uint64_t key, int depth, bool exact, int lower, int upper, int move) {
    MARVANE_EXPECTS(buckets_ != nullptr && lower <= upper && move >= 0 && move < 64);
    MARVANE_EXPECTS(!exact || (lower >= -64 && upper <= 64));
    TableEntry* bucket = buckets_[key & mask_].entries;
    TableEntry* target = &bucket[0];
    for (int i = 0; i < 4; ++i) {
        TableEntry& e = bucket[i];
        if (e.key == key && e.generation == generation_) {
            target = &e;
            break;
        }
        // Prefer an entry of an older search, then the shallowest.
        const bool older = e.generation != generation_,
                   targetOlder = target->generation != generation_;
        if (older != targetOlder ? older : e.depth < target->depth) target = &e;
    }
    *target = {key,
               static_cast<std::int16_t>(lower),
               static_cast<std::int16_t>(upper),
               static_cast<std::uint8_t>(move),
               static_cast<std::uint8_t>(depth),
               generation_,
               static_cast<std::uint8_t>(exact)};
}

}  // namespace marvane::analysis
