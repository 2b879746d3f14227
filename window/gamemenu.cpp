#include "window/gamemenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include "engine/game.h"
#include "getver/getver.h"
#include "window/analysisroom.h"
#include "window/boardcoordinates.h"
#include "window/boardimage.h"
#include "window/keyswindow.h"
#include "window/recordcommands.h"

namespace marvane {

namespace {

const QKeySequence kUndoKeys(Qt::CTRL | Qt::Key_Z);
const QKeySequence kHintKeys(Qt::CTRL | Qt::Key_H);
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)};

QString gameMenuText(const char* text) { return QCoreApplication::translate("GameMenu", text); }

// The item shows its keys after a tab; the keys themselves are window shortcuts, so they work
// with the menu bar hidden and never compete with the item for the same key.
QString withKeys(const char* caption, const QKeySequence& keys) {
    return gameMenuText(caption) + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
}

}  // namespace

GameMenu::GameMenu(QMainWindow& window, Game& game, BoardImage& board, AnalysisRoom& analysis,
                   Guard guard)
    : QObject(&window), game_(game), board_(board), analysis_(analysis), guard_(std::move(guard)) {
    menu_ = new QMenu(gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Game")), &window);
    menu_->setObjectName("GameMenu");
    menu_->menuAction()->setVisible(false);
    auto item = [this](const char* name, const QString& caption) {
        QAction* action = menu_->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    UndoMove = item("UndoMove", withKeys(QT_TRANSLATE_NOOP("GameMenu", "Undo"), kUndoKeys));
    RedoMove = item("RedoMove", withKeys(QT_TRANSLATE_NOOP("GameMenu", "Redo"), kRedoKeys[0]));
    menu_->addSeparator();
    ShowLastMove =
        item("ShowLastMove", gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Show Last Move")));
    ShowLegalMoves =
        item("ShowLegalMoves", gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Show Legal Moves")));
    for (QAction* mark : {ShowLastMove, ShowLegalMoves}) mark->setCheckable(true);
    addCoordinatesItem();

    // The game tells the window about a step box by box, and a move lets events run halfway
    // through: the marks are worked out once, when the events of the step have been handled.
    marksRefresh = new QTimer(this);
    marksRefresh->setSingleShot(true);
    marksRefresh->setInterval(0);

    const auto run = [this](void (GameMenu::*handler)()) {
        return guardedSlot(guard_, this, handler);
    };
    connect(UndoMove, &QAction::triggered, this, run(&GameMenu::UndoMoveClick));
    connect(RedoMove, &QAction::triggered, this, run(&GameMenu::RedoMoveClick));
    // Also from the move list's window, which steps through the same history.
    const auto shortcut = [&window](const QKeySequence& keys, const char* what) {
        auto* keysShortcut = new QShortcut(keys, &window);
        keysShortcut->setContext(Qt::ApplicationShortcut);
        keysShortcut->setWhatsThis(QString::fromUtf8(what));  // the key list translates it
        return keysShortcut;
    };
    connect(shortcut(kUndoKeys, QT_TRANSLATE_NOOP("KeyList", "Undo (Game menu)")),
            &QShortcut::activated, this, run(&GameMenu::UndoMoveClick));
    for (const QKeySequence& keys : kRedoKeys)
        connect(shortcut(keys, QT_TRANSLATE_NOOP("KeyList", "Redo (Game menu)")),
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
    const auto item = [this](const char* name, const QString& caption) {
        QAction* action = menu_->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    Hint = item("Hint", withKeys(QT_TRANSLATE_NOOP("GameMenu", "Hint"), kHintKeys));
    ShowEvaluations =
        item("ShowEvaluations", gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Show Evaluations")));
    ExpertHardLevel =
        item("ExpertHardLevel", gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Expert Hard Level")));
    for (QAction* option : {ShowEvaluations, ExpertHardLevel}) option->setCheckable(true);
    const auto guarded = [this](std::function<void()> handler) {
        return [this, handler = std::move(handler)] { guard_(handler); };
    };
    const auto hint = guarded([this] { analysis_.hint(); });
    connect(Hint, &QAction::triggered, this, hint);
    auto* hintKeys = new QShortcut(kHintKeys, &window);
    hintKeys->setContext(Qt::ApplicationShortcut);
    connect(hintKeys, &QShortcut::activated, this, hint);
    connect(ShowEvaluations, &QAction::toggled, this,
            guarded([this] { analysis_.setEvaluations(ShowEvaluations->isChecked()); }));
    connect(ExpertHardLevel, &QAction::toggled, this,
            guarded([this] { analysis_.setExpertHard(ExpertHardLevel->isChecked()); }));
}

void GameMenu::wireRecordCommands(QMainWindow& window) {
    // "Marvane 1.4.0.0" for a file's Program line; without version information the program is
    // still named.
    const auto program = [] {
        const QString title = ReadTitle();
        return (title.isEmpty() ? QStringLiteral("Marvane") : title) + QLatin1Char(' ') +
               ReadVersion();
    };
    record = new RecordCommands(&window, game_, program);
    menu_->addSeparator();
    menu_->addActions(record->actions());
    // On the window as well, so their keys work while the menu bar is hidden.
    window.addActions(record->actions());
}

void GameMenu::addCoordinatesItem() {
    ShowCoordinates =
        menu_->addAction(gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Show Coordinates")));
    ShowCoordinates->setObjectName("ShowCoordinates");
    ShowCoordinates->setCheckable(true);
    connect(ShowCoordinates, &QAction::toggled, this, &GameMenu::showCoordinates);
}

bool GameMenu::showsCoordinates() const { return ShowCoordinates->isChecked(); }

void GameMenu::setCoordinatesShown(bool shown) { ShowCoordinates->setChecked(shown); }

void GameMenu::showCoordinates() {
    if (!coordinates_ && !ShowCoordinates->isChecked()) return;
    if (!coordinates_) coordinates_ = new BoardCoordinates(board_);
    coordinates_->setVisible(ShowCoordinates->isChecked());
}

// Last in the menu: the list of every key the program answers.
void GameMenu::addKeysItem(QMainWindow& window) {
    menu_->addSeparator();
    QAction* keys = menu_->addAction(gameMenuText(QT_TRANSLATE_NOOP("GameMenu", "Keys")));
    keys->setObjectName("ShowKeys");
    connect(keys, &QAction::triggered, this,
            [this, &window] { guard_([&window] { showKeysWindow(window); }); });
}

void GameMenu::setShown(bool shown) { menu_->menuAction()->setVisible(shown); }

bool GameMenu::showsLastMove() const { return ShowLastMove->isChecked(); }

bool GameMenu::showsLegalMoves() const { return ShowLegalMoves->isChecked(); }

void GameMenu::setMarks(bool lastMove, bool legalMoves) {
    ShowLastMove->setChecked(lastMove);
    ShowLegalMoves->setChecked(legalMoves);
    scheduleRefresh();
}

bool GameMenu::showsEvaluations() const { return ShowEvaluations->isChecked(); }

bool GameMenu::expertHard() const { return ExpertHardLevel->isChecked(); }

void GameMenu::setAnalysisOptions(bool evaluations, bool expertHard) {
    ShowEvaluations->setChecked(evaluations);
    ExpertHardLevel->setChecked(expertHard);
}

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
    // writes its boxes once more after its last event processing, which asks again.
    if (game_.moveInProgress()) return;
    BoardImage::Marks marks;
    if (ShowLastMove->isChecked()) marks.lastMove = game_.lastMove();
    if (ShowLegalMoves->isChecked() && game_.personToPlay())
        marks.legalMoves = game_.legalSquares();
    board_.setMarks(std::move(marks));
    Hint->setEnabled(game_.personToPlay());
    analysis_.refresh();
}

}  // namespace marvane
