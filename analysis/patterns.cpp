// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/patterns.h"

#include <algorithm>
#include <utility>

namespace marvane::analysis::patterns {

namespace {

struct Square {
    int row, column;
};

struct FamilyShape {
    const char* name;
    std::vector<Square> squares;
};

std::vector<FamilyShape> shapes() {
    auto line = [](int row0, int column0, int dRow, int dColumn, int n) {
        std::vector<Square> s;
        for (int i = 0; i < n; ++i) s.push_back({row0 + i * dRow, column0 + i * dColumn});
        return s;
    };
    std::vector<Square> edge = line(0, 0, 0, 1, 8);
    edge.push_back({1, 1});
    edge.push_back({1, 6});
    std::vector<Square> corner3, corner2x5;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) corner3.push_back({r, c});
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c) corner2x5.push_back({r, c});
    return {{"edge+2X", edge},
            {"corner 3x3", corner3},
            {"corner 2x5", corner2x5},
            {"diagonal 8", line(0, 0, 1, 1, 8)},
            {"diagonal 7", line(0, 1, 1, 1, 7)},
            {"diagonal 6", line(0, 2, 1, 1, 6)},
            {"diagonal 5", line(0, 3, 1, 1, 5)},
            {"diagonal 4", line(0, 4, 1, 1, 4)},
            {"line 2", line(1, 0, 0, 1, 8)},
            {"line 3", line(2, 0, 0, 1, 8)},
            {"line 4", line(3, 0, 0, 1, 8)}};
}

// The board's eight symmetries, as maps of a square's row and column.
Square transform(int symmetry, Square s) {
    int r = s.row, c = s.column;
    if (symmetry & 1) c = 7 - c;
    if (symmetry & 2) r = 7 - r;
    if (symmetry & 4) std::swap(r, c);
    return {r, c};
}

int power3(int n) {
    int v = 1;
    while (n--) v *= 3;
    return v;
}

std::uint32_t mix(std::uint32_t h, std::uint32_t v) { return (h ^ v) * 16777619u; }

Layout makeLayout() {
    Layout l;
    const std::vector<FamilyShape> all = shapes();
    int offset = 0;
    std::uint32_t fingerprint = 2166136261u;
    std::vector<std::int32_t> canonicalOf;
    for (int f = 0; f < kFamilies; ++f) {
        const std::vector<Square>& base = all[f].squares;
        const int n = static_cast<int>(base.size());
        auto index = [](Square s) { return s.row * 8 + s.column; };
        auto setOf = [&](const std::vector<Square>& v) {
            Bits b = 0;
            for (Square s : v) b |= bit(index(s));
            return b;
        };
        const Bits baseSet = setOf(base);
        std::vector<Bits> seen;
        std::vector<std::vector<int>> stabiliser;  // permutations of the digits that keep the set
        for (int g = 0; g < 8; ++g) {
            std::vector<Square> image;
            for (Square s : base) image.push_back(transform(g, s));
            const Bits set = setOf(image);
            if (set == baseSet) {
                // Digit i of the base lands on the square of base digit perm[i].
                std::vector<int> perm(n);
                for (int i = 0; i < n; ++i)
                    for (int j = 0; j < n; ++j)
                        if (index(base[j]) == index(image[i])) perm[i] = j;
                stabiliser.push_back(perm);
            }
            if (std::find(seen.begin(), seen.end(), set) != seen.end()) continue;
            seen.push_back(set);
            Image im{f, n, {}, set, {}};
            for (int i = 0; i < n; ++i) {
                im.square[i] = static_cast<std::uint8_t>(index(image[i]));
                fingerprint = mix(fingerprint, im.square[i]);
            }
            // The k-th lowest square of the set is digit `position[k]` of the number.
            std::vector<int> position;
            for (Bits m = set; m; m &= m - 1)
                for (int i = 0; i < n; ++i)
                    if (im.square[i] == std::countr_zero(m)) position.push_back(i);
            im.digits.resize(std::size_t{1} << n);
            for (std::size_t bits = 0; bits < im.digits.size(); ++bits) {
                int v = 0;
                for (int k = 0; k < n; ++k)
                    if (bits >> k & 1) v += power3(position[k]);
                im.digits[bits] = static_cast<std::uint16_t>(v);
            }
            l.images.push_back(std::move(im));
        }
        const int size = power3(n);
        int canonical = 0;
        for (int idx = 0; idx < size; ++idx) {
            int digits[kMaxSquares];
            for (int i = 0, v = idx; i < n; ++i, v /= 3) digits[i] = v % 3;
            int least = idx;
            for (const std::vector<int>& perm : stabiliser) {
                int other = 0;
                for (int i = n - 1; i >= 0; --i) other = other * 3 + digits[perm[i]];
                least = std::min(least, other);
            }
            canonicalOf.push_back(offset + least);
            if (least == idx) ++canonical;
        }
        l.families[f] = {all[f].name, n, static_cast<int>(seen.size()), size, offset, canonical};
        fingerprint = mix(fingerprint, static_cast<std::uint32_t>(n * 16 + seen.size()));
        offset += size;
    }
    l.mobilityOffset = offset;
    l.entriesPerStage = offset + 2 * kMobilityValues + 2;
    for (int e = offset; e < l.entriesPerStage; ++e) canonicalOf.push_back(e);
    fingerprint = mix(fingerprint, static_cast<std::uint32_t>(kStages * 1000 + kMobilityValues));
    l.canonicalOf = std::move(canonicalOf);
    for (int e = 0; e < l.entriesPerStage; ++e)
        if (l.canonicalOf[e] == e) l.canonicalEntries.push_back(e);
    l.fingerprint = fingerprint;
    return l;
}

}  // namespace

