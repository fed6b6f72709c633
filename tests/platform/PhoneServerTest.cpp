// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/PhoneServer.h"

#include <QTcpSocket>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QHostAddress loopback(QHostAddress::LocalHost);

// A page and its script, as the game serves them.
platform::PhoneServer::Files files(const QByteArray& page)
{
    return {{"/", {"text/html; charset=utf-8", page}}, {"/phone.js", {"text/javascript", "script"}}};
}

// A raw connection to the server; what it has been sent, once the server is done with it or a
// second has passed.
struct Client {
    explicit Client(quint16 port)
    {
        socket.connectToHost(loopback, port);
        socket.waitForConnected(1000);
    }
    QByteArray answer(const QByteArray& request)
    {
        socket.write(request);
        QByteArray got;
        QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                return got.contains("\r\n\r\n") || socket.state() == QAbstractSocket::UnconnectedState;
            },
            1000);
        QTest::qWait(20);
        return got + socket.readAll();
    }
    bool closedWithin(int milliseconds)
    {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, milliseconds);
    }
    QTcpSocket socket;
};

}  // namespace

// Off until started, and then only on the address asked for; the page at "/" with its policy,
// and nothing else: 405 for another method, 404 for another path.
TEST(PhoneServer, AnswersOnlyAGetOfThePageOnTheOneAddressItWasGiven)
{
    platform::PhoneServer server(files("<p>page</p>"));
    EXPECT_FALSE(server.isListening());
    EXPECT_EQ(server.start(QHostAddress::Any), 0) << "never every interface";
    const quint16 port = server.start(loopback);
    ASSERT_NE(port, 0);
    const struct {
        QByteArray request;
        QByteArray status;
    } cases[] = {
        {"GET / HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200"},
        {"GET /?room=KQXZ HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200"},
        {"GET /phone.js HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 200"},
        {"POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n\r\nab", "HTTP/1.1 405"},
        {"GET /index.html HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 404"},
        {"GET /../../etc/passwd HTTP/1.1\r\nHost: x\r\n\r\n", "HTTP/1.1 404"},
    };
    for (const auto& c : cases) {
        Client client(port);
        const QByteArray answer = client.answer(c.request);
        EXPECT_TRUE(answer.startsWith(c.status)) << c.request.toStdString() << answer.toStdString();
        if (c.status.endsWith("200")) {
            EXPECT_TRUE(answer.contains("Content-Security-Policy: default-src 'self'") &&
                        (answer.endsWith("<p>page</p>") || answer.endsWith("script")))
                << answer.toStdString();
        }
    }
    server.stop();
    EXPECT_FALSE(server.isListening());
    // Started again, as when the players turn the phones off and on.
    Client again(server.start(loopback));
    EXPECT_TRUE(again.answer("GET / HTTP/1.1\r\nHost: x\r\n\r\n").startsWith("HTTP/1.1 200"));
}

// Each limit closes only the connection that breaks it; the others are answered as before.
// One answer closes a connection.
TEST(PhoneServer, ClosesAConnectionTooManyTooLongARequestAndASilentOneAndOnlyThose)
{
    platform::PhoneServer server(files("page"));
    const quint16 port = server.start(loopback);
    std::vector<std::unique_ptr<Client>> open;
    for (int i = 0; i < 16; ++i)
        open.push_back(std::make_unique<Client>(port));
    QTest::qWaitFor([&] { return server.connectionCount() == 16; }, 1000);
    Client seventeenth(port);
    EXPECT_TRUE(seventeenth.closedWithin(1000)) << "the seventeenth";
    EXPECT_TRUE(open[15]->answer("GET / HTTP/1.1\r\nHost: x\r\n\r\n").startsWith("HTTP/1.1 200"));
    open.clear();
    QTest::qWaitFor([&] { return server.connectionCount() == 0; }, 1000);
    // Handshakes that fail leave no connection counted behind them.
    for (int i = 0; i < 24; ++i) {
        Client upgrading(port);
        upgrading.answer("GET /phone HTTP/1.1\r\nHost: x\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n\r\n");
        EXPECT_TRUE(upgrading.closedWithin(1000)) << "no key, no WebSocket";
    }
    EXPECT_TRUE(Client(port).answer("GET / HTTP/1.1\r\nHost: x\r\n\r\n").startsWith("HTTP/1.1 200"));
    Client flooding(port);
    flooding.socket.write("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\n" + QByteArray(5000, 'x'));
    EXPECT_TRUE(flooding.closedWithin(1000)) << "more than 4 KiB unanswered";

    platform::PhoneServer quick(files("page"), {16, 4096, 200});
    const quint16 quickPort = quick.start(loopback);
    Client silent(quickPort);
    Client asking(quickPort);
    EXPECT_TRUE(asking.answer("GET / HTTP/1.1\r\nHost: x\r\n\r\n").startsWith("HTTP/1.1 200"));
    EXPECT_TRUE(silent.closedWithin(1000)) << "silent since it opened";
}
