#include "window/sound/soundplayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

#include "window/sound/soundclip.h"

namespace marvane {

namespace {

// A stream loses its first few milliseconds while the server fits it into the running output;
// a click that lives in those milliseconds would go unheard.
constexpr int kLeadMs = 40;
// The sink reports the end of a sound when its last byte enters the server's buffer, up to a
// buffer's length before it is heard. The buffer is kept this short and every sound is followed
// by more silence than that, so at the reported end everything audible has been played and a
// restart cuts only silence.
constexpr int kSinkBufferMs = 100;
constexpr int kPaddingMs = 250;
// After the last byte has been handed over, the stream is kept open this long so that the
// server's own latency drains too; a stopped stream would drop what is still queued.
constexpr int kDrainMs = 400;

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    drainTimer_.setSingleShot(true);
    drainTimer_.setInterval(kDrainMs);
    connect(&drainTimer_, &QTimer::timeout, this, [this] {
        if (sink_) sink_->stop();
    });
}

SoundPlayer::~SoundPlayer() { close(); }

void SoundPlayer::open(const QString& fileName) {
    close();
    const SoundClip clip = decodeSoundFile(fileName);

    if (QMediaDevices::audioOutputs().isEmpty()) {
        throw SoundDeviceError(QStringLiteral("No audio output device"));
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) throw SoundDeviceError(QStringLiteral("No default audio output device"));
    const QAudioFormat format = chooseOutputFormat(clip, device);

    buffer_.setData(renderPcm(clip, format, kLeadMs, kPaddingMs));
    if (!buffer_.open(QIODevice::ReadOnly)) {
        throw SoundDeviceError(QStringLiteral("Cannot buffer %1").arg(fileName));
    }
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kSinkBufferMs * 1000));
    connect(sink_.get(), &QAudioSink::stateChanged, this, &SoundPlayer::onStateChanged);
    fileName_ = fileName;
    lengthMs_ = clip.durationMs();
    bytesPerSecond_ = format.bytesForDuration(1000000);
}

void SoundPlayer::close() {
    drainTimer_.stop();
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_.reset();
    }
    buffer_.close();
    buffer_.setData(QByteArray());
    fileName_.clear();
    lengthMs_ = 0;
    bytesPerSecond_ = 0;
    playing_ = false;
}

void SoundPlayer::play() {
    if (!sink_ || playing_) return;
    // A stream still draining only holds trailing silence by now, so restarting it loses nothing.
    drainTimer_.stop();
    buffer_.seek(0);
    sink_->start(&buffer_);
    playing_ = sink_->state() == QAudio::ActiveState;
}

qint64 SoundPlayer::position() const {
    if (bytesPerSecond_ == 0) return 0;
    return std::min(buffer_.pos() * 1000 / bytesPerSecond_, lengthMs_);
}

void SoundPlayer::onStateChanged(QAudio::State state) {
    switch (state) {
        case QAudio::IdleState:
            // Idle without reaching the end is a hiccup of the device; it resumes by itself.
            if (playing_ && buffer_.atEnd()) {
                playing_ = false;
                drainTimer_.start();
            }
            break;
        case QAudio::StoppedState:
        case QAudio::SuspendedState:
            playing_ = false;
            break;
        case QAudio::ActiveState:
            break;
    }
}

}  // namespace marvane
