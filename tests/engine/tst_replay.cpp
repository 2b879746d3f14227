// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "engine/game.h"
#include "engine/replay.h"
#include "tests/engine/recordingview.h"

namespace marvane::test {
namespace {

std::vector<Square> legalSquares(Game& game) {
    std::vector<Square> out;
    if (!GameTesting::findLegalMoves(game)) return out;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            if (game.moveValue(r, c) > 0) out.push_back({r, c});
    return out;
}

// Presses random legal squares, as two people would, for up to `limit` moves; when the side to
// play has none left, one more press ends the game. Returns the squares played.
std::vector<Square> playRandomly(Game& game, std::mt19937& random, int limit = 60) {
    std::vector<Square> moves;
    while (static_cast<int>(moves.size()) < limit) {
        const auto legal = legalSquares(game);
        if (legal.empty()) {
            game.pressSquare(1, 1);
            break;
        }
        const Square square = legal[random() % legal.size()];
        game.pressSquare(square.row, square.column);
        moves.push_back(square);
    }
    return moves;
}

bool ended(const Game& game) { return game.state().MovesMade == 60 || game.state().GameOver; }

RecordResult counts(const Game& game) {
    RecordResult result;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            result.first += game.board(r, c) == game.state().C1;
            result.second += game.board(r, c) == game.state().C2;
        }
    return result;
}

GameRecord recordOf(const Game& game, std::vector<Square> moves) {
    GameRecord record;
    record.c1 = game.state().C1;
    record.c2 = game.state().C2;
    record.players = 2;
    if (ended(game)) record.result = counts(game);
    record.moves = std::move(moves);
    return record;
}

// Everything a person sees of a game, and the state behind it.
void expectSameView(const Game& a, const RecordingView& aView, const Game& b,
                    const RecordingView& bView, const std::string& context) {
    for (int box = 0; box < 9; ++box)
        EXPECT_EQ(aView.boxes[box], bView.boxes[box])
            << context << ": box " << RecordingView::boxName(static_cast<Box>(box));
    EXPECT_EQ(aView.goBoxVisible, bView.goBoxVisible) << context;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            ASSERT_EQ(a.board(r, c), b.board(r, c)) << context << " at " << r << "," << c;
    EXPECT_EQ(a.state().MovesMade, b.state().MovesMade) << context;
    EXPECT_EQ(a.state().ToPlay, b.state().ToPlay) << context;
    EXPECT_EQ(ended(a), ended(b)) << context;
}

class Replay : public GameTest {
protected:
    // A second game, the one records are replayed into, part-way through a game of its own.
    Replay() : target(targetView, [] { return std::int64_t{0}; }) {
        target.setColours(1, 2);
        target.setPlayerCount(2);
        target.newGame();
        std::mt19937 random(99);
        playRandomly(target, random, 9);
        targetView.log.clear();
    }
    // Replays a record that must be refused, and checks that the target game and its view
    // have not changed at all.
    ReplayOutcome replayRefused(const GameRecord& record) {
        Grid<ColourCode> before;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) before.cell(r, c) = target.board(r, c);
        const GameState state = target.state();
        targetView.log.clear();
        const auto outcome = target.replay(record);
        EXPECT_FALSE(outcome.ok());
        EXPECT_TRUE(targetView.log.empty()) << "first request: " << targetView.log.front();
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) EXPECT_EQ(target.board(r, c), before.cell(r, c));
        EXPECT_EQ(target.state().MovesMade, state.MovesMade);
        EXPECT_EQ(target.state().ToPlay, state.ToPlay);
        EXPECT_EQ(target.state().C1, state.C1);
        return outcome;
    }
    RecordingView targetView;
    Game target;
};

