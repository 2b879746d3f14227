// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/window/sound/audioserver.h"
#include "tests/window/sound/modalscript.h"
#include "tests/window/sound/soundtestmain.h"
#include "window/sound/soundeffects.h"
#include "window/sound/sounderror.h"

using marvane::Sound;

// Run with PULSE_SERVER pointing nowhere, a machine without any audio server; or built as
// tst_soundnomodule, where no sound module lies beside the program: either way no sound opens.
class SoundWithoutServerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
#ifdef MARVANE_WITHOUT_SOUND_MODULE
        QVERIFY2(QDir(QCoreApplication::applicationDirPath())
                     .entryList({QStringLiteral("marvane-sound*")})
                     .isEmpty(),
                 "a sound module lies beside the program");
#else
        QVERIFY2(!marvane::test::audioServerProblem().isEmpty(),
                 "an audio server is reachable although PULSE_SERVER points nowhere");
#endif
    }

    void openingFailsAtOnce() {
        marvane::SoundPlayer player;
        QVERIFY_THROWS_EXCEPTION(marvane::SoundDeviceError,
                                 player.open(QStringLiteral(MARVANE_SOUND_DIR "/Ok.wav")));
        QVERIFY(!player.isOpen());
        player.play();
        QVERIFY(!player.isPlaying());
    }

    void startUpTellsTheUserAndDisablesSound() {
        QTemporaryDir program;
        QVERIFY(QDir().mkpath(program.filePath("system")));
        for (const char* name : {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"}) {
            QVERIFY(QFile::copy(QStringLiteral(MARVANE_SOUND_DIR "/") + name,
                                program.filePath(QStringLiteral("system/") + name)));
        }
        QWidget window;
        auto* sound = new QCheckBox(&window);
        sound->setChecked(true);
        window.show();
        marvane::SoundEffects effects(sound, &window, {}, program.path());
        QStringList shown;
        marvane::test::ModalScript script({[&shown](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            shown.append(box ? box->windowTitle() + ": " + box->text() : QString());
            dialog->close();
        }});

        effects.startUpSounds();

        QCOMPARE(shown, QStringList{"Marvane: No Sound device present or other audio error\n "
                                    "sounds disabled. "});
        QVERIFY(!sound->isChecked());
        QVERIFY(!sound->isEnabled());
        QVERIFY(effects.chosen());  // what a later run with a device starts with
        effects.request(Sound::OKSound);
        QVERIFY(!effects.player(Sound::OKSound).isPlaying());
    }
};

MARVANE_SOUND_TEST_MAIN(SoundWithoutServerTest)
#include "tst_soundnoserver.moc"
