// SPDX-License-Identifier: GPL-3.0-or-later
// The review of the game on the board: its figures are the analysis engine's for that game, move
// by move, and a review of a game that is no longer on the board never shows.
#include <QAccessible>
#include <QtTest>

#include "analysis/game_position.h"
#include "analysis/review.h"
#include "engine/game.h"
#include "engine/unseenview.h"
#include "window/analysis/analysisclient.h"
#include "window/analysis/analysisworker.h"
#include "window/analysisroom.h"
#include "window/boardimage.h"
#include "window/gamereview.h"
#include "window/reviewgraph.h"

using namespace marvane;

namespace {

analysis::ReviewLimits quickLimits() {
    analysis::ReviewLimits limits;
    limits.exactEmpties = 10;
    limits.depth = 3;
    return limits;
}

// A two-player game of `moves` moves, picked as playWholeGame picks them.
void playMoves(Game& game, int moves) {
    game.setPlayerCount(2);
    game.setColours(1, 2);
    game.newGame();
    for (int turn = 0; turn < moves; ++turn) {
        const std::vector<Square> squares = game.legalSquares();
        const Square square = turn % 3 == 0 ? squares.back() : squares.front();
        game.pressSquare(square.row, square.column);
    }
}

// A whole two-player game, each side playing its first legal square but now and then its last.
// A side left without one finds out when it presses a square.
void playWholeGame(Game& game) {
    game.setPlayerCount(2);
    game.setColours(1, 2);
    game.newGame();
    for (int turn = 0; !game.state().over(); ++turn) {
        const std::vector<Square> squares = game.legalSquares();
        if (squares.empty()) {
            game.pressSquare(1, 1);
            continue;
        }
        const Square square = turn % 3 == 0 ? squares.back() : squares.front();
        game.pressSquare(square.row, square.column);
    }
}

constexpr int kWait = 120'000;  // ms; only a hung review comes near it

}  // namespace

class TestGameReview : public QObject {
    Q_OBJECT

private slots:
    // Catches a move's figures landing on another move's row, squares converted wrongly on the
    // way to the engine, and a review that depends on what the worker did before it.
    void figuresAreTheEnginesForEachMoveOnEveryRun() {
        UnseenView view;
        Game game(view);
        playWholeGame(game);
        AnalysisWorker worker;
        GameReview review([&]() -> AnalysisWorker& { return worker; }, game, quickLimits());

        analysis::Analyser analyser;
        std::vector<int> squares;
        for (const Square& square : game.history().moves())
            squares.push_back(analysis::squareIndex(square));
        const auto start =
            analysis::fromGame(game.history().position(0), game.state().C1, game.state().C2);
        QVERIFY(start.ok());
        const analysis::Review direct =
            analysis::reviewGame(analyser, start.position, squares, quickLimits());
        QVERIFY(direct.ok());

        for (int run = 0; run < 2; ++run) {
            review.start();
            QVERIFY(review.running());
            QVERIFY(QTest::qWaitFor([&] { return !review.running(); }, kWait));
            QCOMPARE(int(review.state()), int(GameReview::State::Done));
            QCOMPARE(review.reviewedCount(), review.moveCount());
            QVERIFY(review.moves() == direct.moves);
            QCOMPARE(review.startScore(), direct.startScore);
        }
        // Each side's worst move is among those picked out.
        for (const analysis::Side side : {analysis::Side::First, analysis::Side::Second}) {
            int worst = -1;
            for (int i = 0; i < review.moveCount(); ++i) {
                const auto& move = review.moves()[std::size_t(i)];
                if (move.mover == side && move.loss > 0 &&
                    (worst < 0 || move.loss > review.moves()[std::size_t(worst)].loss))
                    worst = i;
            }
            if (worst >= 0) QVERIFY(review.worstMistakes(1).size() >= 1);
            if (worst >= 0) QVERIFY(std::ranges::count(review.worstMistakes(1), worst) == 1);
        }
    }

    // Catches a review's late results being shown for a game that has changed under it, and a
    // review dropped when the player only steps through the game it reviews.
    void aMoveDropsTheReviewAndSteppingKeepsIt() {
        UnseenView view;
        Game game(view);
        playWholeGame(game);
        AnalysisWorker worker;
        GameReview review([&]() -> AnalysisWorker& { return worker; }, game, quickLimits());
        review.start();
        QVERIFY(QTest::qWaitFor([&] { return !review.running(); }, kWait));
        game.goToStep(10);
        review.gameChanged();
        QCOMPARE(int(review.state()), int(GameReview::State::Done));

        review.start();  // and, while it runs, a different move from step 10
        const Square played = game.history().moves()[10];
        for (const Square& square : game.legalSquares())
            if (!(square == played)) {
                game.pressSquare(square.row, square.column);
                break;
            }
        review.gameChanged();
        QCOMPARE(int(review.state()), int(GameReview::State::None));
        QCOMPARE(review.moveCount(), 0);
        QTest::qWait(200);  // whatever the worker still sends for the old game
        QCOMPARE(review.moveCount(), 0);
        QCOMPARE(review.reviewedCount(), 0);
    }

