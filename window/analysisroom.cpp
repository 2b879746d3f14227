// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/analysisroom.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

#include "analysis/expert.h"
#include "analysis/game_position.h"
#include "engine/game.h"
#include "window/analysis/analysisclient.h"
#include "window/analysis/analysisworker.h"
#include "window/boardaccessible.h"
#include "window/boardimage.h"
#include "window/common/programfiles.h"

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
                           PlayReply playReply, Tell tell)
    : QObject(parent),
      game_(game),
      board_(board),
      playReply_(std::move(playReply)),
      tell_(std::move(tell)),
      restingDescription_(board.accessibleDescription()) {
    cap_ = new QTimer(this);
    cap_->setSingleShot(true);
    cap_->setInterval(kReplyCapMs);
    connect(cap_, &QTimer::timeout, this, [this] { playHeldReply(); });
}

// The clients go before the worker they are attached to.
AnalysisRoom::~AnalysisRoom() {
    replies_.reset();
    marks_.reset();
}

QString AnalysisRoom::noMemoryText() {
    return QCoreApplication::translate("AnalysisRoom",
                                       "There is not enough memory for the analysis.");
}

AnalysisWorker& AnalysisRoom::worker() {
    if (!worker_) {
        worker_ = std::make_unique<AnalysisWorker>();
        // Where the package puts it; a missing file is then named in the message.
        const QString relative = QStringLiteral("system/") + analysis::kWeightsFileName;
        QString file = findBesideProgram(relative);
        if (file.isEmpty()) file = programFolder() + relative;
        worker_->setEvaluationFile(file);
        connect(worker_.get(), &AnalysisWorker::evaluationUnavailable, this,
                [this](const QString& reason) {
                    if (tell_)
                        tell_(QCoreApplication::translate(
                                  "AnalysisRoom",
                                  "The learned evaluation cannot be used, so hints, scores and "
                                  "reviews judge positions with a simpler formula.") +
                              "\n\n" + reason);
                });
    }
    return *worker_;
}

AnalysisClient& AnalysisRoom::client(Purpose purpose) {
    std::unique_ptr<AnalysisClient>& client = purpose == Purpose::Expert ? replies_ : marks_;
    if (!client) {
        client = std::make_unique<AnalysisClient>(worker(), purpose == Purpose::Expert
                                                                ? AnalysisPriority::Reply
                                                                : AnalysisPriority::Board);
        connect(client.get(), &AnalysisClient::progress, this,
                [this, purpose](const analysis::Analysis& a) { received(purpose, a, false); });
        connect(client.get(), &AnalysisClient::finished, this,
                [this, purpose](const analysis::Analysis& a) { received(purpose, a, true); });
    }
    return *client;
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
    // One request at a time: the position on the board needs a reply or marks, never both.
    if (auto& other = purpose == Purpose::Expert ? marks_ : replies_; other && other->busy())
        other->cancel();
    client(purpose).analyse(position,
                            game_.rules() == GameRules::Standard ? analysis::Rules::Standard
                                                                : analysis::Rules::Marvane,
                            limits);
}

void AnalysisRoom::dropRequest() {
    if (purpose_ != Purpose::None) client(purpose_).cancel();
    purpose_ = Purpose::None;
    answered_ = false;
    latest_.reset();
}

void AnalysisRoom::received(Purpose purpose, const analysis::Analysis& analysis, bool done) {
    // Each client passes on only its latest request's results; the board may still have moved
    // on since it was made.
    if (purpose != purpose_ || !requestIsCurrent()) return;
    latest_ = analysis;
    answered_ = done;
    if (analysis.outOfMemory)
        tellNoMemory();
    else if (analysis.ok())
        memoryTold_ = false;
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

void AnalysisRoom::tellNoMemory() {
    if (memoryTold_ || !tell_) return;
    memoryTold_ = true;
    // Not inside the delivery of results: a message box runs an event loop of its own.
    QMetaObject::invokeMethod(
        this, [this] { tell_(noMemoryText()); }, Qt::QueuedConnection);
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
    const bool wanted = game_.personToPlay() && (hintWanted_ || evaluations_);
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
    memoryTold_ = false;
    refresh();
}

void AnalysisRoom::setEvaluations(bool on) {
    if (on == evaluations_) return;
    evaluations_ = on;
    if (on) memoryTold_ = false;
    refresh();
    releaseIfUnused();
}

void AnalysisRoom::setExpertHard(bool on) {
    if (on == expertHard_) return;
    expertHard_ = on;
    if (on) {
        memoryTold_ = false;
        return;
    }
    if (purpose_ == Purpose::Expert) dropRequest();
    if (replyHeld_) playHeldReply();
    releaseIfUnused();
}

void AnalysisRoom::releaseIfUnused() {
    if (worker_ && !evaluations_ && !expertHard_ && (purpose_ == Purpose::None || answered_))
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
