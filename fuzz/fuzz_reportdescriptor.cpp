#include "FuzzSupport.h"

#include "platform/HidReportDescriptor.h"

// Any byte string as a report descriptor.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    topLevelCollections(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
