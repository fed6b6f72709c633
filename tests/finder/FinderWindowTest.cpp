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

    // Runs `action` once, `delay` ms into the finder's modal show.
    void after(int delay, std::function<void()> action) { QTimer::singleShot(delay, &finder, std::move(action)); }

    // Runs `action` once the finder shows a solution.
    void whenSolved(std::function<void()> action)
    {
        auto* watcher = new QTimer(&finder);
        QObject::connect(watcher, &QTimer::timeout, watcher, [this, watcher, action] {
            if (finder.isSearching())
                return;
            watcher->stop();
            watcher->deleteLater();
            action();
        });
        watcher->start(0);
    }

    FinderWindow& finder = windows.finderWindow();
};

}  // namespace

TEST_F(FinderTest, CalculateRunsAFreshSearch)
{
    finder.prepareSearch({2, 3, 4, 10, 20, 100, 150}, 306);
    QStringList shown;
    whenSolved([&] {
        shown << finder.displayText();
        for (int i = 0; i < 5; ++i) {
            press("calculate");
            shown << finder.displayText();
        }
        press("exit");
    });
    finder.showModal();
    ASSERT_EQ(shown.size(), 6);
    for (const QString& text : shown)
        EXPECT_TRUE(text.endsWith("=306!")) << text.toStdString();
    shown.removeDuplicates();
    EXPECT_GT(shown.size(), 1) << "the searches are random";
}

TEST_F(FinderTest, AHopelessSearchRunsUntilExitOrTheFramesClose)
{
    // No way to 997 from 2s; zeros are no numbers at all, and must not hang the search.
    for (const bool byFrame : {false, true}) {
        if (byFrame)
            finder.prepareSearch({0, 0, 0, 0, 0, 0, 5}, 5);
        else
            finder.prepareSearch({2, 2, 2, 2, 2, 2, 2}, 997);
        QString whileSearching;
        after(30, [&] {
            whileSearching = finder.displayText();
            if (byFrame)
                finder.close();
            else
                press("exit");
        });
        finder.showModal();
        EXPECT_EQ(whileSearching, "Please Wait");
        EXPECT_FALSE(finder.isVisible());
    }
    EXPECT_TRUE(doubles.messages.shown.empty());
}
