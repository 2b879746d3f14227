// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "tests/window/sound/audioserver.h"
#include "tests/window/sound/modalscript.h"
#include "window/sound/soundeffects.h"
#include "tests/window/sound/soundtestmain.h"

using marvane::Sound;
using marvane::SoundEffects;
using marvane::test::ModalScript;
using marvane::test::ourSinkInputs;

namespace {

const QString kShippedSounds = QStringLiteral(MARVANE_SOUND_DIR);
const QString kNotice =
    QStringLiteral("No Sound device present or other audio error\n sounds disabled. ");

// Copies the game's sounds into `folder` under the given names (Ok, Full, Bad, Won in order);
// an empty name leaves that sound out.
void placeSounds(const QString& folder, const QStringList& names) {
    QDir().mkpath(folder);
    const char* shipped[] = {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"};
    for (int i = 0; i < 4; ++i) {
        if (names[i].isEmpty()) continue;
        QVERIFY(QFile::copy(kShippedSounds + QLatin1Char('/') + shipped[i], folder + names[i]));
    }
}

struct MessageSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QPoint centreOffScreenCentre;
};

// Notes what a message box shows, then answers it with `answer`.
ModalScript::Step readMessage(MessageSeen& seen, std::function<void(QMessageBox*)> answer) {
    return [&seen, answer](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box) return dialog->close(), void();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) seen.buttons.append(button->text());
        seen.buttons.sort();
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
        seen.centreOffScreenCentre =
            box->frameGeometry().center() - box->screen()->availableGeometry().center();
        answer(box);
    };
}

void pressKey(QMessageBox* box, Qt::Key key) { QTest::keyClick(box, key); }

// Picks `file` in the file dialog after noting how the dialog was set up.
struct FileDialogSeen {
    QStringList filters;
    QString selectedFilter;
    QString defaultSuffix;
    QString initialFile;
};
ModalScript::Step pickFile(FileDialogSeen& seen, const QString& file) {
    return [&seen, file](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        if (!fileDialog) return dialog->close(), void();
        seen.filters = fileDialog->nameFilters();
        seen.selectedFilter = fileDialog->selectedNameFilter();
        seen.defaultSuffix = fileDialog->defaultSuffix();
        if (!fileDialog->selectedFiles().isEmpty()) {
            seen.initialFile = QFileInfo(fileDialog->selectedFiles().constFirst()).fileName();
        }
        if (file.isEmpty()) {
            fileDialog->reject();
        } else {
            // Typed into the file name box, as a user would: selectFile() leaves a focused box as
            // it is.
            auto* edit = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (edit) edit->setText(file);
            static_cast<QDialog*>(fileDialog)->accept();  // as the Open button does
        }
    };
}

ModalScript::Step unexpected(QStringList& shown) {
    return [&shown](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        shown.append(box ? box->text() : dialog->windowTitle());
        dialog->close();
    };
}

// A window with the `Sound` box and the sound effects, the way the main window holds them.
struct Fixture {
    explicit Fixture(const QString& programFolder, bool soundTicked = true) {
        window.resize(300, 200);
        window.move(0, 0);
        sound = new QCheckBox(QStringLiteral("      Sound effects"), &window);
        sound->setChecked(soundTicked);
        window.show();
        effects = std::make_unique<SoundEffects>(
            sound, &window, [this](const QString& folder) { statusTexts.append(folder); },
            programFolder);
    }

    bool soundOff() const { return !sound->isChecked() && !sound->isEnabled(); }
    bool anyPlayerOpen() const {
        for (Sound s : {Sound::OKSound, Sound::FullSound, Sound::BadSound, Sound::WonSound}) {
            if (effects->player(s).isOpen()) return true;
        }
        return false;
    }

    QWidget window;
    QCheckBox* sound = nullptr;
    QStringList statusTexts;
    std::unique_ptr<SoundEffects> effects;
};

}  // namespace

class SoundEffectsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void aMissingWonFileAloneOffersToBrowse_data() {
        QTest::addColumn<std::function<void(QMessageBox*)>>("cancel");
        QTest::newRow("Cancel button") << std::function<void(QMessageBox*)>(
            [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
        QTest::newRow("Escape key") << std::function<void(QMessageBox*)>(
            [](QMessageBox* box) { pressKey(box, Qt::Key_Escape); });
        QTest::newRow("close box")
            << std::function<void(QMessageBox*)>([](QMessageBox* box) { box->close(); });
    }

    void aMissingWonFileAloneOffersToBrowse() {
        QFETCH(std::function<void(QMessageBox*)>, cancel);
        QTemporaryDir program;
        placeSounds(program.filePath("system/"), {"Ok.wav", "Full.wav", "Bad.wav", ""});
        Fixture fixture(program.path());
        MessageSeen prompt;
        QStringList more;
        ModalScript script({readMessage(prompt, cancel), unexpected(more)});

        fixture.effects->startUpSounds();

        QCOMPARE(prompt.title, QStringLiteral("Error"));
        QCOMPARE(prompt.text, QStringLiteral("No sound files present, sound disabled. Click Yes to "
                                             "browse for files"));
        QCOMPARE(prompt.icon, QMessageBox::Critical);
        QCOMPARE(prompt.buttons, (QStringList{"&Yes", "Cancel"}));
        QCOMPARE(prompt.defaultButton, QStringLiteral("&Yes"));
        QVERIFY2(prompt.centreOffScreenCentre.manhattanLength() <= 2, "not centred on the screen");
        QCOMPARE(more, QStringList());
        QVERIFY(fixture.soundOff());
        QVERIFY(!fixture.anyPlayerOpen());
        QCOMPARE(fixture.effects->fileName(Sound::WonSound), program.filePath("system/Won.wav"));
    }

    void answeringYesThenCancellingTheFileDialogStillTriesTheOldNames() {
        QTemporaryDir program;
        placeSounds(program.filePath("system/"), {"Ok.wav", "Full.wav", "Bad.wav", ""});
        Fixture fixture(program.path());
        MessageSeen prompt;
        FileDialogSeen dialog;
        MessageSeen notice;
        ModalScript script(
            {readMessage(prompt, [](QMessageBox* box) { pressKey(box, Qt::Key_Return); }),
             pickFile(dialog, {}), readMessage(notice, [](QMessageBox* box) { box->accept(); })});

        fixture.effects->startUpSounds();

        QCOMPARE(script.answered(), std::size_t(3));
        QCOMPARE(dialog.filters,
                 (QStringList{"Marvane Bitmaps (*.bmp)", "Marvane Sound Files (*.wav)"}));
        QCOMPARE(dialog.selectedFilter, QStringLiteral("Marvane Bitmaps (*.bmp)"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("bmp"));
        QCOMPARE(dialog.initialFile, QStringLiteral("oneplayer.bmp"));
        QCOMPARE(notice.title, QStringLiteral("Marvane"));
        QCOMPARE(notice.text, kNotice);
        QCOMPARE(notice.buttons, QStringList{"OK"});
        QCOMPARE(fixture.statusTexts, QStringList());
        QVERIFY(fixture.soundOff());
        QCOMPARE(fixture.effects->fileName(Sound::OKSound), program.filePath("system/Ok.wav"));
    }

    void aDamagedSoundFileDisablesSoundWithANotice() {
        QTemporaryDir program;
        placeSounds(program.filePath("system/"), {"", "Full.wav", "Bad.wav", "Won.wav"});
        QFile garbage(program.filePath("system/Ok.wav"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray("RIFF....WAVEjunk").repeated(64));
        garbage.close();
        Fixture fixture(program.path());
        MessageSeen notice;
        QStringList more;
        ModalScript script(
            {readMessage(notice, [](QMessageBox* box) { box->accept(); }), unexpected(more)});

        fixture.effects->startUpSounds();

        QCOMPARE(notice.text, kNotice);
        QCOMPARE(more, QStringList());
        QVERIFY(fixture.soundOff());
        // Opening stops at the first failure: the later players were never tried.
        QVERIFY(!fixture.anyPlayerOpen());
        fixture.effects->request(Sound::WonSound);
        QVERIFY(!fixture.effects->player(Sound::WonSound).isPlaying());
    }

    void cancellingLocateChangesNothing() {
        QTemporaryDir program;
        Fixture fixture(program.path());
        FileDialogSeen dialog;
        QStringList more;
        ModalScript script({pickFile(dialog, {}), unexpected(more)});

        fixture.effects->LocateClick();

        QCOMPARE(script.answered(), std::size_t(1));
        QCOMPARE(more, QStringList());
        QCOMPARE(fixture.statusTexts, QStringList());
        QCOMPARE(fixture.effects->fileName(Sound::OKSound), QString());
        QVERIFY(fixture.sound->isChecked() && fixture.sound->isEnabled());
    }

    void locatingAFolderWithoutSoundsShowsItAndNamesTheFirstMissingFile() {
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        QFile picture(elsewhere.filePath("board.bmp"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.close();
        Fixture fixture(program.path());
        FileDialogSeen dialog;
        MessageSeen notice;
        ModalScript script({pickFile(dialog, picture.fileName()),
                            readMessage(notice, [](QMessageBox* box) { box->accept(); })});

        fixture.effects->LocateClick();

        const QString folder = elsewhere.path() + QLatin1Char('/');
        QCOMPARE(fixture.statusTexts, QStringList{QDir::toNativeSeparators(folder)});
        QCOMPARE(fixture.effects->fileName(Sound::BadSound), folder + "Bad.wav");
        QCOMPARE(notice.title, QStringLiteral("Marvane"));
        QCOMPARE(notice.text, "Ok.wav was not found in " + QDir::toNativeSeparators(folder) +
                                  "\nThe sounds in use are kept.");
        QVERIFY(fixture.sound->isChecked() && fixture.sound->isEnabled());
    }

    // What the options keep between runs is the user's choice, not a run without sounds.
    void soundForcedOffKeepsTheUsersChoice_data() {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("stored on") << true;
        QTest::newRow("stored off") << false;
    }

    void soundForcedOffKeepsTheUsersChoice() {
        QFETCH(bool, ticked);
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        QFile picture(elsewhere.filePath("board.bmp"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.close();
        Fixture fixture(program.path(), ticked);
        FileDialogSeen dialog;
        MessageSeen notice;
        const auto cancel = [](QWidget* prompt) { prompt->close(); };
        ModalScript script({cancel, pickFile(dialog, picture.fileName()),
                            readMessage(notice, [](QMessageBox* box) { box->accept(); })});

        fixture.effects->startUpSounds();  // no files: the prompt, answered Cancel
        QVERIFY(fixture.soundOff());
        QCOMPARE(fixture.effects->chosen(), ticked);
        fixture.effects->LocateClick();  // a folder without sounds: the run stays without sound
        QVERIFY(notice.text.endsWith("\nThe sounds in use are kept."));
        QVERIFY(fixture.soundOff());
        QCOMPARE(fixture.effects->chosen(), ticked);
    }

    void anUntickOfAWorkingBoxIsTheUsersChoice() {
        QTemporaryDir program;
        Fixture fixture(program.path(), true);
        fixture.sound->click();
        QVERIFY(!fixture.effects->chosen());
        fixture.sound->click();
        QVERIFY(fixture.effects->chosen());
    }

    // From here on the sounds must open, which takes an audio server.

    void presentFilesOpenWhateverTheirCaseAndKeepTheStoredChoice_data() {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("stored on") << true;
        QTest::newRow("stored off") << false;
    }

    void presentFilesOpenWhateverTheirCaseAndKeepTheStoredChoice() {
        REQUIRE_AUDIO_SERVER();
        QFETCH(bool, ticked);
        QTemporaryDir program;
        placeSounds(program.filePath("System/"), {"OK.WAV", "full.wav", "Bad.WAV", "WON.wav"});
        Fixture fixture(program.path(), ticked);
        QStringList shown;
        ModalScript script({unexpected(shown)});

        fixture.effects->startUpSounds();

        QCOMPARE(shown, QStringList());
        QCOMPARE(fixture.sound->isChecked(), ticked);
        QVERIFY(fixture.sound->isEnabled());
        QCOMPARE(fixture.effects->player(Sound::OKSound).fileName(),
                 program.filePath("System/OK.WAV"));
        QCOMPARE(fixture.effects->player(Sound::WonSound).fileName(),
                 program.filePath("System/WON.wav"));
    }

    void requestsPlayOnlyWhileTheBoxIsTicked() {
        REQUIRE_AUDIO_SERVER();
        QTRY_VERIFY_WITH_TIMEOUT(ourSinkInputs().isEmpty(), 5000);
        QTemporaryDir program;
        placeSounds(program.filePath("system/"), {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"});
        Fixture fixture(program.path(), false);
        fixture.effects->startUpSounds();

        fixture.effects->request(Sound::FullSound);
        fixture.effects->request(Sound::BadSound);
        QVERIFY(!fixture.effects->player(Sound::FullSound).isPlaying());
        QVERIFY(!fixture.effects->player(Sound::BadSound).isPlaying());

        fixture.sound->setChecked(true);
        fixture.effects->request(Sound::FullSound);
        fixture.effects->request(Sound::BadSound);
        QVERIFY(fixture.effects->player(Sound::FullSound).isPlaying());
        QVERIFY(fixture.effects->player(Sound::BadSound).isPlaying());
        QTRY_COMPARE(ourSinkInputs().size(), 2);
    }

    void answeringYesAndPickingAFolderOpensItsSoundsAndTicksTheBox() {
        REQUIRE_AUDIO_SERVER();
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        placeSounds(elsewhere.path() + "/", {"ok.wav", "FULL.WAV", "bad.wav", "Won.wav"});
        Fixture fixture(program.path());
        MessageSeen prompt;
        FileDialogSeen dialog;
        QStringList more;
        ModalScript script(
            {readMessage(prompt, [](QMessageBox* box) { pressKey(box, Qt::Key_Return); }),
             pickFile(dialog, elsewhere.filePath("bad.wav")), unexpected(more)});

        fixture.effects->startUpSounds();

        QCOMPARE(script.answered(), std::size_t(2));
        QCOMPARE(fixture.statusTexts,
                 QStringList{QDir::toNativeSeparators(elsewhere.path() + "/")});
        QVERIFY(fixture.sound->isChecked() && fixture.sound->isEnabled());
        QCOMPARE(fixture.effects->player(Sound::FullSound).fileName(),
                 elsewhere.filePath("FULL.WAV"));
    }

    void locateReopensTheSoundsFromTheNewFolderAtOnceAndLeavesTheBoxAlone() {
        REQUIRE_AUDIO_SERVER();
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        placeSounds(program.filePath("system/"), {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"});
        // The same sounds under other names, so the reopened players can be told apart.
        placeSounds(elsewhere.path() + "/", {"OK.wav", "Full.WAV", "BAD.wav", "won.WAV"});
        Fixture fixture(program.path(), false);
        fixture.effects->startUpSounds();
        FileDialogSeen dialog;
        QStringList more;
        ModalScript script({pickFile(dialog, elsewhere.filePath("won.WAV")), unexpected(more)});

        fixture.effects->LocateClick();

        QCOMPARE(more, QStringList());
        QCOMPARE(fixture.effects->fileName(Sound::OKSound), elsewhere.path() + "/Ok.wav");
        QCOMPARE(fixture.effects->player(Sound::OKSound).fileName(), elsewhere.filePath("OK.wav"));
        QCOMPARE(fixture.effects->player(Sound::WonSound).fileName(),
                 elsewhere.filePath("won.WAV"));
        // The user had switched sound off; finding the files does not switch it on again.
        QVERIFY(!fixture.sound->isChecked() && fixture.sound->isEnabled());
        fixture.sound->setChecked(true);
        fixture.effects->request(Sound::OKSound);
        QVERIFY(fixture.effects->player(Sound::OKSound).isPlaying());
    }

    void locateAfterARunWithoutSoundsGivesBackTheUsersChoice_data() {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("stored on") << true;
        QTest::newRow("stored off") << false;
    }

    void locateAfterARunWithoutSoundsGivesBackTheUsersChoice() {
        REQUIRE_AUDIO_SERVER();
        QFETCH(bool, ticked);
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        placeSounds(elsewhere.path() + "/", {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"});
        Fixture fixture(program.path(), ticked);
        FileDialogSeen dialog;
        QStringList more;
        const auto cancel = [](QWidget* prompt) { prompt->close(); };
        ModalScript script(
            {cancel, pickFile(dialog, elsewhere.filePath("Ok.wav")), unexpected(more)});

        fixture.effects->startUpSounds();  // no files: the prompt, answered Cancel
        QVERIFY(fixture.soundOff());
        fixture.effects->LocateClick();

        QCOMPARE(more, QStringList());
        QVERIFY(fixture.effects->player(Sound::OKSound).isOpen());
        QVERIFY(fixture.sound->isEnabled());
        QCOMPARE(fixture.sound->isChecked(), ticked);
    }

    void locatingAFolderWithoutUsableFilesKeepsTheSoundsInUse_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Won.wav missing") << QStringList{"ok.wav", "full.wav", "bad.wav", ""}
                                         << QString() << "Won.wav was not found in %1";
        QTest::newRow("Full.wav damaged") << QStringList{"Ok.wav", "", "Bad.wav", ""} << "Full.wav"
                                          << "%1Full.wav cannot be read as a sound";
    }

    void locatingAFolderWithoutUsableFilesKeepsTheSoundsInUse() {
        REQUIRE_AUDIO_SERVER();
        QFETCH(QStringList, names);
        QFETCH(QString, damaged);
        QFETCH(QString, expected);
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        placeSounds(program.filePath("system/"), {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"});
        placeSounds(elsewhere.path() + "/", names);
        if (!damaged.isEmpty()) {
            QFile file(elsewhere.filePath(damaged));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("RIFF....WAVEjunk").repeated(64));
        }
        QFile any(elsewhere.filePath("notes.txt"));
        QVERIFY(any.open(QIODevice::WriteOnly));
        any.close();
        for (bool ticked : {true, false}) {
            Fixture fixture(program.path(), ticked);
            fixture.effects->startUpSounds();
            MessageSeen notice;
            FileDialogSeen dialog;
            QStringList more;
            ModalScript script({pickFile(dialog, any.fileName()),
                                readMessage(notice, [](QMessageBox* box) { box->accept(); }),
                                unexpected(more)});

            fixture.effects->LocateClick();

            const QString folder = QDir::toNativeSeparators(elsewhere.path() + "/");
            QCOMPARE(notice.title, QStringLiteral("Marvane"));
            QCOMPARE(notice.text, expected.arg(folder) + "\nThe sounds in use are kept.");
            QCOMPARE(more, QStringList());
            QCOMPARE(fixture.statusTexts, QStringList{folder});
            QCOMPARE(fixture.sound->isChecked(), ticked);
            QVERIFY(fixture.sound->isEnabled());
            for (Sound s : {Sound::OKSound, Sound::FullSound, Sound::BadSound, Sound::WonSound}) {
                QVERIFY(fixture.effects->player(s).isOpen());
                QVERIFY(fixture.effects->player(s).fileName().startsWith(program.path()));
            }
            fixture.sound->setChecked(true);
            fixture.effects->request(Sound::WonSound);
            QVERIFY(fixture.effects->player(Sound::WonSound).isPlaying());
        }
    }
};

MARVANE_SOUND_TEST_MAIN(SoundEffectsTest)
#include "tst_soundeffects.moc"
