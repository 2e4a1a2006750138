#include "storage/UploadUnconfirmed.h"

#include "storage/AppPaths.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"

namespace {
const QString unconfirmedKey = QStringLiteral("Config/UploadUnconfirmed");
}

bool SaveUploadUnconfirmed(bool unconfirmed)
{
    // Written after every transfer: leave Config.ini alone when the mark is already right.
    if (LastUploadUnconfirmed() == unconfirmed)
        return true;
    return EditIniFile(AppPaths::globalConfigFile(),
                       [&](QSettings &file) { file.setValue(unconfirmedKey, unconfirmed ? 1 : 0); });
}

bool LastUploadUnconfirmed()
{
    return IniReader(AppPaths::globalConfigFile()).value(unconfirmedKey).toInt() == 1;
}
