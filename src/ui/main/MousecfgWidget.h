#pragma once

#include "device/status/BatteryReport.h"
#include "device/status/StatusReport.h"
#include "storage/ConfigData.h"
#include "ui/main/ProfileHost.h"
#include "ui/widgets/MouseConnectionSource.h"

#include <QPoint>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

class AppSwitching;
class BatteryAlerts;
class ConnectionDisplay;
class DeviceNoticeSource;
class DeviceSession;
class FirmwareUpdate;
class HeaderBar;
class LanguageSwitch;
class MousePicture;
class MouseSession;
class OsdClient;
class PageStack;
class ProfileBar;
class UploadRecovery;
class QAction;
class WindowBackground;
class SlotIndicators;
class StatusThreadRunner;
class TabBar;
class TarnPushButton;
class StatusNotifierHost;
class TrayIcon;

// The utility's one top-level window: frameless and skinned; closing it hides it into the tray, or
// ends the program where there is no tray. It owns the
// device's life on the GUI side, the working configuration and the pages.
class MousecfgWidget : public QWidget, public MouseConnectionSource, public ProfileHost
{
    Q_OBJECT
public:
    // Works on the program's `mouse` (a session WithStatusThread); follows the hot-plug `notices` and takes them over.
    MousecfgWidget(MouseSession &mouse, DeviceNoticeSource *notices, QWidget *parent = nullptr);
    ~MousecfgWidget() override;

    // The program's mouse this window works on.
    MouseSession &mouseSession() override { return m_mouse; }
    // Number of device entries whose mouse and command interfaces are both present.
    int connectedCount() const;
    // True while a mouse is connected (the waiting message box asks this).
    bool mouseConnected() const override { return connectedCount() > 0; }
    // True while the "Dongle Disconnect!" box is open or about to open.
    bool warningShown() const { return m_warningShown; }

    // Shows the current slot on every page and checks its slot indicator.
    void refreshPages() override;
    // Shows tab `index` (0 lighting, 1 customize, 2 DPI, 3 macro; 0 reads 1 without lighting).
    void switchTab(int index);
    // The tab shown.
    int currentTab() const;
    // Shows the window; without a mouse, runs the waiting "Dongle Disconnect!" box; with a mouse it may
    // not open, the box that explains how to allow it.
    void showAndWarn();
    // The box that explains a mouse the user may not open, and how to allow it.
    void warnAccessDenied();
    // Offers to resend the settings when the mouse comes back after a cut upload.
    void watchMouseReturn();
    void createTrayIcon();
    void createTrayWhenHostComes();
    // After a suspend: fresh handles, the stored slot and stage shown, the pointer speed applied again.
    void afterResume();
    // A second launch asks for the window: shown, restored and raised as the tray shows it.
    void bringForward();
    // Sends a short notice to the on-screen display; never waits for it.
    void showOsdText(const QString &text);

    // ProfileHost
    ConfigData &workingConfig() override { return m_config; }
    QStringList &libraryList() override { return m_library; }
    void collectPageState() override;
    void applySlotMouseSpeed() override;
    QWidget *dialogParent() override { return this; }
    // Hides into the tray; minimises where there is no tray.
    void hideWindow() override;
    void retranslateWindow() override;
    void showFirstTab() override;

