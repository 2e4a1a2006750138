#include "PrivateBus.h"
#include "platform/GnomePointerSpeed.h"
#include "platform/KWinPointerSpeed.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedBackend.h"

#include <QDBusConnection>
#include <QThread>
#include <QtTest>

// The pointer speed on GNOME (GSettings with a private keyfile backend and the installed schema) and
// on Plasma (a stand-in KWin on a private session bus), and which backend each session gets.
class TestDesktopPointerSpeed : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void factoryPicksTheSessionsBackend_data();
    void factoryPicksTheSessionsBackend();
    void gnomeSetAndReadBack();
    void kwinSetAndReadBack();
    void cleanupTestCase();

private:
    QTemporaryDir m_home;
    bool m_schema = false;
};

// One of KWin's input devices, as its D-Bus object shows it.
class StandInDevice : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDevice")
    Q_PROPERTY(bool pointer MEMBER pointer)
    Q_PROPERTY(bool touchpad MEMBER touchpad)
    Q_PROPERTY(double pointerAcceleration MEMBER pointerAcceleration)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(uint vendor MEMBER vendor)
    Q_PROPERTY(uint product MEMBER product)
public:
    bool pointer = false;
    bool touchpad = false;
    double pointerAcceleration = 0;
    QString name;
    uint vendor = 0;
    uint product = 0;
};

class StandInManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDeviceManager")
    Q_PROPERTY(QStringList devicesSysNames MEMBER devicesSysNames)
public:
    QStringList devicesSysNames;
};

// KWin's input devices on a bus, answering from a thread of their own (the test's thread blocks in
// its calls).
class StandInKWin
{
public:
    explicit StandInKWin(const QString &address)
        : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("kwin")))
    {
        mouse.pointer = true;
        mouse.name = QStringLiteral("Test Gaming Mouse");
        mouse.vendor = 1133;
        mouse.product = 49291;
        mouse.pointerAcceleration = 0.0;
        touchpad.pointer = true;
        touchpad.touchpad = true;
        touchpad.pointerAcceleration = 0.5;
        manager.devicesSysNames = QStringList { "event3", "event4", "event5" };
        for (QObject *object : std::initializer_list<QObject *> { &manager, &mouse, &touchpad, &keyboard })
            object->moveToThread(&m_thread);
        m_thread.start();
        const auto options = QDBusConnection::ExportAllProperties;
        m_bus.registerObject("/org/kde/KWin/InputDevice", &manager, options);
        m_bus.registerObject("/org/kde/KWin/InputDevice/event3", &mouse, options);
        m_bus.registerObject("/org/kde/KWin/InputDevice/event4", &touchpad, options);
        m_bus.registerObject("/org/kde/KWin/InputDevice/event5", &keyboard, options);
        m_bus.registerService("org.kde.KWin");
    }
    ~StandInKWin()
    {
        m_bus.unregisterService("org.kde.KWin");
        for (const char *path : { "/org/kde/KWin/InputDevice", "/org/kde/KWin/InputDevice/event3",
                                  "/org/kde/KWin/InputDevice/event4", "/org/kde/KWin/InputDevice/event5" })
            m_bus.unregisterObject(path);
        m_thread.quit();
        m_thread.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("kwin"));
    }

    StandInManager manager;
    StandInDevice mouse, touchpad, keyboard;

private:
    QDBusConnection m_bus;
    QThread m_thread;
};

void TestDesktopPointerSpeed::initTestCase()
{
    // GNOME's schema from gsettings-desktop-schemas, compiled into a folder of the test's own.
    const QString installed = QStringLiteral("/usr/share/glib-2.0/schemas");
    const QString schemas = m_home.path() + "/schemas";
    QDir().mkpath(schemas);
    for (const char *file : { "org.gnome.desktop.peripherals.gschema.xml", "org.gnome.desktop.enums.xml" })
        QFile::copy(installed + '/' + QLatin1String(file), schemas + '/' + QLatin1String(file));
    const QString compiler = QStandardPaths::findExecutable("glib-compile-schemas");
    if (!compiler.isEmpty() && QFile::exists(schemas + "/org.gnome.desktop.peripherals.gschema.xml"))
        m_schema = QProcess::execute(compiler, { schemas }) == 0;
    qputenv("GSETTINGS_SCHEMA_DIR", QFile::encodeName(schemas));
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    // The stand-in for Plasma's settings writer logs what it is asked to write.
    const QString bin = m_home.path() + "/bin";
    QDir().mkpath(bin);
    QFile writer(bin + "/kwriteconfig5");
    QVERIFY(writer.open(QIODevice::WriteOnly));
    writer.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s|' \"$a\"; done >> \"$0.log\"\necho >> \"$0.log\"\n");
    writer.close();
    writer.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin) + ':' + qgetenv("PATH"));
}

