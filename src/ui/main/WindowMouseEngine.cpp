#include "ui/main/WindowMouseEngine.h"

#include "core/MouseBusService.h"
#include "core/settings/SlotSettings.h"
#include "device/session/MouseSession.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStore.h"
#include "storage/UploadSlots.h"
#include "ui/main/BatteryDisplayState.h"
#include "ui/main/ConnectionDisplay.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"

#include <QTimer>

namespace {
// The battery and the connection change without a signal the engine could follow; they are looked
// at this often (a change is announced only when there is one).
constexpr int StatePollMs = 1000;
} // namespace

WindowMouseEngine::WindowMouseEngine(MousecfgWidget *window, MouseBusService *service)
    : QObject(window)
    , m_window(window)
    , m_service(service)
{
    m_service->setEngine(this);
    connect(operations(), &ProfileOperations::slotChanged, this, &WindowMouseEngine::publishState);
    // Stage and rate changes the mouse reports are shown on screen.
    connect(window, &MousecfgWidget::osdTextRequested, this, &WindowMouseEngine::publishState);
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &WindowMouseEngine::publishState);
    poll->start(StatePollMs);
    publishState();
}

WindowMouseEngine::~WindowMouseEngine()
{
    if (m_service->engine() == this)
        m_service->setEngine(nullptr);
}

ProfileOperations *WindowMouseEngine::operations() const
{
    return m_window->profileBar()->operations();
}

MouseState WindowMouseEngine::currentState() const
{
    MouseState state;
    MouseSession &mouse = m_window->mouseSession();
    if (mouse.link().InterfaceOpen(CableCommand))
        state.connection = QStringLiteral("cable");
    else if (mouse.link().InterfaceOpen(ReceiverCommand))
        state.connection = QStringLiteral("receiver");
    const BatteryDisplayState &battery = m_window->connectionDisplay()->state();
    state.battery = uint(battery.level());
    state.charging = battery.connectionState() == BatteryDisplayState::Charging;
    state.asleep = mouse.upload().state().MouseAsleep();
    const ConfigData &config = m_window->workingConfig();
    const int slot = config.ProfileID < ProfileSlots ? config.ProfileID : 0;
    state.slot = uint(slot + 1);
    state.dpiStage = uint(config.profiles[slot].dpi + 1);
    // The rate code is the report interval in milliseconds.
    const int interval = config.profiles[slot].pollrate;
    state.reportRate = interval > 0 ? uint(1000 / interval) : 0;
    return state;
}

void WindowMouseEngine::publishState()
{
    m_service->setState(currentState());
}

OperationResult WindowMouseEngine::selectSlot(int slot)
{
    // A call that arrives while the progress dialog waits for an upload would write between its reports.
    if (operations()->isUploading())
        return OperationResult::busy();
    const OperationResult result = operations()->switchSlot(slot);
    publishState();
    return result;
}

OperationResult WindowMouseEngine::apply(bool all)
{
    if (operations()->isUploading())
        return OperationResult::busy();
    return operations()->upload(all, m_window->isVisible());
}

OperationResult WindowMouseEngine::importConfig(const QString &path)
{
    if (operations()->isUploading())
        return OperationResult::busy();
    const OperationResult taken = operations()->takeConfigurationFile(path);
    return taken.ok() ? operations()->upload(false, m_window->isVisible()) : taken;
}

OperationResult WindowMouseEngine::exportConfig(const QString &path)
{
    return operations()->exportConfigurationTo(path);
}

OperationResult WindowMouseEngine::importProfile(const QString &path)
{
    if (operations()->isUploading())
        return OperationResult::busy();
    const OperationResult taken = operations()->takeProfileFile(path);
    return taken.ok() ? operations()->upload(false, m_window->isVisible()) : taken;
}

OperationResult WindowMouseEngine::exportProfile(int slot, const QString &path)
{
    return operations()->exportProfileTo(slot, path);
}

QJsonObject WindowMouseEngine::settings(int slot)
{
    return SlotSettings::toJson(m_window->workingConfig(), slot, m_window->mouseSession().product());
}

OperationResult WindowMouseEngine::setSetting(int slot, const QString &key, const QString &value)
{
    if (operations()->isUploading())
        return OperationResult::busy();
    ConfigData &config = m_window->workingConfig();
    const SlotSettings::SetResult set = SlotSettings::set(config, slot, key, { value }, m_window->mouseSession().product());
    if (!set.ok)
        return OperationResult::badValue(set.error);
    QString failed;
    if (!SaveConfig(config, &failed))
        return OperationResult::cannotWrite(failed);
    // Another slot's change reaches the mouse when that slot is next selected.
    if (slot != UploadSlot(config) && !MarkSlotsUnsent(1 << slot))
        return OperationResult::cannotWrite(AppPaths::globalConfigFile());
    m_window->refreshPages();
    publishState();
    return OperationResult::done();
}
