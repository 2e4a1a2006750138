#include "osd/OsdNotice.h"
#include "osd/OsdServer.h"
#include "platform/OsdClient.h"
#include "platform/OsdMessage.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// The on-screen display link: the notice record, the client that starts and finds the companion
// without waiting for it, and the companion's server and notice.
class TestOsd : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void messageBytes();
    void companionAlreadyRunning();
    void companionMissingThenLate();
    void serverTakesSplitAndJoinedWrites();
    void noticeShowsReplacesAndHides();

private:
    QString serverName() const { return m_dir->path() + QStringLiteral("/osd"); }
    QScopedPointer<QTemporaryDir> m_dir;
};

namespace {
quint16 unitAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}
qint32 intAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}
} // namespace

void TestOsd::init()
{
    qRegisterMetaType<OsdMessage>();
    m_dir.reset(new QTemporaryDir);
}

void TestOsd::messageBytes()
{
    OsdMessage message;
    message.text = QStringLiteral("DPI 2:1600 é");
    message.color = QColor(255, 125, 0);
    const QByteArray bytes = message.toBytes();
    QCOMPARE(bytes.size(), 1044);
    QCOMPARE(unitAt(bytes, 0), quint16('D'));
    QCOMPARE(unitAt(bytes, 2 * 11), quint16(0xE9));
    QCOMPARE(unitAt(bytes, 2 * 12), quint16(0));
    QCOMPARE(intAt(bytes, 512), 0);
    QCOMPARE(intAt(bytes, 516), 1500);
    QCOMPARE(intAt(bytes, 520), 0);
    // COLORREF: red in the lowest byte, then green and blue, top byte zero.
    QCOMPARE(bytes.mid(524, 4), QByteArray::fromHex("ff7d0000"));
    QCOMPARE(intAt(bytes, 528), 60);
    QCOMPARE(unitAt(bytes, 532), quint16('A'));
    QCOMPARE(unitAt(bytes, 532 + 8), quint16('l'));
    QCOMPARE(unitAt(bytes, 532 + 10), quint16(0));

    OsdMessage read;
    QVERIFY(OsdMessage::fromBytes(bytes, read));
    QCOMPARE(read.text, message.text);
    QCOMPARE(read.color, message.color);
    QCOMPARE(read.family, QStringLiteral("Arial"));
    QVERIFY(!OsdMessage::fromBytes(bytes.left(1043), read));

    // A long text is cut to 255 characters and keeps its terminator inside the field; the fields
    // after it are untouched.
    message.text = QString(300, QLatin1Char('x'));
    const QByteArray cut = message.toBytes();
    QCOMPARE(cut.size(), 1044);
    QCOMPARE(unitAt(cut, 2 * 254), quint16('x'));
    QCOMPARE(unitAt(cut, 2 * 255), quint16(0));
    QCOMPARE(intAt(cut, 512), 0);
    QCOMPARE(intAt(cut, 516), 1500);
    QVERIFY(OsdMessage::fromBytes(cut, read));
    QCOMPARE(read.text.size(), 255);

    // A record whose text fills its field without a terminator reads no further than the field.
    QByteArray unterminated = bytes;
    for (int i = 0; i < 512; i += 2)
        qToLittleEndian(quint16('y'), unterminated.data() + i);
    QVERIFY(OsdMessage::fromBytes(unterminated, read));
    QCOMPARE(read.text, QString(256, QLatin1Char('y')));
}

void TestOsd::companionAlreadyRunning()
{
    OsdServer server;
    QVERIFY(server.listen(serverName()));
    QSignalSpy received(&server, &OsdServer::messageReceived);
    OsdClient client(QStringLiteral("/nonexistent/OSD"), serverName());
    int starts = 0;
    client.setStarter([&](const QString &) { return ++starts, true; });
    QSignalSpy delivered(&client, &OsdClient::delivered);

    OsdMessage message;
    message.text = QStringLiteral("1000 HZ");
    message.color = Qt::red;
    client.send(message);
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 1000);
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(starts, 0);
    QVERIFY(!client.isWaiting());
    const OsdMessage got = received[0][0].value<OsdMessage>();
    QCOMPARE(got.text, message.text);
    QCOMPARE(got.color, QColor(Qt::red));
    QCOMPARE(got.showMs, 1500);
}

