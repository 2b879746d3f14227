// The analysis worker: results reach the GUI thread for the request they answer, never for an
// older one, and the worker ends at once whatever it is doing.
#include <QCoreApplication>
#include <QThread>
#include <QtTest>
#include <map>
#include <random>
#include <thread>

#include "analysis/review.h"
#include "window/analysis/analysisworker.h"

using namespace marvane;
using namespace marvane::analysis;

namespace {

// Positions of our game after 10 to 29 random moves, the same on every run.
std::vector<Position> randomPositions(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Position> out;
    while (static_cast<int>(out.size()) < n) {
        Position p = startPosition();
        const int moves = 10 + static_cast<int>(random() % 20);
        for (int i = 0; i < moves && legalMoves(p.mover(), p.waiter()); ++i) {
            Bits legal = legalMoves(p.mover(), p.waiter());
            for (int skip = static_cast<int>(random() % count(legal)); skip; --skip)
                legal &= legal - 1;
            p = play(p, std::countr_zero(legal));
        }
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
    void resultsArriveOnTheGuiThreadForTheRequestMade() {
        AnalysisWorker worker;
        QVERIFY(!worker.threadStarted());  // nothing runs before the first request
        const Position position = randomPositions(1, 1).front();
        std::vector<Analysis> seen;
        bool elsewhere = false, otherId = false;
        quint64 id = 0;
        auto record = [&](quint64 got, const Analysis& a) {
            elsewhere |= QThread::currentThread() != qApp->thread();
            otherId |= got != id;
            seen.push_back(a);
        };
        connect(&worker, &AnalysisWorker::progress, this, record);
        connect(&worker, &AnalysisWorker::finished, this, record);
        id = worker.analyse(position, Rules::Marvane, quick());
        QTRY_VERIFY_WITH_TIMEOUT(seen.size() == 4, kWait);  // depths 1, 2, 3, then the result
        QVERIFY(!elsewhere);
        QVERIFY(!otherId);
        const Analysis direct = Analyser().analyse(position, Rules::Marvane, quick());
        QCOMPARE(seen.back().score, direct.score);
        QCOMPARE(seen.back().line, direct.line);
        QCOMPARE(seen.back().depth, 3);
        for (int depth = 1; depth <= 3; ++depth) QCOMPARE(seen[depth - 1].depth, depth);
    }

    // Hundreds of requests, some that finish at once and some that never do, with the GUI
    // thread sometimes handling events and sometimes not: a result reaches it only for the
    // latest request, and its squares are that request's position's.
    void aStormOfRequestsNeverDeliversAStaleResult() {
        AnalysisWorker worker;
        const std::vector<Position> positions = randomPositions(300, 2);
        std::map<quint64, Position> asked;
        int delivered = 0, stale = 0, wrongPosition = 0;
        quint64 lastFinished = 0;
        auto check = [&](quint64 id, const Analysis& a) {
            ++delivered;
            stale += id != worker.current();
            const Position& p = asked.at(id);
            wrongPosition += squaresOf(a) != legalMoves(p.mover(), p.waiter());
        };
        connect(&worker, &AnalysisWorker::progress, this, check);
        connect(&worker, &AnalysisWorker::finished, this, [&](quint64 id, const Analysis& a) {
            check(id, a);
            lastFinished = id;
        });
        std::mt19937 random(3);
        quint64 id = 0;
        for (const Position& p : positions) {
            const bool last = &p == &positions.back();
            id = worker.analyse(p, Rules::Marvane, last || random() % 2 ? quick() : endless());
            asked[id] = p;
            switch (random() % 4) {
                case 0: break;
                case 1: QCoreApplication::processEvents(); break;
                case 2:  // a result may be posted now and go stale before it is handled
                    std::this_thread::sleep_for(std::chrono::milliseconds(random() % 3));
                    break;
                default:
                    std::this_thread::sleep_for(std::chrono::milliseconds(random() % 3));
                    QCoreApplication::processEvents();
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(lastFinished, id, kWait);
        QCOMPARE(stale, 0);
        QCOMPARE(wrongPosition, 0);
        qInfo("%d results delivered for 300 requests", delivered);
    }

    void destroyingTheWorkerMidSearchEndsItAndDeliversNothing() {
        const Position position = randomPositions(1, 4).front();
        int delivered = 0;
        for (int wait : {0, 1, 2}) {  // nothing yet, searching, results queued unread
            auto* worker = new AnalysisWorker;
            connect(worker, &AnalysisWorker::progress, this, [&] { ++delivered; });
            worker->analyse(position, Rules::Marvane, endless());
            if (wait == 1) QTRY_VERIFY_WITH_TIMEOUT(delivered > 0, kWait);
            if (wait == 2) std::this_thread::sleep_for(std::chrono::milliseconds(50));
            delivered = 0;
            delete worker;  // returns: the search heard the cancel
            QCoreApplication::processEvents();
            QCOMPARE(delivered, 0);
        }
    }

    void releasingTheTableCancelsAndLeavesTheWorkerUsable() {
        AnalysisWorker worker;
        const Position position = randomPositions(1, 5).front();
        QSignalSpy finished(&worker, &AnalysisWorker::finished);
        QSignalSpy progress(&worker, &AnalysisWorker::progress);
        QSignalSpy released(&worker, &AnalysisWorker::tableReleased);
        worker.analyse(position, Rules::Marvane, endless());
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), kWait);
        worker.releaseTable();
        QTRY_COMPARE_WITH_TIMEOUT(released.count(), 1, kWait);
        QVERIFY(finished.isEmpty());
        const quint64 id = worker.analyse(position, Rules::Marvane, quick());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWait);
        QCOMPARE(finished.front().front().value<quint64>(), id);
    }

    // A review runs on the same thread, reports every move from the last one back, and is
    // dropped by the next request.
    void aReviewReportsEachMoveAndANewRequestDropsIt() {
        AnalysisWorker worker;
        Position start = randomPositions(1, 6).front();
        std::vector<int> squares;
        for (Position p = start; legalMoves(p.mover(), p.waiter());) {
            squares.push_back(std::countr_zero(legalMoves(p.mover(), p.waiter())));
            p = play(p, squares.back());
        }
        ReviewLimits limits;
        limits.depth = 2;
        limits.exactEmpties = 10;
        std::vector<int> indices;
        QSignalSpy finished(&worker, &AnalysisWorker::reviewFinished);
        connect(&worker, &AnalysisWorker::reviewProgress, this,
                [&](quint64, const MoveReview&, int index) { indices.push_back(index); });
        worker.review(start, squares, limits);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kWait);
        const Review direct = reviewGame(*std::make_unique<Analyser>(), start, squares, limits);
        const auto review = finished.front().at(1).value<Review>();
        QCOMPARE(review.moves.size(), squares.size());
        for (std::size_t i = 0; i < squares.size(); ++i) {
            QCOMPARE(review.moves[i].loss, direct.moves[i].loss);
            QCOMPARE(indices[i], static_cast<int>(squares.size() - 1 - i));
        }

        // A whole game reviewed at a depth that takes seconds, overtaken by a quick analysis.
        limits.depth = 12;
        worker.review(startPosition(), {squareFromName("e3")}, limits);
        indices.clear();
        QSignalSpy analysed(&worker, &AnalysisWorker::finished);
        worker.analyse(start, Rules::Marvane, quick());
        QTRY_COMPARE_WITH_TIMEOUT(analysed.count(), 1, kWait);
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 1);
        QVERIFY(indices.empty());
    }
};

QTEST_GUILESS_MAIN(TestAnalysisWorker)
#include "tst_analysisworker.moc"
