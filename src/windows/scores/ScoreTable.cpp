// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/scores/ScoreTable.h"

#include "look/Fonts.h"
#include "platform/window/PlainText.h"

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
        for (int row = 0; row < TableRows; ++row) {
            cells[row] = cell(window, QString(), QRect(x, top + (rowHeight - 1) * (row + 1), column.width, rowHeight));
            cells[row]->setObjectName(QLatin1String(column.cellName) + QString::number(row + 1));
        }
        // Neighbouring cells share their outline.
        x += column.width - 1;
    }
    return labels;
}

void showRow(std::initializer_list<std::pair<QLabel*, QString>> cells, bool playing)
{
    for (const auto& [label, text] : cells) {
        const QString shown = playing ? text : QString();
        const QString fitted = label->fontMetrics().elidedText(shown, Qt::ElideRight, label->contentsRect().width());
        label->setText(fitted);
        label->setToolTip(fitted == shown ? QString() : platform::plainToolTip(shown));
    }
}

QString winnerSentence(const QString& name, const QLabel& label)
{
    const QString rest = QStringLiteral(" is the winner!");
    const QRect room = label.contentsRect();
    const auto fits = [&](const QString& text) { return look::fitsWrapped(label.font(), room.size(), text); };
    // The name is cut shorter and shorter, from one line's width down, until all fits.
    QString sentence = name + rest;
    for (int width = room.width(); width > 0 && !fits(sentence); --width)
        sentence = label.fontMetrics().elidedText(name, Qt::ElideRight, width) + rest;
    return sentence;
}

}  // namespace scores
