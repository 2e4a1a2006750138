#pragma once

#include <QString>

// "Start at login": an XDG autostart entry that starts the program hidden in the tray.
class Autostart
{
public:
    // Name of the environment variable that makes the window start hidden; the entry sets it to 1.
    static const char *const HiddenVariable;
    // True when this process was started with HiddenVariable set (to anything but empty or "0").
    static bool startHidden();
    // $XDG_CONFIG_HOME/autostart/mousecfg.desktop (default ~/.config/autostart/mousecfg.desktop).
    static QString filePath();

    // `program` is the executable the entry starts; empty means this process's own executable.
    explicit Autostart(const QString &program = QString());

    // True when the entry exists and is not switched off (Hidden=true, X-GNOME-Autostart-enabled=false).
    bool isEnabled() const;
    // Writes the entry (true) or removes it (false); false when the file could not be changed.
    bool setEnabled(bool enabled);
    // The entry's Exec value: the program with HiddenVariable=1 in its environment.
    QString execLine() const;

private:
    QString m_program;
};
