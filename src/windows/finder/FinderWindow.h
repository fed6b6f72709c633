// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The solution finder, "Finding Solutions": a small modal window over the play window.
// The program calls prepareSearch with the round's seven numbers and target, when the play
// window asks for a solution, and shows the window modally; its activation starts a search,
// which lets the window's events run between attempts so that Exit and Calculate stay live.
// Exit hides the window (during a search, once the current attempt is over), and the modal
// show returns.

#include "core/puzzle/Search.h"
#include "platform/window/Form.h"

#include <QElapsedTimer>

class QLabel;
class QPushButton;

namespace core {
struct WindowContext;
}

class FinderWindow : public platform::Form {
    Q_OBJECT
public:
    explicit FinderWindow(const core::WindowContext& context);

    void prepareSearch(const core::Deal& deal, int total);
    QString displayText() const;
    // "Nobody made 781. One way from 25 4 7 100 3 50 8:", or "Another way" after Calculate.
    QString headingText() const;
    // A search is running (the window's events run only between its attempts).
    bool isSearching() const { return searchDepth_ > 0; }

protected:
    void activateEvent() override;
    void queryClose(bool& cancel) override;

private:
    void calculate();
    void searchAgain();
    void exitFinder();
    // Lets pending window events run, at most every few milliseconds.
    void letEventsRun();

    core::Deal deal_{};
    int target_ = 0;
    bool stopRequested_ = false;
    int search_ = 0;  // counts searches: a Calculate press during a search starts a fresh one
    int searchDepth_ = 0;
    int searches_ = 0;  // since the window was last shown
    QElapsedTimer sinceEvents_;

    QLabel* heading_ = nullptr;
    QLabel* display_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};
