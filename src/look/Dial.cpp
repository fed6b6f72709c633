// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/Dial.h"

#include <QPainter>

#include <cmath>

namespace look::dial {

namespace {

constexpr double pi = 3.14159265;
constexpr int rimRadius = 45;
constexpr int discRadius = 41;
const QColor rim(255, 255, 255);
const QColor disc(0, 0, 255);

}  // namespace

void paintFace(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(rim);
    painter.drawEllipse(QPointF(centre), rimRadius, rimRadius);
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(centre), discRadius, discRadius);
}

QPointF point(QPointF from, int p, int stepsPerTurn, double distance)
{
    const double angle = (1.5 * stepsPerTurn - p) / (stepsPerTurn / 2.0) * pi;
    return {from.x() + distance * std::sin(angle), from.y() + distance * std::cos(angle)};
}

}  // namespace look::dial
