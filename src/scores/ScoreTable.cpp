// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreTable.h"

#include <QLabel>

namespace scores {

namespace {

constexpr int rowHeight = 24;

QLabel* cell(QWidget* window, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, window);
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

std::vector<ColumnLabels> layTable(QWidget* window, int left, int top, const std::vector<TableColumn>& columns)
{
    std::vector<ColumnLabels> labels;
    int x = left;
    for (const TableColumn& column : columns) {
        cell(window, column.head, QRect(x, top, column.width, rowHeight));
        ColumnLabels& cells = labels.emplace_back();
        for (int row = 0; row < TableRows; ++row)
            cells[row] = cell(window, QString(), QRect(x, top + (rowHeight - 1) * (row + 1), column.width, rowHeight));
        // Neighbouring cells share their outline.
        x += column.width - 1;
    }
    return labels;
}

void showRow(std::initializer_list<std::pair<QLabel*, QString>> cells, bool playing)
{
    for (const auto& [label, text] : cells)
        label->setText(playing ? text : QString());
}

}  // namespace scores
