// SPDX-License-Identifier: GPL-3.0-or-later
// The window's analysis: the hint, the scores of the legal squares and the Expert Hard level's
// replies, all from the one analysis worker.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "analysis/analyser.h"
#include "analysis/position.h"
#include "engine/types.h"

class QTimer;

namespace marvane {

class AnalysisClient;
class AnalysisWorker;
class BoardImage;
class Game;

// Asks the worker about the position on the board and shows what comes back on the board. The
// worker is made, and its thread started, by the first request: a window that is never asked
// for analysis has no thread and no table.
//
// Every result is for one position and one state of the board: anything the game paints (a move,
// undo, redo, a step in the move list, a replay, a new game, new colours) makes the request stale
// and cancels it, and a result is shown only while the board still shows the position it was
// asked for. Nothing here runs a timer at rest. The computer's replies go first on the worker,
// and the hint and the scores last, behind a review.
//
// When the engine has no memory for its table, the player is told once (through `tell`), and
// again only after an analysis worked or when asking anew (the hint, ticking an option).
class AnalysisRoom : public QObject {
public:
    // Plays the computer's reply: the square Expert Hard chose, or none for the designed choice.
    using PlayReply = std::function<void(std::optional<Square>)>;
    // Shows the player a message, from the event loop.
    using Tell = std::function<void(const QString&)>;

    AnalysisRoom(QObject* parent, const Game& game, BoardImage& board, PlayReply playReply,
                 Tell tell = {});
    ~AnalysisRoom() override;

    // The one worker, made on first use; for anything else that analyses (a game's review).
    AnalysisWorker& worker();
    bool hasWorker() const { return worker_ != nullptr; }
    // What the player reads when the engine has no memory for the analysis.
    static QString noMemoryText();

    // Game ▸ Hint: marks the best square for the person to play, until the board changes.
    void hint();
    void setEvaluations(bool on);
    bool evaluations() const { return evaluations_; }
    void setExpertHard(bool on);
    bool expertHard() const { return expertHard_; }

    // The game painted a square: what was shown or asked for is stale.
    void boardChanged();
    // After each step of the game: asks for what the position needs and clears what it does not.
    void refresh();

    // The response delay was armed for a computer reply: Expert Hard starts thinking.
    void replyArmed();
    // The delay ran out: plays the reply now, or once Expert Hard's search is done (at most about
    // a second later).
    void replyDue();
    // The reply was called off (undo), or the window is closing.
    void replyCancelled();
    // A reply is waiting for Expert Hard's search: the delay must not be armed again meanwhile.
    bool replyHeld() const { return replyHeld_; }

private:
    enum class Purpose { None, Show, Expert };
    // The position on the board, for the analysis engine.
    std::optional<analysis::Position> boardPosition() const;
    bool expertPlays() const;
    AnalysisClient& client(Purpose purpose);
    void request(Purpose purpose, const analysis::Position& position);
    void dropRequest();
    bool requestIsCurrent() const;
    void received(Purpose purpose, const analysis::Analysis& analysis, bool done);
    void tellNoMemory();
    void show(const analysis::Analysis& analysis, bool done);
    void clearShown();
    void playHeldReply();
    void releaseIfUnused();

    const Game& game_;
    BoardImage& board_;
    PlayReply playReply_;
    Tell tell_;
    std::unique_ptr<AnalysisWorker> worker_;
    std::unique_ptr<AnalysisClient> replies_;  // Expert Hard's, the most urgent
    std::unique_ptr<AnalysisClient> marks_;    // the hint and the scores, the least
    QTimer* cap_ = nullptr;                    // how long a due reply may wait for the search

    bool evaluations_ = false;
    bool expertHard_ = false;
    bool hintWanted_ = false;
    bool replyHeld_ = false;
    bool memoryTold_ = false;

    // The request in flight or answered: what for, which position, at which state of the board.
    Purpose purpose_ = Purpose::None;
    analysis::Position requested_;
    bool everySquare_ = false;
    std::uint64_t boardState_ = 0;  // counts what the game painted
    std::uint64_t requestState_ = 0;
    bool answered_ = false;  // the search for the request has ended
    std::optional<analysis::Analysis> latest_;
    QString restingDescription_;  // the board's accessible description with no hint
};

}  // namespace marvane
