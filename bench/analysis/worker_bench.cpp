// worker_bench: how long destroying the analysis worker keeps the GUI thread, which is how long
// closing the window waits for a search to hear its cancel.
//   worker_bench [RUNS]
// Three cases, RUNS each (default 20): destroyed mid-search (after the first depth has arrived and
// a further 20-120 ms); at once after the first request; and 0-40 ms after it, while the thread
// may be taking (and clearing) its table. Prints the median and maximum, in milliseconds, of each.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "window/analysis/analysisworker.h"

using namespace marvane;
using namespace marvane::analysis;

namespace {

Position middlePosition(std::mt19937& random) {
    for (;;) {
        Position p = startPosition();
        int moves = 0;
        for (; moves < 20; ++moves) {
            Bits legal = legalMoves(p.mover(), p.waiter());
            if (!legal) break;
            for (int skip = static_cast<int>(random() % count(legal)); skip; --skip)
                legal &= legal - 1;
            p = play(p, std::countr_zero(legal));
        }
        if (moves == 20 && legalMoves(p.mover(), p.waiter())) return p;
    }
}

void report(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.3f ms, max %.3f ms (%zu runs)\n", name, ms[ms.size() / 2], ms.back(),
                ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    Limits endless;
    endless.exactEmpties = 0;
    std::mt19937 random(23);
    std::vector<double> times[3];
    for (int i = 0; i < 3 * runs; ++i) {
        auto* worker = new AnalysisWorker;
        bool searching = false;
        QObject::connect(worker, &AnalysisWorker::progress, [&] { searching = true; });
        worker->analyse(middlePosition(random), Rules::Marvane, endless);
        const int kind = i % 3;
        if (kind == 0) {
            while (!searching) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 100));
        } else if (kind == 2) {
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 41));
        }
        QElapsedTimer timer;
        timer.start();
        delete worker;
        times[kind].push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    report("destroyed mid-search", times[0]);
    report("destroyed right after the first request", times[1]);
    report("destroyed 0-40 ms after the first request", times[2]);
    return 0;
}
