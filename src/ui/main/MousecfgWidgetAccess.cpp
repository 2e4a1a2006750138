// The main window and a mouse that comes back: one it may not open, one that got half an upload.
#include "ui/main/MousecfgWidget.h"

#include "device/link/AccessAdvice.h"
#include "device/link/DeviceLink.h"
#include "device/link/DeviceSession.h"
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
    const QStringList nodes = DeniedDeviceNodes();
    if (m_warningShown || nodes.isEmpty())
        return;
    m_warningShown = true;
    Prompts().messageBox(TarnMessageBox::NoticeButtons, tr("No access to the mouse"),
                         AccessAdvice::explanation(nodes), TarnMessageBox::NoIcon, this, false);
    m_warningShown = false;
}

void MousecfgWidget::watchMouseReturn()
{
    m_recovery = new UploadRecovery(m_profileBar->operations(), this, this);
    connect(m_session, &DeviceSession::deviceReady, m_recovery, &UploadRecovery::mouseCameBack);
    // A mouse found at start counts as come back, once the window has settled.
    QTimer::singleShot(StartSettleMs, m_recovery, &UploadRecovery::mouseCameBack);
}
