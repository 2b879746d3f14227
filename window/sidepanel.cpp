// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sidepanel.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

#include "window/art/buttonart.h"
#include "window/boardaccessible.h"
#include "window/fonts.h"
#include "window/gametexts.h"
#include "window/keylist.h"
#include "window/marvaneform_layout.h"
#include "window/picturespacing.h"

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
    score->setAccessibleName(SidePanel::tr("%1 score").arg(name));
}

}  // namespace

SidePanel::SidePanel(QWidget* client, qreal devicePixelRatio) {
    const QFont sans16 = pixelFont("MS Sans Serif", 16);
    QLabel* const captions[] = {
        makeLabel(client, "Label4", {520, 24, 153, 38}, "Marvane", pixelFont("Serpentine", 35),
                  kAqua),
        makeLabel(client, "Label5", {464, 328, 64, 29}, tr("Score"), pixelFont("MS Sans Serif", 24),
                  kLime),
        makeLabel(client, "Label1", {616, 344, 46, 20}, tr("Moves"), sans16),
        // As designed, before the first game: White and Black (colours 1 and 2).
        C1Lab =
            makeLabel(client, "C1Lab", {464, 378, 41, 20}, translatedColour(1, Box::C1Lab), sans16),
        c2lab =
            makeLabel(client, "c2lab", {464, 412, 39, 20}, translatedColour(2, Box::c2lab), sans16),
        makeLabel(client, "Label6", {584, 378, 76, 20}, tr("Remaining"), sans16),
        makeLabel(client, "Label7", {624, 412, 33, 20}, tr("Won"), sans16)};
    captions[6]->setAutoFillBackground(true);  // "Won"
    for (QLabel* label : captions) fitCaption(label);

    const QFont optimum = pixelFont("Optimum", 16);
    auto button = [&](const char* name, QRect geometry, const char* caption, const char* hint,
                      ButtonPicture picture) {
        QToolButton* b = makeButton(client, name, geometry, tr(caption), tr(hint), optimum);
        b->setIcon(buttonIcon(picture, devicePixelRatio));
        b->setIconSize(picture == ButtonPicture::Restart
                           ? QSize(kRestartPictureSize, kRestartPictureSize)
                           : QSize(kGlyphSize, kGlyphSize));
        return b;
    };
    SpeedButton1 = button("SpeedButton1", {480, 80, 100, 33}, QT_TR_NOOP("quit"),
                          QT_TR_NOOP("Leave  Marvane"), ButtonPicture::Quit);
    FinishButton = button("FinishButton", {600, 80, 100, 33}, QT_TR_NOOP("finish"),
                          QT_TR_NOOP("Who won ?"), ButtonPicture::Finish);
    restart = button("restart", {480, 120, 100, 33}, QT_TR_NOOP("restart"),
                     QT_TR_NOOP("Start a new game"), ButtonPicture::Restart);
    SpeedButton3 = button("SpeedButton3", {600, 120, 100, 33}, QT_TR_NOOP("rules"),
                          QT_TR_NOOP("The rules of Marvane"), ButtonPicture::Rules);
    Options = button("Options", {600, 160, 100, 33}, QT_TR_NOOP("options"),
                     QT_TR_NOOP("Show Marvane Options"), ButtonPicture::Options);
    EasyButton = button("EasyButton", {480, 200, 100, 33}, QT_TR_NOOP("Easy"),
                        QT_TR_NOOP("Select computer skill level"), ButtonPicture::Level);
    Players = button("Players", {600, 200, 100, 33}, QT_TR_NOOP("2 players"),
                     QT_TR_NOOP("Select number of players"), ButtonPicture::Players);
    auto* spacing = new PictureSpacingStyle(1, 5);
    spacing->setParent(Players);
    Players->setStyle(spacing);

    const QFont times24 = pixelFont("Times New Roman", 24);
    MessageBox = makeBox(client, "MessageBox", {464, 288, 209, 30}, tr("Position your  piece"),
                         times24, false);
    // As designed, before the first game: Red (colour 3).
    GoBox = makeBox(client, "GoBox", {672, 288, 81, 30}, translatedColour(3, Box::GoBox), times24,
                    false);
    MoveBox = makeBox(client, "MoveBox", {688, 344, 33, 28}, "", sans16, true);
    WhiteScore = makeBox(client, "WhiteScore", {520, 376, 33, 28}, "", sans16, true);
    BlackScore = makeBox(client, "BlackScore", {520, 408, 33, 28}, "", sans16, true);
    remain = makeBox(client, "remain", {688, 376, 33, 28}, "", sans16, true);
    Edit3 = makeBox(client, "Edit3", {688, 408, 33, 28}, "", sans16, true);
    Edit3->setReadOnly(false);  // it takes typing, which changes nothing

    const std::pair<QLineEdit*, const char*> names[] = {{MessageBox, QT_TR_NOOP("Message")},
                                                        {GoBox, QT_TR_NOOP("To play")},
                                                        {MoveBox, QT_TR_NOOP("Moves")},
                                                        {WhiteScore, QT_TR_NOOP("White score")},
                                                        {BlackScore, QT_TR_NOOP("Black score")},
                                                        {remain, QT_TR_NOOP("Remaining")},
                                                        {Edit3, QT_TR_NOOP("Won")}};
    for (auto [box, name] : names) box->setAccessibleName(tr(name));
}

