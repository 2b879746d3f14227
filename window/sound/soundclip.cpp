// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/soundclip.h"

#include <sndfile.h>

#include <QAudioDevice>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "window/sound/remix.h"

namespace marvane {

namespace {

// Sound effects are short; anything longer is a wrong file, not worth holding in memory.
constexpr qint64 kMaxSeconds = 60;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

// libsndfile quietly plays what is there of a WAV file whose data was cut short; such a file is
// damaged, so it is refused like any other undecodable file. Sizes 0 and 0xFFFFFFFF are what
// streaming writers leave when they cannot know the length, and are accepted.
bool wavDataIsCut(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return true;
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE") {
        return false;  // RIFX, RF64 and friends: left to libsndfile
    }
    const qint64 fileSize = file.size();
    qint64 pos = 12;
    while (pos + 8 <= fileSize) {
        file.seek(pos);
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return true;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("data")) {
            return size != 0 && size != 0xFFFFFFFFu && qint64(size) > fileSize - pos - 8;
        }
        pos += 8 + qint64(size) + (size & 1);
    }
    return true;  // no data chunk inside the file
}

void writeSample(char* out, QAudioFormat::SampleFormat format, float value) {
    const float v = std::clamp(value, -1.0f, 1.0f);
    switch (format) {
        case QAudioFormat::UInt8:
            *reinterpret_cast<quint8*>(out) = quint8(std::lround(v * 127.0f) + 128);
            break;
        case QAudioFormat::Int16: {
            const qint16 s = qint16(std::lround(v * 32767.0f));
            std::memcpy(out, &s, sizeof s);
            break;
        }
        case QAudioFormat::Int32: {
            const qint32 s = qint32(std::lround(double(v) * 2147483647.0));
            std::memcpy(out, &s, sizeof s);
            break;
        }
        case QAudioFormat::Float: std::memcpy(out, &v, sizeof v); break;
        default: break;
    }
}

}  // namespace

qint64 SoundClip::audibleFrames() const {
    // About -66 dBFS: below anything a listener picks out of a game's sound effect.
    constexpr float kSilence = 0.0005f;
    const auto last = std::find_if(samples.rbegin(), samples.rend(),
                                   [](float sample) { return std::abs(sample) > kSilence; });
    const qint64 audibleSamples = samples.rend() - last;
    return channels > 0 ? (audibleSamples + channels - 1) / channels : 0;
}

SoundClip decodeSoundFile(const QString& fileName) {
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndfileCloser> file(
        sf_open(QFile::encodeName(fileName).constData(), SFM_READ, &info));
    if (!file) {
        throw SoundFileError(
            QStringLiteral("%1: %2").arg(fileName, QString::fromLocal8Bit(sf_strerror(nullptr))));
    }
    if (info.channels < 1 || info.samplerate < 1 || info.frames <= 0) {
        throw SoundFileError(QStringLiteral("%1 holds no sound").arg(fileName));
    }
    if (info.frames > kMaxSeconds * info.samplerate) {
        throw SoundFileError(QStringLiteral("%1 is too long for a sound effect").arg(fileName));
    }
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV && wavDataIsCut(fileName)) {
        throw SoundFileError(QStringLiteral("%1 is cut short").arg(fileName));
    }

    SoundClip clip;
    clip.sampleRate = info.samplerate;
    clip.channels = info.channels;
    clip.samples.resize(std::size_t(info.frames) * std::size_t(info.channels));
    const sf_count_t read = sf_readf_float(file.get(), clip.samples.data(), info.frames);
    if (read != info.frames) {
        throw SoundFileError(QStringLiteral("%1 cannot be read: %2")
                                 .arg(fileName, QString::fromLocal8Bit(sf_strerror(file.get()))));
    }
    return clip;
}

QAudioFormat chooseOutputFormat(const SoundClip& clip, const QAudioDevice& device) {
    QAudioFormat own;
    own.setSampleRate(clip.sampleRate);
    own.setChannelCount(clip.channels);
    own.setSampleFormat(QAudioFormat::Int16);

    QAudioFormat ownRate = own;
    ownRate.setChannelCount(device.preferredFormat().channelCount());

    for (const QAudioFormat& candidate : {own, ownRate, device.preferredFormat()}) {
        if (candidate.isValid() && device.isFormatSupported(candidate)) return candidate;
    }
    throw SoundDeviceError(QStringLiteral("The sound device %1 takes no format for this sound")
                               .arg(device.description()));
}

QByteArray renderPcm(const SoundClip& clip, const QAudioFormat& format, qint64 frames) {
    const qint64 inFrames = std::min(clip.frames(), frames);
    if (!format.isValid() || inFrames <= 0) return {};
    QByteArray pcm(format.bytesForFrames(
                       resampledFrames(inFrames, clip.sampleRate, format.sampleRate())),
                   Qt::Uninitialized);
    char* out = pcm.data();
    const int sampleBytes = format.bytesPerSample();
    remix(clip.samples.data(), clip.channels, clip.sampleRate, inFrames, format.sampleRate(),
          format.channelCount(), [&](float v) {
              writeSample(out, format.sampleFormat(), v);
              out += sampleBytes;
          });
    return pcm;
}

char silenceByte(QAudioFormat::SampleFormat format) {
    // Every byte of a zero sample is the same in each format, so its first byte is the one.
    char zero[sizeof(qint32)] = {};
    writeSample(zero, format, 0.0f);
    return zero[0];
}

}  // namespace marvane
