// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two things every window of the game between rounds offers: the quit question, put
// when a window is closed by its frame, and the help.

#include <QString>

namespace platform {
struct Services;
}

namespace look {

// Asks "Do you want to quit?"; Yes ends the program. True when the player said Yes.
bool confirmQuit(platform::Services& services);

// Parts of the help, for each window to open it at its own.
inline const QString helpAtStart = QStringLiteral("starting");
inline const QString helpAtRules = QStringLiteral("rules");

// Opens the game's help file in the help viewer at `part` (at the top if none), or tells the
// player why it cannot.
void showHelp(platform::Services& services, const QString& part = QString());

}  // namespace look
