// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/gamereview.h"

#include <QDebug>
#include <algorithm>

#include "analysis/game_position.h"
#include "engine/game.h"
#include "window/analysis/analysisclient.h"
#include "window/analysisroom.h"

namespace marvane {

namespace {

// What the player reads when the analysis engine turns the game down. Only a fault of the
// program brings this about (it reviews positions and moves the game itself played), so the
// engine's own words, in English, go to the log for the one who mends it.
QString cannotReview(const std::string& reason) {
    qWarning("The analysis engine refused to review the game: %s", reason.c_str());
    return GameReview::Texts::tr("This game cannot be reviewed.");
}

}  // namespace

GameReview::GameReview(WorkerSource worker, const Game& game, analysis::ReviewLimits limits,
                       QObject* parent)
    : QObject(parent), workerSource_(std::move(worker)), game_(game), limits_(limits) {}

GameReview::~GameReview() = default;

AnalysisClient& GameReview::client() {
    if (client_) return *client_;
    client_ = std::make_unique<AnalysisClient>(workerSource_(), AnalysisPriority::Review);
    connect(client_.get(), &AnalysisClient::reviewProgress, this,
            [this](const analysis::MoveReview& move, int index, int done) {
                if (!running() || index < 0 || index >= moveCount()) return;
                moves_[static_cast<std::size_t>(index)] = move;
                reviewed_ = done;
                emit changed();
            });
    connect(client_.get(), &AnalysisClient::reviewFinished, this, &GameReview::finished);
    return *client_;
}

void GameReview::finished(const analysis::Review& review) {
    if (!running()) return;
    if (review.outOfMemory) {
        // What was reviewed before the memory ran out stays.
        state_ = State::Cancelled;
        error_ = AnalysisRoom::noMemoryText();
    } else if (!review.ok()) {
        drop();
        error_ = cannotReview(review.error);
    } else {
        moves_ = review.moves;
        startScore_ = review.startScore;
        startExact_ = review.startExact;
        reviewed_ = static_cast<int>(
            std::count_if(moves_.begin(), moves_.end(), [](const auto& m) { return m.reviewed; }));
        state_ = review.stopped == analysis::StopReason::Cancelled ? State::Cancelled : State::Done;
    }
    emit changed();
}

bool GameReview::readGame(Reviewed& game, QString& error) const {
    const History& history = game_.history();
    if (!history.started()) {
        error = Texts::tr("There is no game to review.");
        return false;
    }
    if (game_.rules() == GameRules::Standard) {
        error = Texts::tr(
            "The review knows Marvane's own rules only, and this game is played by the "
            "standard rules.");
        return false;
    }
    const analysis::GamePositionReading start =
        analysis::fromGame(history.position(0), game_.state().C1, game_.state().C2);
    if (!start.ok()) {
        error = cannotReview(start.error);
        return false;
    }
    game.start = start.position;
    game.squares.clear();
    for (const Square& square : history.moves())
        game.squares.push_back(analysis::squareIndex(square));
    return true;
}

void GameReview::start() {
    drop();
    if (!readGame(reviewedGame_, error_)) {
        emit changed();
        return;
    }
    if (reviewedGame_.squares.empty()) {
        error_ = Texts::tr("There are no moves to review yet.");
        emit changed();
        return;
    }
    moves_.assign(reviewedGame_.squares.size(), {});
    state_ = State::Running;
    client().review(reviewedGame_.start, reviewedGame_.squares, limits_);
    emit changed();
}

void GameReview::cancel() {
    if (!running()) return;
    client_->cancel();
    state_ = State::Cancelled;
    emit changed();
}

void GameReview::gameChanged() {
    if (state_ == State::None && error_.isEmpty()) return;
    Reviewed now;
    QString error;
    // The same game, or the same game played on: the review goes on.
    if (readGame(now, error) && now.start == reviewedGame_.start &&
        now.squares.size() >= reviewedGame_.squares.size() &&
        std::equal(reviewedGame_.squares.begin(), reviewedGame_.squares.end(), now.squares.begin()))
        return;
    drop();
    emit changed();
}

void GameReview::drop() {
    if (client_) client_->cancel();
    state_ = State::None;
    moves_.clear();
    reviewed_ = 0;
    startScore_ = 0;
    startExact_ = false;
    error_.clear();
}

std::vector<int> GameReview::worstMistakes(int perSide) const {
    std::vector<int> worst;
    for (const analysis::Side side : {analysis::Side::First, analysis::Side::Second}) {
        std::vector<int> mistakes;
        for (int index = 0; index < moveCount(); ++index) {
            const analysis::MoveReview& move = moves_[static_cast<std::size_t>(index)];
            if (move.reviewed && move.mover == side && move.loss > 0) mistakes.push_back(index);
        }
        // The biggest first; of two alike, the earlier.
        std::stable_sort(mistakes.begin(), mistakes.end(), [this](int a, int b) {
            return moves_[static_cast<std::size_t>(a)].loss >
                   moves_[static_cast<std::size_t>(b)].loss;
        });
        if (static_cast<int>(mistakes.size()) > perSide) mistakes.resize(perSide);
        worst.insert(worst.end(), mistakes.begin(), mistakes.end());
    }
    std::sort(worst.begin(), worst.end());
    return worst;
}

QString GameReview::lossText(int index) const {
    if (index < 0 || index >= moveCount()) return {};
    const analysis::MoveReview& move = moves_[static_cast<std::size_t>(index)];
    if (!move.reviewed) return {};
    if (move.loss == 0) return Texts::tr("best", "the move lost nothing");
    return (move.exact ? QString() : QStringLiteral("\u2248")) + QStringLiteral("\u2212") +
           QString::number(move.loss);
}

QString GameReview::summary() const {
    switch (state_) {
        case State::None: return error_;
        case State::Running:
            return Texts::tr("Reviewing: %1 of %2 moves").arg(reviewed_).arg(moveCount());
        case State::Cancelled:
            if (!error_.isEmpty()) return error_;
            return Texts::tr("Review stopped: %1 of %2 moves").arg(reviewed_).arg(moveCount());
        case State::Done: break;
    }
    return Texts::tr("Reviewed: what each move gave away (\u2248 an estimate)");
}

}  // namespace marvane
