// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "setup/SetUpWindow.h"
#include "title/TitleWindow.h"

#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using TitleTest = doubles::GameTest;

TEST_F(TitleTest, TheHandGoesRoundAnticlockwiseOnBothDialsUntilPlayIsPressed)
{
    windows.showTitle();
    settle();
    TitleWindow& title = windows.titleWindow();
    const QRgb white = qRgb(255, 255, 255);
    // Where the hand points: the pixels 30 from the dial's centre, up, left, down, right.
    const auto hand = [&] {
        QString points;
        for (const auto& [x, y, name] : {std::tuple{45, 15, 'U'}, {15, 45, 'L'}, {45, 75, 'D'}, {75, 45, 'R'}})
            points += title.dial().pixel(x, y) == white ? QString(QLatin1Char(name)) : QString();
        return points;
    };
    EXPECT_EQ(title.windowTitle(), "Quorvix!");
    EXPECT_EQ(title.dial().pixel(45, 45 + 43), white) << "the white rim";
    for (const auto& [ticks, points] : {std::pair{0, "U"}, {1, "U"}, {75, "L"}, {75, "D"}, {75, "R"}}) {
        doubles.timers["dials"].fire(ticks);
        EXPECT_EQ(hand(), points) << "the dials are drawn before the first tick";
    }
    const QImage shown = title.grab().toImage();
    EXPECT_EQ(shown.pixel(6 + 75, 46 + 45), white) << "the left dial";
    EXPECT_EQ(shown.pixel(278 + 75, 46 + 45), white) << "the right dial";

    QTest::mouseClick(title.findChild<QPushButton*>("Play!"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(title.isVisible());
    EXPECT_TRUE(windows.setUpWindow().isActive());
    EXPECT_FALSE(doubles.timers["dials"].isEnabled());
}
