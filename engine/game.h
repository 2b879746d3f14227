// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/gameview.h"
#include "engine/history.h"
#include "engine/randomsquare.h"
#include "engine/replay.h"
#include "engine/transcript.h"
#include "engine/types.h"

namespace marvane {

// The whole-game values, in their traditional order.
struct GameState {
    std::int32_t MovesMade = 0;
    ColourCode ToPlay = 0;
    ColourCode C1 = 0;
    ColourCode C2 = 0;
    ColourCode Opponent = 0;
    std::int32_t LinesCaptured = 0;
    std::int32_t PlayerCount = 0;
    std::uint8_t GameOver = 0;
    std::uint8_t EasyLevel = 1;

    bool over() const { return gameIsOver(MovesMade, GameOver); }
};

// The game: board, capture marks, move values and game state, the move rules, the scores, the
// computer player, its history, and the guard that keeps moves from nesting.
//
// Working out a move lets the window process its events (so it repaints and its timers run), and
// any handler may then run inside the move. The guard lives here, in the commands, so no caller
// can forget it. What each command does when it arrives while a move is being worked out, or
// while Autoplay runs, is decided in one table (Game::ruleFor in game.cpp):
//
//   command               during a move            during Autoplay
//   press on the board    dropped                  played for the side to play
//   computer turn         runs right after it      played (it is what Autoplay waits for)
//     (with a square)     (the square is checked when the turn runs, not when it was asked)
//   new game, colours     run right after it       run: Autoplay plays on in the new game
//   finish                runs right after it      runs: the game ends, and Autoplay with it
//   Autoplay              runs right after it      refused: it is running already
//   undo, redo, step to   run right after it       refused
//   replay of a record    runs right after it      refused
//     (a start position, pasted or from a file, is a record without moves)
//
// Before the first new game there are no sides: a press, a computer turn, "finish" and Autoplay
// do nothing. Nothing runs nested and nothing queued is lost. Only Game writes the game's state.
// A command that runs tells the view when it is done (GameView::stepEnded), so the window
// follows the game once per step and not once per box.
class Game {
public:
    // Rows and columns are 1..8 throughout.
    explicit Game(GameView& view, std::function<std::int64_t()> elapsedMs = nullptr);

    // --- What the game looks like (read only) ---

    const GameState& state() const { return state_; }
    ColourCode board(int row, int column) const { return board_.cell(row, column); }
    bool marked(int row, int column) const { return marks_.cell(row, column) != 0; }
    std::int32_t moveValue(int row, int column) const { return values_.cell(row, column); }
    const RandomSquare& randomSquare() const { return random_; }
    bool moveInProgress() const { return depth_ > 0; }
    // The rules the game is played by (Marvane's own unless set).
    GameRules rules() const { return rules_; }
    bool autoplaying() const { return autoplaying_; }
    // The steps of this game so far, and whether undo and redo would do anything now.
    const History& history() const { return history_; }
    bool canUndo() const;
    bool canRedo() const;
    std::optional<Square> lastMove() const { return history_.lastMove(); }
    // The squares where the side to play may place a counter now.
    std::vector<Square> legalSquares() const;
    // What the player sees now, with the game values behind it.
    Position position() const;
    // The counters of the first colour (C1) and of the second (C2) on the board.
    RecordResult counters() const;
    // The computer's reply is on its way: the response delay runs, or it has run out and the
    // computer's turn waits for the move in progress.
    bool replyPending() const { return replyPending_; }
    // A person is to place a counter: the game goes on, and the computer is not about to play.
    bool personToPlay() const;

    // --- Commands (each one a complete action, each guarded) ---

    // A press on the board's square (the human turn).
    void pressSquare(int row, int column);
    // The response delay has expired: one computer turn. At the Hard level `chosen`, when given,
    // is the square to play instead of the designed choice (the window's Expert Hard works it
    // out beside the game). It is checked when the turn runs: a square that is not legal in the
    // position then (the game moved on meanwhile) is not played, and the designed choice plays
    // instead, so the computer never skips a turn it owes. Easy ignores it: Easy is as designed.
    void computerTurn(std::optional<Square> chosen = std::nullopt);
    // Starts a new game on the current colours.
    void newGame();
    // The rules of the games to come. A change of rules starts a new game (once there is one).
    void setRules(GameRules rules);
    // The colours of the next new game, `c1` moving first; a pair the board cannot show is
    // refused.
    void setColours(ColourCode c1, ColourCode c2);
    // "finish": declares the game over and shows the result.
    void finish();
    // The computer plays both sides until the game ends (or the window closes).
    void autoplay();
    // One or two players, and the computer's level. These apply at once, even inside a move: a
    // move reads them only as it ends (to arm the computer's reply) or before it starts (to pick
    // the computer's way of choosing). The view is told, so its buttons follow. Like every
    // command, each ends its step (GameView::stepEnded).
    void setPlayerCount(int count);
    void setEasyLevel(bool easy);

