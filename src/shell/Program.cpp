// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Program.h"

#include "platform/Application.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "shell/Title.h"
#include "shell/Windows.h"

#include <QDir>

namespace Program {

void Main(Windows& windows)
{
    windows.title().show();
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
    const QString file = services.appDir + QStringLiteral("/Solvo.hlp");
    const QString shown = QDir::toNativeSeparators(file);
    switch (services.help.show(file)) {
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

}  // namespace Program
