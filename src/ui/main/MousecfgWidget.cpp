#include "ui/main/MousecfgWidget.h"

#include "device/link/DeviceLink.h"
#include "device/link/DeviceSession.h"
#include "device/session/MouseSession.h"
#include "device/status/StatusThreadRunner.h"
#include "device/upload/UploadThreadState.h"
#include "platform/Autostart.h"
#include "platform/PointerSpeed.h"
#include "platform/StatusNotifierHost.h"
#include "platform/TrayHost.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"
#include "storage/UploadSlots.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/main/ConnectionDisplay.h"
#include "ui/main/FirstPaintWatch.h"
#include "ui/main/FocusChain.h"
#include "ui/main/HeaderBar.h"
#include "ui/main/LanguageSwitch.h"
#include "ui/main/MousePicture.h"
#include "ui/main/PageStack.h"
#include "ui/main/ProfileActions.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/SlotIndicators.h"
#include "ui/main/TabBar.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/WindowBackground.h"
#include "ui/main/WindowScale.h"
#include "ui/widgets/AccessibleSkin.h"
#include "ui/widgets/FileIconEngine.h"
#include "ui/widgets/QuietFocusStyle.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/UserPrompts.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QIcon>
#include <QScreen>
#include <QTimer>

namespace {
// Delay between construction (or the last removal) and the warning.
constexpr int WarningDelayMs = 200;
// How long a login start waits for the desktop's tray before it shows the window minimised.
constexpr int LoginTrayWaitMs = 4000;

double logicalDpiRatio(const QScreen *screen)
{
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}
} // namespace

MousecfgWidget::MousecfgWidget(MouseSession &mouse, DeviceNoticeSource *notices, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_mouse(mouse)
{
    InstallAccessibleSkin();
    // Before the children exist, so that each is polished once.
    QuietFocusStyle::quieten(this);
    setObjectName(QStringLiteral("MousecfgWidget"));
    setWindowTitle(QStringLiteral("MousecfgWidget"));
    UseAccentColor(m_mouse.product().accentColorIndex);

    m_background = new WindowBackground(QStringLiteral("/cfgMainback.png"), this);
    const int firstStep = WindowScale::stepForRatio(logicalDpiRatio(QGuiApplication::primaryScreen()));
    SetUiScale(WindowScale::scaleForStep(firstStep));
    // The largest picture is read on another thread while the rest of the window is built.
    m_background->prepare(WindowScale::windowSizeForStep(firstStep), devicePixelRatioF());

    // The session's status thread, paused by the hot-plug handling around every close and reopen.
    m_statusThread = m_mouse.statusRunner();
    // The device table, enumeration and hot-plug notices.
    m_session = new DeviceSession(m_mouse.link(), m_mouse.statusControl(), notices, this);

    m_languages = new LanguageSwitch(m_mouse.product(), this);
    buildWidgets();
    rebuildMouseList();
    m_languages->installCurrent();

    m_profileBar->operations()->loadLibraryList();
    m_session->openCurrentDevice();
    m_statusThread->start();
    LoadConfig(m_config);
    m_config.profiles[m_config.ProfileID].mousespeed = quint8(GetSystemMouseSpeed());
    m_profileBar->rebuildLibraryMenu();

    m_pages = new PageStack(this, m_config, [this] { return lightingSlot(); });
    connectParts();
    m_focusChain = new FocusChain(this, { m_header, m_tabs, m_profileBar },
                                  { m_slots, m_profileBar->actions(), m_connection },
                                  [this] { return m_tabs->button(m_tabs->current()); });

    applyScaleStep(firstStep);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    switchTab(0);
    refreshPages();
    retranslateAll();
    m_profileBar->refresh();
    setWindowIcon(FileIconEngine::icon(AppPaths::skinFile(QStringLiteral("/icon.ico"))));
    createTrayWhenHostComes();

    // The lowest level until the first real report.
    slotRefreshBatteryStatus(BatteryReport::fromBytes(0, 1, 1, m_mouse.product().batteryFullMillivolts));
    setUpServices();
    watchMouseReturn();
    // What the first sight of the window does not need waits until it has been painted once; a
    // window that starts hidden does it at once.
    connect(new FirstPaintWatch(this), &FirstPaintWatch::painted, this, &MousecfgWidget::finishStart);
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            finishStart();
    });
    // Started at login, the window waits in the tray, with or without a mouse.
    if (!Autostart::startHidden())
        QTimer::singleShot(WarningDelayMs, this, &MousecfgWidget::slotWarning);
    else
        QTimer::singleShot(LoginTrayWaitMs, this, &MousecfgWidget::showMinimisedWithoutTray);
}

