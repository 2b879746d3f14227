// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <memory>

namespace marvane {

// What the GUI thread reads of a voice that the audio thread plays.
struct VoiceStatus {
    // From the request until the audible part of the sound has been played.
    std::atomic<bool> playing{false};
    // A play request is on its way to the audio thread; later ones add nothing to it.
    std::atomic<bool> playRequested{false};
};

// The half of the sound code that needs Qt Multimedia and libsndfile: decoding, the audio
// thread and its voices. It is built as a module of its own and loaded when the first sound is
// opened, because loading those libraries and the two dozen they bring costs the start-up about
// as much as building the whole window, and nothing needs them before the window is on screen.
class SoundEngine {
public:
    struct Opened {
        quint64 voice = 0;  // 0 when the file or the device failed
        bool fileFault = false;  // the file does not decode; otherwise it is the device
        QString error;
    };

    // Decodes `fileName` on the calling thread and has the audio thread prepare an output for
    // it, waiting for that at most `waitMs`: past it the audio server counts as not answering.
    // Failures of the file or the device come back in Opened; anything else (out of memory) is
    // thrown as it happened.
    virtual Opened open(const QString& fileName, std::shared_ptr<VoiceStatus> status,
                        int waitMs) = 0;
    // Never waits; does nothing once the audio thread has ended.
    virtual void close(quint64 voice) = 0;
    virtual void play(quint64 voice, const std::shared_ptr<VoiceStatus>& status) = 0;

protected:
    ~SoundEngine() = default;
};

// The engine, its module loaded from the program's folder on the first call. Throws
// SoundDeviceError when the module cannot be loaded. GUI thread only.
SoundEngine& soundEngine();
// The engine if its module has been loaded, else null. Never loads it.
SoundEngine* loadedSoundEngine();

// The function the module exports, under this name, to hand out its engine.
using SoundEngineEntry = SoundEngine* (*)();
inline constexpr char kSoundEngineEntry[] = "marvaneSoundEngine";
// The module's file name in the program's folder, without the platform's suffix.
inline constexpr char kSoundModuleName[] = "marvane-sound";

}  // namespace marvane
