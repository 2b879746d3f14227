// SPDX-License-Identifier: GPL-3.0-or-later
// The main window under a storm of input, during a fast Autoplay and against a fast computer:
// board presses anywhere, "restart", "finish", the players and level buttons, the colour schemes,
// Autoplay itself, undo, redo, steps in the move list and pasted moves. The storm runs once at
// every point where the program processes events, between moves and inside them alike (a move
// lets the window process its events), so it needs no clock to reach a move in progress.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "engine/transcript.h"
#include "engine/unseenview.h"
#include "tests/window/formdriver.h"
#include "window/boardimage.h"
#include "window/marvaneform.h"
#include "window/movelist.h"

using namespace marvane;
using namespace marvane::test;

namespace {

// What a move, a new game or a finish would change: in the game, and on the screen.
struct Position {
    std::array<ColourCode, 64> squares{};
    std::array<ColourCode, 64> shown{};
    GameState state;
    QStringList texts;
    bool goBoxShown = false;

    explicit Position(const TMarvaneForm& form) : state(form.game().state()) {
        const BoardImage* board = control<BoardImage>(form, "Image3");
        for (int row = 1; row <= kBoardSize; ++row) {
            for (int column = 1; column <= kBoardSize; ++column) {
                const int i = (row - 1) * kBoardSize + column - 1;
                squares[i] = form.game().board(row, column);
                shown[i] = board->shownColour(row, column);
            }
        }
        for (const char* box :
             {"MessageBox", "GoBox", "MoveBox", "WhiteScore", "BlackScore", "remain", "Edit3"})
            texts << textOf(form, box);
        for (const char* label : {"C1Lab", "c2lab"}) texts << control<QLabel>(form, label)->text();
        goBoxShown = !control(form, "GoBox")->isHidden();
    }
    bool sameGame(const Position& other) const {
        return squares == other.squares && shown == other.shown && texts == other.texts &&
               goBoxShown == other.goBoxShown && state.MovesMade == other.state.MovesMade &&
               state.ToPlay == other.state.ToPlay && state.Opponent == other.state.Opponent &&
               state.C1 == other.state.C1 && state.C2 == other.state.C2 &&
               state.GameOver == other.state.GameOver;
    }
};

// Empty when the position is one the rules can reach and the board shows it.
QString brokenInvariant(const TMarvaneForm& form) {
    const Position position(form);
    const auto& s = position.state;
    const auto occupied = std::count_if(position.squares.begin(), position.squares.end(),
                                        [](ColourCode c) { return c != 0; });
    if (occupied != s.MovesMade + 4) {
        return QString("%1 squares occupied after %2 moves").arg(occupied).arg(s.MovesMade);
    }
    const bool sidesArePair =
        (s.ToPlay == s.C1 && s.Opponent == s.C2) || (s.ToPlay == s.C2 && s.Opponent == s.C1);
    if (!sidesArePair || s.C1 == s.C2) {
        return QString("ToPlay %1, Opponent %2 with C1 %3, C2 %4")
            .arg(s.ToPlay)
            .arg(s.Opponent)
            .arg(s.C1)
            .arg(s.C2);
    }
    if (position.shown != position.squares) return "the board shows another position";
    bool scoresShown = false;
    const int shownTotal = position.texts[3].toInt(&scoresShown) + position.texts[4].toInt() +
                           position.texts[5].toInt();
    if (scoresShown && shownTotal != kBoardSize * kBoardSize)
        return QString("the scores and the empty squares add up to %1").arg(shownTotal);
    // Between moves the board is what the history's moves up to its cursor make.
    const Game& game = form.game();
    if (game.moveInProgress()) return {};
    const auto moves = game.history().moves();
    const int onBoard = game.history().movesAtCursor();
    if (onBoard != s.MovesMade)
        return QString("%1 moves made, %2 in the history").arg(s.MovesMade).arg(onBoard);
    UnseenView unseen;
    Game replay(unseen);
    replay.setColours(s.C1, s.C2);
    replay.setPlayerCount(2);
    replay.newGame();
    for (int i = 0; i < onBoard; ++i) replay.pressSquare(moves[i].row, moves[i].column);
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column)
            if (replay.board(row, column) != game.board(row, column))
                return QString("the board is not what its %1 moves make").arg(onBoard);
    return {};
}

