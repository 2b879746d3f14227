// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis in the window: the hint and the scores are the engine's for the position on the
// board and never for one it has left, Expert Hard's replies are the engine's choice, and the
// two options are kept.
#include <QAction>
#include <QCheckBox>
#include <QTimer>
#include <QToolButton>
#include <QCoreApplication>
#include <QtTest>
#include <algorithm>
#include <random>

#include "analysis/analyser.h"
#include "analysis/expert.h"
#include "analysis/game_position.h"
#include "tests/window/formdriver.h"
#include "window/boardimage.h"

using namespace marvane;
using namespace marvane::test;

namespace {

analysis::Position onBoard(const Game& game) {
    return analysis::fromGame(game.position(), game.state().C1, game.state().C2).position;
}

Square squareOf(int index) { return {index / 8 + 1, index % 8 + 1}; }

// The engine's exact scores for every legal square of the position on the board.
analysis::Analysis exactly(const Game& game) {
    static analysis::Analyser analyser(std::size_t{8} << 20);
    analysis::Limits limits;
    limits.exactEmpties = 60;
    return analyser.analyse(onBoard(game), analysis::Rules::Marvane, limits);
}

class Driver {
public:
    explicit Driver(TMarvaneForm& form)
        : form(form), board(*control<BoardImage>(form, "Image3")) {
        control<QCheckBox>(form, "Sound")->setChecked(false);
    }
    const Game& game() const { return form.game(); }
    QAction* action(const char* name) const { return control<QAction>(form, name); }
    // Plays the side to play's legal square picked by `random`; false when there is none.
    bool playAny(std::mt19937& random) {
        const std::vector<Square> legal = game().legalSquares();
        if (legal.empty() || game().state().over()) return false;
        const Square s = legal[random() % legal.size()];
        pressSquare(form, s.row, s.column);
        return true;
    }
    bool hintSettled() const { return board.accessibleDescription().startsWith("Hint:"); }

    TMarvaneForm& form;
    BoardImage& board;
};

// What the board shows of the analysis belongs to the position on it: only its legal squares,
// the hint the best of the scores shown, and exact scores the engine's exact ones.
QString staleMark(const Game& game, const BoardImage& board) {
    const BoardImage::AnalysisMarks& marks = board.analysisMarks();
    if (!marks.hint && marks.scores.empty()) return {};
    if (game.moveInProgress()) return {};  // the board is between two positions
    const std::vector<Square> legal = game.legalSquares();
    const auto isLegal = [&](const Square& s) {
        return std::find(legal.begin(), legal.end(), s) != legal.end();
    };
    if (!game.personToPlay()) return "marks while no person is to play";
    if (marks.hint && !isLegal(marks.hint->square)) return "a hint on a square not legal now";
    for (const auto& e : marks.scores)
        if (!isLegal(e.square)) return "a score on a square not legal now";
    const bool allExact = std::all_of(marks.scores.begin(), marks.scores.end(),
                                      [](const auto& e) { return e.exact; });
    // The test's own solve stays quick (in the sanitizer build too) from 14 empty squares down.
    if (marks.scores.empty() || !allExact || onBoard(game).empties() > 14) return {};
    const analysis::Analysis truth = exactly(game);
    for (const auto& e : marks.scores) {
        const auto found =
            std::find_if(truth.squares.begin(), truth.squares.end(),
                         [&](const analysis::SquareScore& s) { return squareOf(s.square) == e.square; });
        if (found == truth.squares.end() || found->score != e.score)
            return "an exact score that is not this position's";
    }
    return {};
}

}  // namespace

class AnalysisRoomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Marvane"); }

    // Positions of 12, 10 and 8 empty squares, which the engine solves well within its second:
    // the hint is on a square with the best exact score, every legal square shows its exact
    // score, and a screen reader hears the hint.
    void theHintAndTheScoresAreTheEnginesExactOnes() {
        auto form = startedForm();
        QVERIFY(form);
        Driver d(*form);
        d.action("ShowEvaluations")->trigger();
        std::mt19937 random(7);
        for (int empties : {12, 10, 8}) {
            while (64 - 4 - d.game().state().MovesMade > empties) {
                QVERIFY(d.playAny(random));
                QTest::qWait(1);
            }
            QVERIFY(d.game().personToPlay());
            d.action("Hint")->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(d.hintSettled(), 20000);
            const analysis::Analysis truth = exactly(d.game());
            const BoardImage::AnalysisMarks marks = d.board.analysisMarks();
            QCOMPARE(marks.scores.size(), truth.squares.size());
            QVERIFY(marks.hint);
            QCOMPARE(marks.hint->score, truth.score);
            QVERIFY(marks.hint->exact);
            QCOMPARE(staleMark(d.game(), d.board), QString());
            const Square h = marks.hint->square;
            QVERIFY(d.board.accessibleDescription().contains(
                QStringLiteral("row %1, column %2, score %3")
                    .arg(h.row)
                    .arg(h.column)
                    .arg(BoardImage::scoreText(truth.score))));
            // The next move takes the hint away; the scores follow the new position.
            QVERIFY(d.playAny(random));
            QVERIFY(!d.board.analysisMarks().hint);
        }
    }

    // A player at the keyboard plays a square and asks for the hint with its key.
    void theHintKeyWorksAfterPlayingFromTheKeyboard() {
        auto form = startedForm();
        QVERIFY(form);
        Driver d(*form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        for (Qt::Key key : {Qt::Key_F, Qt::Key_4, Qt::Key_Return})
            QTest::keyClick(&d.board, key);
        QCOMPARE(d.game().state().MovesMade, 1);
        QTest::keyClick(&d.board, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(d.hintSettled(), 20000);
    }

    // Catches the hint's key playing a square the player never saw marked: without a hint it
    // does nothing, with one it plays the marked square.
    void theHintsKeyPlaysTheHintedSquareAndNothingWithoutAHint() {
        auto form = startedForm();
        QVERIFY(form);
        Driver d(*form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const auto playHint = [&] {
            QTest::keyClick(form.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        };
        playHint();
        QTest::qWait(50);
        QCOMPARE(d.game().state().MovesMade, 0);
        d.action("Hint")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(d.hintSettled(), 20000);
        const Square hinted = d.board.analysisMarks().hint->square;
        playHint();
        QTRY_VERIFY(d.game().state().MovesMade >= 1);
        QCOMPARE(d.game().history().moves().front(), hinted);
    }

    // Moves, undos and new games fired while the engine thinks, with the scores and hints asked
    // for all along: at every point the board shows nothing of a position it has left.
    void aStormOfChangesNeverShowsAStaleResult() {
        auto form = startedForm();
        QVERIFY(form);
        Driver d(*form);
        d.action("ShowEvaluations")->trigger();
        std::mt19937 random(11);
        QString fault;
        int shown = 0;
        // Checked after every event the window handles, not only between the steps below.
        QTimer watch;
        watch.setInterval(0);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!fault.isEmpty()) return;
            fault = staleMark(d.game(), d.board);
            shown += !d.board.analysisMarks().scores.empty();
        });
        watch.start();
        for (int step = 0; step < 300 && fault.isEmpty(); ++step) {
            switch (random() % 10) {
                case 0: d.action("UndoMove")->trigger(); break;
                case 1: d.action("RedoMove")->trigger(); break;
                case 2:
                    if (random() % 4 == 0) control<QToolButton>(*form, "restart")->click();
                    break;
                case 3: d.action("Hint")->trigger(); break;
                default:
                    if (!d.playAny(random)) control<QToolButton>(*form, "restart")->click();
            }
            QTest::qWait(static_cast<int>(random() % 30));
        }
        QTest::qWait(200);
        watch.stop();
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(shown > 0);  // the storm did let some results through
    }

    // Against the computer at the Hard level with Expert Hard on, each reply is the square the
    // engine chooses for the position it answers.
    void expertHardRepliesWithTheEnginesChoice() {
        Options stored;
        stored.expertHard = true;
        stored.response = 500;  // the search's time, with the cap after it, even in the sanitizer build
        const SettingsStore store{[&](Options& into) { into = stored; }, {}};
        auto form = startedForm(store);
        QVERIFY(form);
        Driver d(*form);
        QVERIFY(d.action("ExpertHardLevel")->isChecked());
        control<QToolButton>(*form, "Players")->click();
        control<QToolButton>(*form, "EasyButton")->click();
        QCOMPARE(d.game().state().PlayerCount, 1);
        QCOMPARE(d.game().state().EasyLevel, 0);
        analysis::Analyser analyser(std::size_t{8} << 20);
        // The evaluation the window's engine reads, from the system folder beside the program.
        analyser.useEvaluationFile(
            (QCoreApplication::applicationDirPath() + "/system/evaluation.bin").toStdString());
        QVERIFY(analyser.weights());
        std::mt19937 random(3);
        for (int move = 0; move < 5 && !d.game().state().over(); ++move) {
            QVERIFY(d.playAny(random));
            if (d.game().state().over()) break;
            const analysis::Position before = onBoard(d.game());
            const int squares = d.game().state().MovesMade;
            QTRY_VERIFY_WITH_TIMEOUT(d.game().state().MovesMade == squares + 1, 5000);
            const auto expected = analysis::chooseExpertSquare(analyser, before);
            const auto played = d.game().lastMove();
            QVERIFY(played);
            QCOMPARE(*played, squareOf(expected.square));
        }
    }

    // Both options start off, and what the player ticks is saved and comes back.
    void theOptionsStartOffAndAreKept() {
        Options stored;
        Options saved;
        const SettingsStore store{[&](Options& into) { into = stored; },
                                  [&](const Options& options) { saved = options; }};
        for (bool before : {false, true}) {  // the defaults, then what was saved
            auto form = startedForm(store);
            QVERIFY(form);
            Driver d(*form);
            for (const char* option : {"ShowEvaluations", "ExpertHardLevel"}) {
                QCOMPARE(d.action(option)->isChecked(), before);
                d.action(option)->trigger();
            }
            form->close();
            QCOMPARE(saved.evaluations, !before);
            QCOMPARE(saved.expertHard, !before);
            stored = saved;
        }
    }
};

QTEST_MAIN(AnalysisRoomTest)
#include "tst_analysisroom.moc"
