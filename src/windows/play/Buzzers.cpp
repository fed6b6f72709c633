// SPDX-License-Identifier: GPL-3.0-or-later
// The buzzers: once the target is shown the buzzerPoll_ timer asks the six places' buzzers
// (a key, or a controller button beside it), in player order, and the first accepted buzz
// gives that player the board.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/NumberText.h"
#include "platform/audio/MusicDevice.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/Timer.h"

void PlayWindow::pollBuzzers()
{
    // When two buzzers are down at once, the lower player place wins.
    buzzers_.read();
    for (int p = 0; p < core::PlayerCount && !round_.isAnswering(); ++p) {
        if (buzzers_.isDown(p))
            buzzIn(p);
    }
}

void PlayWindow::buzzIn(int p)
{
    using Buzz = core::Round::Buzz;
    const Buzz buzz = round_.buzz(p, services.clock.now());
    if (buzz == Buzz::AllTurnsUsed) {
        // Told once; later buzzes of this player in this round go unanswered.
        services.music.stop();
        services.messages.show(QStringLiteral("You've had all your turns, ") + game_.playerNames[p] + u'.',
                               QStringLiteral("All Turns Used"));
        resumeMusic();
    }
    if (buzz != Buzz::Accepted && buzz != Buzz::LastTurn)
        return;
    services.music.stop();
    buzzerPoll_->stop();
    // Every buzz flash starts from its first tick, and every answer's focus on the first number.
    state_.animationTicks = 0;
    focus_ = 0;
    ++answers_;
    answeringPad_ = buzzers_.pressedButton(p);
    flashTimer_->start();
    // The player sees the buzz taken at once, the panel lit with their name as the flash's
    // first tick will show it, not a flash tick later.
    showRound();
    showContenderPanel(true);
    // Heard after the panel is drawn: the sound's audio may have to start first.
    playSound(platform::GameSound::Buzz);
    if (buzz == Buzz::LastTurn) {
        services.messages.show(QStringLiteral("Remember, this is your last turn!"), QStringLiteral("Last Turn"));
        // The answer time starts once the player has read the reminder.
        round_.lastTurnRead(services.clock.now());
    }
}
