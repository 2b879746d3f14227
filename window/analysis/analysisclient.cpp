// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/analysis/analysisclient.h"

#include <memory>
#include <new>
#include <utility>

namespace marvane {

namespace {

// Why there is no analysis when the thread could not be started, in the engine's words.
constexpr const char* kNoThread = "There is not enough memory to start the analysis thread.";
constexpr const char* kNoMemory = "There is not enough memory for the analysis.";

}  // namespace

AnalysisClient::AnalysisClient(AnalysisWorker& worker, AnalysisPriority priority, QObject* parent)
    : QObject(parent), worker_(&worker), priority_(priority), key_(worker.attach(*this)) {}

AnalysisClient::~AnalysisClient() {
    if (worker_) worker_->detach(key_);
}

void AnalysisClient::submit(AnalysisWorker::Job job) {
    if (!worker_) return;
    waiting_ = false;
    request_ = worker_->nextId();
    worker_->submit(key_, priority_, request_, std::move(job));
}

void AnalysisClient::cancel() {
    request_ = 0;
    waiting_ = false;
    if (worker_) worker_->withdraw(key_);
}

void AnalysisClient::arrive(bool last, const AnalysisWorker::Result& result) {
    if (last) {
        request_ = 0;
        waiting_ = false;
    }
    result(*this);
}

void AnalysisClient::analyse(const analysis::Position& position, analysis::Rules rules,
                             const analysis::Limits& limits) {
    submit([position, rules, limits](analysis::Analyser* analyser, const std::atomic<bool>& cancel,
                                     const AnalysisWorker::Deliver& deliver) {
        analysis::Analysis result;
        try {
            if (!analyser) throw std::bad_alloc();
            result = analyser->analyse(
                position, rules, limits, &cancel, [&](const analysis::Analysis& partial) {
                    deliver(false, [partial](AnalysisClient& c) { emit c.progress(partial); });
                });
        } catch (const std::bad_alloc&) {
            result = {};
            result.error = analyser ? kNoMemory : kNoThread;
            result.outOfMemory = true;
        }
        if (result.stopped == analysis::StopReason::Cancelled) return false;
        deliver(true, [result](AnalysisClient& c) { emit c.finished(result); });
        return true;
    });
}

void AnalysisClient::review(const analysis::Position& start, std::vector<int> squares,
                            const analysis::ReviewLimits& limits) {
    // What the review found before a more urgent request stopped it; only the worker touches it.
    auto found = std::make_shared<analysis::Review>();
    submit([start, squares = std::move(squares), limits, found](
               analysis::Analyser* analyser, const std::atomic<bool>& cancel,
               const AnalysisWorker::Deliver& deliver) {
        analysis::Review result;
        try {
            if (!analyser) throw std::bad_alloc();
            result = analysis::reviewGame(
                *analyser, start, squares, limits, &cancel,
                [&](const analysis::MoveReview& move, std::size_t index, std::size_t done) {
                    deliver(false, [move, index, done](AnalysisClient& c) {
                        emit c.reviewProgress(move, static_cast<int>(index),
                                              static_cast<int>(done));
                    });
                },
                found.get());
        } catch (const std::bad_alloc&) {
            result = {};
            result.error = analyser ? kNoMemory : kNoThread;
            result.outOfMemory = true;
        }
        if (result.ok() && result.stopped == analysis::StopReason::Cancelled) {
            *found = std::move(result);
            return false;
        }
        deliver(true, [result](AnalysisClient& c) { emit c.reviewFinished(result); });
        return true;
    });
}

}  // namespace marvane
