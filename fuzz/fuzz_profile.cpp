#include "FuzzDevice.h"
#include "FuzzSupport.h"
#include "device/session/MouseSession.h"

#include "device/upload/CommandSet.h"
#include "device/upload/GeneralBlock.h"
#include "device/upload/LightingBlock.h"
#include "storage/UploadSlots.h"
#include "storage/ConfigRecords.h"
#include "storage/ProfileFile.h"
#include "virtualmouse/VirtualMouse.h"

// A hostile profile file in slot 1: loaded, encoded, uploaded in full to the virtual mouse, saved
// and loaded again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VirtualMouse &mouse = fuzzMouse();
    const QString name = QStringLiteral("fuzzed");
    writeFuzzFile(SlotProfileFile(name), data, size);
    ConfigData config;
    MakeFactoryConfig(config);
    config.profileNames[0] = name;
    LoadProfileFile(config.profiles[0], SlotProfileFile(name));
    LightingBlock(config.profiles[0]);
    GeneralSettingsBlock(config, 0, UploadSlot(config));
    GeneralSettingsBlock(config, 1, UploadSlot(config));
    mouse.clearReports();
    fuzzSession().upload().WriteProfileToDevice(config, AllGroups);
    SaveProfileFile(config.profiles[0], name);
    LoadProfileFile(config.profiles[0], SlotProfileFile(name));
    return 0;
}
