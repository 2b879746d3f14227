// SPDX-License-Identifier: GPL-3.0-or-later
// The two scopes the game's commands are built with. Only the game's own files include this.
#pragma once

#include "engine/game.h"

namespace marvane {

// Marks a move (or a legal-move search) as in progress; the outermost scope, when it ends, runs
// whatever was queued meanwhile.
class Game::MoveScope {
public:
    explicit MoveScope(Game& game) : game_(game) { ++game_.depth_; }
    ~MoveScope() {
        if (--game_.depth_ == 0) game_.runQueued();
    }
    MoveScope(const MoveScope&) = delete;
    MoveScope& operator=(const MoveScope&) = delete;

private:
    Game& game_;
};

// Records what a player's or the computer's action did, as one step of the game's history, when
// the action ends. It is declared after the action's MoveScope, so the step is recorded before
// any action queued meanwhile runs.
class Game::StepRecord {
public:
    StepRecord(Game& game, Actor actor, StepKind endKind)
        : game_(game), actor_(actor), endKind_(endKind), before_(game.position()) {
        game_.played_.reset();
        game_.beforePass_.reset();
    }
    ~StepRecord() {
        if (game_.beforePass_) {
            game_.history_.record(before_, *game_.beforePass_, actor_, endKind_, game_.played_);
            const bool computer = game_.autoplaying_ || (game_.state_.PlayerCount == 1 &&
                                                         game_.passer_ == game_.state_.C2);
            game_.history_.recordPass(game_.position(),
                                      computer ? Actor::Computer : Actor::Person, game_.passer_);
        } else {
            game_.history_.record(before_, game_.position(), actor_, endKind_, game_.played_);
        }
        game_.played_.reset();
        game_.beforePass_.reset();
    }
    StepRecord(const StepRecord&) = delete;
    StepRecord& operator=(const StepRecord&) = delete;

private:
    Game& game_;
    Actor actor_;
    StepKind endKind_;
    Position before_;
};

}  // namespace marvane
