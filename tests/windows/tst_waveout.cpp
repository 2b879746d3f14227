// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows sound module as the window uses it: loaded from beside the program, opening the
// program's own sounds and playing them through to the end on the default device.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "window/sound/sounderror.h"
#include "window/sound/soundplayer.h"
#include "window/sound/wavfile.h"

using namespace marvane;

namespace {

QString soundFile(const char* name) {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/system/") + QLatin1String(name);
}

constexpr qint64 kServerBufferMs = 100;

// How long the audible part of the file's sound lasts (the module plays only that part and
// counts the sound as over at its end), read by the module's own reader.
qint64 lengthMs(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray bytes = file.readAll();
    const wav::Clip clip = wav::decode(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    return clip.sampleRate > 0 ? clip.audibleFrames() * 1000 / clip.sampleRate : 0;
}

bool waitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms) return false;
        QThread::msleep(5);
    }
    return true;
}

}  // namespace

TEST(WaveOutModule, PlaysEachOfTheProgramsSoundsToItsEndAndAgain) {
    for (const char* name : {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"}) {
        SCOPED_TRACE(name);
        SoundPlayer player;
        ASSERT_NO_THROW(player.open(soundFile(name)));
        const qint64 length = lengthMs(soundFile(name));
        ASSERT_GT(length, 0);
        for (int round = 0; round < 2; ++round) {
            QElapsedTimer clock;
            clock.start();
            player.play();
            EXPECT_TRUE(player.isPlaying());
            // The device reports the end a little after the sound; allow its length and 3 s.
            ASSERT_TRUE(waitFor([&] { return !player.isPlaying(); }, int(length) + 3000))
                << "round " << round;
            // Not reported over before the sound could have been heard through. The driver's
            // position counts what has gone to the audio server, which can be up to the
            // server's buffer (under Wine on PulseAudio, some tens of ms) ahead of the ear.
            EXPECT_GE(clock.elapsed() + kServerBufferMs, length) << "round " << round;
        }
    }
}

TEST(WaveOutModule, APlayWhileTheSoundIsHeardGoesOnRatherThanRestarting) {
    SoundPlayer player;
    player.open(soundFile("Won.wav"));
    const qint64 length = lengthMs(soundFile("Won.wav"));
    // Each play waits for an output to open, which on a busy machine can take longer than the
    // sound itself, so the second request is judged against a play of its own rather than
    // against the file's length: going on ends with it, a restart some 500 ms later.
    const auto playedMs = [&](int secondRequestAfterMs) {
        QElapsedTimer clock;
        clock.start();
        player.play();
        if (secondRequestAfterMs > 0) {
            QThread::msleep(secondRequestAfterMs);
            player.play();
        }
        EXPECT_TRUE(waitFor([&] { return !player.isPlaying(); }, int(length) + 5000));
        return clock.elapsed();
    };
    const qint64 alone = playedMs(0);
    const qint64 twice = playedMs(500);
    EXPECT_LT(twice, alone + 250) << "alone " << alone << " ms";
}

TEST(WaveOutModule, AFileThatIsNotASoundIsAFileFaultNotADeviceFault) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile text(dir.filePath("Ok.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("RIFF\x04\x00\x00\x00WAVE", 12);
    text.close();
    for (const QString& name : {text.fileName(), dir.filePath("missing.wav")}) {
        SoundPlayer player;
        EXPECT_THROW(player.open(name), SoundFileError) << name.toStdString();
        EXPECT_FALSE(player.isOpen());
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
