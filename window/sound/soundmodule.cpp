// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's entry: the engine that SoundPlayer drives, on top of the audio thread.

#include <QtGlobal>
#include <chrono>
#include <exception>
#include <future>

#include "window/sound/audiothread.h"
#include "window/sound/soundclip.h"
#include "window/sound/soundengine.h"
#include "window/sound/soundvoice.h"

namespace marvane {

namespace {

class AudioEngine final : public SoundEngine {
public:
    Opened open(const QString& fileName, std::shared_ptr<VoiceStatus> status, int waitMs) override {
        Opened opened;
        std::shared_ptr<const SoundClip> clip;
        try {
            clip = std::make_shared<const SoundClip>(decodeSoundFile(fileName));
        } catch (const SoundFileError& error) {
            opened.fileFault = true;
            opened.error = error.text();
            return opened;
        }

        AudioThread& audio = AudioThread::instance();
        const quint64 id = audio.newVoiceId();
        auto answer = std::make_shared<std::promise<QString>>();
        std::future<QString> outcome = answer->get_future();
        audio.post([&audio, id, clip, status, answer] {
            try {
                audio.addVoice(id, std::make_unique<SoundVoice>(*clip, status));
                answer->set_value({});
            } catch (const SoundDeviceError& error) {
                answer->set_value(error.text());
            } catch (...) {
                // Out of memory, say: the opening thread throws it on, unless it gave up waiting.
                answer->set_exception(std::current_exception());
            }
        });

        // The one place the calling thread waits for the audio server, for at most `waitMs`.
        opened.error = QStringLiteral("The audio server does not answer");
        if (outcome.wait_for(std::chrono::milliseconds(waitMs)) == std::future_status::ready) {
            try {
                opened.error = outcome.get();
            } catch (const std::future_error&) {
                opened.error = QStringLiteral("The audio thread has ended");
            }  // anything else the audio thread met goes on to the caller; no voice was kept
        }
        if (!opened.error.isEmpty()) {
            // Should the answer still come, the voice it made goes again right after.
            audio.post([&audio, id] { audio.removeVoice(id); });
            return opened;
        }
        opened.voice = id;
        return opened;
    }

    void close(quint64 voice) override {
        // Once the thread has ended with the application object, its voices are gone already.
        if (AudioThread* audio = AudioThread::current(); audio && voice != 0) {
            audio->post([audio, voice] { audio->removeVoice(voice); });
        }
    }

    void play(quint64 voice, const std::shared_ptr<VoiceStatus>& status) override {
        AudioThread* audio = AudioThread::current();
        if (voice == 0 || !audio) return;
        // Requests made while one is on its way, or while the audio thread is held up, add
        // nothing.
        if (status->playRequested.exchange(true)) return;
        status->playing = true;
        audio->post([audio, voice, status] {
            status->playRequested = false;
            if (SoundVoice* playing = audio->voice(voice)) playing->play();
        });
    }
};

}  // namespace

}  // namespace marvane

extern "C" Q_DECL_EXPORT marvane::SoundEngine* marvaneSoundEngine() {
    static marvane::AudioEngine engine;
    return &engine;
}
