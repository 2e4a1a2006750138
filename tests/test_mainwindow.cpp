#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "core/ProfileTransfers.h"
#include "core/settings/ButtonCatalogue.h"
#include "core/settings/LightingEffects.h"
#include "device/link/DeviceLink.h"
#include "device/status/StatusThreadRunner.h"
#include "device/upload/UploadThreadState.h"
#include "platform/Autostart.h"
#include "platform/TrayHost.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/macro/MacroDialog.h"
#include "ui/main/ConnectionDisplay.h"
#include "ui/main/HeaderBar.h"
#include "ui/main/LanguageButton.h"
#include "ui/main/MousePicture.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/PageStack.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/SlotIndicators.h"
#include "ui/main/TabBar.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/WindowBackground.h"
#include "ui/main/WindowScale.h"
#include "ui/pages/TarnColorWindow.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/pages/TarnSingleDPI.h"
#include "ui/widgets/TarnAction.h"
#include "ui/widgets/TarnLabel.h"
#include "ui/widgets/TarnProcessbar.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"
#include "virtualmouse/VirtualMouse.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <functional>

// The main window on the virtual mouse: start with and without a mouse, hot plug, battery and
// connection display, changes made on the mouse, scaling, dragging, tray and accessibility.
class TestMainWindow : public QObject
{
    Q_OBJECT
public slots:
    // URL handler standing in for the desktop's browser.
    void openUrl(const QUrl &url) { m_openedUrls << url; }

private slots:
    void init();
    void cleanup();
    void startWithoutMouseThenPlugReceiver();
    void lastMouseUnpluggedAndCableSwap();
    void batteryAndConnectionDisplay();
    void changesMadeOnTheMouse();
    void scaleSteps();
    void packedBackgroundPaintsTheSame_data();
    void packedBackgroundPaintsTheSame();
    void dragNeedsMoreThanFourPixels();
    void trayToggleKeepsWarningUp();
    void startAtLoginFromTheTray();
    void withoutTrayCloseQuitsAndNothingHides();
    void tabsAndPictures();
    void sideNoteFits_data();
    void sideNoteFits();
    void versionLabelOpensOnlyAddresses();
    void everyControlIsNamedAndReachable();
    void pagesBuiltWhenFirstShown_data();
    void pagesBuiltWhenFirstShown();

private:
    MousecfgWidget *createWindow(const QByteArray &connection);
    VirtualMouse *mouse() const { return m_window->findChild<VirtualMouse *>(); }

    QScopedPointer<TestAppDir> m_dir;
    QScopedPointer<ScriptedPrompts> m_prompts;
    // The program's session, made with each window and going after it.
    QScopedPointer<ProgramSession> m_program;
    QScopedPointer<MousecfgWidget> m_window;
    QList<QUrl> m_openedUrls;
};

namespace {
// A prompts object that runs a hook while a box is "open".
class HookedPrompts : public ScriptedPrompts
{
public:
    std::function<void()> whileOpen;
    int messageBox(int buttonMode, const QString &title, const QString &text, int icon, QWidget *parent,
                   bool waitForMouse) override
    {
        if (whileOpen)
            whileOpen();
        return ScriptedPrompts::messageBox(buttonMode, title, text, icon, parent, waitForMouse);
    }
};
} // namespace

void TestMainWindow::init()
{
    m_dir.reset(new TestAppDir(TestAppDir::Installed));
    m_prompts.reset(new HookedPrompts);
    // The desktop has a tray unless a test takes it away.
    TrayHost::setProbe([] { return true; });
    // Slot files on disk, as an installation has them.
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_program.reset();
    m_prompts.reset();
    m_dir.reset();
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

MousecfgWidget *TestMainWindow::createWindow(const QByteArray &connection)
{
    const QString scenario
        = m_dir->writeFile(QStringLiteral("scenario.ini"), "[Mouse]\nConnection=" + connection + "\n");
    qputenv("MOUSECFG_VIRTUAL_MOUSE", scenario.toLocal8Bit());
    m_window.reset();
    m_program.reset(new ProgramSession);
    m_window.reset(m_program->newWindow());
    return m_window.data();
}

void TestMainWindow::startWithoutMouseThenPlugReceiver()
{
    MousecfgWidget *window = createWindow("none");
    QCOMPARE(window->connectedCount(), 0);
    QVERIFY(m_prompts->boxes.isEmpty());
    // About 200 ms later the window shows and warns; accepted without a mouse, it hides again.
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts->boxes.size(), 1, 1000);
    QCOMPARE(m_prompts->boxes[0].text, QStringLiteral("Dongle Disconnect!"));
    QCOMPARE(m_prompts->boxes[0].title, QStringLiteral("Warning"));
    QVERIFY(m_prompts->boxes[0].waitForMouse);
    QVERIFY(window->isHidden());
    QVERIFY(!window->warningShown());

    // The receiver arrives: opened 200 ms after its collections, not at once.
    mouse()->plug(VirtualMouse::Receiver);
    QCOMPARE(window->connectedCount(), 1);
    QVERIFY(!m_program->session.link().InterfaceOpen(ReceiverCommand));
    QTRY_VERIFY_WITH_TIMEOUT(m_program->session.link().InterfaceOpen(ReceiverCommand), 1000);
    QCOMPARE(window->connectionDisplay()->state().connectionState(), BatteryDisplayState::Receiver);
    QCOMPARE(m_prompts->boxes.size(), 1);
}

