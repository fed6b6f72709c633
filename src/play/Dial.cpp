// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Dial.h"

#include "play/Board.h"

#include <QPainter>

#include <cmath>

namespace play::dial {

namespace {

constexpr double pi = 3.14159265;
constexpr int rimRadius = 45;
constexpr int discRadius = 41;

}  // namespace

void paintFace(QPainter& painter)
{
    painter.setPen(QPen(colour::Black, 1));
    painter.setBrush(colour::White);
    painter.drawEllipse(QPointF(centre), rimRadius, rimRadius);
    painter.setBrush(colour::Blue);
    painter.drawEllipse(QPointF(centre), discRadius, discRadius);
}

QPointF point(QPointF from, int p, int stepsPerTurn, double distance)
{
    const double angle = (1.5 * stepsPerTurn - p) / (stepsPerTurn / 2.0) * pi;
    return {from.x() + distance * std::sin(angle), from.y() + distance * std::cos(angle)};
}

}  // namespace play::dial
