// The Game menu: undo, redo and the two marks on the board. It comes after the designed menu
// items, so each of those keeps its place, and it shows and hides with them. Both marks are off
// unless the player turns them on: the board at rest looks as designed.
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include "getver/getver.h"
#include "window/boardimage.h"
#include "window/marvaneform_controls.h"
#include "window/marvaneform_view.h"
#include "window/recordcommands.h"

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
    // Its bar is built with the others' (marvaneform_bars.cpp), after them.
    GameMenu = new QMenu(QStringLiteral("Game"), &window);
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
    // Also from the move list's window, which steps through the same history.
    const auto shortcut = [this](const QKeySequence& keys) {
        auto* keysShortcut = new QShortcut(keys, this);
        keysShortcut->setContext(Qt::ApplicationShortcut);
        return keysShortcut;
    };
    connect(shortcut(kUndoKeys), &QShortcut::activated, this, run(&TMarvaneForm::UndoMoveClick));
    for (const QKeySequence& keys : kRedoKeys)
        connect(shortcut(keys), &QShortcut::activated, this, run(&TMarvaneForm::RedoMoveClick));
    for (QAction* mark : {ui.ShowLastMove, ui.ShowLegalMoves})
        connect(mark, &QAction::triggered, this, run(&TMarvaneForm::refreshGameMenu));
    connect(ui.GameMenu, &QMenu::aboutToShow, this, run(&TMarvaneForm::refreshGameMenu));
    connect(ui.marksRefresh, &QTimer::timeout, this, run(&TMarvaneForm::refreshGameMenu));
    wireRecordCommands();
}

void TMarvaneForm::wireRecordCommands() {
    // "Marvane 1.4.0.0" for a file's Program line; without version information the program is
    // still named.
    const auto program = [] {
        const QString title = ReadTitle();
        return (title.isEmpty() ? QStringLiteral("Marvane") : title) + QLatin1Char(' ') +
               ReadVersion();
    };
    Controls& ui = *ui_;
    ui.record = new RecordCommands(this, game_, program);
    ui.GameMenu->addSeparator();
    ui.GameMenu->addActions(ui.record->actions());
    // On the window as well, so their keys work while the menu bar is hidden.
    addActions(ui.record->actions());
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
    // The list follows every step, Autoplay's too.
    if (ui.record) ui.record->gameChanged();
    // Halfway through a move the board is neither the old position nor the new one; the move
    // writes its boxes once more after its last event processing, which asks again.
    if (game_.moveInProgress()) return;
    BoardImage::Marks marks;
    if (ui.ShowLastMove->isChecked()) marks.lastMove = game_.lastMove();
    if (ui.ShowLegalMoves->isChecked() && game_.personToPlay())
        marks.legalMoves = game_.legalSquares();
    ui.Image3->setMarks(std::move(marks));
}

}  // namespace marvane
