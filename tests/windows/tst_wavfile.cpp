// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows sound module's WAV reader on hand-made files: what each sample layout decodes to,
// how chunks are walked, and which damaged files are refused rather than read past their end.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "window/sound/wavfile.h"

using namespace marvane;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, unsigned v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void chunk(Bytes& b, const char* id, const Bytes& body, std::uint32_t size) {
    b.insert(b.end(), id, id + 4);
    put32(b, size);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1) b.push_back(0);
}
void chunk(Bytes& b, const char* id, const Bytes& body) { chunk(b, id, body, std::uint32_t(body.size())); }

Bytes fmt(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits, bool extensible = false) {
    Bytes f;
    put16(f, extensible ? 0xFFFE : tag);
    put16(f, channels);
    put32(f, rate);
    put32(f, rate * channels * bits / 8);
    put16(f, channels * bits / 8);
    put16(f, bits);
    if (extensible) {
        put16(f, 22);    // cbSize
        put16(f, bits);  // valid bits
        put32(f, 0);     // channel mask
        put16(f, tag);   // sub-format GUID, its first two bytes the plain tag
        const std::uint8_t rest[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        f.insert(f.end(), rest, rest + 14);
    }
    return f;
}

Bytes riff(const Bytes& chunks) {
    Bytes b = {'R', 'I', 'F', 'F'};
    put32(b, std::uint32_t(chunks.size() + 4));
    b.insert(b.end(), {'W', 'A', 'V', 'E'});
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}

Bytes waveFile(const Bytes& format, const Bytes& data) {
    Bytes chunks;
    chunk(chunks, "fmt ", format);
    chunk(chunks, "data", data);
    return riff(chunks);
}

Bytes floatBytes(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    Bytes b;
    put32(b, u);
    return b;
}

}  // namespace

struct SampleCase {
    std::string name;
    Bytes file;
    std::vector<float> samples;
};

