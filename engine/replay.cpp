#include "engine/replay.h"

#include "engine/unseenview.h"

namespace marvane {

namespace {

std::string name(ColourCode colour) { return std::string(ColourNames[colour]); }

std::string countsText(RecordResult counts) {
    return std::to_string(counts.first) + "-" + std::to_string(counts.second);
}

}  // namespace

RecordResult countersOf(const Game& game) {
    RecordResult counts;
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            counts.first += game.board(row, column) == game.state().C1;
            counts.second += game.board(row, column) == game.state().C2;
        }
    }
    return counts;
}

ReplayOutcome checkMoves(ColourCode c1, ColourCode c2, std::span<const Square> moves) {
    ReplayOutcome outcome;
    UnseenView view;
    Game game(view, [] { return std::int64_t{0}; });
    game.setColours(c1, c2);
    game.setPlayerCount(2);
    game.newGame();
    int number = 0;
    for (const Square& move : moves) {
        ++number;
        const ColourCode mover = game.state().ToPlay;
        const std::string which =
            "Move " + std::to_string(number) + ", " + name(mover) + " " + squareName(move) + ", ";
        const bool onBoard = move.row >= 1 && move.row <= kBoardSize && move.column >= 1 &&
                             move.column <= kBoardSize;
        if (!onBoard) {
            outcome.error = which + "is not a square of the board.";
        } else if (!game.findLegalMoves()) {
            outcome.error = which + "cannot be played: " + name(mover) +
                            " has no legal square, and this game has no passing.";
        } else if (game.board(move.row, move.column) != 0) {
            outcome.error = which + "is not legal: the square is already taken.";
        } else if (!game.tryMove(move.row, move.column)) {
            outcome.error = which + "is not legal: it closes off no line of " +
                            name(game.state().Opponent) + " counters.";
        }
        if (!outcome.ok()) {
            outcome.moveNumber = number;
            return outcome;
        }
    }
    outcome.counts = countersOf(game);
    return outcome;
}

ReplayOutcome replayRecord(Game& game, const GameRecord& record) {
    ColourCode c1 = record.c1, c2 = record.c2;
    if (!isColourPair(c1, c2)) {
        c1 = game.state().C1;
        c2 = game.state().C2;
    }
    if (!isColourPair(c1, c2)) {
        c1 = ColourSchemes[0].c1;
        c2 = ColourSchemes[0].c2;
    }
    ReplayOutcome outcome = checkMoves(c1, c2, record.moves);
    if (!outcome.ok()) return outcome;
    if (record.result && *record.result != outcome.counts) {
        outcome.error = "The result " + countsText(*record.result) +
                        " does not match the moves, which end " + countsText(outcome.counts) + ".";
        return outcome;
    }

    // Played through the same commands as a person's presses, as a two-player game so that no
    // computer reply is asked for; the players' mode is the window's and is put back.
    const std::int32_t players = game.state().PlayerCount;
    game.setPlayerCount(2);
    game.setColours(c1, c2);
    game.newGame();
    for (const Square& move : record.moves) game.pressSquare(move.row, move.column);
    // A full board announces itself. Any other end came from a press that found no legal square
    // or from "finish", and is reached the same way.
    if (record.result && game.state().MovesMade != kMaxMoves) {
        if (game.findLegalMoves())
            game.finish();
        else
            game.pressSquare(1, 1);
    }
    game.setPlayerCount(players);
    return outcome;
}

}  // namespace marvane
