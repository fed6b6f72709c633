// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "play/PlayWindow.h"
#include "setup/SetUpWindow.h"
#include "core/RuleCheck.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>


namespace {

class PlayersTest : public doubles::GameTest {
protected:
    PlayersTest() { openSetUp(); }

    void startGame(const QString& rounds)
    {
        setup.roundsBox->setText(rounds);
        QTest::mouseClick(setup.startButton, Qt::LeftButton);
        settle();
    }

    SetUpWindow& setup = windows.setUpWindow();
};

}  // namespace

TEST(RoundsCheck, ReadsTheTextsLeadingNumberAndRefusesTooManyRounds)
{
    const struct {
        const char* text;
        int rounds;  // 0: the game does not start
        bool refused;
    } cases[] = {
        {"999", 999, false}, {"1000", 0, true}, {" 12 ", 0, true}, {"2.5", 2, false}, {"3.5", 4, false},
        {"1 2", 12, false},  {"", 0, false},    {"-5", 0, false},  {"9e9", 0, true},  {"&HF", 15, false},
    };
    for (const auto& c : cases) {
        const auto check = core::checkRounds(QString::fromLatin1(c.text));
        EXPECT_EQ(check.rounds, c.rounds) << '"' << c.text << '"';
        EXPECT_EQ(check.error.value_or(""), c.refused ? "Number of rounds must be less than 1000" : "") << c.text;
    }
}

TEST_F(PlayersTest, StartGameFollowsTheTicks)
{
    const auto tick = [&](int place) { QTest::mouseClick(setup.playingBoxes[place], Qt::LeftButton, {}, QPoint(6, 12)); };
    tick(0);
    EXPECT_TRUE(setup.startButton->isEnabled());
    tick(1);
    EXPECT_FALSE(setup.startButton->isEnabled());
    tick(4);
    EXPECT_TRUE(setup.startButton->isEnabled());
}

TEST_F(PlayersTest, StartingAGameFillsTheSharedStateAndHandsOverToThePlayWindow)
{
    game.rules.turnSeconds = 30;
    setup.nameBoxes[0]->setText("  Zoë ");
    setup.nameBoxes[1]->setText("");
    setup.nameBoxes[4]->setText("名前 🎲");
    setup.difficultyButtons[2]->setChecked(true);
    setup.practiceBox->setChecked(true);
    startGame("2");

    EXPECT_EQ(game.playerNames[0], "  Zoë ");
    EXPECT_EQ(game.playerNames[4], "名前 🎲") << "stored even though the place does not play";
    EXPECT_EQ(game.playing, (std::array<bool, 6>{true, true, false, false, false, false}));
    EXPECT_EQ(game.currentRound, 1);
    EXPECT_EQ(game.roundCount, 2);
    EXPECT_EQ(game.difficulty, 2);
    EXPECT_TRUE(game.practice);
    EXPECT_TRUE(game.musicOn) << "Music On is ticked";
    EXPECT_EQ(game.answerTime.count(), 30);

    // The round the players see is set up with the values stored after the show.
    PlayWindow& play = windows.playWindow();
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(play.isActive());
    EXPECT_EQ(doubles.timers["roundClock"].interval(), 50);
    EXPECT_TRUE(play.findChild<QPushButton*>("endRound")->isVisible());
}

TEST_F(PlayersTest, ChangeRulesShowsItsCaptionOnTwoLines)
{
    EXPECT_EQ(setup.rulesButton->text(), "   Change     Rules");
    // The rows of the button that hold dark text: two bands, one above the other.
    const QImage button = setup.rulesButton->grab().toImage();
    int bands = 0;
    bool inBand = false;
    for (int y = 4; y < button.height() - 4; ++y) {
        bool textInRow = false;
        for (int x = 4; x < button.width() - 4 && !textInRow; ++x)
            textInRow = button.pixelColor(x, y).lightness() < 100;
        bands += textInRow && !inBand;
        inBand = textInRow;
    }
    EXPECT_EQ(bands, 2);
}
