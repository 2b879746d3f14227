// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "analysis/analyser.h"
#include "analysis/review.h"

namespace marvane {

class AnalysisClient;

// Who goes first on the analysis thread, the most urgent first: the computer's reply (the game
// waits for it), then a review, then the hint and the scores on the board.
enum class AnalysisPriority { Reply, Review, Board };

// The one thread that runs all analysis, and its owner. The thread starts with the first
// request, owns the analysis engine and its table, and between requests sleeps on a condition
// variable: nothing wakes it but a request, a release of the table or the end.
//
// Clients (AnalysisClient) each hold at most one request. The thread works on the most urgent
// one; a more urgent request stops the one running, whose client is told it is superseded, and
// that request goes on once nothing more urgent waits (a review from where it was), its client
// told it is resumed. A client's new request replaces its old one, whose results are then
// dropped on the GUI thread. The GUI thread never waits for the worker: requests and results
// pass under a lock the worker holds only to take a request or queue a result, and the
// destructor cancels the search, which then returns within a few milliseconds, before joining
// the thread.
class AnalysisWorker : public QObject {
    Q_OBJECT

public:
    explicit AnalysisWorker(QObject* parent = nullptr);
    ~AnalysisWorker() override;

    // Gives the table's memory back once no client has work left (at once when none has):
    // tableReleased() follows. The next request takes it again.
    void releaseTable();
    bool threadStarted() const { return thread_.joinable(); }
    // The learned evaluation's weights file; the engine reads it the first time it analyses.
    // Set before the first request; without it the engine judges with its hand-made formula.
    void setEvaluationFile(const QString& path) { evaluationFile_ = path; }

signals:
    void tableReleased();
    // Once, when the engine could not use the weights file: why, as the engine words it.
    void evaluationUnavailable(const QString& reason);

private:
    friend class AnalysisClient;
    // A result, run on the GUI thread with the client whose request it answers.
    using Result = std::function<void(AnalysisClient&)>;
    // Hands a result to the GUI thread; `last` when the request has nothing more to say.
    using Deliver = std::function<void(bool last, Result)>;
    // A request's work on the worker thread: false when `cancel` stopped it before its end (run
    // again, it goes on). Without an engine (no thread could be started) it only delivers its
    // failure.
    using Job = std::function<bool(analysis::Analyser* analyser, const std::atomic<bool>& cancel,
                                   const Deliver& deliver)>;

    // For clients, on the GUI thread.
    std::uint64_t attach(AnalysisClient& client);
    void detach(std::uint64_t client);
    // Queues the client's request `id` in place of any earlier one of that client.
    void submit(std::uint64_t client, AnalysisPriority priority, std::uint64_t id, Job job);
    void withdraw(std::uint64_t client);
    std::uint64_t nextId() { return ++lastId_; }

    struct Request {
        std::uint64_t client = 0;
        std::uint64_t id = 0;
        int priority = 0;
        std::uint64_t order = 0;  // of equals, the one asked for first goes first
        Job job;
        bool begun = false;  // stopped once for a more urgent one
    };
    // With mutex_ held: takes the client's queued request out, and stops it if it runs.
    std::vector<Request> takeOut(std::uint64_t client);
    void startThread();
    void run();
    // With mutex_ held: queues a result for the GUI thread. Results and the requests' ids pass
    // through mutex_, not through the event, so a thread checker sees them handed over.
    void send(std::uint64_t client, std::uint64_t id, bool last, Result result);
    // On the GUI thread: runs every result sent meanwhile whose request is still its client's.
    Q_INVOKABLE void deliverResults();

    std::map<std::uint64_t, AnalysisClient*> clients_;  // GUI thread only
    std::uint64_t lastClient_ = 0;                      // GUI thread only
    std::uint64_t lastId_ = 0;                          // GUI thread only
    std::uint64_t lastOrder_ = 0;                       // GUI thread only

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Request> queue_;  // guarded by mutex_
    struct Running {
        std::uint64_t client = 0;  // 0: nothing runs
        int priority = 0;
        bool withdrawn = false;  // replaced or cancelled: not to be run again
    } running_;                  // guarded by mutex_
    struct Sent {
        std::uint64_t client;  // 0: the table was released
        std::uint64_t id;
        bool last;
        Result result;
    };
    std::vector<Sent> outbox_;    // guarded by mutex_
    bool releaseWanted_ = false;  // guarded by mutex_
    bool stopping_ = false;       // guarded by mutex_
    std::atomic<bool> cancel_{false};
    QString evaluationFile_;  // set before the thread starts, read by it
    std::thread thread_;
};

}  // namespace marvane

Q_DECLARE_METATYPE(marvane::analysis::Analysis)
Q_DECLARE_METATYPE(marvane::analysis::MoveReview)
Q_DECLARE_METATYPE(marvane::analysis::Review)
