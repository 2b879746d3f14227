#include "window/analysisroom.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

#include "analysis/expert.h"
#include "analysis/game_position.h"
#include "engine/game.h"
#include "window/analysis/analysisworker.h"
#include "window/boardaccessible.h"
#include "window/boardimage.h"

namespace marvane {

namespace {

// A hint and the scores: exact from 20 empty squares down when the solve ends within about a
// second, else the deepest estimate reached by then.
constexpr std::chrono::milliseconds kShowTime{1000};
// How long a due reply waits for Expert Hard's search at most (it takes some tens of ms).
constexpr int kReplyCapMs = 1000;

Square squareOf(int index) { return {index / 8 + 1, index % 8 + 1}; }

BoardImage::Evaluation evaluationOf(const analysis::SquareScore& s) {
    return {squareOf(s.square), s.score, s.exact};
}

}  // namespace

AnalysisRoom::AnalysisRoom(QObject* parent, const Game& game, BoardImage& board,
                           PlayReply playReply)
    : QObject(parent),
      game_(game),
      board_(board),
      playReply_(std::move(playReply)),
      restingDescription_(board.accessibleDescription()) {
    cap_ = new QTimer(this);
    cap_->setSingleShot(true);
    cap_->setInterval(kReplyCapMs);
    connect(cap_, &QTimer::timeout, this, [this] { playHeldReply(); });
}

AnalysisRoom::~AnalysisRoom() = default;

AnalysisWorker& AnalysisRoom::worker() {
    if (!worker_) {
        worker_ = std::make_unique<AnalysisWorker>();
        connect(worker_.get(), &AnalysisWorker::progress, this,
                [this](quint64 id, const analysis::Analysis& a) { received(id, a, false); });
        connect(worker_.get(), &AnalysisWorker::finished, this,
                [this](quint64 id, const analysis::Analysis& a) { received(id, a, true); });
    }
    return *worker_;
}

std::optional<analysis::Position> AnalysisRoom::boardPosition() const {
    const GameState& state = game_.state();
    const auto reading = analysis::fromGame(game_.position(), state.C1, state.C2);
    if (!reading.ok()) return std::nullopt;
    return reading.position;
}

bool AnalysisRoom::expertPlays() const {
    return expertHard_ && game_.state().EasyLevel == 0 && !game_.state().over();
}

bool AnalysisRoom::requestIsCurrent() const {
    return purpose_ != Purpose::None && requestState_ == boardState_ &&
           boardPosition() == requested_;
}

void AnalysisRoom::request(Purpose purpose, const analysis::Position& position) {
    analysis::Limits limits;
    if (purpose == Purpose::Expert) {
        limits = analysis::expertLimits();
    } else {
        limits.time = kShowTime;
        limits.everySquare = evaluations_;
    }
    purpose_ = purpose;
    requested_ = position;
    requestState_ = boardState_;
    everySquare_ = limits.everySquare;
    answered_ = false;
    latest_.reset();
    requestId_ = worker().analyse(position,
                                  game_.rules() == GameRules::Standard ? analysis::Rules::Standard
                                                                   : analysis::Rules::Marvane,
                                  limits);
}

void AnalysisRoom::setWorkerLent(bool lent) {
    if (lent == lent_) return;
    lent_ = lent;
    if (!lent) refresh();
}

void AnalysisRoom::dropRequest() {
    // Only this room's own request: the worker may be busy with a review meanwhile.
    if (worker_ && worker_->current() == requestId_) worker_->cancel();
    purpose_ = Purpose::None;
    answered_ = false;
    latest_.reset();
}

void AnalysisRoom::received(quint64 id, const analysis::Analysis& analysis, bool done) {
    // The worker passes on only its latest request's results; the board may still have moved on
    // since it was made.
    if (id != requestId_ || !requestIsCurrent()) return;
    latest_ = analysis;
    answered_ = done;
    if (purpose_ == Purpose::Show) {
        show(analysis, done);
        if (done && !evaluations_ && !expertHard_) worker_->releaseTable();  // a lone hint
    } else if (done && replyHeld_) {
        playHeldReply();
    }
}

void AnalysisRoom::show(const analysis::Analysis& analysis, bool done) {
    BoardImage::AnalysisMarks marks;
    if (!analysis.ok() || analysis.squares.empty()) return board_.setAnalysisMarks({});
    if (hintWanted_) marks.hint = evaluationOf(analysis.squares.front());
    if (evaluations_)
        for (const analysis::SquareScore& s : analysis.squares)
            if (!s.upperBound) marks.scores.push_back(evaluationOf(s));
    board_.setAnalysisMarks(std::move(marks));
    if (done && hintWanted_) {
        const BoardImage::Evaluation hint = *board_.analysisMarks().hint;
        const char* const text =
            hint.exact
                ? QT_TRANSLATE_NOOP("BoardAccess", "Hint: row %1, column %2, score %3")
                : QT_TRANSLATE_NOOP("BoardAccess", "Hint: row %1, column %2, score about %3");
        notifyDescription(&board_, QCoreApplication::translate("BoardAccess", text)
                                       .arg(hint.square.row)
                                       .arg(hint.square.column)
                                       .arg(BoardImage::scoreText(hint.score)));
    }
}

void AnalysisRoom::clearShown() {
    board_.setAnalysisMarks({});
    if (board_.accessibleDescription() != restingDescription_)
        notifyDescription(&board_, restingDescription_);
}

void AnalysisRoom::boardChanged() {
    ++boardState_;
    hintWanted_ = false;
    if (purpose_ != Purpose::None) dropRequest();
    clearShown();
}

void AnalysisRoom::refresh() {
    // A due reply whose position changed meanwhile (a new game) thinks again, under the same cap.
    if (replyHeld_ && expertPlays() && !(purpose_ == Purpose::Expert && requestIsCurrent()))
        if (const auto position = boardPosition()) request(Purpose::Expert, *position);
    if (!game_.personToPlay()) hintWanted_ = false;
    const bool wanted = game_.personToPlay() && (hintWanted_ || evaluations_) && !lent_;
    if (!wanted) {
        if (purpose_ == Purpose::Show) dropRequest();
        clearShown();
        return;
    }
    const auto position = boardPosition();
    if (!position) return clearShown();
    if (purpose_ == Purpose::Show && requestIsCurrent() && (everySquare_ || !evaluations_)) {
        if (latest_) show(*latest_, answered_);
        return;
    }
    request(Purpose::Show, *position);
}

void AnalysisRoom::hint() {
    if (!game_.personToPlay()) return;
    hintWanted_ = true;
    refresh();
}

void AnalysisRoom::setEvaluations(bool on) {
    if (on == evaluations_) return;
    evaluations_ = on;
    refresh();
    releaseIfUnused();
}

void AnalysisRoom::setExpertHard(bool on) {
    if (on == expertHard_) return;
    expertHard_ = on;
    if (on) return;
    if (purpose_ == Purpose::Expert) dropRequest();
    if (replyHeld_) playHeldReply();
    releaseIfUnused();
}

void AnalysisRoom::releaseIfUnused() {
    if (worker_ && !lent_ && !evaluations_ && !expertHard_ &&
        (purpose_ == Purpose::None || answered_))
        worker_->releaseTable();
}

void AnalysisRoom::replyArmed() {
    if (!expertPlays() || (purpose_ == Purpose::Expert && requestIsCurrent())) return;
    if (const auto position = boardPosition()) request(Purpose::Expert, *position);
}

void AnalysisRoom::replyDue() {
    if (!expertPlays()) return playReply_(std::nullopt);
    if (!(purpose_ == Purpose::Expert && requestIsCurrent())) {
        const auto position = boardPosition();
        if (!position) return playReply_(std::nullopt);
        request(Purpose::Expert, *position);
    }
    replyHeld_ = true;
    if (answered_) return playHeldReply();
    cap_->start();
}

void AnalysisRoom::playHeldReply() {
    if (!replyHeld_) return;
    replyHeld_ = false;
    cap_->stop();
    std::optional<Square> square;
    if (purpose_ == Purpose::Expert && requestIsCurrent() && latest_) {
        const analysis::ExpertChoice choice = analysis::expertChoice(*latest_);
        if (choice.square >= 0) square = squareOf(choice.square);
    }
    playReply_(square);
}

void AnalysisRoom::replyCancelled() {
    replyHeld_ = false;
    cap_->stop();
    if (purpose_ == Purpose::Expert) dropRequest();
}

}  // namespace marvane
