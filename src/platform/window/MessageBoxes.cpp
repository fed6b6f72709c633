// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/MessageBoxes.h"

#include "platform/window/Form.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>

#include <algorithm>

namespace platform {

Answer MessageBoxes::show(const QString& text, const QString& title, Buttons buttons)
{
    // Counted as open until the player answers, however the box is left.
    struct Closing {
        int& openCount;
        const Watcher& watcher;
        const QString& text;
        const QString& title;
        bool watched;
        ~Closing()
        {
            --openCount;
            if (watched && watcher)
                watcher(text, title, false);
        }
    } closing{++openCount_, watcher_, text, title, buttons == Buttons::Ok};
    if (closing.watched && watcher_)
        watcher_(text, title, true);
    return present(text, title, buttons);
}

namespace {

// A message box that takes its place as it shows, once it knows its size.
class GameMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    Form* owner = nullptr;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (owner)
            move(owner->mapToGlobal(placeOver(*owner, size())));
    }

private:
    // Of the window's corners and its middle, the place where the box hides the least of what
    // the window keeps in view; the middle when it keeps nothing.
    static QPoint placeOver(const Form& window, QSize size)
    {
        const QList<QRect> kept = window.placesToKeepInView();
        const int margin = qRound(8 * window.scale());
        const int right = std::max(0, window.width() - size.width() - margin);
        const int bottom = std::max(0, window.height() - size.height() - margin);
        const QPoint middle(std::max(0, (window.width() - size.width()) / 2),
                            std::max(0, (window.height() - size.height()) / 2));
        if (kept.isEmpty())
            return middle;
        const QPoint places[] = {{right, bottom}, {right, margin}, {margin, bottom}, {margin, margin}, middle};
        QPoint best = places[0];
        qint64 leastHidden = -1;
        for (const QPoint& place : places) {
            qint64 hidden = 0;
            for (const QRect& keep : kept) {
                const QRect over = keep & QRect(place, size);
                hidden += qint64(over.width()) * over.height();
            }
            if (leastHidden < 0 || hidden < leastHidden) {
                leastHidden = hidden;
                best = place;
            }
        }
        return best;
    }
};

}  // namespace

Answer QtMessageBoxes::present(const QString& text, const QString& title, Buttons buttons)
{
    Form* owner = activation_.active();
    // The title in bold over the text, and the text as typed (it may hold a player's name),
    // never as markup.
    GameMessageBox box(QMessageBox::NoIcon, title, title,
                       buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner,
                       Qt::Dialog | Qt::FramelessWindowHint);
    box.owner = owner;
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(text);
    auto* textLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    if (textLabel)
        textLabel->setTextFormat(Qt::PlainText);

    // At the scale of the window it belongs to, in its colours, to be read from across a room.
    const qreal scale = owner ? owner->scale() : 1.0;
    const auto pixels = [scale](qreal design) { return qMax(1, qRound(design * scale)); };
    const QFont plain = DesignScale::scaledFont(face(), scale);
    QFont bold = DesignScale::scaledFont(face(), scale * 1.15);
    bold.setBold(true);
    box.setFont(plain);
    if (auto* titleLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        titleLabel->setFont(bold);
    if (textLabel)
        textLabel->setFont(plain);
    if (box.layout())
        box.layout()->setContentsMargins(pixels(14), pixels(10), pixels(14), pixels(10));
    const QColor background = owner ? owner->palette().color(QPalette::Window) : QColor(240, 240, 240);
    // The focused answer is ringed as the focus is on the game's windows; the ring's width is
    // kept by every button, in grey off the focus, so that the caption never moves or shrinks
    // as the focus moves.
    box.setStyleSheet(QStringLiteral("QMessageBox { background: %1; border: %2px solid #0000ff; }"
                                     " QLabel { color: black; background: transparent; }"
                                     " QPushButton { min-width: %3px; padding: %4px %5px; border: %6px solid #c8c8c8;"
                                     " background: #f0f0f0; color: black; }"
                                     " QPushButton:focus { border-color: #ffff00; }")
                          .arg(background.name())
                          .arg(pixels(3))
                          .arg(pixels(60))
                          .arg(pixels(4))
                          .arg(pixels(12))
                          .arg(pixels(4)));
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
        button->setFont(plain);
    }
    // A box with OK alone may be answered from elsewhere (the answering player's phone).
    QMessageBox* const outer = openOk_;
    openOk_ = buttons == Buttons::Ok ? &box : nullptr;
    const int pressed = box.exec();
    openOk_ = outer;
    // Keyboard focus goes back to the game window, or the buzzer keys would be lost.
    if (owner)
        owner->activateWindow();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtMessageBoxes::answerOpen()
{
    if (openOk_)
        openOk_->done(QMessageBox::Ok);
}

}  // namespace platform
