// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The folder that holds the game's data files (fonts, help, music): the program's own.
QString appDir();

}  // namespace platform
