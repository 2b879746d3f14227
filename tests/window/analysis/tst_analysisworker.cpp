// The analysis worker: results reach the GUI thread for the request they answer, never for an
// older one, and the worker ends at once whatever it is doing.
#include <QCoreApplication>
#include <QThread>
#include <QtTest>
#include <map>
#include <random>
#include <thread>

#include "analysis/review.h"
#include "tests/analysis/minimax.h"
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
        QVERIFY(!worker.threadStarted());  // nothing runs before the first request
        const std::vector<Position> positions = randomPositions(300, 2);
        std::map<quint64, Position> asked;
        int delivered = 0, stale = 0, wrongPosition = 0, elsewhere = 0;
        Analysis lastResult;
        quint64 lastFinished = 0;
        auto check = [&](quint64 id, const Analysis& a) {
            ++delivered;
            stale += id != worker.current();
            elsewhere += QThread::currentThread() != qApp->thread();
            const Position& p = asked.at(id);
            wrongPosition += squaresOf(a) != legalMoves(p.mover(), p.waiter());
        };
        connect(&worker, &AnalysisWorker::progress, this, check);
        connect(&worker, &AnalysisWorker::finished, this, [&](quint64 id, const Analysis& a) {
            check(id, a);
            lastFinished = id;
            lastResult = a;
        });
        std::mt19937 random(3);
        quint64 id = 0;
        for (const Position& p : positions) {
            const bool last = &p == &positions.back();
            id = worker.analyse(p, Rules::Marvane, last || random() % 2 ? quick() : endless());
            asked[id] = p;
            // A result may be posted while the GUI thread sleeps, and go stale before it is
            // handled.
            if (random() % 2) std::this_thread::sleep_for(std::chrono::milliseconds(random() % 3));
            if (random() % 2) QCoreApplication::processEvents();
        }
        QTRY_COMPARE_WITH_TIMEOUT(lastFinished, id, kWait);
        QCOMPARE(stale, 0);
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

    // A review runs on the same thread, and the next request drops it.
    void aNewRequestDropsTheReviewRunning() {
        AnalysisWorker worker;
        QSignalSpy reviewed(&worker, &AnalysisWorker::reviewFinished);
        QSignalSpy reviewing(&worker, &AnalysisWorker::reviewProgress);
        QSignalSpy analysed(&worker, &AnalysisWorker::finished);
        ReviewLimits limits;
        limits.depth = 2;
        worker.review(startPosition(), {squareFromName("e3")}, limits);
        QTRY_COMPARE_WITH_TIMEOUT(reviewed.count(), 1, kWait);
        QCOMPARE(reviewing.count(), 1);

        limits.depth = 14;  // takes seconds
        worker.review(startPosition(), {squareFromName("e3")}, limits);
        const Position position = randomPositions(1, 6).front();
        worker.analyse(position, Rules::Marvane, quick());
        QTRY_COMPARE_WITH_TIMEOUT(analysed.count(), 1, kWait);
        QCoreApplication::processEvents();
        QCOMPARE(reviewed.count(), 1);
        QCOMPARE(reviewing.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAnalysisWorker)
#include "tst_analysisworker.moc"
