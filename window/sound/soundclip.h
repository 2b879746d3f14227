// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <vector>

#include "window/sound/sounderror.h"

class QAudioDevice;

namespace marvane {

// A whole sound file decoded to interleaved float samples in [-1, 1].
struct SoundClip {
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
    qint64 durationMs() const { return sampleRate > 0 ? frames() * 1000 / sampleRate : 0; }
    // The frames up to and including the last one that can be heard; trailing silence (or the
    // dither of it) is not part of the sound's audible part.
    qint64 audibleFrames() const;
};

// Decodes any file libsndfile reads. Throws SoundFileError for files that do not decode, hold
// no samples, are implausibly long for a sound effect, or end before the data their header
// announces.
SoundClip decodeSoundFile(const QString& fileName);

// The format to feed `device` with: the clip's own rate and channels as 16-bit samples when the
// device takes them, else the device's preferred format. Throws SoundDeviceError when the device
// takes neither.
QAudioFormat chooseOutputFormat(const SoundClip& clip, const QAudioDevice& device);

// The first `frames` frames of the clip (all of them when it has fewer) as raw PCM in `format`,
// resampled and remixed as needed.
QByteArray renderPcm(const SoundClip& clip, const QAudioFormat& format, qint64 frames);

// The byte that silence is made of in `format`: the middle of the range for unsigned samples.
char silenceByte(QAudioFormat::SampleFormat format);

}  // namespace marvane
