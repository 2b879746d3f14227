#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "analysis/analyser.h"
#include "analysis/review.h"

namespace marvane {

// The one thread that runs all analysis (hints, evaluations, Expert Hard's moves, reviews), and
// the window's handle on it. The thread starts with the first request, owns the analysis engine
// and its table, and between requests sleeps on a condition variable: nothing wakes it but a
// request, a release of the table or the end.
//
// Every request gets an id. A new request cancels the one before it, whose results are then
// stale: they are dropped on the GUI thread, so the signals only ever carry the id of the latest
// request. The GUI thread never waits for the worker: requests and results pass under a lock the
// worker holds only to take a request or queue a result, and the destructor cancels the search,
// which then returns within a few milliseconds, before joining the thread.
class AnalysisWorker : public QObject {
    Q_OBJECT

public:
    explicit AnalysisWorker(QObject* parent = nullptr);
    ~AnalysisWorker() override;

    // Analyses `position`: progress() after each depth, then finished(), unless another request
    // comes first. Returns the request's id.
    std::uint64_t analyse(const analysis::Position& position, analysis::Rules rules,
                          const analysis::Limits& limits);
    // Reviews the game from `start` through `squares` (our rules): reviewProgress() after each
    // move, then reviewFinished().
    std::uint64_t review(const analysis::Position& start, std::vector<int> squares,
                         const analysis::ReviewLimits& limits = {});
    // Cancels the running request and drops its results; for when the position shown has
    // nothing to analyse.
    void cancel();
    // Cancels, and gives the table's memory back (analysis was turned off): tableReleased()
    // follows. The next request takes it again.
    void releaseTable();

    // The request whose results may still arrive; 0 when none.
    std::uint64_t current() const { return current_; }
    bool threadStarted() const { return thread_.joinable(); }

signals:
    void progress(quint64 id, const marvane::analysis::Analysis& analysis);
    void finished(quint64 id, const marvane::analysis::Analysis& analysis);
    // `index` is the move's place in the game; `done` how many moves are reviewed so far (the
    // review works from the last move back).
    void reviewProgress(quint64 id, const marvane::analysis::MoveReview& move, int index, int done);
    void reviewFinished(quint64 id, const marvane::analysis::Review& review);
    void tableReleased();

private:
    // What the worker thread runs for one request; `deliver` hands a result to the GUI thread,
    // which runs it with the request's id unless a newer request has been made meanwhile.
    using Result = std::function<void(std::uint64_t id)>;
    using Deliver = std::function<void(Result)>;
    using Job = std::function<void(analysis::Analyser&, const std::atomic<bool>& cancel,
                                   const Deliver& deliver)>;

    std::uint64_t post(Job job);
    void startThread();
    void run();
    // On the worker thread, with mutex_ held: queues a result for the GUI thread. Results and the
    // requests' ids pass through mutex_, not through the event, so a thread checker sees them
    // handed over.
    void send(std::uint64_t id, Result result);
    // On the GUI thread: runs every result sent meanwhile whose request is still the current one.
    Q_INVOKABLE void deliverResults();
    static constexpr std::uint64_t kAlways = ~std::uint64_t{0};  // not a request's result

    std::uint64_t current_ = 0;  // GUI thread only
    std::uint64_t lastId_ = 0;   // GUI thread only

    std::mutex mutex_;
    std::condition_variable wake_;
    struct Pending {
        std::uint64_t id;
        Job job;
    };
    std::optional<Pending> pending_;  // guarded by mutex_
    struct Sent {
        std::uint64_t id;
        Result result;
    };
    std::vector<Sent> outbox_;    // guarded by mutex_
    bool releaseWanted_ = false;  // guarded by mutex_
    bool stopping_ = false;       // guarded by mutex_
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};

}  // namespace marvane

Q_DECLARE_METATYPE(marvane::analysis::Analysis)
Q_DECLARE_METATYPE(marvane::analysis::MoveReview)
Q_DECLARE_METATYPE(marvane::analysis::Review)
