// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/KeyState.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// A key event as X11 reports it, and which buzzer key must be down after it.
struct KeyEvent {
    bool press;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;  // 0: none, as in synthetic events
    bool repeat;
    int buzzer;
    bool down;
};

constexpr auto keypad = Qt::KeypadModifier;
constexpr auto shift = Qt::ShiftModifier;
constexpr quint32 leftShift = 50, rightShift = 62, keypadZero = 90;

}  // namespace

TEST(KeyboardKeyState, FollowsEachBuzzerKeyFromItsPressToItsOwnRelease)
{
    const std::vector<KeyEvent> events[] = {
        // The digit row's 0 and + are not buzzers; the keypad's are, NumLock on or off.
        {{true, Qt::Key_0, {}, 0, false, vk::Numpad0, false},
         {true, Qt::Key_Plus, shift, 0, false, vk::NumpadAdd, false},
         {true, Qt::Key_Plus, keypad, 0, false, vk::NumpadAdd, true},
         {true, Qt::Key_Insert, keypad, 0, false, vk::Numpad0, true}},
        // NumLock is switched off while keypad 0 is held: the release reports another key.
        {{true, Qt::Key_0, keypad, keypadZero, false, vk::Numpad0, true},
         {false, Qt::Key_Insert, {}, keypadZero, false, vk::Numpad0, false}},
        // Auto-repeat comes as release and press pairs, and changes nothing.
        {{true, Qt::Key_G, {}, 42, false, vk::G, true}, {false, Qt::Key_G, {}, 42, true, vk::G, true},
         {true, Qt::Key_G, {}, 42, true, vk::G, true}, {false, Qt::Key_G, {}, 42, false, vk::G, false}},
        // Shift is down while either Shift key is held. Shift's own press carries the Shift
        // modifier already, and its release no longer does.
        {{true, Qt::Key_Shift, shift, rightShift, false, vk::Shift, true},
         {true, Qt::Key_Shift, shift, leftShift, false, vk::Shift, true},
         {false, Qt::Key_Shift, {}, leftShift, false, vk::Shift, true},
         {true, Qt::Key_Shift, shift, leftShift, false, vk::Shift, true},
         {false, Qt::Key_Shift, {}, rightShift, false, vk::Shift, true},
         {false, Qt::Key_Shift, {}, leftShift, false, vk::Shift, false}},
    };
    for (std::size_t sequence = 0; sequence < std::size(events); ++sequence) {
        KeyboardKeyState keys;
        QWidget window;
        for (std::size_t step = 0; step < events[sequence].size(); ++step) {
            const KeyEvent& e = events[sequence][step];
            QKeyEvent event(e.press ? QEvent::KeyPress : QEvent::KeyRelease, e.key, e.modifiers, e.scanCode, 0, 0,
                            QString(), e.repeat);
            QCoreApplication::sendEvent(&window, &event);
            EXPECT_EQ(keys.isDown(e.buzzer), e.down) << "sequence " << sequence << ", step " << step;
        }
        // Keys held when the program loses the focus would never see their release.
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        for (const int buzzer : {vk::G, vk::Shift, vk::Numpad0, vk::NumpadAdd})
            EXPECT_FALSE(keys.isDown(buzzer)) << "sequence " << sequence;
    }
}
