#include "platform/SwayActiveWindowWatcher.h"
#include "platform/SwayIpc.h"
#include "platform/SwayPointerSpeed.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

// sway's IPC without sway: the message framing, what a container tells about its window, the watcher
// against a stand-in that sends events sway sends rarely or never on request (a focused window closing,
// a broken stream), and the pointer speed read back from pointers sway lists.
class TestSwayIpc : public QObject
{
    Q_OBJECT
private slots:
    void framing_data();
    void framing();
    void containerDescribesItsWindow_data();
    void containerDescribesItsWindow();
    void watcherFollowsEvents();
    void pointerSpeedReadBack_data();
    void pointerSpeedReadBack();
    void staleSocketLeavesTheSpeedRemembered();
};

namespace {

QByteArray header(const QByteArray &magic, quint32 length, quint32 type)
{
    QByteArray bytes = magic;
    bytes.append(reinterpret_cast<const char *>(&length), sizeof length);
    bytes.append(reinterpret_cast<const char *>(&type), sizeof type);
    return bytes;
}

QJsonObject view(qint64 id, const QString &appId, bool focused = false)
{
    return QJsonObject { { "id", id },         { "type", "con" },         { "focused", focused },
                         { "app_id", appId }, { "pid", qint64(0) }, { "nodes", QJsonArray() } };
}

QJsonObject treeWith(const QJsonArray &views)
{
    const QJsonObject workspace { { "id", 3 }, { "type", "workspace" }, { "focused", views.isEmpty() },
                                  { "nodes", views } };
    return QJsonObject { { "id", 1 }, { "type", "root" }, { "nodes", QJsonArray { workspace } } };
}

// A sway answering on a socket of the test's own, from the test's thread: each GET_TREE gets `tree`.
class StandInSway : public QObject
{
public:
    explicit StandInSway(const QString &path)
    {
        QLocalServer::removeServer(path);
        server.listen(path);
        connect(&server, &QLocalServer::newConnection, this, [this] {
            client = server.nextPendingConnection();
            connect(client, &QLocalSocket::readyRead, this, [this] {
                buffer += client->readAll();
                quint32 type = 0;
                QByteArray payload;
                while (SwayIpc::takeMessage(&buffer, &type, &payload) == SwayIpc::Take::Message) {
                    requests << type;
                    if (type == SwayIpc::Subscribe)
                        client->write(SwayIpc::encode(type, "{\"success\": true}"));
                    else if (type == SwayIpc::GetTree)
                        client->write(SwayIpc::encode(type, QJsonDocument(tree).toJson()));
                }
            });
        });
    }
    void sendEvent(const QString &change, const QJsonObject &container)
    {
        const QJsonObject event { { "change", change }, { "container", container } };
        client->write(SwayIpc::encode(SwayIpc::WindowEvent, QJsonDocument(event).toJson()));
    }

    QLocalServer server;
    QLocalSocket *client = nullptr;
    QByteArray buffer;
    QVector<quint32> requests;
    QJsonObject tree;
};

} // namespace

void TestSwayIpc::framing_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("left");
    const QByteArray whole = SwayIpc::encode(SwayIpc::GetTree, "{}");
    QTest::newRow("one message") << whole << int(SwayIpc::Take::Message) << QByteArray("{}") << 0;
    QTest::newRow("two messages, one taken")
        << whole + SwayIpc::encode(SwayIpc::WindowEvent, "[1]") << int(SwayIpc::Take::Message)
        << QByteArray("{}") << whole.size() + 1;
    QTest::newRow("half a header") << whole.left(8) << int(SwayIpc::Take::Incomplete) << QByteArray() << 8;
    QTest::newRow("payload still coming")
        << whole.left(whole.size() - 1) << int(SwayIpc::Take::Incomplete) << QByteArray() << whole.size() - 1;
    QTest::newRow("empty payload") << SwayIpc::encode(SwayIpc::Subscribe, QByteArray()) << int(SwayIpc::Take::Message)
                                   << QByteArray() << 0;
    QTest::newRow("wrong magic") << header("i3-ipx", 2, 4) + "{}" << int(SwayIpc::Take::Corrupt) << QByteArray()
                                 << 16;
    QTest::newRow("garbage shorter than a header")
        << QByteArray("HTTP/") << int(SwayIpc::Take::Corrupt) << QByteArray() << 5;
    QTest::newRow("absurd length") << header("i3-ipc", 0xfffffff0u, 4) << int(SwayIpc::Take::Corrupt)
                                   << QByteArray() << 14;
}

