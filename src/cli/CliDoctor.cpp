#include "cli/CliDoctor.h"

#include "cli/CliDevice.h"
#include "device/link/AccessAdvice.h"
#include "device/session/MouseSession.h"
#include "storage/AppPaths.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <utility>

#include <unistd.h>

namespace {

// Below this the next configuration export (about 1.3 MB) and its safe-write copy may not fit.
constexpr qint64 MinFreeBytes = 50LL * 1024 * 1024;

struct Finding
{
    bool ok;
    QString text;
};

Finding pass(const QString &check, const QString &what)
{
    return { true, check + QStringLiteral(": ") + what };
}

Finding fail(const QString &check, const QString &problem, const QString &fix)
{
    return { false, check + QStringLiteral(": ") + problem + QStringLiteral("; fix: ") + fix };
}

QString ruleInstallFix()
{
    return AccessAdvice::installCommands().join(QStringLiteral(" && "))
        + QStringLiteral(", then plug the receiver in again");
}

QString env(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// Receivers and cables of the product with one of their two collections only (a descriptor without
// the command collection): never opened, whatever their permissions.
QStringList ignoredNodes(const DeviceLink &link)
{
    QStringList ignored;
    for (const auto &group :
         { std::make_pair(ReceiverMouse, ReceiverCommand), std::make_pair(CableMouse, CableCommand) }) {
        const bool mouse = link.InterfacePresent(group.first);
        const bool command = link.InterfacePresent(group.second);
        if (mouse != command) {
            ignored << QStringLiteral("%1 is ignored: its report descriptor has no %2 collection")
                           .arg(link.InterfaceNode(mouse ? group.first : group.second),
                                mouse ? QStringLiteral("command (usage page 1, usage 0)")
                                      : QStringLiteral("mouse (usage page 1, usage 2)"));
        }
    }
    return ignored;
}

Finding mouseCheck(const CliDevice &device)
{
    const QString check = QStringLiteral("mouse");
    const QString virtualMouse = env("MOUSECFG_VIRTUAL_MOUSE");
    const DeviceLink &link = device.session().link();
    const QStringList present = link.PresentDeviceNodes();
    const QStringList denied = link.DeniedDeviceNodes();
    const QString &name = device.session().product().name;
    const QString product = name.isEmpty() ? QStringLiteral("the mouse") : name;
    const QString what = virtualMouse.isEmpty()
        ? present.join(QStringLiteral(", "))
        : QStringLiteral("virtual mouse '%1' (%2)").arg(virtualMouse, present.join(QStringLiteral(", ")));
    if (present.isEmpty()) {
        return fail(check, QStringLiteral("no receiver or cable of %1 found").arg(product),
                    QStringLiteral("plug the receiver or the cable in"));
    }
    if (!denied.isEmpty()) {
        return fail(check,
                    QStringLiteral("%1 present, but %2 may not be opened (permission denied)")
                        .arg(what, denied.join(QStringLiteral(", "))),
                    ruleInstallFix());
    }
    const QStringList ignored = ignoredNodes(link);
    if (!ignored.isEmpty() && !device.connected()) {
        return fail(check, ignored.join(QStringLiteral("; ")),
                    QStringLiteral("plug in the receiver that came with %1, or connect it by its cable")
                        .arg(product));
    }
    // A real node can be present and open for reading yet refuse writes (a rule with the wrong mode).
    QStringList notWritable;
    if (virtualMouse.isEmpty()) {
        for (const QString &node : present) {
            if (::access(node.toLocal8Bit().constData(), R_OK | W_OK) != 0)
                notWritable << node;
        }
    }
    if (!notWritable.isEmpty() || !device.connected()) {
        return fail(check, QStringLiteral("%1 present, but not readable and writable").arg(what),
                    ruleInstallFix());
    }
    QString found = QStringLiteral("%1 present, readable and writable").arg(what);
    if (!ignored.isEmpty())
        found += QStringLiteral("; ") + ignored.join(QStringLiteral("; "));
    return pass(check, found);
}

Finding ruleCheck()
{
    const QString check = QStringLiteral("udev rule");
    const QString path = AccessAdvice::installedRulePath();
    if (!path.isEmpty())
        return pass(check, path);
    return fail(check, QStringLiteral("%1 is not installed").arg(AccessAdvice::ruleFileName()),
                ruleInstallFix());
}

Finding seatCheck()
{
    const QString check = QStringLiteral("seat");
    const QString seat = env("XDG_SEAT");
    if (!seat.isEmpty())
        return pass(
            check,
            QStringLiteral("this session is on %1, so the rule's uaccess gives it the mouse").arg(seat));
    return fail(
        check,
        QStringLiteral("this session is on no seat (remote, ssh or a service), so uaccess gives it nothing"),
        QStringLiteral("run at the machine's own desktop, or add a rule giving your group the nodes "
                       "(GROUP=\"plugdev\", MODE=\"0660\")"));
}

Finding displayCheck()
{
    const QString check = QStringLiteral("display");
    if (!env("WAYLAND_DISPLAY").isEmpty())
        return pass(check, QStringLiteral("Wayland (%1)").arg(env("WAYLAND_DISPLAY")));
    if (!env("DISPLAY").isEmpty())
        return pass(check, QStringLiteral("X11 (%1)").arg(env("DISPLAY")));
    return fail(check, QStringLiteral("none (neither WAYLAND_DISPLAY nor DISPLAY is set)"),
                QStringLiteral("start the window from a desktop session; mousecfg-cli needs no display"));
}

// The session bus names that matter, or why they cannot be asked.
Finding busCheck(const QString &check, const QString &service, const QString &what, const QString &fix)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(check, QStringLiteral("no session bus"), QStringLiteral("start from a desktop session"));
    QDBusConnectionInterface *names = bus.interface();
    if (names->isServiceRegistered(service).value()
        || names->activatableServiceNames().value().contains(service))
        return pass(check, what);
    return fail(check, QStringLiteral("%1 is not on the session bus").arg(service), fix);
}

Finding runtimeCheck()
{
    const QString check = QStringLiteral("notice folder");
    const QString dir = env("XDG_RUNTIME_DIR");
    if (dir.isEmpty()) {
        return fail(check, QStringLiteral("XDG_RUNTIME_DIR is not set"),
                    QStringLiteral("log in through a session manager that sets it (systemd-logind)"));
    }
    const QFileInfo info(dir);
    if (!info.isDir() || !info.isWritable())
        return fail(check, QStringLiteral("%1 is not a writable folder").arg(dir),
                    QStringLiteral("log in again, or create it owned by you with mode 0700"));
    return pass(check, QStringLiteral("%1 writable").arg(dir));
}

// The folder itself, or the nearest folder above it that exists.
QString existingAncestor(QString path)
{
    while (!QFileInfo(path).exists() && path.size() > 1)
        path = QFileInfo(path).absolutePath();
    return path;
}

Finding configsCheck()
{
    const QString check = QStringLiteral("settings folder");
    const QString dir = AppPaths::configsDir();
    const QString existing = existingAncestor(dir);
    // A folder can be writable by its mode yet on a read-only file system: try it.
    QTemporaryFile probe(existing + QStringLiteral("/.mousecfg-doctor-XXXXXX"));
    if (!QFileInfo(existing).isDir() || !probe.open())
        return fail(check, QStringLiteral("%1 is not writable").arg(dir),
                    QStringLiteral("make %1 writable for you (chmod u+w, or fix its owner)").arg(existing));
    return pass(check, QStringLiteral("%1 writable").arg(dir));
}

Finding spaceCheck()
{
    const QString check = QStringLiteral("disk space");
    const QStorageInfo storage(existingAncestor(AppPaths::configsDir()));
    const qint64 free = storage.bytesAvailable();
    const QString amount = QStringLiteral("%1 MB free").arg(free / (1024 * 1024));
    if (free < MinFreeBytes)
        return fail(check, amount + QStringLiteral(" for the settings"),
                    QStringLiteral("free some space on %1").arg(storage.rootPath()));
    return pass(check, amount);
}

} // namespace