void TestMainWindow::lastMouseUnpluggedAndCableSwap()
{
    MousecfgWidget *window = createWindow("receiver");
    QVERIFY(m_program->session.link().InterfaceOpen(ReceiverCommand));

    // The cable comes while the receiver stays: closed, 500 ms, reopened with the cable.
    QElapsedTimer timer;
    timer.start();
    mouse()->plug(VirtualMouse::Cable);
    QVERIFY(timer.elapsed() >= 500);
    QVERIFY(m_program->session.link().InterfaceOpen(CableCommand));
    QVERIFY(m_program->session.statusRunner()->isRunning());
    QCOMPARE(window->connectionDisplay()->state().connectionState(), BatteryDisplayState::Charging);

    // Everything goes: the device closes and the warning follows 200 ms later.
    mouse()->unplug(VirtualMouse::Cable);
    QVERIFY(m_program->session.link().InterfaceOpen(ReceiverCommand));
    m_prompts->boxes.clear();
    mouse()->unplug(VirtualMouse::Receiver);
    QCOMPARE(window->connectedCount(), 0);
    QVERIFY(!m_program->session.link().CommandHandleOpen());
    QVERIFY(!m_program->session.statusRunner()->isRunning());
    QVERIFY(window->warningShown());
    QVERIFY(m_prompts->boxes.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts->boxes.size(), 1, 1000);
    QCOMPARE(m_prompts->boxes[0].text, QStringLiteral("Dongle Disconnect!"));
    QCOMPARE(window->connectionDisplay()->state().connectionState(), BatteryDisplayState::Disconnected);
}

void TestMainWindow::batteryAndConnectionDisplay()
{
    MousecfgWidget *window = createWindow("receiver");
    ConnectionDisplay *display = window->connectionDisplay();
    TarnProcessbar *bar = display->batteryBar();

    // Raw 930 is 3836 mV: 60 %, with the percentage through the receiver.
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(0, 0xA2, 0x03, 4200));
    QCOMPARE(bar->value(), 60);
    QCOMPARE(bar->paintedText(), QStringLiteral("60%"));
    QCOMPARE(LoadBattery(), 60);
    QVERIFY(!m_program->session.upload().state().MouseAsleep());
    QVERIFY(!bar->isHidden());
    QVERIFY(display->findChild<QLabel *>(QStringLiteral("chargingIcon"))->isHidden());

    // All zeros: the mouse is off; the level stays as it was.
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(0, 0, 0, 4200));
    QCOMPARE(bar->paintedText(), QStringLiteral("MOUSE OFF"));
    QVERIFY(m_program->session.upload().state().MouseAsleep());
    QCOMPARE(display->state().level(), 60);
    QCOMPARE(LoadBattery(), 60);
    QVERIFY(bar->styleSheet().contains(QStringLiteral("rgb(100,100,100)")));

    // Charging through the receiver: connection state 1, the bar hidden.
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(1, 0xA2, 0x03, 4200));
    QVERIFY(!m_program->session.upload().state().MouseAsleep());
    QCOMPARE(display->state().connectionState(), BatteryDisplayState::Charging);
    QVERIFY(bar->isHidden());
    QVERIFY(bar->styleSheet().contains(QStringLiteral("#FFFFFF")));

    // Asleep after charging: the sleep wins, and the footer says so.
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(0, 0, 0, 4200));
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->paintedText(), QStringLiteral("MOUSE OFF"));
    QCOMPARE(display->state().connectionState(), BatteryDisplayState::Receiver);

    // With the cable the bar reads 100 without any text.
    m_window.reset();
    window = createWindow("cable");
    bar = window->connectionDisplay()->batteryBar();
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(0, 0xA2, 0x03, 4200));
    QCOMPARE(bar->value(), 100);
    QCOMPARE(bar->paintedText(), QString());
    QCOMPARE(window->connectionDisplay()->state().connectionState(), BatteryDisplayState::Cable);
}

