// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/PhoneMessage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

PhoneMessageReading refused(const char* reason)
{
    return {std::nullopt, QString::fromLatin1(reason)};
}

bool isRoomCode(const QString& text)
{
    return text.size() == 4 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

bool isToken(const QString& text)
{
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

// The controls a phone may tap, named as the play window names them.
bool isBoardControl(const QString& name)
{
    static const QSet<QString> controls{
        "dealtNumber0", "dealtNumber1", "dealtNumber2", "dealtNumber3", "dealtNumber4", "dealtNumber5",
        "dealtNumber6", "madeNumber0",  "madeNumber1",  "madeNumber2",  "add",          "subtract",
        "multiply",     "divide",       "equals",       "cancel",       "giveUp",       "ok"};
    return controls.contains(name);
}

// The object's "name" as typed, if it is one the game can show.
std::optional<QString> readName(const QJsonObject& object)
{
    const QJsonValue value = object.value(QStringLiteral("name"));
    const QString name = value.toString();
    const bool good = value.isString() && name.size() <= LongestPhoneName &&
                      std::none_of(name.begin(), name.end(), [](QChar c) {
                          // Nor the marks that turn the text after them round, which could make
                          // a name read as another on the television.
                          const bool turning = (c >= u'\u202A' && c <= u'\u202E') || (c >= u'\u2066' && c <= u'\u2069');
                          return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
                                 c.category() == QChar::Separator_Paragraph || turning;
                      });
    return good ? std::optional(name) : std::nullopt;
}

}  // namespace

PhoneMessageReading readPhoneMessage(const QByteArray& text)
{
    if (text.size() > LongestPhoneMessage)
        return refused("message too long");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused("not a JSON object");
    const QJsonObject object = document.object();
    const QString type = object.value(QStringLiteral("type")).toString();
    // The members each type may have; "type" is one of them.
    const QSet<QString> allowed = type == u"join"     ? QSet<QString>{"type", "room", "place", "name"}
                                  : type == u"resume" ? QSet<QString>{"type", "token"}
                                  : type == u"buzz"   ? QSet<QString>{"type", "down"}
                                  : type == u"name"   ? QSet<QString>{"type", "name"}
                                  : type == u"tap"    ? QSet<QString>{"type", "on"}
                                                      : QSet<QString>{};
    if (allowed.isEmpty())
        return refused("unknown message type");
    for (const QString& key : object.keys()) {
        if (!allowed.contains(key))
            return refused("unknown member");
    }

    PhoneMessage message;
    if (type == u"join") {
        message.kind = PhoneMessage::Kind::Join;
        message.room = object.value(QStringLiteral("room")).toString();
        if (!isRoomCode(message.room))
            return refused("bad room code");
        if (object.contains(QStringLiteral("place"))) {
            const QJsonValue place = object.value(QStringLiteral("place"));
            const double number = place.toDouble(0);
            if (!place.isDouble() || number != std::floor(number) || number < 1 || number > PhonePlaces)
                return refused("bad place");
            message.place = int(number);
        }
        if (object.contains(QStringLiteral("name"))) {
            const std::optional<QString> name = readName(object);
            if (!name)
                return refused("bad name");
            message.name = *name;
        }
    } else if (type == u"resume") {
        message.kind = PhoneMessage::Kind::Resume;
        message.token = object.value(QStringLiteral("token")).toString();
        if (!isToken(message.token))
            return refused("bad token");
    } else if (type == u"buzz") {
        message.kind = PhoneMessage::Kind::Buzz;
        if (!object.value(QStringLiteral("down")).isBool())
            return refused("bad buzz");
        message.down = object.value(QStringLiteral("down")).toBool();
    } else if (type == u"tap") {
        message.kind = PhoneMessage::Kind::Tap;
        message.control = object.value(QStringLiteral("on")).toString();
        if (!isBoardControl(message.control))
            return refused("bad tap");
    } else {
        message.kind = PhoneMessage::Kind::Name;
        const std::optional<QString> name = readName(object);
        if (!name)
            return refused("bad name");
        message.name = *name;
    }
    return {message, {}};
}

}  // namespace platform
