#include "platform/KWinActiveWindowWatcher.h"

#include "platform/LogCategories.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QStandardPaths>

namespace {

const QString KWinService = QStringLiteral("org.kde.KWin");
const QString ScriptingPath = QStringLiteral("/Scripting");
const QString ScriptingInterface = QStringLiteral("org.kde.kwin.Scripting");

QDBusMessage scriptingCall(const QString &method)
{
    return QDBusMessage::createMethodCall(KWinService, ScriptingPath, ScriptingInterface, method);
}

} // namespace

const QString KWinActiveWindowWatcher::PluginName = QStringLiteral("mousecfg-active-window");
const QString KWinActiveWindowWatcher::ObjectPath = QStringLiteral("/org/mousecfg/ActiveWindow");

KWinActiveWindowWatcher::KWinActiveWindowWatcher(const QDBusConnection &bus, QObject *parent)
    : ActiveWindowWatcher(parent)
    , m_bus(bus)
{ }

KWinActiveWindowWatcher::~KWinActiveWindowWatcher()
{
    stop();
}

QString KWinActiveWindowWatcher::scriptText(const QString &service)
{
    // Plasma 6 names the signal windowActivated, Plasma 5 clientActivated. Every value goes as a string:
    // a script's numbers would reach the bus as doubles.
    return QStringLiteral("function report(window) {\n"
                          "    if (!window) {\n"
                          "        callDBus(\"%1\", \"%2\", \"org.mousecfg.ActiveWindow\", "
                          "\"windowActivated\", \"\", \"\", \"\");\n"
                          "        return;\n"
                          "    }\n"
                          "    callDBus(\"%1\", \"%2\", \"org.mousecfg.ActiveWindow\", \"windowActivated\",\n"
                          "             String(window.resourceClass), String(window.resourceName), "
                          "String(window.pid));\n"
                          "}\n"
                          "if (workspace.windowActivated)\n"
                          "    workspace.windowActivated.connect(report);\n"
                          "else\n"
                          "    workspace.clientActivated.connect(report);\n"
                          "report(workspace.activeWindow !== undefined ? workspace.activeWindow : "
                          "workspace.activeClient);\n")
        .arg(service, ObjectPath);
}

bool KWinActiveWindowWatcher::start()
{
    if (m_running)
        return true;
    if (!m_bus.isConnected())
        return false;
    m_kwinOwner = m_bus.interface()->serviceOwner(KWinService).value();
    if (m_kwinOwner.isEmpty())
        return false;
    if (!m_bus.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots))
        return false;
    // The script file only has to live until KWin has read it; it stays until stop() all the same.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_script = std::make_unique<QTemporaryFile>((folder.isEmpty() ? QDir::tempPath() : folder)
                                                + QStringLiteral("/mousecfg-kwin-XXXXXX.js"));
    if (!m_script->open() || m_script->write(scriptText(m_bus.baseService()).toUtf8()) < 0
        || !m_script->flush()) {
        m_bus.unregisterObject(ObjectPath);
        m_script.reset();
        return false;
    }
    m_running = true;
    m_last = ActiveWindow();
    // A script of an earlier run that ended without stopping would answer to a bus name now gone.
    QDBusMessage unload = scriptingCall(QStringLiteral("unloadScript"));
    unload << PluginName;
    m_bus.asyncCall(unload);
    QDBusMessage load = scriptingCall(QStringLiteral("loadScript"));
    load << m_script->fileName() << PluginName;
    // Asynchronous: KWin must never hold up the window.
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(load), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<int> reply = *call;
        if (reply.isError() || reply.value() < 0) {
            qCWarning(lcPlatform) << "KWin did not load the active window script:" << reply.error().message();
            return;
        }
        if (m_running)
            m_bus.asyncCall(scriptingCall(QStringLiteral("start")));
    });
    return true;
}

void KWinActiveWindowWatcher::stop()
{
    if (!m_running)
        return;
    m_running = false;
    QDBusMessage unload = scriptingCall(QStringLiteral("unloadScript"));
    unload << PluginName;
    m_bus.asyncCall(unload);
    m_bus.unregisterObject(ObjectPath);
    m_script.reset();
}

void KWinActiveWindowWatcher::windowActivated(const QString &resourceClass, const QString &resourceName,
                                              const QString &pid)
{
    // Any program on the bus could call; only KWin tells which window is in front.
    if (!m_running || (calledFromDBus() && message().service() != m_kwinOwner))
        return;
    ActiveWindow window;
    window.pid = qMax(0LL, pid.toLongLong());
    window.executable = ExecutableOfProcess(window.pid);
    for (const QString &name : { resourceName, resourceClass }) {
        if (!name.isEmpty() && !window.classes.contains(name))
            window.classes << name;
    }
    if (window == m_last)
        return;
    m_last = window;
    emit activeWindowChanged(window);
}
