// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/title/TitleWindow.h"

#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "look/Dial.h"
#include "look/Fonts.h"
#include "look/QuitAndHelp.h"
#include "platform/Services.h"
#include "platform/window/Timer.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>


namespace {

const QColor background(128, 255, 255);
constexpr int tickInterval = 100;
// The hand turns once every 300 ticks, anticlockwise.
constexpr int stepsPerTurn = 300;
constexpr QPoint leftDial(6, 46);
constexpr QPoint rightDial(278, 46);

}  // namespace

TitleWindow::TitleWindow(const core::WindowContext& context)
    : Form(context.services), game_(context.game), flow_(context.flow)
{
    design(QStringLiteral("Quorvix!"), QSize(384, 210), background);

    using look::FontRole;
    heading(QStringLiteral("Quorvix"), {0, 0, 384, 48}, look::gameFont(FontRole::Titles, 36));

    const char* credits[] = {"The number game for quick minds", "for one to six players", "by the Quorvix developers"};
    for (int i = 0; i < 3; ++i) {
        auto* line = new QLabel(QString::fromLatin1(credits[i]), this);
        line->setGeometry(108, 52 + 18 * i, 168, 18);
        line->setAlignment(Qt::AlignCenter);
        line->setFont(look::gameFont(FontRole::Titles, 8.25));
    }

    const QFont buttonFont = look::gameFont(FontRole::Titles, 15.75);
    const auto button = [&](const char* name, const char* caption, const QRect& geometry,
                            void (TitleWindow::*handler)()) {
        auto* control = new QPushButton(QString::fromLatin1(caption), this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(geometry);
        control->setFont(buttonFont);
        connect(control, &QPushButton::clicked, this, handler);
        return control;
    };
    playButton_ = button("play", "Play!", {128, 112, 128, 40}, &TitleWindow::openSetUp);
    helpButton_ = button("help", "Help", {128, 160, 62, 34}, &TitleWindow::openHelp);
    aboutButton_ = button("about", "About", {194, 160, 62, 34}, &TitleWindow::openAbout);
    setFirstFocus(*playButton_);

    dialTimer_ = services.timers.create("dials", [this] { turnDials(); });
    dialTimer_->setInterval(tickInterval);

    makeDialPicture();
}

void TitleWindow::makeDialPicture()
{
    // As many pixels as the dial takes on the screen, so that it is sharp at every size.
    const qreal ratio = devicePixelRatioF() * scale();
    dialPicture_ = QImage(look::dial::blockSize * ratio, QImage::Format_ARGB32_Premultiplied);
    dialPicture_.setDevicePixelRatio(ratio);
    dialPicture_.fill(palette().color(QPalette::Window));
}

void TitleWindow::rescaleEvent()
{
    makeDialPicture();
    paintDial();
}

TitleWindow::~TitleWindow() = default;

void TitleWindow::loadEvent()
{
    game_.clockPosition = 1;
    paintDial();
}

void TitleWindow::activateEvent()
{
    // The hand starts from the top, and shows there before the first tick moves it.
    game_.clockPosition = 1;
    paintDial();
    dialTimer_->start();
}

void TitleWindow::deactivateEvent()
{
    dialTimer_->stop();
}

void TitleWindow::turnDials()
{
    stepHands();
}

void TitleWindow::stepHands()
{
    if (game_.clockPosition == 0)
        game_.clockPosition = stepsPerTurn;
    --game_.clockPosition;
    paintDial();
}

void TitleWindow::paintDial()
{
    QPainter painter(&dialPicture_);
    painter.setRenderHint(QPainter::Antialiasing);
    look::dial::paintFace(painter);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(look::dial::centre);
    const QPointF tip = look::dial::point(centre, game_.clockPosition, stepsPerTurn, look::dial::handLength);
    painter.drawLine(centre, tip);
    painter.end();
    for (const QPoint dial : {leftDial, rightDial})
        update(toWindow(QRect(dial, look::dial::blockSize)));
}

void TitleWindow::paintEvent(QPaintEvent*)
{
    // A repaint shows both dials where they stand; the hand moves only on a tick.
    QPainter painter(this);
    const QSizeF shown = QSizeF(dialPicture_.size()) / devicePixelRatioF();
    for (const QPoint dial : {leftDial, rightDial})
        painter.drawImage(QRectF(toWindow(QRect(dial, look::dial::blockSize)).topLeft(), shown), dialPicture_);
}

void TitleWindow::openSetUp()
{
    hide();
    flow_.showSetUp();
}

void TitleWindow::openHelp()
{
    look::showHelp(services);
}

void TitleWindow::openAbout()
{
    flow_.showAbout();
}

void TitleWindow::queryClose(bool& cancel)
{
    cancel = !look::confirmQuit(services);
}
