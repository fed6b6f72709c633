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


namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb blue = qRgb(0, 0, 255);

class TitleTest : public doubles::GameTest {
protected:
    TitleTest()
    {
        windows.showTitle();
        settle();
    }

    void press(const char* button) { QTest::mouseClick(title.findChild<QPushButton*>(button), Qt::LeftButton); }
    void tick(int count = 1) { doubles.timers["dials"].fire(count); }
    QRgb dial(int x, int y) const { return title.dial().pixel(x, y); }
    // Where the hand points: the pixels 30 from the dial's centre, up, left, down, right.
    QString hand() const
    {
        QString points;
        for (const auto& [x, y, name] : {std::tuple{45, 15, 'U'}, {15, 45, 'L'}, {45, 75, 'D'}, {75, 45, 'R'}})
            if (dial(x, y) == white)
                points += QLatin1Char(name);
        return points;
    }

    TitleWindow& title = windows.titleWindow();
};

}  // namespace

TEST_F(TitleTest, TheHandGoesRoundOnceEvery300TicksAnticlockwiseOnBothDials)
{
    EXPECT_EQ(title.windowTitle(), "Quorvix!");
    EXPECT_EQ(hand(), "U") << "the dials are drawn before the first tick";
    EXPECT_EQ(dial(45, 45 + 43), white) << "the white rim";
    EXPECT_EQ(dial(45, 45 + 30), blue);
    for (const auto& [ticks, points] : {std::pair{1, "U"}, {75, "L"}, {75, "D"}, {75, "R"}}) {
        tick(ticks);
        EXPECT_EQ(hand(), points);
    }
    // A repaint copies the dial to both sides and does not move the hand.
    const QImage shown = title.grab().toImage();
    EXPECT_EQ(shown.pixel(6 + 75, 46 + 45), white) << "the left dial";
    EXPECT_EQ(shown.pixel(278 + 75, 46 + 45), white) << "the right dial";
    EXPECT_EQ(hand(), "R");
}

TEST_F(TitleTest, AboutStopsTheDialsAndOkRestartsTheHandFromTheTopWhilePlayStopsThem)
{
    tick(40);
    QString caption, version;
    bool tickingUnderAbout = true;
    QTimer::singleShot(0, [&] {
        AboutBox& about = windows.aboutBox();
        caption = about.windowTitle();
        for (const QLabel* label : about.findChildren<QLabel*>())
            version += label->text() + u'|';
        tickingUnderAbout = doubles.timers["dials"].isEnabled();
        QTest::mouseClick(about.findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    press("About");
    EXPECT_EQ(hand(), "U") << "back at the top before the first tick";
    EXPECT_EQ(caption, "About Quorvix");
    EXPECT_TRUE(version.contains("|Version 1.0|"));
    EXPECT_FALSE(tickingUnderAbout);
    EXPECT_TRUE(title.isActive());

    press("Play!");
    settle();
    EXPECT_FALSE(title.isVisible());
    EXPECT_TRUE(windows.setUpWindow().isActive());
    EXPECT_FALSE(doubles.timers["dials"].isEnabled());
}
