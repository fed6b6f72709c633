// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grid both score tables draw: one outlined cell per player place and column, with the
// column heads on top, rows always in player-place order.

#include <QString>

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

class QLabel;
class QWidget;

namespace scores {

constexpr int TableRows = 6;

struct TableColumn {
    QString head;
    int width;
    const char* cellName;  // a cell's object name is this and its row, "total1" to "total6"
};

// The labels of one column of the table, one per player place.
using ColumnLabels = std::array<QLabel*, TableRows>;

// Lays the table's cells on `window` from (left, top): a head cell and six cells per column.
std::vector<ColumnLabels> layTable(QWidget* window, int left, int top, const std::vector<TableColumn>& columns);

// Shows a player's row: each cell with its text, or every cell blank for a place that is
// out of the game. A text too long for its cell (a long name) shows its beginning, cut
// with an ellipsis, and the whole of it as the cell's tooltip.
void showRow(std::initializer_list<std::pair<QLabel*, QString>> cells, bool playing);

// "<name> is the winner!" for a word-wrapped label: the sentence stays whole, and a name
// too long for the label is cut with an ellipsis.
QString winnerSentence(const QString& name, const QLabel& label);

}  // namespace scores
