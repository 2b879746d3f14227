// SPDX-License-Identifier: GPL-3.0-or-later
// marvane-engine: the analysis engine for programs that drive it in the Go Text Protocol, on
// standard input and output.
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>

#include "analysis/analyser.h"
#include "analysis/levels.h"
#include "analysis/weights.h"
#include "app/gtp/gtp_session.h"
#include "app/gtp/program_folder.h"

namespace {

// Longer lines are no command of ours; they are answered, and cost no more memory than this.
constexpr std::size_t kLongestLine = 1 << 16;

enum class Read { Line, TooLong, End };

// One line of standard input, without its line feed. A last line without one still counts.
Read readLine(std::streambuf& in, std::string& line) {
    line.clear();
    bool tooLong = false;
    for (;;) {
        const auto c = in.sbumpc();
        if (c == std::char_traits<char>::eof())
            return tooLong ? Read::TooLong : line.empty() ? Read::End : Read::Line;
        if (c == '\n') return tooLong ? Read::TooLong : Read::Line;
        if (line.size() < kLongestLine)
            line += static_cast<char>(c);
        else
            tooLong = true;
    }
}

}  // namespace

int main(int, char* argv[]) {
    using namespace marvane;
#ifdef SIGPIPE
    // A controller that goes away ends the engine through a failed write, not a signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios::sync_with_stdio(false);

    analysis::Analyser analyser;
    const std::filesystem::path folder = gtp::programFolder(argv[0]);
    std::string why;
    if (folder.empty()) {
        why = "The program's own folder could not be found.";
    } else {
        analyser.useEvaluationFile((folder / "system" / analysis::kWeightsFileName).string());
        if (!analyser.weights()) why = analyser.weightsError();
    }
    if (!why.empty())
        std::cerr << "marvane-engine: " << why << " Playing with the hand-made evaluation.\n"
                  << std::flush;

    std::random_device device;
    gtp::GtpSession session(
        [&analyser](const analysis::Position& position, analysis::Rules rules, int level,
                    int squaresPlayed, std::uint64_t seed) {
            return analysis::chooseLevelSquare(analyser, position, rules, level, squaresPlayed,
                                               seed)
                .square;
        },
        [&device] { return (std::uint64_t{device()} << 32) ^ device(); });

    std::string line;
    while (!session.quitRequested()) {
        const Read read = readLine(*std::cin.rdbuf(), line);
        if (read == Read::End) break;
        const std::string answer = read == Read::TooLong
                                       ? "? syntax error: the line is too long\n\n"
                                       : session.answer(line);
        if (answer.empty()) continue;
        std::cout << answer << std::flush;
        if (!std::cout) return 1;
    }
    return 0;
}