    // The parts, for tests and the other window parts.
    HeaderBar *header() const { return m_header; }
    TabBar *tabs() const { return m_tabs; }
    PageStack *pages() const { return m_pages; }
    MousePicture *mousePicture() const { return m_picture; }
    ConnectionDisplay *connectionDisplay() const { return m_connection; }
    SlotIndicators *slotIndicators() const { return m_slots; }
    ProfileBar *profileBar() const { return m_profileBar; }
    TrayIcon *tray() const { return m_tray; }
    OsdClient *osdClient() const { return m_osd; }
    FirmwareUpdate *firmwareUpdate() const { return m_firmware; }
    LanguageSwitch *languageSwitch() const { return m_languages; }
    BatteryAlerts *batteryAlerts() const { return m_alerts; }
    AppSwitching *appSwitching() const { return m_appSwitching; }

signals:
    // A text for the on-screen display (DPI stage or polling rate changed on the mouse).
    void osdTextRequested(const QString &text);
    // The tray icon was made (at start, or once a tray host came on Wayland).
    void trayCreated(TrayIcon *tray);

public slots:
    // Tray icon activated: shows a hidden window, hides a shown one unless the warning is up.
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // Marks callout `iBtn` of group `iType` on the mouse picture as the selected one.
    void SelBtnChanged(quint8 iBtn, quint8 iType);
    // Switches to tab `index` (the button page asks for the macro tab).
    void slotGotoMacro(quint8 index);
    // Switches to another connected model.
    void slot_show_mousename(QAction *action);
    // Warns that at least one left-click function must stay.
    void slotPopOneClickBox();
    // Enables or disables the window's controls (off while a macro is recorded).
    void slotEnableButtons(bool enable);
    // Stores a new lift-off value in the global settings.
    void slotLiftChange(quint8 lift);
    // The mouse switched to slot `profile` by itself.
    void slotRefreshProfile(quint8 profile);
    // The mouse switched its current DPI stage by itself.
    void slotRefreshDPIStage(quint8 stage);
    // The mouse reported a lighting effect.
    void slotRefreshLightMode(quint8 mode);
    // The mouse switched its polling rate by itself.
    void slotRefreshRate(quint8 rate);
    // Shows the window, warning when no mouse is connected.
    void slotWarning();
    // The first mouse arrived: set everything up for it.
    void slotWarnClose();
    // A battery report from the status thread.
    void slotRefreshBatteryStatus(const BatteryReport &report);
    // A status report from the mouse: slot, DPI stage, polling rate, mode.
    void slotRefreshStatus(const StatusReport &report);
    // The status byte of a battery report; 0 means the mouse lost what it was sent.
    void slotRefreshWriteStatus(quint8 iStatus);
    // Hover highlight of a button of the button page or a callout.
    void slotMouseOver(TarnPushButton *button, bool over);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildWidgets();
    void connectParts();
    void onDeviceReady();
    void rebuildMouseList();
    void refreshConnectionState();
    void applyScaleStep(int step);
    void relayoutAll();
    void retranslateAll();
    int lightingSlot() const;
    void setUpServices();
    void onLanguageChanged(int index);
    void refreshTrayToolTip();
    void showMinimisedWithoutTray();
    // The start's work that waits for the first paint: the factory profile file, the sleep watch.
    void finishStart();
    // Follows the machine's suspend and resume.
    void watchSleep();

    ConfigData m_config;
    QStringList m_library;
    MouseSession &m_mouse;
    StatusThreadRunner *m_statusThread = nullptr;
    DeviceSession *m_session = nullptr;
    WindowBackground *m_background = nullptr;
    HeaderBar *m_header = nullptr;
    TabBar *m_tabs = nullptr;
    class FocusChain *m_focusChain = nullptr;
    ProfileBar *m_profileBar = nullptr;
    ConnectionDisplay *m_connection = nullptr;
    SlotIndicators *m_slots = nullptr;
    MousePicture *m_picture = nullptr;
    PageStack *m_pages = nullptr;
    TrayIcon *m_tray = nullptr;
    StatusNotifierHost *m_trayHost = nullptr;
    LanguageSwitch *m_languages = nullptr;
    OsdClient *m_osd = nullptr;
    FirmwareUpdate *m_firmware = nullptr;
    BatteryAlerts *m_alerts = nullptr;
    AppSwitching *m_appSwitching = nullptr;
    bool m_warningShown = false;
    bool m_startFinished = false;
    UploadRecovery *m_recovery = nullptr;
    bool m_frontView = true;
    int m_scaleStep = -1;
    QSize m_laidOutSize;
    bool m_dragging = false;
    bool m_movingByHand = false;
    QPoint m_pressGlobal;
    QPoint m_pressTopLeft;
};
