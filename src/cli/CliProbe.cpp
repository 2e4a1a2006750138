#include "cli/CliProbe.h"

#include "cli/CliDoctor.h"
#include "device/link/HardwareProbe.h"
#include "storage/Product.h"
#include "device/link/ProbeReport.h"

#include "mousecfg_version.h"

#include <QSaveFile>

namespace {

int probe(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool all = false;
    bool withSerials = false;
    QString reportFile;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--all")) {
            all = true;
        } else if (args.at(i) == QLatin1String("--with-serials")) {
            withSerials = true;
        } else if (args.at(i) == QLatin1String("--report") && i + 1 < args.size()) {
            reportFile = args.at(++i);
        } else {
            err << "usage: mousecfg-cli probe [--all] [--report FILE [--with-serials]]\n";
            return ExitUsage;
        }
    }

    const Product product = Product::load();
    HardwareProbe hardware(product);
    hardware.run(all);
    for (const QString &line : hardware.lines(withSerials))
        out << line << "\n";
    if (!reportFile.isEmpty()) {
        const QString text
            = ProbeReport::text(hardware, doctorFindings(), QStringLiteral(MOUSECFG_VERSION), withSerials);
        QSaveFile file(reportFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
            err << "mousecfg-cli: cannot write " << reportFile << ": " << file.errorString() << "\n";
            return ExitCannotWrite;
        }
        out << "\nreport written to " << reportFile << ": attach it to the bug report\n";
    }
    return hardware.commandPath().isEmpty() ? 1 : 0;
}

} // namespace

CliCommand probeCommand()
{
    return { "probe", "[--all] [--report FILE [--with-serials]]", probe };
}
