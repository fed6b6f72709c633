// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/Buzzers.h"

#include "platform/input/Controllers.h"
#include "platform/network/Phones.h"
#include "platform/Services.h"

namespace platform {

Buzzers::Buzzers(const Services& services)
    : keys_(services.keys), controllers_(services.controllers), phones_(services.phones)
{
}

void Buzzers::useButtons(const std::array<QString, Places>& stored, const std::array<bool, Places>& playing)
{
    controllersInUse_ = false;
    playing_ = playing;
    for (int place = 0; place < Places; ++place) {
        buttons_[place] = ControllerButton::fromText(stored[place]);
        controllersInUse_ = controllersInUse_ || (playing[place] && buttons_[place].isValid());
    }
}

void Buzzers::read()
{
    if (controllersInUse_)
        controllers_.pump();
    phonesDown_ = phones_.takeDown();
}

void Buzzers::startPolling()
{
    phones_.forgetPresses();
    phonesDown_ = {};
}

bool Buzzers::isDown(int place) const
{
    return keys_.isDown(buzzerKeys[place].key) || (controllersInUse_ && controllers_.isDown(buttons_[place])) ||
           phonesDown_[place];
}

std::vector<ControllerButton> Buzzers::buttons() const
{
    std::vector<ControllerButton> inUse;
    for (int place = 0; place < Places; ++place) {
        if (playing_[place] && buttons_[place].isValid())
            inUse.push_back(buttons_[place]);
    }
    return inUse;
}

ControllerButton Buzzers::pressedButton(int place) const
{
    return controllersInUse_ && controllers_.isDown(buttons_[place]) ? buttons_[place] : ControllerButton();
}

QString Buzzers::name(int place) const
{
    QString name = QString::fromLatin1(buzzerKeys[place].name);
    if (buttons_[place].isValid())
        name += QStringLiteral(" or ") + controllers_.name(buttons_[place]);
    if (const QString phone = phones_.buzzerName(place); !phone.isEmpty())
        name += QStringLiteral(" or ") + phone;
    return name;
}

}  // namespace platform
