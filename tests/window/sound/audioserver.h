// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

namespace marvane::test {

// Why the sound tests cannot reach an audio server, or an empty string when they can. Asks the
// server itself: Qt's audio engine belongs to the thread that first uses it, which must be the
// program's audio thread.
QString audioServerProblem();
// Whether a missing audio server fails the tests instead of skipping them (CI=true or
// MARVANE_REQUIRE_AUDIO=1).
bool audioServerRequired();

// The indexes of the server's playback streams that belong to this process.
QList<int> ourSinkInputs();

// Starts `process` so that the kernel kills it when this program ends, however it ends: a test
// that fails, crashes or is killed for taking too long leaves nothing of its own running.
void startTiedToUs(QProcess& process, const QString& program, const QStringList& arguments);

// A PulseAudio server of the test's own with a null sink, in a temporary folder, run as a child
// of the test (see startTiedToUs). Creating it points this process's audio at it, so create it
// before the first sound is opened; the audio tools the tests run (pactl, parec) find it too.
class PrivateAudioServer {
public:
    PrivateAudioServer();
    ~PrivateAudioServer();
    // Why no server of our own can run here (pulseaudio or pactl missing), or an empty string.
    static QString problem();

    // Starts the server and waits until it answers.
    bool start();
    // SIGKILL, and waits until it is gone; the server of a later start() is a new one.
    void kill();
    qint64 pid() const { return server_.processId(); }

private:
    QTemporaryDir runtime_;
    QProcess server_;
};

// Records what the default output plays, from its monitor.
class OutputRecorder {
public:
    OutputRecorder();
    ~OutputRecorder();
    // True once the recorder's stream is connected to the server.
    bool isRecording() const;
    // True once anything clearly audible has been recorded.
    bool heardSound();
    // Milliseconds from the first to the last clearly audible sample recorded so far.
    qint64 audibleSpanMs();
    // Milliseconds of audible sound recorded so far, the silences between sounds left out.
    qint64 audibleMs();
    // Milliseconds of silence recorded since the last audible sample.
    qint64 silenceSinceMs();
    // Milliseconds recorded so far.
    qint64 recordedMs();
    // Where in the recording the first sound that starts at `fromMs` or later starts, in
    // milliseconds; -1 when none has been recorded yet. A sound starts after 20 ms of silence.
    qint64 soundStartMs(qint64 fromMs);

private:
    void readAvailable();

    QProcess parec_;
    QByteArray pending_;
    qint64 samples_ = 0;
    qint64 firstAudible_ = -1;
    qint64 lastAudible_ = -1;
    qint64 audibleSamples_ = 0;
    QList<qint64> soundStarts_;
};

// Whether a sample of full scale 1.0 is clearly audible, as the recorder judges it.
bool isAudible(float sample);

}  // namespace marvane::test

// Skips the test when `problem` (a string) says why it cannot run, or fails it where an audio
// server is required.
#define SKIP_FOR_AUDIO_PROBLEM(problem)                                            \
    do {                                                                           \
        const QString problem_ = (problem);                                        \
        if (!problem_.isEmpty()) {                                                 \
            if (marvane::test::audioServerRequired()) QFAIL(qPrintable(problem_)); \
            QSKIP(qPrintable(problem_));                                           \
        }                                                                          \
    } while (false)

// Skips the test when no audio server is reachable, or fails it where one is required.
#define REQUIRE_AUDIO_SERVER() SKIP_FOR_AUDIO_PROBLEM(marvane::test::audioServerProblem())
