// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/soundplayer.h"

#include <algorithm>
#include <utility>

#include "window/sound/soundengine.h"
#include "window/sound/sounderror.h"

namespace marvane {

SoundPlayer::~SoundPlayer() { close(); }

SoundPlayer::SoundPlayer(SoundPlayer&& other) noexcept
    : voice_(std::exchange(other.voice_, 0)),
      status_(std::move(other.status_)),
      fileName_(std::move(other.fileName_)) {}

SoundPlayer& SoundPlayer::operator=(SoundPlayer&& other) noexcept {
    if (this != &other) {
        close();
        voice_ = std::exchange(other.voice_, 0);
        status_ = std::move(other.status_);
        fileName_ = std::move(other.fileName_);
    }
    return *this;
}

void SoundPlayer::open(const QString& fileName, QDeadlineTimer audioDeadline) {
    close();
    SoundEngine& engine = soundEngine();
    auto status = std::make_shared<VoiceStatus>();
    // Never longer than one command's share, whatever the caller asks.
    const qint64 waitMs = audioDeadline.isForever()
                              ? kAudioWaitMs
                              : std::clamp<qint64>(audioDeadline.remainingTime(), 0, kAudioWaitMs);
    const SoundEngine::Opened opened = engine.open(fileName, status, int(waitMs));
    if (opened.voice == 0) {
        if (opened.fileFault) throw SoundFileError(opened.error);
        throw SoundDeviceError(opened.error);
    }
    voice_ = opened.voice;
    status_ = std::move(status);
    fileName_ = fileName;
}

void SoundPlayer::close() {
    if (SoundEngine* engine = loadedSoundEngine(); engine && voice_ != 0) engine->close(voice_);
    voice_ = 0;
    status_.reset();
    fileName_.clear();
}

void SoundPlayer::play() {
    if (SoundEngine* engine = loadedSoundEngine(); engine && voice_ != 0) {
        engine->play(voice_, status_);
    }
}

bool SoundPlayer::isPlaying() const { return status_ && status_->playing; }

}  // namespace marvane
