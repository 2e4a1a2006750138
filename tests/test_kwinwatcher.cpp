#include "platform/ActiveWindowWatcher.h"
#include "platform/KWinActiveWindowWatcher.h"
#include "PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

// The KDE Plasma path on a private bus: a stand-in of KWin's scripting interface receives the script,
// and the calls the script would make come back as the window in front; calls from others are ignored.
class TestKWinWatcher : public QObject
{
    Q_OBJECT
private slots:
    void scriptReportsTheActiveWindow();
    void sessionPicksTheWatcher_data();
    void sessionPicksTheWatcher();
};

namespace {

// What KWin's org.kde.kwin.Scripting offers the watcher.
class ScriptingStandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Scripting")
public:
    QStringList loaded; // plugin names, in order
    QStringList unloaded;
    QString script; // text of the last script loaded
    int starts = 0;

public slots:
    Q_SCRIPTABLE int loadScript(const QString &filePath, const QString &pluginName)
    {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        script = QString::fromUtf8(file.readAll());
        loaded << pluginName;
        return loaded.size();
    }
    Q_SCRIPTABLE void start() { ++starts; }
    Q_SCRIPTABLE bool unloadScript(const QString &pluginName)
    {
        unloaded << pluginName;
        return true;
    }
};

// The call the script makes, as `bus` would send it: target read from the script itself.
void reportFromScript(const QString &script, QDBusConnection bus, const QStringList &arguments)
{
    const QRegularExpression call(
        QStringLiteral("callDBus\\(\"([^\"]+)\", \"([^\"]+)\", \"([^\"]+)\", \"([^\"]+)\""));
    const QRegularExpressionMatch match = call.match(script);
    QVERIFY(match.hasMatch());
    QDBusMessage message = QDBusMessage::createMethodCall(match.captured(1), match.captured(2),
                                                          match.captured(3), match.captured(4));
    for (const QString &argument : arguments)
        message << argument;
    QVERIFY(bus.send(message));
}

} // namespace

void TestKWinWatcher::scriptReportsTheActiveWindow()
{
    PrivateBus bus;
    const QString address = bus.address();
    if (address.isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps.sh)");
    QProcess game;
    game.start(QStringLiteral("sleep"), { "60" });
    QVERIFY(game.waitForStarted());
    {
        QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("client"));
        KWinActiveWindowWatcher watcher(client);
        // No KWin on the bus: nothing to watch with.
        QVERIFY(!watcher.start());

        QDBusConnection kwinBus = QDBusConnection::connectToBus(address, QStringLiteral("kwin"));
        ScriptingStandIn kwin;
        QVERIFY(kwinBus.registerService(QStringLiteral("org.kde.KWin")));
        QVERIFY(kwinBus.registerObject(QStringLiteral("/Scripting"), &kwin,
                                       QDBusConnection::ExportScriptableSlots));
        QSignalSpy changes(&watcher, &ActiveWindowWatcher::activeWindowChanged);
        QVERIFY(watcher.start());
        QTRY_COMPARE(kwin.loaded, QStringList { KWinActiveWindowWatcher::PluginName });
        QTRY_COMPARE(kwin.starts, 1);
        QVERIFY(kwin.script.contains(client.baseService()));

        reportFromScript(kwin.script, kwinBus, { "Racer", "racer", QString::number(game.processId()) });
        QTRY_COMPARE(changes.size(), 1);
        ActiveWindow window = changes.at(0).at(0).value<ActiveWindow>();
        QCOMPARE(window.executable, QString("sleep"));
        QCOMPARE(window.pid, game.processId());
        QCOMPARE(window.classes, QStringList({ "racer", "Racer" }));

        // Another program on the bus cannot name the window in front.
        QDBusConnection impostor = QDBusConnection::connectToBus(address, QStringLiteral("impostor"));
        reportFromScript(kwin.script, impostor, { "Other", "other", "1" });
        // No window in front; a window without a process (pid 0) is known by its class.
        reportFromScript(kwin.script, kwinBus, { "", "", "" });
        reportFromScript(kwin.script, kwinBus, { "Notes", "notes", "0" });
        QTRY_COMPARE(changes.size(), 3);
        QVERIFY(changes.at(1).at(0).value<ActiveWindow>().isEmpty());
        window = changes.at(2).at(0).value<ActiveWindow>();
        QVERIFY(window.executable.isEmpty());
        QCOMPARE(window.classes, QStringList({ "notes", "Notes" }));

        watcher.stop();
        QTRY_VERIFY(kwin.unloaded.contains(KWinActiveWindowWatcher::PluginName));
        reportFromScript(kwin.script, kwinBus, { "Racer", "racer", QString::number(game.processId()) });
        QTest::qWait(300);
        QCOMPARE(changes.size(), 3);
    }
    for (const char *name : { "client", "kwin", "impostor" })
        QDBusConnection::disconnectFromBus(QLatin1String(name));
    game.kill();
    game.waitForFinished();
}

void TestKWinWatcher::sessionPicksTheWatcher_data()
{
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<int>("kind");
    // clang-format off
    QTest::newRow("Plasma on Wayland") << "wayland-0" << "wayland" << "KDE" << int(WatcherKind::KWin);
    QTest::newRow("GNOME on Wayland") << "wayland-0" << "wayland" << "ubuntu:GNOME" << int(WatcherKind::GnomeShell);
    QTest::newRow("Wayland session, display unset") << "" << "wayland" << "GNOME" << int(WatcherKind::GnomeShell);
    QTest::newRow("other compositor") << "wayland-1" << "" << "sway" << int(WatcherKind::None);
    QTest::newRow("no desktop at all") << "" << "" << "" << int(WatcherKind::None);
    // clang-format on
}

void TestKWinWatcher::sessionPicksTheWatcher()
{
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, sessionType);
    QFETCH(QString, desktop);
    QFETCH(int, kind);
    // The test runs on the offscreen platform: no X server behind the program's windows.
    const auto set = [](const char *name, const QString &value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    };
    set("WAYLAND_DISPLAY", waylandDisplay);
    set("XDG_SESSION_TYPE", sessionType);
    set("XDG_CURRENT_DESKTOP", desktop);
    // Not inside sway, whatever session runs the test.
    qunsetenv("SWAYSOCK");
    QCOMPARE(int(DetectWatcherKind()), kind);
    QCOMPARE(CreateActiveWindowWatcher(WatcherKind(kind)) != nullptr, kind != int(WatcherKind::None));
}

QTEST_MAIN(TestKWinWatcher)
#include "test_kwinwatcher.moc"
