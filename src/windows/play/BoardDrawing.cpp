// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the board. Every element is painted from its template into the back buffer
// backBuffer_, which showBoard then shows whole, so nothing flickers. The clock dial has a
// picture of its own, dialPicture_, on which the marks of the time gone by accumulate;
// each dial step copies it into the back buffer and paints the hand over the copy.
// Both pictures have as many pixels as the board takes on the screen: the window's scale
// times the screen's device pixel ratio. Text and lines are painted at that density, sharp
// at every size, while every coordinate stays in the design's pixels. A repaint of the
// window copies only the part of the back buffer that changed.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/NumberText.h"
#include "look/Dial.h"
#include "look/Fonts.h"
#include "platform/Clock.h"
#include "platform/network/Phones.h"
#include "platform/Services.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr QSize boardSize(337, 289);
// A caption is cut to the size of the scratch surface it was printed on in the design.
constexpr QSize captionLimit(121, 41);

constexpr QPoint dialOnBoard(206, 174);
constexpr int handWidth = 3;

QImage surface(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(play::colour::Background);
    return image;
}

// The point at `distance` from `centre` in the direction of clock position p: 240 straight
// up, 180 to the left, 120 down, 60 to the right.
QPointF dialPoint(QPointF centre, int p, double distance)
{
    return look::dial::point(centre, p, 240, distance);
}

}  // namespace

bool PlayWindow::makeSurfaces()
{
    const qreal ratio = devicePixelRatioF() * scale();
    if (!backBuffer_.isNull() && backBuffer_.devicePixelRatio() == ratio)
        return false;
    backBuffer_ = surface(boardSize, ratio);
    dialPicture_ = surface(look::dial::blockSize, ratio);
    return true;
}

void PlayWindow::rescaleEvent()
{
    placeScoreboard();
    if (!makeSurfaces())
        return;
    showRound(true);
    if (state_.dialShown)
        redrawDial();
    update();
}

void PlayWindow::paintEvent(QPaintEvent* event)
{
    // A repaint shows the board as it stands and changes nothing.
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QRect board(designOrigin(), (QSizeF(backBuffer_.size()) / ratio).toSize());
    const QRect shown = event->rect() & board;
    if (shown.isEmpty())
        return;
    const QRectF source(QPointF(shown.topLeft() - board.topLeft()) * ratio, QSizeF(shown.size()) * ratio);
    painter.drawImage(QRectF(shown), backBuffer_, source);
}

void PlayWindow::drawLabel(const play::BoardLabel& label)
{
    if (label.caption.isEmpty())
        return;
    const QFont font = look::gameFont(label.font, label.points);
    const QFontMetrics metrics(font);
    // A caption too long for the block (a long name) shows its beginning, cut with an ellipsis,
    // inside the border of the label's shape (the contender panel's stays whole).
    const QRect room = label.geometry.adjusted(label.inset, label.inset, -label.inset, -label.inset);
    const int widest = label.inset ? std::min(captionLimit.width(), room.width()) : captionLimit.width();
    const QString text = metrics.elidedText(label.caption, Qt::ElideRight, widest);
    // The text block is exactly as large as the text, centred on the label and aligned
    // with its top, with the label's background round the glyphs. A face whose own line is
    // taller than the design's (look::lineHeight) loses the room above its capitals.
    const int width = std::min(metrics.horizontalAdvance(text), widest);
    const int lineHeight = look::lineHeight(font);
    const int height = std::min(lineHeight, captionLimit.height());
    const int baseline = metrics.ascent() - (metrics.height() - lineHeight);
    const QRect& place = label.geometry;
    const int left = int(core::roundHalfEven(place.x() + place.width() / 2.0 - width / 2.0));
    const QRect line(left, place.y(), width, height);
    const QRect block = label.inset ? line.intersected(room) : line;

    changed_ |= block;
    QPainter painter(&backBuffer_);
    painter.fillRect(block, label.background);
    painter.setClipRect(block);
    painter.setFont(font);
    painter.setPen(label.textColour);
    painter.drawText(QPoint(left, place.y() + baseline), text);
}

void PlayWindow::drawShape(const play::BoardShape& shape)
{
    // The border lies inside the shape's rectangle.
    changed_ |= shape.geometry;
    QPainter painter(&backBuffer_);
    const int inset = shape.borderWidth;
    painter.fillRect(shape.geometry, shape.border);
    painter.fillRect(shape.geometry.adjusted(inset, inset, -inset, -inset), shape.fill);
}

void PlayWindow::showBoard()
{
    if (changed_.isEmpty())
        return;
    update(toWindow(changed_).adjusted(-1, -1, 1, 1));
    changed_ = QRect();
}

