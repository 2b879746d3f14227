// SPDX-License-Identifier: GPL-3.0-or-later
// marvane-engine as a controller sees it: a process that answers commands on a pipe. The games
// are followed on a board of the test's own, in the usual orientation, so that a square named
// in the wrong orientation, a move the engine should have refused or a score counted wrongly
// shows up as a difference.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The engine's process, its input, answers and error output through pipes.
class Engine {
public:
    explicit Engine(const fs::path& program = MARVANE_ENGINE) {
        int in[2], out[2], err[2];
        if (pipe(in) || pipe(out) || pipe(err)) throw std::runtime_error("no pipes");
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0), dup2(out[1], 1), dup2(err[1], 2);
            for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
            execl(program.c_str(), program.c_str(), nullptr);
            _exit(127);
        }
        close(in[0]), close(out[1]), close(err[1]);
        in_ = in[1], out_ = out[0], err_ = err[0];
    }
    ~Engine() {
        if (in_ >= 0) close(in_);
        if (pid_ > 0 && !exited_) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
        close(out_), close(err_);
    }

    void send(const std::string& text) {
        ASSERT_EQ(write(in_, text.data(), text.size()), ssize_t(text.size()));
    }
    // The next answer, up to and with its blank line; "" if none comes (a hang or an exit).
    std::string answer() {
        std::size_t end;
        while ((end = pending_.find("\n\n")) == std::string::npos) {
            pollfd p{out_, POLLIN, 0};
            char buffer[4096];
            const ssize_t got = poll(&p, 1, 120000) == 1 ? read(out_, buffer, sizeof buffer) : 0;
            if (got <= 0) return std::exchange(pending_, {});
            pending_.append(buffer, got);
        }
        std::string next = pending_.substr(0, end + 2);
        pending_.erase(0, end + 2);
        return next;
    }
    std::string ask(const std::string& command) {
        send(command + "\n");
        return answer();
    }
    // Closes the input; the exit status, and everything the engine wrote after its answers.
    int close_input(std::string& rest, std::string& errors) {
        close(in_), in_ = -1;
        rest = pending_ + drain(out_);
        errors = drain(err_);
        int status = 0;
        waitpid(pid_, &status, 0);
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    static std::string drain(int fd) {
        std::string text;
        char buffer[4096];
        for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, got);
        return text;
    }
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1, err_ = -1;
    bool exited_ = false;
    std::string pending_;
};

// A board of the test's own: 'X' moves first from d5 and e4, 'O' holds d4 and e5, row 1 on top.
struct Referee {
    char cell[8][8];
    char toMove = 'X';
    Referee() {
        for (auto& row : cell) std::fill(row, row + 8, '.');
        cell[4][3] = cell[3][4] = 'X';
        cell[3][3] = cell[4][4] = 'O';
    }
    // Plays `square` ("pass" too) for the side to move; false if it is not legal.
    bool play(const std::string& square) {
        const char other = toMove == 'X' ? 'O' : 'X';
        if (square == "pass") {
            if (!legal().empty()) return false;
            toMove = other;
            return true;
        }
        const int c = square[0] - 'a', r = square[1] - '1';
        int turned = 0;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                if (!dr && !dc) continue;
                int n = 1;
                while (inside(r + n * dr, c + n * dc) && cell[r + n * dr][c + n * dc] == other) ++n;
                if (n == 1 || !inside(r + n * dr, c + n * dc) ||
                    cell[r + n * dr][c + n * dc] != toMove)
                    continue;
                if (cell[r][c] != '.') return false;
                for (int k = 1; k < n; ++k) cell[r + k * dr][c + k * dc] = toMove;
                turned += n - 1;
            }
        if (!turned) return false;
        cell[r][c] = toMove;
        toMove = other;
        return true;
    }
    std::vector<std::string> legal() const {
        std::vector<std::string> squares;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                Referee copy = *this;
                const std::string name{char('a' + c), char('1' + r)};
                if (copy.play(name)) squares.push_back(name);
            }
        return squares;
    }
    int discs(char side) const {
        int n = 0;
        for (const auto& row : cell) n += std::count(row, row + 8, side);
        return n;
    }
    // The result as final_score writes it; the empty squares go to the winner unless `bare`.
    std::string score(bool bare) const {
        int d = discs('X') - discs('O');
        const int empty = 64 - discs('X') - discs('O');
        if (!bare && d) d += d > 0 ? empty : -empty;
        return d == 0 ? "0" : (d > 0 ? "B+" : "W+") + std::to_string(std::abs(d));
    }
    static bool inside(int r, int c) { return r >= 0 && r < 8 && c >= 0 && c < 8; }
};

