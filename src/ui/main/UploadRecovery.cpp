#include "ui/main/UploadRecovery.h"

#include "device/session/MouseSession.h"
#include "storage/UploadCut.h"
#include "ui/main/ProfileOperations.h"
#include "ui/widgets/UserPrompts.h"

#include <QTimer>

UploadRecovery::UploadRecovery(MouseSession &mouse, ProfileOperations *operations, QWidget *dialogParent,
                               QObject *parent)
    : QObject(parent)
    , m_mouse(mouse)
    , m_operations(operations)
    , m_dialogParent(dialogParent)
{ }

void UploadRecovery::mouseCameBack()
{
    // Called from device notices and status reports; the box and the upload must not run inside them.
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &UploadRecovery::offer);
}

void UploadRecovery::offer()
{
    m_pending = false;
    if (!LastUploadCut()) {
        m_offered = false;
        return;
    }
    // A sleeping mouse would refuse the upload; it is offered when the mouse wakes.
    if (m_offered || !m_mouse.link().CommandHandleOpen() || m_mouse.upload().state().MouseAsleep())
        return;
    m_offered = true;
    if (AskQuestion(tr("Warning"),
                    tr("The last transfer to the mouse did not finish. Send the settings again?"),
                    m_dialogParent)
        && m_operations->applyToDevice(true) == DeviceAsleep)
        m_offered = false;
}