TEST(WavReader, DecodesEverySampleLayoutToTheSameScale) {
    Bytes extensibleFloat = floatBytes(-0.25f);
    const std::vector<SampleCase> cases = {
        // 8-bit samples are unsigned: 128 is silence.
        {"8-bit", waveFile(fmt(1, 1, 8000, 8), {128, 0, 255}), {0.0f, -1.0f, 127.0f / 128}},
        {"16-bit", waveFile(fmt(1, 1, 8000, 16), {0x00, 0x40, 0x00, 0x80}), {0.5f, -1.0f}},
        // A negative 24-bit sample must come out negative.
        {"24-bit", waveFile(fmt(1, 1, 8000, 24), {0x00, 0x00, 0xC0, 0x00, 0x00, 0x40}), {-0.5f, 0.5f}},
        {"32-bit", waveFile(fmt(1, 1, 8000, 32), {0, 0, 0, 0xC0}), {-0.5f}},
        {"float", waveFile(fmt(3, 1, 8000, 32), floatBytes(0.75f)), {0.75f}},
        {"extensible float", waveFile(fmt(3, 1, 8000, 32, true), extensibleFloat), {-0.25f}},
        // A last frame that is not whole is dropped.
        {"stereo, partial frame", waveFile(fmt(1, 2, 8000, 16), {0x00, 0x40, 0x00, 0xC0, 0x00}),
         {0.5f, -0.5f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const wav::Clip clip = wav::decode(c.file);
        EXPECT_EQ(clip.sampleRate, 8000);
        ASSERT_EQ(clip.samples.size(), c.samples.size());
        for (std::size_t i = 0; i < c.samples.size(); ++i) EXPECT_NEAR(clip.samples[i], c.samples[i], 1e-6);
    }
}

TEST(WavReader, WalksPastOtherChunksIncludingOddSizedOnes) {
    Bytes chunks;
    chunk(chunks, "LIST", {'a', 'b', 'c'});  // odd size: one pad byte follows
    chunk(chunks, "fmt ", fmt(1, 1, 22050, 16));
    chunk(chunks, "fact", {1, 0, 0, 0});
    chunk(chunks, "data", {0x00, 0x20});
    const wav::Clip clip = wav::decode(riff(chunks));
    EXPECT_EQ(clip.sampleRate, 22050);
    ASSERT_EQ(clip.samples.size(), 1u);
    EXPECT_FLOAT_EQ(clip.samples[0], 0.25f);
}

TEST(WavReader, AStreamingWritersDataSizeRunsToTheEndOfTheFile) {
    for (std::uint32_t size : {0u, 0xFFFFFFFFu}) {
        Bytes chunks;
        chunk(chunks, "fmt ", fmt(1, 1, 8000, 16));
        chunk(chunks, "data", {0x00, 0x40, 0x00, 0x40}, size);
        EXPECT_EQ(wav::decode(riff(chunks)).samples.size(), 2u) << size;
    }
}

TEST(WavReader, RefusesFilesItWouldHaveToGuessAtOrReadPast) {
    Bytes cut;
    chunk(cut, "fmt ", fmt(1, 1, 8000, 16));
    chunk(cut, "data", {0, 0, 0, 0}, 400);
    Bytes dataFirst;
    chunk(dataFirst, "data", {0, 0});
    chunk(dataFirst, "fmt ", fmt(1, 1, 8000, 16));
    Bytes badAlign = fmt(1, 2, 8000, 16);
    badAlign[12] = 2;  // block align of one channel for two
    Bytes cutFormat;
    chunk(cutFormat, "fmt ", fmt(1, 1, 8000, 16), 40);
    const std::vector<std::pair<std::string, Bytes>> cases = {
        {"empty", {}},
        {"not RIFF", Bytes(64, 'x')},
        {"data cut short", riff(cut)},
        {"samples before their format", riff(dataFirst)},
        {"format chunk cut short", riff(cutFormat)},
        {"no data chunk", riff([] { Bytes b; chunk(b, "fmt ", fmt(1, 1, 8000, 16)); return b; }())},
        {"no samples", waveFile(fmt(1, 1, 8000, 16), {})},
        {"compressed (ADPCM)", waveFile(fmt(2, 1, 8000, 4), {0, 0})},
        {"no channels", waveFile(fmt(1, 0, 8000, 16), {0, 0})},
        {"frame size wrong", waveFile(badAlign, {0, 0, 0, 0})},
        {"12-bit samples", waveFile(fmt(1, 1, 8000, 12), {0, 0})},
        {"too long", waveFile(fmt(1, 1, 1000, 8), Bytes(std::size_t(wav::kMaxSeconds) * 1000 + 1, 128))},
    };
    for (const auto& [name, file] : cases) {
        EXPECT_THROW(wav::decode(file), wav::WavError) << name;
    }
}

TEST(WavReader, RendersForTheOutputsRateAndChannels) {
    wav::Clip mono{8000, 1, {0.0f, 0.5f, 1.0f}};
    // Mono onto both channels, at twice the rate: the new frames lie halfway between.
    EXPECT_EQ(wav::renderInt16(mono, 16000, 2, mono.frames()),
              (std::vector<std::int16_t>{0, 0, 8192, 8192, 16384, 16384, 24575, 24575, 32767, 32767}));
    wav::Clip stereo{8000, 2, {1.0f, 0.0f, -1.0f, 0.0f}};
    EXPECT_EQ(wav::renderInt16(stereo, 8000, 1, stereo.frames()),
              (std::vector<std::int16_t>{16384, -16384}));
    // Only the frames asked for.
    EXPECT_EQ(wav::renderInt16(mono, 8000, 1, 2), (std::vector<std::int16_t>{0, 16384}));
}

TEST(WavReader, TheAudiblePartEndsAtTheLastSoundThatCanBeHeard) {
    wav::Clip clip{8000, 2, {0.0f, 0.0f, 0.3f, 0.0f, 0.0f, 0.0001f, 0.0f, 0.0f}};
    EXPECT_EQ(clip.audibleFrames(), 2);
    EXPECT_EQ((wav::Clip{8000, 1, {0.0f, 0.0f}}).audibleFrames(), 0);
}