void TestSwayIpc::framing()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, outcome);
    QFETCH(QByteArray, payload);
    QFETCH(int, left);
    quint32 type = 0;
    QByteArray taken;
    QCOMPARE(int(SwayIpc::takeMessage(&stream, &type, &taken)), outcome);
    QCOMPARE(taken, payload);
    QCOMPARE(stream.size(), left);
    if (outcome == int(SwayIpc::Take::Message))
        QVERIFY(type == SwayIpc::GetTree || type == SwayIpc::Subscribe);
}

void TestSwayIpc::containerDescribesItsWindow_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<qint64>("pid");
    const qint64 own = QCoreApplication::applicationPid();
    const QByteArray pid = QByteArray::number(own);
    QTest::newRow("Wayland window")
        << "{\"type\":\"con\",\"pid\":" + pid + ",\"app_id\":\"org.example.Notes\"}"
        << QStringList { "org.example.Notes" } << own;
    QTest::newRow("XWayland window: instance, then class")
        << "{\"type\":\"floating_con\",\"pid\":" + pid
            + ",\"app_id\":null,\"window_properties\":{\"class\":\"Xmessage\",\"instance\":\"racer\"}}"
        << QStringList { "racer", "Xmessage" } << own;
    QTest::newRow("process gone, app id known")
        << QByteArray("{\"type\":\"con\",\"pid\":-1,\"app_id\":\"game\"}") << QStringList { "game" } << qint64(0);
    QTest::newRow("workspace in front") << QByteArray("{\"type\":\"workspace\",\"name\":\"2\",\"focused\":true}")
                                        << QStringList() << qint64(0);
}

void TestSwayIpc::containerDescribesItsWindow()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, classes);
    QFETCH(qint64, pid);
    const ActiveWindow window = SwayActiveWindowWatcher::describe(QJsonDocument::fromJson(json).object());
    QCOMPARE(window.classes, classes);
    QCOMPARE(window.pid, pid);
    QCOMPARE(window.executable.isEmpty(), pid == 0);
}

void TestSwayIpc::watcherFollowsEvents()
{
    QTemporaryDir dir;
    StandInSway sway(dir.path() + "/sway.sock");
    sway.tree = treeWith({ view(10, "editor", true), view(11, "game") });
    SwayActiveWindowWatcher watcher(dir.path() + "/sway.sock");
    QSignalSpy changes(&watcher, &ActiveWindowWatcher::activeWindowChanged);
    QVERIFY(watcher.start());
    // Subscribed before the tree is read, so that no focus change falls between.
    QTRY_COMPARE(sway.requests, (QVector<quint32> { SwayIpc::Subscribe, SwayIpc::GetTree }));
    QTRY_COMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).value<ActiveWindow>().classes, QStringList { "editor" });

    // A title change of a window behind says nothing; the focus moving does.
    sway.sendEvent("title", view(11, "game-menu"));
    sway.sendEvent("focus", view(11, "game", true));
    QTRY_COMPARE(changes.size(), 2);
    QCOMPARE(changes.at(1).at(0).value<ActiveWindow>().classes, QStringList { "game" });
    // The window in front changing its app id with its title counts.
    sway.sendEvent("title", view(11, "game-launcher", true));
    QTRY_COMPARE(changes.size(), 3);
    QCOMPARE(changes.at(2).at(0).value<ActiveWindow>().classes, QStringList { "game-launcher" });

    // The window in front closes and sway moves the focus to no window: the tree says so.
    sway.tree = treeWith({});
    sway.sendEvent("close", view(11, "game-launcher"));
    QTRY_COMPARE(changes.size(), 4);
    QVERIFY(changes.at(3).at(0).value<ActiveWindow>().isEmpty());
    QCOMPARE(sway.requests.count(SwayIpc::GetTree), 2);
    // A window behind closing asks nothing.
    sway.sendEvent("close", view(10, "editor"));
    QTest::qWait(100);
    QCOMPARE(sway.requests.count(SwayIpc::GetTree), 2);

    // A stream that cannot be read on ends the watch instead of misreading the rest.
    sway.client->write(header("garbage", 2, 0));
    sway.sendEvent("focus", view(10, "editor", true));
    QTRY_COMPARE(sway.client->state(), QLocalSocket::UnconnectedState);
    QCOMPARE(changes.size(), 4);
    // It can start again.
    QVERIFY(watcher.start());
}

