// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis in a window short of memory: with no memory for the engine's table, the review
// and the hint say so, once each, and nothing crashes. A test program of its own, so that no
// thread ran before: threads that ran leave malloc arenas with room a table could take.
#include <malloc.h>
#include <sys/resource.h>

#include <QtTest>
#include <cstdlib>
#include <fstream>

#include "analysis/game_position.h"
#include "engine/game.h"
#include "engine/unseenview.h"
#include "tests/settings/child_process.h"
#include "window/analysis/analysisclient.h"
#include "window/analysisroom.h"
#include "window/boardimage.h"
#include "window/gamereview.h"

using namespace marvane;

namespace {

void playMoves(Game& game, int moves) {
    game.setPlayerCount(2);
    game.setColours(1, 2);
    game.newGame();
    for (int turn = 0; turn < moves; ++turn) {
        const Square square = game.legalSquares().front();
        game.pressSquare(square.row, square.column);
    }
}

constexpr int kChildWait = 30'000;  // ms

}  // namespace

class TestAnalysisMemory : public QObject {
    Q_OBJECT

private slots:
    // Fault caught: with no memory for the engine's table the review crashed (an empty result
    // read), and the review and the hint stayed blank without a word. Each says it once.
    void shortOfMemoryTheReviewAndTheHintSaySoOnce() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer's allocator does not run short under an address-space limit");
#endif
        const test::ChildRun run = test::runInChild(
            [] {
                // One malloc arena: a thread's own arena reserves 64 MiB that a table could take
                // without growing the address space.
                mallopt(M_ARENA_MAX, 1);
                UnseenView view;
                Game game(view);
                playMoves(game, 40);
                BoardImage board;
                QStringList told;
                AnalysisRoom room(
                    nullptr, game, board, [](std::optional<Square>) {},
                    [&](const QString& text) { told << text; });
                GameReview review([&]() -> AnalysisWorker& { return room.worker(); }, game, {});
                // The thread started by a request refused before any table is taken.
                AnalysisClient starter(room.worker(), AnalysisPriority::Board);
                analysis::Limits refused;
                refused.depth = 0;
                starter.analyse(analysis::startPosition(), analysis::Rules::Marvane, refused);
                if (!QTest::qWaitFor([&] { return !starter.busy(); }, kChildWait))
                    return QByteArray();
                std::size_t pages = 0;
                std::ifstream("/proc/self/statm") >> pages;
                const rlim_t bytes = pages * 4096 + (std::size_t{16} << 20);
                const rlimit limit = {bytes, bytes};
                if (setrlimit(RLIMIT_AS, &limit) != 0) return QByteArray("no limit");
                // All of it taken but 1 MiB, for the window's small needs.
                std::vector<void*> taken;
                for (const std::size_t block : {std::size_t{1} << 20, std::size_t{64} << 10})
                    while (void* memory = std::malloc(block)) taken.push_back(memory);
                for (int i = 0; i < 16 && !taken.empty(); ++i) {
                    std::free(taken.back());
                    taken.pop_back();
                }
                review.start();
                if (!QTest::qWaitFor([&] { return !review.running(); }, kChildWait))
                    return QByteArray();
                room.hint();
                if (!QTest::qWaitFor([&] { return !told.isEmpty(); }, kChildWait))
                    return QByteArray();
                for (int again = 0; again < 3; ++again) {  // as each step of the game asks
                    room.refresh();
                    QTest::qWait(50);
                }
                return (review.summary() + "\n" + told.join("\n")).toUtf8();
            },
            kChildWait);
        QVERIFY(!run.timedOut);
        QVERIFY2(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0,
                 qPrintable(QString::number(run.status)));
        const QString said = AnalysisRoom::noMemoryText();
        QCOMPARE(QString::fromUtf8(run.output), said + "\n" + said);
    }
};

QTEST_MAIN(TestAnalysisMemory)
#include "tst_analysismemory.moc"
