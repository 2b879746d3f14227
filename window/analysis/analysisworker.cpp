#include "window/analysis/analysisworker.h"

#include <utility>

namespace marvane {

AnalysisWorker::AnalysisWorker(QObject* parent) : QObject(parent) {}

AnalysisWorker::~AnalysisWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.reset();
        cancel_ = true;
    }
    wake_.notify_one();
    // Prompt: the search looks at the cancel flag every 1024 nodes. Results the thread posted
    // before it ended die with this object, unread.
    if (thread_.joinable()) thread_.join();
}

void AnalysisWorker::startThread() {
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
}

std::uint64_t AnalysisWorker::post(Job job) {
    const std::uint64_t id = ++lastId_;
    current_ = id;
    {
        std::lock_guard lock(mutex_);
        pending_ = Pending{id, std::move(job)};
        cancel_ = true;  // the running request, if any, is stale
    }
    startThread();
    wake_.notify_one();
    return id;
}

void AnalysisWorker::cancel() {
    current_ = 0;
    std::lock_guard lock(mutex_);
    pending_.reset();
    cancel_ = true;
}

void AnalysisWorker::releaseTable() {
    cancel();
    if (!thread_.joinable()) {  // never started: there is no table
        emit tableReleased();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        releaseWanted_ = true;
    }
    wake_.notify_one();
}

void AnalysisWorker::send(std::uint64_t id, Result result) {
    outbox_.push_back({id, std::move(result)});
    // One call to deliverResults() takes everything sent until it runs.
    if (outbox_.size() == 1)
        QMetaObject::invokeMethod(this, "deliverResults", Qt::QueuedConnection);
}

void AnalysisWorker::deliverResults() {
    std::vector<Sent> results;
    {
        std::lock_guard lock(mutex_);
        results.swap(outbox_);
    }
    for (Sent& sent : results)
        if (sent.id == kAlways || sent.id == current_) sent.result(sent.id);
}

void AnalysisWorker::run() {
    analysis::Analyser analyser;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_ || releaseWanted_; });
        if (stopping_) return;
        if (releaseWanted_) {
            releaseWanted_ = false;
            lock.unlock();
            analyser.releaseTable();
            lock.lock();
            send(kAlways, [this](std::uint64_t) { emit tableReleased(); });
            continue;
        }
        Pending request = std::move(*pending_);
        pending_.reset();
        // Under the lock: a request made after this point sets the flag again.
        cancel_ = false;
        lock.unlock();
        const std::uint64_t id = request.id;
        const Deliver deliver = [this, id](Result result) {
            if (cancel_.load(std::memory_order_relaxed)) return;  // stale already
            std::lock_guard outboxLock(mutex_);
            send(id, std::move(result));
        };
        request.job(analyser, cancel_, deliver);
        request = {};  // its captures are freed here, on this thread, not under the lock
        lock.lock();
    }
}

std::uint64_t AnalysisWorker::analyse(const analysis::Position& position, analysis::Rules rules,
                                      const analysis::Limits& limits) {
    return post([this, position, rules, limits](analysis::Analyser& analyser,
                                                const std::atomic<bool>& cancel,
                                                const Deliver& deliver) {
        const analysis::Analysis result = analyser.analyse(
            position, rules, limits, &cancel, [&](const analysis::Analysis& partial) {
                deliver([this, partial](std::uint64_t id) { emit progress(id, partial); });
            });
        if (result.stopped == analysis::StopReason::Cancelled) return;
        deliver([this, result](std::uint64_t id) { emit finished(id, result); });
    });
}

std::uint64_t AnalysisWorker::review(const analysis::Position& start, std::vector<int> squares,
                                     const analysis::ReviewLimits& limits) {
    return post([this, start, squares = std::move(squares), limits](analysis::Analyser& analyser,
                                                                    const std::atomic<bool>& cancel,
                                                                    const Deliver& deliver) {
        const analysis::Review result = analysis::reviewGame(
            analyser, start, squares, limits, &cancel,
            [&](const analysis::MoveReview& move, std::size_t index, std::size_t done) {
                deliver([this, move, index, done](std::uint64_t id) {
                    emit reviewProgress(id, move, static_cast<int>(index), static_cast<int>(done));
                });
            });
        if (result.stopped == analysis::StopReason::Cancelled) return;
        deliver([this, result](std::uint64_t id) { emit reviewFinished(id, result); });
    });
}

}  // namespace marvane
