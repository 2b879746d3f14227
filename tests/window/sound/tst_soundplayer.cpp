#include <QTemporaryDir>
#include <QtTest>

#include "tests/window/sound/audioserver.h"
#include "window/sound/soundclip.h"
#include "window/sound/soundplayer.h"

using marvane::SoundDeviceError;
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
int finishTimeout(const SoundPlayer& player) { return int(player.length()) + 3000; }

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
        QCOMPARE(ourSinkInputs().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(recorder.heardSound(), finishTimeout(player));
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), finishTimeout(player));
        QCOMPARE(player.position(), player.length());
        // The whole sound arrives, up to its last audible sample.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.audibleSpanMs() >= audibleSpanMs(player.fileName()) - 20,
                                 5000);
        // Once drained, the stream is closed so that nothing wakes the program until the next play.
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 5000);
    }

    void aRequestWhilePlayingNeitherRestartsNorAddsACopy() {
        SoundPlayer player;
        player.open(shipped("Won.wav"));
        player.play();
        const QList<int> streams = ourSinkInputs();
        QCOMPARE(streams.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0, 5000);
        if (!player.isPlaying()) QSKIP("The machine was too slow to catch the sound while playing");

        const qint64 before = player.position();
        player.play();
        QVERIFY(player.isPlaying());
        QVERIFY(player.position() >= before);
        QCOMPARE(ourSinkInputs(), streams);
    }

    void aFinishedSoundPlaysAgainFromTheStart() {
        SoundPlayer player;
        player.open(shipped("Ok.wav"));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), finishTimeout(player));
        QCOMPARE(player.position(), player.length());

        marvane::test::OutputRecorder recorder;
        QTRY_VERIFY_WITH_TIMEOUT(recorder.isRecording(), 10000);
        player.play();
        QVERIFY(player.isPlaying());
        QVERIFY(player.position() < player.length());
        QTRY_VERIFY_WITH_TIMEOUT(recorder.heardSound(), finishTimeout(player));
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), finishTimeout(player));
    }

    void closingStopsTheSoundAndAClosedPlayerIsSilent() {
        SoundPlayer player;
        player.open(shipped("Won.wav"));
        player.play();
        QCOMPARE(ourSinkInputs().size(), 1);
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
        QVERIFY_THROWS_EXCEPTION(SoundDeviceError, player.open(cut.fileName()));
        QVERIFY(!player.isOpen());
        player.play();
        QVERIFY(!player.isPlaying());
        QVERIFY(ourSinkInputs().isEmpty());
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "tst_soundplayer.moc"
