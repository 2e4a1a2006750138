#include "device/link/ProbeReport.h"

#include "device/link/HardwareProbe.h"
#include "storage/Product.h"

#include <QDir>
#include <QRegularExpression>

#include <hidapi/hidapi.h>

#include <sys/utsname.h>

namespace ProbeReport {

QString withoutUserPaths(QString text)
{
    const QString home = QDir::homePath();
    if (home.size() > 1)
        text.replace(home, QStringLiteral("~"));
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    if (!user.isEmpty()) {
        const QRegularExpression part(
            QStringLiteral("/%1(?=/|\\s|$|[,;:)'\"])").arg(QRegularExpression::escape(user)));
        text.replace(part, QStringLiteral("/USER"));
    }
    return text;
}

QString text(const HardwareProbe &probe, const QStringList &doctorLines, const QString &version,
             bool withSerials)
{
    const Product &product = probe.product();
    const int vid1 = product.receiverVid, pid1 = product.receiverPid;
    const int vid2 = product.cableVid, pid2 = product.cablePid;
    const auto ids = [](int vendor, int product) {
        return QStringLiteral("%1:%2")
            .arg(vendor, 4, 16, QLatin1Char('0'))
            .arg(product, 4, 16, QLatin1Char('0'));
    };
    struct utsname system
    {
    };
    const QString kernel = ::uname(&system) == 0
        ? QStringLiteral("%1 %2 %3")
              .arg(QString::fromLocal8Bit(system.sysname), QString::fromLocal8Bit(system.release),
                   QString::fromLocal8Bit(system.machine))
        : QStringLiteral("unknown");

    QStringList lines;
    lines << QStringLiteral("mousecfg hardware report");
    lines << QStringLiteral("program: mousecfg-cli %1").arg(version);
    lines << QStringLiteral("hidapi: %1").arg(QString::fromLatin1(hid_version_str()));
    lines << QStringLiteral("kernel: %1").arg(kernel);
    lines << QStringLiteral("product definition: %1, version %2, receiver %3, cable %4")
                 .arg(product.name.isEmpty() ? QStringLiteral("(no name)") : product.name,
                      product.version.isEmpty() ? QStringLiteral("(none)") : product.version, ids(vid1, pid1),
                      ids(vid2, pid2));
    lines << (withSerials ? QStringLiteral("privacy: serial numbers and paths are included (--with-serials)")
                          : QStringLiteral("privacy: serial numbers and paths in your home folder were left "
                                           "out (--with-serials includes them)"));
    lines << QString() << QStringLiteral("== probe ==");
    lines << probe.lines(withSerials);
    lines << QString() << QStringLiteral("== doctor ==");
    lines << doctorLines;
    const QString all = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return withSerials ? all : withoutUserPaths(all);
}

} // namespace ProbeReport