void PlayWindow::showRound(bool drawAll)
{
    // The one place where the round becomes captions: a number's decimal text, or nothing.
    const auto show = [this, drawAll](play::BoardLabel& label, const play::BoardShape& shape, QString caption) {
        if (label.caption == caption)
            return;
        label.caption = std::move(caption);
        if (drawAll)
            return;
        drawShape(shape);
        drawLabel(label);
    };
    const auto number = [](int n) { return n > 0 ? core::numberText(n) : QString(); };
    using Row = core::Round::Row;
    for (int i = 0; i < core::DealSize; ++i)
        show(board_.dealtNumbers[i], board_.dealtTiles[i], number(round_.numberOn({Row::Dealt, i})));
    for (int i = 0; i < core::Round::MadeSlots; ++i)
        show(board_.madeNumbers[i], board_.madeTiles[i], number(round_.numberOn({Row::Made, i})));
    show(board_.workingRow[0], board_.workingTiles[0], number(round_.first()));
    show(board_.workingRow[1], board_.workingTiles[1], core::operationSign(round_.operation()));
    show(board_.workingRow[2], board_.workingTiles[2], number(round_.second()));
    const int contender = round_.contender();
    show(board_.contenderName, board_.contenderPanel, contender == -1 ? QString() : game_.playerNames[contender]);
    showFocusRing();
    showScoreboard();
    if (drawAll)
        redrawBoard();
    else
        showBoard();
}

void PlayWindow::redrawBoard()
{
    for (const auto& shape : board_.dealtTiles)
        drawShape(shape);
    for (const auto& shape : board_.workingTiles)
        drawShape(shape);
    for (const auto& shape : board_.madeTiles)
        drawShape(shape);
    drawShape(board_.targetBox);
    drawShape(board_.contenderPanel);
    for (int i = 0; i < 3; ++i) {
        drawLabel(board_.workingRow[i]);
        drawLabel(board_.madeNumbers[i]);
        drawLabel(board_.targetDigits[i]);
    }
    for (const auto& number : board_.dealtNumbers)
        drawLabel(number);
    drawLabel(board_.contenderName);
    showBoard();
}

void PlayWindow::redrawCell(const play::BoardShape& shape, const play::BoardLabel& label)
{
    drawShape(shape);
    drawLabel(label);
    showBoard();
}

void PlayWindow::prepareClockDial()
{
    QPainter painter(&dialPicture_);
    painter.setRenderHint(QPainter::Antialiasing);
    dialPenWidth_ = 1;
    look::dial::paintFace(painter);
    painter.end();
    drawDialMark(FullDial);
}

void PlayWindow::drawClockDial(int position, bool fillGap)
{
    // With music the clock may jump several steps at once; the marks fill the gap.
    if (fillGap && state_.lastDrawnPosition - position >= 2 && position != FullDial) {
        for (int v = state_.lastDrawnPosition; v >= position; --v)
            drawDialMark(v);
    }
    state_.lastDrawnPosition = std::int16_t(position);
    state_.dialShown = true;
    drawDialMark(position);
    dialPenWidth_ = handWidth;
    showDial(position);
}

void PlayWindow::redrawDial()
{
    // The first marks are drawn with a fine pen, the later ones with the hand's width.
    prepareClockDial();
    for (int v = FullDial - 1; v >= state_.lastDrawnPosition; --v) {
        dialPenWidth_ = v >= FullDial - 1 ? 1 : handWidth;
        drawDialMark(v);
    }
    dialPenWidth_ = handWidth;
    showDial(state_.lastDrawnPosition);
}

