// The Game menu: undo, redo and the two marks on the board. It comes after the designed menu
// items, so each of those keeps its place, and it shows and hides with them. Both marks are off
// unless the player turns them on: the board at rest looks as designed.
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "engine/replay.h"
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

// The squares of the game's moves in order, those after the position on the board included.
std::vector<Square> movesOf(const History& history) {
    std::vector<Square> moves;
    for (const Step& step : history.steps())
        if (step.kind == StepKind::Move) moves.push_back(step.square);
    return moves;
}

// How many moves make the position of step `index`.
int movesUpTo(const History& history, std::size_t index) {
    const auto& steps = history.steps();
    const auto end = steps.begin() + static_cast<std::ptrdiff_t>(std::min(index + 1, steps.size()));
    return static_cast<int>(std::count_if(
        steps.begin(), end, [](const Step& step) { return step.kind == StepKind::Move; }));
}

// The step showing the position after `movesMade` moves: the last one, so that the final move of
// a game that ended after it shows the result as well.
std::size_t stepAfterMoves(const History& history, int movesMade) {
    std::size_t found = 0;
    for (std::size_t index = 0; index < history.steps().size(); ++index)
        if (movesUpTo(history, index) == movesMade) found = index;
    return found;
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
    RecordHost host;
    host.moves = [this] { return movesOf(game_.history()); };
    host.movesOnBoard = [this] { return movesUpTo(game_.history(), game_.history().current()); };
    host.stepTo = [this](int movesMade) {
        guarded([&] {
            game_.goToStep(stepAfterMoves(game_.history(), movesMade));
            refreshGameMenu();
        });
    };
    host.autoplaying = [this] { return game_.autoplaying(); };
    host.replay = [this](const GameRecord& record) { return replayGame(record); };
    host.program = [] {
        // Without version information the program is still named.
        const QString title = ReadTitle();
        return (title.isEmpty() ? QStringLiteral("Marvane") : title) + QLatin1Char(' ') +
               ReadVersion();
    };
    Controls& ui = *ui_;
    ui.record = new RecordCommands(this, game_, std::move(host));
    ui.GameMenu->addSeparator();
    ui.GameMenu->addActions(ui.record->actions());
    // On the window as well, so their keys work while the menu bar is hidden.
    addActions(ui.record->actions());
}

ReplayOutcome TMarvaneForm::replayGame(const GameRecord& record) {
    view_->setQuiet(true);
    ReplayOutcome outcome;
    try {
        outcome = replayRecord(game_, record);
    } catch (...) {
        view_->setQuiet(false);
        throw;
    }
    view_->setQuiet(false);
    if (!outcome.ok()) return outcome;
    guarded([&] {
        const GameState& state = game_.state();
        if (record.players != 0 && record.players != state.PlayerCount) PlayersClick();
        if (record.easyLevel && *record.easyLevel != (state.EasyLevel == 1)) easyclick();
        // Saved while the computer's reply was on its way: it comes now.
        const bool over = state.MovesMade == 60 || state.GameOver;
        if (state.PlayerCount == 1 && record.moves.size() % 2 == 1 && !over)
            ui_->Playerdelay->start();
    });
    refreshGameMenu();
    return outcome;
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
    const GameState& state = game_.state();
    const bool over = state.MovesMade == 60 || state.GameOver;
    // With the response delay armed the computer is about to answer: no person's turn.
    const bool computerToReply = state.PlayerCount == 1 && ui.Playerdelay->isActive();
    if (ui.ShowLegalMoves->isChecked() && !game_.autoplaying() && !over && !computerToReply)
        marks.legalMoves = game_.legalSquares();
    ui.Image3->setMarks(std::move(marks));
}

}  // namespace marvane
