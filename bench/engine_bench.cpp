// SPDX-License-Identifier: GPL-3.0-or-later
// Engine micro-benchmarks: the rules on their own, with a view that does nothing, so the figures
// show what the game costs before any painting or event handling.
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

#include "engine/game.h"
#include "engine/gametesting.h"

namespace {

using marvane::Box;
using marvane::ColourCode;
using marvane::Game;
using marvane::GameTesting;
using marvane::Sound;

// A window that shows nothing. Waiting for events lets the armed response delay expire at once,
// which is what the real window does after the delay has passed.
class NullView : public marvane::GameView {
public:
    Game* game = nullptr;
    bool armed = false;

    void paintCounter(int, int, ColourCode) override {}
    void showText(Box, const marvane::BoxText&) override {}
    void showGoBox(bool) override {}
    void showPlayers(int) override {}
    void showLevel(bool) override {}
    void requestSound(Sound) override {}
    void processPendingEvents() override {}
    bool waitForEvents() override {
        if (armed) {
            armed = false;
            game->computerTurn();
        }
        return true;
    }
    void armResponseDelay() override { armed = true; }
    void cancelResponseDelay() override { armed = false; }
    void stepEnded() override {}
};

// A game at the Hard level, white and black, with its view wired in.
struct Table {
    NullView view;
    Game game{view, [] { return std::int64_t{0}; }};

    Table() {
        view.game = &game;
        game.setColours(1, 2);
        game.setEasyLevel(false);
        game.newGame();
    }
};

// The squares of the Hard player's game against itself, in the order they were played.
std::vector<std::pair<int, int>> hardGameMoves() {
    Table table;
    std::vector<std::pair<int, int>> moves;
    int row = 0, column = 0;
    while (table.game.state().MovesMade < marvane::kMaxMoves &&
           GameTesting::chooseBestSquare(table.game, row, column)) {
        if (!GameTesting::tryMove(table.game, row, column)) break;
        moves.emplace_back(row, column);
    }
    return moves;
}

void BM_findLegalMoves(benchmark::State& state) {
    Table table;
    const auto moves = hardGameMoves();
    const auto played =
        std::min<std::size_t>(static_cast<std::size_t>(state.range(0)), moves.size());
    for (std::size_t i = 0; i < played; ++i)
        GameTesting::tryMove(table.game, moves[i].first, moves[i].second);
    for (auto _ : state) {
        const bool found = GameTesting::findLegalMoves(table.game);
        benchmark::DoNotOptimize(found);
    }
    state.counters["moves_made"] = table.game.state().MovesMade;
}
BENCHMARK(BM_findLegalMoves)->ArgName("after")->Arg(0)->Arg(30);

// Every move of a whole recorded game, one tryMove each; the reported time is per move. The
// newGame that resets the board is timed too (see BM_newGame for its share).
void BM_tryMove(benchmark::State& state) {
    Table table;
    const auto moves = hardGameMoves();
    for (auto _ : state) {
        table.game.newGame();
        for (const auto& [row, column] : moves) {
            benchmark::DoNotOptimize(GameTesting::tryMove(table.game, row, column));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moves.size()));
    state.counters["per_move"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(moves.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_tryMove);

void BM_newGame(benchmark::State& state) {
    Table table;
    for (auto _ : state) table.game.newGame();
}
BENCHMARK(BM_newGame);

// A whole Autoplay game at the Hard level, the computer playing both sides.
void BM_HardSelfPlayGame(benchmark::State& state) {
    int movesMade = 0;
    for (auto _ : state) {
        Table table;
        table.game.autoplay();
        movesMade = table.game.state().MovesMade;
        benchmark::DoNotOptimize(movesMade);
    }
    state.counters["moves_made"] = movesMade;
}
BENCHMARK(BM_HardSelfPlayGame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
