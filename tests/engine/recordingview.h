// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "engine/gametesting.h"

namespace marvane::test {

// A GameView that writes down every request in order, as short readable lines.
class RecordingView : public GameView {
public:
    std::vector<std::string> log;
    std::string boxes[kBoxCount];
    bool goBoxVisible = true;
    bool armed = false;
    int armCount = 0;
    bool closing = false;
    std::function<void()> onPump;  // runs inside every processPendingEvents
    std::function<void()> onWait;  // runs inside every waitForEvents
    int stepsEnded = 0;
    std::function<void()> onStepEnded;  // runs inside every stepEnded

    void paintCounter(int row, int column, ColourCode colour) override {
        log.push_back("paint " + std::to_string(row) + "," + std::to_string(column) + "=" +
                      std::to_string(colour));
    }
    // Each box's text as the game's English words have it.
    void showText(Box box, const BoxText& text) override {
        boxes[static_cast<int>(box)] = boxText(text);
        log.push_back(std::string(boxName(box)) + "=" + boxText(text));
    }
    void showGoBox(bool visible) override {
        goBoxVisible = visible;
        log.push_back(visible ? "GoBox shown" : "GoBox hidden");
    }
    int players = 0;
    bool easy = true;
    void showPlayers(int count) override { players = count; }
    void showLevel(bool easyLevel) override { easy = easyLevel; }
    void requestSound(Sound sound) override { log.push_back(soundName(sound)); }
    void processPendingEvents() override {
        if (onPump) onPump();
    }
    bool waitForEvents() override {
        if (onWait) onWait();
        return !closing;
    }
    void armResponseDelay() override {
        armed = true;
        ++armCount;
    }
    void cancelResponseDelay() override { armed = false; }
    void stepEnded() override {
        ++stepsEnded;
        if (onStepEnded) onStepEnded();
    }

    const std::string& box(Box b) const { return boxes[static_cast<int>(b)]; }

    // The log without paints, for checking the order of texts and sounds.
    std::vector<std::string> withoutPaints() const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.rfind("paint", 0) != 0) out.push_back(line);
        return out;
    }
    std::vector<std::string> sounds() const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.find("Sound") != std::string::npos && line.find('=') == std::string::npos)
                out.push_back(line);
        return out;
    }

    static const char* boxName(Box box) {
        static const char* names[] = {"MessageBox", "GoBox",      "MoveBox", "C1Lab", "c2lab",
                                      "WhiteScore", "BlackScore", "remain",  "Edit3"};
        return names[static_cast<int>(box)];
    }
    static const char* soundName(Sound sound) {
        static const char* names[] = {"OKSound", "FullSound", "BadSound", "WonSound"};
        return names[static_cast<int>(sound)];
    }
};

// Lays out a position from eight rows of text: '.' empty, 'W' colour 1, 'B' colour 2.
inline void setPosition(Game& game, const std::vector<std::string>& rows) {
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            const char ch = rows[r - 1][c - 1];
            GameTesting::drawCounter(game, r, c, ch == 'W' ? 1 : ch == 'B' ? 2 : 0);
        }
}

inline int occupied(const Game& game) {
    int n = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) n += game.board(r, c) != 0;
    return n;
}

inline bool anyMark(const Game& game) {
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            if (game.marked(r, c)) return true;
    return false;
}

// A two-player game between White (1) and Black (2), just started, with an empty log. The clock
// of the random start square reads `now`.
class GameTest : public ::testing::Test {
protected:
    GameTest() : game(view, [this] { return now; }) {
        game.setColours(1, 2);
        game.setPlayerCount(2);
        game.newGame();
        view.log.clear();
    }
    std::int64_t now = 0;
    RecordingView view;
    Game game;
};

}  // namespace marvane::test