void TestSwayIpc::pointerSpeedReadBack_data()
{
    QTest::addColumn<QByteArray>("inputs");
    QTest::addColumn<int>("speed"); // 0: nothing to read
    const QByteArray keyboard = R"({"type":"keyboard","identifier":"1:1:kbd"})";
    const QByteArray touchpad = R"({"type":"touchpad","libinput":{"accel_speed":0.9}})";
    const QByteArray mouse = R"({"type":"pointer","libinput":{"accel_speed":0.474}})";
    const QByteArray virtualPointer = R"({"type":"pointer","identifier":"0:0:wlr_virtual_pointer_v1"})";
    QTest::newRow("mouse after keyboard and touchpad") << "[" + keyboard + "," + touchpad + "," + mouse + "]" << 15;
    QTest::newRow("slowest") << QByteArray(R"([{"type":"pointer","libinput":{"accel_speed":-1.0}}])") << 1;
    QTest::newRow("virtual pointer first") << "[" + virtualPointer + "," + mouse + "]" << 15;
    QTest::newRow("touchpad only") << "[" + touchpad + "]" << 0;
    QTest::newRow("no devices") << QByteArray("[]") << 0;
}

void TestSwayIpc::pointerSpeedReadBack()
{
    QFETCH(QByteArray, inputs);
    QFETCH(int, speed);
    QTemporaryDir dir;
    const QString path = dir.path() + "/sway.sock";
    // Answers from a thread of its own: the backend waits for its replies.
    QScopedPointer<QThread> server(QThread::create([path, inputs] {
        QLocalServer standIn;
        QLocalServer::removeServer(path);
        standIn.listen(path);
        for (int i = 0; i < 2 && standIn.waitForNewConnection(5000); ++i) {
            QLocalSocket *client = standIn.nextPendingConnection();
            QByteArray buffer;
            quint32 type = 0;
            QByteArray payload;
            while (SwayIpc::takeMessage(&buffer, &type, &payload) != SwayIpc::Take::Message
                   && client->waitForReadyRead(5000))
                buffer += client->readAll();
            client->write(SwayIpc::encode(type, inputs));
            client->waitForBytesWritten(5000);
            client->disconnectFromServer();
            delete client;
        }
    }));
    server->start();
    QTRY_VERIFY(QFile::exists(path));
    auto backend = SwayPointerSpeed::create(path);
    QVERIFY(backend);
    int read = 0;
    QCOMPARE(backend->read(&read), speed != 0);
    QCOMPARE(read, speed);
    server->wait();
}

void TestSwayIpc::staleSocketLeavesTheSpeedRemembered()
{
    // $SWAYSOCK left over from a sway that has gone: nothing to set, and the page says so.
    QTemporaryDir dir;
    PointerSpeedSession session;
    session.wayland = true;
    session.swaySocket = dir.path() + "/sway-ipc.gone.sock";
    const auto backend = CreatePointerSpeedBackend(session);
    QCOMPARE(backend->name(), QStringLiteral("remembered"));
    QVERIFY(!backend->canSet());
    SwayActiveWindowWatcher watcher(session.swaySocket);
    QVERIFY(!watcher.start());
}

QTEST_MAIN(TestSwayIpc)
#include "test_swayipc.moc"
