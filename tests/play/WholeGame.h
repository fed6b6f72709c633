// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "doubles/Draws.h"
#include "PlayTest.h"
#include "scores/RoundTable.h"
#include "setup/SetUpWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

// A deal from which 306 can be made, as 3×100 + (2+4).
inline const std::vector<int> exampleDeal{2, 3, 4, 10, 20, 100, 150};

// A fixture that plays whole games as the players do, from the set-up window on.
class WholeGameTest : public PlayTest {
protected:
    // The difficulty the set-up window chooses: 0 Easy, 1 Normal, 2 Hard.
    int difficulty = 1;

    // Sets up a game in the set-up window and starts it, the first round dealt from `deal`.
    // The players are the first places, one for each of `names`.
    void startGame(const char* rounds, bool practice, const std::vector<int>& deal,
                   const QStringList& names = {"Ann", "Bob"})
    {
        openSetUp();
        SetUpWindow& setup = windows.setUpWindow();
        for (int i = 0; i < 6; ++i) {
            setup.playingBoxes[i]->setChecked(i < names.size());
            if (i < names.size())
                setup.nameBoxes[i]->setText(names[i]);
        }
        setup.roundsBox->setText(rounds);
        setup.difficultyButtons[difficulty]->setChecked(true);
        setup.practiceBox->setChecked(practice);
        setup.musicBox->setChecked(false);
        doubles.random.script(draws::deal(deal));
        QTest::mouseClick(setup.startButton, Qt::LeftButton);
        settle();
    }

    // The answering player makes 306 from 2, 3, 4, 10, 20, 100, 150, as 3×100 + (2+4).
    void make306()
    {
        act("dealtNumber1 multiply dealtNumber5 equals dealtNumber0 add dealtNumber2 equals madeNumber0 add "
            "madeNumber1 equals");
    }
};
