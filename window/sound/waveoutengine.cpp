// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/waveoutengine.h"

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "window/sound/sounderror.h"
#include "window/sound/wavfile.h"

namespace marvane {

namespace {

// Silence before the sound, so that a click in its first milliseconds is not lost while the
// mixer fits the new output in, and after it, so that closing the output cuts nothing audible.
constexpr int kLeadMs = 40;
constexpr int kPaddingMs = 250;
// How often a playing sound's position is read; only while an output is open.
constexpr auto kPollInterval = std::chrono::milliseconds(15);
// 60 seconds of 8 channels of 32-bit samples at 32 kHz; larger files are refused unread.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct OutputFormat {
    int rate = 0;
    int channels = 0;
};

WAVEFORMATEX waveFormat(OutputFormat format) {
    WAVEFORMATEX w{};
    w.wFormatTag = WAVE_FORMAT_PCM;
    w.nChannels = WORD(format.channels);
    w.nSamplesPerSec = DWORD(format.rate);
    w.wBitsPerSample = 16;
    w.nBlockAlign = WORD(format.channels * 2);
    w.nAvgBytesPerSec = w.nSamplesPerSec * w.nBlockAlign;
    return w;
}

// The sound's own rate and channels as 16-bit samples when the device takes them, else the
// formats every device takes. Throws SoundDeviceError when it takes none.
OutputFormat chooseFormat(const wav::Clip& clip) {
    const OutputFormat candidates[] = {{clip.sampleRate, clip.channels},
                                       {clip.sampleRate, 2},
                                       {44100, 2},
                                       {48000, 2}};
    for (const OutputFormat& candidate : candidates) {
        WAVEFORMATEX w = waveFormat(candidate);
        if (waveOutOpen(nullptr, WAVE_MAPPER, &w, 0, 0, WAVE_FORMAT_QUERY) == MMSYSERR_NOERROR) {
            return candidate;
        }
    }
    throw SoundDeviceError(QStringLiteral("The sound device takes no format for this sound"));
}

wav::Clip readWavFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw SoundFileError(QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    }
    if (file.size() > kMaxFileBytes) {
        throw SoundFileError(QStringLiteral("%1 is too long for a sound effect").arg(fileName));
    }
    const QByteArray bytes = file.readAll();
    try {
        return wav::decode({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            std::size_t(bytes.size())});
    } catch (const wav::WavError& error) {
        throw SoundFileError(QStringLiteral("%1 cannot be played: %2")
                                 .arg(fileName, QString::fromStdString(error.what())));
    }
}

// One sound and, while it plays, its output. Engine thread only.
class WaveVoice {
public:
    WaveVoice(const wav::Clip& clip, OutputFormat format, std::shared_ptr<VoiceStatus> status)
        : status_(std::move(status)), format_(waveFormat(format)) {
        const std::size_t leadSamples = std::size_t(format.rate) * kLeadMs / 1000 * format.channels;
        const std::size_t padSamples = std::size_t(format.rate) * kPaddingMs / 1000 * format.channels;
        const std::vector<std::int16_t> audible =
            wav::renderInt16(clip, format.rate, format.channels, clip.audibleFrames());
        pcm_.assign(leadSamples, 0);
        pcm_.insert(pcm_.end(), audible.begin(), audible.end());
        audibleEndBytes_ = pcm_.size() * sizeof(std::int16_t);
        pcm_.resize(pcm_.size() + padSamples, 0);
    }
    ~WaveVoice() { closeOutput(); }
    WaveVoice(const WaveVoice&) = delete;
    WaveVoice& operator=(const WaveVoice&) = delete;

