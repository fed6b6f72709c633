// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Draws.h"
#include "PlayTest.h"
#include "title/TitleWindow.h"

#include <QGuiApplication>

#include <QtMath>

#include <gtest/gtest.h>

namespace colour = play::colour;

namespace {

// The board point at `distance` from the dial's centre towards clock position p.
QPoint dialPoint(int p, double distance)
{
    const double angle = (360.0 - p) / 120.0 * M_PI;
    return QPoint(qRound(251 + distance * std::sin(angle)), qRound(219 + distance * std::cos(angle)));
}

}  // namespace

TEST_F(PlayTest, APreparedBoardShowsEveryElementWhereItBelongs)
{
    startRound();
    for (int i = 0; i < 7; ++i) {
        const int x = 32 + 40 * i;
        EXPECT_EQ(pixel(x, 56), colour::LightBlue.rgb()) << "dealt tile " << i;
        EXPECT_EQ(pixel(x + 40, 96), colour::LightBlue.rgb()) << "dealt tile " << i;
        EXPECT_EQ(pixel(x + 20, 76), colour::Blue.rgb()) << "an empty tile shows no number";
    }
    EXPECT_EQ(pixel(32 + 40 * 6 + 41, 76), colour::Background.rgb());
    for (int i = 0; i < 3; ++i) {
        const int x = 32 + 40 * i;
        EXPECT_EQ(pixel(x + 1, 137), colour::LightBlue.rgb()) << "working tile " << i;
        EXPECT_EQ(pixel(x + 20, 172), colour::White.rgb()) << "working tile " << i;
        EXPECT_EQ(pixel(x + 20, 220), colour::Blue.rgb()) << "made tile " << i;
    }
    EXPECT_GT(count({72, 144, 41, 25}, colour::Blue), 10) << "the working row's operator is +";
    EXPECT_EQ(pixel(136, 8), colour::Black.rgb());
    EXPECT_EQ(pixel(208, 48), colour::Black.rgb());
    EXPECT_GT(count({136, 8, 73, 41}, colour::Green), 100) << "the target display shows 000";
    EXPECT_EQ(pixel(192, 144), colour::Red.rgb());
    EXPECT_EQ(pixel(193, 168), colour::Red.rgb());
    EXPECT_EQ(pixel(250, 156), colour::Yellow.rgb());
    EXPECT_EQ(pixel(251, 219), colour::Background.rgb()) << "no dial before the clock's first step";
}

TEST_F(PlayTest, TheDialFillsWithTheTimeGoneByAndTheHandPointsToTheTimeLeft)
{
    startRound();
    dealAndSpin();
    timer("roundClock").fire();  // position 239: the hand points up
    EXPECT_EQ(pixel(251, 219), colour::White.rgb());
    const QPoint hand = dialPoint(239, 30);
    EXPECT_EQ(pixel(hand.x(), hand.y()), colour::White.rgb());
    EXPECT_EQ(pixel(251, 219 + 30), colour::Blue.rgb());
    EXPECT_EQ(pixel(251, 219 + 43), colour::White.rgb()) << "the white rim";
    EXPECT_EQ(pixel(206, 174), colour::Background.rgb()) << "outside the dial";

    timer("roundClock").fire(59);  // position 180: the hand points left, a quarter gone by
    EXPECT_EQ(game.clockPosition, 180);
    EXPECT_EQ(pixel(251 - 30, 219), colour::White.rgb());
    const QPoint gone = dialPoint(210, 25), left = dialPoint(60, 25), below = dialPoint(120, 25);
    EXPECT_EQ(pixel(gone.x(), gone.y()), colour::DialMark.rgb());
    const QPoint justGone = dialPoint(236, 25);
    EXPECT_EQ(pixel(justGone.x(), justGone.y()), colour::DialMark.rgb());
    EXPECT_EQ(pixel(left.x(), left.y()), colour::Blue.rgb());
    EXPECT_EQ(pixel(below.x(), below.y()), colour::Blue.rgb());
    const QPoint rim = dialPoint(210, 40);
    EXPECT_EQ(pixel(rim.x(), rim.y()), colour::Blue.rgb()) << "the marks leave a blue rim";

    timer("roundClock").fire(120);  // position 60: three quarters gone, the hand to the right
    EXPECT_EQ(pixel(251 + 30, 219), colour::White.rgb());
    EXPECT_EQ(pixel(251, 219 + 30), colour::DialMark.rgb());

    // With music the clock may jump: a quarter of the piece at once leaves no gap.
    play.hide();
    game.musicOn = true;
    doubles.music.lengthTicks = 240;
    startRound();
    dealAndSpin();
    timer("roundClock").fire();
    doubles.music.positionTicks = 60;
    timer("roundClock").fire();
    EXPECT_EQ(game.clockPosition, 180);
    for (const int p : {235, 220, 200, 185}) {
        const QPoint gone = dialPoint(p, 25);
        EXPECT_EQ(pixel(gone.x(), gone.y()), colour::DialMark.rgb()) << "position " << p;
    }
}

TEST_F(PlayTest, TheContenderPanelShowsANameWithinItsBorderAndCutsALongOneWithAnEllipsis)
{
    game.playerNames[0] = "Ann";
    game.playerNames[1] = QString::fromUtf8("Zoë the Magnificent, Queen of Numbers");
    openBuzzers();
    const QRect panel(192, 144, 121, 25);
    takeTurn(0);
    EXPECT_EQ(count({192, 167, 121, 2}, colour::Red), 2 * 121) << "the border below the name";
    EXPECT_EQ(count({192, 169, 121, 1}, colour::Background), 121) << "nothing below the panel";
    click("giveUp");

    // A long name starts at the panel's left and ends in three dots at its right.
    takeTurn(1);
    const QRect text = bounds(panel, colour::Black);
    EXPECT_LE(text.left(), panel.left() + 4);
    EXPECT_LE(text.right(), panel.right());
    const QRect end = bounds({text.right() - 8, panel.top(), 9, panel.height()}, colour::Black);
    EXPECT_LE(end.height(), 4) << "only dots at the end";
    EXPECT_GE(text.height(), 12);
}

TEST_F(PlayTest, ARepaintShowsTheBoardAndChangesNothing)
{
    startRound();
    const auto expectRepaintChangesNothing = [&](const char* stage) {
        const play::RoundState round = play.round();
        const play::Board board = play.board();
        const QImage before = play.backBuffer();
        const QImage shown = play.grab().toImage();
        EXPECT_TRUE(play.round() == round && play.board() == board && play.backBuffer() == before) << stage;
        EXPECT_EQ(shown.pixel(52, 90), before.pixel(52, 90)) << stage;
        EXPECT_EQ(shown.pixel(251, 219), before.pixel(251, 219)) << stage;
    };
    timer("roundClock").fire(3);
    expectRepaintChangesNothing("dealing");
    timer("roundClock").fire(4);
    timer("spin").fire(10);
    expectRepaintChangesNothing("spin");
    timer("spin").fire(20);
    timer("roundClock").fire(5);
    takeTurn(0);
    expectRepaintChangesNothing("answer");
}

// These run with QT_SCALE_FACTOR=2, a test of their own in CTest; skipped at the usual scale.
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
