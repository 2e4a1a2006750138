#include "StartupBench.h"

#include "device/session/MouseSession.h"
#include "storage/AppPaths.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/widgets/Theme.h"
#include "virtualmouse/HidBackendSelection.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <malloc.h>

namespace {

// Stops the clock at the window's first paint.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QElapsedTimer &clock)
        : m_clock(clock)
    { }
    qint64 elapsedMs = -1;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && elapsedMs < 0 && qobject_cast<MousecfgWidget *>(object))
            elapsedMs = m_clock.elapsed();
        return QObject::eventFilter(object, event);
    }

private:
    const QElapsedTimer &m_clock;
};

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Bytes handed out by the heap, in megabytes.
double heapMegabytes()
{
    return mallinfo2().uordblks / (1024.0 * 1024.0);
}

QString megabytes(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" MB");
}

} // namespace

// A program folder with the installation's files; the pictures and translations are shared.
bool layOutProgramFolder(const QString &installed, const QString &copy)
{
    QDir().mkpath(copy + QStringLiteral("/Configs"));
    return QFile::copy(installed + QStringLiteral("/DefaultProfile.bin"),
                       copy + QStringLiteral("/DefaultProfile.bin"))
        && QFile::copy(installed + QStringLiteral("/Configs/Config.ini"),
                       copy + QStringLiteral("/Configs/Config.ini"))
        && QFile::link(installed + QStringLiteral("/skin"), copy + QStringLiteral("/skin"))
        && QFile::link(installed + QStringLiteral("/lang"), copy + QStringLiteral("/lang"));
}

QString startupFigures(const QString &benchProgram)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MOUSECFG_VIRTUAL_MOUSE"), QStringLiteral("receiver"));
    child.setProcessEnvironment(environment);
    child.start(benchProgram, { QStringLiteral("--startup-child"), AppPaths::appDir() });
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return QStringLiteral("Start-up: failed (%1)")
            .arg(QString::fromLocal8Bit(child.readAllStandardError().trimmed()));
    return QString::fromLocal8Bit(child.readAllStandardOutput().trimmed());
}

int runStartupChild(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    // As the program itself starts: no GL integration for plain widgets.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!layOutProgramFolder(QString::fromLocal8Bit(argv[2]), dir.path()))
        return 2;
    AppPaths::setAppDir(dir.path());

    FirstPaint firstPaint(clock);
    app.installEventFilter(&firstPaint);
    const HidBackendChoice backend = chooseHidBackend();
    MouseSession session(backend.backend, MouseSession::WithStatusThread);
    MousecfgWidget window(session, backend.notices);
    window.show();
    QTimer::singleShot(1500, &app, &QCoreApplication::quit);
    app.exec();
    const qint64 startedKb = residentKilobytes();
    const double startedHeap = heapMegabytes();

    // Every tab once, each given time to be laid out and painted, then back to the first.
    for (int tab : { 1, 2, 3, 0 }) {
        window.switchTab(tab);
        QTimer::singleShot(300, &app, &QCoreApplication::quit);
        app.exec();
    }
    const qint64 visitedKb = residentKilobytes();

    QTextStream out(stdout);
    out << "Start-up to the window shown: " << firstPaint.elapsedMs << " ms ("
        << QGuiApplication::platformName() << ", scale " << UiScale() << ")\n";
    out << "Resident memory after start: " << megabytes(startedKb / 1024.0)
        << " (aim <= 40 MB at scale 1.25)\n";
    out << "Heap in use after start: " << megabytes(startedHeap) << "\n";
    out << "Resident memory after every tab: " << megabytes(visitedKb / 1024.0) << " (aim <= 50 MB)\n";
    out << "Heap in use after every tab: " << megabytes(heapMegabytes()) << "\n";
    return firstPaint.elapsedMs >= 0 ? 0 : 3;
}