void MousecfgWidget::createTrayWhenHostComes()
{
    // On Wayland only a StatusNotifierItem host shows the icon; without one Qt would try X11's tray.
    if (!TrayHost::onWayland() || TrayHost::available()) {
        createTrayIcon();
        return;
    }
    m_trayHost = new StatusNotifierHost(QDBusConnection::sessionBus(), this);
    connect(m_trayHost, &StatusNotifierHost::hostRegistered, this, [this] {
        if (m_tray)
            return;
        createTrayIcon();
        m_trayHost->deleteLater();
        m_trayHost = nullptr;
    });
}

void MousecfgWidget::createTrayIcon()
{
    m_tray = new TrayIcon(windowIcon(), m_mouse.product().name, this);
    connect(m_tray, &TrayIcon::showRequested, this, &MousecfgWidget::showAndWarn);
    connect(m_tray, &TrayIcon::activated, this, &MousecfgWidget::iconActivated);
    emit trayCreated(m_tray);
}

void MousecfgWidget::finishStart()
{
    if (m_startFinished)
        return;
    m_startFinished = true;
    WriteFactoryProfileFile();
    watchSleep();
}

bool MousecfgWidget::focusNextPrevChild(bool next)
{
    return (m_focusChain && m_focusChain->move(next)) || QWidget::focusNextPrevChild(next);
}

MousecfgWidget::~MousecfgWidget()
{
    // The status thread leaves the handles before the session closes them and ends the HID library.
    m_statusThread->stop();
    delete m_session;
    m_session = nullptr;
}

void MousecfgWidget::buildWidgets()
{
    m_header = new HeaderBar(m_mouse.product(), this);
    m_tabs = new TabBar(this);
    m_profileBar = new ProfileBar(this, this);
    m_connection = new ConnectionDisplay(m_mouse.link(), this);
    m_slots = new SlotIndicators(this);
    m_picture = new MousePicture(this);
    m_picture->setProduct(m_mouse.product().name, m_mouse.product().buttonCount);
    m_picture->setSelected(0, 0);
}

