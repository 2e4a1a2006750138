#pragma once

#include "platform/ActiveWindowWatcher.h"
#include "platform/GnomeShellExtension.h"

#include <QCoreApplication>
#include <QString>

// What the APPLICATIONS dialog says about the desktop: whether profiles can follow the program in
// front there, and on GNOME what the shell extension needs.
class AppSwitchSupport
{
    Q_DECLARE_TR_FUNCTIONS(AppSwitchSupport)
public:
    // The sentence for `desktop` (DesktopSession::label(), may be empty) served by a watcher of `kind`;
    // `extension` counts on GNOME Shell only.
    static QString sentence(WatcherKind kind, const QString &desktop, GnomeShellExtension::State extension);
    // True when the extension is there but off, so the dialog offers the command that turns it on.
    static bool offersEnable(WatcherKind kind, GnomeShellExtension::State extension);
};
