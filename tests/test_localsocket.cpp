#include "platform/LocalServer.h"
#include "platform/LocalSocket.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The program's local sockets: what another program (here Qt's own sockets) meets at either end, and
// what a peer that goes away or was never there does to the program.
class TestLocalSocket : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void bytesCrossBothWays_data();
    void bytesCrossBothWays();
    void connectingWhereNobodyListens_data();
    void connectingWhereNobodyListens();
    void peerGoneWhileWriting();
    void serverPathIsTheUsersOwn();

private:
    QString path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestLocalSocket::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestLocalSocket::bytesCrossBothWays_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("one notice") << 64;
    // More than the kernel's socket buffer: the rest goes as the peer reads.
    QTest::newRow("several buffers") << 3 * 1024 * 1024;
}

void TestLocalSocket::bytesCrossBothWays()
{
    QFETCH(int, size);
    QByteArray payload(size, '\0');
    for (int i = 0; i < size; ++i)
        payload[i] = char(i * 7 + i / 251);

    // Our client against Qt's server, which answers with what it read.
    QLocalServer echo;
    QVERIFY(echo.listen(path("echo")));
    connect(&echo, &QLocalServer::newConnection, this, [&echo] {
        QLocalSocket *peer = echo.nextPendingConnection();
        connect(peer, &QLocalSocket::readyRead, peer, [peer] { peer->write(peer->readAll()); });
    });
    LocalSocket client;
    QVERIFY2(client.connectTo(path("echo")), qPrintable(client.errorString()));
    client.write(payload);
    QByteArray back;
    connect(&client, &LocalSocket::readyRead, this, [&] { back += client.readAll(); });
    QTRY_COMPARE_WITH_TIMEOUT(back.size(), size, 10000);
    QCOMPARE(back, payload);

    // Qt's client against our server: everything arrives, then the end of the connection.
    LocalServer server;
    QVERIFY(server.listen(path("server")));
    QByteArray received;
    bool ended = false;
    connect(&server, &LocalServer::newConnection, this, [&] {
        while (LocalSocket *peer = server.nextPendingConnection()) {
            connect(peer, &LocalSocket::readyRead, this, [&received, peer] { received += peer->readAll(); });
            connect(peer, &LocalSocket::disconnected, this, [&ended] { ended = true; });
        }
    });
    QLocalSocket writer;
    writer.connectToServer(path("server"));
    QVERIFY(writer.waitForConnected(1000));
    writer.write(payload);
    writer.disconnectFromServer();
    QTRY_VERIFY_WITH_TIMEOUT(ended, 10000);
    QCOMPARE(received.size(), size);
    QCOMPARE(received, payload);
}

void TestLocalSocket::connectingWhereNobodyListens_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("staleFile");
    QTest::newRow("no file") << QStringLiteral("missing") << false;
    QTest::newRow("file of an ended server") << QStringLiteral("ended") << true;
    QTest::newRow("path too long for a socket") << QString(200, QLatin1Char('x')) << false;
}

void TestLocalSocket::connectingWhereNobodyListens()
{
    QFETCH(QString, target);
    QFETCH(bool, staleFile);
    const QString file = m_dir->filePath(target);
    if (staleFile) {
        // A server that ended without removing its file (a crash) leaves the file without a listener.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(file);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(file));
    }
    LocalSocket client;
    QSignalSpy disconnected(&client, &LocalSocket::disconnected);
    QVERIFY(!client.connectTo(file));
    QVERIFY(!client.isConnected());
    QVERIFY(!client.errorString().isEmpty());
    QVERIFY(!client.waitForReadyRead(10));
    QCOMPARE(disconnected.size(), 0);
}

void TestLocalSocket::peerGoneWhileWriting()
{
    // The other program ends while this one still writes: this one carries on, told of the end. Qt's
    // own sockets (used above) have the process ignore SIGPIPE; the program loads nothing that does.
    std::signal(SIGPIPE, SIG_DFL);
    LocalServer server;
    QVERIFY(server.listen(path("server")));
    QSignalSpy accepted(&server, &LocalServer::newConnection);
    LocalSocket client;
    QSignalSpy disconnected(&client, &LocalSocket::disconnected);
    QVERIFY(client.connectTo(path("server")));
    QTRY_COMPARE_WITH_TIMEOUT(accepted.size(), 1, 1000);
    delete server.nextPendingConnection();
    const QByteArray chunk(1024 * 1024, 'x');
    for (int i = 0; i < 8 && client.isConnected(); ++i) {
        client.write(chunk);
        QTest::qWait(10);
    }
    QTRY_COMPARE_WITH_TIMEOUT(disconnected.size(), 1, 2000);
    QVERIFY(!client.isConnected());
    // Nothing claims to have been written any more.
    QVERIFY(!client.waitForBytesWritten(10));
}

void TestLocalSocket::serverPathIsTheUsersOwn()
{
    LocalServer server;
    QVERIFY(server.listen(path("own")));
    QCOMPARE(server.fullServerName(), path("own"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                      | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFileInfo(path("own")).permissions() & others, QFile::Permissions());
    // A live server's path is not taken from it.
    LocalServer second;
    QVERIFY(!second.listen(path("own")));
    LocalSocket client;
    QVERIFY(client.connectTo(path("own")));
}

QTEST_MAIN(TestLocalSocket)
#include "test_localsocket.moc"
