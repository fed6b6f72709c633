// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The clock dial, as the title window and the play window both draw it: a white rim round a
// blue disc, drawn on a block of its own, with a white hand that turns anticlockwise from
// straight up.

#include <QPoint>
#include <QSize>

class QPainter;

namespace look::dial {

constexpr QSize blockSize(100, 100);
constexpr QPoint centre(45, 45);  // within the block
constexpr int handLength = 38;

// Paints the rim and the disc onto the dial's block.
void paintFace(QPainter& painter);

// The point at `distance` from `from` towards position p of a dial whose hand goes round
// once in `stepsPerTurn` steps: straight up at stepsPerTurn, to the left a quarter later.
QPointF point(QPointF from, int p, int stepsPerTurn, double distance);

}  // namespace look::dial
