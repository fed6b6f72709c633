// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Application.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void ProcessApplication::quit()
{
    // Returning would run the rest of whatever handler asked the quit question, inside
    // whatever modal loops are open; the game has nothing to save, so the process ends here
    // and its windows go with it. Closing them first would ask each the question again.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace platform
