// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/scores/ScoreTable.h"

#include "platform/network/Phones.h"

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

void showPlayingRows(const std::vector<ColumnLabels>& columns, const std::array<bool, TableRows>& playing,
                     const std::array<bool, TableRows>& marked, const std::function<QStringList(int place)>& texts)
{
    int row = 0;
    for (int place = 0; place < TableRows; ++place) {
        if (!playing[place])
            continue;
        const QStringList shown = texts(place);
        for (std::size_t column = 0; column < columns.size(); ++column) {
            QLabel* label = columns[column][row];
            const QString& text = shown.value(int(column));
            const QString fitted = label->fontMetrics().elidedText(text, Qt::ElideRight, label->contentsRect().width());
            label->setText(fitted);
            label->setToolTip(fitted == text ? QString() : platform::plainToolTip(text));
            label->setAutoFillBackground(marked[place]);
            QPalette colours = label->palette();
            colours.setColor(QPalette::Window, WinnerGold);
            label->setPalette(colours);
        }
        ++row;
    }
    for (const ColumnLabels& cells : columns) {
        for (int shownRow = 0; shownRow < TableRows; ++shownRow)
            cells[shownRow]->setVisible(shownRow < row);
    }
}

void showOnPhones(platform::Phones& phones, const QString& heading, const std::array<QString, TableRows>& names,
                  const std::array<bool, TableRows>& playing, const std::function<QString(int place)>& line)
{
    platform::PhoneView view;
    view.heading = heading;
    for (int place = 0; place < TableRows; ++place) {
        if (playing[place]) {
            view.scores.push_back({names[place], true});
            view.scores.push_back({line(place), false});
        }
    }
    phones.show(view);
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
