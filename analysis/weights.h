// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/bitboard.h"
#include "analysis/position.h"

// The learned evaluation's weights and the file that holds them.
//
// The file, all numbers little-endian:
//   offset  0  8 bytes  "MARVEVAL"
//           8  u32      format version (1)
//          12  u32      the rules the weights were trained for (0 ours, 1 standard)
//          16  u32      the fingerprint of the pattern layout (patterns::Layout::fingerprint)
//          20  u32      stages
//          24  u32      weights per stage (one per class of symmetric pattern entries)
//          28  u32      weights per disc
//          32  i16      the weights, stage by stage, in the order of Layout::canonicalEntries
//         end  u64      FNV-1a (64 bits) of every byte before it
// Anything else (short, long, another version or layout, a wrong checksum) is refused whole.
namespace marvane::analysis {

inline constexpr std::uint32_t kWeightsFormatVersion = 1;
inline constexpr int kWeightsPerDisc = 64;

class Weights {
public:
    // One weight per class of symmetric entries, stage by stage.
    Weights(Rules rules, const std::vector<std::int16_t>& canonical);

    Rules rules() const { return rules_; }
    // The estimated final disc difference for `p`, to move against `o`, in evaluation units
    // (kUnit per disc), clamped to the possible range. Only for positions where the game goes on.
    int evaluate(Bits p, Bits o) const;
    // The same, in weights (kWeightsPerDisc per disc), unrounded and unclamped.
    int raw(Bits p, Bits o) const;
    const std::vector<std::int16_t>& canonical() const { return canonical_; }

private:
    Rules rules_;
    std::vector<std::int16_t> canonical_;
    std::vector<std::int16_t> expanded_;  // every entry of every stage, for the evaluation
};

struct WeightsReading {
    std::shared_ptr<const Weights> weights;
    std::string error;  // why the bytes were refused; empty when they were read
    bool ok() const { return error.empty(); }
};

WeightsReading readWeights(std::string_view bytes);
WeightsReading loadWeights(const std::string& path);
std::string writeWeights(const Weights& weights);

// The name of the file beside the program, in its system folder.
inline constexpr const char* kWeightsFileName = "evaluation.bin";

}  // namespace marvane::analysis
