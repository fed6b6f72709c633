// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "setup/SetUpWindow.h"
#include "title/AboutBox.h"
#include "title/TitleWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using TitleTest = doubles::GameTest;

TEST_F(TitleTest, TheHandGoesRoundAnticlockwiseAboutRestartsItFromTheTopAndPlayStopsIt)
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

    QString about;
    QTimer::singleShot(0, [&] {
        about = windows.aboutBox().windowTitle() + u'|';
        for (const QLabel* label : windows.aboutBox().findChildren<QLabel*>())
            about += label->text() + u'|';
        EXPECT_FALSE(doubles.timers["dials"].isEnabled()) << "the dials stand still under the About box";
        QTest::mouseClick(windows.aboutBox().findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    QTest::mouseClick(title.findChild<QPushButton*>("About"), Qt::LeftButton);
    EXPECT_EQ(hand(), "U") << "back at the top before the first tick";
    EXPECT_TRUE(about.startsWith("About Quorvix|") && about.contains("|Version 1.0|")) << about.toStdString();
    EXPECT_TRUE(title.isActive());

    QTest::mouseClick(title.findChild<QPushButton*>("Play!"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(title.isVisible());
    EXPECT_TRUE(windows.setUpWindow().isActive());
    EXPECT_FALSE(doubles.timers["dials"].isEnabled());
}