    // Takes back the last step, and against the computer its reply together with the move it
    // answered; cancels a computer reply that is still waiting. Redo replays what was undone.
    // Both show the position exactly as it was, without sounds.
    void undo();
    void redo();
    // Undo or redo to step `index` of history().steps() (0 is the start of the game); against
    // the computer it lands where History::listTarget says.
    void goToStep(std::size_t index);

    // Replays a record as the game on the board: its moves are checked first, on a game of
    // their own, and a record that is refused leaves this game exactly as it was. An accepted
    // one becomes a new game in the record's colours (the game's own when it names none), with
    // its players and level where it names them, played through without a sound and without
    // letting events run, and ended the way the rules end a game when the record says it had
    // ended. A computer reply owed to the game on the board is called off; one is asked for only
    // when the record's own game owes it. Refused while Autoplay runs. A record with a start
    // position starts there: the history begins with it, so undo stops there. `message`, when
    // given, is shown in the message box in place of the start's prompt. The game takes on the
    // record's rules (chooseRules); a record that needed standard rules without naming them
    // says so in the message box.
    ReplayOutcome replay(const GameRecord& record, std::optional<Message> message = std::nullopt);

    // Runs `action` now, or, while a move is in progress, as soon as it has finished. For what
    // must not happen inside a move although it is no game command (closing the window).
    void whenIdle(std::function<void()> action);
    // Drops every queued action (the window has closed: nothing after that may run).
    void discardQueued() { queued_.clear(); }

private:
    class MoveScope;
    class StepRecord;
    enum class Command {
        Press,
        ComputerTurn,
        NewGame,
        Colours,
        Rules,
        Finish,
        Autoplay,
        Undo,
        Redo,
        Step,
        Replay
    };
    struct Rule;
    // Tests and benchmarks reach the single rules and odd positions (59 moves made, say).
    friend struct GameTesting;
    // Checks a record's moves on a game of its own, which may start from a position.
    friend ReplayOutcome checkMoves(ColourCode, ColourCode, std::span<const Square>,
                                    const StartPosition*, GameRules, Orientation);

    static Rule ruleFor(Command command);
    // Runs `action` as `command`, as the table above says.
    void run(Command command, std::function<void()> action);

    // The rules, one operation each; the commands are built from them.
    bool tryMove(int row, int column);
    int scanLine(int row, int column, int rowStep, int colStep);
    // Fills the move values for the side to play; true when it has a legal square.
    bool findLegalMoves();
    void flipMarked();
    void clearMarks();
    void showScores();
    bool chooseBestSquare(int& row, int& column);
    void computerMove(std::optional<Square> chosen);
    // Under standard rules, after a counter was placed (or at a start): the side to play passes
    // when it has no legal square and the other side has one, and the game ends when neither has.
    void settleTurn();
    // Against the computer, the computer's side (the second colour) is to play.
    bool computerSideToPlay() const;
    // One turn on the square, as `actor`: true when a counter was placed.
    bool playSquare(int row, int column, Actor actor);
    // Sets the square's counter through the view and records it in the board.
    void drawCounter(int row, int column, ColourCode colour);

    // The players and the level as a command sets them, without ending a step.
    void applyPlayerCount(int count);
    void applyEasyLevel(bool easy);

    // Writes the box ({} empties it) and keeps what it shows for the history.
    void show(Box box, BoxText text);
    void showGoBox(bool visible);
    void sound(Sound sound);
    void letEventsRun();
    void armReply();
    void cancelReply();
    // Against the computer, the position shown is a person's move the computer has not answered,
    // or the computer's side is to play.
    bool replyOwed() const;
    void startGame();
    // A new game from `start` in the current colours, its history beginning there.
    void startFrom(const StartPosition& start);
    void endGame();
    void showPosition(std::size_t index);
    void replayChecked(const GameRecord& record, ColourScheme colours, GameRules rules,
                       const std::optional<Message>& message);
    void runQueued();

    GameView& view_;
    RandomSquare random_;
    Grid<ColourCode> board_;
    Grid<std::uint8_t> marks_;
    Grid<std::int32_t> values_;
    GameState state_;
    int depth_ = 0;
    std::deque<std::function<void()>> queued_;
    std::array<BoxText, kBoxCount> shown_;  // what each box shows, as the game last wrote it
    bool goBoxShown_ = true;
    History history_;
    std::optional<Square> played_;  // the square the action in progress placed a counter on
    bool autoplaying_ = false;
    bool quiet_ = false;  // a record is being replayed: no sounds, no events
    bool replyPending_ = false;
    GameRules rules_ = GameRules::Marvane;
    // A pass made by the action in progress: the position right after the move that caused it,
    // and the colour that passed.
    std::optional<Position> beforePass_;
    ColourCode passer_ = 0;
    // Counts undos, redos and replays, so a computer turn queued before one of them knows its
    // position is gone and does not play into the new one.
    std::uint64_t rewinds_ = 0;
};

}  // namespace marvane
