// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The phones' web server: the page's few files (the page at "/", its script and its style),
// and the phones' WebSocket at "/phone", on the one address the game shows, and only while the
// players have asked for it. Qt 6.4's QHttpServer guards nothing of a home network's worst,
// so this server does: at most 16 connections at once, WebSockets among them; a connection
// that has sent more than 4 KiB of request not yet answered is aborted, one answer closes a
// connection, and one that has neither been answered nor joined within 5 s of opening is
// closed; only a GET of one of its files is answered, 405 for any other method and 404 for any
// other path, and no file is ever read by request; a WebSocket from any other page's origin, or
// on any other path, is closed with the reason. Its timers are the network's own, not the game's: a
// message box holds the game's ticks, not these.

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHash>
#include <QHostAddress>

#include <memory>

class QWebSocket;

namespace platform {

struct PhoneServerLimits {
    int connections = 16;
    qint64 unansweredBytes = 4096;
    int silenceMilliseconds = 5000;
};

// One of the files the server answers with.
struct PhoneServerFile {
    QByteArray contentType;
    QByteArray body;
};

class PhoneServer final : public QAbstractHttpServer {
    Q_OBJECT
public:
    using Limits = PhoneServerLimits;
    using Files = QHash<QString, PhoneServerFile>;  // by path, "/" for the page

    explicit PhoneServer(Files files, Limits limits = Limits{}, QObject* parent = nullptr);
    ~PhoneServer() override;

    // Listens on `address` alone; the port it listens on, or 0 when it cannot.
    quint16 start(const QHostAddress& address, quint16 port = 0);
    void stop();
    bool isListening() const;
    int connectionCount() const;
    // The page's origin as a browser names it: "http://192.168.1.20:47123".
    QString origin() const;
    // A phone has joined: it is no longer closed for its silence.
    void joined(QWebSocket* phone);

signals:
    // A phone's WebSocket from the page, open. The receiver keeps it (it is the server's child
    // until then); closing it or losing its connection deletes it.
    void phoneConnected(QWebSocket* phone);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    class Guard;
    void takeWebSockets();

    Files files_;
    QByteArray contentPolicy_;
    Guard* guard_ = nullptr;  // owned by this server, as Qt's children are
    bool bound_ = false;
};

}  // namespace platform
