#include "cli/CliCommand.h"
#include "CliRun.h"
#include "device/link/DeviceLink.h"
#include "device/upload/CommandSet.h"
#include "platform/PointerSpeed.h"
#include "PrivateBus.h"
#include "ScriptedPrompts.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/UploadCut.h"
#include "ui/main/ConnectionDisplay.h"
#include "ProgramSession.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"
#include "virtualmouse/VirtualMouse.h"
#include "virtualmouse/VirtualMouseTimeline.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// The mouse as the system lets the program reach it. Plugged in but not to be opened (no udev rule
// yet): the window and `mousecfg-cli status` explain it and name the rule, and the window opens the
// mouse as soon as access is granted, without a restart. Pulled out in the middle of an upload: when
// it comes back the window offers once to send everything again. `mousecfg-cli doctor` checks it all.
class TestDeviceAccess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void resumeAfterSuspend();
    void commandLineStatus();
    void windowExplainsThenOpens();
    void cutUploadOfferedOnce();
    void doctor_data();
    void doctor();

private:
    QProcess m_systemBus; // a private bus standing in for the system bus, with a stand-in logind
    QString m_systemBusAddress;
};

void TestDeviceAccess::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps.sh)");
    m_systemBus.start(daemon, { "--session", "--nofork", "--nopidfile", "--print-address=1" });
    QVERIFY(m_systemBus.waitForReadyRead(5000));
    m_systemBusAddress = QString::fromUtf8(m_systemBus.readLine()).trimmed();
    // Before any window asks for the system bus, which the process then keeps.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_systemBusAddress.toUtf8());
}

void TestDeviceAccess::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
    m_systemBus.kill();
    m_systemBus.waitForFinished();
}

void TestDeviceAccess::resumeAfterSuspend()
{
    QDBusConnection logind = QDBusConnection::connectToBus(m_systemBusAddress, QStringLiteral("logind"));
    QVERIFY(logind.registerService(QStringLiteral("org.freedesktop.login1")));
    const auto prepareForSleep = [&](bool sleeping) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << sleeping;
        QVERIFY(logind.send(signal));
    };
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    config.profiles[2].mousespeed = 17;
    config.profiles[2].dpi = 3;
    QVERIFY(SaveConfig(config));
    ScriptedPrompts prompts;
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    ProgramSession program;
    QScopedPointer<MousecfgWidget> window(program.newWindow());
    VirtualMouse *mouse = window->findChild<VirtualMouse *>();
    QTRY_VERIFY_WITH_TIMEOUT(program.session.link().InterfaceOpen(ReceiverCommand), 5000);
    QTest::qWait(1000);

    // Asleep: going to sleep changes nothing; meanwhile slot 3 was chosen from the command line and
    // the desktop forgot the pointer speed.
    prepareForSleep(true);
    QTest::qWait(500);
    QCOMPARE(window->workingConfig().ProfileID, quint8(0));
    QVERIFY(SaveProfileID(2));
    ApplySlotMouseSpeed(3);
    mouse->clearReports();

    // Awake: the battery is asked at once, slot and stage shown, the slot's pointer speed set again.
    prepareForSleep(false);
    QTRY_COMPARE_WITH_TIMEOUT(window->workingConfig().ProfileID, quint8(2), 5000);
    QCOMPARE(window->workingConfig().profiles[2].dpi, quint8(3));
    QTRY_COMPARE_WITH_TIMEOUT(GetSystemMouseSpeed(), 17, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!mouse->reports().isEmpty() && quint8(mouse->reports().first()[3]) == CmdBattery,
                             5000);
    QVERIFY(program.session.link().InterfaceOpen(ReceiverCommand));
    window.reset();
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
    logind.unregisterService(QStringLiteral("org.freedesktop.login1"));
}

void TestDeviceAccess::commandLineStatus()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString denied = dir.writeFile("denied.ini", "[Mouse]\nAccess=denied\n");
    const CliResult result = runCli(dir, { "status" }, denied);
    QCOMPARE(result.exitCode, int(ExitNoPermission));
    for (const char *part :
         { "Connection: no access\n", "virtual-receiver: permission denied", "70-mousecfg.rules",
           "sudo install -m 644 data/70-mousecfg.rules /etc/udev/rules.d/\n",
           "sudo udevadm control --reload && sudo udevadm trigger\n", "plug the receiver in again" })
        QVERIFY2(result.output.contains(QLatin1String(part)), qPrintable(result.output));
    // A mouse that is simply absent is still no mouse.
    QCOMPARE(runCli(dir, { "status" }, dir.writeFile("none.ini", "[Mouse]\nConnection=none\n")).exitCode, 1);
}

