// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/game.h"

#include <chrono>
#include <utility>

#include "checks/expects.h"
#include "engine/game_scopes.h"
#include "engine/legalsquares.h"

namespace marvane {

namespace {

std::function<std::int64_t()> steadyClockSinceNow() {
    const auto start = std::chrono::steady_clock::now();
    return [start] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    };
}

}  // namespace

// Every command's rule for arriving while a move is worked out or while Autoplay runs; the table
// in game.h says the same in words.
struct Game::Rule {
    bool droppedDuringMove = false;  // else it waits for the move to finish
    bool refusedDuringAutoplay = false;
    // Does nothing before the first game has started: there are no sides yet to play.
    bool needsGame = false;
};

Game::Rule Game::ruleFor(Command command) {
    switch (command) {
        case Command::Press: return {true, false, true};
        case Command::ComputerTurn:
        case Command::Finish: return {false, false, true};
        case Command::NewGame:
        case Command::Colours:
        case Command::Rules: return {false, false};
        case Command::Autoplay: return {false, true, true};
        case Command::Undo:
        case Command::Redo:
        case Command::Step:
        case Command::Replay: return {false, true};
    }
    return {};
}

Game::Game(GameView& view, std::function<std::int64_t()> elapsedMs)
    : view_(view), random_(elapsedMs ? std::move(elapsedMs) : steadyClockSinceNow()) {}

void Game::run(Command command, std::function<void()> action) {
    const Rule rule = ruleFor(command);
    if (depth_ > 0 && rule.droppedDuringMove) return;
    // Autoplay is asked about when the command runs, since it may have started or ended while
    // the command waited for a move.
    whenIdle([this, rule, action = std::move(action)] {
        if (autoplaying_ && rule.refusedDuringAutoplay) return;
        if (rule.needsGame && !history_.started()) return;
        action();
        view_.stepEnded();
    });
}

void Game::whenIdle(std::function<void()> action) {
    if (depth_ > 0) {
        queued_.push_back(std::move(action));
        return;
    }
    action();
}

void Game::runQueued() {
    while (depth_ == 0 && !queued_.empty()) {
        auto action = std::move(queued_.front());
        queued_.pop_front();
        action();
    }
}

void Game::show(Box box, BoxText text) {
    BoxText& shown = shown_[static_cast<std::size_t>(box)];
    shown = std::move(text);
    view_.showText(box, shown);
}

void Game::showGoBox(bool visible) {
    goBoxShown_ = visible;
    view_.showGoBox(visible);
}

void Game::sound(Sound sound) {
    if (!quiet_) view_.requestSound(sound);
}

void Game::letEventsRun() {
    if (!quiet_) view_.processPendingEvents();
}

void Game::armReply() {
    replyPending_ = true;
    view_.armResponseDelay();
}

void Game::cancelReply() {
    replyPending_ = false;
    view_.cancelResponseDelay();
}

void Game::drawCounter(int row, int column, ColourCode colour) {
    view_.paintCounter(row, column, colour);
    board_.cell(row, column) = colour;
}

void Game::newGame() {
    run(Command::NewGame, [this] { startGame(); });
}

void Game::setRules(GameRules rules) {
    run(Command::Rules, [this, rules] {
        if (rules == rules_) return;
        rules_ = rules;
        if (history_.started()) {
            cancelReply();
            ++rewinds_;
            startGame();
        }
    });
}

void Game::setColours(ColourCode c1, ColourCode c2) {
    MARVANE_EXPECTS(isColourPair(c1, c2));
    if (!isColourPair(c1, c2)) return;
    // A move in progress passes the turn by the colours it started with.
    run(Command::Colours, [this, c1, c2] {
        state_.C1 = c1;
        state_.C2 = c2;
    });
}

void Game::startGame() {
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            board_.cell(row, column) = 0;
            marks_.cell(row, column) = 0;
            values_.cell(row, column) = 0;
            drawCounter(row, column, 0);
        }
    }
    drawCounter(4, 4, state_.C1);
    drawCounter(4, 5, state_.C2);
    drawCounter(5, 4, state_.C2);
    drawCounter(5, 5, state_.C1);
    state_.ToPlay = state_.C1;
    state_.Opponent = state_.C2;
    show(Box::MessageBox, Message{MessageId::PositionYourPiece, {}});
    showGoBox(true);
    show(Box::GoBox, NamedColour{state_.ToPlay});
    state_.MovesMade = 0;
    state_.GameOver = 0;
    show(Box::C1Lab, NamedColour{state_.C1});
    show(Box::c2lab, NamedColour{state_.C2});
    show(Box::MoveBox, {});
    show(Box::remain, kMaxMoves);
    show(Box::WhiteScore, {});
    show(Box::BlackScore, {});
    show(Box::Edit3, {});
    history_.start(position());
}

