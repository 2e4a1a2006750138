// The on-screen display companion: one instance per user, listening on the display's local socket
// and showing each notice it is sent. It ends by itself after a long quiet spell; the main program
// starts it again when it has something to show.
#include "osd/OsdNotice.h"
#include "osd/OsdServer.h"
#include "platform/SingleInstanceLock.h"

#include <QApplication>
#include <QTimer>

namespace {
constexpr int IdleQuitMs = 10 * 60 * 1000;

// MOUSECFG_OSD_IDLE_MS shortens the quiet spell (tests that start a companion let it end soon).
int idleQuitMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("MOUSECFG_OSD_IDLE_MS", &ok);
    return ok && ms > 0 ? qMin(ms, IdleQuitMs) : IdleQuitMs;
}
} // namespace

int main(int argc, char *argv[])
{
    // Plain widgets only: without this Qt's X11 plugin loads a GL driver worth tens of megabytes.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    // A Wayland client cannot place its own window: on XWayland the notice keeps its place under the
    // pointer, even where the session asks Qt programs for Wayland (Plasma sets QT_QPA_PLATFORM).
    // Without an X server the compositor places it.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && (platform.isEmpty() || platform.startsWith("wayland")))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const QString serverName = OsdServerName();
    SingleInstanceLock instance(serverName);
    // Another companion already listens: it shows the notices.
    if (!instance.tryLock())
        return 0;

    OsdServer server;
    if (!server.listen(serverName))
        return 1;
    OsdNotice notice;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(idleQuitMs());
    QObject::connect(&idle, &QTimer::timeout, &app, &QCoreApplication::quit);
    QObject::connect(&server, &OsdServer::messageReceived, &notice, [&](const OsdMessage &message) {
        notice.showMessage(message);
        idle.start();
    });
    idle.start();
    return app.exec();
}
