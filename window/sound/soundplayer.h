#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

namespace marvane {

struct VoiceStatus;

// One sound effect: a file decoded once and played on demand on the default audio output.
// The sound itself lives on the audio thread of the sound module (see SoundEngine); this handle
// only passes requests to it, so nothing here waits for the audio server except open(), and that
// only for a while.
class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(SoundPlayer&& other) noexcept;
    SoundPlayer& operator=(SoundPlayer&& other) noexcept;  // closes this player first

    // Closes the player if open, then decodes `fileName` and prepares the default audio output
    // for it. Throws SoundFileError when the file does not decode, SoundDeviceError when there is
    // no output device, the device takes no format for the sound, the audio server does not answer
    // in time, or the sound module cannot be loaded; the player is closed then.
    void open(const QString& fileName);
    // Closing a playing sound stops it; the request returns at once.
    void close();
    bool isOpen() const { return voice_ != 0; }
    QString fileName() const { return fileName_; }

    // Starts the sound from its beginning, unless its audible part is still playing: then it
    // simply goes on. Does nothing on a closed player; an output that fails to start is not
    // reported. Returns at once.
    void play();
    // True from a play request until the audible part of the sound has been played.
    bool isPlaying() const;

private:
    quint64 voice_ = 0;
    std::shared_ptr<VoiceStatus> status_;
    QString fileName_;
};

}  // namespace marvane