// A random game with a pass in it (white's, twice) that ends with three squares empty.
const std::vector<std::string> kGameWithPasses = [] {
    std::istringstream in(
        "c4 e3 f3 g3 f2 c5 g2 e1 e2 h1 g4 g5 f4 d3 h5 c3 h4 g1 h2 h3 e6 e7 d2 c1 b4 a5 h6 d1 c6 "
        "g6 d6 f1 a4 h7 c2 f5 e8 b1 a6 b6 c7 b3 b2 d7 b5 f8 g8 c8 b8 b7 d8 f6 a3 a7 a8 pass f7 "
        "pass a2");
    std::vector<std::string> moves;
    for (std::string move; in >> move;) moves.push_back(move);
    return moves;
}();
constexpr std::size_t kFirstPass = 55;

std::string colourOf(const Referee& r) { return r.toMove == 'X' ? "b" : "w"; }

// Fault: a refused move that still changes the board, an undo that loses the side to move
// (a pass), a genmove that does not pass for a side without a legal square, a final score that
// gives the empty squares to nobody.
TEST(GtpSession, PlaysAGameWithPassesUndoAndARefusedMoveToTheRightScore) {
    Engine engine;
    Referee referee;
    EXPECT_EQ(engine.ask("play b a1"), "? illegal move: a1 turns no white disc\n\n");
    for (std::size_t i = 0; i < kGameWithPasses.size(); ++i) {
        const std::string& move = kGameWithPasses[i];
        const std::string colour = colourOf(referee);
        ASSERT_TRUE(referee.play(move)) << move;
        if (i == kFirstPass) {
            ASSERT_EQ(engine.ask("genmove " + colour), "= pass\n\n");
            ASSERT_EQ(engine.ask("undo"), "=\n\n");
            ASSERT_EQ(engine.ask("play b f7"),
                      "? illegal move: white is to move and has no legal square (play w pass)\n\n");
            ASSERT_EQ(engine.ask("7 genmove w"), "=7 pass\n\n");
            continue;
        }
        if (i == 10) {  // a move taken back and played again
            ASSERT_EQ(engine.ask("play " + colour + " " + move), "=\n\n");
            ASSERT_EQ(engine.ask("undo"), "=\n\n");
        }
        if (i + 1 < kGameWithPasses.size()) {
            ASSERT_EQ(engine.ask("final_score"), "? cannot score: the game is not over\n\n");
        }
        ASSERT_EQ(engine.ask("play " + colour + " " + move), "=\n\n") << "move " << i;
    }
    ASSERT_EQ(referee.score(false), "W+14");  // the count the engine must reach
    EXPECT_EQ(engine.ask("final_score"), "= " + referee.score(false) + "\n\n");
    EXPECT_EQ(engine.ask("genmove b"), "= pass\n\n");  // over: nobody moves
    EXPECT_EQ(engine.ask("play b c1"), "? illegal move: the game is over\n\n");
}

// Fault: under our rules a side without a legal square passes (instead of ending the game), or
// the empty squares are counted for the winner.
TEST(GtpSession, UnderOurRulesASideWithoutASquareEndsTheGame) {
    Engine engine;
    Referee referee;
    ASSERT_EQ(engine.ask("marvane-rules marvane"), "=\n\n");
    for (std::size_t i = 0; i < kFirstPass; ++i) {
        ASSERT_TRUE(referee.play(kGameWithPasses[i]));
        ASSERT_EQ(engine.ask("play " + std::string(i % 2 ? "w " : "b ") + kGameWithPasses[i]),
                  "=\n\n");
    }
    EXPECT_EQ(engine.ask("final_score"), "= " + referee.score(true) + "\n\n");
    EXPECT_EQ(engine.ask("play b f7"), "? illegal move: the game is over\n\n");
    EXPECT_EQ(engine.ask("genmove w"), "= pass\n\n");
}

// The engine's own game at a low level, twice with one seed, followed on the referee's board.
std::vector<std::string> selfPlay(const std::string& seed, std::string& score, std::string& board) {
    Engine engine;
    Referee referee;
    EXPECT_EQ(engine.ask("marvane-level 2"), "=\n\n");
    EXPECT_EQ(engine.ask("marvane-seed " + seed), "=\n\n");
    std::vector<std::string> moves;
    int passes = 0;
    while (passes < 2 && moves.size() < 80) {
        const std::string answer = engine.ask("genmove " + colourOf(referee));
        EXPECT_EQ(answer.substr(0, 2), "= ");
        const std::string move = answer.substr(2, answer.size() - 4);
        EXPECT_TRUE(referee.play(move)) << "engine played " << move;
        passes = move == "pass" ? passes + 1 : 0;
        moves.push_back(move);
    }
    EXPECT_EQ(engine.ask("final_score"), "= " + referee.score(false) + "\n\n");
    score = engine.ask("showboard");
    board.clear();
    for (const auto& row : referee.cell) board += std::string(row, 8) + "\n";
    return moves;
}

