#include "storage/Product.h"
#include "FuzzSupport.h"

#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/MacroList.h"
#include "storage/ProductDefinition.h"

// A hostile Config.ini (the first half of the input) and LangConfig.ini (the rest): every reader of
// both, and a full configuration load.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzAppDir();
    const size_t half = size / 2;
    writeFuzzFile(AppPaths::globalConfigFile(), data, half);
    writeFuzzFile(AppPaths::languageFile(), data + half, size - half);
    LoadLanguage();
    CurrentProduct();
    LoadDiff();
    SensorVariant();
    Product::load();
    LoadLibraryList();
    LoadMacroList();
    ConfigData config;
    LoadConfig(config);
    for (int button = -1; button <= ButtonMatrixSize; ++button)
        ButtonMatrixSlot(button);
    return 0;
}