void PlayWindow::showDial(int position)
{
    changed_ |= QRect(dialOnBoard, look::dial::blockSize);
    QPainter painter(&backBuffer_);
    const QSize block = look::dial::blockSize;
    painter.drawImage(QRect(dialOnBoard, block), dialPicture_,
                      QRect(QPoint(0, 0), block * dialPicture_.devicePixelRatio()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(play::colour::White, handWidth, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre = dialOnBoard + look::dial::centre;
    painter.drawLine(centre, dialPoint(centre, position, look::dial::handLength));
    painter.end();
    showBoard();
}

void PlayWindow::drawDialMark(int position)
{
    QPainter painter(&dialPicture_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(play::colour::DialMark, dialPenWidth_, Qt::SolidLine, Qt::FlatCap));
    const QPointF centre(look::dial::centre);
    painter.drawLine(centre, dialPoint(centre, position, look::dial::handLength));
}

void PlayWindow::placeScoreboard()
{
    // In the width beside the board, when there is enough of it to read (a 16:9 window has
    // more than half the board's width beside it); its text as large as the board's, or as
    // large as fits.
    const QRect board = toWindow(QRect(QPoint(0, 0), DesignSize));
    const int gap = qRound(8 * scale());
    const int room = width() - board.right() - 2 * gap;
    const bool wide = width() - board.width() >= DesignSize.width() * scale() / 2;
    scoreboard_->setVisible(wide);
    if (!wide)
        return;
    scoreboard_->setGeometry(board.right() + gap, board.top(), room, board.height());
    scoreboard_->setScale(std::min(scale(), room / 230.0));
}

void PlayWindow::showScoreboard()
{
    using Line = play::Scoreboard::Line;
    std::vector<Line> lines{{Line::Kind::Heading, game_.practice ? QStringLiteral("Practice")
                                                                 : QStringLiteral("Round %1 of %2")
                                                                       .arg(game_.currentRound)
                                                                       .arg(game_.roundCount)}};
    const auto text = [](int n) { return core::numberText(n); };
    for (int p = 0; p < core::PlayerCount; ++p) {
        const bool out = !game_.playing[p] && game_.timesStopped[p] >= game_.rules.stopsAllowed;
        if (!game_.playing[p] && !out)
            continue;
        const bool answering = round_.isAnswering() && round_.answeringPlayer() == p;
        lines.push_back({out ? Line::Kind::Out : answering ? Line::Kind::Answering : Line::Kind::Name,
                         game_.playerNames[p] + (out ? QStringLiteral(" (out)") : QString())});
        const int turnsLeft = std::max(0, game_.rules.turnsAllowed - round_.turnsTaken(p));
        lines.push_back({Line::Kind::Detail, buzzers_.name(p)});
        lines.push_back({Line::Kind::Plain, QStringLiteral("%1 points, %2 turns left, %3 stops")
                                                .arg(text(game_.totalScores[p]), text(turnsLeft),
                                                     text(game_.timesStopped[p]))});
        if (answering) {
            // Counting down in whole seconds, the answer's limit and the idle limit.
            const auto now = services.clock.now();
            const auto left = [](std::chrono::seconds limit, std::chrono::seconds gone) {
                return core::numberText(std::max<long long>(0, (limit - gone).count()));
            };
            lines.push_back({Line::Kind::Plain, QStringLiteral("Answer: %1 s left, idle: %2 s")
                                                    .arg(left(game_.answerTime, now - round_.answerStart()),
                                                         left(game_.idleTime, now - round_.lastSelection()))});
        }
    }
    scoreboard_->setLines(lines);
    showPhones();
}

void PlayWindow::showPhones()
{
    if (!services.phones.isOn())
        return;
    // The phones see what the room sees: the scoreboard, the numbers dealt, the target once it
    // has settled, and the round clock.
    platform::PhoneView view;
    for (const play::Scoreboard::Line& line : scoreboard_->lines()) {
        if (line.kind == play::Scoreboard::Line::Kind::Heading)
            view.heading = line.text;
        else
            view.scores.push_back({line.text, line.kind != play::Scoreboard::Line::Kind::Plain &&
                                                  line.kind != play::Scoreboard::Line::Kind::Detail});
    }
    using Phase = core::Round::Phase;
    if (round_.phase() != Phase::Dealing && round_.phase() != Phase::Spin && round_.target() > 0)
        view.target = core::numberText(round_.target());
    for (const play::BoardLabel& number : board_.dealtNumbers)
        view.dealt << number.caption;
    if (round_.isAnswering()) {
        view.answering = game_.playerNames[round_.answeringPlayer()];
        view.answeringPlace = round_.answeringPlayer();
        // The rest of the answering player's board, as the television shows it.
        for (const play::BoardLabel& number : board_.madeNumbers)
            view.made << number.caption;
        for (const play::BoardLabel& cell : board_.workingRow)
            view.working << cell.caption;
    }
    if (!game_.practice) {
        view.clockLeft = game_.clockPosition;
        view.clockSteps = FullDial;
    }
    services.phones.show(view);
}

QList<QRect> PlayWindow::placesToKeepInView() const
{
    // A box of the round leaves the room the numbers, the working row, the operations and who
    // answers: a limit's or a refusal's box is read against them. The clock stands still.
    QList<QRect> places{toWindow(board_.targetBox.geometry), toWindow(board_.contenderPanel.geometry)};
    for (const play::BoardShape& tile : board_.dealtTiles)
        places << toWindow(tile.geometry);
    for (const play::BoardShape& tile : board_.workingTiles)
        places << toWindow(tile.geometry);
    for (const play::BoardShape& tile : board_.madeTiles)
        places << toWindow(tile.geometry);
    for (const QPushButton* button : {addButton_, subtractButton_, multiplyButton_, divideButton_, equalsButton_})
        places << button->geometry();
    if (scoreboard_->isVisible())
        places << QRect(scoreboard_->pos(), QSize(scoreboard_->width(), scoreboard_->linesHeight()));
    return places;
}
