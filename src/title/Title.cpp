// SPDX-License-Identifier: GPL-3.0-or-later
#include "title/Title.h"

#include "core/GameFlow.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/Fonts.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "platform/Dial.h"
#include "platform/QuitAndHelp.h"

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

Title::Title(const core::WindowContext& context)
    : Form(context.services), game_(context.game), flow_(context.flow)
{
    design(QStringLiteral("Quorvix!"), QSize(384, 210), background);

    const QString display = QStringLiteral("GlaserSteD");
    heading(QStringLiteral("Quorvix"), {0, 0, 384, 48}, platform::designFont(display, 36));

    const char* credits[] = {"The number game for quick minds", "for one to six players", "by the Quorvix developers"};
    for (int i = 0; i < 3; ++i) {
        auto* line = new QLabel(QString::fromLatin1(credits[i]), this);
        line->setGeometry(108, 52 + 18 * i, 168, 18);
        line->setAlignment(Qt::AlignCenter);
        line->setFont(platform::designFont(display, 8.25));
    }

    const QFont buttonFont = platform::designFont(display, 15.75);
    const auto button = [&](const char* caption, const QRect& geometry, void (Title::*handler)()) {
        auto* control = new QPushButton(QString::fromLatin1(caption), this);
        control->setObjectName(QString::fromLatin1(caption));
        control->setGeometry(geometry);
        control->setFont(buttonFont);
        connect(control, &QPushButton::clicked, this, handler);
        return control;
    };
    Button = button("Play!", {128, 112, 128, 40}, &Title::Button_Click);
    HelpButton = button("Help", {128, 160, 62, 34}, &Title::HelpButton_Click);
    AboutButton = button("About", {194, 160, 62, 34}, &Title::AboutButton_Click);

    TickTimer = services.timers.create("TickTimer", [this] { TickTimer_Timer(); });
    TickTimer->setInterval(tickInterval);

    const qreal ratio = devicePixelRatioF();
    DeviceContext = QImage(platform::dial::blockSize * ratio, QImage::Format_ARGB32_Premultiplied);
    DeviceContext.setDevicePixelRatio(ratio);
    DeviceContext.fill(background);
}

Title::~Title() = default;

void Title::Form_Load()
{
    game_.clockPosition = 1;
    paintDial();
}

void Title::Form_Activate()
{
    // The hand starts from the top, and shows there before the first tick moves it.
    game_.clockPosition = 1;
    paintDial();
    TickTimer->start();
}

void Title::Form_Deactivate()
{
    TickTimer->stop();
}

void Title::TickTimer_Timer()
{
    DrawTitleClocks();
}

void Title::DrawTitleClocks()
{
    if (game_.clockPosition == 0)
        game_.clockPosition = stepsPerTurn;
    --game_.clockPosition;
    paintDial();
}

void Title::paintDial()
{
    QPainter painter(&DeviceContext);
    painter.setRenderHint(QPainter::Antialiasing);
    platform::dial::paintFace(painter);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(platform::dial::centre);
    painter.drawLine(centre, platform::dial::point(centre, game_.clockPosition, stepsPerTurn, platform::dial::handLength));
    painter.end();
    update(QRect(leftDial, platform::dial::blockSize));
    update(QRect(rightDial, platform::dial::blockSize));
}

void Title::paintEvent(QPaintEvent*)
{
    // A repaint shows both dials where they stand; the hand moves only on a tick.
    QPainter painter(this);
    painter.drawImage(leftDial, DeviceContext);
    painter.drawImage(rightDial, DeviceContext);
}

void Title::Button_Click()
{
    hide();
    flow_.showSetUp();
}

void Title::HelpButton_Click()
{
    platform::showHelp(services);
}

void Title::AboutButton_Click()
{
    flow_.showAbout();
}

void Title::Form_QueryUnload(bool& cancel)
{
    cancel = !platform::confirmQuit(services);
}
