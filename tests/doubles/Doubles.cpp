// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Doubles.h"

namespace doubles {

platform::Answer FakeMessageBoxes::present(const QString& text, const QString& title, platform::Buttons buttons)
{
    shown.push_back({text, title, buttons});
    if (whileOpen)
        whileOpen();
    if (buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    if (answers.empty())
        return platform::Answer::No;
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ManualTimer::fire(int count)
{
    for (int i = 0; i < count && isEnabled(); ++i)
        fire();
}

std::unique_ptr<platform::Timer> ManualTimers::create(const char* name, platform::Timer::Handler handler)
{
    auto timer = std::make_unique<ManualTimer>(std::move(handler), messages_);
    byName_[name] = timer.get();
    return timer;
}

void FakeMusicDevice::playSound(platform::GameSound sound)
{
    static const char* const names[] = {"Buzz", "Win", "Refused", "TurnOver", "RoundOver"};
    if (soundsOpen)
        sounds << QString::fromLatin1(names[int(sound)]);
}

}  // namespace doubles
