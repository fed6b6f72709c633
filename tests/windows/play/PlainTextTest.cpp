// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"
#include "windows/finder/FinderWindow.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"
#include "windows/setup/SetUpWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// Every label of `window` is plain text, and `name`, when given, can be read on it whole, as
// typed: in a label, a box, or a tooltip as it shows (rendered, where Qt takes it for markup).
void expectShownAsTyped(const QWidget& window, const QString& name = {})
{
    bool found = name.isEmpty();
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        QTextDocument toolTip;
        toolTip.setHtml(widget->toolTip());
        found |= (Qt::mightBeRichText(widget->toolTip()) ? toolTip.toPlainText() : widget->toolTip()).contains(name);
        if (auto* label = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << window.windowTitle().toStdString();
            found |= label->text().contains(name);
        } else if (auto* box = qobject_cast<const QLineEdit*>(widget)) {
            found |= box->text() == name;
        }
    }
    EXPECT_TRUE(found) << window.windowTitle().toStdString() << ": " << name.toStdString();
}

}  // namespace

TEST_F(PlayTest, ANameFullOfMarkupIsShownAsTypedInEveryWindowAndALongOneIsCutWhereItHasNoRoom)
{
    // Read as HTML, the image alone would allocate until the program dies.
    const QString markup = "<img src=/dev/zero><b>Zoë</b>";
    const QString longName = "<i>Zoë</i> & the <font size=7>Magnificent</font>, Queen of Numbers";
    startGame("1", true, exampleDeal, {markup, longName});
    expectShownAsTyped(program.setUpWindow(), markup);

    act("clock*7 spin*30 target:306 turn:1");
    EXPECT_EQ(play.board().contenderName.caption, longName) << "painted as text, cut only by its panel";
    act("giveUp");
    // Player 1 takes turns until they are all used, then buzzes once more.
    for (int buzz = 0; buzz < 4 && !messageTitles().contains("All Turns Used"); ++buzz)
        act("turn:0 giveUp");
    ASSERT_TRUE(messageTitles().contains("All Turns Used"));
    EXPECT_EQ(doubles.messages.shown.back().text, "You've had all your turns, " + markup + ".");
    expectShownAsTyped(play);

    exitFinderOnceSolved();
    act("endRound");
    settle();
    expectShownAsTyped(program.titleWindow());
    expectShownAsTyped(program.finderWindow());
    RoundTable& roundTable = program.roundTable();
    ASSERT_TRUE(roundTable.isVisible());
    for (const QString& name : {markup, longName})
        expectShownAsTyped(roundTable, name);
    // A name too long for its cell ends in an ellipsis within it; the whole name is its tooltip.
    const auto expectCut = [](const QLabel& cell) {
        EXPECT_TRUE(cell.text().endsWith(u'…')) << cell.text().toStdString();
        EXPECT_LE(cell.fontMetrics().horizontalAdvance(cell.text()), cell.contentsRect().width());
    };
    expectCut(*control<QLabel>(roundTable, "name", 1));

    game.totalScores = {0, 4};
    QTest::mouseClick(control<QPushButton>(roundTable, "nextRound"), Qt::LeftButton);
    settle();
    FinalTable& finalTable = program.finalTable();
    ASSERT_TRUE(finalTable.isVisible());
    for (const QString& name : {markup, longName})
        expectShownAsTyped(finalTable, name);
    expectCut(*control<QLabel>(finalTable, "name", 1));
    // The winner's sentence stays whole around the beginning of the name, within its room.
    const QLabel& winner = *control<QLabel>(finalTable, "winner");
    EXPECT_TRUE(winner.text().startsWith(longName.left(6)) && winner.text().contains(u'…') &&
                winner.text().endsWith(" is the winner!")) << winner.text().toStdString();
    const QRect room = winner.contentsRect();
    const auto wrapped = Qt::AlignCenter | Qt::TextWordWrap;
    EXPECT_TRUE(room.contains(winner.fontMetrics().boundingRect(room, wrapped, winner.text())));
}
