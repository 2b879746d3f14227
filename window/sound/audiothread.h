// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThread>
#include <QtGlobal>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace marvane {

class SoundVoice;
class AudioTaskRunner;

// The one thread on which the program's sounds are opened, started, stopped and freed.
//
// Qt 6.4's PulseAudio output waits for the audio server without a timeout when a stream starts,
// and its engine belongs to the thread that first uses it. Everything that touches it therefore
// runs here, in the order it was asked for, and a stalled server holds up this thread. The GUI
// thread posts its requests and waits for this thread in two places only, each for a bounded
// time: opening sounds (SoundPlayer::kAudioWaitMs at most per command) and leaving the program
// (shutdown(), one second).
class AudioThread {
public:
    // The thread, started on first use. GUI thread only.
    static AudioThread& instance();
    // The thread if it runs, else null (never started, or ended with the application object).
    static AudioThread* current();
    // Closes every voice and ends the thread, giving it `waitMs` to do so; a thread that the
    // audio server holds up is abandoned, not waited for. Runs by itself as the application
    // object is destroyed.
    static void shutdown(int waitMs);

    quint64 newVoiceId() { return ++lastVoiceId_; }
    // Runs `task` on the audio thread after everything posted before it. Never waits.
    void post(std::function<void()> task);

    // On the audio thread only.
    void addVoice(quint64 id, std::unique_ptr<SoundVoice> voice);
    SoundVoice* voice(quint64 id) const;
    void removeVoice(quint64 id);

private:
    friend class AudioTaskRunner;
    AudioThread();
    ~AudioThread();
    void closeAllVoices();
    // On the audio thread: runs the posted tasks in order until none is left.
    void runTasks();

    QThread thread_;
    std::unique_ptr<AudioTaskRunner> context_;  // lives on thread_; woken for the posted tasks
    // The tasks pass through this queue under `mutex_`, not inside the wake-up event, so a
    // thread checker sees them handed over.
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;  // guarded by mutex_
    std::map<quint64, std::unique_ptr<SoundVoice>> voices_;
    quint64 lastVoiceId_ = 0;
};

}  // namespace marvane
