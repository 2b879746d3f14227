// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a record's moves, and Game::replay, which plays an accepted record as the game on the
// board.
#include "engine/replay.h"

#include <algorithm>

#include "engine/game.h"
#include "engine/game_scopes.h"
#include "engine/unseenview.h"

namespace marvane {

namespace {

std::string countsText(RecordResult counts) {
    return std::to_string(counts.first) + "-" + std::to_string(counts.second);
}

}  // namespace

ReplayOutcome checkMoves(ColourCode c1, ColourCode c2, std::span<const Square> moves,
                         const StartPosition* start, GameRules rules, Orientation orientation) {
    ReplayOutcome outcome;
    UnseenView view;
    Game game(view, [] { return std::int64_t{0}; });
    game.setColours(c1, c2);
    game.setPlayerCount(2);
    game.setRules(rules);
    const auto named = [orientation](Square square) {
        if (orientation == Orientation::Ours) return squareName(square);
        return squareName(mirrored(square)) + ", " + squareName(square) + " here";
    };
    if (start)
        game.startFrom(*start);
    else
        game.newGame();
    int number = 0;
    for (const Square& move : moves) {
        ++number;
        const ColourCode mover = game.state().ToPlay;
        const std::vector<MessageArg> which = {std::to_string(number), mover, named(move)};
        const auto legal = game.legalSquares();
        if (!onBoard(move.row, move.column)) {
            outcome.error = {MessageId::MoveOffBoard, which};
        } else if (legal.empty() || game.state().over()) {
            outcome.error = {MessageId::MoveWithNoLegalSquare, which};
        } else if (game.board(move.row, move.column) != 0) {
            outcome.error = {MessageId::MoveOnTakenSquare, which};
        } else if (std::find(legal.begin(), legal.end(), move) == legal.end()) {
            std::vector<MessageArg> args = which;
            args.emplace_back(game.state().Opponent);
            outcome.error = {MessageId::MoveClosesNoLine, std::move(args)};
            if (std::find(legal.begin(), legal.end(), mirrored(move)) != legal.end())
                outcome.error.then({MessageId::MirrorImageLegal, {named(mirrored(move))}});
        }
        if (!outcome.ok()) {
            outcome.moveNumber = number;
            return outcome;
        }
        game.pressSquare(move.row, move.column);
    }
    outcome.counts = game.counters();
    return outcome;
}

ReplayOutcome checkRecord(ColourScheme colours, const GameRecord& record, GameRules rules) {
    if (record.start) {
        if (Reason problem = startPositionProblem(*record.start); !problem.empty())
            return {Reason(MessageId::StartCannotOccur).then(problem), 0, {}};
    }
    ReplayOutcome outcome = checkMoves(colours.c1, colours.c2, record.moves,
                                       record.start ? &*record.start : nullptr, rules,
                                       record.orientation);
    if (outcome.ok() && record.result && *record.result != outcome.counts) {
        outcome.error = {MessageId::ResultMismatch,
                         {countsText(*record.result), countsText(outcome.counts)}};
    }
    return outcome;
}

RulesChoice chooseRules(ColourScheme colours, const GameRecord& record, GameRules preferred) {
    if (record.rules) return {*record.rules, checkRecord(colours, record, *record.rules)};
    const GameRules other = preferred == GameRules::Marvane ? GameRules::Standard : GameRules::Marvane;
    RulesChoice first{preferred, checkRecord(colours, record, preferred)};
    if (first.outcome.ok()) return first;
    RulesChoice second{other, checkRecord(colours, record, other)};
    if (second.outcome.ok()) return second;
    return first.rules == GameRules::Marvane ? first : second;
}

ReplayOutcome Game::replay(const GameRecord& record, std::optional<Message> message) {
    if (autoplaying_) return {MessageId::ReplayDuringAutoplay, 0, {}};
    const ColourScheme colours = isColourPair(record.c1, record.c2)
                                     ? ColourScheme{record.c1, record.c2}
                                     : usableColours(state_.C1, state_.C2);
    RulesChoice choice = chooseRules(colours, record, rules_);
    if (choice.outcome.ok()) {
        // A game that needed passes without saying so is told apart from the one on the board.
        if (choice.rules == GameRules::Standard && rules_ == GameRules::Marvane && !record.rules)
            message = Message{MessageId::StandardRulesGame, {}};
        run(Command::Replay,
            [this, record, colours, rules = choice.rules, message = std::move(message)] {
                replayChecked(record, colours, rules, message);
            });
    }
    return choice.outcome;
}

void Game::replayChecked(const GameRecord& record, ColourScheme colours, GameRules rules,
                         const std::optional<Message>& message) {
    MoveScope scope(*this);
    // The reply owed to the game being replaced is for a position that is gone.
    cancelReply();
    ++rewinds_;
    quiet_ = true;
    if (record.players == 1 || record.players == 2) applyPlayerCount(record.players);
    if (record.easyLevel) applyEasyLevel(*record.easyLevel);
    state_.C1 = colours.c1;
    state_.C2 = colours.c2;
    rules_ = rules;
    if (record.start)
        startFrom(*record.start);
    else
        startGame();
    if (message) {
        show(Box::MessageBox, *message);
        history_.start(position());
    }
    // Against the computer the person plays the first colour: the second colour's moves were the
    // computer's replies, and undo takes them back with the move they answered.
    const bool onePlayer = state_.PlayerCount == 1;
    for (const Square& move : record.moves) {
        const Actor actor =
            onePlayer && state_.ToPlay == state_.C2 ? Actor::Computer : Actor::Person;
        playSquare(move.row, move.column, actor);
    }
    // A full board announces itself. Any other end was a side found without a legal square, or
    // "finish", and is reached the same way.
    if (record.result && !state_.over()) {
        // Under standard rules the game ends by itself when neither side can move: an earlier
        // end was "finish".
        const bool stuck = rules_ == GameRules::Marvane && legalSquares().empty();
        StepRecord step(*this, Actor::Person, stuck ? StepKind::GameEnd : StepKind::Finish);
        endGame();
    }
    quiet_ = false;
    if (replyOwed()) armReply();
}

}  // namespace marvane
