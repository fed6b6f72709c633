// SPDX-License-Identifier: GPL-3.0-or-later
// The answering player's focus: while a player answers, a ring marks the place of the board
// that the keyboard chooses, moved with the arrows. The keys are one more way to the same
// calls as the clicks, so every rule, refusal and message stays the round's: Enter or Space
// chooses the place, + - * / an operation, = makes the number, Backspace cancels the working
// row. Moving the focus chooses nothing, so it does not count as being at it for the idle limit.
#include "windows/play/PlayWindow.h"

#include "platform/window/DesignScale.h"
#include "platform/window/FocusMoves.h"
#include "platform/window/FocusRing.h"

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

void PlayWindow::showFocus()
{
    if (!round_.isAnswering())
        focus_ = -1;
    focusRing_->ring(focus_ == -1 ? QRect() : focusPlaces()[focus_].place);
}

void PlayWindow::keyPressEvent(QKeyEvent* event)
{
    if (!round_.isAnswering() || focus_ == -1) {
        Form::keyPressEvent(event);
        return;
    }
    using platform::FocusMove;
    const auto move = [this](FocusMove direction) {
        std::vector<QRect> places;
        for (const FocusPlace& place : focusPlaces())
            places.push_back(place.place);
        focus_ = platform::nextFocus(places, focus_, direction);
        showFocus();
    };
    // The keypad's + is a player's buzzer, never an operation. A held arrow goes on moving; a
    // held key that chooses chooses once.
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const bool arrow = event->key() >= Qt::Key_Left && event->key() <= Qt::Key_Down;
    if (event->isAutoRepeat() && !arrow)
        return;
    switch (event->key()) {
    case Qt::Key_Left: move(FocusMove::Left); break;
    case Qt::Key_Right: move(FocusMove::Right); break;
    case Qt::Key_Up: move(FocusMove::Up); break;
    case Qt::Key_Down: move(FocusMove::Down); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: focusPlaces()[focus_].choose(); break;
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
