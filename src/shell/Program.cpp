// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Program.h"

#include "platform/Application.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "setup/Players.h"
#include "shell/Windows.h"

namespace Program {

void reset()
{
    TurnsAllowed = TurnSeconds = IdleSeconds = CancelsAllowed = StopsAllowed = 0;
    RoundCount = CurrentRound = Difficulty = 0;
    PractiseMode = MusicOn = false;
    TurnTime = IdleTime = 0;
    PlayerName.fill(QString());
    PlayerActive.fill(false);
    RoundScore.fill(0);
    TotalScore.fill(0);
    TimesStopped.fill(0);
    ClockPosition = 0;
}

void Main(Windows& windows)
{
    StopsAllowed = DefaultStopsAllowed;
    TurnsAllowed = DefaultTurnsAllowed;
    TurnSeconds = DefaultTurnSeconds;
    IdleSeconds = DefaultIdleSeconds;
    CancelsAllowed = DefaultCancelsAllowed;
    // The title window is still to come: the game opens on the set-up window.
    windows.players().show();
}

int ConfirmQuit(platform::Services& services)
{
    const auto answer = services.messages.show(QStringLiteral("Do you want to quit?"), QStringLiteral("Quit"),
                                               platform::Buttons::YesNo);
    if (answer != platform::Answer::Yes)
        return 1;
    services.application.quit();
    return 0;
}

void ShowHelp(platform::Services& services)
{
    services.help.show(services.appDir + QStringLiteral("/Solvo.hlp"));
}

}  // namespace Program
