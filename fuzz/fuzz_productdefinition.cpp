#include "storage/Product.h"
#include "FuzzSupport.h"

#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/ProductDefinition.h"

// A hostile product definition: every accessor, the factory profile built from it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzAppDir();
    writeFuzzFile(AppPaths::productDefinitionFile(), data, size);
    ProductName();
    DpiStageCount();
    DisableMacro();
    MinDelay();
    int a = 0, b = 0;
    SleepRange(a, b);
    Product::load();
    quint8 sensor[7];
    SensorDefaults(sensor);
    qint8 table[ButtonMatrixSize];
    LoadButtonMatrix(table);
    LoadButtonMatrix2(table);
    ConfigData config;
    MakeFactoryConfig(config);
    return 0;
}
