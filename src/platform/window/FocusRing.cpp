// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/FocusRing.h"

#include "platform/window/Form.h"

#include <QPainter>

namespace platform {

namespace {

// In design pixels: the ring runs along the place's edge, half of it outside, so that it
// covers neither the place's own caption nor much of a neighbour's.
constexpr qreal ringWidth = 3;
constexpr qreal edgeWidth = 1;
const QColor ringColour{255, 255, 0};
const QColor edgeColour{0, 0, 0};

}  // namespace

FocusRing::FocusRing(Form& window, QSize designSize) : QWidget(&window), window_(window)
{
    setGeometry(QRect(QPoint(0, 0), designSize));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::ring(const QRect& place)
{
    if (place == place_)
        return;
    place_ = place;
    setVisible(!place.isEmpty());
    raise();
    update();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    if (place_.isEmpty())
        return;
    const qreal scale = window_.scale();
    const QRectF edge = QRectF(window_.toWindow(place_).translated(-pos()));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The dark band, then the yellow over its middle: a yellow ring with a dark line each side.
    painter.setPen(QPen(edgeColour, (ringWidth + 2 * edgeWidth) * scale));
    painter.drawRect(edge);
    painter.setPen(QPen(ringColour, ringWidth * scale));
    painter.drawRect(edge);
}

}  // namespace platform
