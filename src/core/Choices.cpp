// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Choices.h"

#include "core/RuleCheck.h"
#include "platform/input/ControllerButton.h"
#include "platform/Settings.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace core {

namespace {

QString ruleKey(const Rule& rule)
{
    return QStringLiteral("rules/") + QLatin1String(rule.key);
}

QString playerKey(int place, const char* what)
{
    return QStringLiteral("players/%1/%2").arg(place + 1).arg(QLatin1String(what));
}

// What a stored value means, when it means something the game can use.
constexpr auto asBool = platform::storedBool;

auto asWholeNumber(int smallest, int largest)
{
    return [smallest, largest](const QVariant& stored) -> std::optional<int> {
        bool whole = false;
        const int number = stored.toString().toInt(&whole);
        return whole && number >= smallest && number <= largest ? std::optional(number) : std::nullopt;
    };
}

// A list, or a text too long for a name, is no name.
std::optional<QString> asName(const QVariant& stored)
{
    if (stored.userType() == QMetaType::QString && stored.toString().size() <= LongestName)
        return stored.toString();
    return std::nullopt;
}

std::optional<QString> asButton(const QVariant& stored)
{
    const QString text = stored.toString();
    if (text.isEmpty() || platform::ControllerButton::fromText(text).isValid())
        return text;
    return std::nullopt;
}

// Reads `key` into `value` when what is stored there means something the game can use;
// anything else stored there is reported, and `value` keeps its default.
template <typename Value, typename Meaning>
void read(platform::Settings& settings, const QString& key, Value& value, Meaning meaning)
{
    const QVariant stored = settings.value(key);
    if (!stored.isValid())
        return;
    if (const auto used = meaning(stored))
        value = Value(*used);
    else
        settings.reportBadValue();
}

}  // namespace

Choices readChoices(platform::Settings& settings)
{
    Choices choices;
    for (int place = 0; place < PlayerCount; ++place) {
        read(settings, playerKey(place, "playing"), choices.playing[place], asBool);
        read(settings, playerKey(place, "name"), choices.names[place], asName);
        read(settings, playerKey(place, "button"), choices.buttons[place], asButton);
    }
    read(settings, QStringLiteral("game/rounds"), choices.rounds, asWholeNumber(1, 999));
    read(settings, QStringLiteral("game/difficulty"), choices.difficulty, asWholeNumber(0, 2));
    read(settings, QStringLiteral("game/practice"), choices.practice, asBool);
    read(settings, QStringLiteral("game/music"), choices.musicOn, asBool);
    read(settings, QStringLiteral("game/sounds"), choices.soundsOn, asBool);
    read(settings, QStringLiteral("game/phones"), choices.phonesOn, asBool);
    for (const Rule& rule : rules)
        read(settings, ruleKey(rule), choices.rules.*rule.value, asWholeNumber(rule.smallest, 32767));
    // A key of no known kind is damage, or another program's.
    const QStringList known{QStringLiteral("players/"), QStringLiteral("game/"), QStringLiteral("rules/"),
                            QStringLiteral("window/"), QStringLiteral("windows/")};
    for (const QString& key : settings.keys()) {
        if (std::none_of(known.begin(), known.end(), [&key](const QString& kind) { return key.startsWith(kind); }))
            settings.reportBadValue();
    }
    return choices;
}

void writeChoices(const Choices& choices, platform::Settings& settings)
{
    for (int place = 0; place < PlayerCount; ++place) {
        settings.setValue(playerKey(place, "playing"), choices.playing[place]);
        settings.setValue(playerKey(place, "name"), choices.names[place]);
        settings.setValue(playerKey(place, "button"), choices.buttons[place]);
    }
    settings.setValue(QStringLiteral("game/rounds"), choices.rounds);
    settings.setValue(QStringLiteral("game/difficulty"), choices.difficulty);
    settings.setValue(QStringLiteral("game/practice"), choices.practice);
    settings.setValue(QStringLiteral("game/music"), choices.musicOn);
    settings.setValue(QStringLiteral("game/sounds"), choices.soundsOn);
    settings.setValue(QStringLiteral("game/phones"), choices.phonesOn);
    for (const Rule& rule : rules)
        settings.setValue(ruleKey(rule), choices.rules.*rule.value);
    settings.save();
}

}  // namespace core
