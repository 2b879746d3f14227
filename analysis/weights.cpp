// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/weights.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "analysis/evaluation.h"
#include "analysis/patterns.h"

namespace marvane::analysis {

namespace {

constexpr char kMagic[8] = {'M', 'A', 'R', 'V', 'E', 'V', 'A', 'L'};
constexpr std::size_t kHeaderBytes = 32;
// A weights file far larger than the layout can need is not read into memory.
constexpr std::size_t kMostBytes = 64u << 20;

std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::uint32_t u32At(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::size_t canonicalPerStage() { return patterns::layout().canonicalEntries.size(); }

}  // namespace

Weights::Weights(Rules rules, const std::vector<std::int16_t>& canonical)
    : rules_(rules), canonical_(canonical) {
    const patterns::Layout& l = patterns::layout();
    const std::size_t perStage = l.canonicalEntries.size();
    canonical_.resize(perStage * patterns::kStages);
    // Where each class's weight sits among the canonical ones.
    std::vector<std::int32_t> slot(l.entriesPerStage, -1);
    for (std::size_t i = 0; i < perStage; ++i) slot[l.canonicalEntries[i]] = static_cast<int>(i);
    expanded_.resize(static_cast<std::size_t>(l.entriesPerStage) * patterns::kStages);
    for (int s = 0; s < patterns::kStages; ++s)
        for (int e = 0; e < l.entriesPerStage; ++e)
            expanded_[static_cast<std::size_t>(s) * l.entriesPerStage + e] =
                canonical_[s * perStage + slot[l.canonicalOf[e]]];
}

int Weights::raw(Bits p, Bits o) const {
    const patterns::Layout& l = patterns::layout();
    std::int32_t entries[patterns::kMaxFeatures];
    const int n = patterns::features(p, o, entries);
    const std::int16_t* stage =
        expanded_.data() +
        static_cast<std::size_t>(patterns::stageOf(64 - count(p | o))) * l.entriesPerStage;
    int sum = 0;
    for (int i = 0; i < n; ++i) sum += stage[entries[i]];
    return sum;
}

int Weights::evaluate(Bits p, Bits o) const {
    constexpr int kPerUnit = kWeightsPerDisc / kUnit;
    const int sum = raw(p, o);
    const int units = sum >= 0 ? (sum + kPerUnit / 2) / kPerUnit : -((-sum + kPerUnit / 2) / kPerUnit);
    return std::clamp(units, -63 * kUnit, 63 * kUnit);
}

WeightsReading readWeights(std::string_view b) {
    const patterns::Layout& l = patterns::layout();
    auto refuse = [](std::string why) { return WeightsReading{nullptr, std::move(why)}; };
    if (b.size() < kHeaderBytes + 8)
        return refuse("The evaluation file is too short (" + std::to_string(b.size()) +
                      " bytes) to hold its header.");
    if (std::memcmp(b.data(), kMagic, sizeof kMagic) != 0)
        return refuse("The evaluation file is not one of Marvane's: its first bytes are wrong.");
    const std::uint32_t version = u32At(b, 8);
    if (version != kWeightsFormatVersion)
        return refuse("The evaluation file has format version " + std::to_string(version) +
                      "; this program reads version " + std::to_string(kWeightsFormatVersion) +
                      ".");
    const std::uint32_t rules = u32At(b, 12);
    if (rules > 1) return refuse("The evaluation file names rules this program does not know.");
    if (u32At(b, 16) != l.fingerprint || u32At(b, 20) != patterns::kStages ||
        u32At(b, 24) != canonicalPerStage() || u32At(b, 28) != kWeightsPerDisc)
        return refuse("The evaluation file was made for another set of patterns.");
    const std::size_t weights = canonicalPerStage() * patterns::kStages;
    const std::size_t expected = kHeaderBytes + 2 * weights + 8;
    if (b.size() != expected)
        return refuse("The evaluation file should be " + std::to_string(expected) +
                      " bytes long; it is " + std::to_string(b.size()) + ".");
    std::uint64_t stored = 0;
    for (int i = 7; i >= 0; --i)
        stored = (stored << 8) | static_cast<unsigned char>(b[expected - 8 + i]);
    if (stored != fnv1a(b.substr(0, expected - 8)))
        return refuse("The evaluation file is damaged: its checksum does not match its contents.");
    std::vector<std::int16_t> canonical(weights);
    for (std::size_t i = 0; i < weights; ++i) {
        const auto lo = static_cast<unsigned char>(b[kHeaderBytes + 2 * i]);
        const auto hi = static_cast<unsigned char>(b[kHeaderBytes + 2 * i + 1]);
        canonical[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    return {std::make_shared<const Weights>(static_cast<Rules>(rules), canonical), {}};
}

WeightsReading loadWeights(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {nullptr, "The evaluation file " + path + " could not be opened."};
    std::string bytes;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMostBytes)
            return {nullptr, "The evaluation file " + path + " is far too large to be one."};
    }
    if (in.bad()) return {nullptr, "The evaluation file " + path + " could not be read."};
    return readWeights(bytes);
}

std::string writeWeights(const Weights& weights) {
    const patterns::Layout& l = patterns::layout();
    std::string out(kMagic, sizeof kMagic);
    putU32(out, kWeightsFormatVersion);
    putU32(out, weights.rules() == Rules::Standard ? 1 : 0);
    putU32(out, l.fingerprint);
    putU32(out, patterns::kStages);
    putU32(out, static_cast<std::uint32_t>(canonicalPerStage()));
    putU32(out, kWeightsPerDisc);
    for (std::int16_t w : weights.canonical()) {
        const auto u = static_cast<std::uint16_t>(w);
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    const std::uint64_t sum = fnv1a(out);
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((sum >> (8 * i)) & 0xFF));
    return out;
}

}  // namespace marvane::analysis