QStringList doctorFindings(bool *allPassed)
{
    QVector<Finding> findings;
    {
        const CliDevice device;
        findings << mouseCheck(device);
    }
    findings << ruleCheck() << seatCheck() << displayCheck()
             << busCheck(QStringLiteral("tray"), QStringLiteral("org.kde.StatusNotifierWatcher"),
                         QStringLiteral("a tray host is running"),
                         QStringLiteral("turn on the desktop's tray (on GNOME, the AppIndicator extension)"))
             << busCheck(
                    QStringLiteral("notifications"), QStringLiteral("org.freedesktop.Notifications"),
                    QStringLiteral("a notification service is running"),
                    QStringLiteral("install or start a notification service (the desktop's own, or dunst)"))
             << runtimeCheck() << configsCheck() << spaceCheck();
    QStringList lines;
    bool passed = true;
    for (const Finding &finding : findings) {
        lines << (finding.ok ? QStringLiteral("OK       ") : QStringLiteral("PROBLEM  ")) + finding.text;
        passed = passed && finding.ok;
    }
    if (allPassed)
        *allPassed = passed;
    return lines;
}

namespace {

int doctor(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: mousecfg-cli doctor\n";
        return ExitUsage;
    }
    bool allPassed = true;
    for (const QString &line : doctorFindings(&allPassed))
        out << line << "\n";
    return allPassed ? 0 : 1;
}

} // namespace

CliCommand doctorCommand()
{
    return { "doctor", "", doctor };
}
