// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/PadPoll.h"

#include "platform/input/Controllers.h"
#include "platform/Services.h"
#include "platform/window/Form.h"
#include "platform/window/Help.h"
#include "platform/window/Timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include <algorithm>

namespace platform {

PadPoll::PadPoll(Services& services)
    : services_(services), timer_(services.timers.create("padPoll", [this] { poll(); }))
{
    timer_->setInterval(Interval);
    timer_->tickOverMessages();
}

PadPoll::~PadPoll() = default;

void PadPoll::start()
{
    timer_->setInterval(FirstReading);
    timer_->start();
}

void PadPoll::poll()
{
    timer_->setInterval(Interval);
    Form* form = services_.activation.active();
    Form::PadUse use = form ? form->padUse() : Form::PadUse{};
    if (!use.read)
        return;
    // A box or the help in front of the window takes the presses; the window's limits on
    // who may press still hold.
    QWidget* front = QApplication::activeModalWidget();
    if (!qobject_cast<QMessageBox*>(front))
        front = services_.help.openWindow();
    if (front) {
        use.readByWindow = false;
        use.buzzerButtons.clear();
    }
    if (!use.readByWindow)
        services_.controllers.pump();
    const void* target = front ? static_cast<const void*>(front) : form;
    for (const PadPress& press : navigator_.read(services_.controllers.pads(), target, use.scene)) {
        const bool sameDevice = press.device.kind == use.onlyDevice.kind && press.device.copy == use.onlyDevice.copy;
        const bool buzzer = std::find(use.buzzerButtons.begin(), use.buzzerButtons.end(), press.device) !=
                            use.buzzerButtons.end();
        if ((!use.anyDevice && !sameDevice) || buzzer)
            continue;
        if (front)
            navigateByKeys(*front, press.navigation);
        else if (form)
            form->navigate(press.navigation, true);
        // A press may have closed the box or moved to another window: the rest wait for the next tick.
        break;
    }
}

void navigateByKeys(QWidget& window, Navigation navigation)
{
    auto* button = qobject_cast<QAbstractButton*>(window.focusWidget());
    if (navigation == Navigation::Choose && button) {
        // As Space on the focused button: pressed once, never again while held.
        button->click();
        return;
    }
    // Else as the keys: Enter takes a box's default answer, Escape its way back.
    static constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return,
                                       Qt::Key_Escape};
    QWidget* receiver = window.focusWidget() ? window.focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, keys[int(navigation)], Qt::NoModifier);
    QApplication::sendEvent(receiver, &press);
}

}  // namespace platform
