// SPDX-License-Identifier: GPL-3.0-or-later
// The answering player's focus: while a player answers, a ring marks the place of the board
// that the keyboard or the player's own pad chooses, moved with the arrows or the d-pad. The
// keys and the pad are more ways to the same calls as the clicks, so every rule, refusal and
// message stays the round's: Enter, Space or the pad's south button chooses the place, + - * /
// an operation, = makes the number, Backspace or the east button cancels the working row.
// Moving the focus chooses nothing, so it does not count as being at it for the idle limit.
// Outside an answer the ring marks End Round in practice, the one control there.
#include "windows/play/PlayWindow.h"

#include "platform/input/Controllers.h"
#include "platform/window/DesignScale.h"
#include "platform/window/FocusMoves.h"
#include "platform/window/FocusRing.h"
#include "platform/window/Timer.h"

#include <QKeyEvent>
#include <QPushButton>

std::vector<PlayWindow::FocusPlace> PlayWindow::focusPlaces()
{
    // The dealt numbers, the four operations and Cancel, =, the made numbers, Give Up and End
    // Round; a hidden button is no place.
    using Row = core::Round::Row;
    std::vector<FocusPlace> places;
    const auto tiles = [&](const auto& shapes, Row row) {
        for (int i = 0; i < int(shapes.size()); ++i)
            places.push_back({shapes[i].geometry, [this, row, i] { selectNumber({row, i}); }});
    };
    const auto buttons = [&](std::initializer_list<QPushButton*> row) {
        for (QPushButton* button : row)
            places.push_back({button->isHidden() ? QRect() : platform::DesignScale::designGeometry(*button),
                              [button] { button->click(); }});
    };
    tiles(board_.dealtTiles, Row::Dealt);
    buttons({addButton_, subtractButton_, multiplyButton_, divideButton_, cancelButton_, equalsButton_});
    tiles(board_.madeTiles, Row::Made);
    buttons({giveUpButton_, endRoundButton_});
    return places;
}

void PlayWindow::showFocusRing()
{
    if (!round_.isAnswering())
        focus_ = -1;
    QRect place;
    if (focus_ != -1)
        place = focusPlaces()[focus_].place;
    else if (!endRoundButton_->isHidden())
        place = platform::DesignScale::designGeometry(*endRoundButton_);
    focusRing().ring(place);
}

platform::Form::PadUse PlayWindow::padUse() const
{
    // In a round of keyboard players the devices stay unread; otherwise the buzzer poll reads
    // them while it runs. Outside an answer a buzzer's button only buzzes, and during one only
    // the pad that buzzed drives the board.
    PadUse use;
    use.read = buzzers_.usesControllers();
    use.readByWindow = buzzerPoll_->isEnabled();
    if (round_.isAnswering()) {
        use.scene = answers_;
        use.anyDevice = false;
        use.onlyDevice = answeringPad_;
    } else {
        use.buzzerButtons = buzzers_.buttons();
    }
    return use;
}

void PlayWindow::navigate(platform::Navigation navigation, bool /*fromPad*/)
{
    using platform::Navigation;
    if (!round_.isAnswering() || focus_ == -1) {
        // End Round, when it shows, is the only control to choose.
        if (navigation == Navigation::Choose && !endRoundButton_->isHidden())
            endRoundButton_->click();
        return;
    }
    switch (navigation) {
    case Navigation::Choose: focusPlaces()[focus_].choose(); break;
    case Navigation::Back: cancelWorking(); break;
    default: {
        std::vector<QRect> places;
        for (const FocusPlace& place : focusPlaces())
            places.push_back(place.place);
        focus_ = platform::nextFocus(places, focus_, platform::focusMove(navigation));
        showFocusRing();
    }
    }
}

void PlayWindow::keyPressEvent(QKeyEvent* event)
{
    if (!round_.isAnswering() || focus_ == -1) {
        Form::keyPressEvent(event);
        return;
    }
    // The keypad's + is a player's buzzer, never an operation. A held arrow goes on moving; a
    // held key that chooses chooses once.
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const bool arrow = event->key() >= Qt::Key_Left && event->key() <= Qt::Key_Down;
    if (event->isAutoRepeat() && !arrow)
        return;
    switch (event->key()) {
    case Qt::Key_Space: navigate(platform::Navigation::Choose, false); break;
    case Qt::Key_Plus:
        if (!keypad)
            chooseOperation(core::Operation::Add);
        break;
    case Qt::Key_Minus: chooseOperation(core::Operation::Subtract); break;
    case Qt::Key_Asterisk: chooseOperation(core::Operation::Multiply); break;
    case Qt::Key_Slash: chooseOperation(core::Operation::Divide); break;
    case Qt::Key_Equal: makeNumber(); break;
    case Qt::Key_Backspace: cancelWorking(); break;
    default: Form::keyPressEvent(event); break;
    }
}