void TestMainWindow::changesMadeOnTheMouse()
{
    MousecfgWidget *window = createWindow("receiver");
    QSignalSpy osd(window, &MousecfgWidget::osdTextRequested);
    const quint8 slot = window->workingConfig().ProfileID == 2 ? 3 : 2;

    // The user presses the mouse's own buttons: slot, DPI stage 4 (index 3) and 500 Hz.
    mouse()->sendStatusReport(slot, 3, 2, 0);
    QTRY_COMPARE_WITH_TIMEOUT(int(window->workingConfig().ProfileID), int(slot), 5000);
    QTRY_COMPARE(osd.size(), 2);
    const ProfileData &profile = window->workingConfig().profiles[slot];
    QCOMPARE(int(profile.dpi), 3);
    QCOMPARE(int(profile.pollrate), 2);
    QVERIFY(osd[0][0].toString().startsWith(QStringLiteral("DPI 4:")));
    QCOMPARE(osd[1][0].toString(), QStringLiteral("500 HZ"));
    QVERIFY(window->slotIndicators()->button(slot)->isChecked());
    QCOMPARE(int(window->pages()->ratePage()->rate()), 2);
    QCOMPARE(int(window->pages()->dpiPage()->profile().dpi), 3);

    // The slot and the stage are on disk; nothing went to the mouse for them.
    ConfigData stored;
    LoadConfig(stored);
    QCOMPARE(int(stored.ProfileID), int(slot));
    QCOMPARE(int(stored.profiles[slot].dpi), 3);
    QCOMPARE(mouse()->selectedProfile() == slot, false);

    // A report naming no slot or stage changes nothing; an unknown rate shows no text.
    osd.clear();
    window->slotRefreshStatus({ 7, 9, 3, 0 });
    QCOMPARE(int(window->workingConfig().ProfileID), int(slot));
    QCOMPARE(int(window->workingConfig().profiles[slot].dpi), 3);
    QCOMPARE(osd.size(), 1);
    QCOMPARE(osd[0][0].toString(), QString());
}

void TestMainWindow::scaleSteps()
{
    // Logical DPI 120 is a ratio of 1.25: step 1, scale 1.25, a 1248 x 800 window.
    QCOMPARE(WindowScale::stepForRatio(120 / 96.0), 1);
    QCOMPARE(WindowScale::scaleForStep(1), 1.25);
    QCOMPARE(WindowScale::windowSizeForStep(1), QSize(1248, 800));
    QCOMPARE(WindowScale::stepForRatio(1.09), 0);
    QCOMPARE(WindowScale::stepForRatio(2.0), 4);
    QCOMPARE(WindowScale::stepForRatio(4.79), 15);
    QCOMPARE(WindowScale::stepForRatio(9.0), 16);
    QCOMPARE(WindowScale::scaleForStep(16), 5.0);
    QCOMPARE(WindowScale::windowSizeForStep(2), QSize(1498, 960));
    QCOMPARE(WindowScale::snappedStepForWidth(1257), 1);
    QCOMPARE(WindowScale::snappedStepForWidth(1258), -1);
    QCOMPARE(WindowScale::snappedStepForWidth(1740), 3);

    // A background whose corners are transparent.
    QImage background(200, 128, QImage::Format_ARGB32);
    background.fill(Qt::darkGray);
    for (const QPoint corner : { QPoint(0, 0), QPoint(190, 118) })
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                background.setPixel(corner + QPoint(x, y), 0);
    QVERIFY(QDir().mkpath(m_dir->path() + "/skin")
            && background.save(m_dir->path() + "/skin/cfgMainback.png"));

    // The offscreen screen has 96 DPI: the window is laid out at its design size.
    MousecfgWidget *window = createWindow("receiver");
    QCOMPARE(window->size(), QSize(999, 640));
    QCOMPARE(window->minimumSize(), QSize(999, 640));
    // Its shape is the background's, without the transparent corners; what shows is the picture.
    QVERIFY(!window->mask().contains(QPoint(0, 0)));
    QVERIFY(!window->mask().contains(QPoint(998, 639)));
    QVERIFY(window->mask().contains(QPoint(500, 320)));
    QVERIFY(window->mask().contains(QPoint(80, 0)));
    const QColor shown = window->grab(QRect(850, 560, 1, 1)).toImage().pixelColor(0, 0);
    QVERIFY2(qAbs(shown.red() - 128) <= 1 && qAbs(shown.blue() - 128) <= 1, qPrintable(shown.name()));
}

