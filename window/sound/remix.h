// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

// How a sound's samples are laid onto an output's rate and channels. Standard library only: both
// sound modules, the Linux one and the Windows one, build it.
namespace marvane {

// The sample for `channel` of an output with `outChannels` channels, from one interleaved frame
// of `inChannels` samples: each channel its own when the counts match, mono on every channel,
// more channels averaged into mono, and otherwise the output's extra channels silent.
float remixSample(const float* frame, int inChannels, int channel, int outChannels);

// How many frames `inFrames` frames (at least one) at `inRate` make at `outRate`.
std::int64_t resampledFrames(std::int64_t inFrames, int inRate, int outRate);

// The first `inFrames` frames (at least one) of the interleaved `samples`, resampled linearly
// from `inRate` to `outRate` and remixed onto `outChannels`: each sample of the output, in
// order, is handed to `put`.
template <typename Put>
void remix(const float* samples, int inChannels, int inRate, std::int64_t inFrames, int outRate,
           int outChannels, Put&& put) {
    const double step = double(inRate) / double(outRate);
    const std::int64_t outFrames = resampledFrames(inFrames, inRate, outRate);
    for (std::int64_t i = 0; i < outFrames; ++i) {
        // Linear interpolation is plenty for short effects that rarely need resampling at all.
        const double source = double(i) * step;
        const std::int64_t left = std::min(std::int64_t(source), inFrames - 1);
        const std::int64_t right = std::min(left + 1, inFrames - 1);
        const float weight = float(source - double(left));
        const float* leftFrame = samples + left * inChannels;
        const float* rightFrame = samples + right * inChannels;
        for (int c = 0; c < outChannels; ++c) {
            const float a = remixSample(leftFrame, inChannels, c, outChannels);
            const float b = remixSample(rightFrame, inChannels, c, outChannels);
            put(a + (b - a) * weight);
        }
    }
}

}  // namespace marvane
