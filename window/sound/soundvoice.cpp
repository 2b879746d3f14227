// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/soundvoice.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>

#include "window/sound/soundclip.h"

namespace marvane {

namespace {

// A stream loses its first few milliseconds while the server fits it into the running output;
// a click that lives in those milliseconds would go unheard.
constexpr int kLeadMs = 40;
// How much the server holds ahead of what it plays: shorter than the silence after every sound,
// so that the stream is closed only when the sound has been heard to its end. At least 80 ms:
// below that the server asks for data in steps smaller than the 20 ms that Qt's sink writes at a
// time, and a stream can stop short of the amount the server waits for before it starts.
constexpr int kSinkBufferMs = 100;
constexpr int kPaddingMs = 250;
// A stream is closed this long after its last byte was handed over, when all of it has played:
// closing drops whatever the server still holds.
constexpr int kTailMs = 400;

}  // namespace

PcmSource::PcmSource(QByteArray pcm, qint64 leadBytes, qint64 trailBytes, char silence,
                     std::function<void(qint64)> onRead)
    : pcm_(std::move(pcm)),
      lead_(leadBytes),
      trail_(trailBytes),
      silence_(silence),
      onRead_(std::move(onRead)) {}

qint64 PcmSource::bytesAvailable() const {
    return total() - position_ + QIODevice::bytesAvailable();
}

qint64 PcmSource::readData(char* data, qint64 maxSize) {
    const qint64 start = position_;
    const qint64 count = std::clamp<qint64>(total() - start, 0, maxSize);
    for (qint64 done = 0; done < count;) {
        const qint64 intoPcm = start + done - lead_;
        qint64 run = count - done;
        if (intoPcm >= 0 && intoPcm < pcm_.size()) {
            run = std::min(run, pcm_.size() - intoPcm);
            std::memcpy(data + done, pcm_.constData() + intoPcm, std::size_t(run));
        } else {
            if (intoPcm < 0) run = std::min(run, -intoPcm);
            std::memset(data + done, silence_, std::size_t(run));
        }
        done += run;
    }
    position_ = start + count;
    if (onRead_) onRead_(start + count);
    return count;
}

qint64 PcmSource::writeData(const char*, qint64) { return -1; }

SoundVoice::SoundVoice(const SoundClip& clip, std::shared_ptr<VoiceStatus> status)
    : status_(std::move(status)) {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        throw SoundDeviceError(QStringLiteral("No audio output device"));
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) throw SoundDeviceError(QStringLiteral("No default audio output device"));
    const QAudioFormat format = chooseOutputFormat(clip, device);

    // Only the audible part is rendered and kept; the silence around it costs no memory.
    QByteArray audible = renderPcm(clip, format, clip.audibleFrames());
    const qint64 leadBytes = format.bytesForDuration(qint64(kLeadMs) * 1000);
    audibleEndBytes_ = leadBytes + audible.size();

    source_ = std::make_unique<PcmSource>(
        std::move(audible), leadBytes, format.bytesForDuration(qint64(kPaddingMs) * 1000),
        silenceByte(format.sampleFormat()), [this](qint64 handedOver) { onRead(handedOver); });
    if (!source_->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        throw SoundDeviceError(QStringLiteral("Cannot buffer the sound"));
    }
    sink_ = std::make_unique<QAudioSink>(device, format);
    sinkBufferBytes_ = format.bytesForDuration(qint64(kSinkBufferMs) * 1000);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &SoundVoice::onStateChanged);

    tail_.setSingleShot(true);
    tail_.setInterval(kTailMs);
    connect(&tail_, &QTimer::timeout, this, &SoundVoice::closeStreamIfPlayedOut);
}

SoundVoice::~SoundVoice() {
    tail_.stop();
    if (sink_) {
        sink_->disconnect(this);
        // Closes the stream under libpulse's lock and clears its callbacks: from here on only
        // this thread knows the sink.
        sink_->stop();
        sink_.reset();
    }
    source_.reset();
}

bool SoundVoice::streamOpen() const {
    const QAudio::State state = sink_->state();
    return state == QAudio::ActiveState || state == QAudio::IdleState;
}

void SoundVoice::play() {
    if (streamOpen() && !finished_) return;  // still audible: no restart and no second copy

    tail_.stop();
    source_->rewind();
    finished_ = false;
    status_->playing = true;
    if (streamOpen()) {
        // The stream still plays the silence after the last sound; the sound follows it, so
        // nothing that can be heard is cut.
        emit source_->readyRead();
        return;
    }
    // Asked for on every start: the sink keeps the buffer the server granted the last stream and
    // would ask for that, and the server grants a quarter to a third less each time (it keeps part
    // of what is asked for as its own latency). The third stream of a sound would get a buffer too
    // small to ever start playing, and that sound, and its stream, would stay silent for good.
    sink_->setBufferSize(sinkBufferBytes_);
    sink_->start(source_.get());
    if (!streamOpen()) finish();  // not heard, and not reported
}

void SoundVoice::onRead(qint64 handedOver) {
    if (!finished_) {
        // What the server has taken from the stream is played, give or take its own short
        // latency; what it still holds is not. Under load the stream may hold less than its
        // buffer, so ask rather than assume it full.
        const qint64 held = std::max<qint64>(0, sink_->bufferSize() - sink_->bytesFree());
        const qint64 played = handedOver - held;
        if (played >= audibleEndBytes_ || source_->exhausted()) finish();
    }
    if (source_->exhausted() && !tail_.isActive()) tail_.start();
}

void SoundVoice::onStateChanged(QAudio::State state) {
    if (state != QAudio::StoppedState) return;
    // Stopped by us, or by the server going away: either way nothing more will be heard.
    tail_.stop();
    finish();
}

void SoundVoice::finish() {
    finished_ = true;
    status_->playing = false;
}

void SoundVoice::closeStreamIfPlayedOut() {
    if (source_->exhausted()) sink_->stop();
}

}  // namespace marvane
