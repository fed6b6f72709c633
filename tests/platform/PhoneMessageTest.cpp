// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/PhoneMessage.h"

#include <gtest/gtest.h>

using platform::PhoneMessage;
using Kind = PhoneMessage::Kind;

// What a phone says is read exactly as the game's own page says it, and anything else is
// refused with the reason its connection is closed with.
TEST(PhoneMessage, ReadsTheFourMessagesExactlyAndRefusesEverythingElse)
{
    const QString token(32, u'a');
    const struct {
        QByteArray text;
        const char* refusal;  // none: read, as `kind`, `room`, `place`, `name`, `token`, `down`
        Kind kind = Kind::Buzz;
        const char* room = "";
        int place = 0;
        QString name = {};
        QString tokenRead = {};
        bool down = false;
    } cases[] = {
        {R"({"type":"join","room":"KQXZ"})", nullptr, Kind::Join, "KQXZ"},
        {R"({"room":"KQXZ","place":6,"name":"<b>Zoë</b>","type":"join"})", nullptr, Kind::Join, "KQXZ", 6,
         "<b>Zoë</b>"},
        {R"({"type":"resume","token":"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"})", nullptr, Kind::Resume, "", 0, {}, token},
        {R"({"type":"buzz","down":true})", nullptr, Kind::Buzz, "", 0, {}, {}, true},
        {R"({"type":"buzz","down":false})", nullptr, Kind::Buzz},
        {R"({"type":"name","name":""})", nullptr, Kind::Name},
        {R"({"type":"join","room":"kqxz"})", "bad room code"},
        {R"({"type":"join","room":"KQX"})", "bad room code"},
        {R"({"type":"join","room":"KQXZ","place":7})", "bad place"},
        {R"({"type":"join","room":"KQXZ","place":0})", "bad place"},
        {R"({"type":"join","room":"KQXZ","place":1.5})", "bad place"},
        {R"({"type":"join","room":"KQXZ","place":"1"})", "bad place"},
        {R"({"type":"join","room":"KQXZ","name":"a\nb"})", "bad name"},
        {R"({"type":"name","name":"a\u2028b"})", "bad name"},
        {R"({"type":"name","name":"Bob\u202Eeoj"})", "bad name"},
        {R"({"type":"name","name":5})", "bad name"},
        {R"({"type":"resume","token":"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"})", "bad token"},
        {R"({"type":"resume","token":"aaaa"})", "bad token"},
        {R"({"type":"buzz","down":1})", "bad buzz"},
        {R"({"type":"buzz"})", "bad buzz"},
        {R"({"type":"buzz","down":true,"place":2})", "unknown member"},
        {R"({"type":"answer","down":true})", "unknown message type"},
        {R"({"down":true})", "unknown message type"},
        {R"(["buzz"])", "not a JSON object"},
        {R"({"type":"buzz","down":true)", "not a JSON object"},
        {"", "not a JSON object"},
        {R"({"type":"name","name":")" + QByteArray(1000, 'z') + R"("})", "message too long"},
    };
    for (const auto& c : cases) {
        const platform::PhoneMessageReading read = platform::readPhoneMessage(c.text);
        EXPECT_EQ(read.refusal, QString::fromLatin1(c.refusal ? c.refusal : "")) << c.text.toStdString();
        if (c.refusal || !read.message)
            continue;
        const PhoneMessage& m = *read.message;
        EXPECT_EQ(std::tuple(m.kind, m.room, m.place, m.name, m.token, m.down),
                  std::tuple(c.kind, QString::fromLatin1(c.room), c.place, c.name, c.tokenRead, c.down))
            << c.text.toStdString();
    }
}
