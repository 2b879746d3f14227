// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/message.h"
#include "engine/types.h"

namespace marvane {

// Everything the game asks of its window. The main window implements it; tests use a recorder.
class GameView {
public:
    virtual ~GameView() = default;

    // Paints a counter of `colour` on the square (colour 0 empties it). The game records the
    // colour in its Board after this returns.
    virtual void paintCounter(int row, int column, ColourCode colour) = 0;
    // Writes into the box what the game says there; the view puts it into the player's words.
    virtual void showText(Box box, const BoxText& text) = 0;
    virtual void showGoBox(bool visible) = 0;
    // The players' mode (1 against the computer, or 2) and the computer's level, as they change.
    virtual void showPlayers(int count) = 0;
    virtual void showLevel(bool easy) = 0;
    virtual void requestSound(Sound sound) = 0;
    // Lets the window process every pending event once; returns at once when none is left.
    virtual void processPendingEvents() = 0;
    // Sleeps until at least one event has arrived and processes what has. Returns false when the
    // window is closing and long-running loops should end.
    virtual bool waitForEvents() = 0;
    // Arms the one-shot response delay; arming an armed delay does not restart it.
    virtual void armResponseDelay() = 0;
    // Stops the response delay if it is armed, so the computer reply it was waiting for never
    // comes (an undo took back the move it would answer).
    virtual void cancelResponseDelay() = 0;
    // A step of the game has ended: a command has run, and the board, the boxes, the history and
    // the game's state are what it leaves (its reply armed, Autoplay's flag set or cleared). It
    // comes once for every command that runs, whether or not it wrote a box, and once more when
    // Autoplay has started its game, since Autoplay goes on while its moves are played. A command
    // the table in game.h drops or refuses, or one that finds no game to act on, does not report.
    virtual void stepEnded() = 0;
};

}  // namespace marvane
