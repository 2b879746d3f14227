// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis worker and its clients: results reach the GUI thread for the request they answer,
// never for an older one, the most urgent client goes first, and the worker ends at once
// whatever it is doing.
#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <QtTest>
#include <map>
#include <random>
#include <thread>

#include "analysis/review.h"
#include "tests/analysis/minimax.h"
#include "window/analysis/analysisclient.h"
#include "window/analysis/analysisworker.h"

using namespace marvane;
using namespace marvane::analysis;

namespace {

// Positions of our game with 30 to 49 empty squares and a side to move, the same on every run.
std::vector<Position> randomPositions(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Position> out;
    while (static_cast<int>(out.size()) < n) {
        const int empties = 30 + static_cast<int>(random() % 20);
        const Position p = test::randomPosition(random, Rules::Marvane, empties);
        if (legalMoves(p.mover(), p.waiter())) out.push_back(p);
    }
    return out;
}

Limits quick() {
    Limits l;
    l.depth = 3;
    l.exactEmpties = 0;
    return l;
}
Limits endless() {  // searches until it is cancelled
    Limits l;
    l.exactEmpties = 0;
    return l;
}

Bits squaresOf(const Analysis& a) {
    Bits b = 0;
    for (const SquareScore& s : a.squares) b |= bit(s.square);
    return b;
}

constexpr int kWait = 120'000;  // ms; only a hung worker comes near it

}  // namespace

class TestAnalysisWorker : public QObject {
    Q_OBJECT

private slots:
    // Hundreds of requests, some that finish at once and some that never do, with the GUI
    // thread sometimes handling events and sometimes not: a result reaches the GUI thread only
    // for the latest request, and its squares are that request's position's. The last request
    // is answered as the engine answers it directly.
    void aStormOfRequestsNeverDeliversAStaleResult() {
        AnalysisWorker worker;
        AnalysisClient client(worker, AnalysisPriority::Board);
        QVERIFY(!worker.threadStarted());  // nothing runs before the first request
        const std::vector<Position> positions = randomPositions(300, 2);
        const Position* asked = nullptr;
        int delivered = 0, wrongPosition = 0, elsewhere = 0, finished = 0;
        Analysis lastResult;
        auto check = [&](const Analysis& a) {
            ++delivered;
            elsewhere += QThread::currentThread() != qApp->thread();
            wrongPosition += squaresOf(a) != legalMoves(asked->mover(), asked->waiter());
        };
        connect(&client, &AnalysisClient::progress, this, check);
        connect(&client, &AnalysisClient::finished, this, [&](const Analysis& a) {
            check(a);
            ++finished;
            lastResult = a;
        });
        std::mt19937 random(3);
        for (const Position& p : positions) {
            const bool last = &p == &positions.back();
            asked = &p;
            finished = 0;
            client.analyse(p, Rules::Marvane, last || random() % 2 ? quick() : endless());
            // A result may be posted while the GUI thread sleeps, and go stale before it is
            // handled.
            if (random() % 2) std::this_thread::sleep_for(std::chrono::milliseconds(random() % 3));
            if (random() % 2) QCoreApplication::processEvents();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!client.busy(), kWait);
        QCOMPARE(finished, 1);
        QCOMPARE(wrongPosition, 0);
        QCOMPARE(elsewhere, 0);
        const Analysis direct = Analyser().analyse(positions.back(), Rules::Marvane, quick());
        QCOMPARE(lastResult.line, direct.line);
        QCOMPARE(lastResult.score, direct.score);
        qInfo("%d results delivered for 300 requests", delivered);
    }

    void destroyingTheWorkerMidSearchEndsItAndDeliversNothing() {
        const Position position = randomPositions(1, 4).front();
        int delivered = 0;
        for (int wait : {0, 1, 2}) {  // nothing yet, searching, results queued unread
            auto* worker = new AnalysisWorker;
            AnalysisClient client(*worker, AnalysisPriority::Board);
            connect(&client, &AnalysisClient::progress, this, [&] { ++delivered; });
            client.analyse(position, Rules::Marvane, endless());
            if (wait == 1) QTRY_VERIFY_WITH_TIMEOUT(delivered > 0, kWait);
            if (wait == 2) std::this_thread::sleep_for(std::chrono::milliseconds(50));
            delivered = 0;
            delete worker;  // returns: the search heard the cancel
            QCoreApplication::processEvents();
            QCOMPARE(delivered, 0);
        }
    }

