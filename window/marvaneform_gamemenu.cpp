// The Game menu: undo, redo and the two marks on the board. It comes after the designed menu
// items, so each of those keeps its place, and it shows and hides with them. Both marks are off
// unless the player turns them on: the board at rest looks as designed.
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

#include "window/boardimage.h"
#include "window/marvaneform_controls.h"

namespace marvane {

namespace {

const QKeySequence kUndoKeys(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)};

// The item shows its keys after a tab; the keys themselves are window shortcuts, so they work
// with the menu bar hidden and never compete with the item for the same key.
QString withKeys(const char* caption, const QKeySequence& keys) {
    return QString::fromLatin1(caption) + QLatin1Char('\t') +
           keys.toString(QKeySequence::NativeText);
}

}  // namespace

void TMarvaneForm::Controls::buildGameMenu(QMainWindow& window) {
    GameMenu = window.menuBar()->addMenu(QStringLiteral("Game"));
    GameMenu->setObjectName("GameMenu");
    GameMenu->menuAction()->setVisible(false);
    auto item = [this](const char* name, const QString& caption) {
        QAction* action = GameMenu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    UndoMove = item("UndoMove", withKeys("Undo", kUndoKeys));
    RedoMove = item("RedoMove", withKeys("Redo", kRedoKeys[0]));
    GameMenu->addSeparator();
    ShowLastMove = item("ShowLastMove", QStringLiteral("Show Last Move"));
    ShowLegalMoves = item("ShowLegalMoves", QStringLiteral("Show Legal Moves"));
    for (QAction* mark : {ShowLastMove, ShowLegalMoves}) mark->setCheckable(true);

    // The game tells the window about a step box by box, and a move lets events run halfway
    // through: the marks are worked out once, when the events of the step have been handled.
    marksRefresh = new QTimer(&window);
    marksRefresh->setSingleShot(true);
    marksRefresh->setInterval(0);
}

void TMarvaneForm::wireGameMenu() {
    const Controls& ui = *ui_;
    const auto run = [this](void (TMarvaneForm::*handler)()) {
        return [this, handler] { guarded([this, handler] { (this->*handler)(); }); };
    };
    connect(ui.UndoMove, &QAction::triggered, this, run(&TMarvaneForm::UndoMoveClick));
    connect(ui.RedoMove, &QAction::triggered, this, run(&TMarvaneForm::RedoMoveClick));
    connect(new QShortcut(kUndoKeys, this), &QShortcut::activated, this,
            run(&TMarvaneForm::UndoMoveClick));
    for (const QKeySequence& keys : kRedoKeys)
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                run(&TMarvaneForm::RedoMoveClick));
    for (QAction* mark : {ui.ShowLastMove, ui.ShowLegalMoves})
        connect(mark, &QAction::triggered, this, run(&TMarvaneForm::refreshGameMenu));
    connect(ui.GameMenu, &QMenu::aboutToShow, this, run(&TMarvaneForm::refreshGameMenu));
    connect(ui.marksRefresh, &QTimer::timeout, this, run(&TMarvaneForm::refreshGameMenu));
}

// The game refuses both during Autoplay and queues them behind a move in progress.
void TMarvaneForm::UndoMoveClick() {
    game_.undo();
    refreshGameMenu();
}

void TMarvaneForm::RedoMoveClick() {
    game_.redo();
    refreshGameMenu();
}

void TMarvaneForm::refreshGameMenu() {
    const Controls& ui = *ui_;
    ui.UndoMove->setEnabled(game_.canUndo());
    ui.RedoMove->setEnabled(game_.canRedo());
    // Halfway through a move the board is neither the old position nor the new one; the move
    // writes its boxes once more after its last event processing, which asks again.
    if (game_.moveInProgress()) return;
    BoardImage::Marks marks;
    if (ui.ShowLastMove->isChecked()) marks.lastMove = game_.lastMove();
    const GameState& state = game_.state();
    const bool over = state.MovesMade == 60 || state.GameOver;
    // With the response delay armed the computer is about to answer: no person's turn.
    const bool computerToReply = state.PlayerCount == 1 && ui.Playerdelay->isActive();
    if (ui.ShowLegalMoves->isChecked() && !game_.autoplaying() && !over && !computerToReply)
        marks.legalMoves = game_.legalSquares();
    ui.Image3->setMarks(std::move(marks));
}

}  // namespace marvane
