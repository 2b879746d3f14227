// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "window/analysis/analysisworker.h"

namespace marvane {

// One client's handle on the analysis worker: at most one request at a time, at the client's
// priority. Its signals carry only that request's results, on the GUI thread; a new request, or
// cancel(), drops whatever the one before would still have said. The request is withdrawn when
// the handle goes.
class AnalysisClient : public QObject {
    Q_OBJECT

public:
    AnalysisClient(AnalysisWorker& worker, AnalysisPriority priority, QObject* parent = nullptr);
    ~AnalysisClient() override;

    // Analyses `position`: progress() after each depth, then finished().
    void analyse(const analysis::Position& position, analysis::Rules rules,
                 const analysis::Limits& limits);
    // Reviews the game from `start` through `squares` (our rules): reviewProgress() after each
    // move, then reviewFinished().
    void review(const analysis::Position& start, std::vector<int> squares,
                const analysis::ReviewLimits& limits = {});
    void cancel();

    // A request whose results may still come.
    bool busy() const { return request_ != 0; }
    // The request was put aside for a more urgent client's, and has not gone on yet.
    bool waiting() const { return waiting_; }
    AnalysisPriority priority() const { return priority_; }

signals:
    // The analysis found when the engine has no memory for its table has `outOfMemory` set; so
    // has the review then.
    void progress(const marvane::analysis::Analysis& analysis);
    void finished(const marvane::analysis::Analysis& analysis);
    // `index` is the move's place in the game; `done` how many moves are reviewed so far (the
    // review works from the last move back).
    void reviewProgress(const marvane::analysis::MoveReview& move, int index, int done);
    void reviewFinished(const marvane::analysis::Review& review);
    void superseded();
    void resumed();

private:
    friend class AnalysisWorker;
    void submit(AnalysisWorker::Job job);
    // From the worker, for the request still current.
    void arrive(bool last, const AnalysisWorker::Result& result);

    QPointer<AnalysisWorker> worker_;
    AnalysisPriority priority_;
    std::uint64_t key_ = 0;
    std::uint64_t request_ = 0;
    bool waiting_ = false;
};

}  // namespace marvane
