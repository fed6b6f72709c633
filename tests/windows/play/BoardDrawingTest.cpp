// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Draws.h"
#include "PlayTest.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace colour = play::colour;

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
    EXPECT_GT(count({136, 8, 73, 41}, colour::Green), 100) << "the target display shows 000";
    // The target display's black corners, the contender panel's red border and yellow inside,
    // and no dial before the clock's first step.
    for (const auto& [x, y, shown] : {std::tuple{136, 8, colour::Black}, {208, 48, colour::Black},
                                      {192, 144, colour::Red}, {193, 168, colour::Red}, {250, 156, colour::Yellow},
                                      {251, 219, colour::Background}})
        EXPECT_EQ(pixel(x, y), shown.rgb()) << x << ", " << y;
}

TEST_F(PlayTest, TheContenderPanelLightsAtTheBuzzAndShowsANameWithinItsBorderCutWithAnEllipsis)
{
    game.playerNames[0] = "Ann";
    game.playerNames[1] = QString::fromUtf8("Zoë the Magnificent, Queen of Numbers");
    openBuzzers();
    const QRect panel(192, 144, 121, 25);
    act("buzz:0");
    EXPECT_GT(count(panel, colour::White), 20) << "the buzz is shown at once, the name lit, before a flash tick";
    act("flash*16");
    EXPECT_EQ(count({192, 167, 121, 2}, colour::Red), 2 * 121) << "the border below the name";
    EXPECT_EQ(count({192, 169, 121, 1}, colour::Background), 121) << "nothing below the panel";
    act("giveUp");

    // A long name fills the panel inside its border and ends in three dots; the border stays whole.
    act("turn:1");
    const QRect text = bounds(panel, colour::Black);
    EXPECT_TRUE(text.left() >= panel.left() + 2 && text.left() <= panel.left() + 14);
    EXPECT_LE(text.right(), panel.right() - 2);
    const QRect end = bounds({text.right() - 8, panel.top(), 9, panel.height()}, colour::Black);
    EXPECT_LE(end.height(), 4) << "only dots at the end";
    EXPECT_GE(text.height(), 12);
    EXPECT_EQ(count(panel, colour::Red) - count(panel.adjusted(2, 2, -2, -2), colour::Red), 121 * 25 - 117 * 21);
}

// Runs at both densities (QT_SCALE_FACTOR=2 is a test of its own in CTest): on a double density
// screen the board is painted at twice the pixels, as in a window twice the size.
TEST_F(PlayTest, TheBoardScalesWithItsWindowCentredSharpAndClickableAtDoubleDensity)
{
    openBuzzers();
    act("turn:0");
    for (const auto& [size, scale, origin] : {std::tuple{QSize(345, 294), 1.0, QPoint(0, 0)},
                                              {QSize(863, 735), 2.5, QPoint(0, 0)},
                                              {QSize(1500, 588), 2.0, QPoint(0, 0)}}) {
        play.resize(size);
        EXPECT_EQ(std::pair(play.scale(), play.designOrigin()), std::pair(scale, origin)) << size.width();
        EXPECT_EQ(control(play, "scoreboard")->isVisible(), size.width() == 1500) << "beside the board, if room";
        // The back buffer has every pixel the board takes on the screen.
        const qreal ratio = play.devicePixelRatioF();
        const QImage& board = play.backBuffer();
        EXPECT_EQ(board.size(), QSize(337, 289) * (scale * ratio));
        if (scale * ratio == 2) {
            // Every design pixel covers exactly two by two of the back buffer's, and a number's
            // glyphs are drawn at the full density: their edges are not doubled pixels.
            for (const auto& [x, y, shown] :
                 {std::tuple{64, 112, colour::LightBlue}, {67, 115, colour::LightBlue}, {68, 116, colour::Blue},
                  {63, 111, colour::Background}, {384, 288, colour::Red}, {388, 292, colour::Yellow}})
                EXPECT_EQ(board.pixel(x, y), shown.rgb()) << x << ", " << y;
            const auto white = [&](int x, int y) { return board.pixel(x, y) == colour::White.rgb(); };
            int lonePixels = 0;
            for (int y = 112; y < 194; ++y)
                for (int x = 64; x < 146; x += 2)
                    lonePixels += white(x, y) != white(x + 1, y);
            EXPECT_GT(lonePixels, 0);
        }
        const QImage shown = play.grab().toImage();
        const auto at = [&](QPointF design) { return shown.pixel(((design * scale + origin) * ratio).toPoint()); };
        for (const auto& [x, y, colour] : {std::tuple{272, 56, colour::LightBlue}, {52, 172, colour::White},
                                          {192, 144, colour::Red}, {195, 147, colour::Yellow},
                                          {341, 292, colour::Background}})
            EXPECT_EQ(at(QPointF(x, y)), colour.rgb()) << size.width() << ": " << x << ", " << y;
        EXPECT_EQ(at(QPointF(-origin.x() / 2 / scale, 100)), colour::Background.rgb()) << "beside the board";
        // A click where a control shows reaches it.
        for (const auto& [x, y, name] : {std::tuple{92, 76, "dealtNumber1"}, {148, 116, "multiply"}}) {
            const QPoint point = (QPointF(x, y) * scale + origin).toPoint();
            QWidget* control = play.childAt(point);
            ASSERT_TRUE(control && control->objectName() == name) << size.width() << ": " << name;
            QTest::mouseClick(control, Qt::LeftButton, {}, control->mapFrom(&play, point));
        }
        EXPECT_EQ(captions(play.board().workingRow), (QStringList{"3", "×", ""})) << size.width();
        act("cancel");
    }
}

TEST_F(PlayTest, ARepaintShowsTheBoardAsItStandsAndChangesNothing)
{
    doubles.random.script(draws::deal(exampleDeal));
    startRound();
    // Dealing, the spin, an answer after its buzz flash, and the winning flash.
    for (const char* steps : {"clock*3", "clock*4 spin*10", "spin*20 clock*5 target:306 turn:0",
                              "dealtNumber1 multiply dealtNumber5 equals dealtNumber0 add dealtNumber2 equals "
                              "madeNumber0 add madeNumber1 equals flash*3"}) {
        act(steps);
        const auto before = std::pair(game.clockPosition, play.backBuffer());
        play.grab();
        EXPECT_TRUE(std::pair(game.clockPosition, play.backBuffer()) == before) << steps;
    }
}
