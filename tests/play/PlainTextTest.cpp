// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include "scores/FinalTable.h"
#include "scores/RoundTable.h"
#include "setup/SetUpWindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A text as the player reads it: markup, where Qt takes the text for markup, is rendered.
QString asRead(const QString& text, bool readAsMarkup)
{
    if (!readAsMarkup)
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

bool readAsMarkup(const QLabel& label)
{
    return label.textFormat() == Qt::RichText ||
           (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
}

// Everything a player can read on `window`: its caption, its labels, buttons and boxes, and
// its tooltips, each as it shows.
QStringList readable(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(widget))
            texts << asRead(label->text(), readAsMarkup(*label));
        else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* box = qobject_cast<const QLineEdit*>(widget))
            texts << box->text();
        texts << asRead(widget->toolTip(), Qt::mightBeRichText(widget->toolTip()));
    }
    return texts;
}

void expectPlainLabels(const QWidget& window)
{
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << window.windowTitle().toStdString();
}

// Every label of `window` is plain text, and `name` can be read on it whole, as typed.
void expectShownAsTyped(const QWidget& window, const QString& name)
{
    expectPlainLabels(window);
    const QStringList texts = readable(window);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const QString& text) { return text.contains(name); }))
        << window.windowTitle().toStdString() << ": " << texts.join(u'|').toStdString();
}

}  // namespace

TEST_F(PlayTest, ANameFullOfMarkupIsShownAsTypedInEveryWindowAndALongOneIsCutWhereItHasNoRoom)
{
    // Read as HTML, the image alone would allocate until the program dies.
    const QString markup = "<img src=/dev/zero><b>Zoë</b>";
    const QString longName = "<i>Zoë</i> & the <font size=7>Magnificent</font>, Queen of Numbers";
    startGame("1", true, exampleDeal, {markup, longName});
    expectShownAsTyped(windows.setUpWindow(), markup);

    act("clock*7 spin*30 target:306 turn:1");
    EXPECT_EQ(play.board().contenderName.caption, longName) << "painted as text, cut only by its panel";
    act("giveUp");
    // The buzzer key is held until the last turn is used and then once more.
    for (int buzz = 0; buzz < 4 && !messageTitles().contains("All Turns Used"); ++buzz)
        act("turn:0 giveUp");
    ASSERT_TRUE(messageTitles().contains("All Turns Used"));
    EXPECT_EQ(doubles.messages.shown.back().text, "You've had all your turns, " + markup + ".");
    expectPlainLabels(play);

    exitFinderOnceSolved();
    act("endRound");
    settle();
    RoundTable& roundTable = windows.roundTable();
    ASSERT_TRUE(roundTable.isVisible());
    for (const QString& name : {markup, longName})
        expectShownAsTyped(roundTable, name);
    // A name too long for its cell ends in an ellipsis within it; the whole name is its tooltip.
    const auto expectCut = [](const QLabel& cell) {
        EXPECT_TRUE(cell.text().endsWith(u'…')) << cell.text().toStdString();
        EXPECT_LE(cell.fontMetrics().horizontalAdvance(cell.text()), cell.contentsRect().width());
    };
    expectCut(*roundTable.nameCells[1]);

    game.totalScores = {0, 4};
    QTest::mouseClick(roundTable.nextRoundButton, Qt::LeftButton);
    settle();
    FinalTable& finalTable = windows.finalTable();
    ASSERT_TRUE(finalTable.isVisible());
    for (const QString& name : {markup, longName})
        expectShownAsTyped(finalTable, name);
    expectCut(*finalTable.nameCells[1]);
    // The winner's sentence stays whole around the beginning of the name, within its room.
    const QLabel& winner = *finalTable.winnerLabel;
    const QString sentence = winner.text();
    EXPECT_TRUE(sentence.startsWith(longName.left(6)) && sentence.contains(u'…') &&
                sentence.endsWith(" is the winner!"))
        << sentence.toStdString();
    const QRect needed =
        winner.fontMetrics().boundingRect(winner.contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, sentence);
    EXPECT_TRUE(winner.contentsRect().contains(needed)) << needed.width() << "x" << needed.height();
}
