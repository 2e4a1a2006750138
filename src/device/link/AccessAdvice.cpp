#include "device/link/AccessAdvice.h"

QString AccessAdvice::ruleFileName()
{
    return QStringLiteral("70-mousecfg.rules");
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

QString AccessAdvice::explanation(const QStringList &nodes)
{
    return problem(nodes) + QLatin1Char('\n')
        + tr("Install the udev rule %1 from the source folder:").arg(ruleFileName()) + QLatin1Char('\n')
        + installCommands().join(QLatin1Char('\n')) + QLatin1Char('\n')
        + tr("then plug the receiver in again.");
}
