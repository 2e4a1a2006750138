#include "SoakBench.h"

#include "MockKernelClient.h"
#include "StartupBench.h"
#include "VirtualSoakMouse.h"
#include "core/MouseBusService.h"
#include "device/link/DeviceLink.h"
#include "device/session/MouseSession.h"
#include "device/status/StatusThreadRunner.h"
#include "device/upload/DpiBlock.h"
#include "device/upload/TarnProcessThread.h"
#include "platform/FreedMemory.h"
#include "storage/AppPaths.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/WindowMouseEngine.h"
#include "ui/widgets/UserPrompts.h"
#include "virtualmouse/HidBackendSelection.h"
#include "virtualmouse/VirtualFirmware.h"
#include "virtualmouse/VirtualMouse.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Accepts every box at once, as a user clicking it away would; no file dialogs are expected.
class AcceptingPrompts : public UserPrompts
{
public:
    int messageBox(int, const QString &, const QString &, int, QWidget *, bool) override
    {
        return QDialog::Accepted;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
};

struct Sample
{
    double residentMb = 0;
    double fileMb = 0; // pages of mapped files (libraries, fonts) among them
    double heapMb = 0; // bytes handed out by the heap
    int descriptors = 0;
    int threads = 0;
    QStringList descriptorTargets; // what each open descriptor points at, sorted
    QStringList threadNames; // sorted
};

// Entries of `after` that `before` lacks ("+name") and entries it lost ("-name"), for the figures
// that did not come back.
QString difference(QStringList before, const QStringList &after)
{
    QStringList changes;
    for (const QString &entry : after) {
        if (!before.removeOne(entry))
            changes << QLatin1Char('+') + entry;
    }
    for (const QString &entry : qAsConst(before))
        changes << QLatin1Char('-') + entry;
    return changes.join(QStringLiteral(", "));
}

Sample sample()
{
    Sample result;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0);
            if (line.startsWith("VmRSS:"))
                result.residentMb = value.toLongLong() / 1024.0;
            else if (line.startsWith("RssFile:"))
                result.fileMb = value.toLongLong() / 1024.0;
            else if (line.startsWith("Threads:"))
                result.threads = value.toInt();
        }
    }
    // Large blocks (decoded pictures) are mapped on their own, outside the arenas.
    const struct mallinfo2 heap = mallinfo2();
    result.heapMb = (heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::Files | QDir::System)) {
        char target[512];
        const ssize_t length
            = readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target);
        // "socket:[inode]" and "pipe:[inode]" differ only by their numbers between runs.
        result.descriptorTargets << QString::fromLocal8Bit(target, int(qMax<ssize_t>(length, 0)))
                                        .remove(QRegularExpression(QStringLiteral(":\\[\\d+\\]$")));
    }
    result.descriptorTargets.sort();
    result.descriptors = result.descriptorTargets.size();
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly))
            result.threadNames << QString::fromLocal8Bit(comm.readAll().trimmed());
    }
    result.threadNames.sort();
    return result;
}

// Runs the event loop until `done` holds or `timeoutMs` passed; returns whether it held.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

// Runs the event loop for `milliseconds`, sleeping while nothing happens (the idle figure must not
// count a polling loop of its own).
void runEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU time of each live thread ("name (id)") in milliseconds, to name what works while idle.
QMap<QString, qint64> threadCpuMs()
{
    QMap<QString, qint64> result;
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "id (name) state ..." with user and system time the 14th and 15th fields; a name may hold
        // spaces and brackets, so the fields are counted from its last closing bracket.
        const QByteArray line = stat.readAll();
        const int nameEnd = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(nameEnd + 2).split(' ');
        if (nameEnd < 0 || fields.size() < 13)
            continue;
        const QString name = QString::fromLocal8Bit(line.mid(line.indexOf('(') + 1, nameEnd - line.indexOf('(') - 1));
        result.insert(QStringLiteral("%1 (%2)").arg(name, task),
                      (fields[11].toLongLong() + fields[12].toLongLong()) * 1000 / ticksPerSecond);
    }
    return result;
}

// The threads that used CPU between two readings, busiest first.
QString busyThreads(const QMap<QString, qint64> &before, const QMap<QString, qint64> &after)
{
    QList<QPair<qint64, QString>> used;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const qint64 ms = it.value() - before.value(it.key());
        if (ms > 0)
            used.append({ ms, it.key() });
    }
    std::sort(used.begin(), used.end(), std::greater<>());
    QStringList parts;
    for (const auto &entry : qAsConst(used))
        parts << QStringLiteral("%1 %2 ms").arg(entry.second).arg(entry.first);
    return parts.isEmpty() ? QStringLiteral("none above the clock's 10 ms") : parts.join(QStringLiteral(", "));
}

