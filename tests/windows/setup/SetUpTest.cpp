// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RuleCheck.h"
#include "doubles/PhoneClient.h"
#include "doubles/TestGame.h"
#include "look/JoinCode.h"
#include "platform/network/Phones.h"
#include "windows/play/PlayWindow.h"
#include "windows/setup/RulesWindow.h"
#include "windows/setup/SetUpWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

TEST(RuleCheck, EveryBoxMustHoldAWholeNumberBeforeAnyRangeIsChecked)
{
    const struct {
        std::array<QString, 5> texts;
        const char* error;  // none: accepted
    } cases[] = {
        {{"3", "9", "20", "5", "5"}, "You must have at least 10 seconds for a turn!"},
        {{"3", "10", "20", "5", "5"}, nullptr},
        {{"3", "90", "", "5", "5"}, "You must have some time to do your calculations!"},
        {{"-3", "90", "20", "5", "5"}, "You must be allowed to make at least 1 turn!"},
        {{"0", "90", "20", "1.5", "5"}, "Enter a whole number of cancels allowed."},
        {{"0", "90", "20", "5", "0"}, "You must be allowed to make at least 1 turn!"},
        {{"3", "90", "20", "5", "-"}, "You can't be disqualified before you've been stopped once!"},
        // Too large for a rule: refused as no whole number, before any range message.
        {{"0", "90", "20", "5", "40000"}, "Enter a whole number of chances before disqualification."},
        {{"3", "90", "20", "5", "-40000"}, "You can't be disqualified before you've been stopped once!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::checkRules(c.texts).error.value_or("accepted"), c.error ? c.error : "accepted")
            << c.texts[0].toStdString() << "|" << c.texts[1].toStdString() << "|" << c.texts[4].toStdString();
}

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

using SetUpTest = doubles::GameTest;

TEST_F(SetUpTest, TheRulesAndTheEntriesStartAGameWithNoScoresOrStops)
{
    openSetUp();
    SetUpWindow& setup = program.setUpWindow();
    // "Change Rules" shows on two lines: two bands of rows with dark text, one above the other.
    const QImage button = control<QPushButton>(setup, "changeRules")->grab().toImage();
    QString rows;
    for (int y = 4; y < button.height() - 4; ++y) {
        bool dark = false;
        for (int x = 4; x < button.width() - 4; ++x)
            dark |= button.pixelColor(x, y).lightness() < 100;
        rows += dark ? u'#' : u' ';
    }
    EXPECT_EQ(rows.simplified().split(u' ').size(), 2) << rows.toStdString();
    // Opens the rules window, types `texts`, presses OK, and closes it by its frame if still open.
    QStringList boxesAfterOk;
    const auto changeRules = [&](const std::array<const char*, 5>& texts) {
        QTimer::singleShot(0, [&] {
            RulesWindow& rules = program.rulesWindow();
            for (int row = 0; row < 5; ++row)
                control<QLineEdit>(rules, "rule", row)->setText(texts[row]);
            QTest::mouseClick(control<QPushButton>(rules, "ok"), Qt::LeftButton);
            boxesAfterOk.clear();
            for (int row = 0; row < core::RuleCount; ++row)
                boxesAfterOk << control<QLineEdit>(rules, "rule", row)->text();
            rules.close();
        });
        QTest::mouseClick(control<QPushButton>(setup, "changeRules"), Qt::LeftButton);
    };
    changeRules({" 7 ", "9", "20", "5", "5"});
    EXPECT_EQ(doubles.messages.shown.back().text, "You must have at least 10 seconds for a turn!");
    EXPECT_EQ(doubles.messages.shown.back().title, "Error");
    EXPECT_EQ(boxesAfterOk, (QStringList{"7", "9", "20", "5", "5"})) << "trimmed";
    EXPECT_EQ(game.rules, core::Rules{}) << "nothing stored";
    changeRules({" 7 ", "45", "12", "2", "4"});
    EXPECT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(game.rules, (core::Rules{7, 45, 12, 2, 4}));

    for (const int place : {0, 1, 4, 0}) {
        EXPECT_EQ(control<QPushButton>(setup, "start")->isEnabled(), place != 4)
            << "nobody plays before place 5 is ticked";
        QTest::mouseClick(control<QCheckBox>(setup, "playing", place), Qt::LeftButton, {}, {6, 12});
    }
    game.totalScores[0] = 9;
    game.timesStopped[1] = 3;
    control<QLineEdit>(setup, "name", 0)->setText("  Zoë ");
    control<QLineEdit>(setup, "name", 5)->setText("名前 🎲");
    control<QLineEdit>(setup, "rounds")->setText("2");
    control<QRadioButton>(setup, "hard")->setChecked(true);
    control<QCheckBox>(setup, "practice")->setChecked(true);
    QTest::mouseClick(control<QPushButton>(setup, "start"), Qt::LeftButton);
    settle();
    EXPECT_EQ(game.playerNames[0], "  Zoë ");
    EXPECT_EQ(game.playerNames[5], "名前 🎲") << "stored even though the place does not play";
    EXPECT_EQ(game.playing, (std::array<bool, 6>{true, false, false, false, true, false}));
    EXPECT_EQ(std::tuple(game.totalScores[0], game.timesStopped[1], game.currentRound, game.roundCount,
                         game.difficulty, game.practice, game.musicOn, game.answerTime.count(), game.idleTime.count()),
              std::tuple(0, 0, 1, 2, 2, true, true, 45, 12));
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(program.playWindow().isActive());
    EXPECT_TRUE(control(program.playWindow(), "endRound")->isVisible());
}

// The Phones box turns the server on and is remembered; the window shows the address in words
// and as a code; a phone's name fills its place's name as typed, its buzzer is named beside
// the key, and Free closes the phone and gives the place back.
TEST_F(SetUpTest, PhonesJoinByTheAddressShownAndTheHostFreesTheirPlaces)
{
    openSetUp();
    SetUpWindow& setup = program.setUpWindow();
    auto* phonesBox = control<QCheckBox>(setup, "phones");
    EXPECT_FALSE(phonesBox->isChecked() || doubles.phones.isOn()) << "off until asked for";
    QTest::mouseClick(phonesBox, Qt::LeftButton, {}, QPoint(4, phonesBox->height() / 2));
    ASSERT_TRUE(doubles.phones.isOn());
    EXPECT_EQ(doubles.settings.value("game/phones"), true);
    const QString address = doubles.phones.joinAddress();
    EXPECT_TRUE(address.startsWith("http://127.0.0.1:")) << address.toStdString();
    EXPECT_TRUE(control<QLabel>(setup, "joinAddress")->text().endsWith("\n" + address));
    EXPECT_EQ(control<look::JoinCode>(setup, "joinCode")->address(), address);
    EXPECT_EQ(control<QLabel>(setup, "roomCode")->text(), "Room " + doubles.phones.roomCode());

    doubles::Phone phone(QUrl(address).port());
    ASSERT_EQ(phone.join(doubles.phones.roomCode(), 2, "<i>Zoë</i>").value("place").toInt(), 2);
    (void)QTest::qWaitFor([&] { return control<QLineEdit>(setup, "name", 1)->text() == "<i>Zoë</i>"; }, 1000);
    EXPECT_EQ(control<QLineEdit>(setup, "name", 1)->text(), "<i>Zoë</i>");
    auto* buzzer = control<QLabel>(setup, "buzzerName", 1);
    EXPECT_EQ(buzzer->text(), "G or <i>Zoë</i>'s phone");
    EXPECT_EQ(buzzer->textFormat(), Qt::PlainText) << "a name is never markup";
    auto* free = control<QPushButton>(setup, "free", 1);
    EXPECT_TRUE(free->isEnabled() && !control<QPushButton>(setup, "free", 0)->isEnabled());
    QTest::mouseClick(free, Qt::LeftButton);
    EXPECT_EQ(phone.closedWithin(), "The host freed this place.|");
    EXPECT_EQ(buzzer->text(), "G");
    EXPECT_FALSE(free->isEnabled());

    QTest::mouseClick(phonesBox, Qt::LeftButton, {}, QPoint(4, phonesBox->height() / 2));
    EXPECT_FALSE(doubles.phones.isOn());
    EXPECT_EQ(control<QLabel>(setup, "joinAddress")->text(),
              "Tick Phones to let the room's phones buzz, over this computer's own network.");
}
