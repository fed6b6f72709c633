// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Application.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace platform {

void ProcessApplication::quit()
{
    // Returning would run the rest of whatever handler asked the quit question, inside
    // whatever modal loops are open; the game has nothing to save, so the process ends here.
    QApplication::closeAllWindows();
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace platform