void TestMainWindow::packedBackgroundPaintsTheSame_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QRect>("dirty");
    QTest::addColumn<bool>("readable");
    QTest::newRow("whole window") << 1.0 << QRect(0, 0, 300, 200) << true;
    QTest::newRow("across a band edge") << 1.0 << QRect(10, 30, 50, 4) << true;
    QTest::newRow("last row only") << 1.0 << QRect(0, 199, 300, 1) << true;
    QTest::newRow("ratio 1.5, whole window") << 1.5 << QRect(0, 0, 300, 200) << true;
    QTest::newRow("ratio 1.5, bands ending mid pixel") << 1.5 << QRect(7, 20, 13, 3) << true;
    QTest::newRow("ratio 2, across a band edge") << 2.0 << QRect(0, 15, 300, 2) << true;
    QTest::newRow("picture not readable") << 1.0 << QRect(0, 0, 300, 200) << false;
}

void TestMainWindow::packedBackgroundPaintsTheSame()
{
    QFETCH(qreal, ratio);
    QFETCH(QRect, dirty);
    QFETCH(bool, readable);
    // No two neighbouring pixels alike, so a band drawn a row out of place shows.
    QImage picture(600, 400, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 11) % 256, (x + y * 3) % 256));
    QVERIFY(QDir().mkpath(m_dir->path() + "/skin"));
    const QString file = m_dir->path() + "/skin/background.png";
    QVERIFY(readable ? picture.save(file) : m_dir->writeFile("skin/background.png", "not a picture") == file);

    WindowBackground background(QStringLiteral("/background.png"));
    background.makeFor(QSize(300, 200), ratio);
    auto painted = [&] {
        QImage canvas(QSize(300, 200) * ratio, QImage::Format_RGB32);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::magenta);
        QPainter painter(&canvas);
        painter.setClipRect(dirty);
        background.paint(painter, dirty);
        return canvas;
    };
    const QImage whole = painted();
    QVERIFY(whole.pixelColor(dirty.center() * ratio).toRgb() != QColor(Qt::magenta));
    background.pack();
    QVERIFY(painted() == whole);
}

void TestMainWindow::dragNeedsMoreThanFourPixels()
{
    MousecfgWidget *window = createWindow("receiver");
    window->move(100, 100);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint start = window->frameGeometry().topLeft();
    // A spot in the footer that no child takes.
    const QPoint press(850, 560);
    auto send = [window](QEvent::Type type, const QPoint &local, Qt::MouseButtons buttons) {
        QMouseEvent event(type, local, window->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(window, &event);
    };
    send(QEvent::MouseButtonPress, press, Qt::LeftButton);
    send(QEvent::MouseMove, press + QPoint(3, 1), Qt::LeftButton);
    QCOMPARE(window->frameGeometry().topLeft(), start);
    send(QEvent::MouseMove, press + QPoint(3, 2), Qt::LeftButton);
    QCOMPARE(window->frameGeometry().topLeft(), start + QPoint(3, 2));
    send(QEvent::MouseButtonRelease, press + QPoint(3, 2), Qt::NoButton);
    const QPoint after = window->frameGeometry().topLeft();
    send(QEvent::MouseMove, press + QPoint(40, 40), Qt::NoButton);
    QCOMPARE(window->frameGeometry().topLeft(), after);
}

void TestMainWindow::trayToggleKeepsWarningUp()
{
    MousecfgWidget *window = createWindow("none");
    auto *prompts = static_cast<HookedPrompts *>(m_prompts.data());
    bool visibleDuringBox = false;
    prompts->whileOpen = [&] {
        // A click on the tray while the warning is up does not hide the window.
        window->iconActivated(QSystemTrayIcon::Trigger);
        visibleDuringBox = window->isVisible() && window->warningShown();
    };
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts->boxes.size(), 1, 1000);
    QVERIFY(visibleDuringBox);
    QVERIFY(window->isHidden());

    // With a mouse the tray toggles the window; other activations do nothing.
    prompts->whileOpen = nullptr;
    mouse()->plug(VirtualMouse::Receiver);
    window->iconActivated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window->isVisible());
    window->iconActivated(QSystemTrayIcon::Context);
    QVERIFY(window->isVisible());
    window->iconActivated(QSystemTrayIcon::Trigger);
    QVERIFY(window->isHidden());
    window->tray()->loadConfigAction()->trigger();
    QVERIFY(window->isVisible());

    // Closing only hides.
    window->header()->closeButton()->click();
    QVERIFY(window->isHidden());
    window->show();
    QVERIFY(!window->close());
    QVERIFY(window->isHidden());
    QCOMPARE(m_prompts->boxes.size(), 1);
}

