// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The phones' web server: the one page at "/", on the one address the game shows, and only
// while the players have asked for it. Qt 6.4's QHttpServer guards nothing of a home network's
// worst, so this server does: at most 16 connections at once; a connection that has sent more
// than 4 KiB of request not yet answered is aborted, and one that has been silent for 5 s
// since it opened or was last answered is closed; only a GET of "/" is answered, 405 for any
// other method and 404 for any other path, and no file is ever read by request. Its timers
// are the network's own, not the game's: a message box holds the game's ticks, not these.

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHostAddress>

#include <memory>

namespace platform {

struct PhoneServerLimits {
    int connections = 16;
    qint64 unansweredBytes = 4096;
    int silenceMilliseconds = 5000;
};

class PhoneServer final : public QAbstractHttpServer {
    Q_OBJECT
public:
    using Limits = PhoneServerLimits;

    explicit PhoneServer(QByteArray page, Limits limits = Limits{}, QObject* parent = nullptr);
    ~PhoneServer() override;

    // Listens on `address` alone; the port it listens on, or 0 when it cannot.
    quint16 start(const QHostAddress& address, quint16 port = 0);
    void stop();
    bool isListening() const;
    int connectionCount() const;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    class Guard;
    void refuseWebSockets();

    QByteArray page_;
    Guard* guard_ = nullptr;  // owned by this server, as Qt's children are
    bool bound_ = false;
};

}  // namespace platform
