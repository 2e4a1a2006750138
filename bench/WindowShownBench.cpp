#include "WindowShownBench.h"

#include "MapWatch.h"
#include "PrivateSessionBus.h"
#include "StartupBench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int MapTimeoutMs = 20000;
constexpr int MemoryAfterMs = 2000;

// One start of a program, as seen from outside.
struct Launch
{
    double shownMs = -1;
    double residentMb = -1;
    QString diagnostics;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double residentMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024.0;
    }
    return -1;
}

// Starts `program` until its window is mapped, reads its resident memory 2 s after the start, then
// ends it.
Launch launch(MapWatch &watch, const QString &program, const QStringList &arguments,
              const QProcessEnvironment &environment, const QString &workingDir)
{
    Launch result;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDir);
    process.setStandardOutputFile(QProcess::nullDevice());
    watch.drain();
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (watch.waitForMap(MapTimeoutMs)) {
        result.shownMs = clock.nsecsElapsed() / 1e6;
        // Still running after the wait: the figure is the settled memory.
        if (!process.waitForFinished(int(qMax<qint64>(1, MemoryAfterMs - clock.elapsed()))))
            result.residentMb = residentMegabytes(process.processId());
    }
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.diagnostics = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

// The phases the program logged, name to milliseconds since its main() began, in their order.
QVector<QPair<QString, QPair<double, double>>> phasesOf(const QString &diagnostics)
{
    static const QRegularExpression line(
        QStringLiteral("startup phase (.+): ([0-9.]+) ms \\(processor ([0-9.]+) ms\\)$"),
        QRegularExpression::MultilineOption);
    QVector<QPair<QString, QPair<double, double>>> phases;
    auto match = line.globalMatch(diagnostics);
    while (match.hasNext()) {
        const QRegularExpressionMatch found = match.next();
        phases.append({ found.captured(1), { found.captured(2).toDouble(), found.captured(3).toDouble() } });
    }
    return phases;
}

// The figures of one program under one bus setting, over every round.
struct Series
{
    std::vector<double> shown;
    std::vector<double> resident;
    QStringList phaseOrder;
    QMap<QString, std::vector<double>> phases;
    QMap<QString, std::vector<double>> processor;

    void add(const Launch &launch)
    {
        if (launch.shownMs >= 0)
            shown.push_back(launch.shownMs);
        if (launch.residentMb >= 0)
            resident.push_back(launch.residentMb);
        for (const auto &[name, sinceMain] : phasesOf(launch.diagnostics)) {
            if (!phaseOrder.contains(name))
                phaseOrder.append(name);
            phases[name].push_back(sinceMain.first);
            processor[name].push_back(sinceMain.second);
        }
    }
};

QString ms(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" ms");
}

QString ratio(double program, double floor)
{
    return floor > 0 ? QString::number(program / floor, 'f', 2) : QStringLiteral("-");
}

} // namespace

int runWindowShownBench(int rounds, const QString &programFile)
{
    QTextStream out(stdout);
    MapWatch watch;
    if (!watch.isValid()) {
        out << "Window shown: needs an X display (run under xvfb-run)\n";
        return 1;
    }
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString emptyWindow = programDir + QStringLiteral("/mousecfg-empty-window");
    // The program runs from a folder of its own, so that its files are the bench's.
    QTemporaryDir folder;
    QTemporaryDir runtime;
    const QString program = folder.path() + QStringLiteral("/mousecfg");
    if (!layOutProgramFolder(programDir, folder.path())
        || !QFile::copy(programFile.isEmpty() ? programDir + QStringLiteral("/mousecfg") : programFile,
                        program)) {
        out << "Window shown: could not lay out a program folder\n";
        return 1;
    }
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "MOUSECFG_START_HIDDEN", "MOUSECFG_DEBUG", "WAYLAND_DISPLAY" })
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("MOUSECFG_VIRTUAL_MOUSE"), QStringLiteral("receiver"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("mousecfg.startup.debug=true"));

    PrivateSessionBus bus;
    const QStringList busNames { QStringLiteral("without a session bus"),
                                 QStringLiteral("with a private session bus") };
    const QStringList busAddresses {
        QStringLiteral("unix:path=") + runtime.path() + QStringLiteral("/no-bus"), bus.address()
    };
    if (bus.address().isEmpty())
        out << "(dbus-daemon missing: the bus rows are left out)\n";

    // A first start of each fills the caches and tells the empty window the real one's size.
    QProcessEnvironment quiet = environment;
    quiet.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddresses[0]);
    launch(watch, program, {}, quiet, folder.path());
    const QSize size = watch.mappedSize();
    const QStringList emptyArguments { QString::number(size.width()), QString::number(size.height()) };
    launch(watch, emptyWindow, emptyArguments, quiet, folder.path());

    Series series[2][2]; // [bus][0 empty, 1 mousecfg]
    for (int round = 0; round < rounds; ++round) {
        for (int busIndex = 0; busIndex < 2; ++busIndex) {
            if (busAddresses[busIndex].isEmpty())
                continue;
            QProcessEnvironment run = environment;
            run.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddresses[busIndex]);
            series[busIndex][0].add(launch(watch, emptyWindow, emptyArguments, run, folder.path()));
            series[busIndex][1].add(launch(watch, program, {}, run, folder.path()));
        }
    }

    out << "Window shown, from the process start to the window mapped (median of " << rounds << ", window "
        << size.width() << "x" << size.height() << "):\n";
    for (int busIndex = 0; busIndex < 2; ++busIndex) {
        if (busAddresses[busIndex].isEmpty())
            continue;
        const double floor = median(series[busIndex][0].shown);
        const double real = median(series[busIndex][1].shown);
        out << "  " << busNames[busIndex] << ": empty window " << ms(floor) << ", mousecfg " << ms(real)
            << ", ratio " << ratio(real, floor) << " (aim <= 1.5)\n";
    }
    out << "Resident memory 2 s after the start (median):\n";
    for (int busIndex = 0; busIndex < 2; ++busIndex) {
        if (busAddresses[busIndex].isEmpty())
            continue;
        const double floor = median(series[busIndex][0].resident);
        const double real = median(series[busIndex][1].resident);
        out << "  " << busNames[busIndex] << ": empty window " << QString::number(floor, 'f', 1)
            << " MB, mousecfg " << QString::number(real, 'f', 1) << " MB, ratio " << ratio(real, floor)
            << " (aim <= 1.15)\n";
    }
    out << "Phases of mousecfg, time since main() began and the processor time used by then (median):\n";
    for (int busIndex = 0; busIndex < 2; ++busIndex) {
        const Series &real = series[busIndex][1];
        if (real.phaseOrder.isEmpty())
            continue;
        out << "  " << busNames[busIndex] << ":\n";
        for (const QString &name : real.phaseOrder)
            out << "    " << name << ": " << ms(median(real.phases.value(name))) << " (processor "
                << ms(median(real.processor.value(name))) << ")\n";
    }
    return series[0][1].shown.empty() ? 1 : 0;
}
