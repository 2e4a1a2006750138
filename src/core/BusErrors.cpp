#include "core/BusErrors.h"

#include "core/OperationResult.h"
#include "device/link/DeviceLink.h"

namespace {

struct ErrorName
{
    int exitCode;
    const char *name;
};

const ErrorName Names[] = {
    { ReportNoDevice, "org.mousecfg.Mouse1.Error.NoMouse" },
    { ReportNotConfirmed, "org.mousecfg.Mouse1.Error.NotConfirmed" },
    { ReportWriteFailed, "org.mousecfg.Mouse1.Error.WriteFailed" },
    { DeviceAsleep, "org.mousecfg.Mouse1.Error.Asleep" },
    { ExitUsage, "org.mousecfg.Mouse1.Error.InvalidArgs" },
    { ExitRefused, "org.mousecfg.Mouse1.Error.Refused" },
    { ExitNoInput, "org.mousecfg.Mouse1.Error.NoInput" },
    { ExitCannotWrite, "org.mousecfg.Mouse1.Error.CannotWrite" },
    { ExitBusy, "org.mousecfg.Mouse1.Error.Busy" },
    { ExitNoPermission, "org.mousecfg.Mouse1.Error.NoPermission" },
};
const char *const Failed = "org.mousecfg.Mouse1.Error.Failed";

} // namespace

QString BusErrors::name(int exitCode)
{
    for (const ErrorName &entry : Names) {
        if (entry.exitCode == exitCode)
            return QLatin1String(entry.name);
    }
    return QLatin1String(Failed);
}

int BusErrors::exitCode(const QString &name)
{
    for (const ErrorName &entry : Names) {
        if (name == QLatin1String(entry.name))
            return entry.exitCode;
    }
    return name == QLatin1String(Failed) ? 1 : -1;
}
