// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/Phones.h"

#include "platform/network/PhoneMessage.h"
#include "platform/window/MessageBoxes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

// The closes a page understands beside the protocol's own.
constexpr int PlaceGone = 4001;  // it may join afresh
constexpr int TooFast = 4003;    // it may come back with its token after a pause
constexpr int CloseCodeGoingAway = QWebSocketProtocol::CloseCodeGoingAway;  // it tries again

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/phone/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PhoneServer::Files pageFiles()
{
    return {{QStringLiteral("/"), {"text/html; charset=utf-8", resource(QStringLiteral("index.html"))}},
            {QStringLiteral("/phone.js"), {"text/javascript; charset=utf-8", resource(QStringLiteral("phone.js"))}},
            {QStringLiteral("/phone.css"), {"text/css; charset=utf-8", resource(QStringLiteral("phone.css"))}}};
}

// Drawn from the system's own source, never the game's seeded one: codes and tokens are secrets.
QString newRoomCode()
{
    QString code;
    for (int i = 0; i < 4; ++i)
        code += QChar(u'A' + QRandomGenerator::system()->bounded(26));
    return code;
}

QString newToken()
{
    QString token;
    for (int i = 0; i < 4; ++i)
        token += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'));
    return token;
}

bool isPrivate(const QHostAddress& address)
{
    for (const auto& [network, bits] : {std::pair("10.0.0.0", 8), {"172.16.0.0", 12}, {"192.168.0.0", 16}}) {
        if (address.isInSubnet(QHostAddress(QString::fromLatin1(network)), bits))
            return true;
    }
    return false;
}

}  // namespace

Phones::Phones(MessageBoxes& messages, Limits limits, QObject* parent)
    : QObject(parent), messages_(messages), limits_(limits), room_(newRoomCode())
{
    messages_.watch([this](const QString& text, const QString& title, bool open) { showBox(text, title, open); });
    watch_ = new QTimer(this);
    watch_->setInterval(std::max(1, limits.aliveMilliseconds / 3));
    connect(watch_, &QTimer::timeout, this, &Phones::watch);
}

Phones::~Phones()
{
    messages_.watch(nullptr);
    turnOff();
    // Gone before this object's members: a socket's last signals find nothing half-destroyed.
    for (QWebSocket* socket : findChildren<QWebSocket*>(Qt::FindDirectChildrenOnly)) {
        socket->disconnect(this);
        socket->abort();  // not closed by its destructor, which leaks the reason it makes up
        delete socket;
    }
}

QList<QHostAddress> Phones::addresses()
{
    if (qEnvironmentVariableIsSet("QUORVIX_PHONE_ADDRESS")) {
        const QHostAddress chosen(qEnvironmentVariable("QUORVIX_PHONE_ADDRESS"));
        return chosen.isNull() ? QList<QHostAddress>{} : QList<QHostAddress>{chosen};
    }
    QList<QHostAddress> found;
    for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
        const auto flags = network.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : network.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && isPrivate(entry.ip()))
                found << entry.ip();
        }
    }
    return found;
}

bool Phones::turnOn(const QHostAddress& address)
{
    if (isOn() && address == address_)
        return true;
    turnOff();
    // The usual port, so that an address a phone kept may still serve, else any free one.
    // Made when first asked for: a game without phones starts none of the network.
    if (!server_) {
        server_ = std::make_unique<PhoneServer>(pageFiles(), limits_.server);
        connect(server_.get(), &PhoneServer::phoneConnected, this, &Phones::take);
    }
    const quint16 wanted = server_->start(address, PreferredPort) ? PreferredPort : 0;
    if (!wanted && !server_->start(address))
        return false;
    address_ = address;
    watch_->start();
    return true;
}

void Phones::turnOff()
{
    watch_->stop();
    for (QWebSocket* socket : phones_.keys())
        close(socket, QStringLiteral("The game has turned the phones off."), CloseCodeGoingAway);
    if (server_)
        server_->stop();
    for (Place& place : places_) {
        place.held = false;
        place.pressed = false;
    }
}

bool Phones::isOn() const
{
    return server_ && server_->isListening();
}

QString Phones::joinAddress() const
{
    return isOn() ? server_->origin() + QStringLiteral("/?room=") + room_.code() : QString();
}

QString Phones::playerName(int place) const
{
    return holds(place) ? places_[place].name : QString();
}

QString Phones::buzzerName(int place) const
{
    if (!holds(place))
        return {};
    const QString& name = places_[place].name;
    return name.isEmpty() ? QStringLiteral("a phone") : name + QStringLiteral("'s phone");
}

