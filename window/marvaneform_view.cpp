// SPDX-License-Identifier: GPL-3.0-or-later
// What the game sees of the main window: the board picture, the display boxes, the sounds, the
// event loop, the response delay and the end of each step.
#include "window/marvaneform_view.h"

#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>

#include "window/analysisroom.h"
#include "window/art/buttonart.h"
#include "window/boardimage.h"
#include "window/common/programfiles.h"
#include "window/gamemenu.h"
#include "window/gametexts.h"
#include "window/sidepanel.h"
#include "window/sound/soundeffects.h"

namespace marvane {

void TMarvaneForm::View::paintCounter(int row, int column, ColourCode colour) {
    form_.Image3->drawCounter(row, column, colour);
    form_.analysis_->boardChanged();
}

void TMarvaneForm::View::showText(Box box, const BoxText& text) {
    form_.side_->showText(box, translatedGameText(box, text));
}

void TMarvaneForm::View::showGoBox(bool visible) { form_.side_->showGoBox(visible); }

// The players button shows the mode's picture when the program has one.
void TMarvaneForm::View::showPlayers(int count) {
    const bool onePlayer = count == 1;
    form_.side_->showPlayers(onePlayer);
    const QString picture =
        findBesideProgram(onePlayer ? "system/oneplayer.bmp" : "system/twoplayer.bmp");
    if (picture.isEmpty()) return;  // the picture the button has stays
    form_.guarded([&] {
        QImage strip;
        if (!strip.load(picture, "BMP"))
            throw std::runtime_error(Texts::tr("Bitmap image is not valid").toStdString());
        form_.side_->setPlayersPicture(iconFromStrip(strip, 2));
    });
}

void TMarvaneForm::View::showLevel(bool easy) { form_.side_->showLevel(easy); }

void TMarvaneForm::View::requestSound(Sound sound) { form_.sounds_->request(sound); }

void TMarvaneForm::View::processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TMarvaneForm::View::waitForEvents() {
    if (form_.closing_) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return !form_.closing_;
}

// Expert Hard thinks while the delay runs. A reply already due waits for its search alone: the
// delay is not armed again meanwhile (Autoplay arms it after every event).
void TMarvaneForm::View::armResponseDelay() {
    if (form_.Playerdelay->isActive() || form_.analysis_->replyHeld()) return;
    form_.Playerdelay->start();
    form_.analysis_->replyArmed();
}

void TMarvaneForm::View::cancelResponseDelay() {
    form_.Playerdelay->stop();
    form_.analysis_->replyCancelled();
}

// The items, the marks, the move list, the review and the analysis follow the game once its
// step is over.
void TMarvaneForm::View::stepEnded() { form_.gameMenu_->scheduleRefresh(); }

}  // namespace marvane
