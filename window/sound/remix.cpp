#include "window/sound/remix.h"

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

}  // namespace marvane