TEST_F(Replay, SavedAndOpenedRandomGamesShowExactlyWhatWasPlayed) {
    std::mt19937 random(2026);
    target.setPlayerCount(1);  // the record's mode replaces it
    int endedGames = 0;
    for (int round = 0; round < 150; ++round) {
        game.setColours(ColourSchemes[round % 3].c1, ColourSchemes[round % 3].c2);
        game.newGame();
        auto moves = playRandomly(game, random, round % 4 == 0 ? 1 + random() % 59 : 60);
        if (round % 5 == 1) game.finish();
        endedGames += ended(game);

        const auto read = readRecord(writeRecord(recordOf(game, moves)));
        ASSERT_TRUE(read.ok()) << read.error.text();
        targetView.log.clear();
        targetView.armed = false;
        const auto outcome = target.replay(read.record);
        ASSERT_TRUE(outcome.ok()) << "round " << round << ": " << outcome.error.text();
        EXPECT_EQ(target.state().PlayerCount, 2);
        expectSameView(game, view, target, targetView, "round " + std::to_string(round));
        EXPECT_FALSE(targetView.armed) << "a two-player game owes no computer reply";
        EXPECT_TRUE(targetView.sounds().empty()) << targetView.sounds().front();
    }
    EXPECT_GT(endedGames, 50);
}

TEST_F(Replay, CopiedAndPastedTranscriptsGiveTheSameBoard) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        game.newGame();
        const auto moves = playRandomly(game, random, 1 + random() % 60);
        const auto read = readRecord(writeTranscript(moves));
        ASSERT_TRUE(read.ok()) << read.error.text();
        ASSERT_TRUE(target.replay(read.record).ok());
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) ASSERT_EQ(target.board(r, c), game.board(r, c));
        EXPECT_EQ(target.state().MovesMade, game.state().MovesMade);
    }
}

TEST_F(Replay, AnOccupiedOrCapturelessSquareAtMoveTwentyThreeIsNamedAndChangesNothing) {
    std::mt19937 random(23);
    std::vector<Square> moves;
    while (moves.size() < 30) {
        game.newGame();
        moves = playRandomly(game, random, 30);
    }
    auto record = recordOf(game, moves);
    record.moves[22] = record.moves[3];  // taken since move 4
    auto outcome = replayRefused(record);
    EXPECT_EQ(outcome.moveNumber, 23);
    EXPECT_EQ(outcome.error.text(), "Move 23, White " + squareName(moves[3]) +
                                 ", is not legal: the square is already taken.");

    // An empty square that closes off nothing: a corner far from the centre, early on.
    record.moves = {moves.begin(), moves.begin() + 2};
    record.moves.push_back({1, 1});
    record.result.reset();
    outcome = replayRefused(record);
    EXPECT_EQ(outcome.moveNumber, 3);
    EXPECT_EQ(outcome.error.text(),
              "Move 3, White a1, is not legal: it closes off no line of Black "
              "counters.");
}

// A board of its own with standard rules, written apart from the game: 1 moves first, 2 second.
struct ReferenceGame {
    Grid<int> board;
    int toPlay = 1;
    int passes = 0;
    ReferenceGame() {
        board.cell(4, 4) = board.cell(5, 5) = 1;
        board.cell(4, 5) = board.cell(5, 4) = 2;
    }
    int flips(int row, int column, int side, bool play) {
        if (board.cell(row, column) != 0) return 0;
        int total = 0;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                int r = row + dr, c = column + dc, n = 0;
                while (onBoard(r, c) && board.cell(r, c) == 3 - side) r += dr, c += dc, ++n;
                if (n == 0 || !onBoard(r, c) || board.cell(r, c) != side) continue;
                total += n;
                for (int k = 1; play && k <= n; ++k) board.cell(row + k * dr, column + k * dc) = side;
            }
        if (play && total > 0) board.cell(row, column) = side;
        return total;
    }
    std::vector<Square> legal(int side) {
        std::vector<Square> out;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                if (flips(r, c, side, false) > 0) out.push_back({r, c});
        return out;
    }
    int count(int side) const {
        int n = 0;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) n += board.cell(r, c) == side;
        return n;
    }
};

