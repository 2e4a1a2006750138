#include "ui/main/AppSwitchSupport.h"

QString AppSwitchSupport::sentence(WatcherKind kind, const QString &desktop, GnomeShellExtension::State extension)
{
    using State = GnomeShellExtension::State;
    if (kind == WatcherKind::GnomeShell) {
        switch (extension) {
        case State::On:
            return tr("%1: profiles follow the program in front through the GNOME Shell extension "
                      "“mousecfg window focus”.")
                .arg(desktop);
        case State::Off:
            return tr("%1: the GNOME Shell extension “mousecfg window focus” is off, so profiles cannot "
                      "follow the program in front. Turn it on with the button or this command:")
                .arg(desktop);
        case State::Missing:
            return tr("%1: the GNOME Shell extension “mousecfg window focus” is not installed, so "
                      "profiles cannot follow the program in front. It comes with mousecfg's package.")
                .arg(desktop);
        case State::Failed:
            return tr("%1: GNOME Shell could not run the extension “mousecfg window focus”, so profiles "
                      "cannot follow the program in front.")
                .arg(desktop);
        case State::Unknown:
            kind = WatcherKind::None;
            break;
        }
    }
    if (kind == WatcherKind::None) {
        if (desktop.isEmpty())
            return tr("This desktop does not tell which program is in front, so profiles cannot follow it here.");
        return tr("%1 does not tell which program is in front, so profiles cannot follow it here.").arg(desktop);
    }
    if (kind == WatcherKind::Wlroots)
        return tr("Profiles follow the program in front through this compositor's window list, by "
                  "application id only.");
    if (desktop.isEmpty())
        return tr("Profiles follow the program in front on this desktop.");
    return tr("%1: profiles follow the program in front.").arg(desktop);
}

bool AppSwitchSupport::offersEnable(WatcherKind kind, GnomeShellExtension::State extension)
{
    return kind == WatcherKind::GnomeShell && extension == GnomeShellExtension::State::Off;
}
