// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyState.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
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

TEST(KeyboardKeyState, MatchesAReleaseToItsPressByScanCode)
{
    KeyboardKeyState keys;
    QWidget window;
    constexpr quint32 keypadZeroScanCode = 90;
    const auto send = [&](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(type, key, modifiers, keypadZeroScanCode, 0, 0);
        QCoreApplication::sendEvent(&window, &event);
    };
    // NumLock is switched off while keypad 0 is held: the release reports another key.
    send(QEvent::KeyPress, Qt::Key_0, Qt::KeypadModifier);
    EXPECT_TRUE(keys.isDown(vk::Numpad0));
    send(QEvent::KeyRelease, Qt::Key_Insert, Qt::NoModifier);
    EXPECT_FALSE(keys.isDown(vk::Numpad0));
}

TEST(KeyboardKeyState, AHeldKeysRepeatsChangeNothing)
{
    KeyboardKeyState keys;
    QWidget window;
    const auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_G, Qt::NoModifier, QStringLiteral("g"), repeat);
        QCoreApplication::sendEvent(&window, &event);
    };
    send(QEvent::KeyPress, false);
    send(QEvent::KeyRelease, true);  // auto-repeat comes as release and press pairs
    EXPECT_TRUE(keys.isDown(vk::G));
    send(QEvent::KeyPress, true);
    send(QEvent::KeyRelease, false);
    EXPECT_FALSE(keys.isDown(vk::G));
}

TEST(KeyboardKeyState, ShiftIsDownWhileEitherShiftKeyIsHeld)
{
    KeyboardKeyState keys;
    QWidget window;
    // As X11 reports them: each Shift key with its own scan code and key symbol.
    struct ShiftKey {
        quint32 scanCode;
        quint32 symbol;
    };
    constexpr ShiftKey left{50, 0xffe1}, right{62, 0xffe2};
    const auto send = [&](QEvent::Type type, ShiftKey shift) {
        // Shift's own press already carries the Shift modifier, and its release no longer does.
        const Qt::KeyboardModifiers modifiers = type == QEvent::KeyPress ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent event(type, Qt::Key_Shift, modifiers, shift.scanCode, shift.symbol, 0);
        QCoreApplication::sendEvent(&window, &event);
    };
    send(QEvent::KeyPress, right);
    send(QEvent::KeyPress, left);
    send(QEvent::KeyRelease, left);
    EXPECT_TRUE(keys.isDown(vk::Shift)) << "right Shift is still held";
    send(QEvent::KeyPress, left);
    send(QEvent::KeyRelease, right);
    EXPECT_TRUE(keys.isDown(vk::Shift)) << "left Shift is held again";
    send(QEvent::KeyRelease, left);
    EXPECT_FALSE(keys.isDown(vk::Shift));
}
