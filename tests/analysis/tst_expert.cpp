// SPDX-License-Identifier: GPL-3.0-or-later
// Expert Hard against the designed levels, played through the game itself: the expert's squares
// are pressed like a person's, the designed level moves as the computer.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "analysis/expert.h"
#include "analysis/game_position.h"
#include "engine/game.h"
#include "engine/gametesting.h"
#include "engine/unseenview.h"

namespace {

using namespace marvane;

constexpr int kOpenings = 10;  // each played with both colours

enum class Level { Easy, Hard };

// One game: two moves picked by `random` open it (so that the deterministic players do not play
// the same game every time), then the expert plays `expertColour` against `level`. Easy's square
// comes from the game's clock, which `random` sets before each of its moves. Returns the counters
// of the expert and of the other side at the end.
std::pair<int, int> play(analysis::Analyser& analyser, Level level, ColourCode expertColour,
                         std::mt19937& random) {
    UnseenView view;
    std::int64_t now = 0;
    Game game(view, [&now] { return now; });
    game.setColours(1, 2);
    game.setPlayerCount(2);
    game.setEasyLevel(level == Level::Easy);
    game.newGame();
    for (int i = 0; i < 2; ++i) {
        const std::vector<Square> legal = game.legalSquares();
        const Square s = legal[random() % legal.size()];
        game.pressSquare(s.row, s.column);
    }
    while (!game.state().over()) {
        const int before = game.state().MovesMade;
        if (game.state().ToPlay == expertColour) {
            const auto reading = analysis::fromGame(game.position(), 1, 2);
            EXPECT_TRUE(reading.ok()) << reading.error;
            if (!reading.ok()) break;
            const analysis::ExpertChoice choice =
                analysis::chooseExpertSquare(analyser, reading.position);
            if (choice.square < 0) {
                EXPECT_TRUE(game.legalSquares().empty());
                game.finish();  // no legal square: the game is over
                break;
            }
            game.pressSquare(choice.square / 8 + 1, choice.square % 8 + 1);
        } else {
            now = static_cast<std::int64_t>(random() % 100'000);
            GameTesting::computerMove(game);
        }
        // A square the game refused would leave the loop going round for ever.
        if (!game.state().over() && game.state().MovesMade != before + 1) {
            ADD_FAILURE() << "the move after " << before << " was not played";
            break;
        }
    }
    const analysis::Position end = analysis::fromGame(game.position(), 1, 2).position;
    const int first = analysis::count(end.first), second = analysis::count(end.second);
    return expertColour == 1 ? std::pair(first, second) : std::pair(second, first);
}

class ExpertHard : public ::testing::TestWithParam<Level> {};

TEST_P(ExpertHard, WinsClearlyWithBothColoursFromVariedOpenings) {
    std::mt19937 random(GetParam() == Level::Hard ? 25 : 52);
    analysis::Analyser analyser;
    int wins = 0, draws = 0, losses = 0, games = 0;
    for (int opening = 0; opening < kOpenings; ++opening)
        for (const ColourCode colour : {1, 2}) {
            const auto [expert, other] = play(analyser, GetParam(), colour, random);
            wins += expert > other;
            draws += expert == other;
            losses += expert < other;
            ++games;
        }
    std::printf("Expert Hard against %s: %d wins, %d draws, %d losses in %d games\n",
                GetParam() == Level::Hard ? "Hard" : "Easy", wins, draws, losses, games);
    EXPECT_GE(wins * 10, games * 9);
}

INSTANTIATE_TEST_SUITE_P(AgainstTheDesignedLevels, ExpertHard,
                         ::testing::Values(Level::Hard, Level::Easy), [](const auto& info) {
                             return info.param == Level::Hard ? "Hard" : "Easy";
                         });

}  // namespace
