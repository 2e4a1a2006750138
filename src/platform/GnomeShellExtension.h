#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// mousecfg's GNOME Shell extension as the running shell sees it. Two copies are installed: one in the
// module form of GNOME Shell 45 and later, one in the older form of 43 and 44; the shell's version
// tells which one is meant. Only asks: turning it on is the user's choice.
class GnomeShellExtension
{
public:
    enum class State {
        Unknown, // no GNOME Shell answers on the bus
        Missing, // not installed
        Off, // installed, not turned on
        Failed, // turned on, but the shell could not run it (an error, or not made for this version)
        On, // running
    };

    // The extension's id for GNOME Shell `shellVersion` ("46.2"); the newer form when unreadable.
    static QString uuidForShell(const QString &shellVersion);
    // The state the shell's extension record (GetExtensionInfo) describes; empty means not installed.
    static State stateFromInfo(const QVariantMap &info);

    // The extension of the shell on `bus`.
    explicit GnomeShellExtension(const QDBusConnection &bus = QDBusConnection::sessionBus());

    // Asks the shell for its version and the extension's state; waits at most a second.
    State state();
    // The id the running shell uses (valid after state()).
    QString uuid() const { return m_uuid; }
    // The command that turns the extension on: program, then arguments.
    QStringList enableCommand() const;

private:
    QDBusConnection m_bus;
    QString m_uuid;
};
