#include "platform/DesktopSession.h"
#include "platform/GnomeShellExtension.h"
#include "ui/main/AppSwitchSupport.h"

#include <QtTest>

// Which watcher each kind of session gets, how the dialog names the desktop and what it says there,
// and how the shell's record of the extension reads.
class TestDesktopSession : public QObject
{
    Q_OBJECT
private slots:
    void sessionPicksTheWatcher_data();
    void sessionPicksTheWatcher();
    void sentenceTellsWhatWorks_data();
    void sentenceTellsWhatWorks();
    void extensionRecordReads_data();
    void extensionRecordReads();
};

void TestDesktopSession::sessionPicksTheWatcher_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<bool>("waylandDisplay");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QStringList>("busNames");
    QTest::addColumn<bool>("swaySocket");
    QTest::addColumn<bool>("foreignToplevel");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    const QStringList none;
    const QStringList shell { "org.gnome.Shell" };
    const QStringList kwin { "org.kde.KWin" };
    // clang-format off
    QTest::newRow("GNOME on Wayland") << "GNOME" << "wayland" << true << "wayland" << none << false << false << int(WatcherKind::GnomeShell) << "GNOME (Wayland)";
    QTest::newRow("Ubuntu's GNOME") << "ubuntu:GNOME" << "wayland" << true << "wayland" << none << false << false << int(WatcherKind::GnomeShell) << "GNOME (Wayland)";
    QTest::newRow("GNOME Classic") << "GNOME-Classic:GNOME" << "wayland" << true << "xcb" << none << false << false << int(WatcherKind::GnomeShell) << "GNOME (Wayland)";
    QTest::newRow("GNOME, program on XWayland") << "GNOME" << "wayland" << true << "xcb" << none << false << false << int(WatcherKind::GnomeShell) << "GNOME (Wayland)";
    QTest::newRow("GNOME on X11") << "GNOME" << "x11" << false << "xcb" << none << false << false << int(WatcherKind::X11) << "GNOME (X11)";
    QTest::newRow("unnamed, shell on the bus") << "" << "wayland" << true << "wayland" << shell << false << false << int(WatcherKind::GnomeShell) << "GNOME (Wayland)";
    QTest::newRow("Plasma on Wayland") << "KDE" << "wayland" << true << "wayland" << none << false << false << int(WatcherKind::KWin) << "KDE Plasma (Wayland)";
    QTest::newRow("unnamed, KWin on the bus") << "" << "" << true << "wayland" << kwin << false << false << int(WatcherKind::KWin) << "KDE Plasma (Wayland)";
    QTest::newRow("Plasma on X11") << "KDE" << "x11" << false << "xcb" << none << false << false << int(WatcherKind::X11) << "KDE Plasma (X11)";
    QTest::newRow("Xfce") << "XFCE" << "x11" << false << "xcb" << none << false << false << int(WatcherKind::X11) << "XFCE (X11)";
    QTest::newRow("Wayland session, display unset") << "GNOME" << "wayland" << false << "offscreen" << none << false << false << int(WatcherKind::GnomeShell) << "GNOME (Wayland)";
    QTest::newRow("unknown compositor") << "Weston" << "" << true << "wayland" << none << false << false << int(WatcherKind::None) << "Weston (Wayland)";
    QTest::newRow("nothing named") << "" << "" << false << "offscreen" << none << false << false << int(WatcherKind::None) << "";
    QTest::newRow("sway") << "sway" << "wayland" << true << "wayland" << none << true << false << int(WatcherKind::Sway) << "sway (Wayland)";
    QTest::newRow("sway, program on XWayland") << "sway" << "wayland" << true << "xcb" << none << true << false << int(WatcherKind::Sway) << "sway (Wayland)";
    QTest::newRow("Hyprland") << "Hyprland" << "wayland" << true << "wayland" << none << false << true << int(WatcherKind::Wlroots) << "Hyprland (Wayland)";
    QTest::newRow("GNOME before a window list") << "GNOME" << "wayland" << true << "wayland" << none << false << true << int(WatcherKind::GnomeShell) << "GNOME (Wayland)";
    // clang-format on
}

void TestDesktopSession::sessionPicksTheWatcher()
{
    QFETCH(QString, desktop);
    QFETCH(QString, sessionType);
    QFETCH(bool, waylandDisplay);
    QFETCH(QString, platform);
    QFETCH(QStringList, busNames);
    QFETCH(bool, swaySocket);
    QFETCH(bool, foreignToplevel);
    QFETCH(int, kind);
    QFETCH(QString, label);
    DesktopSession session;
    session.currentDesktop = desktop;
    session.sessionType = sessionType;
    session.waylandDisplay = waylandDisplay;
    session.qtPlatform = platform;
    session.busNames = busNames;
    session.swaySocket = swaySocket;
    session.foreignToplevel = foreignToplevel;
    QCOMPARE(int(session.watcherKind()), kind);
    QCOMPARE(session.label(), label);
}