// Fault: genmove naming squares in the game's own orientation, the seed not deciding the game,
// the board shown in another orientation than the squares are named in.
TEST(GtpSession, TheEnginesOwnGameIsLegalAndTheSameForOneSeed) {
    std::string shown, board, again, ignored;
    const std::vector<std::string> game = selfPlay("12345", shown, board);
    EXPECT_EQ(selfPlay("12345", again, ignored), game);
    std::string rows;  // the showboard's rows, without their labels
    std::istringstream lines(shown);
    for (std::string line; std::getline(lines, line);)
        if (line.size() == 18 && line[1] >= '1' && line[1] <= '8')
            for (int c = 0; c < 8; ++c) rows += line[3 + 2 * c], rows += c == 7 ? "\n" : "";
    EXPECT_EQ(rows, board);
}

// Fault: a bad line that crashes the engine, changes the game, or loses its number; a blank or
// comment line that gets an answer; a CR of a Windows line end read as part of the command.
TEST(GtpInput, BadCommandsAreRefusedAndTheGameGoesOn) {
    Engine engine;
    const std::pair<const char*, const char*> cases[] = {
        {"frobnicate", "? unknown command"},
        {"5 frobnicate", "?5 unknown command"},
        {"play b i9", "? syntax error: i9 is not a square of the board (a1 to h8) or pass"},
        {"play b a0", "? syntax error: a0 is not a square of the board (a1 to h8) or pass"},
        {"play b d", "? syntax error: d is not a square of the board (a1 to h8) or pass"},
        {"play red d3", "? syntax error: red is not a colour (b or w)"},
        {"play b", "? syntax error: play needs a colour and a square (play b d3)"},
        {"play w c5", "? illegal move: black is to move"},
        {"play b d5", "? illegal move: d5 is taken"},
        {"play b pass", "? illegal move: black has a legal square and cannot pass"},
        {"genmove w", "? wrong side: black is to move"},
        {"boardsize 9", "? unacceptable size: the board is 8 by 8"},
        {"marvane-level 11", "? syntax error: the level is a whole number from 1 to 10"},
        {"marvane-seed -1",
         "? syntax error: the seed is a whole number from 0 to 18446744073709551615, or random"},
        {"undo", "? cannot undo: no move to take back"},
        {"", nullptr},
        {"   # a comment only", nullptr},
        {"3 play B D3\r", "=3"},
        {"known_command marvane-rules", "= true"},
        {"known_command frobnicate", "= false"},
    };
    for (const auto& [command, expected] : cases) {
        engine.send(std::string(command) + "\n");
        if (expected) {
            EXPECT_EQ(engine.answer(), std::string(expected) + "\n\n") << command;
        }
    }
    engine.send(std::string(100000, 'x') + "\n");
    EXPECT_EQ(engine.answer(), "? syntax error: the line is too long\n\n");
    EXPECT_EQ(engine.ask("play w c3"), "=\n\n");  // d3 went through, and nothing else did
    std::string rest, errors;
    engine.send("name\nname");  // the last line without its line end
    EXPECT_EQ(engine.close_input(rest, errors), 0);
    EXPECT_EQ(rest, "= Marvane\n\n= Marvane\n\n");
    EXPECT_EQ(errors, "");
}

// Fault: the system folder looked for beside the link, or in the working folder, instead of
// beside the program's real file; a missing weights file that stops the engine or is not said.
TEST(GtpInput, FindsItsEvaluationThroughALinkAndSaysOnceWhenItIsMissing) {
    const fs::path scratch = MARVANE_SCRATCH;
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    fs::create_symlink(MARVANE_ENGINE, scratch / "linked-engine");
    fs::copy_file(MARVANE_ENGINE, scratch / "lone-engine");
    fs::permissions(scratch / "lone-engine", fs::perms::owner_exec, fs::perm_options::add);
    for (const bool linked : {true, false}) {
        Engine engine(scratch / (linked ? "linked-engine" : "lone-engine"));
        EXPECT_EQ(engine.ask("marvane-level 1").substr(0, 1), "=");
        EXPECT_EQ(engine.ask("genmove b").substr(0, 2), "= ");
        EXPECT_EQ(engine.ask("genmove w").substr(0, 2), "= ");
        std::string rest, errors;
        EXPECT_EQ(engine.close_input(rest, errors), 0);
        if (linked) {
            EXPECT_EQ(errors, "");
        } else {
            EXPECT_NE(errors.find("hand-made evaluation"), std::string::npos) << errors;
            EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;  // one line
        }
    }
    fs::remove_all(scratch);
}

}  // namespace
