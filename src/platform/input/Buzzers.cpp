// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/Buzzers.h"

#include "platform/input/Controllers.h"
#include "platform/Services.h"

namespace platform {

Buzzers::Buzzers(const Services& services) : keys_(services.keys), controllers_(services.controllers) {}

void Buzzers::useButtons(const std::array<QString, Places>& stored, const std::array<bool, Places>& playing)
{
    controllersInUse_ = false;
    for (int place = 0; place < Places; ++place) {
        buttons_[place] = ControllerButton::fromText(stored[place]);
        controllersInUse_ = controllersInUse_ || (playing[place] && buttons_[place].isValid());
    }
}

void Buzzers::read()
{
    if (controllersInUse_)
        controllers_.pump();
}

bool Buzzers::isDown(int place) const
{
    return keys_.isDown(buzzerKeys[place].key) || (controllersInUse_ && controllers_.isDown(buttons_[place]));
}

QString Buzzers::name(int place) const
{
    const QString key = QString::fromLatin1(buzzerKeys[place].name);
    return buttons_[place].isValid() ? key + QStringLiteral(" or ") + controllers_.name(buttons_[place]) : key;
}

}  // namespace platform
