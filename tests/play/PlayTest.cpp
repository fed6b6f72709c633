// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

PlayTest::PlayTest() : play(windows.mainForm())
{
    Program::PlayerName = {"Ann", "Bob", "Player 3", "Player 4", "Player 5", "Player 6"};
    Program::PlayerActive = {true, true, false, false, false, false};
    Program::Difficulty = 1;
    Program::RoundCount = 3;
    Program::CurrentRound = 1;
}

void PlayTest::startRound()
{
    play.Prepare();
    play.show();
    settle();
}

void PlayTest::dealAndSpin()
{
    timer("Clock").fire(7);
    timer("RndTotal").fire(30);
}

int PlayTest::count(const QRect& area, const QColor& colour) const
{
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found += pixel(x, y) == colour.rgb();
    return found;
}

QRect PlayTest::bounds(const QRect& area, const QColor& colour) const
{
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pixel(x, y) == colour.rgb())
                found |= QRect(x, y, 1, 1);
    return found;
}

int PlayTest::target() const
{
    return (play.Total[0].caption + play.Total[1].caption + play.Total[2].caption).toInt();
}
