// The pictures of the user guide (docs/guide.md), taken from the real window on the virtual mouse:
// each tab, a button being given a function, a macro being recorded, the "APPLICATIONS" dialog and
// the tray menu. Run by scripts/guide-screenshots.sh, on an X server without a window manager.
// Usage: guide_shots OUTPUT_DIR [LANGUAGE_INDEX]

#include "appprofiles/AppProfileFile.h"
#include "device/session/MouseSession.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroEvents.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/macro/MacroDialog.h"
#include "ui/main/AppProfilesDialog.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/PageStack.h"
#include "ui/main/TrayIcon.h"
#include "ui/widgets/TarnPushButton.h"
#include "virtualmouse/HidBackendSelection.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString g_out;

// A program folder of its own: the build's skin and translations, the shipped Configs.
void fillAppDir(const QString &dir)
{
    const QString built = QStringLiteral(MOUSECFG_APPDIR);
    QFile::link(built + QStringLiteral("/skin"), dir + QStringLiteral("/skin"));
    QFile::link(built + QStringLiteral("/lang"), dir + QStringLiteral("/lang"));
    const QString data = QStringLiteral(MOUSECFG_SOURCE_DIR "/data");
    QFile::copy(data + QStringLiteral("/DefaultProfile.bin"), dir + QStringLiteral("/DefaultProfile.bin"));
    QDirIterator it(data + QStringLiteral("/Configs"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = dir + QStringLiteral("/Configs") + source.mid(data.size() + 8);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}

// The screen under the given widgets (menus and dialogs are windows of their own).
void saveScreen(const QList<QWidget *> &shown, const QString &name)
{
    // No focus frame left on the last control clicked.
    QWidget *focused = QApplication::focusWidget();
    if (focused && !qobject_cast<QMenu *>(focused))
        focused->clearFocus();
    QTest::qWait(300);
    QRect area;
    for (QWidget *widget : shown)
        area |= widget->frameGeometry();
    area &= QGuiApplication::primaryScreen()->geometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(g_out + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void capture(MacroDialog *page, int code, bool pressed, int timestampMs)
{
    CapturedKey key;
    key.makeCode = code;
    key.pressed = pressed;
    key.timestampMs = timestampMs;
    page->keyCaptured(key);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 64;
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);
    QTemporaryDir dir;
    fillAppDir(dir.path());
    AppPaths::setAppDir(dir.path());
    SaveLanguage(argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0);
    AppProfileRules rules;
    rules.setRule(QStringLiteral("supertuxkart"), 2);
    rules.setRule(QStringLiteral("gimp-2.10"), 1);
    rules.setRule(QStringLiteral("Blender"), 4);
    rules.setDefaultSlot(0);
    AppProfileFile::save(rules);
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    // The settings a new mouse comes with, every button named.
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    SaveConfig(config);
    // Two macros in the library: "reload", shown on the macro tab, and "copy", empty, recorded below.
    MacroFileData macro;
    macro.delayType = 1;
    macro.defaultDelay = 10;
    using namespace MacroEvents;
    const MacroEvent reload[] = { key(true, 0x15),          delay(40), key(false, 0x15),         delay(250),
                                  button(true, LeftButton), delay(30), button(false, LeftButton) };
    macro.count = int(std::size(reload));
    std::copy(std::begin(reload), std::end(reload), macro.events);
    SaveMacroFile(QStringLiteral("reload"), macro);
    AddToMacroList(QStringLiteral("reload"));
    macro.count = 0;
    SaveMacroFile(QStringLiteral("copy"), macro);
    AddToMacroList(QStringLiteral("copy"));

    const HidBackendChoice backend = chooseHidBackend();
    MouseSession session(backend.backend, MouseSession::WithStatusThread);
    MousecfgWidget window(session, backend.notices);
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(1500);

    const char *tabs[] = { "lighting", "buttons", "dpi", "macro" };
    for (int tab = 0; tab < 4; ++tab) {
        window.switchTab(tab);
        saveScreen({ &window }, QString::fromLatin1(tabs[tab]));
    }

    // A button being given another function: its menu open beside it, with a submenu.
    window.switchTab(1);
    TarnBtnWindow *buttons = window.pages()->buttonPage();
    buttons->selectButton(1, 0);
    TarnPushButton *second = buttons->button(0, 1);
    QMenu *functions = buttons->menus()->functionMenu();
    functions->popup(second->mapToGlobal(QPoint(0, second->height())));
    QTest::qWait(300);
    QMenu *submenu = nullptr;
    for (QAction *action : functions->actions()) {
        if (action->menu()) {
            submenu = action->menu();
            functions->setActiveAction(action);
            submenu->popup(functions->geometry().topRight()
                           + QPoint(0, functions->actionGeometry(action).y()));
            break;
        }
    }
    saveScreen({ &window, functions, submenu ? submenu : functions }, QStringLiteral("button-assignment"));
    if (submenu)
        submenu->close();
    functions->close();

    // The "APPLICATIONS" dialog over the window.
    const auto openPrograms = [] {
        return QStringList { QStringLiteral("firefox-esr"), QStringLiteral("supertuxkart") };
    };
    auto *dialog = new AppProfilesDialog(window.appSwitching()->supportSentence(), openPrograms, 0, &window);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        qWarning("the dialog was not shown in time");
    saveScreen({ &window, dialog }, QStringLiteral("applications"));
    delete dialog;

    // The tray menu, as a click on the icon opens it.
    QMenu *tray = window.tray()->icon()->contextMenu();
    tray->popup(window.geometry().center());
    saveScreen({ tray }, QStringLiteral("tray-menu"));
    tray->close();

    // A macro being recorded: START pressed, then Ctrl+C typed.
    window.switchTab(3);
    MacroDialog *macros = window.pages()->macroPage();
    if (auto *library = macros->findChild<QListWidget *>())
        library->setCurrentRow(1);
    macros->startRecording();
    capture(macros, 29, true, 1000);
    capture(macros, 46, true, 1120);
    capture(macros, 46, false, 1250);
    capture(macros, 29, false, 1310);
    saveScreen({ &window }, QStringLiteral("macro-recording"));
    return 0;
}
