#include "core/MouseBusService.h"
#include "device/session/MouseSession.h"
#include "platform/AppBusName.h"
#include "platform/Autostart.h"
#include "platform/InstanceActivation.h"
#include "platform/SingleInstanceLock.h"
#include "platform/StartupPhases.h"
#include "platform/TerminationSignals.h"
#include "storage/AppPaths.h"
#include "storage/IniSafety.h"
#include "ui/main/FirstPaintWatch.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/WindowMouseEngine.h"
#include "ui/widgets/FileIconEngine.h"
#include "virtualmouse/HidBackendSelection.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

#include "mousecfg_version.h"

namespace {

// --help and --version are answered before Qt looks for a display; the window examines no other
// argument. Returns whether one of them was answered.
bool answeredInformationOption(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("mousecfg %s\n", MOUSECFG_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("usage: mousecfg [--help | --version]\n\n"
                        "Configures the mouse in a window that lives in the system tray.\n"
                        "MOUSECFG_VIRTUAL_MOUSE=receiver|cable|both|FILE talks to a simulated mouse,\n"
                        "MOUSECFG_START_HIDDEN=1 starts in the tray, MOUSECFG_DEBUG=1 prints diagnostics.\n"
                        "mousecfg-cli does the same from scripts (mousecfg-cli --help).\n");
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredInformationOption(argc, argv))
        return 0;
    const StartupPhases phases;
    // Plain widgets only: without this Qt's X11 plugin loads a GL driver worth tens of megabytes.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    // Natively on Wayland where the session is Wayland (Qt 5 would choose XWayland on GNOME); X11
    // when Qt's Wayland plugin is missing. The user's own choice stands.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
    QApplication app(argc, argv);
    // Qt's own scaling stays off: the window scales itself from the screen's logical DPI.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    // Lets the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mousecfg.mousecfg"));
    phases.mark("application");

    const QString productName = IniReader(AppPaths::productDefinitionFile())
                                    .value(QStringLiteral("PROFILE/ProductName"))
                                    .toString();

    SingleInstanceLock instanceLock(SingleInstanceLock::mutexName(productName));
    if (!instanceLock.tryLock()) {
        // The running program shows its window instead; this one ends without one.
        InstanceActivation::requestActivation(QDBusConnection::sessionBus(), instanceLock.holderPid(),
                                              instanceLock.path());
        QCoreApplication::exit(1);
        return 1;
    }
    phases.mark("single instance");
    // Listening before the window exists: requests wait in the event loop until it runs.
    AppBusName busName;
    InstanceActivation activation(&busName, instanceLock.path());
    // The mouse's interface; its calls wait for the window, which becomes its engine below.
    MouseBusService mouseService(busName.connection());
    busName.registerObject(MouseBusService::objectPath(), &mouseService);
    busName.own();
    phases.mark("bus name");

    // Logging out ends the program as "&Quit" does: the window's clean-up runs.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app, &QCoreApplication::quit);

    // The mouse this program talks to: the virtual one MOUSECFG_VIRTUAL_MOUSE asks for, else the
    // system's; the window takes the notices (and with them a virtual mouse) over, and goes first.
    const HidBackendChoice backend = chooseHidBackend();
    MouseSession mouse(backend.backend, MouseSession::WithStatusThread);
    phases.mark("mouse session");
    auto *window = new MousecfgWidget(mouse, backend.notices);
    phases.mark("window built");
    new WindowMouseEngine(window, &mouseService);
    QObject::connect(&activation, &InstanceActivation::activationRequested, window, &MousecfgWidget::bringForward);
    // Started at login: the window waits in the tray until the user opens it.
    if (window->connectedCount() != 0 && !Autostart::startHidden()) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    // Relative to the working directory on purpose: the icon belongs to how the tool was started. An
    // installed program started from the desktop keeps the one of its program folder, which the
    // window set (not the icon theme's: Qt would ask every installed image plugin to read its PNGs).
    // The same file as the window's is not read again: each read keeps a decoded copy of every size.
    const QFileInfo iconFile(QStringLiteral("./skin/icon.ico"));
    if (iconFile.exists()
        && iconFile.canonicalFilePath()
            != QFileInfo(AppPaths::skinFile(QStringLiteral("/icon.ico"))).canonicalFilePath())
        window->setWindowIcon(FileIconEngine::icon(iconFile.filePath()));
    window->setWindowTitle(productName);
    phases.mark("window shown");
    QObject::connect(new FirstPaintWatch(window), &FirstPaintWatch::painted,
                     [&phases] { phases.mark("first paint"); });

    const int result = app.exec();
    delete window;
    return result;
}
