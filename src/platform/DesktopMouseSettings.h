#pragma once

#include <QString>
#include <QStringList>

// The desktop's own mouse settings: the first program found of a short list (KDE, GNOME, Xfce, MATE,
// Cinnamon, LXQt).

struct DesktopProgram
{
    QString program; // full path; empty when none was found
    QStringList arguments;
};

// The first mouse settings program present in `searchPaths` (the PATH when empty).
DesktopProgram FindMouseSettingsProgram(const QStringList &searchPaths = QStringList());
// Starts it detached; false when none is installed or it could not be started.
bool StartMouseSettings();
