// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/MessageBoxes.h"

#include "platform/window/Form.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace platform {

Answer MessageBoxes::show(const QString& text, const QString& title, Buttons buttons)
{
    // Counted as open until the player answers, however the box is left.
    struct Closing {
        int& openCount;
        ~Closing() { --openCount; }
    } closing{++openCount_};
    return present(text, title, buttons);
}

Answer QtMessageBoxes::present(const QString& text, const QString& title, Buttons buttons)
{
    Form* owner = activation_.active();
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    owner);
    // The text may hold a player's name: shown as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    // The text at the scale of the window it belongs to, and the focused answer ringed as the
    // focus is on the game's windows, to be seen from across a room.
    const qreal scale = owner ? owner->scale() : 1.0;
    if (owner)
        box.setFont(DesignScale::scaledFont(box.font(), scale));
    const auto pixels = [scale](qreal design) { return qMax(1, qRound(design * scale)); };
    // The ring's width is kept by every button, in grey off the focus, so that the caption
    // never moves or shrinks as the focus moves.
    box.setStyleSheet(QStringLiteral("QPushButton { min-width: %1px; padding: %2px %3px; border: %4px solid #c8c8c8;"
                                     " background: #f0f0f0; color: black; font-size: %5pt; }"
                                     " QPushButton:focus { border-color: #ffff00; }")
                          .arg(pixels(60))
                          .arg(pixels(4))
                          .arg(pixels(12))
                          .arg(pixels(4))
                          .arg(box.font().pointSizeF()));
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    const int pressed = box.exec();
    // Keyboard focus goes back to the game window, or the buzzer keys would be lost.
    if (owner)
        owner->activateWindow();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

}  // namespace platform
