// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grid both score tables draw: one outlined cell per row and column, with the column heads
// on top, a row for each place that plays, always in player-place order.

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QWidget;

namespace platform {
class Phones;
}

namespace scores {

constexpr int TableRows = 6;
// The mark of a winner's row.
inline const QColor WinnerGold{255, 215, 0};

struct TableColumn {
    QString head;
    int width;
    const char* cellName;  // a cell's object name is this and its row, "total1" to "total6"
};

// The labels of one column of the table, one per player place.
using ColumnLabels = std::array<QLabel*, TableRows>;

// Lays the table's cells on `window` from (left, top): a head cell and six cells per column.
std::vector<ColumnLabels> layTable(QWidget* window, int left, int top, const std::vector<TableColumn>& columns);

// Shows a row for each place that plays, from the top in place order, and hides the rows left
// over, outline and all. `texts(place)` gives a place's cells, a text per column; a text too
// long for its cell (a long name) shows its beginning, cut with an ellipsis, and the whole of it
// as the cell's tooltip. The rows of the `marked` places (a winner's) stand out in gold.
void showPlayingRows(const std::vector<ColumnLabels>& columns, const std::array<bool, TableRows>& playing,
                     const std::array<bool, TableRows>& marked, const std::function<QStringList(int place)>& texts);

// The phones shown the table: `heading`, then each playing place's name and `line(place)`.
void showOnPhones(platform::Phones& phones, const QString& heading, const std::array<QString, TableRows>& names,
                  const std::array<bool, TableRows>& playing, const std::function<QString(int place)>& line);

// "<name> is the winner!" for a word-wrapped label: the sentence stays whole, and a name
// too long for the label is cut with an ellipsis.
QString winnerSentence(const QString& name, const QLabel& label);

}  // namespace scores
