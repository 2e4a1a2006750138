#include "platform/PointerSpeedBackend.h"

#include "platform/GnomePointerSpeed.h"
#include "platform/KWinPointerSpeed.h"
#include "platform/SwayIpc.h"
#include "platform/SwayPointerSpeed.h"
#include "platform/X11PointerSpeed.h"

#include <QGuiApplication>

namespace {

// Nowhere to send the speed: the caller keeps the value.
class RememberedPointerSpeed : public PointerSpeedBackend
{
public:
    QString name() const override { return QStringLiteral("remembered"); }
    bool canSet() const override { return false; }
    bool read(int *) override { return false; }
    bool apply(int) override { return false; }
};

bool desktopIs(const QString &desktops, const QString &name)
{
    return desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts).contains(name, Qt::CaseInsensitive);
}

} // namespace

PointerSpeedSession PointerSpeedSession::current()
{
    PointerSpeedSession session;
    session.desktop = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"));
    session.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    session.swaySocket = SwayIpc::socketPath();
    // An X server beside a Wayland compositor (XWayland) does not steer the desktop's pointer.
    session.x11 = !session.wayland && qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        && QGuiApplication::platformName() == QLatin1String("xcb");
    return session;
}

std::unique_ptr<PointerSpeedBackend> CreatePointerSpeedBackend(const PointerSpeedSession &session)
{
    // As the desktops' own mouse settings choose: the desktop first, then the display server.
    if (desktopIs(session.desktop, QStringLiteral("GNOME"))) {
        if (auto gnome = GnomePointerSpeed::create())
            return gnome;
    }
    if (session.wayland && desktopIs(session.desktop, QStringLiteral("KDE"))) {
        if (auto kwin = KWinPointerSpeed::create(session.bus))
            return kwin;
    }
    if (session.wayland && !session.swaySocket.isEmpty()) {
        if (auto sway = SwayPointerSpeed::create(session.swaySocket))
            return sway;
    }
    if (session.x11)
        return std::make_unique<X11PointerSpeed>();
    return std::make_unique<RememberedPointerSpeed>();
}
