// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/audiothread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <utility>

#include "window/sound/soundvoice.h"

namespace marvane {

namespace {

// How long leaving the program waits for the audio thread to close its streams; a thread that
// the audio server holds up is given up after that.
constexpr int kExitWaitMs = 1000;

AudioThread* running = nullptr;
// A thread held up by the audio server when the program ended; kept in sight of leak checkers.
AudioThread* abandoned = nullptr;

}  // namespace

// Lives on the audio thread; each wake-up runs what has been posted.
class AudioTaskRunner : public QObject {
    Q_OBJECT

public:
    explicit AudioTaskRunner(AudioThread& audio) : audio_(audio) {}
    Q_INVOKABLE void runTasks() { audio_.runTasks(); }

private:
    AudioThread& audio_;
};

AudioThread& AudioThread::instance() {
    if (!running) running = new AudioThread;
    return *running;
}

AudioThread* AudioThread::current() { return running; }

AudioThread::AudioThread() : context_(std::make_unique<AudioTaskRunner>(*this)) {
    thread_.setObjectName(QStringLiteral("marvane-audio"));
    context_->moveToThread(&thread_);
    thread_.start();
    qAddPostRoutine([] { shutdown(kExitWaitMs); });
}

AudioThread::~AudioThread() = default;

void AudioThread::shutdown(int waitMs) {
    AudioThread* audio = std::exchange(running, nullptr);
    if (!audio) return;
    audio->post([audio] {
        audio->closeAllVoices();
        audio->thread_.quit();
    });
    if (audio->thread_.wait(QDeadlineTimer(waitMs))) {
        delete audio;
    } else {
        // Stuck in the audio server: it keeps what it uses, and the process ends around it.
        abandoned = audio;
    }
}

void AudioThread::post(std::function<void()> task) {
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    QMetaObject::invokeMethod(context_.get(), "runTasks", Qt::QueuedConnection);
}

// One task at a time, taken out under the lock and run outside it: a task may post more, and a
// voice being destroyed lets the thread's events run, which may come back here for the next one.
void AudioThread::runTasks() {
    for (;;) {
        std::function<void()> task;
        {
            const std::lock_guard lock(mutex_);
            if (tasks_.empty()) return;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

void AudioThread::addVoice(quint64 id, std::unique_ptr<SoundVoice> voice) {
    voices_[id] = std::move(voice);
}

SoundVoice* AudioThread::voice(quint64 id) const {
    const auto found = voices_.find(id);
    return found == voices_.end() ? nullptr : found->second.get();
}

void AudioThread::removeVoice(quint64 id) {
    // Taken out of the map before it is freed: Qt's sink processes events as it is destroyed,
    // so tasks queued for other voices may run inside, and find the map whole.
    auto node = voices_.extract(id);
}

void AudioThread::closeAllVoices() {
    while (!voices_.empty()) voices_.extract(voices_.begin());
}

}  // namespace marvane

#include "audiothread.moc"
