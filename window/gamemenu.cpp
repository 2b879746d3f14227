// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/gamemenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include "engine/game.h"
#include "window/analysisroom.h"
#include "window/boardcoordinates.h"
#include "window/boardimage.h"
#include "window/common/programfiles.h"
#include "window/keylist.h"
#include "window/keyswindow.h"
#include "window/recordcommands.h"

namespace marvane {

namespace {

const QKeySequence kUndoKeys(Qt::CTRL | Qt::Key_Z);
const QKeySequence kHintKeys(Qt::CTRL | Qt::Key_H);
const QKeySequence kPlayHintKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_H);
const QKeySequence kEvaluationsKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
const QKeySequence kCoordinatesKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_G);
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)};

QString gameMenuText(const char* text) { return QCoreApplication::translate("GameMenu", text); }

// The item shows its keys after a tab; the keys themselves are window shortcuts, so they work
// with the menu bar hidden and never compete with the item for the same key.
QString withKeys(const char* caption, const QKeySequence& keys) {
    return gameMenuText(caption) + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
}

// An item at the end of `menu`, found by its name.
QAction* addItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

// Keys that work in every window of the program, the move list's included. `what` describes
// them in the key list, which translates it; without it the list names the item showing them.
QShortcut* programShortcut(QMainWindow& window, const QKeySequence& keys,
                           const char* what = nullptr) {
    auto* shortcut = new QShortcut(keys, &window);
    shortcut->setContext(Qt::ApplicationShortcut);
    if (what) shortcut->setWhatsThis(QString::fromUtf8(what));
    return shortcut;
}

}  // namespace