void TestMainWindow::startAtLoginFromTheTray()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    MousecfgWidget *window = createWindow("receiver");
    QAction *startAtLogin = window->tray()->startAtLoginAction();
    QVERIFY(startAtLogin->isCheckable());
    QVERIFY(!startAtLogin->isChecked());
    startAtLogin->trigger();
    QVERIFY(startAtLogin->isChecked());
    QVERIFY(QFile::exists(Autostart::filePath()));
    startAtLogin->trigger();
    QVERIFY(!QFile::exists(Autostart::filePath()));

    // An entry that cannot be written is reported and the action stays unchecked.
    QFile::remove(config.path());
    QVERIFY(QFile(config.path() + QStringLiteral("-blocker")).open(QIODevice::WriteOnly));
    qputenv("XDG_CONFIG_HOME", (config.path() + QStringLiteral("-blocker")).toLocal8Bit());
    startAtLogin->trigger();
    QVERIFY(!startAtLogin->isChecked());
    QVERIFY(m_prompts->texts().last().contains(QStringLiteral("could not be changed")));
    QFile::remove(config.path() + QStringLiteral("-blocker"));

    // Started from that entry the window stays in the tray, even without a mouse.
    m_window.reset();
    m_prompts->boxes.clear();
    qputenv(Autostart::HiddenVariable, "1");
    window = createWindow("none");
    QTest::qWait(500);
    qunsetenv(Autostart::HiddenVariable);
    qunsetenv("XDG_CONFIG_HOME");
    QVERIFY(m_prompts->boxes.isEmpty());
    QVERIFY(window->isHidden());
}

void TestMainWindow::withoutTrayCloseQuitsAndNothingHides()
{
    bool trayThere = false;
    TrayHost::setProbe([&trayThere] { return trayThere; });
    MousecfgWidget *window = createWindow("none");
    QMenu *menu = window->tray()->icon()->contextMenu();
    QSignalSpy quits(window->tray()->quitAction(), &QAction::triggered);

    // Accepting the warning without a mouse minimises instead of hiding out of reach.
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts->boxes.size(), 1, 1000);
    QVERIFY(window->isVisible());
    QVERIFY(window->isMinimized());
    emit menu->aboutToShow();
    QVERIFY(!window->tray()->startAtLoginAction()->isVisible());

    // Closing ends the program as "&Quit" does, from the close picture and from the desktop.
    window->header()->closeButton()->click();
    QCOMPARE(quits.size(), 1);
    QVERIFY(!window->close());
    QCOMPARE(quits.size(), 2);

    // A tray host that arrives later brings back hiding and the login start.
    trayThere = true;
    emit menu->aboutToShow();
    QVERIFY(window->tray()->startAtLoginAction()->isVisible());
    QVERIFY(!window->close());
    QVERIFY(window->isHidden());
    QCOMPARE(quits.size(), 2);

    // A login start that finds no tray shows the window minimised after a few seconds.
    trayThere = false;
    m_window.reset();
    m_prompts->boxes.clear();
    qputenv(Autostart::HiddenVariable, "1");
    window = createWindow("receiver");
    qunsetenv(Autostart::HiddenVariable);
    QVERIFY(window->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(window->isVisible(), 15000);
    QVERIFY(window->isMinimized());
    QVERIFY(m_prompts->boxes.isEmpty());
}

