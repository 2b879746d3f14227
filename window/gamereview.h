// SPDX-License-Identifier: GPL-3.0-or-later
// The review of the game on the board: what each move gave away against the best move of its
// position, worked out on the analysis worker.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "analysis/position.h"
#include "analysis/review.h"

namespace marvane {

class AnalysisClient;
class AnalysisWorker;
class Game;

// The game reviewed is the one the move list shows: its start and every move of its history,
// those taken back included, so stepping through the game keeps the review, and so do moves
// played on at its end (they are not in it: the next review takes them in). A move played from
// an earlier position (or a new game, or a record opened) makes another game, and the review of
// the old one is dropped. On the worker the review comes after the computer's replies, which
// pause it, and before the hint and the scores.
class GameReview : public QObject {
    Q_OBJECT

public:
    // The catalogues keep this class's texts under a context of their own, which a rename of
    // the class leaves as it is: its texts are translated as Texts::tr.
    struct Texts {
        Q_DECLARE_TR_FUNCTIONS(GameReview)
    };

    enum class State { None, Running, Done, Cancelled };

    // `worker` gives the analysis worker, made when the first review starts.
    using WorkerSource = std::function<AnalysisWorker&()>;
    GameReview(WorkerSource worker, const Game& game, analysis::ReviewLimits limits = {},
               QObject* parent = nullptr);
    ~GameReview() override;

    // Reviews the game on the board from its start; drops any review before it.
    void start();
    // Stops a running review; what was reviewed so far stays shown.
    void cancel();
    // The game may have changed: a review of another game is dropped.
    void gameChanged();

    State state() const { return state_; }
    bool running() const { return state_ == State::Running; }
    int reviewedCount() const { return reviewed_; }
    int moveCount() const { return static_cast<int>(moves_.size()); }
    // One entry per move of the game reviewed; those not reviewed yet have `reviewed` false.
    const std::vector<analysis::MoveReview>& moves() const { return moves_; }
    int startScore() const { return startScore_; }
    bool startExact() const { return startExact_; }
    // The moves that gave away the most, at most `perSide` of each side (only moves that gave
    // something away), in the game's order.
    std::vector<int> worstMistakes(int perSide = 3) const;
    // What move `index` gave away, for the move list: "best", "-6", or "≈-6" for an estimate;
    // empty while it is not reviewed.
    QString lossText(int index) const;
    // A line for the move list's window: the review's progress, or its outcome.
    QString summary() const;

signals:
    // Something shown changed: a move reviewed, the review finished, stopped or dropped.
    void changed();

private:
    struct Reviewed {
        analysis::Position start;
        std::vector<int> squares;
        bool operator==(const Reviewed&) const = default;
    };
    // The game on the board, as the analysis sees it; false when it cannot take it over.
    bool readGame(Reviewed& game, QString& error) const;
    void drop();
    // The handle on the worker, made and connected on first use.
    AnalysisClient& client();
    void finished(const analysis::Review& review);

    WorkerSource workerSource_;
    std::unique_ptr<AnalysisClient> client_;
    const Game& game_;
    analysis::ReviewLimits limits_;
    Reviewed reviewedGame_;
    State state_ = State::None;
    std::vector<analysis::MoveReview> moves_;
    int reviewed_ = 0;
    int startScore_ = 0;
    bool startExact_ = false;
    QString error_;
};

}  // namespace marvane
