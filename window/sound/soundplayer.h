// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QtGlobal>
#include <memory>

namespace marvane {

struct VoiceStatus;

// One sound effect: a file decoded once and played on demand on the default audio output.
// The sound itself lives on the audio thread of the sound module (see SoundEngine); this handle
// only passes requests to it. Nothing here waits for the audio server except open(), and that
// only until its deadline.
class SoundPlayer {
public:
    // How long one command that opens sounds may hold up the window waiting for the audio server.
    // The answer comes within milliseconds unless the server is stalled; then the sounds are given
    // up rather than the window frozen.
    static constexpr int kAudioWaitMs = 3000;

    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(SoundPlayer&& other) noexcept;
    SoundPlayer& operator=(SoundPlayer&& other) noexcept;  // closes this player first

    // Closes the player if open, then decodes `fileName` (on this thread) and prepares the default
    // audio output for it, waiting for the audio server until `audioDeadline` at the latest.
    // Throws SoundFileError when the file does not decode, SoundDeviceError when there is no
    // output device, the device takes no format for the sound, the audio server does not answer
    // by the deadline, or the sound module cannot be loaded; the player is closed then. Anything
    // else that goes wrong (out of memory) is thrown as it is.
    void open(const QString& fileName,
              QDeadlineTimer audioDeadline = QDeadlineTimer(kAudioWaitMs));
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
