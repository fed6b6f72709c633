// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include "doubles/Draws.h"
#include "doubles/PhoneClient.h"
#include "platform/network/Phones.h"

#include <QJsonArray>

namespace {

// Taps on a phone's board, one message each, and lets each reach the game.
void tap(doubles::Phone& phone, const QString& controls)
{
    for (const QString& control : controls.split(u' ')) {
        phone.say(R"({"type":"tap","on":")" + control.toLatin1() + R"("})");
        QTest::qWait(30);
    }
}

}  // namespace

// The answering player's phone is their board: their taps work the target out on the
// television as clicks would, a refused operation's box is answered on the phone, and another
// phone's taps, or taps outside the turn, change nothing; Give Up from the phone ends the turn,
// and the next turn wins from the phone, a made number used again.
TEST_F(PlayTest, TheAnsweringPlayersPhoneIsTheirBoard)
{
    platform::Phones& phones = doubles.phones;
    phones.setPlaying(game.playing);
    ASSERT_TRUE(phones.turnOn(QHostAddress::LocalHost));
    const int port = QUrl(phones.joinAddress()).port();
    doubles::Phone ann(port), bob(port);
    ASSERT_EQ(ann.join(phones.roomCode(), 1).value("place").toInt(), 1);
    ASSERT_EQ(bob.join(phones.roomCode(), 2).value("place").toInt(), 2);
    const auto working = [&] { return captions(play.board().workingRow); };

    openBuzzers();
    const QStringList empty = working();
    tap(bob, "dealtNumber1");
    EXPECT_EQ(working(), empty) << "outside a turn";
    act("turn:1 target:306");
    (void)QTest::qWaitFor([&] { return bob.last("view", 0).value("answeringPlace").toInt() == 2; }, 1000);
    EXPECT_EQ(bob.last("view").value("made").toArray().size(), 3) << "the phone shows the board";
    tap(ann, "dealtNumber0 add");
    EXPECT_EQ(working(), empty) << "another place's phone";

    doubles.messages.whileOpen = [&] {
        (void)QTest::qWaitFor([&] { return bob.last("box", 0).value("title") == "Operation not allowed"; }, 1000);
        tap(ann, "ok");
        tap(bob, "giveUp");
        EXPECT_EQ(doubles.messages.answeredElsewhere, 0) << "another place's OK, or a tap under the box";
        tap(bob, "ok");
    };
    tap(bob, "dealtNumber1 divide dealtNumber3 equals");  // 3 ÷ 10
    doubles.messages.whileOpen = nullptr;
    EXPECT_EQ(messageTitles(), QStringList{"Operation not allowed"});
    EXPECT_EQ(doubles.messages.answeredElsewhere, 1) << "answered on the phone";
    EXPECT_TRUE(bob.last("boxClosed").contains("type"));
    QTest::qWait(30);
    EXPECT_TRUE(play.round().isAnswering()) << "Give Up tapped under the box counted for nothing";

    tap(bob, "giveUp");
    EXPECT_FALSE(play.round().isAnswering()) << "Give Up from the phone";

    act("turn:1");
    tap(bob, "dealtNumber1 multiply");
    EXPECT_EQ(working(), (QStringList{"3", "×", ""})) << "the television shows each step";
    tap(bob, "dealtNumber5 equals dealtNumber0 add dealtNumber2 equals madeNumber0 add madeNumber1 equals");
    EXPECT_EQ(play.round().phase(), core::Round::Phase::WinningFlash) << "306 made from the phone";
}
