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

using namespace marvane;

namespace {

QString soundFile(const char* name) {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/system/") + QLatin1String(name);
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
        ASSERT_GT(player.length(), 0);
        for (int round = 0; round < 2; ++round) {
            player.play();
            EXPECT_TRUE(player.isPlaying());
            // The device reports the end a little after the sound; allow its length and 3 s.
            ASSERT_TRUE(waitFor([&] { return !player.isPlaying(); }, int(player.length()) + 3000))
                << "round " << round;
            EXPECT_EQ(player.position(), player.length());
        }
    }
}

TEST(WaveOutModule, APlayWhileTheSoundIsHeardGoesOnRatherThanRestarting) {
    SoundPlayer player;
    player.open(soundFile("Won.wav"));
    player.play();
    // Far enough in that a restart would show as a position well before it.
    ASSERT_TRUE(waitFor([&] { return player.position() >= 300; }, 3000));
    const qint64 before = player.position();
    player.play();
    QThread::msleep(50);
    EXPECT_GE(player.position(), before);
    ASSERT_TRUE(waitFor([&] { return !player.isPlaying(); }, int(player.length()) + 3000));
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