void Phones::free(int place)
{
    if (!holds(place))
        return;
    room_.free(place);
    Place& freed = places_[place];
    if (freed.phone)
        letGo(freed.phone, QStringLiteral("The host freed this place."));
    freed = Place{};
    emit placesChanged();
}

std::array<bool, Phones::Places> Phones::takeDown()
{
    std::array<bool, Places> down{};
    for (int p = 0; p < Places; ++p) {
        down[p] = places_[p].held || places_[p].pressed;
        places_[p].pressed = false;
    }
    return down;
}

void Phones::forgetPresses()
{
    for (Place& place : places_)
        place.pressed = false;
}

void Phones::show(const PhoneView& view)
{
    answeringPlace_ = view.answeringPlace;
    const auto array = [](const QStringList& texts) {
        QJsonArray values;
        for (const QString& text : texts)
            values << text;
        return values;
    };
    QJsonArray scores;
    for (const PhoneView::Line& line : view.scores)
        scores << QJsonObject{{"text", line.text}, {"name", line.name}};
    const QByteArray json = QJsonDocument(QJsonObject{{"type", "view"},
                                                      {"heading", view.heading},
                                                      {"target", view.target},
                                                      {"dealt", array(view.dealt)},
                                                      {"made", array(view.made)},
                                                      {"working", array(view.working)},
                                                      {"answeringPlace", view.answeringPlace + 1},
                                                      {"clockLeft", view.clockLeft},
                                                      {"clockSteps", view.clockSteps},
                                                      {"scores", scores},
                                                      {"answering", view.answering}})
                                .toJson(QJsonDocument::Compact);
    if (json == view_)
        return;
    view_ = json;
    for (const Place& place : places_) {
        if (place.phone)
            sendView(place.phone);
    }
}

void Phones::take(QWebSocket* socket)
{
    socket->setParent(this);
    phones_.insert(socket, Phone{-1, {}, SteadyClock::now()});
    connect(socket, &QWebSocket::pong, this, [this, socket] {
        if (const auto found = phones_.find(socket); found != phones_.end())
            found->heard = SteadyClock::now();
    });
    connect(socket, &QWebSocket::textMessageReceived, this,
            [this, socket](const QString& text) { read(socket, text); });
    connect(socket, &QWebSocket::binaryMessageReceived, this,
            [socket] { close(socket, QStringLiteral("The game reads text messages only.")); });
    connect(socket, &QWebSocket::disconnected, this, [this, socket] { lose(socket); });
}

void Phones::read(QWebSocket* socket, const QString& text)
{
    const auto found = phones_.find(socket);
    if (found == phones_.end())
        return;
    Phone& phone = *found;
    // At most so many messages in any second.
    const auto now = SteadyClock::now();
    phone.heard = now;
    while (!phone.recent.empty() && now - phone.recent.front() >= std::chrono::seconds(1))
        phone.recent.pop_front();
    phone.recent.push_back(now);
    if (int(phone.recent.size()) > limits_.messagesPerSecond) {
        close(socket, QStringLiteral("Too many messages."), TooFast);
        return;
    }
    const PhoneMessageReading reading = readPhoneMessage(text.toUtf8());
    if (!reading.message) {
        close(socket, QStringLiteral("Message refused: ") + reading.refusal + u'.');
        return;
    }
    const PhoneMessage& message = *reading.message;
    using Kind = PhoneMessage::Kind;
    const bool joining = message.kind == Kind::Join || message.kind == Kind::Resume;
    if (joining == (phone.place != -1)) {
        close(socket, joining ? QStringLiteral("Already joined.") : QStringLiteral("Not joined."));
        return;
    }
    switch (message.kind) {
    case Kind::Join: {
        using Joined = PhoneRoom::Joined;
        const QString token = newToken();
        const PhoneRoom::Joining joined = room_.join(message.room, message.place, playing_, token, now);
        switch (joined.outcome) {
        case Joined::Joined:
            join(socket, phone, joined.place, message.name, token);
            break;
        case Joined::WrongCode:
            close(socket, QStringLiteral("Wrong room code."));
            break;
        case Joined::Locked:
            close(socket, QStringLiteral("Too many wrong codes: try again in a minute."));
            break;
        case Joined::PlaceTaken:
            send(socket, {{"type", "refused"},
                          {"reason", QStringLiteral("Player %1 is taken or not playing.").arg(message.place)}});
            break;
        case Joined::NoFreePlace:
            send(socket, {{"type", "refused"}, {"reason", QStringLiteral("Every playing place is taken.")}});
            break;
        }
        break;
    }
    case Kind::Resume: {
        const int place = room_.placeOf(message.token);
        if (place == -1) {
            close(socket, QStringLiteral("This place is no longer yours: join again."), PlaceGone);
            break;
        }
        // The phone is back: any connection the place still had is an older one of its own,
        // closed once this one holds the place.
        const QPointer<QWebSocket> older = places_[place].phone;
        join(socket, phone, place, places_[place].name, message.token);
        if (older && older != socket)
            letGo(older, QStringLiteral("Joined again elsewhere."));
        break;
    }
    case Kind::Buzz: {
        Place& place = places_[phone.place];
        // A press while a box is open is ignored, as the game's own ticks are held; a release
        // always counts, so that no buzzer stays down.
        if (message.down && !messages_.anyOpen()) {
            place.pressed = place.pressed || !place.held;
            place.held = true;
        } else if (!message.down) {
            place.held = false;
        }
        break;
    }
    case Kind::Name:
        places_[phone.place].name = message.name;
        emit placesChanged();
        break;
    case Kind::Tap:
        // The box of the answering player's turn may be answered on their phone; any other tap
        // waits for no box.
        if (message.control == u"ok") {
            if (messages_.anyOpen() && phone.place == answeringPlace_)
                messages_.answerOpen();
        } else if (!messages_.anyOpen()) {
            // Once this message is read: a box the tap opens must not hold back the phone's
            // next message, its OK, behind this one.
            QMetaObject::invokeMethod(
                this,
                [this, place = phone.place, control = message.control] {
                    if (!messages_.anyOpen())
                        emit tapped(place, control);
                },
                Qt::QueuedConnection);
        }
        break;
    }
}