void TestMainWindow::tabsAndPictures()
{
    MousecfgWidget *window = createWindow("receiver");
    window->show();
    QCOMPARE(window->currentTab(), int(TabBar::Lighting));
    QVERIFY(window->pages()->lightingPage()->isVisible());
    QVERIFY(!window->mousePicture()->callout(0, 0)->isVisible());

    QTest::mouseClick(window->tabs()->button(TabBar::Dpi), Qt::LeftButton);
    QCOMPARE(window->currentTab(), int(TabBar::Dpi));
    QVERIFY(window->pages()->dpiPage()->isVisible());
    QVERIFY(!window->pages()->lightingPage()->isVisible());
    QVERIFY(window->tabs()->button(TabBar::Dpi)->isChecked());
    QVERIFY(!window->tabs()->button(TabBar::Lighting)->isChecked());

    // The button page: front view with one callout per button; the side view on request shows the
    // picture with a note and nothing to assign (every button the mouse takes is a front one), and
    // the view is restored when the tab comes back.
    window->switchTab(TabBar::Customize);
    MousePicture *picture = window->mousePicture();
    QLabel *note = picture->sideNote();
    QVERIFY(picture->callout(6, 0)->isVisible());
    QVERIFY(!picture->callout(7, 0)->isVisible());
    QVERIFY(picture->callout(0, 2)->isVisible());
    QVERIFY(!note->isVisible());
    auto *sideSwitch = picture->findChild<TarnPushButton *>(QStringLiteral("sideViewButton"));
    auto *frontSwitch = picture->findChild<TarnPushButton *>(QStringLiteral("frontViewButton"));
    QTest::mouseClick(sideSwitch, Qt::LeftButton);
    QVERIFY(!picture->frontView());
    QVERIFY(note->isVisible());
    QVERIFY(!note->text().isEmpty());
    QCOMPARE(note->accessibleName(), note->text());
    QCOMPARE(sideSwitch->accessibleDescription(), note->text());
    const auto pictureButtons = picture->findChildren<TarnPushButton *>();
    for (TarnPushButton *shown : pictureButtons)
        QVERIFY2(!shown->isVisible() || shown == sideSwitch || shown == frontSwitch,
                 qPrintable(shown->objectName()));
    QVERIFY(!picture->callout(0, 1));
    window->switchTab(TabBar::Macro);
    window->switchTab(TabBar::Customize);
    QVERIFY(!picture->frontView());
    QVERIFY(note->isVisible());
    QVERIFY(!picture->callout(0, 0)->isVisible());
    QTest::mouseClick(frontSwitch, Qt::LeftButton);
    QVERIFY(picture->frontView());
    QVERIFY(!note->isVisible());
    QVERIFY(picture->callout(6, 0)->isVisible());
    QVERIFY(picture->callout(1, 2)->isVisible());

    // A callout click selects that button on the page and marks the callout.
    QSignalSpy selected(window->pages()->buttonPage(), &TarnBtnWindow::SelBtnChanged);
    QTest::mouseClick(picture->callout(2, 0), Qt::LeftButton);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0][0].toInt(), 2);
    QCOMPARE(selected[0][1].toInt(), 0);
    QVERIFY(picture->callout(2, 0)->isHighlighted());
    QVERIFY(!picture->callout(0, 0)->isHighlighted());

    // Without lighting the first tab is the button page (the product is read when a session starts).
    QSettings(m_dir->path() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat)
        .setValue(QStringLiteral("PROFILE/ledDisable"), 1);
    window = createWindow("receiver");
    window->switchTab(TabBar::Lighting);
    QCOMPARE(window->currentTab(), int(TabBar::Customize));
}

void TestMainWindow::sideNoteFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const char *language : { "en", "fr", "de" }) {
        for (const double scale : { 1.0, 2.0 })
            QTest::addRow("%s at %.0f", language, scale) << QString::fromLatin1(language) << scale;
    }
}

void TestMainWindow::sideNoteFits()
{
    QFETCH(QString, language);
    QFETCH(double, scale);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(MOUSECFG_APPDIR "/lang/mousecfg_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    SetUiScale(scale);
    MousePicture picture;
    picture.retranslate();
    picture.relayout();
    picture.setFrontView(false);
    QLabel *note = picture.sideNote();
    if (language != QLatin1String("en"))
        QVERIFY(note->text() != QStringLiteral("Every button of this mouse is set in the front view."));
    // Every line shows, inside the picture's area.
    QVERIFY2(note->heightForWidth(note->width()) <= note->height(), qPrintable(note->text()));
    QVERIFY(picture.rect().contains(note->geometry()));
    QCoreApplication::removeTranslator(&translator);
    SetUiScale(1.0);
}

void TestMainWindow::versionLabelOpensOnlyAddresses()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    MousecfgWidget *window = createWindow("receiver");
    TarnLabel *version = window->header()->versionLabel();
    QCOMPARE(version->text(), QStringLiteral("V1.0.3"));
    QTest::mouseClick(version, Qt::LeftButton);
    QVERIFY(m_openedUrls.isEmpty());

    QSettings(m_dir->path() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat)
        .setValue(QStringLiteral("PROFILE/Version"), QStringLiteral("https://example.org/mouse"));
    window = createWindow("receiver");
    version = window->header()->versionLabel();
    version->setFocus(Qt::TabFocusReason);
    QTest::keyClick(version, Qt::Key_Return);
    QCOMPARE(m_openedUrls, QList<QUrl> { QUrl(QStringLiteral("https://example.org/mouse")) });
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestMainWindow::everyControlIsNamedAndReachable()
{
    MousecfgWidget *window = createWindow("receiver");
    window->show();
    for (int tab = 0; tab < 4; ++tab) {
        window->switchTab(tab);
        const auto buttons = window->findChildren<QAbstractButton *>();
        for (QAbstractButton *button : buttons) {
            if (!button->isVisibleTo(window))
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(button->objectName()));
            QVERIFY2(button->focusPolicy() & Qt::TabFocus, qPrintable(button->objectName()));
        }
    }
    // Keyboard: a focused tab switches on Space, the minimise and close pictures have names.
    TarnPushButton *dpiTab = window->tabs()->button(TabBar::Dpi);
    dpiTab->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dpiTab, Qt::Key_Space);
    QCOMPARE(window->currentTab(), int(TabBar::Dpi));
    QTest::keyClick(window->tabs()->button(TabBar::Macro), Qt::Key_Return);
    QCOMPARE(window->currentTab(), int(TabBar::Macro));
    QCOMPARE(window->header()->closeButton()->accessibleName(), QStringLiteral("Close"));
    QCOMPARE(window->header()->minimiseButton()->accessibleName(), QStringLiteral("Minimise"));
}

