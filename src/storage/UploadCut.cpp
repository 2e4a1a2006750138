#include "storage/UploadCut.h"

#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"

namespace {
const QString cutKey = QStringLiteral("Config/UploadCut");
}

bool SaveUploadCut(bool cut)
{
    // Written after every upload: leave Config.ini alone when the mark is already right.
    if (IniReader(AppPaths::globalConfigFile()).value(cutKey).toInt() == (cut ? 1 : 0))
        return true;
    return EditIniFile(AppPaths::globalConfigFile(),
                       [&](QSettings &file) { file.setValue(cutKey, cut ? 1 : 0); });
}

bool LastUploadCut()
{
    return IniReader(AppPaths::globalConfigFile()).value(cutKey).toInt() == 1 && LoadDiff() == 1;
}