    // Catches a table given back under a running review (which would then take it again at once,
    // or lose its work), and a worker that stays unusable after a release.
    void theTableIsReleasedOnceNoClientHasWork() {
        AnalysisWorker worker;
        AnalysisClient board(worker, AnalysisPriority::Board);
        AnalysisClient reviewer(worker, AnalysisPriority::Review);
        const Position position = randomPositions(1, 5).front();
        QSignalSpy finished(&board, &AnalysisClient::finished);
        QSignalSpy reviewed(&reviewer, &AnalysisClient::reviewFinished);
        QSignalSpy released(&worker, &AnalysisWorker::tableReleased);
        ReviewLimits limits;
        limits.depth = 6;
        limits.exactEmpties = 0;
        reviewer.review(startPosition(), {squareFromName("e3"), squareFromName("f3")}, limits);
        worker.releaseTable();
        QTRY_COMPARE_WITH_TIMEOUT(released.count(), 1, kWait);
        QCOMPARE(reviewed.count(), 1);  // the release waited for it
        QVERIFY(reviewed.front().front().value<Review>().ok());
        board.analyse(position, Rules::Marvane, quick());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWait);
    }

    // Catches a weights file that cannot be used going unreported (the analysis would quietly
    // judge with the simpler formula), or reported at every analysis.
    void anUnusableEvaluationFileIsReportedOnceAndTheAnalysisGoesOn() {
        AnalysisWorker worker;
        worker.setEvaluationFile(QDir::temp().filePath("no-such-evaluation.bin"));
        AnalysisClient board(worker, AnalysisPriority::Board);
        QSignalSpy finished(&board, &AnalysisClient::finished);
        QSignalSpy unavailable(&worker, &AnalysisWorker::evaluationUnavailable);
        for (const Position& p : randomPositions(3, 9)) board.analyse(p, Rules::Marvane, quick());
        board.analyse(randomPositions(1, 10).front(), Rules::Marvane, quick());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWait);
        QTRY_COMPARE_WITH_TIMEOUT(unavailable.count(), 1, kWait);
        QVERIFY(unavailable.front().front().toString().contains("no-such-evaluation.bin"));
        board.analyse(randomPositions(1, 11).front(), Rules::Marvane, quick());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kWait);
        QCoreApplication::processEvents();
        QCOMPARE(unavailable.count(), 1);
    }

    // Catches Expert Hard's request cancelling a running review, a review that starts over (or
    // loses moves) after the reply, and the scores on the board going before either.
    void aReplyPausesTheReviewWhichGoesOnWhereItWas() {
        AnalysisWorker worker;
        AnalysisClient board(worker, AnalysisPriority::Board);
        AnalysisClient reviewer(worker, AnalysisPriority::Review);
        AnalysisClient replies(worker, AnalysisPriority::Reply);
        ReviewLimits limits;
        limits.exactEmpties = 0;
        limits.depth = 8;  // some seconds for the whole game
        std::vector<int> squares;
        Position p = startPosition();
        std::mt19937 random(9);
        for (int i = 0; i < 20; ++i) {
            std::vector<int> legal;
            for (Bits m = legalMoves(p.mover(), p.waiter()); m; m &= m - 1)
                legal.push_back(std::countr_zero(m));
            squares.push_back(legal[random() % legal.size()]);
            p = play(p, squares.back());
        }
        QStringList order;
        connect(&reviewer, &AnalysisClient::superseded, this, [&] { order << "superseded"; });
        connect(&reviewer, &AnalysisClient::resumed, this, [&] { order << "resumed"; });
        connect(&replies, &AnalysisClient::finished, this, [&] { order << "reply"; });
        connect(&board, &AnalysisClient::finished, this, [&] { order << "board"; });
        Review review;
        int moves = 0, reviewedAgain = 0;
        std::vector<bool> seen(squares.size());
        connect(&reviewer, &AnalysisClient::reviewProgress, this,
                [&](const MoveReview&, int index, int) {
                    ++moves;
                    reviewedAgain += seen[std::size_t(index)];
                    seen[std::size_t(index)] = true;
                });
        connect(&reviewer, &AnalysisClient::reviewFinished, this, [&](const Review& r) {
            order << "review";
            review = r;
        });
        reviewer.review(startPosition(), squares, limits);
        QVERIFY(QTest::qWaitFor([&] { return moves >= 1; }, kWait));
        board.analyse(p, Rules::Marvane, quick());  // waits behind the review
        replies.analyse(p, Rules::Marvane, quick());
        QVERIFY(reviewer.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!reviewer.busy() && !board.busy(), kWait);
        QCOMPARE(order, (QStringList{"superseded", "reply", "resumed", "review", "board"}));
        QCOMPARE(reviewedAgain, 0);
        Analyser analyser;
        const Review direct = reviewGame(analyser, startPosition(), squares, limits);
        QVERIFY(review.moves == direct.moves);
        QCOMPARE(review.startScore, direct.startScore);
    }
};

QTEST_GUILESS_MAIN(TestAnalysisWorker)
#include "tst_analysisworker.moc"
