// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/finder/FinderWindow.h"

#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "look/Fonts.h"
#include "platform/network/Phones.h"
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
    design(QStringLiteral("Finding Solutions"), QSize(217, 202), QColor(192, 255, 192));
    setEscape(Escape::DoesNothing);

    // What the steps below are for: the target nobody made and the numbers it is made from.
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("heading"));
    heading_->setGeometry(6, 4, 204, 36);
    heading_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading_->setWordWrap(true);
    heading_->setFont(look::gameFont(look::FontRole::Controls, 9.75, true));

    display_ = new QLabel(this);
    display_->setGeometry(6, 46, 204, 104);
    display_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    display_->setWordWrap(true);
    display_->setAutoFillBackground(true);
    QPalette displayPalette = display_->palette();
    displayPalette.setColor(QPalette::Window, QColor(255, 255, 192));
    display_->setPalette(displayPalette);
    display_->setFont(look::gameFont(look::FontRole::Controls, 12));

    const QFont buttonFont = look::gameFont(look::FontRole::Controls, 13.5);
    calculateButton_ = new QPushButton(QStringLiteral("Calculate"), this);
    calculateButton_->setObjectName(QStringLiteral("calculate"));
    calculateButton_->setGeometry(6, 158, 99, 36);
    calculateButton_->setFont(buttonFont);
    connect(calculateButton_, &QPushButton::clicked, this, &FinderWindow::searchAgain);
    exitButton_ = new QPushButton(QStringLiteral("Exit"), this);
    exitButton_->setObjectName(QStringLiteral("exit"));
    exitButton_->setGeometry(111, 158, 99, 36);
    exitButton_->setFont(buttonFont);
    connect(exitButton_, &QPushButton::clicked, this, &FinderWindow::exitFinder);
    setFirstFocus(*calculateButton_);
}

void FinderWindow::prepareSearch(const core::Deal& deal, int total)
{
    deal_ = deal;
    target_ = total;
}

QString FinderWindow::displayText() const
{
    return display_->text();
}

QString FinderWindow::headingText() const
{
    return heading_->text();
}

void FinderWindow::activateEvent()
{
    searches_ = 0;
    calculate();
}

void FinderWindow::calculate()
{
    const int search = ++search_;
    ++searchDepth_;
    // The first search of a showing finds one way; every Calculate after it, another.
    QStringList numbers;
    for (const int number : deal_)
        numbers << core::numberText(number);
    heading_->setText(QStringLiteral("Nobody made %1. %2 way from %3:")
                          .arg(core::numberText(target_), searches_++ == 0 ? QStringLiteral("One")
                                                                            : QStringLiteral("Another"),
                               numbers.join(u' ')));
    const auto done = qScopeGuard([this] { --searchDepth_; });
    stopRequested_ = false;
    QCoreApplication::processEvents();
    sinceEvents_.start();
    display_->setText(pleaseWait);
    for (;;) {
        if (const auto solution = core::attempt(deal_, target_, services.random)) {
            display_->setText(*solution);
            // The phones see the way too, a step a line.
            platform::PhoneView view;
            view.heading = heading_->text();
            for (const QString& step : solution->split(u',', Qt::SkipEmptyParts))
                view.scores.push_back({step.trimmed(), false});
            services.phones.show(view);
            return;
        }
        letEventsRun();
        if (search != search_)
            return;  // Calculate was pressed: the fresh search has run in its place
        if (stopRequested_) {
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
    calculate();
}

void FinderWindow::exitFinder()
{
    if (display_->text() == pleaseWait)
        stopRequested_ = true;
    else
        hide();
}

void FinderWindow::queryClose(bool& cancel)
{
    // Closing the window by its frame is an Exit.
    cancel = true;
    exitFinder();
}