void SidePanel::wire(const Handlers& handlers) {
    const std::pair<QToolButton*, const std::function<void()>&> buttons[] = {
        {SpeedButton1, handlers.SpeedButton1Click},
        {FinishButton, handlers.FinishButtonClick},
        {restart, handlers.restartClick},
        {SpeedButton3, handlers.SpeedButton3Click},
        {Options, handlers.OptionsClick},
        {EasyButton, handlers.easyclick},
        {Players, handlers.PlayersClick}};
    for (const auto& [button, handler] : buttons)
        QObject::connect(button, &QToolButton::clicked, button, handler);
}

void SidePanel::addKeys(QWidget& window) {
    struct ButtonKey {
        QToolButton* button;
        QKeySequence keys;
        const char* what;
        const char* where;
    };
    const ButtonKey keys[] = {
        {FinishButton, QKeySequence(Qt::CTRL | Qt::Key_F),
         QT_TRANSLATE_NOOP("KeyList", "\"finish\": end the game"), nullptr},
        {Players, QKeySequence(Qt::CTRL | Qt::Key_P),
         QT_TRANSLATE_NOOP("KeyList",
                           "\"2 Players\", \"1 Player\": play against the computer or a person"),
         nullptr},
        {EasyButton, QKeySequence(Qt::CTRL | Qt::Key_E),
         QT_TRANSLATE_NOOP("KeyList", "\"Easy\", \"Hard\": switch the computer's level"),
         QT_TRANSLATE_NOOP("KeyList", "against the computer")},
        {Options, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
         QT_TRANSLATE_NOOP("KeyList", "\"options\": open the options panel"), nullptr}};
    for (const ButtonKey& key : keys) {
        auto* shortcut = new QShortcut(key.keys, &window);
        shortcut->setObjectName(key.button->objectName() + QStringLiteral("Key"));
        shortcut->setWhatsThis(QString::fromUtf8(key.what));
        if (key.where) shortcut->setProperty(kKeyWhereProperty, QString::fromUtf8(key.where));
        QToolButton* button = key.button;
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled()) button->click();
        });
    }
}

void SidePanel::showText(Box box, const QString& text) {
    switch (box) {
        case Box::MessageBox: announce(MessageBox, text); break;
        case Box::GoBox: announce(GoBox, text); break;
        case Box::MoveBox: MoveBox->setText(text); break;
        case Box::WhiteScore: WhiteScore->setText(text); break;
        case Box::BlackScore: BlackScore->setText(text); break;
        case Box::remain: remain->setText(text); break;
        case Box::Edit3: Edit3->setText(text); break;
        case Box::C1Lab: showSide(C1Lab, WhiteScore, text); break;
        case Box::c2lab: showSide(c2lab, BlackScore, text); break;
    }
}

void SidePanel::showGoBox(bool visible) { GoBox->setVisible(visible); }

void SidePanel::showPlayers(bool onePlayer) {
    Players->setText(onePlayer ? tr("1 Player") : tr("2 Players"));
    EasyButton->setVisible(onePlayer);
}

void SidePanel::setPlayersPicture(const QIcon& picture) { Players->setIcon(picture); }

void SidePanel::showLevel(bool easy) { EasyButton->setText(easy ? tr("Easy") : tr("Hard")); }

}  // namespace marvane
