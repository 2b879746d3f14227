// The main window under a storm of input during a fast Autoplay: board presses anywhere,
// "restart", "finish", the players and level buttons and the colour schemes, fired from timers
// so that many of them arrive while a move is being worked out and pumps the event loop.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "window/boardimage.h"
#include "window/marvaneform.h"

using namespace marvane;

namespace {

// The window with every call the game makes into it watched. A move lets the window process
// its events through processPendingEvents; any game output while a move sits in that pump
// would come from a second move (or a new game, or a finish) running inside the first.
class ObservedForm : public TMarvaneForm {
public:
    using TMarvaneForm::TMarvaneForm;

    int pumpDepth = 0;
    int outputInsideAMove = 0;

    void processPendingEvents() override {
        ++pumpDepth;
        TMarvaneForm::processPendingEvents();
        --pumpDepth;
    }
    void paintCounter(int row, int column, ColourCode colour) override {
        noteOutput();
        TMarvaneForm::paintCounter(row, column, colour);
    }
    void showText(Box box, std::string_view text) override {
        noteOutput();
        TMarvaneForm::showText(box, text);
    }
    void showGoBox(bool visible) override {
        noteOutput();
        TMarvaneForm::showGoBox(visible);
    }
    void requestSound(marvane::Sound sound) override {
        noteOutput();
        TMarvaneForm::requestSound(sound);
    }
    void armResponseDelay() override {
        noteOutput();
        TMarvaneForm::armResponseDelay();
    }

private:
    void noteOutput() {
        if (pumpDepth > 0) ++outputInsideAMove;
    }
};

// What a move, a new game or a finish would change.
struct Position {
    std::array<ColourCode, 64> squares{};
    GameState state;

    explicit Position(const Game& game) : state(game.state()) {
        for (int row = 1; row <= kBoardSize; ++row)
            for (int column = 1; column <= kBoardSize; ++column)
                squares[(row - 1) * kBoardSize + column - 1] = game.board(row, column);
    }
    bool sameGame(const Position& other) const {
        return squares == other.squares && state.MovesMade == other.state.MovesMade &&
               state.ToPlay == other.state.ToPlay && state.Opponent == other.state.Opponent &&
               state.C1 == other.state.C1 && state.C2 == other.state.C2 &&
               state.GameOver == other.state.GameOver;
    }
};

// Empty when the position is one the rules can reach.
QString brokenInvariant(const Game& game) {
    const Position position(game);
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
    return {};
}

// Rejects the next modal dialog (the start-up's prompt for the missing sound files).
void rejectNextModal() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            dialog->reject();
        }
    });
    poll->start(10);
}

// A started window with sound off, nothing stored, and the response delay at 0 or 1 ms.
std::unique_ptr<ObservedForm> startedForm() {
    auto form = std::make_unique<ObservedForm>(SettingsStore{});
    rejectNextModal();
    form->FormActivate();
    form->Sound->setChecked(false);
    form->Playerdelay->setInterval(1);
    form->show();
    return form;
}

// Fires random user actions from a timer, each checked before and after it runs.
class Storm {
public:
    enum Action { Press, Restart, Finish, Players, Level, Colours, kActionCount };

    Storm(ObservedForm& form, quint32 seed) : form_(form), random_(seed) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { fire(); });
        // Also checked after every computer turn the response delay starts.
        QObject::connect(form_.Playerdelay, &QTimer::timeout, &timer_,
                         [this] { check("computer turn"); });
    }

    void start(int actions) {
        remaining_ = actions;
        timer_.start(0);
    }
    void stop() { timer_.stop(); }
    bool done() const { return remaining_ <= 0; }

    // Called before each action; return true to take it over (the action is then not fired).
    std::function<bool()> beforeAction;
    // The kinds of action fired, each entry with an equal chance: mostly presses.
    std::vector<Action> kinds{Press, Press, Press, Press, Restart, Finish, Players, Level, Colours};

    QStringList violations;
    int fired = 0;
    int firedDuringMoves = 0;
    std::array<int, kActionCount> firedByKind{};
    std::array<int, kActionCount> firedDuringMovesByKind{};

    void check(const char* when) {
        const QString broken = brokenInvariant(form_.game());
        if (!broken.isEmpty()) note(QString("%1: %2").arg(when, broken));
    }

