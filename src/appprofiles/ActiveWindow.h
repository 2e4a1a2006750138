#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// What the desktop tells about the window in front.
struct ActiveWindow
{
    qint64 pid = 0; // owning process, 0 when unknown
    QString executable; // base name of the process's executable, empty when unknown
    QStringList classes; // window class names (X11: instance and class), possibly empty

    // True when nothing is known about the window (no window in front).
    bool isEmpty() const { return pid == 0 && executable.isEmpty() && classes.isEmpty(); }
    bool operator==(const ActiveWindow &other) const
    {
        return pid == other.pid && executable == other.executable && classes == other.classes;
    }
    bool operator!=(const ActiveWindow &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(ActiveWindow)
