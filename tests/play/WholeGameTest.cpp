// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeGame.h"
#include "scores/FinalTable.h"
#include "finder/FinderWindow.h"

#include <gtest/gtest.h>

TEST_F(WholeGameTest, AThreeRoundGameFromSetUpToTheWinner)
{
    startGame("3", false, exampleDeal);
    ASSERT_TRUE(play.isActive());

    // Round 1: Ann makes the target with the clock at 150, and the winning flash runs out.
    act("clock*7 spin*30 target:306 clock*90 turn:0");
    make306();
    act("flash*30");
    settle();
    EXPECT_EQ(roundPoints(), (QStringList{"3", "0", "", "", "", ""}));
    EXPECT_TRUE(finderText.isEmpty()) << "no solutions after a win";

    // Round 2: nobody buzzes; the finder shows the way with the round's numbers and target.
    playNextRound({5, 7, 9, 15, 25, 150, 300});
    EXPECT_TRUE(play.isActive());
    act("clock*7 spin*30");
    const QString target = targetText();
    exitFinderOnceSolved();
    act("clock*240 clock");
    settle();
    EXPECT_TRUE(finderText.endsWith("=" + target + "!")) << finderText.toStdString();
    EXPECT_EQ(roundPoints(), (QStringList{"0", "0", "", "", "", ""}));

    // Round 3: Bob makes it with the clock at 60.
    playNextRound(exampleDeal);
    act("clock*7 spin*30 target:306 clock*180 turn:1");
    make306();
    act("flash*30");
    settle();
    EXPECT_EQ(roundPoints(), (QStringList{"0", "2", "", "", "", ""}));

    QTest::mouseClick(windows.roundTable().nextRoundButton, Qt::LeftButton);
    settle();
    FinalTable& final = windows.finalTable();
    EXPECT_TRUE(final.isActive());
    EXPECT_EQ(final.totalCells[0]->text(), "3");
    EXPECT_EQ(final.totalCells[1]->text(), "2");
    EXPECT_EQ(final.winnerLabel->text(), "Ann is the winner!");
}
