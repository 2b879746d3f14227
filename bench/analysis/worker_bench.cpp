// SPDX-License-Identifier: GPL-3.0-or-later
// worker_bench: how long destroying the analysis worker keeps the GUI thread, which is how long
// closing the window waits for a search to hear its cancel.
//   worker_bench [RUNS]
// Three cases, RUNS each (default 20): destroyed mid-search (after the first depth has arrived and
// a further 20-120 ms); at once after the first request; and 0-40 ms after it, while the thread
// may be taking its table. Prints the median and maximum, in milliseconds, of each. Then, on
// Linux, how often the worker thread woke in two seconds at rest after an analysis.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#ifdef __linux__
#include <unistd.h>
#endif
#include <vector>

#include "window/analysis/analysisclient.h"
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

// Context switches of every thread of this process but the calling one, from /proc; -1 where
// there is no /proc.
long otherThreadsSwitches() {
#ifdef __linux__
    const QString self = QString::number(gettid());
    const QStringList tasks = QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (tasks.isEmpty()) return -1;
    long total = 0;
    for (const QString& task : tasks) {
        if (task == self) continue;
        QFile status("/proc/self/task/" + task + "/status");
        if (!status.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.contains("ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLong();
    }
    return total;
#else
    return -1;
#endif
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
        AnalysisClient client(*worker, AnalysisPriority::Board);
        bool searching = false;
        QObject::connect(&client, &AnalysisClient::progress, [&] { searching = true; });
        client.analyse(middlePosition(random), Rules::Marvane, endless);
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

    AnalysisWorker worker;
    AnalysisClient client(worker, AnalysisPriority::Board);
    bool done = false;
    QObject::connect(&client, &AnalysisClient::finished, [&] { done = true; });
    Limits quick;
    quick.depth = 4;
    client.analyse(middlePosition(random), Rules::Marvane, quick);
    while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const long before = otherThreadsSwitches();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long after = otherThreadsSwitches();
    if (before >= 0) std::printf("worker at rest: %ld wake-ups in 2 s\n", after - before);
    return 0;
}