// Lets a computer reply that is on its way come, and then the window catch up with the game: the
// marks and the list follow a step through two zero-time timers.
void settle(const TMarvaneForm& form) {
    const auto* delay = control<QTimer>(form, "Playerdelay");
    while (delay->isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    for (int round = 0; round < 5; ++round) QCoreApplication::processEvents();
}

// Empty when the open move list shows the game's history; asked once events have settled.
QString listDisagrees(const TMarvaneForm& form) {
    const auto* list = form.findChild<MoveList*>("MoveList");
    if (!list || !list->isVisible()) return {};
    const History& history = form.game().history();
    // An ended game has a result row after its moves, selected while the board shows the end.
    const StepKind last = history.steps().back().kind;
    const bool ended = last == StepKind::GameEnd || last == StepKind::Finish;
    const bool atEnd = ended && history.current() + 1 == history.steps().size();
    const int rows = static_cast<int>(history.moves().size()) + 1 + (ended ? 1 : 0);
    if (list->rowCount() != rows || list->current() != (atEnd ? rows - 1 : history.movesAtCursor()))
        return QString("the list has %1 rows at %2, the history %3 moves at %4")
            .arg(list->rowCount())
            .arg(list->current())
            .arg(history.moves().size())
            .arg(history.movesAtCursor());
    return {};
}

// A started window with sound off, nothing stored, and the response delay at `delayMs`.
std::unique_ptr<TMarvaneForm> stormForm() {
    auto form = startedForm(SettingsStore{});
    if (!form) return nullptr;
    control<QCheckBox>(*form, "Sound")->setChecked(false);
    control<QTimer>(*form, "Playerdelay")->setInterval(1);
    return form;
}

void autoplay(const TMarvaneForm& form) { control<QAction>(form, "Autoplay")->trigger(); }

// Fires user actions, one each time the program processes its events: it posts itself again
// after every action. Every action is checked before and after it runs.
class Storm {
public:
    enum Action {
        Press,
        Restart,
        Finish,
        Players,
        Level,
        Colours,
        Autoplay,
        Undo,
        Redo,
        Step,
        Paste,
        kActionCount
    };

    Storm(TMarvaneForm& form, quint32 seed) : form_(form), random_(seed) {
        // Also checked after every computer turn the response delay starts.
        QObject::connect(control<QTimer>(form_, "Playerdelay"), &QTimer::timeout, &context_,
                         [this] { check("computer turn"); });
    }

    void start(int actions) {
        remaining_ = actions;
        post();
    }
    void stop() { remaining_ = 0; }
    bool done() const { return remaining_ <= 0; }
    // Stops firing for a while (the window catches up), and starts again with what was left.
    void hold() {
        held_ = remaining_;
        remaining_ = 0;
    }
    void resume() { start(held_); }

    // Called before each action; return true to take it over (the action is then not fired).
    std::function<bool()> beforeAction;
    // The kinds of action fired between moves, each entry with an equal chance: mostly presses.
    // Inside moves every kind comes in turn, so each one meets the guard.
    std::vector<Action> kinds{Press, Press,   Press,    Press, Restart, Finish, Players,
                              Level, Colours, Autoplay, Undo,  Redo,    Step,   Paste};

    QStringList violations;
    int fired = 0;
    std::array<int, kActionCount> firedDuringMovesByKind{};

    void check(const char* when) {
        const QString broken = brokenInvariant(form_);
        if (!broken.isEmpty()) note(QString("%1: %2").arg(when, broken));
    }

private:
    void post() {
        QMetaObject::invokeMethod(
            &context_, [this] { fire(); }, Qt::QueuedConnection);
    }

    void fire() {
        if (remaining_ <= 0) return;
        --remaining_;
        post();
        if (beforeAction && beforeAction()) return;
        // Every action here is one the program accepts or refuses without a word.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            note(QString("a message came up: %1").arg(modal->windowTitle()));
            modal->close();
            return;
        }
        const bool inMove = form_.game().moveInProgress();
        check("before an action");
        const Position before(form_);
        const Action action = inMove ? kinds[duringMoves_++ % kinds.size()]
                                     : kinds[random_.bounded(static_cast<quint32>(kinds.size()))];
        run(action);
        ++fired;
        if (inMove) {
            ++firedDuringMovesByKind[action];
            // Arriving during a move, an action may change settings but must not touch the game
            // nor what the window shows of it until the move is over.
            if (!Position(form_).sameGame(before))
                note(QString("action %1 changed the game in the middle of a move").arg(action));
        }
        check("after an action");
    }

    void run(Action action) {
        const auto click = [this](const char* name) { control<QToolButton>(form_, name)->click(); };
        switch (action) {
            case Press: {
                // Anywhere over the board's area and a little beyond, between squares included.
                QWidget* board = control(form_, "Image3");
                const QPoint at(random_.bounded(-4, board->width() + 4),
                                random_.bounded(-4, board->height() + 4));
                QTest::mousePress(board, Qt::LeftButton, {}, at);
                break;
            }
            case Restart: click("restart"); break;
            case Finish: click("FinishButton"); break;
            case Players: click("Players"); break;
            case Level: click("EasyButton"); break;
            case Colours: {
                static const char* const schemes[] = {"Blackwhite", "redgreen", "aquayello"};
                control<QAction>(form_, schemes[random_.bounded(3)])->trigger();
                break;
            }
            case Autoplay: control<QAction>(form_, "Autoplay")->trigger(); break;
            case Undo: control<QAction>(form_, "UndoMove")->trigger(); break;
            case Redo: control<QAction>(form_, "RedoMove")->trigger(); break;
            case Step: {
                auto* list = form_.findChild<MoveList*>("MoveList");
                if (!list || !list->isVisible()) {
                    control<QAction>(form_, "ShowMoveList")->trigger();
                    break;
                }
                list->list()->setCurrentRow(random_.bounded(list->rowCount()));
                break;
            }
            case Paste: {
                // The first few moves of the game on the board, or of an earlier one.
                auto moves = form_.game().history().moves();
                moves.resize(std::min<std::size_t>(moves.size(), random_.bounded(1, 12)));
                if (moves.empty()) moves = {{3, 5}};  // the first colour's e3
                QGuiApplication::clipboard()->setText(
                    QString::fromStdString(writeTranscript(moves)));
                control<QAction>(form_, "PasteMoves")->trigger();
                break;
            }
            case kActionCount: break;
        }
    }

    void note(const QString& what) {
        if (violations.size() < 20) violations.append(what);
    }

    TMarvaneForm& form_;
    QRandomGenerator random_;
    QObject context_;
    int remaining_ = 0;
    int held_ = 0;
    std::size_t duringMoves_ = 0;
};

