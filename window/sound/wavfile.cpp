// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/wavfile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "window/sound/remix.h"

namespace marvane::wav {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
bool isId(const std::uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

struct Format {
    std::uint16_t tag = 0;
    int channels = 0;
    int rate = 0;
    int blockAlign = 0;
    int bits = 0;
};

Format readFormat(const std::uint8_t* p, std::uint32_t size) {
    if (size < 16) throw WavError("its format chunk is too short");
    Format f;
    f.tag = le16(p);
    f.channels = le16(p + 2);
    const std::uint32_t rate = le32(p + 4);
    f.blockAlign = le16(p + 12);
    f.bits = le16(p + 14);
    if (f.tag == kFormatExtensible) {
        // cbSize, valid bits, channel mask, then the sub-format GUID whose first two bytes are
        // the plain format tag.
        if (size < 40) throw WavError("its extensible format chunk is too short");
        f.tag = le16(p + 24);
    }
    if (f.tag != kFormatPcm && f.tag != kFormatFloat) {
        throw WavError("its samples are compressed (format " + std::to_string(f.tag) + ")");
    }
    if (f.channels < 1 || f.channels > 8) throw WavError("it has an unplayable channel count");
    if (rate < 1000 || rate > 384000) throw WavError("it has an unplayable sample rate");
    f.rate = int(rate);
    const bool bitsOk = f.tag == kFormatFloat ? f.bits == 32
                                               : (f.bits == 8 || f.bits == 16 || f.bits == 24 ||
                                                  f.bits == 32);
    if (!bitsOk) throw WavError("it has " + std::to_string(f.bits) + "-bit samples");
    if (f.blockAlign != f.channels * f.bits / 8) throw WavError("its frame size is inconsistent");
    return f;
}

float sampleAt(const std::uint8_t* p, const Format& f) {
    if (f.tag == kFormatFloat) {
        float v;
        std::memcpy(&v, p, sizeof v);
        return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
    }
    switch (f.bits) {
        case 8: return float(int(p[0]) - 128) / 128.0f;  // 8-bit samples are unsigned
        case 16: return float(std::int16_t(le16(p))) / 32768.0f;
        case 24: {
            // Sign-extended through the top byte of a 32-bit word.
            const std::int32_t v = std::int32_t(std::uint32_t(p[0]) << 8 | std::uint32_t(p[1]) << 16 |
                                                std::uint32_t(p[2]) << 24) >> 8;
            return float(v) / 8388608.0f;
        }
        default: return float(double(std::int32_t(le32(p))) / 2147483648.0);
    }
}

}  // namespace

std::int64_t Clip::audibleFrames() const {
    constexpr float kSilence = 0.0005f;
    const auto last = std::find_if(samples.rbegin(), samples.rend(),
                                   [](float s) { return std::abs(s) > kSilence; });
    const std::int64_t audibleSamples = samples.rend() - last;
    return channels > 0 ? (audibleSamples + channels - 1) / channels : 0;
}

Clip decode(std::span<const std::uint8_t> file) {
    const std::uint8_t* base = file.data();
    const std::int64_t size = std::int64_t(file.size());
    if (size < 12 || !isId(base, "RIFF") || !isId(base + 8, "WAVE")) {
        throw WavError("it is not a WAV file");
    }
    Format format;
    bool haveFormat = false;
    for (std::int64_t pos = 12; pos + 8 <= size;) {
        const std::uint8_t* chunk = base + pos;
        const std::uint32_t chunkSize = le32(chunk + 4);
        const std::int64_t bodyPos = pos + 8;
        if (isId(chunk, "fmt ")) {
            if (chunkSize > size - bodyPos) throw WavError("its format chunk is cut short");
            format = readFormat(base + bodyPos, chunkSize);
            haveFormat = true;
        } else if (isId(chunk, "data")) {
            if (!haveFormat) throw WavError("its samples come before their format");
            std::int64_t dataSize = chunkSize;
            if (chunkSize == 0 || chunkSize == 0xFFFFFFFFu) {
                dataSize = size - bodyPos;
            } else if (dataSize > size - bodyPos) {
                throw WavError("it is cut short");
            }
            const std::int64_t frames = dataSize / format.blockAlign;
            if (frames <= 0) throw WavError("it holds no sound");
            if (frames > std::int64_t(kMaxSeconds) * format.rate) {
                throw WavError("it is too long for a sound effect");
            }
            Clip clip;
            clip.sampleRate = format.rate;
            clip.channels = format.channels;
            clip.samples.resize(std::size_t(frames * format.channels));
            const int bytes = format.bits / 8;
            const std::uint8_t* in = base + bodyPos;
            for (float& sample : clip.samples) {
                sample = sampleAt(in, format);
                in += bytes;
            }
            return clip;
        }
        // Chunks are padded to an even size.
        pos = bodyPos + std::int64_t(chunkSize) + (chunkSize & 1);
    }
    throw WavError(haveFormat ? "it has no samples" : "it has no format chunk");
}

std::vector<std::int16_t> renderInt16(const Clip& clip, int rate, int channels, std::int64_t frames) {
    const std::int64_t inFrames = std::min(clip.frames(), frames);
    if (inFrames <= 0 || rate <= 0 || channels <= 0) return {};
    std::vector<std::int16_t> out;
    out.reserve(std::size_t(resampledFrames(inFrames, clip.sampleRate, rate) * channels));
    remix(clip.samples.data(), clip.channels, clip.sampleRate, inFrames, rate, channels,
          [&out](float v) {
              out.push_back(std::int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)));
          });
    return out;
}

}  // namespace marvane::wav
