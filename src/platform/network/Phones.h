// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The room's phones as buzzers. While the players have turned the phones on, the game serves
// its page (PhoneServer) on one address of this computer's own network; a phone that opens it
// joins the room with the room's code (new for every run) into a playing place, and is from
// then that place's buzzer beside its key and pad button. A phone that loses its connection
// keeps its place and has it again with the token its page kept; the host can free a place.
// Every joined phone is shown what the room's view shows (PhoneView).
//
// A phone's buzzer is down from its press to its release. The buzzer poll takes them with
// takeDown: a press and release that both came since the last poll count as down at this
// one; presses made while the buzzers were not polled are forgotten (forgetPresses), and a
// press made while a message box is open is ignored. A lost connection releases the buzzer.
//
// Each phone may send at most 30 messages a second of at most 1 KiB each, read strictly
// (PhoneMessage.h); at most 256 KiB may wait to be sent to it. A phone that breaks a limit, or
// sends what the game cannot read, is closed with the reason; a wrong code closes the
// connection, and ten in a minute refuse every join for a minute (PhoneRoom.h). Codes and
// tokens come from the system's random source and are never logged. A joined phone that gives
// no sign of life for 6 s is let go. Nothing here waits on the network.
//
// The closes a page is given: 1008 (the code or a message refused: it joins afresh when its
// player asks), 1001 (the phones turned off: it tries again), 4001 (its place is gone: it joins
// afresh) and 4003 (too many messages: it comes back with its token after a pause).

#include "platform/network/PhoneRoom.h"
#include "platform/network/PhoneServer.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <array>
#include <chrono>
#include <deque>
#include <memory>
#include <vector>

class QJsonObject;
class QWebSocket;

namespace platform {

class MessageBoxes;

// What the phones are shown of the room, as the television shows it.
struct PhoneView {
    struct Line {
        QString text;
        bool name = false;  // a player's name, set apart from the lines about them
        bool operator==(const Line&) const = default;
    };
    QString heading;      // "Round 2 of 5", "Practice", or what the room waits for
    QString target;       // as the board shows it, or empty
    QStringList dealt;    // the dealt numbers as their tiles show them (empty once used)
    int clockLeft = 0;    // the round clock's steps still to run, of clockSteps
    int clockSteps = 0;   // 0 when no clock runs
    std::vector<Line> scores;
    QString answering;  // the name of the player who has the board, or empty
    int answeringPlace = -1;  // their place, 0 to 5
    // The rest of the answering player's board, for their phone: the made numbers as their
    // tiles show them, and the working row.
    QStringList made;
    QStringList working;
    bool operator==(const PhoneView&) const = default;
};

struct PhoneLimits {
    PhoneServerLimits server;
    int messagesPerSecond = 30;
    qint64 queuedBytes = 256 * 1024;
    // A joined phone is asked for a sign of life every third of this; one that gives none for
    // this long (gone from the network without closing) is let go.
    int aliveMilliseconds = 6000;
};

class Phones final : public QObject {
    Q_OBJECT
public:
    static constexpr int Places = PhonePlaces;
    using Limits = PhoneLimits;

    // The port asked for first, so that the address stays the same from run to run when it can.
    static constexpr quint16 PreferredPort = 47123;

    // Watches `messages`, to show the answering player's boxes on their phone.
    explicit Phones(MessageBoxes& messages, Limits limits = Limits{}, QObject* parent = nullptr);
    ~Phones() override;

    // The addresses phones may reach this computer at: the one QUORVIX_PHONE_ADDRESS names, or
    // else this computer's private IPv4 addresses on its local networks. Never every interface.
    static QList<QHostAddress> addresses();

    // Listens on `address`; false when it cannot.
    bool turnOn(const QHostAddress& address);
    // Closes every phone and stops listening. The places the phones held are kept.
    void turnOff();
    bool isOn() const;
    QHostAddress address() const { return address_; }
    QString roomCode() const { return room_.code(); }
    // "http://192.168.1.20:47123/?room=KQXZ", or empty while off.
    QString joinAddress() const;

    // The places that play, which phones may join.
    void setPlaying(const std::array<bool, Places>& playing) { playing_ = playing; }
    bool holds(int place) const { return room_.isHeld(place); }
    // The name the place's phone gave, as typed; empty when none.
    QString playerName(int place) const;
    // As the players see it beside a key: "Zoë's phone", "a phone"; empty when no phone holds it.
    QString buzzerName(int place) const;
    // The host frees a place: its phone is closed and must join again.
    void free(int place);

    // Each place's phone buzzer as this poll sees it.
    std::array<bool, Places> takeDown();
    void forgetPresses();

    void show(const PhoneView& view);

    // The phones connected now, joined or not.
    int phoneCount() const { return int(phones_.size()); }

signals:
    // A phone joined, came back, gave a name, or lost its place.
    void placesChanged();
    // The phone at `place` tapped a control of the board (PhoneMessage.h names them), with no
    // box open. Whether it may is the round's to say.
    void tapped(int place, const QString& control);

private:
    struct Phone {
        int place = -1;  // until it joins
        std::deque<std::chrono::steady_clock::time_point> recent;  // its messages in the last second
        std::chrono::steady_clock::time_point heard;  // its last message or answer to a ping
    };
    struct Place {
        QString name;
        QPointer<QWebSocket> phone;  // its connection, while it has one
        bool held = false;           // pressed and not yet released
        bool pressed = false;        // pressed since the last poll
    };

    void take(QWebSocket* socket);
    void read(QWebSocket* socket, const QString& text);
    // The phone holds `place` with `token`, and is told so and shown the room.
    void join(QWebSocket* socket, Phone& phone, int place, const QString& name, const QString& token);
    void lose(QWebSocket* socket);
    void send(QWebSocket* socket, const QJsonObject& message);
    void sendView(QWebSocket* socket);
    void sendText(QWebSocket* socket, const QByteArray& json);
    // Every third of the time a phone may stay silent: the silent ones and the ones whose queue
    // has grown too long (Qt answers their pings itself) are let go; the others are pinged.
    void watch();
    // Closes the connection of a phone whose place is no longer its own.
    void letGo(QWebSocket* socket, const QString& reason);
    static void close(QWebSocket* socket, const QString& reason, int code = 1008);

    // The box open now, on the answering player's phone too.
    void showBox(const QString& text, const QString& title, bool open);

    MessageBoxes& messages_;
    int answeringPlace_ = -1;  // as the last view said
    Limits limits_;
    std::unique_ptr<PhoneServer> server_;  // once the phones are first turned on
    PhoneRoom room_;
    QHostAddress address_;
    std::array<bool, Places> playing_{};
    std::array<Place, Places> places_;
    QHash<QWebSocket*, Phone> phones_;
    QByteArray view_;  // the view as last sent, as JSON
    QTimer* watch_ = nullptr;  // the network's own, not the game's
};

}  // namespace platform
