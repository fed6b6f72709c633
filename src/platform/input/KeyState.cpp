// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/KeyState.h"

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

// Scan codes are at most 16 bits wide; ids above them stand for keys that have none.
constexpr quint32 withoutScanCode = 0x10000;

}  // namespace

KeyboardKeyState::KeyboardKeyState()
{
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            held_.clear();
    });
}

bool KeyboardKeyState::isDown(int virtualKey) const
{
    for (const int held : held_)
        if (held == virtualKey)
            return true;
    return false;
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
    const int code = virtualKeyOf(key);
    const quint32 scanCode = key.nativeScanCode();
    const quint32 physicalKey = scanCode != 0 ? scanCode : withoutScanCode + quint32(code);
    if (!press)
        held_.remove(physicalKey);
    else if (code != 0)
        held_.insert(physicalKey, code);
    return false;
}

}  // namespace platform
