// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyState.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace platform;

TEST(KeyboardKeyState, FollowsTheBuzzerKeysTellingTheKeypadApart)
{
    KeyboardKeyState keys;
    QWidget window;
    window.show();

    QTest::keyPress(&window, Qt::Key_A);
    QTest::keyPress(&window, Qt::Key_Shift);
    EXPECT_TRUE(keys.isDown(vk::A));
    EXPECT_TRUE(keys.isDown(vk::Shift));
    EXPECT_FALSE(keys.isDown(vk::G));
    QTest::keyRelease(&window, Qt::Key_A);
    EXPECT_FALSE(keys.isDown(vk::A));
    EXPECT_TRUE(keys.isDown(vk::Shift));
    QTest::keyRelease(&window, Qt::Key_Shift);

    // The digit row's 0 and + are not buzzers; the keypad's are, NumLock on or off.
    QTest::keyPress(&window, Qt::Key_0);
    QTest::keyPress(&window, Qt::Key_Plus);
    EXPECT_FALSE(keys.isDown(vk::Numpad0));
    EXPECT_FALSE(keys.isDown(vk::NumpadAdd));
    QTest::keyPress(&window, Qt::Key_0, Qt::KeypadModifier);
    QTest::keyPress(&window, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_TRUE(keys.isDown(vk::Numpad0));
    EXPECT_TRUE(keys.isDown(vk::NumpadAdd));
    QTest::keyRelease(&window, Qt::Key_0, Qt::KeypadModifier);
    EXPECT_FALSE(keys.isDown(vk::Numpad0));
    QTest::keyPress(&window, Qt::Key_Insert, Qt::KeypadModifier);
    EXPECT_TRUE(keys.isDown(vk::Numpad0));

    // Keys held when the program loses the focus would never see their release.
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(keys.isDown(vk::Numpad0));
    EXPECT_FALSE(keys.isDown(vk::NumpadAdd));
}
