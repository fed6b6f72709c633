// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/play/Scoreboard.h"

#include "look/Fonts.h"
#include "platform/window/DesignScale.h"
#include "windows/play/Board.h"

#include <QPainter>

namespace play {

Scoreboard::Scoreboard(QWidget& window) : QWidget(&window)
{
    setObjectName(QStringLiteral("scoreboard"));
    // Placed by its window beside the board, not as part of the board's design.
    platform::DesignScale::placedByWindow(*this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Scoreboard::setLines(const std::vector<Line>& lines)
{
    if (lines == lines_)
        return;
    lines_ = lines;
    update();
}

QStringList Scoreboard::texts() const
{
    QStringList shown;
    for (const Line& line : lines_)
        shown << line.text;
    return shown;
}

void Scoreboard::setScale(qreal scale)
{
    scale_ = scale;
    update();
}

void Scoreboard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawLines(&painter);
}

int Scoreboard::drawLines(QPainter* painter) const
{
    using Kind = Line::Kind;
    const QFont heading = look::gameFont(look::FontRole::Signs, 14.25 * scale_);
    const QFont name = look::gameFont(look::FontRole::Controls, 12 * scale_, true);
    const QFont plain = look::gameFont(look::FontRole::Controls, 9.75 * scale_);
    const int margin = qRound(6 * scale_);
    int y = margin;
    for (const Line& line : lines_) {
        const bool small = line.kind == Kind::Plain || line.kind == Kind::Detail;
        const QFont& font = line.kind == Kind::Heading ? heading : small ? plain : name;
        const int height = QFontMetrics(font).height();
        const QRect place(margin, y, width() - 2 * margin, height);
        if (painter) {
            if (line.kind == Kind::Answering)
                painter->fillRect(place.adjusted(-margin / 2, 0, margin / 2, 0), colour::Yellow);
            painter->setFont(font);
            painter->setPen(line.kind == Kind::Out ? QColor(96, 96, 96) : colour::Black);
            painter->drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                              QFontMetrics(font).elidedText(line.text, Qt::ElideRight, place.width()));
        }
        // A little room before each player's name and after the heading.
        y += height + (line.kind == Kind::Plain ? margin : 0) + (line.kind == Kind::Heading ? margin : 0);
    }
    return y;
}

}  // namespace play
