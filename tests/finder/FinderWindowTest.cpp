// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "finder/FinderWindow.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

class FinderTest : public doubles::GameTest {
protected:
    void press(const char* button) { QTest::mouseClick(finder.findChild<QPushButton*>(button), Qt::LeftButton); }

    FinderWindow& finder = windows.finderWindow();
};

}  // namespace

TEST_F(FinderTest, AHopelessSearchRunsUntilExitOrTheFramesClose)
{
    // No way to 997 from 2s; zeros are no numbers at all, and must not hang the search.
    for (const bool byFrame : {false, true}) {
        finder.prepareSearch(byFrame ? core::Numbers{0, 0, 0, 0, 0, 0, 5} : core::Numbers{2, 2, 2, 2, 2, 2, 2},
                             byFrame ? 5 : 997);
        QString whileSearching;
        QTimer::singleShot(30, &finder, [&] {
            whileSearching = finder.displayText();
            byFrame ? void(finder.close()) : press("exit");
        });
        finder.showModal();
        EXPECT_EQ(whileSearching, "Please Wait");
        EXPECT_FALSE(finder.isVisible());
    }
    EXPECT_TRUE(doubles.messages.shown.empty());
}
