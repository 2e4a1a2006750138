#include "core/settings/SlotLayout.h"

#include "device/upload/DpiBlock.h"
#include "storage/ProductDefinition.h"

#include <algorithm>

namespace SlotLayout {

int stageCount()
{
    return DpiStageCountForDevice(DpiStageCount());
}

QVector<int> shownButtons()
{
    qint8 matrix[ButtonMatrixSize];
    std::fill(std::begin(matrix), std::end(matrix), qint8(-1));
    const int count = LoadButtonMatrix2(matrix);
    QVector<int> records;
    for (int i = 0; i < qMin(count, int(ButtonMatrixSize)); ++i) {
        if (matrix[i] != -1)
            records << i;
    }
    return records;
}

bool syncOffered()
{
    return SyncMode() == 1;
}

bool filtersOffered()
{
    return SyncMode() != 0;
}

QString sensorModeName(int mode)
{
    static const char *const names[3] = { "eco", "standard", "competitive" };
    return mode >= 0 && mode < 3 ? QString::fromLatin1(names[mode]) : QString();
}

} // namespace SlotLayout
