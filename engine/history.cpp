// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/history.h"

#include <stdexcept>
#include <utility>

namespace marvane {

namespace {

// A game has at most 60 moves, a pass after each at most, and one end (only a new game clears
// the end), so one allocation covers every game and recording never reallocates in one.
constexpr std::size_t kMostSteps = 1 + 2 * kMaxMoves + 1;

bool isPersonMove(const Step& step) {
    return step.kind == StepKind::Move && step.actor == Actor::Person;
}

}  // namespace

void History::start(Position initial) {
    ++games_;
    steps_.clear();
    steps_.reserve(kMostSteps);
    steps_.push_back({StepKind::Start, Actor::Person, {}, 0, std::move(initial)});
    current_ = 0;
}

bool History::record(const Position& before, const Position& after, Actor actor, StepKind endKind,
                     std::optional<Square> played) {
    if (!started()) return false;
    Step step;
    step.actor = actor;
    if (played) {
        step.kind = StepKind::Move;
        step.square = *played;
        step.side = after.board.cell(played->row, played->column);
    } else if (!before.over() && after.over()) {
        step.kind = endKind;
    } else {
        // A refused move, or the result announced once more: not a step, but at the end of the
        // history the current entry follows what is shown, so redo returns to exactly that.
        if (current_ + 1 == steps_.size()) steps_[current_].after = after;
        return false;
    }
    step.after = after;
    steps_.resize(current_ + 1);
    steps_[current_].after = before;
    steps_.push_back(std::move(step));
    ++current_;
    return true;
}

void History::moveTo(std::size_t index) {
    if (index >= steps_.size()) throw std::out_of_range("no such step in the game's history");
    current_ = index;
}

void History::recordPass(const Position& after, Actor actor, ColourCode side) {
    if (!started()) return;
    Step step;
    step.kind = StepKind::Pass;
    step.actor = actor;
    step.side = side;
    step.after = after;
    steps_.resize(current_ + 1);
    steps_.push_back(std::move(step));
    ++current_;
}

bool History::passedOver(std::size_t index, bool onePlayer) const {
    if (index + 1 >= steps_.size()) return false;
    const Step& next = steps_[index + 1];
    if (next.kind == StepKind::Pass) return true;
    if (!onePlayer || next.actor != Actor::Computer) return false;
    // A person's move, or the person's pass, that the computer answered.
    const Step& step = steps_[index];
    return isPersonMove(step) || (step.kind == StepKind::Pass && step.actor == Actor::Person);
}

std::optional<std::size_t> History::undoTarget(bool onePlayer) const {
    if (current_ == 0) return std::nullopt;
    std::size_t target = current_ - 1;
    while (target > 0 && passedOver(target, onePlayer)) --target;
    return target;
}

std::optional<std::size_t> History::redoTarget(bool onePlayer) const {
    std::size_t target = current_ + 1;
    if (target >= steps_.size()) return std::nullopt;
    while (passedOver(target, onePlayer)) ++target;
    return target;
}

std::size_t History::listTarget(std::size_t index, bool onePlayer) const {
    if (index == 0 || !passedOver(index, onePlayer)) return index;
    const bool back = index < current_;
    while (index > 0 && passedOver(index, onePlayer)) back ? --index : ++index;
    return index;
}

std::vector<Square> History::moves() const {
    std::vector<Square> squares;
    for (const Step& step : steps_)
        if (step.kind == StepKind::Move) squares.push_back(step.square);
    return squares;
}

int History::movesAtCursor() const {
    int made = 0;
    for (std::size_t i = 1; i <= current_ && i < steps_.size(); ++i)
        made += steps_[i].kind == StepKind::Move;
    return made;
}

std::size_t History::stepAfterMoves(int movesMade) const {
    std::size_t found = 0;
    int made = 0;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        made += steps_[i].kind == StepKind::Move;
        if (made == movesMade) found = i;
        if (made > movesMade) break;
    }
    return found;
}

bool History::personMoveUnanswered() const {
    return started() && current_ + 1 == steps_.size() && isPersonMove(steps_[current_]);
}

std::optional<Square> History::lastMove() const {
    if (!started()) return std::nullopt;
    for (std::size_t i = current_;; --i) {
        if (steps_[i].kind == StepKind::Move) return steps_[i].square;
        if (i == 0) return std::nullopt;
    }
}

}  // namespace marvane
