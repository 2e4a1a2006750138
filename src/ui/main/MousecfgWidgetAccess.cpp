// The main window's box for a mouse that is plugged in but may not be opened.
#include "ui/main/MousecfgWidget.h"

#include "device/link/AccessAdvice.h"
#include "device/link/DeviceLink.h"
#include "ui/widgets/TarnMessageBox.h"
#include "ui/widgets/UserPrompts.h"

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
