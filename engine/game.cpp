#include "engine/game.h"

#include <chrono>
#include <utility>

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

bool onBoard(int row, int column) {
    return row >= 1 && row <= kBoardSize && column >= 1 && column <= kBoardSize;
}

}  // namespace

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
        : game_(game), actor_(actor), endKind_(endKind), before_(game.position()) {}
    ~StepRecord() { game_.history_.record(before_, game_.position(), actor_, endKind_); }
    StepRecord(const StepRecord&) = delete;
    StepRecord& operator=(const StepRecord&) = delete;

private:
    Game& game_;
    Actor actor_;
    StepKind endKind_;
    Position before_;
};

Game::Game(GameView& view, std::function<std::int64_t()> elapsedMs)
    : view_(view), random_(elapsedMs ? std::move(elapsedMs) : steadyClockSinceNow()) {}

std::string_view Game::colourName(ColourCode colour) {
    return colour >= 0 && colour < static_cast<ColourCode>(ColourNames.size()) ? ColourNames[colour]
                                                                               : std::string_view{};
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

void Game::show(Box box, std::string_view text) {
    shown_[static_cast<std::size_t>(box)] = std::string(text);
    view_.showText(box, text);
}

void Game::showGoBox(bool visible) {
    goBoxShown_ = visible;
    view_.showGoBox(visible);
}

void Game::drawCounter(int row, int column, ColourCode colour) {
    view_.paintCounter(row, column, colour);
    board_.cell(row, column) = colour;
}

void Game::newGame() {
    whenIdle([this] { startGame(); });
}

void Game::setColours(ColourCode c1, ColourCode c2) {
    // A move in progress passes the turn by the colours it started with.
    whenIdle([this, c1, c2] {
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
    show(Box::MessageBox, "Position Your Piece");
    showGoBox(true);
    show(Box::GoBox, colourName(state_.ToPlay));
    state_.MovesMade = 0;
    state_.GameOver = 0;
    show(Box::C1Lab, colourName(state_.C1));
    show(Box::c2lab, colourName(state_.C2));
    show(Box::MoveBox, "");
    show(Box::remain, "60");
    show(Box::WhiteScore, "");
    show(Box::BlackScore, "");
    show(Box::Edit3, "");
    history_.start(position());
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
        view_.processPendingEvents();
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
    if (state_.MovesMade == 60) {
        showScores();
        return false;
    }
    if (board_.cell(row, column) > 0) {
        view_.requestSound(Sound::FullSound);
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
        show(Box::GoBox, colourName(state_.ToPlay));
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

void Game::showScores() {
    int count1 = 0, count2 = 0;
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int column = 1; column <= kBoardSize; ++column) {
            const ColourCode square = board_.cell(row, column);
            if (square == state_.C1) ++count1;
            if (square == state_.C2) ++count2;
        }
    }
    show(Box::remain, 64 - (count1 + count2));
    show(Box::BlackScore, count2);
    show(Box::WhiteScore, count1);
    if (state_.MovesMade != 60 && !state_.GameOver) return;
    showGoBox(false);
    view_.requestSound(Sound::WonSound);
    if (count1 > count2)
        show(Box::MessageBox, std::string(colourName(state_.C1)) + " Wins");
    else if (count1 == count2)
        show(Box::MessageBox, "It's a Draw");
    else
        show(Box::MessageBox, std::string(colourName(state_.C2)) + " Wins");
}

void Game::pressSquare(int row, int column) {
    if (depth_ > 0) return;  // a press while a move is being worked out is dropped
    MoveScope scope(*this);
    StepRecord step(*this, Actor::Person, StepKind::GameEnd);
    if (!findLegalMoves()) {
        endGame();
        return;
    }
    if (tryMove(row, column)) {
        view_.requestSound(Sound::OKSound);
        if (state_.PlayerCount == 1) view_.armResponseDelay();
    } else {
        view_.requestSound(Sound::BadSound);
    }
}

// The game is declared over: there is no passing of a turn.
void Game::endGame() {
    state_.GameOver = 1;
    showScores();
}

void Game::finish() {
    whenIdle([this] {
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

void Game::computerMove() {
    MoveScope scope(*this);
    StepRecord step(*this, Actor::Computer, StepKind::GameEnd);
    if (!state_.EasyLevel) {
        int row = 0, column = 0;
        if (chooseBestSquare(row, column))
            tryMove(row, column);
        else
            endGame();
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
        view_.processPendingEvents();
        if (tryMove(row, column)) return;
        if (++row > kBoardSize) {
            row = 1;
            if (++column > kBoardSize) column = 1;
        }
    }
}

void Game::computerTurn() {
    whenIdle([this, rewinds = rewinds_] {
        if (rewinds == rewinds_) computerMove();
    });
}

std::string Game::toggleLevel() {
    state_.EasyLevel = state_.EasyLevel == 1 ? 0 : 1;
    return state_.EasyLevel ? "Easy" : "Hard";
}

void Game::autoplay() {
    whenIdle([this] {
        startGame();
        // The loop sleeps until something happens instead of polling; each expiry of the response
        // delay inside it plays one computer move for the side to play.
        autoplaying_ = true;
        view_.armResponseDelay();
        while (state_.MovesMade != 60 && !state_.GameOver) {
            if (!view_.waitForEvents()) break;
            view_.armResponseDelay();
        }
        autoplaying_ = false;
    });
}

}  // namespace marvane
