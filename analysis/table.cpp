#include "analysis/table.h"

#include <algorithm>

namespace marvane::analysis {

void Table::prepare() {
    if (!buckets_) {
        std::size_t count = 1;
        while (count * 2 * kBucketBytes <= bytes_) count *= 2;
        buckets_ = std::make_unique<Bucket[]>(count);
        mask_ = count - 1;
        generation_ = 0;
    }
    if (++generation_ == 0) {  // the stamps wrapped: forget everything rather than misread it
        std::fill_n(buckets_.get(), mask_ + 1, Bucket{});
        generation_ = 1;
    }
}

void Table::release() {
    buckets_.reset();
    mask_ = 0;
}

void Table::store(std::uint64_t key, int depth, bool exact, int lower, int upper, int move) {
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
