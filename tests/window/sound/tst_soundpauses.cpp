// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "tests/window/sound/audioserver.h"
#include "window/sound/soundplayer.h"
#include "tests/window/sound/soundtestmain.h"

using marvane::SoundPlayer;
using marvane::test::OutputRecorder;
using marvane::test::PrivateAudioServer;

// Sounds asked for after the pauses a player makes between moves: each is heard, when it was
// asked for. The test runs an audio server of its own, so that nothing else plays into its
// recording and it need not wait for the other sound tests.
class SoundPausesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SKIP_FOR_AUDIO_PROBLEM(PrivateAudioServer::problem());
        QVERIFY(server_.start());
    }

    void everySoundAfterAPauseIsHeardWhenAskedFor_data() {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QList<int>>("pausesMs");
        // The first pause ends as the sound before has died away, while its stream still plays
        // silence; after the longer ones the stream has been closed, and each play opens a new
        // one. A sound must not wear out however often that happens.
        QTest::newRow("pauses of up to 5 s") << "Ok.wav" << QList<int>{0, 0, 1500, 3000, 5000};
        QTest::newRow("half a minute of silence") << "Bad.wav" << QList<int>{0, 30000};
    }

    void everySoundAfterAPauseIsHeardWhenAskedFor() {
        QFETCH(QString, sound);
        QFETCH(QList<int>, pausesMs);
        SoundPlayer player;
        player.open(QStringLiteral(MARVANE_SOUND_DIR "/") + sound);
        OutputRecorder recorder;
        QTRY_VERIFY_WITH_TIMEOUT(recorder.isRecording(), 10000);

        for (qsizetype i = 0; i < pausesMs.size(); ++i) {
            QTest::qWait(pausesMs[i]);
            // The recording runs a little behind: the sound cannot start before this point of it.
            // It starts within a tenth of a second at rest; a loaded machine may take a second.
            const qint64 askedAt = recorder.recordedMs();
            player.play();
            QTRY_VERIFY_WITH_TIMEOUT(
                recorder.soundStartMs(askedAt) >= 0 || recorder.recordedMs() > askedAt + 3000,
                6000);
            const qint64 heardAt = recorder.soundStartMs(askedAt);
            QVERIFY2(heardAt >= 0 && heardAt <= askedAt + 2000,
                     qPrintable(QStringLiteral("play %1, after %2 ms: asked for at %3 ms of the "
                                               "recording, heard at %4")
                                    .arg(i + 1)
                                    .arg(pausesMs[i])
                                    .arg(askedAt)
                                    .arg(heardAt)));
            // The next pause starts once the sound is over and the output silent. The game's
            // sounds last under a second; the null sink reports one over up to three late.
            QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying() && recorder.silenceSinceMs() >= 100, 4000);
        }
    }

private:
    PrivateAudioServer server_;
};

MARVANE_SOUND_TEST_MAIN(SoundPausesTest)
#include "tst_soundpauses.moc"
