// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QWebSocket>
#include <QtTest/QTest>

#include <vector>

namespace doubles {

// A phone's page on the loopback: its WebSocket, what it has been sent, and how it was closed.
struct Phone {
    explicit Phone(quint16 port, const QString& origin = {}, const QString& path = QStringLiteral("/phone"))
        : socket(origin.isNull() ? QStringLiteral("http://127.0.0.1:%1").arg(port) : origin)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString& text) {
            received.push_back(QJsonDocument::fromJson(text.toUtf8()).object());
        });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] {
            reason = socket.closeReason();
            ended = true;
        });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(path)));
        (void)QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState || ended; }, 2000);
    }
    // Gone at once: Qt 6.4 leaks the reason it makes up when it closes a socket as it is destroyed.
    ~Phone() { socket.abort(); }
    Phone(const Phone&) = delete;
    Phone& operator=(const Phone&) = delete;

    void say(const QByteArray& message)
    {
        socket.sendTextMessage(QString::fromUtf8(message));
        socket.flush();
    }
    // The last message of `type` once one has come, else an empty object.
    QJsonObject last(const char* type, int milliseconds = 2000)
    {
        QJsonObject found;
        (void)QTest::qWaitFor(
            [&] {
                for (const QJsonObject& message : received) {
                    if (message.value("type") == QLatin1String(type))
                        found = message;
                }
                return !found.isEmpty();
            },
            milliseconds);
        return found;
    }
    QJsonObject join(const QString& room, int place = 0, const QString& name = {})
    {
        QJsonObject message{{"type", "join"}, {"room", room}};
        if (place)
            message.insert("place", place);
        if (!name.isNull())
            message.insert("name", name);
        received.clear();
        say(QJsonDocument(message).toJson(QJsonDocument::Compact));
        (void)QTest::qWaitFor([&] { return !received.empty() || isClosed(); }, 2000);
        return received.empty() ? QJsonObject{} : received.front();
    }
    bool isClosed() const { return socket.state() == QAbstractSocket::UnconnectedState; }
    // Closed by the game within the time, with the reason it gave.
    QString closedWithin(int milliseconds = 2000)
    {
        (void)QTest::qWaitFor([this] { return isClosed(); }, milliseconds);
        return isClosed() ? reason + u'|' : QStringLiteral("open");
    }
    // The buzzer pressed or let go.
    void buzz(bool down) { say(down ? R"({"type":"buzz","down":true})" : R"({"type":"buzz","down":false})"); }

    QWebSocket socket;
    std::vector<QJsonObject> received;
    QString reason;
    bool ended = false;  // closed, by either side
};

}  // namespace doubles