QByteArray batteryReport(quint8 charge, quint8 deviceType)
{
    QByteArray report(ReportLength, '\0');
    report[0] = char(ReportId);
    report[2] = char(ReportMarker);
    report[3] = char(0x48);
    report[4] = char(0x10 + charge % 16);
    report[5] = char(0x0f);
    report[6] = char(charge);
    report[7] = char(1);
    report[10] = char(deviceType);
    return report;
}

} // namespace

int runSoak(int argc, char *argv[], int divisor, SoakPath path)
{
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    if (path == SoakPath::VirtualMouse)
        qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    else
        qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
    QApplication app(argc, argv);
    const QString installed = AppPaths::appDir();
    QTemporaryDir dir;
    if (!layOutProgramFolder(installed, dir.path()))
        return 2;
    AppPaths::setAppDir(dir.path());
    AcceptingPrompts prompts;
    SetPrompts(&prompts);

    const int plugCycles = 1000 / divisor, statusReports = 1000 / divisor, batteryReports = 200 / divisor,
              uploads = 100 / divisor, idleSeconds = 60;
    QTextStream out(stdout);
    int failures = 0;
    {
        const HidBackendChoice backend = chooseHidBackend();
        MouseSession session(backend.backend, MouseSession::WithStatusThread);
        MousecfgWidget window(session, backend.notices);
        window.show();
        std::unique_ptr<SoakMouse> mouse;
        if (path == SoakPath::MockKernel)
            mouse = std::make_unique<MockKernelClient>();
        else if (auto *virtualMouse = window.findChild<VirtualMouse *>())
            mouse = std::make_unique<VirtualSoakMouse>(*virtualMouse);
        auto *runner = session.statusRunner();
        if (!mouse || !runner)
            return 3;
        int statusSeen = 0, batterySeen = 0;
        QObject::connect(runner, &StatusThreadRunner::RefreshStatus, [&] { ++statusSeen; });
        QObject::connect(runner, &StatusThreadRunner::RefreshBatteryStatus, [&] { ++batterySeen; });
        // The program's D-Bus interface, as the program serves it (its engine looks at the window's
        // state every second).
        MouseBusService service(QDBusConnection::sessionBus());
        const std::unique_ptr<WindowMouseEngine> engine(new WindowMouseEngine(&window, &service));

        // The mouse records every report written to it, for tests to read back; a real mouse keeps
        // nothing, so the record is dropped as the run goes.
        const auto plugCycle = [&] {
            mouse->forgetReports();
            mouse->unplug();
            runEvents(20);
            // On the real path the loss arrives as udev events; the next plug comes after it.
            if (!waitFor([&] { return !session.link().InterfaceOpen(ReceiverCommand); }, 3000))
                ++failures;
            mouse->plug();
            if (!waitFor([&] { return session.link().InterfaceOpen(ReceiverCommand); }, 3000))
                ++failures;
        };
        const int stage = window.workingConfig().profiles[window.workingConfig().ProfileID].dpi;
        const auto statusReport = [&](int i) {
            const int before = statusSeen;
            mouse->sendReport(
                VirtualFirmware::statusReport(window.workingConfig().ProfileID, quint8((stage + i) % 4), 1, 0));
            if (!waitFor([&] { return statusSeen > before; }, 5000))
                ++failures;
        };
        const auto battery = [&](int i) {
            const int before = batterySeen;
            mouse->sendReport(
                batteryReport(quint8(50 + i % 50), session.upload().state().DeviceTypeByte()));
            if (!waitFor([&] { return batterySeen > before; }, 5000))
                ++failures;
        };
        const auto upload = [&] {
            mouse->forgetReports();
            TarnProcessThread thread(session.upload());
            thread.setSendEverything(true);
            thread.start();
            while (!thread.wait(10))
                QCoreApplication::processEvents();
            if (thread.status() != ReportOk)
                ++failures;
        };

        runEvents(2000);
        const Sample started = sample();
        // One of each first: what the first reconnect, report and upload load once (library code,
        // pictures of the other connection states, pages' first layout) is not growth.
        plugCycle();
        statusReport(1);
        battery(1);
        upload();
        runEvents(2000);
        // Qt's pooled threads (picture conversion) end on their own 30 s after their last task; the
        // start figures are taken once they have, as the end figures are after a minute's idle.
        QThreadPool::globalInstance()->waitForDone();
        for (int i = 0; i < 80 && sample().threadNames.contains(QStringLiteral("Thread (pooled)")); ++i)
            runEvents(500);
        const Sample start = sample();
        QElapsedTimer clock;
        clock.start();
        QStringList phases;
        QElapsedTimer phase;
        phase.start();
        int failuresBefore = 0;
        const auto endPhase = [&](const QString &name) {
            if (failures > failuresBefore)
                phases << QStringLiteral("%1 with %2 not answered in time")
                              .arg(name)
                              .arg(failures - failuresBefore);
            failuresBefore = failures;
            const Sample now = sample();
            phases << QStringLiteral("%1 %2 s, %3 MB (heap %4 MB), %5 descriptors, %6 threads")
                          .arg(name)
                          .arg(phase.restart() / 1000.0, 0, 'f', 0)
                          .arg(now.residentMb, 0, 'f', 1)
                          .arg(now.heapMb, 0, 'f', 2)
                          .arg(now.descriptors)
                          .arg(now.threads);
        };

        for (int i = 0; i < plugCycles; ++i)
            plugCycle();
        runEvents(500);
        endPhase(QStringLiteral("hot plug"));
        for (int i = 0; i < statusReports; ++i)
            statusReport(i);
        endPhase(QStringLiteral("status"));
        for (int i = 0; i < batteryReports; ++i)
            battery(i);
        endPhase(QStringLiteral("battery"));
        for (int i = 0; i < uploads; ++i)
            upload();
        endPhase(QStringLiteral("uploads"));
        const double busySeconds = clock.elapsed() / 1000.0;
        runEvents(2000);

        // A failed upload leaves the status thread stopped until the window starts it again.
        const bool statusThreadRan = runner->isRunning();
        if (!statusThreadRan && session.link().CommandHandleOpen())
            runner->start();
        runEvents(1000);
        const double cpuBefore = cpuSeconds();
        const QMap<QString, qint64> threadsBefore = threadCpuMs();
        QElapsedTimer idle;
        idle.start();
        runEvents(idleSeconds * 1000);
        const double idlePercent = (cpuSeconds() - cpuBefore) / (idle.elapsed() / 1000.0) * 100.0;
        const QString idleThreads = busyThreads(threadsBefore, threadCpuMs());
        const Sample end = sample();

        out << "Soak path: "
            << (path == SoakPath::MockKernel
                    ? "the system hidapi and udev monitor on the mock kernel's hidraw nodes (its test bed "
                      "runs in the parent process, outside these figures)"
                    : "the virtual mouse")
            << "\n";
        out << "Soak: " << plugCycles << " hot-plug cycles, " << statusReports << " status reports, "
            << batteryReports << " battery reports, " << uploads << " uploads in "
            << QString::number(busySeconds, 'f', 0) << " s; " << failures << " not answered in time\n";
        out << "Soak phases (time; resident memory, heap in use, descriptors and threads after it): "
            << phases.join(QStringLiteral("; ")) << "\n";
        out << "Soak resident memory: " << QString::number(start.residentMb, 'f', 1) << " MB at the start, "
            << QString::number(end.residentMb, 'f', 1) << " MB at the end, growth "
            << QString::number(end.residentMb - start.residentMb, 'f', 1) << " MB (aim <= 1 MB)\n";
        out << "Soak resident memory before the first reconnect, report and upload: "
            << QString::number(started.residentMb, 'f', 1) << " MB (growth from there "
            << QString::number(end.residentMb - started.residentMb, 'f', 1) << " MB)\n";
        ReleaseFreedMemory();
        out << "Soak resident memory once freed heap is returned: "
            << QString::number(sample().residentMb, 'f', 1) << " MB\n";
        out << "Soak of which mapped files: " << QString::number(start.fileMb, 'f', 1) << " MB at the start, "
            << QString::number(end.fileMb, 'f', 1) << " MB at the end; heap in use "
            << QString::number(start.heapMb, 'f', 1) << " MB at the start, "
            << QString::number(end.heapMb, 'f', 1) << " MB at the end\n";

        out << "Soak open descriptors: " << start.descriptors << " at the start, " << end.descriptors
            << " at the end (aim: back to the start value)";
        if (end.descriptors != start.descriptors)
            out << "; " << difference(start.descriptorTargets, end.descriptorTargets);
        out << "\n";
        out << "Soak threads: " << start.threads << " at the start, " << end.threads
            << " at the end (aim: back to the start value)";
        if (end.threads != start.threads)
            out << "; " << difference(start.threadNames, end.threadNames);
        out << "\n";
        out << "Soak idle CPU: " << QString::number(idlePercent, 'f', 3) << " % over " << idleSeconds
            << " s with the status thread running (aim <= 0.1 %)"
            << (statusThreadRan ? "" : "; it had to be started again after the uploads") << "\n";
        out << "Soak idle CPU by thread: " << idleThreads << "\n";
    }
    SetPrompts(nullptr);
    return failures == 0 ? 0 : 4;
}
