// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/soundeffects.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "window/common/programfiles.h"
#include "window/common/soundfiles.h"
#include "window/sound/sounderror.h"

namespace marvane {

namespace {

const char* const kApplicationTitle = "Marvane";
const char* const kDeviceErrorText = QT_TRANSLATE_NOOP(
    "SoundEffects", "No Sound device present or other audio error\n sounds disabled. ");
const char* const kMissingFilesText = QT_TRANSLATE_NOOP(
    "SoundEffects", "No sound files present, sound disabled. Click Yes to browse for files");

// A message box that opens in the middle of the screen rather than over its parent.
class ScreenCentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // sizes the box and places it over the parent
        QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
        if (!screen) screen = QGuiApplication::primaryScreen();
        if (!screen) return;
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
};

}  // namespace

SoundEffects::SoundEffects(QCheckBox* sound, QWidget* dialogParent, FolderDisplay showFolder,
                           const QString& programFolder, QObject* parent)
    : QObject(parent),
      sound_(sound),
      dialogParent_(dialogParent),
      showFolder_(std::move(showFolder)),
      programFolder_(programFolder.isEmpty() ? marvane::programFolder() : programFolder) {
    if (!programFolder_.endsWith(QLatin1Char('/'))) programFolder_ += QLatin1Char('/');
}

SoundEffects::~SoundEffects() = default;

QString SoundEffects::fileName(Sound which) const {
    if (folder_.isEmpty()) return {};
    return folder_ + subFolder_ + QLatin1String(kSoundFileNames[index(which)]);
}

void SoundEffects::setFolder(const QString& folder, const QString& subFolder) {
    folder_ = folder;
    subFolder_ = subFolder;
}

void SoundEffects::startUpSounds() {
    setFolder(programFolder_, QLatin1String(kSoundFolder));
    if (soundFilesIn(programFolder_)) {
        // The box already holds the user's stored choice: opening enables it but keeps that.
        if (openPlayers()) sound_->setEnabled(true);
        return;
    }

    disableSound();
    ScreenCentredMessageBox prompt(QMessageBox::Critical, Texts::tr("Error"),
                                   Texts::tr(kMissingFilesText), QMessageBox::NoButton,
                                   dialogParent_);
    QPushButton* yes = prompt.addButton(QMessageBox::Yes);
    yes->setText(Texts::tr("&Yes"));
    QPushButton* cancel = prompt.addButton(QMessageBox::Cancel);
    cancel->setText(Texts::tr("Cancel"));
    prompt.setDefaultButton(yes);
    prompt.setEscapeButton(cancel);
    prompt.exec();
    if (prompt.clickedButton() != yes) return;

    // A cancelled file dialog still opens from the old names, and so tells the user why not.
    chooseFolder();
    openSounds();
}

void SoundEffects::openSounds() {
    if (!openPlayers()) return;
    sound_->setEnabled(true);
    sound_->setChecked(true);
}

void SoundEffects::LocateClick() {
    if (!chooseFolder()) return;

    // The new folder is tried in players of its own: one that lacks a usable file leaves the
    // sounds in use, and the box, as they are.
    std::array<SoundPlayer, 4> fresh;
    const QDeadlineTimer audioDeadline(SoundPlayer::kAudioWaitMs);
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        const QString name = QLatin1String(kSoundFileNames[i]);
        const QString path = findFileNoCase(folder_, subFolder_ + name);
        try {
            if (path.isEmpty()) {
                tell(Texts::tr("%1 was not found in %2\nThe sounds in use are kept.")
                         .arg(name, QDir::toNativeSeparators(folder_ + subFolder_)));
                return;
            }
            fresh[i].open(path, audioDeadline);
        } catch (const SoundFileError&) {
            tell(Texts::tr("%1 cannot be read as a sound\nThe sounds in use are kept.")
                     .arg(QDir::toNativeSeparators(path)));
            return;
        } catch (const SoundDeviceError&) {
            disableSound();
            tell(Texts::tr(kDeviceErrorText));
            return;
        }
    }
    std::swap(players_, fresh);
    // The box stays as the user left it: one that was disabled for want of working sounds comes
    // back with the choice it held before.
    if (!sound_->isEnabled()) {
        sound_->setEnabled(true);
        sound_->setChecked(choiceWhileForcedOff_);
    }
}

void SoundEffects::request(Sound which) {
    if (sound_->isChecked()) players_[index(which)].play();
}

bool SoundEffects::openPlayers() {
    const QDeadlineTimer audioDeadline(SoundPlayer::kAudioWaitMs);
    try {
        for (std::size_t i = 0; i < players_.size(); ++i) {
            const QString relative = subFolder_ + QLatin1String(kSoundFileNames[i]);
            const QString path = findFileNoCase(folder_, relative);
            if (path.isEmpty()) {
                throw SoundFileError(QStringLiteral("%1 not found").arg(folder_ + relative));
            }
            players_[i].open(path, audioDeadline);
        }
        return true;
    } catch (const SoundError&) {
        // A missing or damaged file gets the same notice as a device here: the start-up checked
        // that the files are there. Players opened before the failure stay open; with the box off
        // they are never played.
    }
    disableSound();
    tell(Texts::tr(kDeviceErrorText));
    return false;
}

bool SoundEffects::chosen() const {
    return sound_->isEnabled() ? sound_->isChecked() : choiceWhileForcedOff_;
}

void SoundEffects::tell(const QString& text) {
    QMessageBox notice(QMessageBox::NoIcon, QLatin1String(kApplicationTitle), text, QMessageBox::Ok,
                       dialogParent_);
    notice.exec();
}

void SoundEffects::disableSound() {
    // A box already disabled holds nothing of the user's any more.
    if (sound_->isEnabled()) choiceWhileForcedOff_ = sound_->isChecked();
    sound_->setChecked(false);
    sound_->setEnabled(false);
}

bool SoundEffects::chooseFolder() {
    QFileDialog dialog(dialogParent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString bitmaps = Texts::tr("Marvane Bitmaps (*.bmp)");
    dialog.setNameFilters({bitmaps, Texts::tr("Marvane Sound Files (*.wav)")});
    dialog.selectNameFilter(bitmaps);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.selectFile(QStringLiteral("oneplayer.bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;

    // Only the folder counts: any file in it will do.
    const QString chosen = QDir::fromNativeSeparators(dialog.selectedFiles().constFirst());
    const QString folder = chosen.left(chosen.lastIndexOf(QLatin1Char('/')) + 1);
    if (showFolder_) showFolder_(QDir::toNativeSeparators(folder));
    setFolder(folder, QString());
    return true;
}

}  // namespace marvane
