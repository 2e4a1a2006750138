#include "device/link/AccessAdvice.h"

#include <QFileInfo>

QString AccessAdvice::ruleFileName()
{
    return QStringLiteral("70-mousecfg.rules");
}

QStringList AccessAdvice::ruleFolders()
{
    return { QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
             QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
             QStringLiteral("/lib/udev/rules.d") };
}

QString AccessAdvice::installedRulePath()
{
    for (const QString &folder : ruleFolders()) {
        const QString path = folder + QLatin1Char('/') + ruleFileName();
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QStringList AccessAdvice::installCommands()
{
    return { QStringLiteral("sudo install -m 644 data/70-mousecfg.rules /etc/udev/rules.d/"),
             QStringLiteral("sudo udevadm control --reload && sudo udevadm trigger") };
}

QString AccessAdvice::problem(const QStringList &nodes)
{
    return tr("The mouse is plugged in, but you may not open it (%1: permission denied).")
        .arg(nodes.join(QStringLiteral(", ")));
}

namespace {

QString explained(const QStringList &nodes, const QStringList &commands)
{
    return AccessAdvice::problem(nodes) + QLatin1Char('\n')
        + AccessAdvice::tr("Install the udev rule %1 from the source folder:")
              .arg(AccessAdvice::ruleFileName())
        + QLatin1Char('\n') + commands.join(QLatin1Char('\n')) + QLatin1Char('\n')
        + AccessAdvice::tr("then plug the receiver in again.");
}

} // namespace

QString AccessAdvice::explanation(const QStringList &nodes)
{
    return explained(nodes, installCommands());
}

QString AccessAdvice::explanationForBox(const QStringList &nodes)
{
    return explained(
        nodes,
        { QStringLiteral("sudo install -m 644 \\\n    data/70-mousecfg.rules /etc/udev/rules.d/"),
          QStringLiteral("sudo udevadm control --reload && \\\n    sudo udevadm trigger") });
}
