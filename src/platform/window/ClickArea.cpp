// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/ClickArea.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

void ClickArea::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit clicked();
    else
        QWidget::keyPressEvent(event);
}

void ClickArea::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the left button over the area.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace platform
