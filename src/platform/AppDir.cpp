// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppDir.h"

#include <QCoreApplication>

namespace platform {

QString appDir()
{
    return QCoreApplication::applicationDirPath();
}

}  // namespace platform