// Plays random standard games until one has a pass; its moves, and the game at its end.
std::pair<std::vector<Square>, ReferenceGame> standardGameWithAPass(std::mt19937& random) {
    for (;;) {
        ReferenceGame game;
        std::vector<Square> moves;
        for (;;) {
            auto legal = game.legal(game.toPlay);
            if (legal.empty()) {
                if (game.legal(3 - game.toPlay).empty()) break;
                ++game.passes;
                game.toPlay = 3 - game.toPlay;
                continue;
            }
            const Square square = legal[random() % legal.size()];
            game.flips(square.row, square.column, game.toPlay, true);
            moves.push_back(square);
            game.toPlay = 3 - game.toPlay;
        }
        if (game.passes > 0) return {moves, game};
    }
}

// Faults: a transcript that needs a pass refused as Marvane's rules refuse it; a pass made at
// the wrong time or not at all (the end differs from the independent count); passes not kept
// as steps; a refusal naming the square the game uses instead of the one written.
TEST_F(Replay, ATranscriptThatNeedsPassesOpensUnderStandardRulesAndEndsAsCounted) {
    std::mt19937 random(5);
    for (int round = 0; round < 5; ++round) {
        const auto [moves, reference] = standardGameWithAPass(random);
        // As other programs write it: the usual orientation, passes left out.
        const auto read = readRecord(writeTranscript(mirroredMoves(moves)));
        ASSERT_TRUE(read.ok()) << read.error.text();
        EXPECT_FALSE(read.record.rules.has_value());
        const auto outcome = target.replay(read.record);
        ASSERT_TRUE(outcome.ok()) << outcome.error.text();
        EXPECT_EQ(target.rules(), GameRules::Standard);
        EXPECT_TRUE(target.state().over());
        EXPECT_EQ(target.counters(), (RecordResult{reference.count(1), reference.count(2)}));
        const auto& steps = target.history().steps();
        EXPECT_EQ(std::count_if(steps.begin(), steps.end(),
                                [](const Step& step) { return step.kind == StepKind::Pass; }),
                  reference.passes);
        EXPECT_EQ(boxText(steps.front().after.texts[static_cast<int>(Box::MessageBox)]),
                  "Standard rules: a side with no legal square passes.");

        // The last move put on a taken square: illegal under both rules, refused by Marvane's at
        // the first move that needs a pass, its square named as written and as the game names it.
        auto spoiled = moves;
        spoiled.back() = moves.front();
        const auto refused =
            replayRefused(readRecord(writeTranscript(mirroredMoves(spoiled))).record);
        ASSERT_GT(refused.moveNumber, 0);
        const Square at = spoiled[static_cast<std::size_t>(refused.moveNumber - 1)];
        EXPECT_NE(refused.error.text().find(squareName(mirrored(at)) + ", " + squareName(at) +
                                            " here"),
                  std::string::npos)
            << refused.error.text();
        EXPECT_NE(refused.error.text().find("this game has no passing"), std::string::npos)
            << "the refusal is Marvane's own: " << refused.error.text();
        target.setRules(GameRules::Marvane);
    }
}

TEST_F(Replay, AResultThatDoesNotMatchTheMovesIsRefused) {
    std::mt19937 random(1);
    const auto moves = playRandomly(game, random);
    auto record = recordOf(game, moves);
    ASSERT_TRUE(record.result);
    const RecordResult real = *record.result;
    record.result = RecordResult{real.second, real.first + (real.first == real.second)};
    const auto outcome = replayRefused(record);
    EXPECT_EQ(outcome.error.text(),
              "The result " + std::to_string(record.result->first) + "-" +
                  std::to_string(record.result->second) + " does not match the moves, which end " +
                  std::to_string(real.first) + "-" + std::to_string(real.second) + ".");
}

TEST_F(Replay, TheRecordsColoursReplaceTheGamesOwnAndABareTranscriptKeepsThem) {
    GameRecord record;
    record.c1 = 5;
    record.c2 = 6;
    record.moves = {{3, 5}};
    ASSERT_TRUE(target.replay(record).ok());
    EXPECT_EQ(targetView.box(Box::C1Lab), "Cyan");
    EXPECT_EQ(target.board(3, 5), 5);
    EXPECT_EQ(targetView.box(Box::GoBox), "Yellow");

    record.c1 = record.c2 = 0;
    ASSERT_TRUE(target.replay(record).ok());
    EXPECT_EQ(target.board(3, 5), 5) << "a bare transcript keeps the colours in play";
}

