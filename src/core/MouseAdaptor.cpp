#include "core/MouseAdaptor.h"

#include "core/MouseBusService.h"
#include "core/MouseEngine.h"
#include "device/link/DeviceLink.h"

#include <QDir>
#include <QJsonDocument>

MouseAdaptor::MouseAdaptor(MouseBusService *service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{ }

QString MouseAdaptor::connection() const
{
    return m_service->state().connection;
}

uint MouseAdaptor::battery() const
{
    return m_service->state().battery;
}

bool MouseAdaptor::charging() const
{
    return m_service->state().charging;
}

bool MouseAdaptor::asleep() const
{
    return m_service->state().asleep;
}

uint MouseAdaptor::slot() const
{
    return m_service->state().slot;
}

uint MouseAdaptor::dpiStage() const
{
    return m_service->state().dpiStage;
}

uint MouseAdaptor::reportRate() const
{
    return m_service->state().reportRate;
}

void MouseAdaptor::answer(const OperationResult &result)
{
    if (!result.ok())
        fail(result.exitCode, result.message);
}

void MouseAdaptor::fail(int exitCode, const QString &message)
{
    m_service->replyError(exitCode, message);
}

bool MouseAdaptor::validSlot(uint slot)
{
    if (slot >= 1 && slot <= 5)
        return true;
    fail(ExitUsage, QStringLiteral("slot %1 is not 1 to 5").arg(slot));
    return false;
}

bool MouseAdaptor::validPath(const QString &path)
{
    if (QDir::isAbsolutePath(path))
        return true;
    fail(ExitUsage, QStringLiteral("'%1' is not an absolute path").arg(ShownPath(path)));
    return false;
}

MouseEngine *MouseAdaptor::engine()
{
    MouseEngine *engine = m_service->engine();
    if (!engine)
        answer(OperationResult::fromDevice(ReportNoDevice));
    return engine;
}

void MouseAdaptor::SelectSlot(uint slot)
{
    if (!validSlot(slot))
        return;
    if (MouseEngine *target = engine())
        answer(target->selectSlot(int(slot) - 1));
}

void MouseAdaptor::Apply(bool all)
{
    if (MouseEngine *target = engine())
        answer(target->apply(all));
}

void MouseAdaptor::ImportConfig(const QString &path)
{
    if (!validPath(path))
        return;
    if (MouseEngine *target = engine())
        answer(target->importConfig(path));
}

void MouseAdaptor::ExportConfig(const QString &path)
{
    if (!validPath(path))
        return;
    if (MouseEngine *target = engine())
        answer(target->exportConfig(path));
}

void MouseAdaptor::ImportProfile(const QString &path)
{
    if (!validPath(path))
        return;
    if (MouseEngine *target = engine())
        answer(target->importProfile(path));
}

void MouseAdaptor::ExportProfile(uint slot, const QString &path)
{
    if (!validSlot(slot) || !validPath(path))
        return;
    if (MouseEngine *target = engine())
        answer(target->exportProfile(int(slot) - 1, path));
}

QString MouseAdaptor::Get(uint slot)
{
    if (!validSlot(slot))
        return {};
    MouseEngine *target = engine();
    return target ? QString::fromUtf8(QJsonDocument(target->settings(int(slot) - 1)).toJson(QJsonDocument::Compact))
                  : QString();
}

void MouseAdaptor::Set(uint slot, const QString &key, const QString &value)
{
    if (!validSlot(slot))
        return;
    if (MouseEngine *target = engine())
        answer(target->setSetting(int(slot) - 1, key, value));
}
