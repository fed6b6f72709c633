// SPDX-License-Identifier: GPL-3.0-or-later
// Run with QT_SCALE_FACTOR=2 (a test of its own in CTest); skipped at the usual scale.
#include "PlayTest.h"
#include "title/TitleWindow.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace colour = play::colour;

TEST_F(PlayTest, OnADoubleDensityScreenTheBoardIsPaintedAtTwiceThePixels)
{
    if (qGuiApp->devicePixelRatio() < 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    startRound();
    timer("roundClock").fire(7);
    const QImage& board = play.backBuffer();
    EXPECT_EQ(board.devicePixelRatio(), 2.0);
    EXPECT_EQ(board.size(), QSize(674, 578));
    // Every design pixel covers exactly two by two of the screen's.
    EXPECT_EQ(board.pixel(64, 112), colour::LightBlue.rgb());
    EXPECT_EQ(board.pixel(67, 115), colour::LightBlue.rgb());
    EXPECT_EQ(board.pixel(68, 116), colour::Blue.rgb());
    EXPECT_EQ(board.pixel(63, 111), colour::Background.rgb());
    EXPECT_EQ(board.pixel(2 * 192, 2 * 144), colour::Red.rgb());
    EXPECT_EQ(board.pixel(2 * 192 + 4, 2 * 144 + 4), colour::Yellow.rgb());
    // A number's glyphs are drawn at the full density: their edges are not doubled pixels.
    int lonePixels = 0;
    for (int y = 112; y < 194; ++y)
        for (int x = 64; x < 146; x += 2)
            lonePixels += (board.pixel(x, y) == colour::White.rgb()) != (board.pixel(x + 1, y) == colour::White.rgb());
    EXPECT_GT(lonePixels, 0);
}

TEST_F(PlayTest, OnADoubleDensityScreenTheTitleDialsArePaintedAtTwiceThePixels)
{
    if (qGuiApp->devicePixelRatio() < 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    TitleWindow& title = windows.titleWindow();
    title.show();
    settle();
    doubles.timers["dials"].fire(76);  // the hand at 9 o'clock
    const QImage& dial = title.dial();
    EXPECT_EQ(dial.devicePixelRatio(), 2.0);
    EXPECT_EQ(dial.size(), QSize(200, 200));
    EXPECT_EQ(dial.pixel(2 * 15, 2 * 45), colour::White.rgb());
    EXPECT_EQ(dial.pixel(2 * 15 + 1, 2 * 45 + 1), colour::White.rgb());
    EXPECT_EQ(dial.pixel(2 * 45, 2 * 15), colour::Blue.rgb());
    EXPECT_EQ(dial.pixel(2 * 45, 2 * 45 + 2 * 43), colour::White.rgb()) << "the rim";
}
