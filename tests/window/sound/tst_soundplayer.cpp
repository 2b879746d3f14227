// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>

#include "tests/window/sound/audioserver.h"
#include "window/sound/soundclip.h"
#include "window/sound/soundplayer.h"
#include "tests/window/sound/soundtestmain.h"

using marvane::SoundFileError;
using marvane::SoundPlayer;
using marvane::test::ourSinkInputs;

namespace {

const QString kShippedSounds = QStringLiteral(MARVANE_SOUND_DIR);
QString shipped(const char* name) { return kShippedSounds + QLatin1Char('/') + name; }

qint64 audibleSpanMs(const QString& fileName) {
    const marvane::SoundClip clip = marvane::decodeSoundFile(fileName);
    const auto first =
        std::find_if(clip.samples.begin(), clip.samples.end(), marvane::test::isAudible);
    const auto last =
        std::find_if(clip.samples.rbegin(), clip.samples.rend(), marvane::test::isAudible);
    return (clip.samples.rend() - last - 1 - (first - clip.samples.begin())) * 1000 /
           clip.sampleRate;
}

// The null sink reports a sound finished one to three seconds late.
int finishTimeout(const SoundPlayer& player) {
    return int(marvane::decodeSoundFile(player.fileName()).durationMs()) + 3000;
}

// A 16-bit mono WAV file at 44.1 kHz: a steady tone of `toneMs`, then `silenceMs` of silence, so
// that the recorder tells each play of it apart.
void writeToneFile(const QString& fileName, int toneMs, int silenceMs) {
    constexpr int kRate = 44100;
    QByteArray samples;
    for (int i = 0; i < (toneMs + silenceMs) * kRate / 1000; ++i) {
        const double value =
            i < toneMs * kRate / 1000 ? 0.5 * std::sin(i * 2 * M_PI * 440 / kRate) : 0;
        qint16 sample = qToLittleEndian<qint16>(qint16(std::lround(value * 32767)));
        samples.append(reinterpret_cast<const char*>(&sample), 2);
    }
    QByteArray header;
    const auto put32 = [&header](quint32 v) {
        v = qToLittleEndian(v);
        header.append(reinterpret_cast<const char*>(&v), 4);
    };
    const auto put16 = [&header](quint16 v) {
        v = qToLittleEndian(v);
        header.append(reinterpret_cast<const char*>(&v), 2);
    };
    header += "RIFF";
    put32(quint32(36 + samples.size()));
    header += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    header += "data";
    put32(quint32(samples.size()));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(header + samples);
}

}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        REQUIRE_AUDIO_SERVER();
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 5000);
    }

    void aPlayedSoundReachesTheOutput() {
        SoundPlayer player;
        player.open(shipped("Won.wav"));
        QVERIFY(player.isOpen());
        QVERIFY(!player.isPlaying());

        marvane::test::OutputRecorder recorder;
        QTRY_VERIFY_WITH_TIMEOUT(recorder.isRecording(), 10000);
        QVERIFY(!recorder.heardSound());
        player.play();
        QVERIFY(player.isPlaying());
        QTRY_COMPARE(ourSinkInputs().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(recorder.heardSound(), finishTimeout(player));
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), finishTimeout(player));
        // The whole sound arrives, up to its last audible sample.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.audibleSpanMs() >= audibleSpanMs(player.fileName()) - 20,
                                 5000);
        // Once drained, the stream is closed so that nothing wakes the program until the next play.
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 5000);
    }

    void aRequestWhilePlayingNeitherRestartsNorAddsACopy() {
        SoundPlayer player;
        player.open(shipped("Won.wav"));
        marvane::test::OutputRecorder recorder;
        QTRY_VERIFY_WITH_TIMEOUT(recorder.isRecording(), 10000);
        player.play();
        QTRY_COMPARE(ourSinkInputs().size(), 1);
        const QList<int> streams = ourSinkInputs();
        // Well into the sound: a restart now would add 400 ms to what is heard.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.audibleSpanMs() >= 400, 5000);
        if (!player.isPlaying()) QSKIP("The machine was too slow to catch the sound while playing");

        player.play();
        player.play();
        QVERIFY(player.isPlaying());
        QTest::qWait(50);
        QCOMPARE(ourSinkInputs(), streams);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), finishTimeout(player));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.silenceSinceMs() > 300, 5000);
        // One whole copy: no more, and nothing of it cut.
        // One copy, and all of it. A second copy would add its whole length; the recorder itself
        // may lose a few milliseconds on a loaded machine, so the bounds are loose.
        const qint64 expected = audibleSpanMs(player.fileName());
        const QString heard = QStringLiteral("heard %1 ms over %2 ms of a %3 ms sound")
                                  .arg(recorder.audibleMs())
                                  .arg(recorder.audibleSpanMs())
                                  .arg(expected);
        QVERIFY2(recorder.audibleSpanMs() >= expected - 20, qPrintable(heard));
        QVERIFY2(recorder.audibleMs() <= expected + 200, qPrintable(heard));
    }

    void aFinishedSoundPlaysAgainFromTheStart() {
        SoundPlayer player;
        player.open(shipped("Ok.wav"));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), finishTimeout(player));
        // Long enough for the stream to close: the next play opens a new one.
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 5000);

        marvane::test::OutputRecorder recorder;
        QTRY_VERIFY_WITH_TIMEOUT(recorder.isRecording(), 10000);
        player.play();
        QVERIFY(player.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), finishTimeout(player));
        // All of it again, from its first audible sample to its last.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.audibleSpanMs() >= audibleSpanMs(player.fileName()) - 20,
                                 5000);
    }

    // A move made just after the sound of the last one has died away is heard too, even while
    // the stream still plays the silence after it; and neither sound is cut short.
    void aSoundRequestedJustAfterItsAudiblePartPlaysAgain() {
        QTemporaryDir dir;
        const QString tone = dir.filePath(QStringLiteral("tone.wav"));
        writeToneFile(tone, 150, 200);
        SoundPlayer player;
        player.open(tone);
        marvane::test::OutputRecorder recorder;
        QTRY_VERIFY_WITH_TIMEOUT(recorder.isRecording(), 10000);

        player.play();
        // The whole tone, first to last sample, and a little silence after it.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.audibleSpanMs() >= 140 && recorder.silenceSinceMs() >= 20,
                                 finishTimeout(player));
        QVERIFY(!player.isPlaying());
        const qint64 once = recorder.audibleMs();
        player.play();
        QVERIFY(player.isPlaying());
        // A second tone, not cut short; the recorder may lose a few milliseconds under load.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.audibleMs() >= once + 120, finishTimeout(player));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.silenceSinceMs() > 300, 5000);
        // And no third.
        QVERIFY2(
            recorder.audibleMs() <= once + 170,
            qPrintable(QStringLiteral("%1 ms, then %2 ms").arg(once).arg(recorder.audibleMs())));
    }

    void closingStopsTheSoundAndAClosedPlayerIsSilent() {
        SoundPlayer player;
        player.open(shipped("Won.wav"));
        player.play();
        QTRY_COMPARE(ourSinkInputs().size(), 1);
        player.close();
        QVERIFY(!player.isOpen());
        QVERIFY(!player.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 5000);
        player.play();
        QVERIFY(!player.isPlaying());
        QVERIFY(ourSinkInputs().isEmpty());
    }

    void aFileThatDoesNotDecodeLeavesThePlayerClosed() {
        QTemporaryDir dir;
        QFile cut(dir.filePath(QStringLiteral("cut.wav")));
        QFile whole(shipped("Bad.wav"));
        QVERIFY(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(whole.size() / 2));
        cut.close();

        SoundPlayer player;
        player.open(shipped("Ok.wav"));
        QVERIFY_THROWS_EXCEPTION(SoundFileError, player.open(cut.fileName()));
        QVERIFY(!player.isOpen());
        player.play();
        QVERIFY(!player.isPlaying());
        QVERIFY(ourSinkInputs().isEmpty());
    }
};

MARVANE_SOUND_TEST_MAIN(SoundPlayerTest)
#include "tst_soundplayer.moc"
