// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudio>
#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

#include "window/sound/soundengine.h"

class QAudioSink;

namespace marvane {

struct SoundClip;

// A sound's samples as the sink pulls them: the audible part, and silence before and after it that
// is made up as it is read rather than kept. Read, rewound and freed on the audio thread.
//
// atEnd() is never true: on an at-end source Qt 6.4's PulseAudio sink starts a drain that holds
// the sink's own pointer and that nothing cancels, so its reply lands in a deleted sink. The sink
// is told the sound is over by reads that return nothing.
//
// The sink asks atEnd() on libpulse's thread too, and may ask bytesAvailable() there, while the
// audio thread reads or rewinds: the read position is therefore atomic, with the audio thread its
// only writer. What it answers from the other thread may be a read behind, never torn.
class PcmSource : public QIODevice {
public:
    // `pcm` between `leadBytes` and `trailBytes` of `silence`.
    PcmSource(QByteArray pcm, qint64 leadBytes, qint64 trailBytes, char silence,
              std::function<void(qint64 handedOver)> onRead);

    void rewind() { position_ = 0; }
    qint64 handedOver() const { return position_; }
    qint64 total() const { return lead_ + pcm_.size() + trail_; }
    bool exhausted() const { return position_ >= total(); }

    // Any thread.
    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    const QByteArray pcm_;
    const qint64 lead_;
    const qint64 trail_;
    const char silence_;
    const std::function<void(qint64)> onRead_;
    std::atomic<qint64> position_{0};
};

// One sound on the default output, living on the audio thread: its samples, a sink for them, and
// the stream that a play opens and that closes again once the sound has played out.
//
// The sink is the only thing libpulse's thread touches, and it is closed (which takes libpulse's
// lock and clears every callback) before it is freed; the source outlives it.
class SoundVoice : public QObject {
public:
    // Prepares the default output for `clip`. Throws SoundDeviceError when there is no output or
    // it takes no format for the sound. The first call may wait for the audio server.
    SoundVoice(const SoundClip& clip, std::shared_ptr<VoiceStatus> status);
    ~SoundVoice() override;

    // Plays the sound from its start, unless its audible part is still playing. May wait for the
    // audio server when a stream has to be opened.
    void play();

private:
    bool streamOpen() const;
    void onRead(qint64 handedOver);
    void onStateChanged(QAudio::State state);
    void finish();
    void closeStreamIfPlayedOut();

    std::shared_ptr<VoiceStatus> status_;
    std::unique_ptr<PcmSource> source_;
    std::unique_ptr<QAudioSink> sink_;  // after source_: destroyed before it
    QTimer tail_;
    qint64 sinkBufferBytes_ = 0;
    qint64 audibleEndBytes_ = 0;
    bool finished_ = true;
};

}  // namespace marvane