void MousecfgWidget::connectParts()
{
    connect(m_statusThread, &StatusThreadRunner::RefreshBatteryStatus, this,
            &MousecfgWidget::slotRefreshBatteryStatus);
    connect(m_statusThread, &StatusThreadRunner::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
    connect(m_statusThread, &StatusThreadRunner::RefreshWriteStatus, this,
            &MousecfgWidget::slotRefreshWriteStatus);

    connect(m_session, &DeviceSession::deviceReady, this, &MousecfgWidget::slotWarnClose);
    connect(m_session, &DeviceSession::accessRefused, this,
            [this] { QTimer::singleShot(WarningDelayMs, this, &MousecfgWidget::slotWarning); });
    connect(m_session, &DeviceSession::deviceLost, this, [this] {
        m_warningShown = true;
        QTimer::singleShot(WarningDelayMs, this, &MousecfgWidget::slotWarning);
    });
    // After every notice the status thread starts afresh on whatever handle is open now; with no
    // handle left there is nothing for it to ask.
    connect(m_session, &DeviceSession::devicesChanged, this, [this] {
        rebuildMouseList();
        refreshConnectionState();
        m_statusThread->stop();
        if (m_mouse.link().CommandHandleOpen())
            m_statusThread->start();
    });

    connect(m_header, &HeaderBar::closeClicked, this, &QWidget::close);
    connect(m_header, &HeaderBar::minimiseClicked, this, &QWidget::showMinimized);
    connect(m_header, &HeaderBar::modelChosen, this, &MousecfgWidget::slot_show_mousename);
    connect(m_tabs, &TabBar::tabRequested, this, &MousecfgWidget::switchTab);
    connect(m_slots, &SlotIndicators::slotClicked, m_profileBar, &ProfileBar::selectSlot);

    // The pages pass their signals on through the stack, which builds them when first shown.
    connect(m_pages, &PageStack::gotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
    connect(m_pages, &PageStack::popOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
    connect(m_pages, &PageStack::buttonSelected, this, &MousecfgWidget::SelBtnChanged);
    connect(m_pages, &PageStack::buttonHovered, this, &MousecfgWidget::slotMouseOver);
    connect(m_pages, &PageStack::liftChanged, this, &MousecfgWidget::slotLiftChange);
    connect(m_pages, &PageStack::enableButtons, this, &MousecfgWidget::slotEnableButtons);

    connect(m_picture, &MousePicture::buttonRequested, m_pages, &PageStack::selectButton);
    connect(m_picture, &MousePicture::buttonRequested, this,
            [this](int index, int group) { SelBtnChanged(quint8(index), quint8(group)); });
    connect(m_picture, &MousePicture::viewRequested, this, [this](bool front) {
        m_frontView = front;
        m_picture->setFrontView(front);
    });
}

int MousecfgWidget::connectedCount() const
{
    return m_session ? m_session->connectedCount() : 0;
}

int MousecfgWidget::lightingSlot() const
{
    return LightingSlotIndex(m_config.ProfileID, m_mouse.product().name);
}

void MousecfgWidget::refreshPages()
{
    m_pages->refreshAll(m_config, m_config.ProfileID, lightingSlot());
    m_slots->setCurrent(m_config.ProfileID);
}

void MousecfgWidget::collectPageState()
{
    m_pages->collectAll(m_config, m_config.ProfileID);
}

void MousecfgWidget::applySlotMouseSpeed()
{
    ApplySlotMouseSpeed(m_config.profiles[m_config.ProfileID].mousespeed);
}

void MousecfgWidget::retranslateWindow()
{
    retranslateAll();
}

void MousecfgWidget::showFirstTab()
{
    switchTab(0);
    m_picture->setProduct(m_mouse.product().name, m_mouse.product().buttonCount);
}

void MousecfgWidget::switchTab(int index)
{
    if (index == 0 && m_mouse.product().ledDisable != 0)
        index = 1;
    m_tabs->setCurrent(index);
    m_pages->showTab(index);
    m_picture->setVisible(index == TabBar::Lighting || index == TabBar::Customize);
    m_picture->setInteractive(index == TabBar::Customize);
    if (index == TabBar::Customize)
        m_picture->setFrontView(m_frontView);
}

int MousecfgWidget::currentTab() const
{
    return m_tabs->current();
}

void MousecfgWidget::SelBtnChanged(quint8 iBtn, quint8 iType)
{
    m_picture->setSelected(iBtn, iType);
}

void MousecfgWidget::slotGotoMacro(quint8 index)
{
    switchTab(index);
}

void MousecfgWidget::slotPopOneClickBox()
{
    ShowWarning(tr("Warning"), tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."), this);
}

void MousecfgWidget::slotEnableButtons(bool enable)
{
    m_header->setControlsEnabled(enable);
    m_tabs->setEnabled(enable);
    m_slots->setEnabled(enable);
    m_profileBar->setControlsEnabled(enable);
}

void MousecfgWidget::slotLiftChange(quint8 lift)
{
    m_config.LiftHigh = lift;
}

void MousecfgWidget::slotMouseOver(TarnPushButton *button, bool over)
{
    // The callout of the page's button under the pointer follows it.
    const TarnBtnWindow *page = m_pages->buttonPage();
    for (int group = 0; group < 3; ++group) {
        for (int index = 0; index < MousePicture::CalloutCount; ++index) {
            if (button && page->button(group, index) == button) {
                m_picture->setHovered(index, group, over);
                return;
            }
        }
    }
}
