#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

class QAudioDevice;

namespace marvane {

// A sound that cannot be opened: the file does not decode, or there is no usable output device.
// Carries a text for diagnostics; the user only ever sees the fixed "sounds disabled" notice.
class SoundDeviceError : public std::runtime_error {
public:
    explicit SoundDeviceError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// A whole sound file decoded to interleaved float samples in [-1, 1].
struct SoundClip {
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples;

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
    qint64 durationMs() const { return sampleRate > 0 ? frames() * 1000 / sampleRate : 0; }
};

// Decodes any file libsndfile reads. Throws SoundDeviceError for files that do not decode, hold
// no samples, are implausibly long for a sound effect, or end before the data their header
// announces.
SoundClip decodeSoundFile(const QString& fileName);

// The format to feed `device` with: the clip's own rate and channels as 16-bit samples when the
// device takes them, else the device's preferred format. Throws SoundDeviceError when the device
// takes neither.
QAudioFormat chooseOutputFormat(const SoundClip& clip, const QAudioDevice& device);

// The clip as raw PCM in `format` (resampled and remixed as needed), between `leadMs` and
// `trailMs` of silence.
QByteArray renderPcm(const SoundClip& clip, const QAudioFormat& format, int leadMs, int trailMs);

}  // namespace marvane
