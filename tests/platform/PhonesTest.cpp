// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/Phones.h"

#include "doubles/Doubles.h"
#include "doubles/PhoneClient.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QWebSocket>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QHostAddress loopback(QHostAddress::LocalHost);

// The phones on the loopback, with three places playing.
using doubles::Phone;


struct Room {
    explicit Room(platform::PhoneLimits limits = {}) : phones(boxes, limits)
    {
        phones.setPlaying({true, true, true, false, false, false});
        phones.turnOn(loopback);
        port = QUrl(phones.joinAddress()).port();
    }
    // A phone joined at `place`, checked.
    std::unique_ptr<Phone> joined(int place, const QString& name = {})
    {
        auto phone = std::make_unique<Phone>(port);
        const QJsonObject answer = phone->join(phones.roomCode(), place, name);
        EXPECT_EQ(answer.value("place").toInt(), place) << QJsonDocument(answer).toJson().toStdString();
        return phone;
    }
    // Lets the phones' messages reach the game.
    static void settle() { QTest::qWait(50); }

    doubles::FakeMessageBoxes boxes;
    platform::Phones phones;
    quint16 port = 0;
};

// A page that joins at `place` by hand over a raw connection, and answers nothing after.
void joinRaw(QTcpSocket& socket, Room& room, int place)
{
    socket.connectToHost(loopback, room.port);
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write(QStringLiteral("GET /phone HTTP/1.1\r\nHost: 127.0.0.1:%1\r\nUpgrade: websocket\r\n"
                                "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                                "Sec-WebSocket-Version: 13\r\nOrigin: http://127.0.0.1:%1\r\n\r\n")
                     .arg(room.port)
                     .toLatin1());
    (void)QTest::qWaitFor([&] { return socket.bytesAvailable() > 0; }, 1000);
    socket.readAll();
    const QByteArray join = R"({"type":"join","room":")" + room.phones.roomCode().toLatin1() + R"(","place":)" +
                            QByteArray::number(place) + "}";
    QByteArray frame{"\x81"};
    frame += char(0x80 | join.size());
    frame += QByteArray(4, '\0');  // a mask of zeros leaves the text as it is
    frame += join;
    socket.write(frame);
    (void)QTest::qWaitFor([&] { return room.phones.holds(place - 1); }, 1000);
}

}  // namespace

// Phones join by the room's code into a playing place, keep it through a lost connection and
// have it again with their token, until the host frees it; wrong codes close the connection
// and, ten in a minute, lock every join out.
TEST(Phones, JoinByCodeKeepThePlaceByTokenAndLockOutAGuesser)
{
    Room room;
    const QString code = room.phones.roomCode();
    EXPECT_TRUE(QRegularExpression("^[A-Z]{4}$").match(code).hasMatch()) << code.toStdString();
    EXPECT_EQ(room.phones.joinAddress(), QStringLiteral("http://127.0.0.1:%1/?room=%2").arg(room.port).arg(code));

    Phone zoe(room.port);
    const QJsonObject joined = zoe.join(code, 0, "<b>Zoë</b>");
    EXPECT_EQ(joined.value("place").toInt(), 1) << "the lowest free playing place";
    const QString token = joined.value("token").toString();
    EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(token).hasMatch()) << "128 bits";
    EXPECT_EQ(room.phones.buzzerName(0), "<b>Zoë</b>'s phone") << "as typed, shown as plain text";

    Phone other(room.port);
    EXPECT_EQ(other.join(code, 1).value("reason").toString(), "Player 1 is taken or not playing.");
    EXPECT_EQ(other.join(code, 5).value("type").toString(), "refused") << "place 5 does not play";
    EXPECT_EQ(other.join(code, 3).value("place").toInt(), 3) << "the same connection tries again";
    EXPECT_EQ(room.phones.buzzerName(2), "a phone");
    EXPECT_NE(Phone(room.port).join(code, 2).value("token").toString(), token) << "every token new";

    zoe.socket.abort();
    (void)QTest::qWaitFor([&] { return room.phones.phoneCount() == 2; }, 2000);
    EXPECT_TRUE(room.phones.holds(0)) << "a lost connection keeps its place";
    Phone back(room.port);
    back.say(QJsonDocument(QJsonObject{{"type", "resume"}, {"token", token}}).toJson());
    EXPECT_EQ(back.last("joined").value("place").toInt(), 1);

    room.phones.free(0);
    EXPECT_EQ(back.closedWithin(), "The host freed this place.|");
    Phone stale(room.port);
    stale.say(QJsonDocument(QJsonObject{{"type", "resume"}, {"token", token}}).toJson());
    EXPECT_EQ(stale.closedWithin(), "This place is no longer yours: join again.|");

    const QString wrong = code == "ZZZZ" ? "YYYY" : "ZZZZ";
    for (int guess = 0; guess < platform::PhoneRoom::WrongCodesAllowed; ++guess) {
        Phone guesser(room.port);
        guesser.join(wrong);
        EXPECT_EQ(guesser.closedWithin(), "Wrong room code.|") << guess;
    }
    Phone late(room.port);
    late.join(code);
    EXPECT_EQ(late.closedWithin(), "Too many wrong codes: try again in a minute.|");
    EXPECT_FALSE(other.isClosed()) << "the joined phones play on";
}

