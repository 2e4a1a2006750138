#include "ui/main/FirmwareUpdate.h"

#include "device/link/DeviceLink.h"
#include "storage/AppPaths.h"
#include "ui/widgets/UserPrompts.h"

#include <QProcess>

#include <cstdio>
#include <unistd.h>

FirmwareUpdate::FirmwareUpdate(const DeviceLink &link, std::function<void()> stopStatusThread,
                               QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_stopStatusThread(std::move(stopStatusThread))
    , m_dialogParent(dialogParent)
    , m_starter([](const QString &program) { return QProcess::startDetached(program, {}); })
    , m_exit([](int code) {
        // At once: no destructor may touch the mouse after the updater has started.
        std::fflush(nullptr);
        ::_exit(code);
    })
{ }

QString FirmwareUpdate::updaterPath()
{
    return AppPaths::appDir() + QStringLiteral("/skin/mouse/bin/RX71QA-UPD-VER1.3");
}

void FirmwareUpdate::run()
{
    // The updater talks to the mouse through its cable only.
    if (!m_link.InterfacePresent(CableMouse)) {
        ShowWarning(tr("Warning"), tr("To update the firmware, please connect to the computer with a cable."),
                    m_dialogParent);
        return;
    }
    if (!AskQuestion(tr("Warning"), tr("Do you want to upgrade the firmware?"), m_dialogParent))
        return;
    m_stopStatusThread();
    // A missing updater changes nothing: the process ends all the same.
    m_starter(updaterPath());
    m_exit(0);
}
