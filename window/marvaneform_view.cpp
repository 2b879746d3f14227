// What the game sees of the main window: the board picture, the display boxes, the sounds, the
// event loop and the response delay.
#include "window/marvaneform_view.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "window/art/buttonart.h"
#include "window/boardaccessible.h"
#include "window/boardimage.h"
#include "window/common/programfiles.h"
#include "window/gamemenu.h"
#include "window/sound/soundeffects.h"

namespace marvane {

namespace {

// The turn line and the result are spoken when they change, not only when visited.
void announce(QLineEdit* box, const QString& text) {
    const bool changed = box->text() != text;
    box->setText(text);
    if (!changed) return;
    QAccessibleValueChangeEvent valueChanged(box, text);
    sendAccessibleEvent(&valueChanged);
    QAccessibleEvent alert(box, QAccessible::Alert);
    sendAccessibleEvent(&alert);
}

// A side label names the colour whose count its score box shows.
void showSide(QLabel* label, QLineEdit* score, const QString& name) {
    label->setText(name);
    label->adjustSize();
    score->setAccessibleName(name + " score");
}

}  // namespace

void TMarvaneForm::View::paintCounter(int row, int column, ColourCode colour) {
    ui().Image3->drawCounter(row, column, colour);
}

void TMarvaneForm::View::showText(Box box, std::string_view text) {
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    switch (box) {
        case Box::MessageBox: announce(ui().MessageBox, value); break;
        case Box::GoBox: announce(ui().GoBox, value); break;
        case Box::MoveBox: ui().MoveBox->setText(value); break;
        case Box::WhiteScore: ui().WhiteScore->setText(value); break;
        case Box::BlackScore: ui().BlackScore->setText(value); break;
        case Box::remain: ui().remain->setText(value); break;
        case Box::Edit3: ui().Edit3->setText(value); break;
        case Box::C1Lab: showSide(ui().C1Lab, ui().WhiteScore, value); break;
        case Box::c2lab: showSide(ui().c2lab, ui().BlackScore, value); break;
    }
    // Every step of the game ends by writing its boxes: the marks follow once it is over.
    form_.gameMenu_->scheduleRefresh();
}

void TMarvaneForm::View::showGoBox(bool visible) { ui().GoBox->setVisible(visible); }

// The players button names the mode and shows its picture when the program has one; the level
// button is there only against the computer.
void TMarvaneForm::View::showPlayers(int count) {
    const bool onePlayer = count == 1;
    ui().Players->setText(onePlayer ? "1 Player" : "2 Players");
    ui().EasyButton->setVisible(onePlayer);
    form_.gameMenu_->scheduleRefresh();  // whose turn is a person's changes with the mode
    const QString picture =
        findBesideProgram(onePlayer ? "system/oneplayer.bmp" : "system/twoplayer.bmp");
    if (picture.isEmpty()) return;  // the picture the button has stays
    form_.guarded([&] {
        QImage strip;
        if (!strip.load(picture, "BMP")) throw std::runtime_error("Bitmap image is not valid");
        ui().Players->setIcon(iconFromStrip(strip, 2));
    });
}

void TMarvaneForm::View::showLevel(bool easy) { ui().EasyButton->setText(easy ? "Easy" : "Hard"); }

void TMarvaneForm::View::requestSound(Sound sound) { ui().sounds->request(sound); }

void TMarvaneForm::View::processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TMarvaneForm::View::waitForEvents() {
    if (form_.closing_) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return !form_.closing_;
}

void TMarvaneForm::View::armResponseDelay() {
    if (!ui().Playerdelay->isActive()) ui().Playerdelay->start();
}

void TMarvaneForm::View::cancelResponseDelay() { ui().Playerdelay->stop(); }

}  // namespace marvane
