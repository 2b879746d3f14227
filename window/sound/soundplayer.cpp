#include "window/sound/soundplayer.h"

#include <chrono>
#include <future>
#include <utility>

#include "window/sound/audiothread.h"
#include "window/sound/soundclip.h"
#include "window/sound/soundvoice.h"

namespace marvane {

namespace {

// How long opening waits for the audio thread's answer. It comes within milliseconds unless the
// audio server is stalled; then the sounds are given up rather than the window frozen.
constexpr std::chrono::milliseconds kOpenWait{3000};

}  // namespace

SoundPlayer::~SoundPlayer() { close(); }

SoundPlayer::SoundPlayer(SoundPlayer&& other) noexcept
    : voice_(std::exchange(other.voice_, 0)),
      status_(std::move(other.status_)),
      fileName_(std::move(other.fileName_)),
      lengthMs_(std::exchange(other.lengthMs_, 0)) {}

SoundPlayer& SoundPlayer::operator=(SoundPlayer&& other) noexcept {
    if (this != &other) {
        close();
        voice_ = std::exchange(other.voice_, 0);
        status_ = std::move(other.status_);
        fileName_ = std::move(other.fileName_);
        lengthMs_ = std::exchange(other.lengthMs_, 0);
    }
    return *this;
}

void SoundPlayer::open(const QString& fileName) {
    close();
    auto clip = std::make_shared<const SoundClip>(decodeSoundFile(fileName));
    auto status = std::make_shared<VoiceStatus>();

    AudioThread& audio = AudioThread::instance();
    const quint64 id = audio.newVoiceId();
    auto answer = std::make_shared<std::promise<QString>>();
    std::future<QString> outcome = answer->get_future();
    audio.post([&audio, id, clip, status, answer] {
        try {
            audio.addVoice(id, std::make_unique<SoundVoice>(*clip, status));
            answer->set_value({});
        } catch (const SoundError& error) {
            answer->set_value(error.text());
        } catch (const std::exception& error) {
            answer->set_value(QString::fromLocal8Bit(error.what()));
        }
    });

    QString error = QStringLiteral("The audio server does not answer");
    if (outcome.wait_for(kOpenWait) == std::future_status::ready) {
        try {
            error = outcome.get();
        } catch (const std::future_error&) {
            error = QStringLiteral("The audio thread has ended");
        }
    }
    if (!error.isEmpty()) {
        // Should the answer still come, the voice it made goes again right after.
        audio.post([&audio, id] { audio.removeVoice(id); });
        throw SoundDeviceError(error);
    }
    voice_ = id;
    status_ = std::move(status);
    fileName_ = fileName;
    lengthMs_ = clip->durationMs();
}

void SoundPlayer::close() {
    // Once the thread has ended with the application object, its voices are gone already.
    if (AudioThread* audio = AudioThread::current(); audio && voice_ != 0) {
        audio->post([audio, id = voice_] { audio->removeVoice(id); });
    }
    voice_ = 0;
    status_.reset();
    fileName_.clear();
    lengthMs_ = 0;
}

void SoundPlayer::play() {
    AudioThread* audio = AudioThread::current();
    if (voice_ == 0 || !audio) return;
    // Requests made while one is on its way, or while the audio thread is held up, add nothing.
    if (status_->playRequested.exchange(true)) return;
    status_->playing = true;
    audio->post([audio, id = voice_, status = status_] {
        status->playRequested = false;
        if (SoundVoice* voice = audio->voice(id)) voice->play();
    });
}

bool SoundPlayer::isPlaying() const { return status_ && status_->playing; }

qint64 SoundPlayer::position() const { return status_ ? qint64(status_->positionMs) : 0; }

}  // namespace marvane