void TestDesktopPointerSpeed::factoryPicksTheSessionsBackend_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<bool>("kwinThere");
    QTest::addColumn<QString>("expected");
    QTest::newRow("GNOME on Wayland") << "GNOME" << true << false << false << "gnome";
    QTest::newRow("Ubuntu's GNOME on X11") << "ubuntu:GNOME" << false << true << false << "gnome";
    QTest::newRow("Plasma on Wayland") << "KDE" << true << false << true << "kwin";
    QTest::newRow("Plasma on Wayland, KWin silent") << "KDE" << true << false << false << "remembered";
    QTest::newRow("Plasma on X11") << "KDE" << false << true << true << "x11";
    QTest::newRow("Xfce on X11") << "XFCE" << false << true << false << "x11";
    QTest::newRow("another Wayland compositor") << "sway" << true << false << false << "remembered";
    QTest::newRow("nothing known") << "" << false << false << false << "remembered";
}

void TestDesktopPointerSpeed::factoryPicksTheSessionsBackend()
{
    QFETCH(QString, desktop);
    QFETCH(bool, wayland);
    QFETCH(bool, x11);
    QFETCH(bool, kwinThere);
    QFETCH(QString, expected);
    if (expected == "gnome" && !m_schema)
        QSKIP("GNOME's schema is not installed (gsettings-desktop-schemas, scripts/install-deps.sh)");
    PrivateBus bus;
    if (bus.address().isEmpty())
        QSKIP("dbus-daemon did not start");
    QScopedPointer<StandInKWin> kwin(kwinThere ? new StandInKWin(bus.address()) : nullptr);
    {
        PointerSpeedSession session;
        session.desktop = desktop;
        session.wayland = wayland;
        session.x11 = x11;
        session.bus = QDBusConnection::connectToBus(bus.address(), "factory");
        const auto backend = CreatePointerSpeedBackend(session);
        QCOMPARE(backend->name(), expected);
        QCOMPARE(backend->canSet(), expected != "remembered");
    }
    QDBusConnection::disconnectFromBus("factory");
}

void TestDesktopPointerSpeed::gnomeSetAndReadBack()
{
    if (!m_schema)
        QSKIP("GNOME's schema is not installed (gsettings-desktop-schemas, scripts/install-deps.sh)");
    auto gnome = GnomePointerSpeed::create();
    QVERIFY(gnome);
    for (int speed : { 1, 7, 10, 11, 20 }) {
        QVERIFY(gnome->apply(speed));
        int read = 0;
        QVERIFY(gnome->read(&read));
        QCOMPARE(read, speed);
    }
    // A slot change goes through the same backend; the value stays in the user's settings.
    SetPointerSpeedBackend(std::move(gnome));
    QVERIFY(ApplySlotMouseSpeed(4));
    QVERIFY(!ApplySlotMouseSpeed(21));
    QCOMPARE(GetSystemMouseSpeed(), 4);
    QVERIFY(SystemMouseSpeedSettable());
    QFile keyfile(m_home.path() + "/config/glib-2.0/settings/keyfile");
    QVERIFY(keyfile.open(QIODevice::ReadOnly));
    const QByteArray stored = keyfile.readAll();
    QVERIFY2(stored.contains("[org/gnome/desktop/peripherals/mouse]"), stored.constData());
    QVERIFY2(stored.contains("speed=" + QByteArray::number(LibinputAccelFromSpeed(4)).left(6)), stored.constData());
    SetPointerSpeedBackend(nullptr);
}

void TestDesktopPointerSpeed::kwinSetAndReadBack()
{
    PrivateBus bus;
    if (bus.address().isEmpty())
        QSKIP("dbus-daemon did not start");
    StandInKWin kwin(bus.address());
    {
        auto backend = KWinPointerSpeed::create(QDBusConnection::connectToBus(bus.address(), "plasma"));
        QVERIFY(backend);
        int read = 0;
        QVERIFY(backend->read(&read));
        QCOMPARE(read, 11); // libinput's default 0 lands between 10 and 11

        // The mouse takes the speed, the touchpad keeps its own, and Plasma's setting is written.
        QVERIFY(backend->apply(15));
        QCOMPARE(kwin.mouse.pointerAcceleration, LibinputAccelFromSpeed(15));
        QCOMPARE(kwin.touchpad.pointerAcceleration, 0.5);
        QVERIFY(backend->read(&read));
        QCOMPARE(read, 15);
        QFile log(m_home.path() + "/bin/kwriteconfig5.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(log.readAll()).trimmed(),
                 QStringLiteral("--file|kcminputrc|--group|Libinput|--group|1133|--group|49291|--group|"
                                "Test Gaming Mouse|--key|PointerAcceleration|%1|")
                     .arg(LibinputAccelFromSpeed(15), 0, 'f', 3));

        // A slot change sets it through the same backend.
        SetPointerSpeedBackend(std::move(backend));
        QVERIFY(ApplySlotMouseSpeed(2));
        QCOMPARE(kwin.mouse.pointerAcceleration, LibinputAccelFromSpeed(2));
        QCOMPARE(GetSystemMouseSpeed(), 2);
        SetPointerSpeedBackend(nullptr);
    }
    QDBusConnection::disconnectFromBus("plasma");
}

void TestDesktopPointerSpeed::cleanupTestCase()
{
    SetPointerSpeedBackend(nullptr);
}

QTEST_GUILESS_MAIN(TestDesktopPointerSpeed)
#include "test_desktoppointerspeed.moc"