const Layout& layout() {
    static const Layout l = makeLayout();
    return l;
}

namespace {

// The discs of `b` on the squares of `mask`, packed into the low bits in ascending order.
Bits gatherPortable(Bits b, Bits mask) {
    Bits out = 0;
    for (Bits one = 1; mask; mask &= mask - 1, one <<= 1)
        if (b & mask & (0 - mask)) out |= one;
    return out;
}

template <Bits (*Gather)(Bits, Bits)>
int imageEntries(const Layout& l, Bits p, Bits o, std::int32_t* entries) {
    int n = 0;
    for (const Image& im : l.images)
        entries[n++] = l.families[im.family].offset + im.digits[Gather(p, im.mask)] +
                       2 * im.digits[Gather(o, im.mask)];
    return n;
}

#if defined(__GNUC__) && defined(__x86_64__)
// Where the processor has it, one instruction gathers the bits (decided once, at run time: the
// program still starts on a processor without it).
__attribute__((target("bmi2"))) int imageEntriesFast(const Layout& l, Bits p, Bits o,
                                                     std::int32_t* entries) {
    int n = 0;
    for (const Image& im : l.images)
        entries[n++] = l.families[im.family].offset +
                       im.digits[__builtin_ia32_pext_di(p, im.mask)] +
                       2 * im.digits[__builtin_ia32_pext_di(o, im.mask)];
    return n;
}
const bool kHasBmi2 = __builtin_cpu_supports("bmi2");
#endif

}  // namespace

namespace {

int otherEntries(const Layout& l, Bits p, Bits o, std::int32_t* entries) {
    const int mine = std::min(count(legalMoves(p, o)), kMobilityValues - 1);
    const int theirs = std::min(count(legalMoves(o, p)), kMobilityValues - 1);
    entries[0] = l.mobilityOffset + mine;
    entries[1] = l.mobilityOffset + kMobilityValues + theirs;
    entries[2] = l.mobilityOffset + 2 * kMobilityValues + ((64 - count(p | o)) & 1);
    return 3;
}

}  // namespace

int featuresPortable(Bits p, Bits o, std::int32_t* entries) {
    const Layout& l = layout();
    const int n = imageEntries<gatherPortable>(l, p, o, entries);
    return n + otherEntries(l, p, o, entries + n);
}

int features(Bits p, Bits o, std::int32_t* entries) {
#if defined(__GNUC__) && defined(__x86_64__)
    if (kHasBmi2) {
        const Layout& l = layout();
        const int n = imageEntriesFast(l, p, o, entries);
        return n + otherEntries(l, p, o, entries + n);
    }
#endif
    return featuresPortable(p, o, entries);
}

}  // namespace marvane::analysis::patterns
