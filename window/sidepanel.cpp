#include "window/sidepanel.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

#include "window/boardaccessible.h"
#include "window/keylist.h"

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