void Game::startFrom(const StartPosition& start) {
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            const Counter counter = start.cells.cell(row, column);
            marks_.cell(row, column) = 0;
            values_.cell(row, column) = 0;
            drawCounter(row, column,
                        counter == Counter::First    ? state_.C1
                        : counter == Counter::Second ? state_.C2
                                                     : 0);
        }
    }
    state_.ToPlay = start.firstToPlay ? state_.C1 : state_.C2;
    state_.Opponent = start.firstToPlay ? state_.C2 : state_.C1;
    const auto [count1, count2] = counters();
    // Counters are never taken off, so the moves made are the counters beyond the first four.
    state_.MovesMade = count1 + count2 - 4;
    state_.GameOver = 0;
    show(Box::MessageBox, Message{MessageId::PositionYourPiece, {}});
    showGoBox(true);
    show(Box::GoBox, NamedColour{state_.ToPlay});
    show(Box::C1Lab, NamedColour{state_.C1});
    show(Box::c2lab, NamedColour{state_.C2});
    show(Box::MoveBox, {});
    show(Box::Edit3, {});
    showScores();
    settleTurn();
    beforePass_.reset();
    history_.start(position());
}

void Game::settleTurn() {
    if (rules_ != GameRules::Standard || state_.over()) return;
    const BoxText& said = shown_[static_cast<std::size_t>(Box::MessageBox)];
    if (const auto* message = std::get_if<Message>(&said); message && message->id == MessageId::Passes)
        show(Box::MessageBox, Message{MessageId::PositionYourPiece, {}});
    if (!marvane::legalSquares(board_, state_.ToPlay, state_.Opponent).empty()) return;
    if (marvane::legalSquares(board_, state_.Opponent, state_.ToPlay).empty()) {
        endGame();
        return;
    }
    beforePass_ = position();
    passer_ = state_.ToPlay;
    std::swap(state_.ToPlay, state_.Opponent);
    show(Box::GoBox, NamedColour{state_.ToPlay});
    show(Box::MessageBox, Message{MessageId::Passes, {passer_}});
}

bool Game::computerSideToPlay() const {
    return state_.PlayerCount == 1 && !state_.over() && state_.ToPlay == state_.C2;
}

int Game::scanLine(int row, int column, int rowStep, int colStep) {
    row += rowStep;
    column += colStep;
    if (!onBoard(row, column)) return 0;
    int count = 0;
    while (board_.cell(row, column) == state_.Opponent) {
        marks_.cell(row, column) = 1;
        row += rowStep;
        column += colStep;
        if (!onBoard(row, column)) return 0;
        ++count;
        letEventsRun();
    }
    return board_.cell(row, column) == state_.ToPlay && count > 0 ? count : 0;
}

void Game::flipMarked() {
    for (int row = 1; row <= kBoardSize; ++row)
        for (int column = 1; column <= kBoardSize; ++column)
            if (marks_.cell(row, column)) drawCounter(row, column, state_.ToPlay);
}

void Game::clearMarks() { marks_.clear(); }

bool Game::tryMove(int row, int column) {
    MoveScope scope(*this);
    state_.LinesCaptured = 0;
    int won = 0;
    bool result = false;
    show(Box::MoveBox, state_.MovesMade);
    if (state_.MovesMade == kMaxMoves) {
        showScores();
        return false;
    }
    if (board_.cell(row, column) > 0) {
        sound(Sound::FullSound);
    } else {
        for (int rowStep = -1; rowStep <= 1; ++rowStep) {
            for (int colStep = -1; colStep <= 1; ++colStep) {
                const int n = scanLine(row, column, rowStep, colStep);
                if (n > 0) {
                    won += n;
                    show(Box::Edit3, won);
                    ++state_.LinesCaptured;
                    flipMarked();
                } else {
                    clearMarks();
                }
            }
        }
    }
    if (state_.LinesCaptured > 0) {
        result = true;
        played_ = Square{row, column};
        ++state_.MovesMade;
        drawCounter(row, column, state_.ToPlay);
        showScores();
        if (state_.ToPlay == state_.C1) {
            state_.ToPlay = state_.C2;
            state_.Opponent = state_.C1;
        } else {
            state_.ToPlay = state_.C1;
            state_.Opponent = state_.C2;
        }
        show(Box::GoBox, NamedColour{state_.ToPlay});
    }
    return result;
}

bool Game::findLegalMoves() {
    MoveScope scope(*this);
    bool result = false;
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            values_.cell(row, column) = 0;
            if (board_.cell(row, column) != 0) continue;
            for (int rowStep = -1; rowStep <= 1; ++rowStep) {
                for (int colStep = -1; colStep <= 1; ++colStep) {
                    const int n = scanLine(row, column, rowStep, colStep);
                    if (n > 0) {
                        values_.cell(row, column) = n;
                        result = true;
                        clearMarks();
                    }
                }
            }
        }
    }
    clearMarks();
    return result;
}

RecordResult Game::counters() const {
    RecordResult counts;
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            const ColourCode square = board_.cell(row, column);
            counts.first += square == state_.C1;
            counts.second += square == state_.C2;
        }
    }
    return counts;
}

