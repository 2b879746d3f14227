// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/marvaneform_startup.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <utility>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "window/art/appicon.h"
#include "window/common/programfiles.h"
#include "window/sound/soundeffects.h"

namespace marvane {

void TMarvaneForm::FormActivate() {
    // A step that fails is reported and the rest still run, so the first game always starts.
    guarded([this] {
        const ProgramVersion& program = programVersion();
        setWindowTitle(Texts::tr("%1 Version %2  by Corvath").arg(program.title, program.version));
    });
    Options loaded;
    guarded([this, &loaded] {
        if (store_.load) store_.load(loaded);
    });
    // Whatever was read before an error counts; the rest keeps its defaults.
    guarded([this, &loaded] { setLoadedOptions(loaded); });
    game_.setPlayerCount(2);
    guarded([this] { quitoptions(); });
}

void TMarvaneForm::StartUp::windowShown() {
    if (stage_ != Stage::NotShown) return;
    stage_ = Stage::BeforeFirstFrame;
    form_.centralWidget()->installEventFilter(this);
    form_.FormActivate();
    form_.game_.newGame();
    // Opening the sounds shows nothing, and a missing file asks the user with a box: both wait
    // for the first frame, so the box has the starting view behind it.
    rest_ = [this] { form_.guarded([this] { form_.sounds_->startUpSounds(); }); };
    // The menu bar and the status bar that the options hide give up their room now, not in a
    // second frame.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

bool TMarvaneForm::StartUp::holdError(const QString& text) {
    if (stage_ != Stage::BeforeFirstFrame) return false;
    heldErrors_ << text;
    return true;
}

bool TMarvaneForm::StartUp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && stage_ == Stage::BeforeFirstFrame) {
        watched->removeEventFilter(this);
        // After the paint in progress, so the frame is out first.
        QTimer::singleShot(0, this, [this] { afterFirstFrame(); });
    }
    return false;
}

void TMarvaneForm::StartUp::afterFirstFrame() {
    stage_ = Stage::AfterFirstFrame;
    // The boxes first: a player answers them before the window goes on building.
    for (const QString& error : std::exchange(heldErrors_, {})) form_.showErrorBox(error);
    std::exchange(rest_, nullptr)();
    form_.buildRest();
    // Title bars and task switchers show at most 64 pixels; the desktop entry has the large
    // ones.
    form_.setWindowIcon(appIcon(64));
#ifdef __GLIBC__
    // Decoding the sounds and loading the faces leave freed heap behind; an idle game need not
    // keep it.
    malloc_trim(0);
#endif
}

}  // namespace marvane