void TestDesktopSession::sentenceTellsWhatWorks_data()
{
    using State = GnomeShellExtension::State;
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<int>("extension");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("offersEnable");
    // clang-format off
    QTest::newRow("X11") << int(WatcherKind::X11) << "XFCE (X11)" << int(State::Unknown) << "XFCE (X11): profiles follow the program in front." << false;
    QTest::newRow("X11, unnamed") << int(WatcherKind::X11) << "" << int(State::Unknown) << "Profiles follow the program in front on this desktop." << false;
    QTest::newRow("Plasma") << int(WatcherKind::KWin) << "KDE Plasma (Wayland)" << int(State::Unknown) << "KDE Plasma (Wayland): profiles follow the program in front." << false;
    QTest::newRow("GNOME, extension on") << int(WatcherKind::GnomeShell) << "GNOME (Wayland)" << int(State::On) << "GNOME (Wayland): profiles follow the program in front through the GNOME Shell extension" << false;
    QTest::newRow("GNOME, extension off") << int(WatcherKind::GnomeShell) << "GNOME (Wayland)" << int(State::Off) << "is off, so profiles cannot follow the program in front. Turn it on" << true;
    QTest::newRow("GNOME, extension missing") << int(WatcherKind::GnomeShell) << "GNOME (Wayland)" << int(State::Missing) << "is not installed" << false;
    QTest::newRow("GNOME, extension failed") << int(WatcherKind::GnomeShell) << "GNOME (Wayland)" << int(State::Failed) << "GNOME Shell could not run the extension" << false;
    QTest::newRow("GNOME, shell silent") << int(WatcherKind::GnomeShell) << "GNOME (Wayland)" << int(State::Unknown) << "GNOME (Wayland) does not tell which program is in front" << false;
    QTest::newRow("unknown compositor") << int(WatcherKind::None) << "Weston (Wayland)" << int(State::Unknown) << "Weston (Wayland) does not tell which program is in front" << false;
    QTest::newRow("nothing named") << int(WatcherKind::None) << "" << int(State::Unknown) << "This desktop does not tell which program is in front" << false;
    // The extension's state counts on GNOME Shell only.
    QTest::newRow("sway") << int(WatcherKind::Sway) << "sway (Wayland)" << int(State::Unknown) << "sway (Wayland): profiles follow the program in front." << false;
    QTest::newRow("other wlroots compositor") << int(WatcherKind::Wlroots) << "Hyprland (Wayland)" << int(State::Unknown) << "by application id only" << false;
    QTest::newRow("Plasma, extension off") << int(WatcherKind::KWin) << "KDE Plasma (Wayland)" << int(State::Off) << "KDE Plasma (Wayland): profiles follow" << false;
    // clang-format on
}

void TestDesktopSession::sentenceTellsWhatWorks()
{
    QFETCH(int, kind);
    QFETCH(QString, desktop);
    QFETCH(int, extension);
    QFETCH(QString, says);
    QFETCH(bool, offersEnable);
    const QString sentence
        = AppSwitchSupport::sentence(WatcherKind(kind), desktop, GnomeShellExtension::State(extension));
    QVERIFY2(sentence.contains(says), qPrintable(sentence));
    QCOMPARE(AppSwitchSupport::offersEnable(WatcherKind(kind), GnomeShellExtension::State(extension)), offersEnable);
}

void TestDesktopSession::extensionRecordReads_data()
{
    using State = GnomeShellExtension::State;
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<QString>("shellVersion");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("uuid");
    const QString modern = QStringLiteral("mousecfg-focus@mousecfg.org");
    const QString legacy = QStringLiteral("mousecfg-focus-legacy@mousecfg.org");
    const auto record = [](double state) { return QVariantMap { { "state", state }, { "uuid", "x" } }; };
    // clang-format off
    QTest::newRow("running, 43") << record(1) << "43.9" << int(State::On) << legacy;
    QTest::newRow("off, 44") << record(2) << "44.0" << int(State::Off) << legacy;
    QTest::newRow("error, 45") << record(3) << "45.rc" << int(State::Failed) << modern;
    QTest::newRow("out of date, 47") << record(4) << "47.2" << int(State::Failed) << modern;
    QTest::newRow("initialized, 46") << record(6) << "46.1" << int(State::Off) << modern;
    QTest::newRow("uninstalled, 48") << record(99) << "48.0" << int(State::Missing) << modern;
    QTest::newRow("no record") << QVariantMap() << "49.1" << int(State::Missing) << modern;
    QTest::newRow("unreadable version") << record(1) << "" << int(State::On) << modern;
    // clang-format on
}

void TestDesktopSession::extensionRecordReads()
{
    QFETCH(QVariantMap, info);
    QFETCH(QString, shellVersion);
    QFETCH(int, state);
    QFETCH(QString, uuid);
    QCOMPARE(int(GnomeShellExtension::stateFromInfo(info)), state);
    QCOMPARE(GnomeShellExtension::uuidForShell(shellVersion), uuid);
}

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "test_desktopsession.moc"
