// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "play/PlayWindow.h"
#include "setup/SetUpWindow.h"
#include "core/RuleCheck.h"
#include "setup/RulesWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using core::checkRules;

namespace {

std::array<QString, 5> rows(const char* r0, const char* r1, const char* r2, const char* r3, const char* r4)
{
    return {r0, r1, r2, r3, r4};
}

}  // namespace

TEST(RuleCheck, EveryBoxMustHoldAWholeNumberBeforeAnyRangeIsChecked)
{
    const struct {
        std::array<QString, 5> texts;
        const char* error;  // none: accepted
    } cases[] = {
        {rows("3", "90", "20", "5", "5"), nullptr},
        {rows("3", "9", "20", "5", "5"), "You must have at least 10 seconds for a turn!"},
        {rows("3", "10", "20", "5", "5"), nullptr},
        {rows("3", "90", "", "5", "5"), "You must have some time to do your calculations!"},
        {rows("-3", "90", "20", "5", "5"), "You must be allowed to make at least 1 turn!"},
        {rows("0", "90", "20", "1.5", "5"), "Enter a whole number of cancels allowed."},
        {rows("0", "90", "20", "5", "0"), "You must be allowed to make at least 1 turn!"},
        {rows("3", "90", "20", "5", "-"), "You can't be disqualified before you've been stopped once!"},
        // Too large for a rule: refused as no whole number, before any range message.
        {rows("0", "90", "20", "5", "40000"), "Enter a whole number of chances before disqualification."},
        {rows("3", "90", "20", "32768", "5"), "Enter a whole number of cancels allowed."},
        {rows("3", "90", "20", "5", "-40000"), "You can't be disqualified before you've been stopped once!"},
    };
    for (const auto& c : cases) {
        const auto check = checkRules(c.texts);
        const std::string row = (c.texts[0] + "|" + c.texts[1] + "|" + c.texts[2] + "|" + c.texts[3] + "|" + c.texts[4]).toStdString();
        if (c.error) {
            EXPECT_EQ(check.error.value_or("accepted"), c.error) << row;
        } else {
            EXPECT_FALSE(check.error) << row;
        }
    }
    const auto check = checkRules(rows("5-3", "0000000012", "32767", "1", "2"));
    ASSERT_FALSE(check.error);
    EXPECT_EQ(check.values, (std::array<std::int16_t, 5>{5, 12, 32767, 1, 2}));
}

namespace {

class RulesTest : public doubles::GameTest {
protected:
    RulesTest() { openSetUp(); }

    // Opens the rules window from the set-up window, types `texts`, presses OK, and then
    // closes the window by its frame if it is still open.
    void changeRules(const std::array<QString, 5>& texts)
    {
        QTimer::singleShot(0, [&] {
            RulesWindow& rules = windows.rulesWindow();
            for (int row = 0; row < 5; ++row)
                rules.valueBoxes[row]->setText(texts[row]);
            QTest::mouseClick(rules.okButton, Qt::LeftButton);
            boxesAfterOk.clear();
            for (const QLineEdit* box : rules.valueBoxes)
                boxesAfterOk << box->text();
            if (rules.isVisible())
                rules.close();
        });
        QTest::mouseClick(windows.setUpWindow().rulesButton, Qt::LeftButton);
    }

    QStringList boxesAfterOk;
};

}  // namespace

TEST_F(RulesTest, OkStoresTheTrimmedValuesOnlyWhenAllPassForTheNextGame)
{
    // Closed by its frame, the window stores nothing.
    QTimer::singleShot(0, [&] {
        windows.rulesWindow().valueBoxes[0]->setText("9");
        windows.rulesWindow().close();
    });
    QTest::mouseClick(windows.setUpWindow().rulesButton, Qt::LeftButton);
    EXPECT_EQ(game.rules.turnsAllowed, 3);

    changeRules(rows(" 7 ", "9", "20", "5", "5"));
    EXPECT_EQ(doubles.messages.shown.back().text, "You must have at least 10 seconds for a turn!");
    EXPECT_EQ(doubles.messages.shown.back().title, "Error");
    EXPECT_EQ(boxesAfterOk, (QStringList{"7", "9", "20", "5", "5"})) << "trimmed";
    EXPECT_EQ(game.rules.turnsAllowed, 3) << "nothing stored";

    changeRules(rows(" 7 ", "45", "12", "2", "4"));
    EXPECT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(game.rules, (core::Rules{7, 45, 12, 2, 4}));
    EXPECT_TRUE(windows.setUpWindow().isActive());

    // The next game starts with the new rules, and with no scores or stops.
    game.totalScores[0] = 9;
    game.timesStopped[1] = 3;
    QTest::mouseClick(windows.setUpWindow().startButton, Qt::LeftButton);
    settle();
    EXPECT_EQ(game.answerTime.count(), 45);
    EXPECT_EQ(game.idleTime.count(), 12);
    EXPECT_EQ(game.totalScores[0], 0);
    EXPECT_EQ(game.timesStopped[1], 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.rulesWindow().valueBoxes[0]->text(), "7") << "the window comes back with the stored values";
}