void TestOsd::companionMissingThenLate()
{
    OsdClient client(QStringLiteral("/nonexistent/OSD"), serverName());
    QStringList started;
    client.setStarter([&](const QString &program) { return started << program, false; });
    QSignalSpy dropped(&client, &OsdClient::dropped);
    QSignalSpy delivered(&client, &OsdClient::delivered);

    // Sending never waits; the event loop keeps running while the companion is looked for.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);
    QElapsedTimer timer;
    timer.start();
    OsdMessage message;
    message.text = QStringLiteral("DPI 1:800");
    client.send(message);
    QVERIFY(timer.elapsed() < 100);
    QVERIFY(client.isWaiting());
    QTRY_COMPARE_WITH_TIMEOUT(dropped.size(), 1, 5000);
    QVERIFY(timer.elapsed() >= 5 * OsdClient::RetryDelayMs - 50);
    QVERIFY(ticks >= 30);
    QCOMPARE(started.size(), 5);
    QCOMPARE(started.first(), QStringLiteral("/nonexistent/OSD"));
    QCOMPARE(delivered.size(), 0);
    QVERIFY(!client.isWaiting());

    // A companion that comes up on the third start gets the newest text given meanwhile.
    OsdServer server;
    QSignalSpy received(&server, &OsdServer::messageReceived);
    started.clear();
    client.setStarter([&](const QString &program) {
        started << program;
        if (started.size() == 3)
            QTimer::singleShot(100, [&] { QVERIFY(server.listen(serverName())); });
        return true;
    });
    client.send(message);
    QTRY_COMPARE_WITH_TIMEOUT(client.startsMade(), 2, 3000);
    message.text = QStringLiteral("DPI 3:3200");
    client.send(message);
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 3000);
    QCOMPARE(received[0][0].value<OsdMessage>().text, QStringLiteral("DPI 3:3200"));
    QCOMPARE(started.size(), 3);
    QCOMPARE(dropped.size(), 1);
    QTest::qWait(200);
    QCOMPARE(received.size(), 1);
}

void TestOsd::serverTakesSplitAndJoinedWrites()
{
    OsdServer server;
    QVERIFY(server.listen(serverName()));
    // A second server on the same name takes over a socket file left by an ended companion.
    OsdServer stale;
    QVERIFY(stale.listen(serverName()));
    QSignalSpy received(&stale, &OsdServer::messageReceived);

    OsdMessage first;
    first.text = QStringLiteral("first");
    OsdMessage second;
    second.text = QStringLiteral("second");
    QLocalSocket socket;
    socket.connectToServer(serverName());
    QVERIFY(socket.waitForConnected(1000));
    const QByteArray bytes = first.toBytes();
    socket.write(bytes.left(700));
    socket.flush();
    QTest::qWait(100);
    QCOMPARE(received.size(), 0);
    socket.write(bytes.mid(700) + second.toBytes() + QByteArray(10, '\x7f'));
    socket.flush();
    QTRY_VERIFY_WITH_TIMEOUT(!received.isEmpty(), 1000);
    // Notices read together: only the newest is shown; the stray bytes wait for more.
    QCOMPARE(received.last()[0].value<OsdMessage>().text, QStringLiteral("second"));
}

void TestOsd::noticeShowsReplacesAndHides()
{
    OsdNotice notice;
    OsdMessage message;
    message.text = QStringLiteral("DPI 2:1600");
    message.color = QColor(0, 255, 255);
    message.showMs = 300;
    notice.showMessage(message);
    QVERIFY(notice.isVisible());
    QCOMPARE(notice.text(), message.text);
    QCOMPARE(notice.textColor(), QColor(0, 255, 255));
    QVERIFY(notice.windowFlags() & Qt::WindowTransparentForInput);
    QVERIFY(notice.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QCOMPARE(notice.focusPolicy(), Qt::NoFocus);
    QVERIFY(notice.width() > notice.height());

    // A newer notice replaces the text and starts its time afresh; an empty one changes nothing.
    QTest::qWait(200);
    message.text = QStringLiteral("500 HZ");
    notice.showMessage(message);
    message.text.clear();
    notice.showMessage(message);
    QCOMPARE(notice.text(), QStringLiteral("500 HZ"));
    QTest::qWait(200);
    QVERIFY(notice.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(notice.isHidden(), 1000);

    // A fade-out ends hidden.
    message.text = QStringLiteral("fade");
    message.showMs = 100;
    message.fadeOutMs = 200;
    notice.showMessage(message);
    QTRY_VERIFY_WITH_TIMEOUT(notice.isHidden(), 1500);
}

QTEST_MAIN(TestOsd)
#include "test_osd.moc"
