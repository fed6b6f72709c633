// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include "doubles/Draws.h"
#include "platform/input/Buzzers.h"
#include "windows/finder/FinderWindow.h"
#include "windows/setup/SetUpWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <array>
#include <map>
#include <utility>

PlayTest::PlayTest() : play(program.playWindow())
{
    game.playerNames = {"Ann", "Bob", "Player 3", "Player 4", "Player 5", "Player 6"};
    game.playing = {true, true, false, false, false, false};
    game.difficulty = 1;
    game.roundCount = 3;
    game.currentRound = 1;
    game.answerTime = std::chrono::seconds(game.rules.turnSeconds);
    game.idleTime = std::chrono::seconds(game.rules.idleSeconds);
    doubles.clock.set(QDateTime(QDate(2026, 12, 6), QTime(20, 15, 0)));
}

void PlayTest::startGame(const char* rounds, bool practice, const std::vector<int>& deal, const QStringList& names)
{
    openSetUp();
    SetUpWindow& setup = program.setUpWindow();
    for (int i = 0; i < 6; ++i) {
        control<QCheckBox>(setup, "playing", i)->setChecked(i < names.size());
        if (i < names.size())
            control<QLineEdit>(setup, "name", i)->setText(names[i]);
    }
    control<QLineEdit>(setup, "rounds")->setText(rounds);
    control<QRadioButton>(setup, QStringList{"easy", "normal", "hard"}[difficulty])->setChecked(true);
    control<QCheckBox>(setup, "practice")->setChecked(practice);
    control<QCheckBox>(setup, "music")->setChecked(false);
    doubles.random.script(draws::deal(deal));
    QTest::mouseClick(control<QPushButton>(setup, "start"), Qt::LeftButton);
    settle();
}

void PlayTest::startRound()
{
    play.prepareRound();
    play.show();
    settle();
}

QRect PlayTest::bounds(const QRect& area, const QColor& colour, int* count) const
{
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pixel(x, y) == colour.rgb()) {
                found |= QRect(x, y, 1, 1);
                if (count)
                    ++*count;
            }
    return found;
}

void PlayTest::openBuzzers(const std::vector<int>& deal)
{
    doubles.random.script(draws::deal(deal));
    startRound();
    act("clock*7 spin*30 clock");
}

void PlayTest::act(const QString& steps)
{
    static const std::map<QString, const char*> timers{
        {"clock", "roundClock"}, {"spin", "spin"}, {"poll", "buzzerPoll"}, {"flash", "flash"}};
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = step.section(u'*', 0, 0), argument = name.section(u':', 1);
        const int times = step.contains(u'*') ? step.section(u'*', 1).toInt() : 1;
        if (const auto ticking = timers.find(name); ticking != timers.end()) {
            if (step.contains(u'*'))
                timer(ticking->second).fire(times);
            else
                timer(ticking->second).fire();
            continue;
        }
        for (int i = 0; i < times; ++i) {
            if (name.startsWith(u"buzz:") || name.startsWith(u"turn:")) {
                doubles.keys.held = {platform::buzzerKeys[argument.toInt()].key};
                timer("buzzerPoll").fire();
                doubles.keys.held.clear();
                if (name.startsWith(u"turn:"))
                    timer("flash").fire(16);
            } else if (name.startsWith(u'+')) {
                doubles.clock.advanceSeconds(name.mid(1).chopped(1).toInt());
            } else if (name.startsWith(u"quit:")) {
                doubles.messages.answers = {argument == u"Yes" ? platform::Answer::Yes : platform::Answer::No};
                play.close();
            } else if (name.startsWith(u"key:")) {
                QTest::keyClick(&play, argument == u"Return" ? Qt::Key_Return : Qt::Key_Right);
            } else if (name.startsWith(u"target:")) {
                play.round().settleTarget(argument.toInt());
            } else {
                QTest::mouseClick(control(play, name), Qt::LeftButton);
            }
        }
    }
}

QStringList PlayTest::messageTitles() const
{
    QStringList titles;
    for (const auto& box : doubles.messages.shown)
        titles << box.title;
    return titles;
}

void PlayTest::runFor(int milliseconds)
{
    for (int step = 0; step < milliseconds; ++step) {
        ++elapsedMilliseconds_;
        doubles.clock.advanceMilliseconds(1);
        for (const char* name : {"roundClock", "spin", "buzzerPoll", "flash"}) {
            auto& ticking = timer(name);
            if (ticking.isEnabled() && ticking.interval() > 0 && elapsedMilliseconds_ % ticking.interval() == 0)
                ticking.fire();
        }
    }
}

void PlayTest::expectSoundRound()
{
    const bool clock = timer("roundClock").isEnabled(), spin = timer("spin").isEnabled(),
               poll = timer("buzzerPoll").isEnabled(), flash = timer("flash").isEnabled();
    const std::array running{clock, spin, poll, flash};
    using Running = std::array<bool, 4>;
    if (!play.isVisible())
        EXPECT_EQ(running, (Running{false, false, false, false})) << "the round is over";
    else if (play.round().dealtCount() < 7)
        EXPECT_EQ(running, (Running{true, false, false, false})) << "dealing";
    else if (spin)
        EXPECT_EQ(running, (Running{false, true, false, false})) << "the target spins";
    else if (play.round().winningSlot() != -1)
        EXPECT_EQ(running, (Running{false, false, false, true})) << "the winning flash";
    else if (play.round().isAnswering())
        EXPECT_EQ(running, (Running{true, false, false, play.round().phase() == core::Round::Phase::BuzzFlash}))
            << "a turn";
    else
        EXPECT_EQ(running, (Running{true, false, true, false})) << "open for buzzing";

    numbersOnBoard();

    // Out of its flash, the contender panel shows its own colours.
    if (!flash && play.isVisible()) {
        EXPECT_EQ(play.board().contenderPanel.border, play::colour::Red);
        EXPECT_EQ(play.board().contenderPanel.fill, play::colour::Yellow);
        EXPECT_EQ(play.board().contenderName.textColour, play::colour::Black);
    }
}

int PlayTest::numbersOnBoard() const
{
    int count = 0;
    const auto check = [&count](const QString& text) {
        if (text.isEmpty())
            return;
        ++count;
        const int value = text.toInt();
        EXPECT_TRUE(value >= 1 && value <= 999 && text == QString::number(value)) << text.toStdString();
    };
    for (const auto& label : play.board().dealtNumbers)
        check(label.caption);
    for (const auto& label : play.board().madeNumbers)
        check(label.caption);
    check(play.board().workingRow[0].caption);
    check(play.board().workingRow[2].caption);
    return count;
}

void PlayTest::exitFinderOnceSolved(std::function<void()> whileOpen)
{
    FinderWindow& finder = program.finderWindow();
    if (whileOpen)
        doubles::once(play, [&finder] { return finder.isVisible(); }, std::move(whileOpen));
    doubles::once(play, [&finder] { return finder.isVisible() && !finder.isSearching(); }, [this, &finder] {
        finderText = finder.headingText() + u'\n' + finder.displayText();
        QTest::mouseClick(control<QPushButton>(finder, "exit"), Qt::LeftButton);
    });
}
