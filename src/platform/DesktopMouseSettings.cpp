#include "platform/DesktopMouseSettings.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

struct Candidate
{
    const char *program;
    QStringList arguments;
};

} // namespace

DesktopProgram FindMouseSettingsProgram(const QStringList &searchPaths)
{
    const Candidate candidates[] = {
        { "kcmshell6", { QStringLiteral("kcm_mouse") } },
        { "kcmshell5", { QStringLiteral("kcm_mouse") } },
        { "gnome-control-center", { QStringLiteral("mouse") } },
        { "xfce4-mouse-settings", {} },
        { "mate-mouse-properties", {} },
        { "cinnamon-settings", { QStringLiteral("mouse") } },
        { "lxqt-config-input", {} },
    };
    for (const Candidate &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(candidate.program), searchPaths);
        if (!path.isEmpty())
            return { path, candidate.arguments };
    }
    return {};
}

bool StartMouseSettings()
{
    const DesktopProgram found = FindMouseSettingsProgram();
    return !found.program.isEmpty() && QProcess::startDetached(found.program, found.arguments);
}
