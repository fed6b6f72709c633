// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {

namespace {

// The caption's words on at most `lines` lines, the earlier lines taking any word left over.
QString brokenIntoLines(const QString& caption, int lines)
{
    const QStringList words = caption.split(u' ', Qt::SkipEmptyParts);
    QStringList shown;
    for (qsizetype next = 0, line = 0; line < lines && next < words.size(); ++line) {
        const qsizetype left = words.size() - next;
        const qsizetype linesLeft = lines - line;
        const qsizetype count = (left + linesLeft - 1) / linesLeft;
        shown << words.mid(next, count).join(u' ');
        next += count;
    }
    return shown.join(u'\n');
}

}  // namespace

WrappingButton::WrappingButton(const QString& caption, int lines, QWidget* parent)
    : QPushButton(caption, parent), lines_(lines)
{
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = brokenIntoLines(option.text, lines_);
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace platform
