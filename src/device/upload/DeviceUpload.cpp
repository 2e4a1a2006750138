#include "device/upload/DeviceUpload.h"

#include "device/link/DeviceLink.h"
#include "device/link/StatusThreadControl.h"
#include "device/upload/ButtonBlock.h"
#include "device/upload/DpiBlock.h"
#include "device/upload/GeneralBlock.h"
#include "device/upload/LightingBlock.h"
#include "device/upload/MacroBlock.h"
#include "storage/ConfigRecords.h"
#include "storage/UploadSlots.h"

DeviceUpload::DeviceUpload(DeviceLink &link, StatusThreadControl &status, const Product &product)
    : m_commands(link)
    , m_status(status)
    , m_product(product)
{ }

quint8 DeviceUpload::WriteProfileToDevice(const ConfigData &snapshot, int groups)
{
    m_status.StopStatusThread();
    m_status.HoldForUpload();
    const quint8 result = writeProfile(snapshot, groups);
    m_status.ReleaseUpload();
    if (result)
        return result; // the status thread stays stopped until the window starts it again
    m_status.StartStatusThread();
    return ReportOk;
}

quint8 DeviceUpload::writeProfile(const ConfigData &snapshot, int groups)
{
    ConfigData &copy = m_state.DeviceSideCopy();
    copy = snapshot;

    quint8 result = m_commands.BeginWrite();
    if (!result)
        result = WriteGeneralSettings(m_commands, copy, m_product);
    if (!result && (groups & GroupButtons))
        result = WriteButtons(m_commands, copy, m_product, m_state.ButtonTable(), m_state.MacroIndices());
    if (!result && (groups & GroupDpi))
        result = WriteDpiStages(m_commands, copy, UploadSlot(copy), m_product, m_state.DeviceTypeByte());
    if (!result && (groups & GroupLighting))
        result = WriteLighting(m_commands, copy, m_product);
    if (!result && (groups & AllGroups))
        result = m_commands.ApplyAll();
    if (!result)
        result = WriteMacros(m_commands, copy, m_state.MacroIndices());
    if (!result)
        result = m_commands.EndWrite();
    return result;
}
