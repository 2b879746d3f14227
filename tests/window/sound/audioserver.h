#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
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

private:
    void readAvailable();

    QProcess parec_;
    QByteArray pending_;
    qint64 samples_ = 0;
    qint64 firstAudible_ = -1;
    qint64 lastAudible_ = -1;
    qint64 audibleSamples_ = 0;
};

// Whether a sample of full scale 1.0 is clearly audible, as the recorder judges it.
bool isAudible(float sample);

}  // namespace marvane::test

// Skips the test when no audio server is reachable, or fails it where one is required.
#define REQUIRE_AUDIO_SERVER()                                                     \
    do {                                                                           \
        const QString problem_ = marvane::test::audioServerProblem();              \
        if (!problem_.isEmpty()) {                                                 \
            if (marvane::test::audioServerRequired()) QFAIL(qPrintable(problem_)); \
            QSKIP(qPrintable(problem_));                                           \
        }                                                                          \
    } while (false)
