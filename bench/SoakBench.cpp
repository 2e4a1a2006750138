#include "SoakBench.h"

#include "StartupBench.h"
#include "device/link/DeviceLink.h"
#include "device/session/MouseSession.h"
#include "device/status/StatusThreadRunner.h"
#include "device/upload/DpiBlock.h"
#include "device/upload/TarnProcessThread.h"
#include "platform/FreedMemory.h"
#include "storage/AppPaths.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/widgets/UserPrompts.h"
#include "virtualmouse/HidBackendSelection.h"
#include "virtualmouse/VirtualMouse.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <functional>

#include <malloc.h>
#include <sys/resource.h>

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
};

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
    result.heapMb = mallinfo2().uordblks / (1024.0 * 1024.0);
    result.descriptors = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
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

int runSoak(int argc, char *argv[], int divisor)
{
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
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
        auto *mouse = window.findChild<VirtualMouse *>();
        auto *runner = session.statusRunner();
        if (!mouse || !runner)
            return 3;
        int statusSeen = 0, batterySeen = 0;
        QObject::connect(runner, &StatusThreadRunner::RefreshStatus, [&] { ++statusSeen; });
        QObject::connect(runner, &StatusThreadRunner::RefreshBatteryStatus, [&] { ++batterySeen; });
        runEvents(2000);
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
            phases << QStringLiteral("%1 %2 s, %3 MB")
                          .arg(name)
                          .arg(phase.restart() / 1000.0, 0, 'f', 0)
                          .arg(sample().residentMb, 0, 'f', 1);
        };

        for (int i = 0; i < plugCycles; ++i) {
            mouse->unplug(VirtualMouse::Receiver);
            runEvents(20);
            mouse->plug(VirtualMouse::Receiver);
            if (!waitFor([&] { return session.link().InterfaceOpen(ReceiverCommand); }, 3000))
                ++failures;
        }
        runEvents(500);
        endPhase(QStringLiteral("hot plug"));
        const int stage = window.workingConfig().profiles[window.workingConfig().ProfileID].dpi;
        for (int i = 0; i < statusReports; ++i) {
            const int before = statusSeen;
            mouse->sendStatusReport(window.workingConfig().ProfileID, quint8((stage + i) % 4), 1, 0);
            if (!waitFor([&] { return statusSeen > before; }, 5000))
                ++failures;
        }
        endPhase(QStringLiteral("status"));
        for (int i = 0; i < batteryReports; ++i) {
            const int before = batterySeen;
            mouse->injectReport(
                batteryReport(quint8(50 + i % 50), session.upload().state().DeviceTypeByte()));
            if (!waitFor([&] { return batterySeen > before; }, 5000))
                ++failures;
        }
        endPhase(QStringLiteral("battery"));
        for (int i = 0; i < uploads; ++i) {
            TarnProcessThread upload(session.upload());
            upload.setSendEverything(true);
            upload.start();
            while (!upload.wait(10))
                QCoreApplication::processEvents();
            if (upload.status() != ReportOk)
                ++failures;
        }
        endPhase(QStringLiteral("uploads"));
        const double busySeconds = clock.elapsed() / 1000.0;
        runEvents(2000);

        // A failed upload leaves the status thread stopped until the window starts it again.
        const bool statusThreadRan = runner->isRunning();
        if (!statusThreadRan && session.link().CommandHandleOpen())
            runner->start();
        runEvents(1000);
        const double cpuBefore = cpuSeconds();
        QElapsedTimer idle;
        idle.start();
        runEvents(idleSeconds * 1000);
        const double idlePercent = (cpuSeconds() - cpuBefore) / (idle.elapsed() / 1000.0) * 100.0;
        const Sample end = sample();

        out << "Soak: " << plugCycles << " hot-plug cycles, " << statusReports << " status reports, "
            << batteryReports << " battery reports, " << uploads << " uploads in "
            << QString::number(busySeconds, 'f', 0) << " s; " << failures << " not answered in time\n";
        out << "Soak phases (time, resident after it): " << phases.join(QStringLiteral("; ")) << "\n";
        out << "Soak resident memory: " << QString::number(start.residentMb, 'f', 1) << " MB at the start, "
            << QString::number(end.residentMb, 'f', 1) << " MB at the end, growth "
            << QString::number(end.residentMb - start.residentMb, 'f', 1) << " MB (aim <= 1 MB)\n";
        ReleaseFreedMemory();
        out << "Soak resident memory once freed heap is returned: "
            << QString::number(sample().residentMb, 'f', 1) << " MB\n";
        out << "Soak of which mapped files: " << QString::number(start.fileMb, 'f', 1) << " MB at the start, "
            << QString::number(end.fileMb, 'f', 1) << " MB at the end; heap in use "
            << QString::number(start.heapMb, 'f', 1) << " MB at the start, "
            << QString::number(end.heapMb, 'f', 1) << " MB at the end\n";

        out << "Soak open descriptors: " << start.descriptors << " at the start, " << end.descriptors
            << " at the end (aim: back to the start value)\n";
        out << "Soak threads: " << start.threads << " at the start, " << end.threads
            << " at the end (aim: back to the start value)\n";
        out << "Soak idle CPU: " << QString::number(idlePercent, 'f', 3) << " % over " << idleSeconds
            << " s with the status thread running (aim <= 0.1 %)"
            << (statusThreadRan ? "" : "; it had to be started again after the uploads") << "\n";
    }
    SetPrompts(nullptr);
    return failures == 0 ? 0 : 4;
}
