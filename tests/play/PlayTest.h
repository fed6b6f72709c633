// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "doubles/TestGame.h"
#include "play/MainForm.h"
#include "shell/Program.h"

#include <QImage>

// A fixture with a game of two players at Normal and the play window ready for a round.
class PlayTest : public doubles::GameTest {
protected:
    PlayTest();

    // Prepares and shows the play window as the set-up window does, and lets it activate.
    void startRound();
    // Deals, spins and settles on the target: the round clock is about to run.
    void dealAndSpin();

    doubles::ManualTimer& timer(const char* name) { return doubles.timers[name]; }
    QRgb pixel(int x, int y) const { return play.backBuffer().pixel(x, y); }
    // Pixels of `colour` within `area` of the back buffer.
    int count(const QRect& area, const QColor& colour) const;
    // The bounds of the pixels of `colour` within `area`.
    QRect bounds(const QRect& area, const QColor& colour) const;
    int target() const;

    MainForm& play;
};
