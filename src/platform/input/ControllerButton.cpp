// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/ControllerButton.h"

#include <QStringList>

#include <algorithm>

namespace platform {

QString ControllerButton::text() const
{
    return isValid() ? QStringLiteral("%1 %2 %3").arg(kind).arg(copy).arg(button) : QString();
}

ControllerButton ControllerButton::fromText(const QString& text)
{
    const QStringList parts = text.split(u' ');
    if (parts.size() != 3 || parts[0].size() != 32)
        return {};
    const bool hexadecimal = std::all_of(parts[0].begin(), parts[0].end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
    bool copyRead = false, buttonRead = false;
    const ControllerButton read{parts[0], parts[1].toInt(&copyRead), parts[2].toInt(&buttonRead)};
    if (hexadecimal && copyRead && buttonRead && read.copy >= 0 && read.copy <= LargestCopy && read.button >= 0 &&
        read.button <= LargestButton)
        return read;
    return {};
}

}  // namespace platform
