// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Doubles.h"
#include "platform/Settings.h"
#include "platform/window/Help.h"
#include "platform/window/PadPoll.h"
#include "platform/window/ScreenMemory.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest/QTest>

#include <gtest/gtest.h>

// The help as a window of the game's: at the part it was asked for, closed by Escape or by a
// pad's east button, with or without a window manager (nothing here has one).
TEST(HelpViewer, OpensAtThePartAskedForAndClosesWithEscapeOrThePadsWayBack)
{
    doubles::FakeMessageBoxes boxes;
    doubles::ManualTimers timers{boxes};
    platform::MemorySettings settings;
    platform::ScreenMemory screen{settings, timers};
    platform::HelpViewer help(screen);
    const QString file = QStringLiteral(QUORVIX_DATA_DIR "/Solvo.hlp");
    const auto scrolled = [&] { return help.openWindow()->findChild<QTextBrowser*>()->verticalScrollBar()->value(); };
    ASSERT_EQ(help.show(file, QStringLiteral("rules")), platform::HelpShown::Shown);
    EXPECT_GT(scrolled(), 0) << "at the turn rules";
    QTest::keyClick(help.openWindow(), Qt::Key_Escape);
    ASSERT_EQ(help.openWindow(), nullptr);
    help.show(file);
    EXPECT_EQ(scrolled(), 0) << "at the top";
    platform::navigateByKeys(*help.openWindow(), platform::Navigation::Back);
    EXPECT_EQ(help.openWindow(), nullptr);
}
