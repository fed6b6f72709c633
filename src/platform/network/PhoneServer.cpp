// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/PhoneServer.h"

#include "platform/network/PhoneMessage.h"

#include <QHash>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>

#include <algorithm>

namespace platform {

// The listening socket, handed to the HTTP server: it counts and watches every connection
// before the server reads a byte of it.
class PhoneServer::Guard final : public QTcpServer {
public:
    Guard(Limits limits, QObject* parent) : QTcpServer(parent), limits_(limits) {}

    int connectionCount() const
    {
        return int(std::count_if(connections_.cbegin(), connections_.cend(),
                                 [](const Connection& connection) { return !connection.socket.isNull(); }));
    }

    // The server has answered a request on `socket`: its count starts again.
    void answered(QTcpSocket* socket)
    {
        if (auto found = connections_.find(socket); found != connections_.end())
            found->unanswered = 0;
    }

    // A connection has become `phone`'s WebSocket: its bytes are the phone's to count now, and
    // it is counted among the connections until the phone or its socket is gone. Its silence
    // runs on until the phone joins. False when it is none of this server's.
    bool upgraded(QWebSocket* phone)
    {
        QTcpSocket* socket = socketOf(phone);
        if (!socket)
            return false;
        disconnect(connections_[socket].counting);
        // Qt's server disconnects the socket's signals as it hands it over: watched again.
        connect(socket, &QObject::destroyed, this, [this, socket] { connections_.remove(socket); });
        connect(phone, &QObject::destroyed, this, [this, socket] {
            if (QTcpSocket* left = connections_.value(socket).socket) {
                left->abort();
                left->deleteLater();
            }
            connections_.remove(socket);
        });
        return true;
    }

    void abortAll()
    {
        QList<QPointer<QTcpSocket>> open;
        for (const Connection& connection : std::as_const(connections_))
            open << connection.socket;
        for (const QPointer<QTcpSocket>& socket : open) {
            if (socket)
                socket->abort();
        }
    }

    void joined(QWebSocket* phone)
    {
        if (QTcpSocket* socket = socketOf(phone))
            connections_[socket].silence->stop();
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        // A socket Qt's WebSocket server took and deleted (a handshake that failed) is gone
        // without a word to this server: its entry goes now.
        for (auto entry = connections_.begin(); entry != connections_.end();)
            entry = entry->socket.isNull() ? connections_.erase(entry) : std::next(entry);
        if (connectionCount() >= limits_.connections) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        auto* silence = new QTimer(socket);
        silence->setSingleShot(true);
        silence->setInterval(limits_.silenceMilliseconds);
        connect(silence, &QTimer::timeout, socket, [socket] { socket->abort(); });
        silence->start();
        connect(socket, &QObject::destroyed, this, [this, socket] { connections_.remove(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // Connected before the server's own reader, so that this count sees every byte first.
        const QMetaObject::Connection counting = connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            qint64& bytes = connections_[socket].unanswered;
            bytes += socket->bytesAvailable();
            if (bytes > limits_.unansweredBytes)
                socket->abort();
        });
        connections_.insert(socket, {socket, 0, silence, counting});
        addPendingConnection(socket);
    }

private:
    // The connection under `phone`: the one from the same port of the same peer.
    QTcpSocket* socketOf(const QWebSocket* phone) const
    {
        for (const Connection& connection : connections_) {
            if (connection.socket && connection.socket->peerPort() == phone->peerPort() &&
                connection.socket->peerAddress() == phone->peerAddress())
                return connection.socket;
        }
        return nullptr;
    }

    struct Connection {
        QPointer<QTcpSocket> socket;
        qint64 unanswered = 0;  // bytes since its last answer
        QTimer* silence = nullptr;  // the socket's own
        QMetaObject::Connection counting;
    };
    Limits limits_;
    QHash<QTcpSocket*, Connection> connections_;  // every open one
};

PhoneServer::PhoneServer(Files files, Limits limits, QObject* parent)
    : QAbstractHttpServer(parent), files_(std::move(files)), guard_(new Guard(limits, this))
{
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &PhoneServer::takeWebSockets);
}

PhoneServer::~PhoneServer() = default;

quint16 PhoneServer::start(const QHostAddress& address, quint16 port)
{
    // Never every interface: only the address the game shows.
    if (address.isNull() || address == QHostAddress::Any || address == QHostAddress::AnyIPv6 ||
        address == QHostAddress::AnyIPv4)
        return 0;
    if (!guard_->isListening()) {
        if (!guard_->listen(address, port))
            return 0;
        // The page's own WebSocket, named too for the browsers that do not count it as 'self'.
        const QString webSocket = origin().replace(QStringLiteral("http:"), QStringLiteral("ws:"));
        contentPolicy_ =
            ("default-src 'self'; connect-src 'self' " + webSocket + "; frame-ancestors 'none'").toLatin1();
        // Handed to the HTTP server the first time only: it keeps it, listening or not.
        if (!bound_)
            bind(guard_);
        bound_ = true;
    }
    return guard_->serverPort();
}

void PhoneServer::stop()
{
    guard_->close();
    guard_->abortAll();
}

bool PhoneServer::isListening() const
{
    return guard_->isListening();
}

int PhoneServer::connectionCount() const
{
    return guard_->connectionCount();
}

QString PhoneServer::origin() const
{
    QUrl page;
    page.setScheme(QStringLiteral("http"));
    page.setHost(guard_->serverAddress().toString());
    page.setPort(guard_->serverPort());
    return page.toString();
}

void PhoneServer::joined(QWebSocket* phone)
{
    guard_->joined(phone);
}

bool PhoneServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    guard_->answered(socket);
    // A WebSocket's upgrade is answered by Qt's own WebSocket server, which the request goes to
    // next; its path and origin are checked as it arrives there.
    if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
        return true;
    QHttpServerResponder responder = makeResponder(request, socket);
    const auto file = files_.constFind(request.url().path());
    if (file == files_.cend())
        responder.write(QHttpServerResponder::StatusCode::NotFound);
    else if (request.method() != QHttpServerRequest::Method::Get)
        responder.write({{"Allow", "GET"}}, QHttpServerResponder::StatusCode::MethodNotAllowed);
    else
        responder.write(file->body,
                        {{"Content-Type", file->contentType},
                         {"Content-Security-Policy", contentPolicy_},
                         {"X-Content-Type-Options", "nosniff"},
                         {"Cache-Control", "no-store"}});
    // One answer a connection: a connection kept alive would keep a place among the sixteen.
    socket->disconnectFromHost();
    return true;
}

void PhoneServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

void PhoneServer::takeWebSockets()
{
    while (hasPendingWebSocketConnections()) {
        QWebSocket* phone = nextPendingWebSocketConnection().release();
        phone->setParent(this);
        connect(phone, &QWebSocket::disconnected, phone, &QObject::deleteLater);
        if (!guard_->upgraded(phone)) {
            phone->abort();
            phone->deleteLater();
            continue;
        }
        // Only the page's own script, on the page's own path: another site open in the phone's
        // browser may not reach the game.
        const char* refusal = phone->requestUrl().path() != u"/phone" ? "Wrong path."
                            : phone->origin() != origin()              ? "Wrong origin."
                                                                       : nullptr;
        if (refusal) {
            phone->close(QWebSocketProtocol::CloseCodePolicyViolated, QString::fromLatin1(refusal));
            continue;
        }
        phone->setMaxAllowedIncomingMessageSize(LongestPhoneMessage);
        phone->setMaxAllowedIncomingFrameSize(LongestPhoneMessage);
        emit phoneConnected(phone);
    }
}

}  // namespace platform