private:
    void fire() {
        if (remaining_-- <= 0) {
            timer_.stop();
            return;
        }
        if (beforeAction && beforeAction()) return;
        const bool inMove = form_.game().moveInProgress();
        if (inMove != (form_.pumpDepth > 0)) {
            note(QString("moveInProgress() is %1 with the move pump %2 deep")
                     .arg(inMove)
                     .arg(form_.pumpDepth));
        }
        check("before an action");
        const Position before(form_.game());
        const Action action = kinds[random_.bounded(static_cast<quint32>(kinds.size()))];
        run(action);
        ++fired;
        ++firedByKind[action];
        if (inMove) {
            ++firedDuringMoves;
            ++firedDuringMovesByKind[action];
            // Arriving during a move, an action may change settings but must not touch the game
            // until the move is over.
            if (!Position(form_.game()).sameGame(before))
                note(QString("action %1 changed the game in the middle of a move").arg(action));
        }
        check("after an action");
        timer_.setInterval(random_.bounded(2));
    }

    void run(Action action) {
        switch (action) {
            case Press: {
                // Anywhere over the board's area and a little beyond, between squares included.
                const QSize area = form_.Image3->size();
                form_.Image3MouseDown(random_.bounded(-4, area.width() + 4),
                                      random_.bounded(-4, area.height() + 4));
                break;
            }
            case Restart:
                form_.restartClick();
                break;
            case Finish:
                form_.FinishButtonClick();
                break;
            case Players:
                form_.PlayersClick();
                break;
            case Level:
                form_.easyclick();
                break;
            case Colours:
                form_.ColourMenuClick(random_.bounded(3));
                break;
            case kActionCount:
                break;
        }
    }

    void note(const QString& what) {
        if (violations.size() < 20) violations.append(what);
    }

    ObservedForm& form_;
    QRandomGenerator random_;
    QTimer timer_;
    int remaining_ = 0;
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
        auto form = startedForm();
        Storm storm(*form, 20240611);
        storm.start(6000);
        int games = 0;
        // Autoplay ends with each game ("finish" among the actions ends it too): start another
        // until every action has been fired.
        while (!storm.done()) {
            form->Playerdelay->setInterval(games % 2);
            form->AutoplayClick();
            storm.check("after Autoplay");
            ++games;
        }

        QVERIFY2(storm.violations.isEmpty(), qPrintable(storm.violations.join('\n')));
        QCOMPARE(form->outputInsideAMove, 0);
        QCOMPARE(form->pumpDepth, 0);
        QVERIFY(!form->game().moveInProgress());
        // The storm really reached the guard: presses and game commands arrived mid-move.
        QVERIFY(storm.firedDuringMovesByKind[Storm::Press] > 0);
        QVERIFY(storm.firedDuringMovesByKind[Storm::Restart] > 0);
        QVERIFY(storm.firedDuringMovesByKind[Storm::Colours] > 0);
        qInfo("%d actions (%d presses) over %d games, %d of them during a move", storm.fired,
              storm.firedByKind[Storm::Press], games, storm.firedDuringMoves);
    }

    void closingTheWindowDuringAutoplayEndsItPromptly_data() {
        QTest::addColumn<bool>("closeDuringAMove");
        QTest::newRow("close arriving while a move is worked out") << true;
        QTest::newRow("close arriving between moves") << false;
    }
    void closingTheWindowDuringAutoplayEndsItPromptly() {
        QFETCH(bool, closeDuringAMove);
        for (int round = 0; round < 10; ++round) {
            auto form = startedForm();
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
                form->close();
                return true;
            };
            storm.start(1'000'000);

            // A game can end before the chosen moment; then the next one gets the close.
            for (int games = 0; !closeRequested && games < 20; ++games) form->AutoplayClick();

            QVERIFY2(closeRequested, "no game reached the move chosen for the close");
            QVERIFY2(storm.violations.isEmpty(), qPrintable(storm.violations.join('\n')));
            QVERIFY(!form->isVisible());
            QVERIFY(movesAtHide >= 0);
            // Autoplay returned with the game unfinished: at most a computer turn that had
            // fallen due before the close was played after it.
            QVERIFY2(form->game().state().MovesMade - movesAtHide <= 1,
                     qPrintable(QString("%1 moves played after the window closed")
                                    .arg(form->game().state().MovesMade - movesAtHide)));
            QCOMPARE(form->outputInsideAMove, 0);
            form->removeEventFilter(&watcher);
        }
    }
};

QTEST_MAIN(FormStressTest)
#include "form_stress_test.moc"