    // From the start, unless the audible part is still playing: then it simply goes on.
    void play() {
        if (out_ && !finished_) return;
        // Only the silence after the last play may be left: cut it and start on a new output, so
        // that the position by which the end is found starts from 0 whatever a driver does with
        // its position on a reset.
        closeOutput();
        if (!openOutput()) {
            finish();  // not heard, and not reported
            return;
        }
        finished_ = false;
        status_->playing = true;
        if (waveOutWrite(out_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
            closeOutput();
            finish();
        }
    }

    // Brings the status up to date, and closes the output once everything has been played.
    // True while the output is open.
    bool poll() {
        if (!out_) return false;
        if (!finished_) {
            const qint64 played = bytesPlayed();
            if (played >= qint64(audibleEndBytes_)) finish();
        }
        if (header_.dwFlags & WHDR_DONE) {
            finish();
            closeOutput();
            return false;
        }
        return true;
    }

private:
    bool openOutput() {
        if (const MMRESULT result = waveOutOpen(&out_, WAVE_MAPPER, &format_, 0, 0, CALLBACK_NULL);
            result != MMSYSERR_NOERROR) {
            // Not shown to the player; left for whoever looks at the debug output.
            qWarning("waveOutOpen failed: %u", result);
            out_ = nullptr;
            return false;
        }
        header_ = {};
        header_.lpData = reinterpret_cast<LPSTR>(pcm_.data());
        header_.dwBufferLength = DWORD(pcm_.size() * sizeof(std::int16_t));
        if (waveOutPrepareHeader(out_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
            waveOutClose(out_);
            out_ = nullptr;
            return false;
        }
        return true;
    }

    void closeOutput() {
        if (!out_) return;
        waveOutReset(out_);
        waveOutUnprepareHeader(out_, &header_, sizeof header_);
        waveOutClose(out_);
        out_ = nullptr;
    }

    // How much of the output has been played, or -1 when the driver does not say.
    qint64 bytesPlayed() {
        MMTIME time{};
        time.wType = TIME_BYTES;
        if (waveOutGetPosition(out_, &time, sizeof time) != MMSYSERR_NOERROR) return -1;
        if (time.wType == TIME_BYTES) return time.u.cb;
        if (time.wType == TIME_SAMPLES) return qint64(time.u.sample) * format_.nBlockAlign;
        return -1;
    }

    void finish() {
        finished_ = true;
        status_->playing = false;
    }

    std::shared_ptr<VoiceStatus> status_;
    WAVEFORMATEX format_;
    std::vector<std::int16_t> pcm_;  // lead silence, the audible part, trailing silence
    std::size_t audibleEndBytes_ = 0;
    HWAVEOUT out_ = nullptr;
    WAVEHDR header_{};
    bool finished_ = true;
};

class WaveOutEngine final : public SoundEngine {
public:
    WaveOutEngine() : thread_([this] { run(); }) {}

    Opened open(const QString& fileName, std::shared_ptr<VoiceStatus> status, int waitMs) override {
        Opened opened;
        std::shared_ptr<const wav::Clip> clip;
        try {
            clip = std::make_shared<const wav::Clip>(readWavFile(fileName));
        } catch (const SoundError& error) {
            opened.fileFault = true;
            opened.error = error.text();
            return opened;
        }

        const quint64 id = ++lastVoiceId_;
        auto answer = std::make_shared<std::promise<QString>>();
        std::future<QString> outcome = answer->get_future();
        post([this, id, clip, status, answer] {
            try {
                if (waveOutGetNumDevs() == 0) {
                    throw SoundDeviceError(QStringLiteral("No audio output device"));
                }
                voices_[id] = std::make_unique<WaveVoice>(*clip, chooseFormat(*clip), status);
                answer->set_value({});
            } catch (const SoundError& error) {
                answer->set_value(error.text());
            } catch (const std::exception& error) {
                answer->set_value(QString::fromLocal8Bit(error.what()));
            }
        });

        opened.error = QStringLiteral("The sound device does not answer");
        if (outcome.wait_for(std::chrono::milliseconds(waitMs)) == std::future_status::ready) {
            opened.error = outcome.get();
        }
        if (!opened.error.isEmpty()) {
            // Should the answer still come, the voice it made goes again right after.
            close(id);
            return opened;
        }
        opened.voice = id;
        return opened;
    }

    void close(quint64 voice) override {
        if (voice != 0) post([this, voice] { voices_.erase(voice); });
    }

    void play(quint64 voice, const std::shared_ptr<VoiceStatus>& status) override {
        if (voice == 0) return;
        // Requests made while one is on its way add nothing.
        if (status->playRequested.exchange(true)) return;
        status->playing = true;
        post([this, voice, status] {
            status->playRequested = false;
            if (const auto found = voices_.find(voice); found != voices_.end()) {
                found->second->play();
            } else {
                status->playing = false;
            }
        });
    }

private:
    void post(std::function<void()> task) {
        {
            const std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        wake_.notify_one();
    }

    [[noreturn]] void run() {
        bool outputOpen = false;
        for (;;) {
            std::deque<std::function<void()>> batch;
            {
                std::unique_lock lock(mutex_);
                const auto posted = [this] { return !tasks_.empty(); };
                // At rest the thread sleeps until asked; only a playing sound is polled.
                if (outputOpen) {
                    wake_.wait_for(lock, kPollInterval, posted);
                } else {
                    wake_.wait(lock, posted);
                }
                batch.swap(tasks_);
            }
            for (const auto& task : batch) task();
            outputOpen = false;
            for (const auto& [id, voice] : voices_) outputOpen = voice->poll() || outputOpen;
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    std::map<quint64, std::unique_ptr<WaveVoice>> voices_;  // engine thread only
    std::atomic<quint64> lastVoiceId_{0};
    std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace

SoundEngine& waveOutEngine() {
    // Never destroyed: its thread runs until the process ends.
    static WaveOutEngine* const engine = new WaveOutEngine;
    return *engine;
}

}  // namespace marvane
