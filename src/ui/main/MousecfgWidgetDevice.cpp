// The main window's device side: status and battery reports, hot plug, model switching and scaling.
#include "ui/main/MousecfgWidget.h"

#include "device/link/DeviceLink.h"
#include "device/link/DeviceSession.h"
#include "device/session/MouseSession.h"
#include "device/status/StatusThreadRunner.h"
#include "platform/FreedMemory.h"
#include "platform/LogCategories.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"
#include "ui/main/BatteryAlerts.h"
#include "ui/main/ConnectionDisplay.h"
#include "ui/main/HeaderBar.h"
#include "ui/main/MousePicture.h"
#include "ui/main/PageStack.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/SlotIndicators.h"
#include "ui/main/TabBar.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/UploadRecovery.h"
#include "ui/main/WindowBackground.h"
#include "ui/main/WindowScale.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/widgets/Theme.h"

#include <QAction>
#include <QBitmap>
#include <QDebug>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

void MousecfgWidget::slotWarning()
{
    showAndWarn();
}

void MousecfgWidget::slotWarnClose()
{
    onDeviceReady();
}

void MousecfgWidget::onDeviceReady()
{
    // The session has opened the current product and started the status thread for it.
    m_frontView = true;
    m_picture->setProduct(m_mouse.product().name, m_mouse.product().buttonCount);
    LoadConfig(m_config);
    m_profileBar->operations()->loadLibraryList();
    m_profileBar->refresh();
    m_profileBar->rebuildLibraryMenu();
    WriteFactoryProfileFile();
    switchTab(0);
    m_pages->selectButton(0, 0);
    SelBtnChanged(0, 0);
    refreshPages();
    refreshConnectionState();
    // Reading and writing the slot files leaves megabytes of freed heap that would otherwise stay
    // with the process after every reconnect.
    ReleaseFreedMemory();
}

void MousecfgWidget::rebuildMouseList()
{
    QStringList models;
    if (connectedCount() > 0)
        models << m_mouse.link().DeviceTableName();
    // A connected model becomes the current product when the current one is gone.
    if (!models.isEmpty() && !models.contains(CurrentProduct()))
        SaveCurrentProduct(models.first());
    m_header->rebuildMouseList(models, CurrentProduct());
}

void MousecfgWidget::slot_show_mousename(QAction *action)
{
    if (!action)
        return;
    m_statusThread->stop();
    m_mouse.link().CloseDevice();
    m_header->setModelButtonText(action->text());
    SaveCurrentProduct(action->text());
    m_session->openCurrentDevice();
    m_statusThread->start();
    onDeviceReady();
}

void MousecfgWidget::refreshConnectionState()
{
    m_connection->refreshConnectionState();
    refreshTrayToolTip();
}

void MousecfgWidget::slotRefreshBatteryStatus(const BatteryReport &report)
{
    UploadState &upload = m_mouse.upload().state();
    const bool wasAsleep = upload.MouseAsleep();
    upload.SetMouseAsleep(report.asleep);
    if (wasAsleep && !report.asleep && m_recovery)
        m_recovery->mouseCameBack();
    m_connection->showBatteryReport(report);
    // Created after the placeholder report of the constructor, which says nothing of the battery.
    if (m_alerts)
        m_alerts->takeReport(m_connection->state(), m_mouse.product().name);
    refreshTrayToolTip();
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        SaveDiff(1);
}

void MousecfgWidget::slotRefreshStatus(const StatusReport &report)
{
    qCDebug(lcUi, "Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", report.slot, report.stage,
            report.rate, report.mode);
    if (report.slot != m_config.ProfileID)
        slotRefreshProfile(report.slot);
    const ProfileData &slot = m_config.profiles[m_config.ProfileID];
    if (report.stage != slot.dpi)
        slotRefreshDPIStage(report.stage);
    if (report.rate != slot.pollrate)
        slotRefreshRate(report.rate);
}

void MousecfgWidget::slotRefreshProfile(quint8 profile)
{
    // A report naming no slot would index past the five slots.
    if (profile >= ProfileSlots)
        return;
    m_profileBar->operations()->selectProfileSlot(profile, false);
    m_profileBar->rebuildLibraryMenu();
    applySlotMouseSpeed();
}

void MousecfgWidget::slotRefreshDPIStage(quint8 stage)
{
    // A report naming no stage would index past the eight stages.
    if (stage >= DpiStageSlots)
        return;
    ProfileData &slot = m_config.profiles[m_config.ProfileID];
    slot.dpi = stage;
    m_pages->setCurrentStage(stage);
    SaveCurrentStage(m_config.profileNames[m_config.ProfileID], stage);
    // The resolution as the stage's row shows it.
    const int dpi = m_mouse.product().sensor.dpiOf(int(slot.stages[stage].y));
    showOsdText(tr("DPI") + QStringLiteral(" %1:%2").arg(stage + 1).arg(dpi));
}

void MousecfgWidget::slotRefreshLightMode(quint8 mode)
{
    m_pages->setModeReport(mode);
}

void MousecfgWidget::slotRefreshRate(quint8 rate)
{
    m_config.profiles[m_config.ProfileID].pollrate = rate;
    m_pages->setRate(rate);
    showOsdText(TarnReportRate::rateText(rate));
}

void MousecfgWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QScreen *screen = QGuiApplication::screenAt(geometry().center());
    const int step = WindowScale::stepForRatio(screen ? screen->logicalDotsPerInch() / 96.0 : UiScale());
    if (step != m_scaleStep) {
        applyScaleStep(step);
    } else if (size() == m_laidOutSize) {
        qCDebug(lcUi, "singleShot");
        const int snapped = WindowScale::snappedStepForWidth(width());
        if (snapped >= 0 && snapped != m_scaleStep)
            applyScaleStep(snapped);
    }
    qCDebug(lcUi, "width = %d, height = %d m_iDpiVal = %d", width(), height(), m_scaleStep);
}

void MousecfgWidget::applyScaleStep(int step)
{
    m_scaleStep = step;
    SetUiScale(WindowScale::scaleForStep(step));
    const QSize size = WindowScale::windowSizeForStep(step);
    m_laidOutSize = size;
    setMinimumSize(size);
    resize(size);
    const QRegion shape = m_background->makeFor(size, devicePixelRatioF());
    if (!shape.isEmpty())
        setMask(shape);
    relayoutAll();
}

void MousecfgWidget::relayoutAll()
{
    m_header->relayout();
    m_tabs->relayout();
    m_profileBar->relayout();
    m_connection->relayout();
    m_slots->relayout();
    m_picture->relayout();
    if (m_pages)
        m_pages->relayout();
    update();
}

void MousecfgWidget::retranslateAll()
{
    m_header->retranslate();
    m_tabs->retranslate();
    m_profileBar->retranslate();
    m_connection->retranslate();
    m_slots->retranslate();
    m_picture->retranslate();
    m_pages->retranslate();
    if (m_tray)
        m_tray->retranslate();
    setAccessibleName(m_mouse.product().name);
}