bool Game::personToPlay() const {
    return !state_.over() && !autoplaying_ && !(state_.PlayerCount == 1 && replyPending_);
}

void Game::showScores() {
    const auto [count1, count2] = counters();
    show(Box::remain, kBoardSize * kBoardSize - (count1 + count2));
    show(Box::BlackScore, count2);
    show(Box::WhiteScore, count1);
    if (!state_.over()) return;
    showGoBox(false);
    sound(Sound::WonSound);
    if (count1 == count2)
        show(Box::MessageBox, Message{MessageId::Draw, {}});
    else
        show(Box::MessageBox, Message{MessageId::Wins, {count1 > count2 ? state_.C1 : state_.C2}});
}

void Game::pressSquare(int row, int column) {
    MARVANE_EXPECTS(onBoard(row, column));
    if (!onBoard(row, column)) return;
    run(Command::Press, [this, row, column] {
        // The reply is armed before anything queued meanwhile runs.
        MoveScope scope(*this);
        if (!playSquare(row, column, Actor::Person) || state_.PlayerCount != 1) return;
        // Under standard rules the computer's side may have passed: the person plays on.
        if (rules_ == GameRules::Marvane || computerSideToPlay()) armReply();
    });
}

bool Game::playSquare(int row, int column, Actor actor) {
    MoveScope scope(*this);
    StepRecord step(*this, actor, StepKind::GameEnd);
    if (!findLegalMoves()) {
        endGame();
        return false;
    }
    const bool placed = tryMove(row, column);
    sound(placed ? Sound::OKSound : Sound::BadSound);
    if (placed) settleTurn();
    return placed;
}

// The game is declared over: under Marvane's rules there is no passing of a turn.
void Game::endGame() {
    state_.GameOver = 1;
    showScores();
}

void Game::finish() {
    run(Command::Finish, [this] {
        StepRecord step(*this, Actor::Person, StepKind::Finish);
        endGame();
    });
}

bool Game::chooseBestSquare(int& outRow, int& outColumn) {
    if (!findLegalMoves()) return false;
    std::int32_t best = 0;
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            if (values_.cell(row, column) > best) {
                best = values_.cell(row, column);
                outRow = row;
                outColumn = column;
            }
        }
    }
    return true;
}

void Game::computerMove(std::optional<Square> chosen) {
    MoveScope scope(*this);
    StepRecord step(*this, Actor::Computer, StepKind::GameEnd);
    if (!state_.EasyLevel) {
        int row = 0, column = 0;
        if (!chooseBestSquare(row, column)) {
            endGame();
            return;
        }
        // The move values chooseBestSquare filled say which squares are legal now.
        if (chosen && onBoard(chosen->row, chosen->column) &&
            values_.cell(chosen->row, chosen->column) > 0) {
            row = chosen->row;
            column = chosen->column;
        }
        if (tryMove(row, column)) settleTurn();
        return;
    }
    int row = random_.row();
    int column = random_.column();
    if (!findLegalMoves()) {
        endGame();
        return;
    }
    // Walk down the column, then on to the next column, wrapping, over all 64 squares, so the
    // computer always finds a legal square when there is one.
    for (int attempt = 0; attempt < kBoardSize * kBoardSize; ++attempt) {
        letEventsRun();
        if (tryMove(row, column)) {
            settleTurn();
            return;
        }
        if (++row > kBoardSize) {
            row = 1;
            if (++column > kBoardSize) column = 1;
        }
    }
}

void Game::computerTurn(std::optional<Square> chosen) {
    run(Command::ComputerTurn, [this, rewinds = rewinds_, chosen] {
        if (rewinds != rewinds_) return;
        replyPending_ = false;
        computerMove(chosen);
        // Under standard rules the person's side may have passed: the computer plays again.
        if (rules_ == GameRules::Standard && !autoplaying_ && computerSideToPlay()) armReply();
    });
}

void Game::setPlayerCount(int count) {
    MARVANE_EXPECTS(count == 1 || count == 2);
    if (count != 1 && count != 2) return;
    applyPlayerCount(count);
    view_.stepEnded();
}

void Game::setEasyLevel(bool easy) {
    applyEasyLevel(easy);
    view_.stepEnded();
}

void Game::applyPlayerCount(int count) {
    state_.PlayerCount = count;
    view_.showPlayers(count);
}

void Game::applyEasyLevel(bool easy) {
    state_.EasyLevel = easy ? 1 : 0;
    view_.showLevel(easy);
}

void Game::autoplay() {
    run(Command::Autoplay, [this] {
        startGame();
        // The loop sleeps until something happens instead of polling; each expiry of the response
        // delay inside it plays one computer move for the side to play. Commands that arrive
        // while it sleeps run by the table in game.h.
        autoplaying_ = true;
        armReply();
        // The new game is a step of its own: the window shows it while Autoplay goes on.
        view_.stepEnded();
        while (!state_.over()) {
            if (!view_.waitForEvents()) break;
            armReply();
        }
        autoplaying_ = false;
    });
}

}  // namespace marvane