void Phones::showBox(const QString& text, const QString& title, bool open)
{
    if (answeringPlace_ < 0 || answeringPlace_ >= Places || !places_[answeringPlace_].phone)
        return;
    send(places_[answeringPlace_].phone, open ? QJsonObject{{"type", "box"}, {"title", title}, {"text", text}}
                                              : QJsonObject{{"type", "boxClosed"}});
}

void Phones::join(QWebSocket* socket, Phone& phone, int place, const QString& name, const QString& token)
{
    phone.place = place;
    Place& taken = places_[place];
    taken.phone = socket;
    taken.held = false;  // whatever an older connection of the place held is let go
    if (!name.isEmpty())
        taken.name = name;
    server_->joined(socket);
    send(socket, {{"type", "joined"}, {"place", place + 1}, {"token", token}, {"name", taken.name}});
    sendView(socket);
    emit placesChanged();
}

void Phones::lose(QWebSocket* socket)
{
    const Phone phone = phones_.take(socket);
    if (phone.place != -1 && places_[phone.place].phone == socket) {
        // The place stays the phone's; its buzzer is let go.
        places_[phone.place].held = false;
        places_[phone.place].phone = nullptr;
    }
    socket->deleteLater();
}

void Phones::send(QWebSocket* socket, const QJsonObject& message)
{
    sendText(socket, QJsonDocument(message).toJson(QJsonDocument::Compact));
}

void Phones::sendView(QWebSocket* socket)
{
    if (!view_.isEmpty())
        sendText(socket, view_);
}

void Phones::sendText(QWebSocket* socket, const QByteArray& json)
{
    socket->sendTextMessage(QString::fromUtf8(json));
    // A phone that reads too slowly is let go, not waited for; once the caller is done with it.
    if (socket->bytesToWrite() > limits_.queuedBytes)
        QMetaObject::invokeMethod(socket, &QWebSocket::abort, Qt::QueuedConnection);
}

void Phones::watch()
{
    const auto now = SteadyClock::now();
    for (auto entry = phones_.cbegin(); entry != phones_.cend(); ++entry) {
        QWebSocket* socket = entry.key();
        const bool silent =
            entry->place != -1 && now - entry->heard > std::chrono::milliseconds(limits_.aliveMilliseconds);
        if (silent || socket->bytesToWrite() > limits_.queuedBytes)
            QMetaObject::invokeMethod(socket, &QWebSocket::abort, Qt::QueuedConnection);
        else if (entry->place != -1)
            socket->ping();
    }
}

void Phones::letGo(QWebSocket* socket, const QString& reason)
{
    // Whatever it says before its close is done is no longer its place's.
    if (const auto found = phones_.find(socket); found != phones_.end())
        found->place = -1;
    close(socket, reason, PlaceGone);
}

void Phones::close(QWebSocket* socket, const QString& reason, int code)
{
    socket->close(QWebSocketProtocol::CloseCode(code), reason);
    // A phone that does not answer the close is not waited for either.
    QTimer::singleShot(1000, socket, [socket] { socket->abort(); });
}

}  // namespace platform
