// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/FinderWindow.h"

#include "core/GameFlow.h"

#include "platform/Fonts.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

namespace {

const QString pleaseWait = QStringLiteral("Please Wait");
// Events run between attempts no more often than this, so that they do not slow the search.
constexpr int eventInterval = 5;  // milliseconds

}  // namespace

FinderWindow::FinderWindow(const core::WindowContext& context)
    : Form(context.services)
{
    design(QStringLiteral("Finding Solutions"), QSize(217, 162), QColor(192, 255, 192));

    Display = new QLabel(this);
    Display->setGeometry(6, 6, 204, 104);
    Display->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Display->setWordWrap(true);
    Display->setAutoFillBackground(true);
    QPalette displayPalette = Display->palette();
    displayPalette.setColor(QPalette::Window, QColor(255, 255, 192));
    Display->setPalette(displayPalette);
    Display->setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 12));

    const QFont buttonFont = platform::designFont(QStringLiteral("MS Sans Serif"), 13.5);
    New = new QPushButton(QStringLiteral("Calculate"), this);
    New->setObjectName(QStringLiteral("New"));
    New->setGeometry(6, 118, 99, 36);
    New->setFont(buttonFont);
    connect(New, &QPushButton::clicked, this, &FinderWindow::searchAgain);
    Exit = new QPushButton(QStringLiteral("Exit"), this);
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setGeometry(111, 118, 99, 36);
    Exit->setFont(buttonFont);
    connect(Exit, &QPushButton::clicked, this, &FinderWindow::exitFinder);
}

void FinderWindow::prepareSearch(const core::Numbers& numbers, int total)
{
    numbers_ = numbers;
    Total = total;
}

QString FinderWindow::displayText() const
{
    return Display->text();
}

void FinderWindow::activateEvent()
{
    Calculate();
}

void FinderWindow::Calculate()
{
    const int search = ++search_;
    ++searchDepth_;
    const auto done = qScopeGuard([this] { --searchDepth_; });
    StopRequested = false;
    QCoreApplication::processEvents();
    sinceEvents_.start();
    Display->setText(pleaseWait);
    for (;;) {
        if (const auto solution = core::attempt(numbers_, Total, services.random)) {
            Display->setText(*solution);
            return;
        }
        letEventsRun();
        if (search != search_)
            return;  // Calculate was pressed: the fresh search has run in its place
        if (StopRequested) {
            hide();
            return;
        }
        if (!isVisible())
            return;  // hidden at once by an Exit that came before the search began
    }
}

void FinderWindow::letEventsRun()
{
    if (sinceEvents_.elapsed() < eventInterval)
        return;
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void FinderWindow::searchAgain()
{
    Calculate();
}

void FinderWindow::exitFinder()
{
    if (Display->text() == pleaseWait)
        StopRequested = true;
    else
        hide();
}

void FinderWindow::queryClose(bool& cancel)
{
    // Closing the window by its frame is an Exit.
    cancel = true;
    exitFinder();
}