// Notes the moment the window goes away.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(std::function<void()> onHide) : onHide_(std::move(onHide)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) onHide_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onHide_;
};

}  // namespace

class FormStressTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Marvane"); }

    void thousandsOfActionsDuringAutoplayNeverNestAMoveNorBreakTheBoard() {
        auto form = stormForm();
        QVERIFY(form);
        Storm storm(*form, 20240611);
        storm.start(6000);
        int games = 0;
        // Autoplay ends with each game ("finish" among the actions ends it too): start another
        // until every action has been fired.
        while (!storm.done()) {
            control<QTimer>(*form, "Playerdelay")->setInterval(games % 2);
            autoplay(*form);
            storm.check("after Autoplay");
            // The list follows an action through two zero-time timers: an action fired while
            // the window settles would always be one step ahead of it.
            storm.hold();
            settle(*form);
            const QString list = listDisagrees(*form);
            QVERIFY2(list.isEmpty(), qPrintable(list));
            storm.resume();
            ++games;
        }

        QVERIFY2(storm.violations.isEmpty(), qPrintable(storm.violations.join('\n')));
        QVERIFY(!form->game().moveInProgress());
        // Every kind of action reached the guard.
        for (int kind = 0; kind < Storm::kActionCount; ++kind)
            QVERIFY2(storm.firedDuringMovesByKind[kind] > 0, qPrintable(QString::number(kind)));
        qInfo("%d actions over %d games", storm.fired, games);
    }

    // Without Autoplay every command has its full effect: undo, redo, steps and pastes change the
    // game between the computer's replies and inside its moves.
    void thousandsOfCommandsAgainstAFastComputerKeepTheBoardTheHistoryAndTheListAgreed() {
        auto form = stormForm();
        QVERIFY(form);
        control<QToolButton>(*form, "Players")->click();  // one player
        QCOMPARE(form->game().state().PlayerCount, 1);
        control<QAction>(*form, "ShowMoveList")->trigger();
        Storm storm(*form, 4242);
        storm.kinds = {Storm::Press,  Storm::Press, Storm::Press,  Storm::Undo,
                       Storm::Redo,   Storm::Step,  Storm::Paste,  Storm::Restart,
                       Storm::Finish, Storm::Level, Storm::Colours};
        // In bursts, after each of which the list must have caught up with the game.
        for (int burst = 0; burst < 30; ++burst) {
            storm.start(100);
            while (!storm.done()) QCoreApplication::processEvents();
            settle(*form);
            const QString list = listDisagrees(*form);
            if (!list.isEmpty()) storm.violations.append(list);
        }
        QVERIFY2(storm.violations.isEmpty(), qPrintable(storm.violations.mid(0, 5).join('\n')));
        for (Storm::Action kind : {Storm::Undo, Storm::Redo, Storm::Step, Storm::Paste})
            QVERIFY2(storm.firedDuringMovesByKind[kind] > 0, qPrintable(QString::number(kind)));
        qInfo("%d actions", storm.fired);
    }

    void closingTheWindowDuringAutoplayEndsItPromptly_data() {
        QTest::addColumn<bool>("closeDuringAMove");
        QTest::newRow("close arriving while a move is worked out") << true;
        QTest::newRow("close arriving between moves") << false;
    }
    void closingTheWindowDuringAutoplayEndsItPromptly() {
        QFETCH(bool, closeDuringAMove);
        for (int round = 0; round < 10; ++round) {
            auto form = stormForm();
            QVERIFY(form);
            Storm storm(*form, 7000 + round);
            // Nothing that ends or restarts the game: the close comes in the middle of one.
            storm.kinds = {Storm::Press, Storm::Players, Storm::Level};
            QRandomGenerator random(round);
            const int closeAfterActions = random.bounded(10, 400);
            bool closeRequested = false;
            int movesAtHide = -1;
            HideWatcher watcher([&] { movesAtHide = form->game().state().MovesMade; });
            form->installEventFilter(&watcher);
            storm.beforeAction = [&] {
                if (closeRequested) return true;
                if (storm.fired < closeAfterActions ||
                    form->game().moveInProgress() != closeDuringAMove) {
                    return false;
                }
                closeRequested = true;
                storm.stop();
                control<QToolButton>(*form, "SpeedButton1")->click();
                return true;
            };
            storm.start(1'000'000);

            // A game can end before the chosen moment; then the next one gets the close.
            for (int games = 0; !closeRequested && games < 20; ++games) autoplay(*form);

            QVERIFY2(closeRequested, "no game reached the move chosen for the close");
            QVERIFY2(storm.violations.isEmpty(), qPrintable(storm.violations.join('\n')));
            QVERIFY(!form->isVisible());
            QVERIFY(movesAtHide >= 0);
            // Autoplay returned with the game unfinished: at most a computer turn that had
            // fallen due before the close was played after it.
            QVERIFY2(form->game().state().MovesMade - movesAtHide <= 1,
                     qPrintable(QString("%1 moves played after the window closed")
                                    .arg(form->game().state().MovesMade - movesAtHide)));
            form->removeEventFilter(&watcher);
        }
    }
};

QTEST_MAIN(FormStressTest)
#include "tst_form_stress.moc"
