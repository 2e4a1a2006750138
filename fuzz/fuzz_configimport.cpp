#include "FuzzDevice.h"
#include "FuzzSupport.h"
#include "device/session/MouseSession.h"

#include "device/upload/CommandSet.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "virtualmouse/VirtualMouse.h"

// A hostile configuration export: imported, compared, exported again and uploaded in full.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VirtualMouse &mouse = fuzzMouse();
    const QString path = fuzzAppDir() + QStringLiteral("/fuzzed.conf");
    writeFuzzFile(path, data, size);
    ConfigData factory;
    MakeFactoryConfig(factory);
    ConfigData config = factory;
    if (!ImportConfig(config, path))
        return 0;
    ChangedGroups(config, factory);
    ExportConfig(config, fuzzAppDir() + QStringLiteral("/again.conf"));
    mouse.clearReports();
    fuzzSession().upload().WriteProfileToDevice(config, AllGroups);
    return 0;
}
