// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Choices.h"

#include "core/RuleCheck.h"

#include "platform/Controllers.h"
#include "platform/Settings.h"

#include <QStringList>

#include <algorithm>

namespace core {

namespace {

const char* const ruleKeys[RuleCount] = {"rules/turnsAllowed", "rules/turnSeconds", "rules/idleSeconds",
                                         "rules/cancelsAllowed", "rules/stopsAllowed"};

QString playerKey(int place, const char* what)
{
    return QStringLiteral("players/%1/%2").arg(place + 1).arg(QLatin1String(what));
}

// Reads the values of one settings store, replacing each that cannot be used.
class Reader {
public:
    explicit Reader(platform::Settings& settings) : settings_(settings) {}

    void read(const QString& key, bool& value)
    {
        const QVariant stored = settings_.value(key);
        if (!stored.isValid())
            return;
        const QString text = stored.toString().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("false"))
            value = text == QLatin1String("true");
        else
            settings_.reportBadValue();
    }

    template <typename Number>
    void read(const QString& key, Number& value, int smallest, int largest)
    {
        const QVariant stored = settings_.value(key);
        if (!stored.isValid())
            return;
        bool whole = false;
        const int number = stored.toString().toInt(&whole);
        if (whole && number >= smallest && number <= largest)
            value = Number(number);
        else
            settings_.reportBadValue();
    }

    void read(const QString& key, QString& value)
    {
        const QVariant stored = settings_.value(key);
        if (!stored.isValid())
            return;
        // A list, or a text too long for a name, is no name.
        if (stored.userType() == QMetaType::QString && stored.toString().size() <= LongestName)
            value = stored.toString();
        else
            settings_.reportBadValue();
    }

    void readButton(const QString& key, QString& value)
    {
        const QVariant stored = settings_.value(key);
        if (!stored.isValid())
            return;
        const QString text = stored.toString();
        if (text.isEmpty() || platform::ControllerButton::fromText(text).isValid())
            value = text;
        else
            settings_.reportBadValue();
    }

private:
    platform::Settings& settings_;
};

}  // namespace

Choices readChoices(platform::Settings& settings)
{
    Choices choices;
    Reader reader(settings);
    for (int place = 0; place < PlayerCount; ++place) {
        reader.read(playerKey(place, "playing"), choices.playing[place]);
        reader.read(playerKey(place, "name"), choices.names[place]);
        reader.readButton(playerKey(place, "button"), choices.buttons[place]);
    }
    reader.read(QStringLiteral("game/rounds"), choices.rounds, 1, 999);
    reader.read(QStringLiteral("game/difficulty"), choices.difficulty, 0, 2);
    reader.read(QStringLiteral("game/practice"), choices.practice);
    reader.read(QStringLiteral("game/music"), choices.musicOn);
    std::int16_t* const ruleValues[RuleCount] = {&choices.rules.turnsAllowed, &choices.rules.turnSeconds,
                                                 &choices.rules.idleSeconds, &choices.rules.cancelsAllowed,
                                                 &choices.rules.stopsAllowed};
    for (int row = 0; row < RuleCount; ++row)
        reader.read(QLatin1String(ruleKeys[row]), *ruleValues[row], rules[row].smallest, 32767);
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
    const std::int16_t ruleValues[RuleCount] = {choices.rules.turnsAllowed, choices.rules.turnSeconds,
                                                choices.rules.idleSeconds, choices.rules.cancelsAllowed,
                                                choices.rules.stopsAllowed};
    for (int row = 0; row < RuleCount; ++row)
        settings.setValue(QLatin1String(ruleKeys[row]), ruleValues[row]);
    settings.save();
}

}  // namespace core
