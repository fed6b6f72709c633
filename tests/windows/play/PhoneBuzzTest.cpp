// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include "doubles/Draws.h"

#include "doubles/PhoneClient.h"
#include "platform/input/Buzzers.h"
#include "platform/network/Phones.h"

#include <QJsonArray>

// A phone is its place's buzzer beside the key: a tap during the spin is dropped, a tap
// between two polls buzzes at the next, a phone and a lower place's key down in one poll give
// the lower place the board, and a lost connection lets the phone's buzzer go; a phone that
// breaks the rules is closed while the round goes on; a press under a box is ignored. The phone
// sees the round as the room does.
TEST_F(PlayTest, APhoneBuzzesUnderTheKeysRules)
{
    platform::Phones& phones = doubles.phones;
    phones.setPlaying(game.playing);
    ASSERT_TRUE(phones.turnOn(QHostAddress::LocalHost));
    doubles::Phone bob(QUrl(phones.joinAddress()).port());
    ASSERT_EQ(bob.join(phones.roomCode(), 2, "Bobby").value("place").toInt(), 2);
    const auto settleNetwork = [] { QTest::qWait(50); };

    doubles.random.script(draws::deal(exampleDeal));
    startRound();
    act("clock*7 spin*15");
    bob.buzz(true);
    bob.buzz(false);
    settleNetwork();
    act("spin*15 clock poll");
    EXPECT_FALSE(play.round().isAnswering()) << "a tap during the spin is dropped";

    bob.buzz(true);
    bob.buzz(false);
    settleNetwork();
    act("poll");
    ASSERT_TRUE(play.round().isAnswering()) << "a tap between two polls counts at the next";
    EXPECT_EQ(play.board().contenderName.caption, "Bob");
    (void)QTest::qWaitFor([&] { return bob.last("view", 0).value("answering") == "Bob"; }, 1000);
    const QJsonObject view = bob.last("view");
    EXPECT_EQ(view.value("heading").toString(), "Round 1 of 3");
    const QJsonArray dealt = view.value("dealt").toArray();
    const auto shown = [](const QJsonValue& number) { return !number.toString().isEmpty(); };
    EXPECT_EQ(std::count_if(dealt.begin(), dealt.end(), shown), 7) << "the seven numbers dealt";
    EXPECT_EQ(view.value("target").toString(), QString::number(play.round().target()));
    EXPECT_EQ(view.value("answering").toString(), "Bob");

    act("flash*16 giveUp");
    // A phone that breaks the rules is closed, and the round goes on.
    doubles::Phone rogue(QUrl(phones.joinAddress()).port());
    rogue.say(QByteArray(2000, '{'));
    EXPECT_NE(rogue.closedWithin(), "open");
    bob.buzz(true);
    doubles.keys.held = {platform::vk::A};
    settleNetwork();
    act("poll");
    EXPECT_EQ(play.round().answeringPlayer(), 0) << "the lower place wins one poll";
    act("flash*16 giveUp");
    doubles.keys.held.clear();
    act("poll");
    EXPECT_EQ(play.round().answeringPlayer(), 1) << "a phone held through another's answer, as a key";
    act("flash*16 giveUp");
    bob.socket.abort();
    (void)QTest::qWaitFor([&] { return phones.phoneCount() == 0; }, 1000);
    act("poll");
    EXPECT_FALSE(play.round().isAnswering()) << "a lost connection let go of the held buzzer";
    EXPECT_TRUE(phones.holds(1)) << "and kept its place";

    // A press made while a box is open counts for nothing, as the game's ticks are held.
    doubles::Phone ann(QUrl(phones.joinAddress()).port());
    ann.join(phones.roomCode(), 1);
    doubles.messages.whileOpen = [&] {
        ann.buzz(true);
        settleNetwork();
    };
    doubles.messages.show("Remember, this is your last turn!", "Last Turn");
    act("poll");
    EXPECT_FALSE(play.round().isAnswering());
}