namespace {
// What happens while a tab's pages are not built yet.
enum PageChange {
    ReportStageAndRate,
    SwitchSlotOnMouse,
    ImportConfiguration,
    ChangeLanguage,
    EditDpiPage,
    ReportEffect
};

// The tabs whose pages exist.
QList<int> builtTabs(const MousecfgWidget *window)
{
    QList<int> tabs;
    if (window->findChild<TarnColorWindow *>())
        tabs << TabBar::Lighting;
    if (window->findChild<TarnBtnWindow *>())
        tabs << TabBar::Customize;
    if (window->findChild<TarnDPIWindow *>() || window->findChild<TarnPointSpeed *>()
        || window->findChild<TarnReportRate *>())
        tabs << TabBar::Dpi;
    if (window->findChild<MacroDialog *>())
        tabs << TabBar::Macro;
    return tabs;
}

// Texts and accessible names of the visible labels and buttons.
QStringList shownTexts(const QWidget *window)
{
    QStringList texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        texts << widget->accessibleName();
    }
    return texts;
}
} // namespace

void TestMainWindow::pagesBuiltWhenFirstShown_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("shown");
    QTest::newRow("stage and rate reported, DPI tab")
        << int(ReportStageAndRate) << int(TabBar::Dpi) << QStringLiteral("REPORT RATE: 500 HZ");
    QTest::newRow("slot switched on the mouse, DPI tab")
        << int(SwitchSlotOnMouse) << int(TabBar::Dpi) << QStringLiteral("REPORT RATE: 250 HZ");
    QTest::newRow("slot switched on the mouse, button tab")
        << int(SwitchSlotOnMouse) << int(TabBar::Customize) << QStringLiteral("Button 1: Right");
    QTest::newRow("configuration imported, DPI tab")
        << int(ImportConfiguration) << int(TabBar::Dpi) << QStringLiteral("REPORT RATE: 125 HZ");
    QTest::newRow("configuration imported, button tab")
        << int(ImportConfiguration) << int(TabBar::Customize) << QStringLiteral("Button 1: Right");
    QTest::newRow("language changed, DPI tab")
        << int(ChangeLanguage) << int(TabBar::Dpi) << QStringLiteral("NIVEAUX DPI");
    QTest::newRow("language changed, macro tab")
        << int(ChangeLanguage) << int(TabBar::Macro) << QStringLiteral("LISTE DES MACROS");
    QTest::newRow("DPI stage edited, then the macro tab")
        << int(EditDpiPage) << int(TabBar::Macro) << QStringLiteral("MACRO LIST");
    QTest::newRow("no lighting: effect reported, button tab first")
        << int(ReportEffect) << int(TabBar::Customize) << QStringLiteral("WHEEL UP");
}

