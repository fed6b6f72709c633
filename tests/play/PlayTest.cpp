// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include "Draws.h"
#include "platform/KeyState.h"

#include "solver/Solvo.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

PlayTest::PlayTest() : play(windows.mainForm())
{
    Program::PlayerName = {"Ann", "Bob", "Player 3", "Player 4", "Player 5", "Player 6"};
    Program::PlayerActive = {true, true, false, false, false, false};
    Program::Difficulty = 1;
    Program::RoundCount = 3;
    Program::CurrentRound = 1;
    Program::TurnsAllowed = Program::DefaultTurnsAllowed;
    Program::TurnSeconds = Program::DefaultTurnSeconds;
    Program::IdleSeconds = Program::DefaultIdleSeconds;
    Program::CancelsAllowed = Program::DefaultCancelsAllowed;
    Program::StopsAllowed = Program::DefaultStopsAllowed;
    Program::TurnTime = Program::TurnSeconds / 86400.0;
    Program::IdleTime = Program::IdleSeconds / 86400.0;
    doubles.clock.set(QDateTime(QDate(2026, 12, 6), QTime(20, 15, 0)));
}

void PlayTest::startRound()
{
    play.Prepare();
    play.show();
    settle();
}

void PlayTest::dealAndSpin()
{
    timer("Clock").fire(7);
    timer("RndTotal").fire(30);
}

int PlayTest::count(const QRect& area, const QColor& colour) const
{
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found += pixel(x, y) == colour.rgb();
    return found;
}

QRect PlayTest::bounds(const QRect& area, const QColor& colour) const
{
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pixel(x, y) == colour.rgb())
                found |= QRect(x, y, 1, 1);
    return found;
}

int PlayTest::target() const
{
    return (play.Total[0].caption + play.Total[1].caption + play.Total[2].caption).toInt();
}

void PlayTest::openBuzzers(const std::vector<int>& deal)
{
    doubles.random.script(draws::deal(deal));
    startRound();
    dealAndSpin();
    timer("Clock").fire();
}

void PlayTest::buzz(int p)
{
    doubles.keys.held = {platform::buzzerKeys[p].key};
    timer("KeyCheck").fire();
    doubles.keys.held.clear();
}

void PlayTest::takeTurn(int p)
{
    buzz(p);
    timer("Flash").fire(16);
}

void PlayTest::click(const QString& name)
{
    auto* control = play.findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr) << name.toStdString();
    QTest::mouseClick(control, Qt::LeftButton);
}

void PlayTest::setTarget(const char* digits)
{
    for (int i = 0; i < 3; ++i)
        play.Total[i].caption = QString(QChar::fromLatin1(digits[i]));
}

QStringList PlayTest::messageTitles() const
{
    QStringList titles;
    for (const auto& box : doubles.messages.shown)
        titles << box.title;
    return titles;
}

void PlayTest::exitFinderOnceSolved()
{
    auto* watcher = new QTimer(&play);
    QObject::connect(watcher, &QTimer::timeout, watcher, [this, watcher] {
        Solvo& finder = windows.solvo();
        if (!finder.isVisible() || finder.isSearching())
            return;
        finderText = finder.displayText();
        watcher->stop();
        watcher->deleteLater();
        QTest::mouseClick(finder.findChild<QPushButton*>("Exit"), Qt::LeftButton);
    });
    watcher->start(0);
}
