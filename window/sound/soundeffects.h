// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "engine/types.h"
#include "window/sound/soundplayer.h"

class QCheckBox;
class QWidget;

namespace marvane {

// The game's four sound effects, the `Sound` switch that gates them, and the commands that find
// and open their files.
class SoundEffects : public QObject {
    Q_OBJECT

public:
    // The catalogues keep this class's texts under a context of their own, which a rename of
    // the class leaves as it is: its texts are translated as Texts::tr.
    struct Texts {
        Q_DECLARE_TR_FUNCTIONS(SoundEffects)
    };

    // Shows the folder picked with Locate (the third panel of the status bar).
    using FolderDisplay = std::function<void(const QString& folder)>;

    // `sound` is the on/off check box; `dialogParent` owns the dialogs. The sound files are looked
    // up below `programFolder` (the running program's folder when empty).
    SoundEffects(QCheckBox* sound, QWidget* dialogParent, FolderDisplay showFolder,
                 const QString& programFolder = {}, QObject* parent = nullptr);
    ~SoundEffects() override;

    // The commands below that open sounds hold up the window while they decode the files and wait
    // for the audio server to prepare an output: that wait is SoundPlayer::kAudioWaitMs (3 s) at
    // most per command, after which the server counts as absent. Their dialogs are modal.
    // Failures of files and devices are told to the user; anything else (out of memory) is thrown.

    // The start-up steps: point the players at the "system" folder, and open them if all four
    // files are there; otherwise switch sound off and offer to browse for the files. A stored
    // "off" in the check box survives a successful opening.
    void startUpSounds();

    // Opens the four players from their current file names. On success enables and ticks the
    // check box; on the first failure, of a file or of the device, unticks and disables it and
    // tells the user that sounds are disabled.
    void openSounds();

    // The "Locate" menu command: the user picks any file in the folder that holds the sounds,
    // and the players are reopened from there at once. Cancelling changes nothing; a folder
    // without the four usable files keeps the players that were open and names the file that is
    // missing or unreadable. The check box stays as the user left it, unless it was disabled for
    // want of working sounds: then the new ones switch it on.
    void LocateClick();

    // The user's choice for sound, the one to keep between runs: the check box as ticked, or,
    // while sound is forced off for want of files or a device, what it held before that.
    bool chosen() const;

    // Plays `which` if the check box is ticked right now; returns at once either way.
    void request(Sound which);

    // The full path the player of `which` opens next (before its letter case is matched).
    QString fileName(Sound which) const;
    const SoundPlayer& player(Sound which) const { return players_[index(which)]; }

private:
    static std::size_t index(Sound which) { return static_cast<std::size_t>(which); }
    void setFolder(const QString& folder, const QString& subFolder);
    bool chooseFolder();
    bool openPlayers();
    void disableSound();
    void tell(const QString& text);

    QCheckBox* sound_;
    QWidget* dialogParent_;
    FolderDisplay showFolder_;
    QString programFolder_;
    // The sound files are `subFolder_` + each of kSoundFileNames below `folder_`; only `folder_` is
    // known to exist as spelled.
    QString folder_;
    QString subFolder_;
    std::array<SoundPlayer, 4> players_;
    bool choiceWhileForcedOff_ = true;
};

}  // namespace marvane