    // Fault caught: a move played at the end of the game, and the computer's reply, drop a
    // running review (the reply's analysis used to cancel it).
    void aReviewGoesOnThroughMovesAtTheEndAndAReply() {
        UnseenView view;
        Game game(view);
        playMoves(game, 30);
        AnalysisWorker worker;
        analysis::ReviewLimits slow;
        slow.exactEmpties = 0;
        slow.depth = 7;
        GameReview review([&]() -> AnalysisWorker& { return worker; }, game, slow);
        review.start();
        AnalysisClient replies(worker, AnalysisPriority::Reply);
        QSignalSpy replied(&replies, &AnalysisClient::finished);
        for (int more = 0; more < 2; ++more) {
            const Square square = game.legalSquares().front();
            game.pressSquare(square.row, square.column);
            review.gameChanged();
            QVERIFY(review.running());
            analysis::Limits quick;
            quick.depth = 2;
            replies.analyse(analysis::fromGame(game.position(), 1, 2).position,
                            analysis::Rules::Marvane, quick);
        }
        QVERIFY(QTest::qWaitFor([&] { return !review.running(); }, kWait));
        QCOMPARE(replied.count(), 1);
        QCOMPARE(int(review.state()), int(GameReview::State::Done));
        QCOMPARE(review.moveCount(), 30);
        QCOMPARE(review.reviewedCount(), 30);
    }

    // Catches the scores, asked for again at every step through the game, cancelling a review
    // that runs on the same worker, and the scores not coming back once the review is done.
    void theScoresWaitWhileAReviewRunsOnTheirWorker() {
        UnseenView view;
        Game game(view);
        playMoves(game, 48);
        BoardImage board;
        AnalysisRoom room(nullptr, game, board, [](std::optional<Square>) {});
        analysis::ReviewLimits limits = quickLimits();
        limits.depth = 5;
        GameReview review([&]() -> AnalysisWorker& { return room.worker(); }, game, limits);
        room.setEvaluations(true);
        review.start();
        for (int step = 48; review.running() && step > 30; step -= 2) {
            game.goToStep(std::size_t(step));  // as the move list steps, which repaints
            room.boardChanged();
            room.refresh();
            review.gameChanged();
            QTest::qWait(5);
        }
        QVERIFY(QTest::qWaitFor([&] { return !review.running(); }, kWait));
        QCOMPARE(int(review.state()), int(GameReview::State::Done));
        QVERIFY(QTest::qWaitFor([&] { return !board.analysisMarks().scores.empty(); }, kWait));
    }

    // Catches clicks at the graph's ends stepping one move short of the start or the end.
    void aClickOnTheGraphStepsToTheNearestPosition() {
        ReviewGraph graph;
        graph.resize(244, 80);
        graph.setPoints(std::vector<std::optional<ReviewGraph::Point>>(61), 0);
        QCOMPARE(graph.movesMadeAt(0), 0);
        QCOMPARE(graph.movesMadeAt(243), 60);
        QCOMPARE(graph.movesMadeAt(graph.pointX(30) + 1), 30);
        QSignalSpy steps(&graph, &ReviewGraph::stepRequested);
        QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(243, 40));
        QCOMPARE(steps.size(), 1);
        QCOMPARE(steps.at(0).at(0).toInt(), 60);
    }

    // Catches a graph that a screen reader cannot read: its points as a list, each saying which
    // side leads by how much after which move, the estimates as such.
    void aScreenReaderReadsTheGraphAsAListOfItsPoints() {
        ReviewGraph graph;
        graph.setSides("White", "Black", 1);
        graph.setPoints({ReviewGraph::Point{0, true}, ReviewGraph::Point{4, true},
                         ReviewGraph::Point{-2, false}, std::nullopt},
                        1);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&graph);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 4);
        QStringList read;
        for (int i = 0; i < list->childCount(); ++i) read << list->child(i)->text(QAccessible::Name);
        QCOMPARE(read, (QStringList{"start: even", "move 1: +4 for White",
                                    "move 2: about +2 for Black", "move 3: not reviewed yet"}));
        QVERIFY(list->child(1)->state().selected && !list->child(2)->state().selected);
    }
};

QTEST_MAIN(TestGameReview)
#include "tst_gamereview.moc"
