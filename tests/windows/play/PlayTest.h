// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "doubles/TestGame.h"
#include "windows/play/PlayWindow.h"

#include <QImage>
#include <QStringList>

#include <functional>
#include <vector>

// A deal from which 306 can be made, as 3×100 + (2+4).
inline const std::vector<int> exampleDeal{2, 3, 4, 10, 20, 100, 150};

// A fixture with a game of two players at Normal and the play window ready for a round.
class PlayTest : public doubles::GameTest {
protected:
    PlayTest();

    // Sets up a game in the set-up window at `difficulty` and starts it, the first round dealt
    // from `deal`. The players are the first places, one for each of `names`.
    void startGame(const char* rounds, bool practice, const std::vector<int>& deal,
                   const QStringList& names = {"Ann", "Bob"});
    int difficulty = 1;  // 0 Easy, 1 Normal, 2 Hard
    // The answering player makes 306 from the example deal, as 3×100 + (2+4).
    void make306()
    {
        act("dealtNumber1 multiply dealtNumber5 equals dealtNumber0 add dealtNumber2 equals madeNumber0 add "
            "madeNumber1 equals");
    }

    // Prepares and shows the play window as the set-up window does, and lets it activate.
    void startRound();

    // Deals the given numbers, spins, and runs the round clock's first tick: buzzers open.
    void openBuzzers(const std::vector<int>& deal = exampleDeal);
    // Plays `steps`, separated by spaces, as the players and the clock would:
    //   dealtNumber3, multiply, equals, giveUp...  a click on the play window's control of that name
    //   clock, spin, poll, flash                    one tick of that timer, as Qt delivers it (a
    //                                               stopped timer, or one under a message box, drops it)
    //   clock*20                                    up to twenty ticks, until the timer stops
    //   buzz:2                                      player 2 holds their buzzer key for one poll
    //   turn:2                                      player 2 buzzes and the buzz flash runs out
    //   +21s                                        21 seconds pass on the wall clock
    //   quit:No, quit:Yes                           the frame is closed and the quit question answered
    //   target:306                                  the target shows 306, as if the spin settled there
    //   key:Right, key:Return                       that key pressed and released on the play window
    // Any other step followed by *N is taken N times.
    void act(const QString& steps);
    QStringList messageTitles() const;
    // Lets `milliseconds` of play pass as the event loop would: each running timer of the
    // play window ticks at every multiple of its interval, in time order, as the wall clock
    // moves on.
    void runFor(int milliseconds);
    // Checks what must hold between any two events of a round: only the timers the round's
    // phase calls for run, the board holds only whole numbers from 1 to 999, and the
    // contender panel is in its own colours out of its flash.
    void expectSoundRound();
    // The numbers on the board, dealt, made and in the working row, each checked to be a
    // whole number from 1 to 999.
    int numbersOnBoard() const;
    // Plays the player at the solution finder: once it shows a solution, its heading and text
    // are kept in finderText, a line apart, and Exit is pressed. `whileOpen` runs once, as soon
    // as the finder is up.
    void exitFinderOnceSolved(std::function<void()> whileOpen = nullptr);
    QString finderText;
    // The captions of a row of the board's labels.
    template <std::size_t N>
    static QStringList captions(const std::array<play::BoardLabel, N>& labels)
    {
        QStringList texts;
        for (const auto& label : labels)
            texts << label.caption;
        return texts;
    }

    doubles::ManualTimer& timer(const char* name) { return doubles.timers[name]; }
    QRgb pixel(int x, int y) const { return play.backBuffer().pixel(x, y); }
    // Pixels of `colour` within `area` of the back buffer.
    int count(const QRect& area, const QColor& colour) const
    {
        int found = 0;
        bounds(area, colour, &found);
        return found;
    }
    // The bounds of the pixels of `colour` within `area`.
    QRect bounds(const QRect& area, const QColor& colour, int* count = nullptr) const;
    // The target as the display shows it.
    int target() const
    {
        const auto& digits = play.board().targetDigits;
        return (digits[0].caption + digits[1].caption + digits[2].caption).toInt();
    }

    PlayWindow& play;

private:
    int elapsedMilliseconds_ = 0;
};
