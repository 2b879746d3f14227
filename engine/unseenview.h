// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gameview.h"

namespace marvane {

// The view of a game nobody sees: a record's moves checked on a game of their own, or a game
// played through where no window is (a fuzzer, a test of the commands alone).
class UnseenView final : public GameView {
public:
    void paintCounter(int, int, ColourCode) override {}
    void showText(Box, const BoxText&) override {}
    void showGoBox(bool) override {}
    void showPlayers(int) override {}
    void showLevel(bool) override {}
    void requestSound(Sound) override {}
    void processPendingEvents() override {}
    bool waitForEvents() override { return false; }
    void armResponseDelay() override {}
    void cancelResponseDelay() override {}
    void stepEnded() override {}
};

}  // namespace marvane
