#include "platform/SwayActiveWindowWatcher.h"

#include "platform/LocalSocket.h"
#include "platform/LogCategories.h"
#include "platform/SwayIpc.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

qint64 containerId(const QJsonObject &container)
{
    return container.value(QLatin1String("id")).toVariant().toLongLong();
}

// Every container below `node` (itself included) that holds a window, tiled or floating.
void collectViews(const QJsonObject &node, QVector<QJsonObject> *views)
{
    if (!SwayActiveWindowWatcher::describe(node).isEmpty())
        views->append(node);
    for (const char *children : { "nodes", "floating_nodes" }) {
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray())
            collectViews(child.toObject(), views);
    }
}

} // namespace

SwayActiveWindowWatcher::SwayActiveWindowWatcher(const QString &socketPath, QObject *parent)
    : ActiveWindowWatcher(parent)
    , m_socketPath(socketPath.isEmpty() ? SwayIpc::socketPath() : socketPath)
{ }

SwayActiveWindowWatcher::~SwayActiveWindowWatcher()
{
    stop();
}

ActiveWindow SwayActiveWindowWatcher::describe(const QJsonObject &container)
{
    ActiveWindow window;
    const QString type = container.value(QLatin1String("type")).toString();
    if (type != QLatin1String("con") && type != QLatin1String("floating_con"))
        return window;
    window.pid = qMax(0LL, container.value(QLatin1String("pid")).toVariant().toLongLong());
    window.executable = ExecutableOfProcess(window.pid);
    // A Wayland window has an app_id (null for XWayland ones); an X11 window its instance and class.
    const QString appId = container.value(QLatin1String("app_id")).toString();
    const QJsonObject properties = container.value(QLatin1String("window_properties")).toObject();
    for (const QString &name : { appId, properties.value(QLatin1String("instance")).toString(),
                                 properties.value(QLatin1String("class")).toString() }) {
        if (!name.isEmpty() && !window.classes.contains(name))
            window.classes << name;
    }
    return window;
}

QJsonObject SwayActiveWindowWatcher::focusedContainer(const QJsonObject &node)
{
    if (node.value(QLatin1String("focused")).toBool())
        return node;
    for (const char *children : { "nodes", "floating_nodes" }) {
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray()) {
            const QJsonObject found = focusedContainer(child.toObject());
            if (!found.isEmpty())
                return found;
        }
    }
    return {};
}

bool SwayActiveWindowWatcher::start()
{
    if (m_socket)
        return true;
    if (m_socketPath.isEmpty())
        return false;
    m_socket = new LocalSocket(this);
    if (!m_socket->connectTo(m_socketPath)) {
        qCWarning(lcPlatform) << "cannot reach sway at" << m_socketPath << m_socket->errorString();
        delete m_socket;
        m_socket = nullptr;
        return false;
    }
    m_buffer.clear();
    m_focusedId = -1;
    m_last = ActiveWindow();
    connect(m_socket, &LocalSocket::readyRead, this, &SwayActiveWindowWatcher::readMessages);
    connect(m_socket, &LocalSocket::disconnected, this, [this] {
        qCWarning(lcPlatform) << "sway closed its IPC connection";
    });
    // Subscribed first, so that no change falls between the tree's answer and the first event.
    send(SwayIpc::Subscribe, QByteArrayLiteral("[\"window\"]"));
    send(SwayIpc::GetTree, QByteArray());
    return true;
}

void SwayActiveWindowWatcher::stop()
{
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
    m_buffer.clear();
}

QVector<ActiveWindow> SwayActiveWindowWatcher::openWindows() const
{
    QVector<ActiveWindow> windows;
    const QJsonDocument tree = SwayIpc::request(m_socketPath, SwayIpc::GetTree, QByteArray());
    QVector<QJsonObject> views;
    collectViews(tree.object(), &views);
    for (const QJsonObject &view : views) {
        const ActiveWindow window = describe(view);
        if (!windows.contains(window))
            windows << window;
    }
    return windows;
}

void SwayActiveWindowWatcher::send(quint32 type, const QByteArray &payload)
{
    m_socket->write(SwayIpc::encode(type, payload));
}

void SwayActiveWindowWatcher::readMessages()
{
    m_buffer += m_socket->readAll();
    for (;;) {
        quint32 type = 0;
        QByteArray payload;
        const SwayIpc::Take taken = SwayIpc::takeMessage(&m_buffer, &type, &payload);
        if (taken == SwayIpc::Take::Incomplete)
            return;
        if (taken == SwayIpc::Take::Corrupt) {
            qCWarning(lcPlatform) << "sway's IPC sent a message that cannot be read; no longer watching";
            stop();
            return;
        }
        handle(type, payload);
        // A slot connected to activeWindowChanged may have stopped the watcher.
        if (!m_socket)
            return;
    }
}

void SwayActiveWindowWatcher::handle(quint32 type, const QByteArray &payload)
{
    const QJsonObject message = QJsonDocument::fromJson(payload).object();
    if (type == SwayIpc::GetTree) {
        report(focusedContainer(message));
        return;
    }
    if (type == SwayIpc::Subscribe) {
        if (!message.value(QLatin1String("success")).toBool())
            qCWarning(lcPlatform) << "sway refused the window event subscription:" << payload;
        return;
    }
    if (type != SwayIpc::WindowEvent)
        return;
    const QString change = message.value(QLatin1String("change")).toString();
    const QJsonObject container = message.value(QLatin1String("container")).toObject();
    if (change == QLatin1String("focus")) {
        report(container);
    } else if (change == QLatin1String("title")) {
        // Some programs set their app_id or class with their title; only the window in front counts.
        if (containerId(container) == m_focusedId)
            report(container);
    } else if (change == QLatin1String("close")) {
        // What comes to the front next is read from the tree: the focus event may never come (the last
        // window of a workspace).
        if (containerId(container) == m_focusedId)
            send(SwayIpc::GetTree, QByteArray());
    }
}

void SwayActiveWindowWatcher::report(const QJsonObject &container)
{
    m_focusedId = container.isEmpty() ? -1 : containerId(container);
    const ActiveWindow window = describe(container);
    if (window == m_last)
        return;
    m_last = window;
    emit activeWindowChanged(window);
}
