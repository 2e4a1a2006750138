// The main window and a mouse that comes back: one it may not open, one that got half an upload.
#include "ui/main/MousecfgWidget.h"

#include "device/link/AccessAdvice.h"
#include "device/link/DeviceSession.h"
#include "device/session/MouseSession.h"
#include "platform/SleepWatcher.h"
#include "storage/ConfigStore.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/UploadRecovery.h"
#include "ui/widgets/TarnMessageBox.h"
#include "ui/widgets/UserPrompts.h"

#include <QTimer>

namespace {
// After the start-up box (200 ms) and the first status report.
constexpr int StartSettleMs = 600;
} // namespace

void MousecfgWidget::warnAccessDenied()
{
    // One box at a time; and none once access came while the box waited to be shown.
    const QStringList nodes = m_mouse.link().DeniedDeviceNodes();
    if (m_warningShown || nodes.isEmpty())
        return;
    m_warningShown = true;
    Prompts().messageBox(TarnMessageBox::NoticeButtons, tr("No access to the mouse"),
                         AccessAdvice::explanationForBox(nodes), TarnMessageBox::NoIcon, this, false);
    m_warningShown = false;
}

void MousecfgWidget::watchMouseReturn()
{
    m_recovery = new UploadRecovery(m_mouse, m_profileBar->operations(), this, this);
    connect(m_session, &DeviceSession::deviceReady, m_recovery, &UploadRecovery::mouseCameBack);
    // A mouse found at start counts as come back, once the window has settled.
    QTimer::singleShot(StartSettleMs, m_recovery, &UploadRecovery::mouseCameBack);
}

void MousecfgWidget::watchSleep()
{
    auto *sleep = new SleepWatcher(QDBusConnection::systemBus(), this);
    connect(sleep, &SleepWatcher::resumed, this, &MousecfgWidget::afterResume);
}

void MousecfgWidget::afterResume()
{
    // The mouse cannot be asked for its slot and stage (it only reports changes); what was stored
    // last, by this window or by mousecfg-cli while the machine slept, is shown again.
    m_session->reopenDevice();
    ConfigData stored;
    LoadConfig(stored);
    const ProfileData &slot = stored.profiles[stored.ProfileID];
    slotRefreshStatus(
        { quint8(stored.ProfileID), slot.dpi, m_config.profiles[m_config.ProfileID].pollrate, 0 });
    // The desktop may have reset the pointer when the receiver came back.
    applySlotMouseSpeed();
    m_recovery->mouseCameBack();
}