// A one-player record: the person played the first colour, the computer the second.
// Faults: a one-player game opened where the computer's side is to play never moving, and undo
// back to that start leaving the computer stuck the same way.
TEST_F(Replay, TheComputerRepliesFromAStartWhereItsSideIsToPlay) {
    GameRecord record;
    record.players = 1;
    record.start = standardStart();
    record.start->firstToPlay = false;
    record.start->cells.cell(3, 5) = Counter::First;  // e3 played: the second colour to play
    record.start->cells.cell(4, 5) = Counter::First;
    targetView.armed = false;
    ASSERT_TRUE(target.replay(record).ok());
    EXPECT_TRUE(targetView.armed);
    EXPECT_TRUE(target.replyPending());
    target.computerTurn();
    EXPECT_EQ(target.state().MovesMade, 2);
    EXPECT_EQ(target.state().ToPlay, target.state().C1);
    EXPECT_FALSE(target.replyPending());
    const auto legal = target.legalSquares();
    target.pressSquare(legal.front().row, legal.front().column);
    target.computerTurn();
    ASSERT_EQ(target.state().MovesMade, 4);
    targetView.armed = false;
    target.undo();  // the person's move and its reply
    EXPECT_EQ(target.state().MovesMade, 2);
    EXPECT_FALSE(targetView.armed);
    target.undo();  // back to the start: the computer's side is to play again
    EXPECT_EQ(target.state().MovesMade, 1);
    EXPECT_TRUE(targetView.armed);
    target.computerTurn();
    EXPECT_EQ(target.state().MovesMade, 2);
}

TEST_F(Replay, AOnePlayerRecordOwesAReplyOnlyWhenItsLastMoveWasThePersonsAndCallsOffTheOldOne) {
    std::mt19937 random(11);
    const auto moves = playRandomly(game, random, 12);
    ASSERT_EQ(moves.size(), 12u);
    // The game on the board waits for the computer's reply; the delay may even have run out.
    target.setPlayerCount(1);
    const auto legal = target.legalSquares();
    target.pressSquare(legal.front().row, legal.front().column);
    ASSERT_TRUE(targetView.armed);
    const struct {
        std::size_t moves;
        int players;
        bool owed;
    } cases[] = {{7, 1, true}, {8, 1, false}, {7, 2, false}, {0, 1, false}};
    for (const auto& c : cases) {
        GameRecord record;
        record.players = c.players;
        record.moves.assign(moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(c.moves));
        targetView.armed = true;
        ASSERT_TRUE(target.replay(record).ok());
        EXPECT_EQ(targetView.armed, c.owed) << c.moves << " moves, " << c.players << " players";
        EXPECT_EQ(target.replyPending(), c.owed);
        EXPECT_EQ(target.state().MovesMade, static_cast<int>(c.moves));
    }
    // Undo takes the computer's replies back with the moves they answered, as in a game played
    // against the computer: it lands on the person's turns only.
    GameRecord record;
    record.players = 1;
    record.moves = moves;
    ASSERT_TRUE(target.replay(record).ok());
    for (int expected : {10, 8, 6}) {
        target.undo();
        EXPECT_EQ(target.state().MovesMade, expected);
        EXPECT_EQ(target.state().ToPlay, target.state().C1);
    }
}

TEST_F(Replay, AnEndedRecordEndsTheWayTheRulesEndAGame) {
    std::mt19937 random(3);
    // Finished early with squares left for the side to play, and played until a side was stuck.
    for (const bool finishedEarly : {true, false}) {
        game.newGame();
        const auto moves = playRandomly(game, random, finishedEarly ? 20 : 60);
        if (finishedEarly) game.finish();
        if (game.state().MovesMade == kMaxMoves) continue;  // a full board ends by itself
        ASSERT_TRUE(target.replay(recordOf(game, moves)).ok());
        const Step& last = target.history().steps().back();
        EXPECT_EQ(last.kind, finishedEarly ? StepKind::Finish : StepKind::GameEnd);
        EXPECT_EQ(target.history().moves(), moves) << "no square played to end the game";
        EXPECT_EQ(targetView.box(Box::MessageBox), view.box(Box::MessageBox));
    }
}