// Every limit closes the phone that breaks it, with the reason, and no other.
TEST(Phones, EachLimitClosesOnlyThePhoneThatBreaksIt)
{
    Room room;
    auto bystander = room.joined(1);
    const struct {
        const char* what;
        QString origin;
        QString path;
        bool join;
        QByteArray message;
        int times;
        const char* reason;
    } cases[] = {
        {"another site's page", "http://evil.example", "/phone", false, {}, 0, "Wrong origin."},
        {"no origin", "", "/phone", false, {}, 0, "Wrong origin."},
        {"another path", {}, "/other", false, {}, 0, "Wrong path."},
        {"not JSON", {}, "/phone", false, "<script>", 1, "Message refused: not a JSON object."},
        {"a member too many", {}, "/phone", true, R"({"type":"buzz","down":true,"x":1})", 1,
         "Message refused: unknown member."},
        {"a buzz before joining", {}, "/phone", false, R"({"type":"buzz","down":true})", 1, "Not joined."},
        {"joining twice", {}, "/phone", true, R"({"type":"resume","token":"0123456789abcdef0123456789abcdef"})", 1,
         "Already joined."},
        {"too long", {}, "/phone", true, R"({"type":"name","name":")" + QByteArray(1100, 'a') + R"("})", 1, ""},
        {"too many", {}, "/phone", true, R"({"type":"buzz","down":false})", 31, "Too many messages."},
    };
    for (const auto& c : cases) {
        Phone phone(room.port, c.origin, c.path);
        if (c.join)
            EXPECT_EQ(phone.join(room.phones.roomCode(), 2).value("place").toInt(), 2) << c.what;
        for (int i = 0; i < c.times; ++i)
            phone.say(c.message);
        const QString closed = phone.closedWithin();
        EXPECT_TRUE(closed.startsWith(QString::fromLatin1(c.reason)) && closed != "open")
            << c.what << ": " << closed.toStdString();
        room.phones.free(1);
    }
    Phone binary(room.port);
    binary.socket.sendBinaryMessage("\x01\x02");
    EXPECT_EQ(binary.closedWithin(), "The game reads text messages only.|");

    bystander->say(R"({"type":"buzz","down":true})");
    Room::settle();
    EXPECT_FALSE(bystander->isClosed());
    EXPECT_TRUE(room.phones.takeDown()[0]) << "the joined phone still buzzes";
}

// A phone that has not joined within the server's silence is closed, a joined one is not; a
// phone that reads nothing while the view changes is let go once its queue is too long, and
// one that no longer answers the game's pings once it has been silent too long.
TEST(Phones, ClosesAPhoneThatNeverJoinsAndOneThatNeverReads)
{
    platform::PhoneLimits limits;
    limits.server.silenceMilliseconds = 300;
    limits.queuedBytes = 16 * 1024;
    Room room(limits);
    auto joined = room.joined(1);
    Phone idle(room.port);
    EXPECT_EQ(idle.closedWithin(2000), "|") << "closed unjoined, without a word";
    EXPECT_FALSE(joined->isClosed());
    (void)QTest::qWaitFor([&] { return room.phones.phoneCount() == 1; }, 1000);

    // A page that has joined and then reads nothing more.
    QTcpSocket slow;
    joinRaw(slow, room, 2);
    slow.setReadBufferSize(1);
    platform::PhoneView view;
    view.heading = QStringLiteral("Round 1 of 3");
    view.scores.assign(20, {QString(100, u'x'), false});
    for (int change = 0; change < 100000 && room.phones.phoneCount() == 2; ++change) {
        view.clockLeft = change;
        room.phones.show(view);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(room.phones.phoneCount(), 1) << "the slow reader let go";
    EXPECT_FALSE(joined->isClosed());
    EXPECT_EQ(joined->last("view").value("heading").toString(), "Round 1 of 3");

    // A joined phone that no longer answers the game's pings is let go; Qt's client answers them.
    platform::PhoneLimits brief;
    brief.aliveMilliseconds = 300;
    Room quick(brief);
    auto alive = quick.joined(1);
    QTcpSocket gone;
    joinRaw(gone, quick, 2);
    (void)QTest::qWaitFor([&] { return quick.phones.phoneCount() == 1; }, 2000);
    EXPECT_EQ(quick.phones.phoneCount(), 1) << "the silent phone let go";
    EXPECT_TRUE(quick.phones.holds(1)) << "and its place kept";
    EXPECT_FALSE(alive->isClosed());
}
