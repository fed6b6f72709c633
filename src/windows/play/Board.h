// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board's templates: plain descriptions of every painted element of the play window
// (position, size, colours, font and caption), not widgets. Their captions are what was last
// painted: the play window brings them to the round's state (core::Round) in one place,
// showRound, and paints them into its back buffer (BoardDrawing.cpp); an empty caption means
// no number is there. The target's digits are the spin's until the target settles.

#include "look/Fonts.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>

namespace play {

namespace colour {
inline const QColor Background{192, 255, 192};
inline const QColor Blue{0, 0, 255};
inline const QColor LightBlue{128, 128, 255};
inline const QColor DialMark{136, 136, 255};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
inline const QColor Green{0, 255, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Red{255, 0, 0};
}  // namespace colour

struct BoardLabel {
    QRect geometry;
    QColor background;
    QColor textColour;
    look::FontRole font = look::FontRole::Tiles;
    double points = 0;
    QString caption;
    int inset = 0;  // the text and its background keep this far inside the rectangle (a border)

    bool operator==(const BoardLabel&) const = default;
};

struct BoardShape {
    QRect geometry;
    QColor border;
    int borderWidth = 1;
    QColor fill;

    bool operator==(const BoardShape&) const = default;
};

// Every template of the board, as designed.
struct Board {
    std::array<BoardShape, 7> dealtTiles;  // the dealt numbers' tiles
    std::array<BoardLabel, 7> dealtNumbers;
    std::array<BoardShape, 3> workingTiles;  // the working row: number, operator, number
    std::array<BoardLabel, 3> workingRow;
    std::array<BoardShape, 3> madeTiles;  // the made numbers' tiles
    std::array<BoardLabel, 3> madeNumbers;
    BoardShape targetBox;  // the target display, one digit per label
    std::array<BoardLabel, 3> targetDigits;
    BoardShape contenderPanel;  // the contender panel: who is answering
    BoardLabel contenderName;

    Board();
    bool operator==(const Board&) const = default;
};

}  // namespace play
