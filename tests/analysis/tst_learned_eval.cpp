// SPDX-License-Identifier: GPL-3.0-or-later
// The learned evaluation: the same score for a position and its rotations and mirror images,
// the weights file refused whole when it is damaged, and the hand-made evaluation then serving.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "analysis/analyser.h"
#include "analysis/evaluation.h"
#include "analysis/patterns.h"
#include "analysis/weights.h"
#include "tests/analysis/minimax.h"

namespace {

using namespace marvane::analysis;
using namespace marvane::analysis::test;

std::string committedBytes() {
    std::ifstream in(MARVANE_WEIGHTS_SOURCE, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

Bits transformed(Bits b, int symmetry) {
    Bits out = 0;
    for (; b; b &= b - 1) {
        const int sq = std::countr_zero(b);
        int r = sq / 8, c = sq % 8;
        if (symmetry & 1) c = 7 - c;
        if (symmetry & 2) r = 7 - r;
        if (symmetry & 4) std::swap(r, c);
        out |= bit(r * 8 + c);
    }
    return out;
}

// Catches a pattern image read in the wrong order or a symmetric class folded wrongly: with
// random weights nothing but the folding makes the eight forms agree.
TEST(LearnedEvaluation, GivesTheSameScoreToTheEightSymmetricFormsOfAPosition) {
    std::mt19937 random(5);
    std::vector<std::int16_t> canonical(patterns::layout().canonicalEntries.size() * patterns::kStages);
    for (std::int16_t& w : canonical) w = static_cast<std::int16_t>(random() % 2001) - 1000;
    const Weights randomWeights(Rules::Marvane, canonical);
    const WeightsReading committed = readWeights(committedBytes());
    ASSERT_TRUE(committed.ok()) << committed.error;
    for (int i = 0; i < 300; ++i) {
        const Position position = randomPosition(random, Rules::Marvane, 4 + i % 50);
        {
            // Processors without the bit-gathering instruction read the same patterns.
            std::int32_t fast[patterns::kMaxFeatures], portable[patterns::kMaxFeatures];
            const int n = patterns::features(position.mover(), position.waiter(), fast);
            ASSERT_EQ(patterns::featuresPortable(position.mover(), position.waiter(), portable), n);
            ASSERT_TRUE(std::equal(fast, fast + n, portable));
        }
        for (const Weights* w : {&randomWeights, committed.weights.get()}) {
            const Bits p = position.mover(), o = position.waiter();
            const int score = w->raw(p, o);
            for (int s = 1; s < 8; ++s)
                ASSERT_EQ(w->raw(transformed(p, s), transformed(o, s)), score) << "symmetry " << s;
            // The same board with the colours swapped, the other colour to move: the score for
            // the first colour changes sign.
            Position swapped{position.second, position.first,
                             position.toMove == Side::First ? Side::Second : Side::First};
            ASSERT_EQ(w->raw(swapped.mover(), swapped.waiter()), score);
        }
    }
}

// Catches a loader that reads damaged weights: every damage is refused with its own sentence.
TEST(LearnedEvaluation, RefusesEachDamagedFormOfTheFileAndAcceptsTheCommittedOne) {
    const std::string good = committedBytes();
    ASSERT_TRUE(readWeights(good).ok()) << readWeights(good).error;
    std::string flipped = good, version = good, magic = good;
    flipped[good.size() / 2] ^= 0x10;
    version[8] = 2;
    magic[0] = 'X';
    const struct {
        const char* what;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"empty", "", "too short"},
        {"cut short", good.substr(0, good.size() - 100), "should be"},
        {"longer", good + "x", "should be"},
        {"a byte flipped", flipped, "checksum"},
        {"another version", version, "format version 2"},
        {"not ours", magic, "first bytes"},
    };
    for (const auto& c : cases) {
        const WeightsReading r = readWeights(c.bytes);
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_EQ(r.weights, nullptr) << c.what;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.what << ": " << r.error;
    }
}

// Catches an analysis that fails, or silently differs, when its weights file is unusable.
TEST(LearnedEvaluation, LeavesTheAnalysisToTheHandMadeEvaluationWhenTheFileCannotBeUsed) {
    const std::string path = testing::TempDir() + "damaged-evaluation.bin";
    std::string bytes = committedBytes();
    bytes[100] ^= 1;
    std::ofstream(path, std::ios::binary) << bytes;
    std::mt19937 random(8);
    const Position position = randomPosition(random, Rules::Marvane, 30);
    Limits limits;
    limits.depth = 4;
    limits.exactEmpties = 0;
    Analyser damaged, missing, hand;
    damaged.useEvaluationFile(path);
    missing.useEvaluationFile(path + ".not-there");
    const Analysis expected = hand.analyse(position, Rules::Marvane, limits);
    for (Analyser* a : {&damaged, &missing}) {
        const Analysis got = a->analyse(position, Rules::Marvane, limits);
        ASSERT_TRUE(got.ok()) << got.error;
        EXPECT_FALSE(got.evaluationError.empty());
        EXPECT_EQ(got.squares, expected.squares);
    }
    std::remove(path.c_str());
    Analyser learned;
    learned.useEvaluationFile(MARVANE_WEIGHTS_SOURCE);
    EXPECT_TRUE(learned.analyse(position, Rules::Marvane, limits).evaluationError.empty());
    EXPECT_NE(learned.weights(), nullptr);
}

}  // namespace
