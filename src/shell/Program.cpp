// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Program.h"

#include "platform/Application.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "play/MainForm.h"
#include "shell/Windows.h"

namespace Program {

namespace {

// Until the title and set-up windows exist, the program opens straight on a game of
// three rounds for players 1 and 2 at Normal, without music.
void startDefaultGame(Windows& windows)
{
    for (int i = 0; i < PlayerCount; ++i) {
        PlayerName[i] = QStringLiteral("Player %1").arg(i + 1);
        PlayerActive[i] = i < 2;
    }
    CurrentRound = 1;
    RoundCount = 3;
    Difficulty = 1;
    TurnTime = TurnSeconds / 86400.0;
    IdleTime = IdleSeconds / 86400.0;
    MainForm& play = windows.mainForm();
    play.Prepare();
    play.show();
}

}  // namespace

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
    startDefaultGame(windows);
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
