#include "core/settings/SlotLayout.h"

#include "device/upload/DpiBlock.h"
#include "storage/Product.h"

namespace SlotLayout {

int stageCount(const Product &product)
{
    return DpiStageCountForDevice(product.dpiStageCount);
}

QVector<int> shownButtons(const Product &product)
{
    QVector<int> records;
    if (!product.definitionFound)
        return records;
    for (int i = 0; i < product.buttonCount; ++i) {
        if (product.buttonMatrix2[size_t(i)] != -1)
            records << i;
    }
    return records;
}

bool syncOffered(const Product &product)
{
    return product.syncMode == 1;
}

bool filtersOffered(const Product &product)
{
    return product.syncMode != 0;
}

QString sensorModeName(int mode)
{
    static const char *const names[3] = { "eco", "standard", "competitive" };
    return mode >= 0 && mode < 3 ? QString::fromLatin1(names[mode]) : QString();
}

} // namespace SlotLayout