GameMenu::GameMenu(QMainWindow& window, Game& game, BoardImage& board, AnalysisRoom& analysis,
                   Guard guard)
    : QObject(&window), game_(game), board_(board), analysis_(analysis), guard_(std::move(guard)) {
    menu_ = new QMenu(gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Game")), &window);
    menu_->setObjectName("GameMenu");
    menu_->menuAction()->setVisible(false);
    UndoMove =
        addItem(menu_, "UndoMove", withKeys(QT_TRANSLATE_NOOP("GameMenu", "Undo"), kUndoKeys));
    RedoMove =
        addItem(menu_, "RedoMove", withKeys(QT_TRANSLATE_NOOP("GameMenu", "Redo"), kRedoKeys[0]));
    menu_->addSeparator();
    ShowLastMove = addItem(menu_, "ShowLastMove",
                           gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Show Last Move")), true);
    ShowLegalMoves = addItem(menu_, "ShowLegalMoves",
                             gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Show Legal Moves")), true);
    addCoordinatesItem(window);

    // The game reports the end of each step; a refresh waits for the events of the step to be
    // handled, and reports that come together make one refresh.
    marksRefresh = new QTimer(this);
    marksRefresh->setSingleShot(true);
    marksRefresh->setInterval(0);

    const auto run = [this](void (GameMenu::*handler)()) {
        return guardedSlot(guard_, this, handler);
    };
    connect(UndoMove, &QAction::triggered, this, run(&GameMenu::UndoMoveClick));
    connect(RedoMove, &QAction::triggered, this, run(&GameMenu::RedoMoveClick));
    // Also from the move list's window, which steps through the same history.
    connect(programShortcut(window, kUndoKeys, QT_TRANSLATE_NOOP("KeyList", "Undo (Game menu)")),
            &QShortcut::activated, this, run(&GameMenu::UndoMoveClick));
    for (const QKeySequence& keys : kRedoKeys)
        connect(programShortcut(window, keys, QT_TRANSLATE_NOOP("KeyList", "Redo (Game menu)")),
                &QShortcut::activated, this, run(&GameMenu::RedoMoveClick));
    for (QAction* mark : {ShowLastMove, ShowLegalMoves})
        connect(mark, &QAction::triggered, this, run(&GameMenu::refreshGameMenu));
    connect(menu_, &QMenu::aboutToShow, this, run(&GameMenu::refreshGameMenu));
    connect(marksRefresh, &QTimer::timeout, this, run(&GameMenu::refreshGameMenu));
    wireRecordCommands(window);
    addAnalysisItems(window);
    addKeysItem(window);
}

void GameMenu::addAnalysisItems(QMainWindow& window) {
    menu_->addSeparator();
    Hint = addItem(menu_, "Hint", withKeys(QT_TRANSLATE_NOOP("GameMenu", "Hint"), kHintKeys));
    ShowEvaluations = addItem(
        menu_, "ShowEvaluations",
        withKeys(QT_TRANSLATE_NOOP("GameMenu", "Show Evaluations"), kEvaluationsKeys), true);
    ExpertHardLevel =
        addItem(menu_, "ExpertHardLevel",
                gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Expert Hard Level")), true);
    const auto guarded = [this](std::function<void()> handler) {
        return [this, handler = std::move(handler)] { guard_(handler); };
    };
    const auto hint = guarded([this] { analysis_.hint(); });
    connect(Hint, &QAction::triggered, this, hint);
    connect(programShortcut(window, kHintKeys), &QShortcut::activated, this, hint);
    // The hint's square played as a click on it would play it; nothing while no hint is shown.
    QShortcut* playHint = programShortcut(window, kPlayHintKeys,
                                          QT_TRANSLATE_NOOP("KeyList", "play the hint's square"));
    playHint->setObjectName("PlayHintKey");
    playHint->setProperty(kKeyWhereProperty, QT_TRANSLATE_NOOP("KeyList", "hint shown"));
    connect(playHint, &QShortcut::activated, this, guarded([this] { playHintSquare(); }));
    connect(ShowEvaluations, &QAction::toggled, this,
            guarded([this] { analysis_.setEvaluations(ShowEvaluations->isChecked()); }));
    connect(programShortcut(window, kEvaluationsKeys), &QShortcut::activated, ShowEvaluations,
            &QAction::toggle);
    connect(ExpertHardLevel, &QAction::toggled, this,
            guarded([this] { analysis_.setExpertHard(ExpertHardLevel->isChecked()); }));
    // Off: Marvane's own rules. On: a side with no legal square passes. A change starts a new game.
    StandardRules = addItem(menu_, "StandardRules",
                            gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Standard Rules")), true);
    connect(StandardRules, &QAction::toggled, this, guarded([this] {
                game_.setRules(StandardRules->isChecked() ? GameRules::Standard : GameRules::Marvane);
            }));
}

void GameMenu::wireRecordCommands(QMainWindow& window) {
    // "Marvane 1.4.0.0" for a file's Program line; without version information the program is
    // still named.
    const auto program = [] {
        const ProgramVersion& read = programVersion();
        return (read.title.isEmpty() ? QStringLiteral("Marvane") : read.title) + QLatin1Char(' ') +
               read.version;
    };
    record = new RecordCommands(&window, game_, program);
    menu_->addSeparator();
    menu_->addActions(record->actions());
    // On the window as well, so their keys work while the menu bar is hidden.
    window.addActions(record->actions());
}

void GameMenu::playHintSquare() {
    const auto& hint = board_.analysisMarks().hint;
    if (!hint || game_.moveInProgress() || !game_.personToPlay()) return;
    game_.pressSquare(hint->square.row, hint->square.column);
}

void GameMenu::addCoordinatesItem(QMainWindow& window) {
    ShowCoordinates = addItem(
        menu_, "ShowCoordinates",
        withKeys(QT_TRANSLATE_NOOP("GameMenu", "Show Coordinates"), kCoordinatesKeys), true);
    connect(ShowCoordinates, &QAction::toggled, this, &GameMenu::showCoordinates);
    connect(programShortcut(window, kCoordinatesKeys), &QShortcut::activated, ShowCoordinates,
            &QAction::toggle);
}

void GameMenu::showCoordinates() {
    if (!coordinates_ && !ShowCoordinates->isChecked()) return;
    if (!coordinates_) coordinates_ = new BoardCoordinates(board_);
    coordinates_->setVisible(ShowCoordinates->isChecked());
}

// Last in the menu: the list of every key the program answers.
void GameMenu::addKeysItem(QMainWindow& window) {
    menu_->addSeparator();
    QAction* keys = addItem(menu_, "ShowKeys", gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Keys")));
    connect(keys, &QAction::triggered, this,
            [this, &window] { guard_([&window] { showKeysWindow(window); }); });
}

void GameMenu::setShown(bool shown) { menu_->menuAction()->setVisible(shown); }

void GameMenu::scheduleRefresh() { marksRefresh->start(); }

void GameMenu::UndoMoveClick() {
    game_.undo();
    refreshGameMenu();
}

void GameMenu::RedoMoveClick() {
    game_.redo();
    refreshGameMenu();
}

void GameMenu::refreshGameMenu() {
    UndoMove->setEnabled(game_.canUndo());
    RedoMove->setEnabled(game_.canRedo());
    // The list follows every step, Autoplay's too.
    record->gameChanged();
    // Halfway through a move the board is neither the old position nor the new one; the move
    // reports the end of its step, which asks again.
    if (game_.moveInProgress()) return;
    BoardImage::Marks marks;
    if (ShowLastMove->isChecked()) marks.lastMove = game_.lastMove();
    if (ShowLegalMoves->isChecked() && game_.personToPlay())
        marks.legalMoves = game_.legalSquares();
    board_.setMarks(std::move(marks));
    Hint->setEnabled(game_.personToPlay());
    // A game opened from a record plays by the record's rules.
    {
        const QSignalBlocker quiet(StandardRules);
        StandardRules->setChecked(game_.rules() == GameRules::Standard);
    }
    analysis_.refresh();
}

}  // namespace marvane
