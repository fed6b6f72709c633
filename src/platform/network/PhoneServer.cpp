// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/PhoneServer.h"

#include <QHash>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>

namespace platform {

// The listening socket, handed to the HTTP server: it counts and watches every connection
// before the server reads a byte of it.
class PhoneServer::Guard final : public QTcpServer {
public:
    Guard(Limits limits, QObject* parent) : QTcpServer(parent), limits_(limits) {}

    int connectionCount() const { return int(connections_.size()); }

    // The server has answered a request on `socket`: its count and its silence start again.
    void answered(QTcpSocket* socket)
    {
        if (auto found = connections_.find(socket); found != connections_.end()) {
            found->unanswered = 0;
            found->silence->start();
        }
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
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
        connections_.insert(socket, {0, silence});
        connect(socket, &QObject::destroyed, this, [this, socket] { connections_.remove(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // Connected before the server's own reader, so that this count sees every byte first.
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            qint64& bytes = connections_[socket].unanswered;
            bytes += socket->bytesAvailable();
            if (bytes > limits_.unansweredBytes)
                socket->abort();
        });
        addPendingConnection(socket);
    }

private:
    struct Connection {
        qint64 unanswered = 0;  // bytes since its last answer
        QTimer* silence = nullptr;  // the socket's own
    };
    Limits limits_;
    QHash<QTcpSocket*, Connection> connections_;  // every open one
};

PhoneServer::PhoneServer(QByteArray page, Limits limits, QObject* parent)
    : QAbstractHttpServer(parent), page_(std::move(page)), guard_(new Guard(limits, this))
{
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &PhoneServer::refuseWebSockets);
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
    for (QTcpSocket* socket : guard_->findChildren<QTcpSocket*>())
        socket->abort();
}

bool PhoneServer::isListening() const
{
    return guard_->isListening();
}

int PhoneServer::connectionCount() const
{
    return guard_->connectionCount();
}

bool PhoneServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    guard_->answered(socket);
    QHttpServerResponder responder = makeResponder(request, socket);
    if (request.url().path() != u"/")
        responder.write(QHttpServerResponder::StatusCode::NotFound);
    else if (request.method() != QHttpServerRequest::Method::Get)
        responder.write({{"Allow", "GET"}}, QHttpServerResponder::StatusCode::MethodNotAllowed);
    else
        responder.write(page_,
                        {{"Content-Type", "text/html; charset=utf-8"},
                         {"Content-Security-Policy", "default-src 'self'"},
                         {"X-Content-Type-Options", "nosniff"},
                         {"Cache-Control", "no-store"}});
    return true;
}

void PhoneServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

void PhoneServer::refuseWebSockets()
{
    // The phones' own connections are not taken here yet: each is closed as it comes.
    while (hasPendingWebSocketConnections()) {
        const std::unique_ptr<QWebSocket> phone = nextPendingWebSocketConnection();
        phone->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("no phones are taken"));
    }
}

}  // namespace platform
