// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/QuitAndHelp.h"

#include "platform/Application.h"
#include "platform/Services.h"
#include "platform/window/Help.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/ScreenMemory.h"

#include <QDir>

namespace look {

bool confirmQuit(platform::Services& services)
{
    const auto answer = services.messages.show(QStringLiteral("Do you want to quit?"), QStringLiteral("Quit"),
                                               platform::Buttons::YesNo);
    if (answer != platform::Answer::Yes)
        return false;
    // A window's size that has not settled yet is kept all the same.
    services.screen.writeSizes();
    services.application.quit();
    return true;
}

void showHelp(platform::Services& services, const QString& part)
{
    const QString file = services.dataFolder + QStringLiteral("/Solvo.hlp");
    const QString shown = QDir::toNativeSeparators(file);
    switch (services.help.show(file, part)) {
    case platform::HelpShown::Shown:
        break;
    case platform::HelpShown::Unreadable:
        services.messages.show(
            QStringLiteral("The help could not be opened: the file %1 is missing or cannot be read.").arg(shown),
            QStringLiteral("Help"));
        break;
    case platform::HelpShown::Damaged:
        services.messages.show(
            QStringLiteral("The help could not be opened: the file %1 is damaged. Reinstalling Quorvix restores it.")
                .arg(shown),
            QStringLiteral("Help"));
        break;
    }
}

}  // namespace look
