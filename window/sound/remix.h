#pragma once

// How a sound's channels are laid onto an output's. Standard library only: both sound modules,
// the Linux one and the Windows one, build it.
namespace marvane {

// The sample for `channel` of an output with `outChannels` channels, from one interleaved frame
// of `inChannels` samples: each channel its own when the counts match, mono on every channel,
// more channels averaged into mono, and otherwise the output's extra channels silent.
float remixSample(const float* frame, int inChannels, int channel, int outChannels);

}  // namespace marvane
