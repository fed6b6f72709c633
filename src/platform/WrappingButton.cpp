// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WrappingButton.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {

namespace {

// The caption broken into lines no wider than `width` at its blanks, measured with its
// blanks as it stands; the blanks at a break go with it, so each line centres on its words.
QString wrapped(const QString& caption, const QFontMetrics& metrics, int width)
{
    static const QRegularExpression blanksAndWord(QStringLiteral("(\\s*)(\\S+)"));
    QStringList lines;
    QString line;  // as it stands in the caption, its blanks included
    for (auto it = blanksAndWord.globalMatch(caption); it.hasNext();) {
        const auto match = it.next();
        const QString longer = line + match.captured(0);
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line.trimmed();
            line = match.captured(2);
        } else {
            line = longer;
        }
    }
    lines << line.trimmed();
    return lines.join(u'\n');
}

}  // namespace

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    option.text = wrapped(option.text, fontMetrics(), contents.width());
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace platform
