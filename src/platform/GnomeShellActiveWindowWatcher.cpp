#include "platform/GnomeShellActiveWindowWatcher.h"

#include "platform/GnomeShellExtension.h"
#include "platform/LogCategories.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

const QString GnomeShellActiveWindowWatcher::ObjectPath = QStringLiteral("/org/mousecfg/ActiveWindow");

GnomeShellActiveWindowWatcher::GnomeShellActiveWindowWatcher(const QDBusConnection &bus, QObject *parent)
    : ActiveWindowWatcher(parent)
    , m_bus(bus)
{ }

GnomeShellActiveWindowWatcher::~GnomeShellActiveWindowWatcher()
{
    stop();
}

bool GnomeShellActiveWindowWatcher::start()
{
    if (m_running)
        return true;
    if (!m_bus.isConnected())
        return false;
    m_shellOwner = m_bus.interface()->serviceOwner(QStringLiteral("org.gnome.Shell")).value();
    if (m_shellOwner.isEmpty())
        return false;
    GnomeShellExtension extension(m_bus);
    const GnomeShellExtension::State state = extension.state();
    if (state != GnomeShellExtension::State::On) {
        qCInfo(lcPlatform) << "the GNOME Shell extension" << extension.uuid() << "is not running";
        return false;
    }
    if (!m_bus.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots))
        return false;
    m_running = true;
    m_last = ActiveWindow();
    return true;
}

void GnomeShellActiveWindowWatcher::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_bus.unregisterObject(ObjectPath);
}

void GnomeShellActiveWindowWatcher::windowActivated(const QString &windowClass, const QString &applicationId,
                                                    const QString &pid)
{
    // Any program on the bus could call; only the shell tells which window has the focus.
    if (!m_running || (calledFromDBus() && message().service() != m_shellOwner)) {
        qCDebug(lcPlatform) << "window report ignored from" << (calledFromDBus() ? message().service() : QString());
        return;
    }
    ActiveWindow window;
    window.pid = qMax(0LL, pid.toLongLong());
    window.executable = ExecutableOfProcess(window.pid);
    for (const QString &name : { applicationId, windowClass }) {
        if (!name.isEmpty() && !window.classes.contains(name, Qt::CaseInsensitive))
            window.classes << name;
    }
    if (window == m_last)
        return;
    m_last = window;
    emit activeWindowChanged(window);
}
