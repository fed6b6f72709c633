// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/play/Board.h"

namespace play {

namespace {

// The tiles stand in rows, 40 pixels apart from x = 32.
constexpr int rowLeft = 32;
constexpr int tilePitch = 40;
constexpr int tileSize = 41;
constexpr int numberHeight = 25;
// A tile's number sits 8 pixels below the tile's top.
constexpr int numberInset = 8;

constexpr int dealtTop = 56;
constexpr int workingTop = 136;
constexpr int madeTop = 184;

constexpr double numberPoints = 12;

template <std::size_t N>
void layRow(std::array<BoardShape, N>& shapes, std::array<BoardLabel, N>& labels, int top,
            const QColor& fill, const QColor& text)
{
    for (std::size_t i = 0; i < N; ++i) {
        const int x = rowLeft + tilePitch * int(i);
        shapes[i] = {QRect(x, top, tileSize, tileSize), colour::LightBlue, 2, fill};
        labels[i] = {QRect(x, top + numberInset, tileSize, numberHeight), fill, text,
                     look::FontRole::Tiles, numberPoints, {}};
    }
}

}  // namespace

Board::Board()
{
    layRow(dealtTiles, dealtNumbers, dealtTop, colour::Blue, colour::White);
    layRow(workingTiles, workingRow, workingTop, colour::White, colour::Blue);
    layRow(madeTiles, madeNumbers, madeTop, colour::Blue, colour::White);

    targetBox = {QRect(136, 8, 73, 41), colour::Black, 1, colour::Black};
    for (int i = 0; i < 3; ++i) {
        targetDigits[i] = {QRect(136 + 24 * i, 8, 25, 41), colour::Black, colour::Green,
                    look::FontRole::Digits, 30, {}};
    }

    contenderPanel = {QRect(192, 144, 121, 25), colour::Red, 2, colour::Yellow};
    contenderName = {QRect(192, 144, 121, 25), colour::Yellow, colour::Black, look::FontRole::Signs, 14.25, {}, 2};
}

}  // namespace play
