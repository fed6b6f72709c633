// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

namespace play {

// The room's view of the game, beside the board in the width a window wider than the board's
// own shape leaves free (any 16:9 screen full screen): the round, each player's name, buzzer,
// points, turns left and stops, the one who answers marked, one who is out shown as out, and
// while a player answers the time their answer has left. It is placed by its window, outside
// the board's design, and never shows at the design size.
class Scoreboard final : public QWidget {
    Q_OBJECT
public:
    // A line as shown: a heading, a player's name (marked while they answer, grey when out),
    // a detail under it (their buzzer), or plain text, after which a little room is left.
    struct Line {
        enum class Kind { Heading, Name, Answering, Out, Detail, Plain };
        Kind kind = Kind::Plain;
        QString text;
        bool operator==(const Line&) const = default;
    };

    explicit Scoreboard(QWidget& window);

    void setLines(const std::vector<Line>& lines);
    const std::vector<Line>& lines() const { return lines_; }
    // The lines' texts, top to bottom.
    QStringList texts() const;
    // The size of the board's text at the window's scale.
    void setScale(qreal scale);
    // The height its lines take, from its top.
    int linesHeight() const { return drawLines(nullptr); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the lines with `painter` (none: only measures them); returns their height.
    int drawLines(QPainter* painter) const;

    std::vector<Line> lines_;
    qreal scale_ = 1;
};

}  // namespace play