// Faults caught: the mirror swaps rows instead of columns, a usual-orientation file or bare
// transcript is replayed without mirroring, or the file does not say which way it is written.
TEST_F(Replay, GamesWrittenInTheUsualOrientationReplayAsTheSameGame) {
    std::mt19937 random(44);
    for (int round = 0; round < 40; ++round) {
        game.newGame();
        const auto moves = playRandomly(game, random, 1 + random() % 60);
        GameRecord record = recordOf(game, moves);
        record.orientation = Orientation::Usual;
        const std::string file = writeRecord(record);
        ASSERT_NE(file.find("[Orientation \"Usual\"]"), std::string::npos) << file;
        const std::string context = "round " + std::to_string(round);
        for (const std::string& text : {file, writeTranscript(mirroredMoves(moves))}) {
            const auto read = readRecord(text);
            ASSERT_TRUE(read.ok()) << context << ": " << read.error.text();
            EXPECT_EQ(read.record.orientation, Orientation::Usual) << context;
            EXPECT_EQ(read.record.moves, moves) << context;
            ASSERT_TRUE(target.replay(read.record).ok()) << context;
            expectSameView(game, view, target, targetView, context);
        }
    }
}

// Fault caught: a transcript that changes orientation part-way, or whose header contradicts its
// first move, is replayed as something else or refused without saying why.
TEST_F(Replay, ATranscriptMixingBothOrientationsIsRefusedSayingSo) {
    std::mt19937 random(3);
    const auto moves = playRandomly(game, random, 30);
    const auto usualStart = mirroredMoves(std::span(moves).first(4));
    const std::string mixed =
        writeTranscript(usualStart) + " " + writeTranscript(std::span(moves).subspan(4));
    const std::string header = "[Orientation \"Marvane\"]\n\n" + writeTranscript(usualStart);
    for (const std::string& text : {mixed, header}) {
        const auto read = readRecord(text);
        const std::string error = read.ok() ? replayRefused(read.record).error.text() : read.error.text();
        EXPECT_NE(error.find("mix"), std::string::npos) << text << ": " << error;
    }
}

// Faults caught: the game starts from the standard start instead, counts the moves from 0 (so a
// full board is missed), ignores the second colour to play, or lets undo go before the position.
TEST_F(Replay, AGameFromAPositionPlaysOnLikeTheGameItWasTakenFromAndUndoStopsThere) {
    std::mt19937 random(17);
    for (int round = 0; round < 20; ++round) {
        game.newGame();
        playRandomly(game, random, 5 + round * 2);
        // A position whose side to play is stuck has no move to play on with.
        if (ended(game) || legalSquares(game).empty()) continue;
        const StartPosition start = startPositionOf(game.position().board, game.state().ToPlay,
                                                    game.state().C1, game.state().C2);
        GameRecord record;
        record.start = start;
        const std::string context = "round " + std::to_string(round);
        ASSERT_TRUE(target.replay(record).ok()) << context;
        EXPECT_EQ(target.state().MovesMade, game.state().MovesMade) << context;
        EXPECT_EQ(target.state().ToPlay, game.state().ToPlay) << context;
        EXPECT_FALSE(target.canUndo()) << context;
        // The rest of the game, pressed on both boards.
        std::mt19937 rest(round);
        while (!ended(game)) {
            const auto legal = legalSquares(game);
            const Square square = legal.empty() ? Square{1, 1} : legal[rest() % legal.size()];
            game.pressSquare(square.row, square.column);
            target.pressSquare(square.row, square.column);
        }
        expectSameView(game, view, target, targetView, context);
        while (target.canUndo()) target.undo();
        EXPECT_EQ(startPositionOf(target.position().board, target.state().ToPlay, 1, 2), start)
            << context;
    }
}

}  // namespace
}  // namespace marvane::test