void TestMainWindow::pagesBuiltWhenFirstShown()
{
    QFETCH(int, change);
    QFETCH(int, tab);
    QFETCH(QString, shown);
    if (change == ChangeLanguage) {
        QDir().mkpath(m_dir->path() + QStringLiteral("/lang"));
        QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/lang/mousecfg_fr.qm"),
                            m_dir->path() + QStringLiteral("/lang/mousecfg_fr.qm")));
    }
    if (change == ReportEffect)
        QSettings(m_dir->path() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat)
            .setValue(QStringLiteral("PROFILE/ledDisable"), 1);
    MousecfgWidget *window = createWindow("receiver");
    window->show();
    const int first = change == ReportEffect ? TabBar::Customize : TabBar::Lighting;
    QCOMPARE(window->currentTab(), first);
    QList<int> built { first };
    QCOMPARE(builtTabs(window), built);

    ConfigData &config = window->workingConfig();
    const int other = config.ProfileID == 2 ? 3 : 2;
    int editedY = -1;
    switch (change) {
    case ReportStageAndRate: {
        const quint8 stage = config.profiles[config.ProfileID].dpi == 4 ? 5 : 4;
        mouse()->sendStatusReport(config.ProfileID, stage, 2, 0);
        QTRY_COMPARE_WITH_TIMEOUT(int(config.profiles[config.ProfileID].pollrate), 2, 5000);
        QCOMPARE(int(config.profiles[config.ProfileID].dpi), int(stage));
        break;
    }
    case SwitchSlotOnMouse: {
        ProfileData &slot = config.profiles[other];
        slot.stages[0].y = 40;
        slot.buttons[0].Fun = 2;
        slot.dpi = 3;
        slot.pollrate = 4;
        mouse()->sendStatusReport(quint8(other), 3, 4, 0);
        QTRY_COMPARE_WITH_TIMEOUT(int(config.ProfileID), other, 5000);
        break;
    }
    case ImportConfiguration: {
        ConfigData file = config;
        ProfileData &slot = file.profiles[file.ProfileID];
        slot.stages[0].y = 50;
        slot.buttons[0].Fun = 2;
        slot.dpi = 2;
        slot.pollrate = 8;
        const QString path = m_dir->path() + QStringLiteral("/imported.conf");
        QVERIFY(ProfileTransfers::exportConfig(file, path).ok());
        QVERIFY(window->profileBar()->operations()->takeConfigurationFile(path).ok());
        QCOMPARE(int(config.profiles[config.ProfileID].pollrate), 8);
        break;
    }
    case ChangeLanguage:
        window->header()->languageButton()->action(1)->trigger();
        break;
    case EditDpiPage:
        window->switchTab(TabBar::Dpi);
        built << TabBar::Dpi;
        editedY = int(config.profiles[config.ProfileID].stages[0].y) + 30;
        window->pages()->dpiPage()->onSliderChanged(editedY, editedY, 0);
        window->switchTab(first);
        break;
    case ReportEffect: {
        LightingEditor lighting;
        lighting.attach(config, config.ProfileID);
        const int effect = lighting.effect() == 3 ? 4 : 3;
        window->slotRefreshLightMode(quint8(effect));
        QCOMPARE(lighting.effect(), effect);
        break;
    }
    }
    // Reports and changes build nothing.
    QCOMPARE(builtTabs(window), built);

    // The tab shows the current slot as the configuration now holds it, in the current language.
    window->switchTab(tab);
    QVERIFY(builtTabs(window).contains(tab));
    const ProfileData &slot = config.profiles[config.ProfileID];
    PageStack *pages = window->pages();
    if (tab == TabBar::Dpi) {
        QVERIFY(pages->dpiPage()->isVisible());
        QCOMPARE(int(pages->dpiPage()->profile().dpi), int(slot.dpi));
        for (int stage = 0; stage < DpiStageSlots; ++stage)
            QCOMPARE(pages->dpiPage()->row(stage)->yValue(), int(slot.stages[stage].y));
        QCOMPARE(int(pages->ratePage()->rate()), int(slot.pollrate));
    } else if (tab == TabBar::Customize) {
        QVERIFY(pages->buttonPage()->isVisible());
        for (int index = 0; pages->buttonPage()->button(0, index); ++index)
            QCOMPARE(pages->buttonPage()->button(0, index)->text(), ButtonLabel(slot.buttons[index], 0));
    } else if (tab == TabBar::Macro) {
        QVERIFY(pages->macroPage()->isVisible());
    }
    const QStringList texts = shownTexts(window);
    QVERIFY2(texts.contains(shown), qPrintable(texts.join(QLatin1Char('|'))));

    // "Apply" takes back what the pages hold: the values above, and an edit made before.
    const ProfileData kept = slot;
    window->collectPageState();
    QCOMPARE(int(slot.dpi), int(kept.dpi));
    QCOMPARE(int(slot.pollrate), int(kept.pollrate));
    QCOMPARE(int(slot.stages[0].y), editedY >= 0 ? editedY : int(kept.stages[0].y));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
