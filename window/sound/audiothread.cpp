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

AudioThread& AudioThread::instance() {
    if (!running) running = new AudioThread;
    return *running;
}

AudioThread* AudioThread::current() { return running; }

AudioThread::AudioThread() : context_(std::make_unique<QObject>()) {
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
    QMetaObject::invokeMethod(context_.get(), std::move(task), Qt::QueuedConnection);
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
