// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/AppIcon.h"

#include <QIcon>

namespace look {

QIcon appIcon(int largest)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (size > largest)
            break;
        icon.addFile(QStringLiteral(":/icons/quorvix-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace look