void TestDeviceAccess::windowExplainsThenOpens()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
    ScriptedPrompts prompts;
    const QString scenario
        = dir.writeFile("scenario.ini", "[Mouse]\nAccess=denied\n[Timeline]\n2500=access granted\n");
    qputenv("MOUSECFG_VIRTUAL_MOUSE", scenario.toLocal8Bit());
    ProgramSession program;
    QScopedPointer<MousecfgWidget> window(program.newWindow());

    // Present, not opened, and explained instead of "Dongle Disconnect!".
    QTRY_COMPARE_WITH_TIMEOUT(prompts.boxes.size(), 1, 5000);
    const ScriptedPrompts::Box box = prompts.boxes.first();
    QCOMPARE(box.title, QStringLiteral("No access to the mouse"));
    QVERIFY2(box.text.contains("virtual-receiver: permission denied"), qPrintable(box.text));
    // The commands broken with shell continuations, as the narrow box would otherwise break them.
    QVERIFY(box.text.contains("sudo install -m 644 \\\n    data/70-mousecfg.rules /etc/udev/rules.d/\n"));
    QVERIFY(box.text.contains("sudo udevadm control --reload && \\\n    sudo udevadm trigger\n"));
    QVERIFY(!program.session.link().CommandHandleOpen());
    // Asked again from the tray, it says the same.
    window->showAndWarn();
    QCOMPARE(prompts.boxes.size(), 2);
    QCOMPARE(prompts.boxes.last().text, box.text);

    // The rule applied and the receiver plugged again: opened and shown, no restart, no other box.
    QTRY_VERIFY_WITH_TIMEOUT(program.session.link().InterfaceOpen(ReceiverCommand), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(window->connectionDisplay()->state().connectionState(),
                              BatteryDisplayState::Receiver, 5000);
    QTest::qWait(500);
    for (const ScriptedPrompts::Box &shown : prompts.boxes)
        QVERIFY2(shown.title == box.title, qPrintable(shown.text));
    QVERIFY(program.session.link().DeniedDeviceNodes().isEmpty());
    window.reset();
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

void TestDeviceAccess::cutUploadOfferedOnce()
{
    const QString offer
        = QStringLiteral("The last transfer to the mouse did not finish. Send the settings again?");
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
    ScriptedPrompts prompts;
    // Slow replies, so that the upload is still running when the receiver is pulled.
    qputenv("MOUSECFG_VIRTUAL_MOUSE", dir.writeFile("slow.ini", "[Mouse]\nLatencyMs=20\n").toLocal8Bit());
    // The timeline's clock starts inside the window's constructor, so never after this one: events
    // added at `clock + n` fire n ms from now at the latest.
    QElapsedTimer clock;
    clock.start();
    ProgramSession program;
    QScopedPointer<MousecfgWidget> window(program.newWindow());
    VirtualMouse *mouse = window->findChild<VirtualMouse *>();
    QVERIFY(mouse);
    QTRY_VERIFY_WITH_TIMEOUT(program.session.link().InterfaceOpen(ReceiverCommand), 5000);
    QTest::qWait(1000);
    QVERIFY(!prompts.texts().contains(offer));

    // Pulled out midway: the upload fails and is marked cut.
    mouse->clearReports();
    QVERIFY(mouse->timeline()->add(int(clock.elapsed()) + 300, QStringLiteral("unplug receiver")));
    QVERIFY(window->profileBar()->operations()->applyToDevice(true) != ReportOk);
    QVERIFY(!mouse->reports().isEmpty());
    QVERIFY(LastUploadCut());
    const CliResult status = runCli(dir, { "status" }, "receiver");
    QVERIFY2(status.output.contains("Last transfer: did not finish; 'mousecfg-cli apply --all'"),
             qPrintable(status.output));

    // Plugged again: one offer; "Yes" sends every block and clears the mark.
    prompts.boxes.clear();
    mouse->clearReports();
    QVERIFY(mouse->timeline()->add(int(clock.elapsed()), QStringLiteral("plug receiver")));
    QTRY_VERIFY_WITH_TIMEOUT(prompts.texts().contains(offer), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!LastUploadCut() && LoadDiff() == 0, 30000);
    QList<quint8> commands;
    for (const QByteArray &report : mouse->reports())
        commands << quint8(report[3]);
    for (const quint8 block : { CmdGeneralBlock, CmdDpiBlock, CmdButtonBlock, CmdLightingBlock })
        QVERIFY2(commands.contains(block), qPrintable(QString::number(block)));
    QCOMPARE(prompts.texts().count(offer), 1);

    // Back again after a good upload: nothing to offer.
    mouse->unplug(VirtualMouse::Receiver);
    mouse->plug(VirtualMouse::Receiver);
    QTRY_VERIFY_WITH_TIMEOUT(program.session.link().InterfaceOpen(ReceiverCommand), 5000);
    QTest::qWait(1500);
    QCOMPARE(prompts.texts().count(offer), 1);
    window.reset();
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");

    // The command line's full upload clears the mark as well.
    QVERIFY(SaveUploadCut(true) && SaveDiff(1));
    QCOMPARE(runCli(dir, { "apply", "--all" }, "receiver").exitCode, 0);
    QVERIFY(!LastUploadCut());
}

void TestDeviceAccess::doctor_data()
{
    QTest::addColumn<QByteArray>("scenario");
    QTest::addColumn<QByteArray>("display"); // DISPLAY; empty: none
    QTest::addColumn<QStringList>("expected"); // lines, or their start, that must be there

    QTest::newRow("virtual mouse")
        << QByteArray("[Mouse]\nConnection=receiver\n") << QByteArray(":7")
        << QStringList { "OK       mouse: virtual mouse",
                         "OK       display: X11 (:7)",
                         "OK       notifications: a notification service is running",
                         "PROBLEM  tray: org.kde.StatusNotifierWatcher is not on the session bus; fix: ",
                         "OK       notice folder: ",
                         "OK       settings folder: ",
                         "OK       disk space: " };
    QTest::newRow("access denied")
        << QByteArray("[Mouse]\nAccess=denied\n") << QByteArray(":7")
        << QStringList {
               "PROBLEM  mouse: virtual mouse",
               "virtual-receiver may not be opened (permission denied); "
               "fix: sudo install -m 644 data/70-mousecfg.rules /etc/udev/rules.d/ && sudo udevadm"
           };
    QTest::newRow("no mouse, no display")
        << QByteArray("[Mouse]\nConnection=none\n") << QByteArray()
        << QStringList { "PROBLEM  mouse: no receiver or cable", "PROBLEM  display: none" };
}

void TestDeviceAccess::doctor()
{
    QFETCH(QByteArray, scenario);
    QFETCH(QByteArray, display);
    QFETCH(QStringList, expected);
    // A private session bus with a notification service and no tray host.
    PrivateBus bus;
    const QString address = bus.address();
    if (address.isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps.sh)");
    QDBusConnection service = QDBusConnection::connectToBus(address, QStringLiteral("notices"));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.Notifications")));

    TestAppDir dir(TestAppDir::Installed);
    const QByteArray saved[] = { qgetenv("DBUS_SESSION_BUS_ADDRESS"), qgetenv("DISPLAY"),
                                 qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_RUNTIME_DIR") };
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    qputenv("DISPLAY", display);
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    const CliResult result = runCli(dir, { "doctor" }, dir.writeFile("mouse.ini", scenario));
    qputenv("DBUS_SESSION_BUS_ADDRESS", saved[0]);
    qputenv("DISPLAY", saved[1]);
    if (!saved[2].isEmpty())
        qputenv("WAYLAND_DISPLAY", saved[2]);
    qputenv("XDG_RUNTIME_DIR", saved[3]);
    QDBusConnection::disconnectFromBus(QStringLiteral("notices"));

    // One line per check, each passed or a problem with its fix; exit 1 exactly when one is a problem.
    const QStringList lines = result.output.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 9);
    for (const QString &line : lines)
        QVERIFY2(line.startsWith("OK       ") || (line.startsWith("PROBLEM  ") && line.contains("; fix: ")),
                 qPrintable(line));
    QCOMPARE(result.exitCode, result.output.contains("PROBLEM") ? 1 : 0);
    for (const QString &part : expected)
        QVERIFY2(result.output.contains(part), qPrintable(part + "\n" + result.output));
}

QTEST_MAIN(TestDeviceAccess)
#include "test_device_access.moc"
