// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QuitAndHelp.h"

#include "platform/Application.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QDir>

namespace platform {

bool confirmQuit(Services& services)
{
    const auto answer = services.messages.show(QStringLiteral("Do you want to quit?"), QStringLiteral("Quit"),
                                               Buttons::YesNo);
    if (answer != Answer::Yes)
        return false;
    services.application.quit();
    return true;
}

void showHelp(Services& services)
{
    const QString file = services.appDir + QStringLiteral("/Solvo.hlp");
    const QString shown = QDir::toNativeSeparators(file);
    switch (services.help.show(file)) {
    case HelpShown::Shown:
        break;
    case HelpShown::Unreadable:
        services.messages.show(
            QStringLiteral("The help could not be opened: the file %1 is missing or cannot be read.").arg(shown),
            QStringLiteral("Help"));
        break;
    case HelpShown::Damaged:
        services.messages.show(
            QStringLiteral("The help could not be opened: the file %1 is damaged. Reinstalling Quorvix restores it.")
                .arg(shown),
            QStringLiteral("Help"));
        break;
    }
}

}  // namespace platform
