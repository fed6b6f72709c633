// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyState.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace platform {

namespace {

// The buzzer key a key event stands for, or 0.
int virtualKeyOf(const QKeyEvent& event)
{
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
    case Qt::Key_A:
        return vk::A;
    case Qt::Key_G:
        return vk::G;
    case Qt::Key_K:
        return vk::K;
    case Qt::Key_Shift:
        return vk::Shift;
    case Qt::Key_0:
    case Qt::Key_Insert:  // keypad 0 with NumLock off
        return keypad ? vk::Numpad0 : 0;
    case Qt::Key_Plus:
        return keypad ? vk::NumpadAdd : 0;
    default:
        return 0;
    }
}

}  // namespace

KeyboardKeyState::KeyboardKeyState()
{
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) {
            down_.clear();
            pressedByScanCode_.clear();
        }
    });
}

bool KeyboardKeyState::isDown(int virtualKey) const
{
    return down_.contains(virtualKey);
}

bool KeyboardKeyState::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    // Qt may show one key event to the filter several times (window, widget, parents);
    // pressing or releasing a key twice changes nothing, so that does no harm.
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.isAutoRepeat())
        return false;
    const quint32 scanCode = key.nativeScanCode();
    int code = virtualKeyOf(key);
    if (press) {
        if (code != 0) {
            down_.insert(code);
            if (scanCode != 0)
                pressedByScanCode_.insert(scanCode, code);
        }
    } else {
        if (scanCode != 0 && pressedByScanCode_.contains(scanCode))
            code = pressedByScanCode_.take(scanCode);
        down_.remove(code);
    }
    return false;
}

}  // namespace platform
