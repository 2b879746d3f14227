// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/remix.h"

#include <cmath>

namespace marvane {

float remixSample(const float* frame, int inChannels, int channel, int outChannels) {
    if (inChannels == outChannels) return frame[channel];
    if (inChannels == 1) return frame[0];
    if (outChannels == 1) {
        float sum = 0;
        for (int c = 0; c < inChannels; ++c) sum += frame[c];
        return sum / float(inChannels);
    }
    return channel < inChannels ? frame[channel] : 0.0f;
}

std::int64_t resampledFrames(std::int64_t inFrames, int inRate, int outRate) {
    const double step = double(inRate) / double(outRate);
    return std::int64_t(std::floor(double(inFrames - 1) / step)) + 1;
}

}  // namespace marvane
