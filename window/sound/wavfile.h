// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// The WAV reader of the Windows sound module, which has no decoding library to lean on. Standard
// library only, so that it can be checked on raw bytes anywhere.
namespace marvane::wav {

// A file that is not a sound this reader plays: the text says why.
class WavError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A whole sound, interleaved float samples in [-1, 1].
struct Clip {
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;

    std::int64_t frames() const { return channels > 0 ? std::int64_t(samples.size()) / channels : 0; }
    std::int64_t durationMs() const { return sampleRate > 0 ? frames() * 1000 / sampleRate : 0; }
    // The frames up to and including the last one that can be heard (above about -66 dBFS).
    std::int64_t audibleFrames() const;
};

// Sound effects are short; anything longer is a wrong file.
inline constexpr int kMaxSeconds = 60;

// Reads a RIFF WAVE file: integer PCM of 8, 16, 24 or 32 bits, 32-bit float, plain or in the
// extensible form, 1 to 8 channels. Chunks other than "fmt " and "data" are skipped. A data
// chunk whose size is 0 or 0xFFFFFFFF (what streaming writers leave) runs to the end of the
// file; one that claims more than the file holds is cut short and refused. Throws WavError.
Clip decode(std::span<const std::uint8_t> file);

// The first `frames` frames of `clip` as interleaved 16-bit samples at `rate` and `channels`,
// resampled (linearly) and remixed as needed: mono goes to every channel, more channels are
// averaged into mono, and otherwise extra output channels are silent.
std::vector<std::int16_t> renderInt16(const Clip& clip, int rate, int channels, std::int64_t frames);

}  // namespace marvane::wav
