// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/analysis/analysisworker.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "window/analysis/analysisclient.h"

namespace marvane {

AnalysisWorker::AnalysisWorker(QObject* parent) : QObject(parent) {}

AnalysisWorker::~AnalysisWorker() {
    std::vector<Request> dropped;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        dropped.swap(queue_);
        cancel_ = true;
    }
    wake_.notify_one();
    // Prompt: the search looks at the cancel flag every 1024 nodes. Results the thread posted
    // before it ended die with this object, unread.
    if (thread_.joinable()) thread_.join();
    for (auto& [key, client] : clients_) client->worker_ = nullptr;
}

std::uint64_t AnalysisWorker::attach(AnalysisClient& client) {
    clients_[++lastClient_] = &client;
    return lastClient_;
}

void AnalysisWorker::detach(std::uint64_t client) {
    withdraw(client);
    clients_.erase(client);
}

std::vector<AnalysisWorker::Request> AnalysisWorker::takeOut(std::uint64_t client) {
    std::vector<Request> taken;
    const auto mine = [client](const Request& r) { return r.client == client; };
    for (Request& r : queue_)
        if (mine(r)) taken.push_back(std::move(r));
    std::erase_if(queue_, mine);
    if (running_.client == client) {
        running_.withdrawn = true;
        cancel_ = true;
    }
    return taken;
}

void AnalysisWorker::submit(std::uint64_t client, AnalysisPriority priority, std::uint64_t id,
                            Job job) {
    std::vector<Request> replaced;  // freed after the lock, on this thread
    {
        std::lock_guard lock(mutex_);
        replaced = takeOut(client);
        const int rank = static_cast<int>(priority);
        queue_.push_back({client, id, rank, ++lastOrder_, std::move(job)});
        if (running_.client != 0 && rank < running_.priority) cancel_ = true;
    }
    startThread();
    wake_.notify_one();
}

void AnalysisWorker::withdraw(std::uint64_t client) {
    std::vector<Request> withdrawn;
    std::lock_guard lock(mutex_);
    withdrawn = takeOut(client);
}

void AnalysisWorker::releaseTable() {
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

void AnalysisWorker::startThread() {
    if (thread_.joinable()) return;
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // No thread (no memory for its stack): every request waiting says it failed.
        std::vector<Request> failed;
        {
            std::lock_guard lock(mutex_);
            failed.swap(queue_);
        }
        for (Request& r : failed)
            r.job(nullptr, cancel_, [this, &r](bool last, Result result) {
                std::lock_guard lock(mutex_);
                send(r.client, r.id, last, std::move(result));
            });
    }
}

void AnalysisWorker::send(std::uint64_t client, std::uint64_t id, bool last, Result result) {
    outbox_.push_back({client, id, last, std::move(result)});
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
    for (Sent& sent : results) {
        if (sent.client == 0) {
            emit tableReleased();
            continue;
        }
        // A client's signal may end another client, or start a new request of its own.
        const auto found = clients_.find(sent.client);
        if (found != clients_.end() && found->second->request_ == sent.id)
            found->second->arrive(sent.last, sent.result);
    }
}

void AnalysisWorker::run() {
    analysis::Analyser analyser;
    if (!evaluationFile_.isEmpty()) analyser.useEvaluationFile(evaluationFile_.toStdString());
    bool evaluationTold = false;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty() || releaseWanted_; });
        if (stopping_) return;
        if (queue_.empty()) {
            releaseWanted_ = false;
            lock.unlock();
            analyser.releaseTable();
            lock.lock();
            send(0, 0, true, {});
            continue;
        }
        const auto next =
            std::min_element(queue_.begin(), queue_.end(), [](const auto& a, const auto& b) {
                return a.priority != b.priority ? a.priority < b.priority : a.order < b.order;
            });
        Request request = std::move(*next);
        queue_.erase(next);
        running_ = {request.client, request.priority, false};
        // Under the lock: a request made after this point sets the flag again.
        cancel_ = false;
        const Deliver deliver = [this, client = request.client, id = request.id](bool last,
                                                                                 Result result) {
            std::lock_guard outboxLock(mutex_);
            send(client, id, last, std::move(result));
        };
        if (request.begun)
            send(request.client, request.id, false, [](AnalysisClient& c) {
                c.waiting_ = false;
                emit c.resumed();
            });
        lock.unlock();
        const bool done = request.job(&analyser, cancel_, deliver);
        if (!evaluationTold && !analyser.weightsError().empty()) {
            evaluationTold = true;
            const QString reason = QString::fromStdString(analyser.weightsError());
            QMetaObject::invokeMethod(
                this, [this, reason] { emit evaluationUnavailable(reason); }, Qt::QueuedConnection);
        }
        lock.lock();
        const bool again = !done && !running_.withdrawn && !stopping_;
        running_ = {};
        if (again) {  // a more urgent request came: this one goes on after it
            request.begun = true;
            send(request.client, request.id, false, [](AnalysisClient& c) {
                c.waiting_ = true;
                emit c.superseded();
            });
            queue_.push_back(std::move(request));
            continue;
        }
        lock.unlock();
        request = {};  // its captures are freed here, on this thread, not under the lock
        lock.lock();
    }
}

}  // namespace marvane
