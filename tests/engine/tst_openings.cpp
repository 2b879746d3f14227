// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/openings.h"
#include "engine/replay.h"
#include "engine/transcript.h"

namespace marvane::test {
namespace {

// Moves written as players write them ("f5d6c3").
std::vector<Square> line(std::string_view text) { return openingSquares({"", text}); }

// The eight forms of a line written in the usual orientation: as written, turned half round and
// mirrored in either diagonal (the four that keep the usual start), and each of these mirrored
// into our orientation.
std::vector<std::vector<Square>> formsOf(const std::vector<Square>& moves) {
    std::vector<std::vector<Square>> forms(4);
    for (const Square& s : moves) {
        forms[0].push_back(s);
        forms[1].push_back({9 - s.row, 9 - s.column});
        forms[2].push_back({s.column, s.row});
        forms[3].push_back({9 - s.column, 9 - s.row});
    }
    for (int i = 0; i < 4; ++i) forms.push_back(mirroredMoves(forms[i]));
    return forms;
}

// Catches a mistyped square: every line is played through by the game's own move rule, in our
// orientation, and is written in the usual form from f5.
TEST(Openings, EveryOpeningIsALegalLineFromTheStart) {
    for (const NamedOpening& opening : namedOpenings()) {
        const std::vector<Square> moves = openingSquares(opening);
        EXPECT_EQ(writeTranscript(moves), opening.moves) << opening.name;
        EXPECT_TRUE(opening.moves.starts_with("f5")) << opening.name;
        const ReplayOutcome played = checkMoves(1, 2, mirroredMoves(moves));
        EXPECT_TRUE(played.ok()) << opening.name << ", move " << played.moveNumber << ": "
                                 << played.error.text();
    }
}

// Catches an entry copied twice, or a variation left with its parent's name.
TEST(Openings, EachNameAndEachLineIsUsedOnce) {
    std::set<std::string_view> names;
    std::set<std::string_view> lines;
    for (const NamedOpening& opening : namedOpenings()) {
        EXPECT_FALSE(opening.name.empty()) << opening.moves;
        EXPECT_TRUE(names.insert(opening.name).second) << opening.name;
        EXPECT_TRUE(lines.insert(opening.moves).second) << opening.moves;
    }
}

// Catches a symmetry or an orientation the matching leaves out, and two entries that are one
// line seen in different mirrors (one of them would be named as the other).
TEST(Openings, EveryFormOfAnOpeningIsNamedAsItself) {
    for (const NamedOpening& opening : namedOpenings()) {
        const std::vector<Square> moves = openingSquares(opening);
        for (const std::vector<Square>& form : formsOf(moves)) {
            const OpeningMatch match = openingOf(form);
            EXPECT_EQ(match.name, opening.name) << writeTranscript(form);
            EXPECT_EQ(match.moves, static_cast<int>(moves.size())) << writeTranscript(form);
        }
    }
}

// Catches a shorter opening winning over a longer one the game has also played, a line counted
// before it is complete, and the wrong move reported as the one that reached it.
TEST(Openings, TheLongestOpeningPlayedWinsAndSaysWhichMoveReachedIt) {
    struct Case {
        std::string_view moves;
        std::string_view name;
        int reachedAt;
    };
    const Case cases[] = {
        {"", "", 0},
        {"f5", "", 0},
        {"f5d6c3d3", "Perpendicular Opening", 2},
        {"f5d6c3d3c4f4", "Tiger", 5},
        {"f5d6c3d3c4f4f6", "Stephenson", 7},
        {"f5d6c3d3c4f4f6g5e3f3g4h3g3", "No-Kung", 8},
        {"f5d6c3d3c4f4f6g5e3f3g4h3g3f2", "No-Kung (Continuation)", 14},
        {"f5d6c3d3c4f4f6g5e3f3g4h3g3f2c5", "No-Kung (Continuation)", 14},
        // The worked example of the two orientations, in ours: usual f5 d6 c3 d3 c4 f4.
        {"c5e6f3e3f4c4", "Tiger", 5},
    };
    for (const Case& c : cases) {
        const OpeningMatch match = openingOf(line(c.moves));
        EXPECT_EQ(match.name, c.name) << c.moves;
        EXPECT_EQ(match.moves, c.reachedAt) << c.moves;
        EXPECT_EQ(match.found(), !c.name.empty()) << c.moves;
    }
}

// Catches matching whole lines only: after f5 f6 e6 the position is its own mirror image, and
// d6 there is the table's f4, so the lines written through f4 go on through d6 as well.
TEST(Openings, APositionThatIsItsOwnMirrorImageGoesOnInEitherHalf) {
    EXPECT_EQ(openingOf(line("f5f6e6d6c5")).name, "Cow");
    EXPECT_EQ(openingOf(line("f5f6e6d6e7")).name, "Heath / Tobidashi");
    const OpeningMatch bat = openingOf(line("f5f6e6d6c5e3e7c7d7c6f7"));
    EXPECT_EQ(bat.name, "Bat (Piau Continuation 2)");
    EXPECT_EQ(bat.moves, 11);
}

// Catches a game said to be in its opening after it has left every named line, or said to have
// left it while it still follows one in another form or halfway to the next name.
TEST(Openings, AGameIsInItsOpeningWhileEveryMoveFollowsANamedLine) {
    for (const std::string_view moves :
         {"", "f5", "f5d6c3", "c5e6f3e3", "f5f6e6d6c5", "f5d6c3d3c4f4f6g5e3f3g4h3g3f2"})
        EXPECT_TRUE(onNamedLine(line(moves))) << moves;
    for (const std::string_view moves : {"f5d6c3e6", "f5d6c3d3c4f4f6g5e3f3g4h3g3f2c5", "f5f6e6f4g7a1"})
        EXPECT_FALSE(onNamedLine(line(moves))) << moves;
}

}  // namespace
}  // namespace marvane::test
