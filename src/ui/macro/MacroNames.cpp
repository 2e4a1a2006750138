#include "ui/macro/MacroNames.h"

#include "storage/AppPaths.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"

#include <QFileInfo>

bool UsableMacroName(const QString &name)
{
    return AppPaths::isSafeFileName(name) && name.size() <= MaxMacroNameLength;
}

bool MacroNameTaken(const QString &name)
{
    return QFileInfo::exists(MacroFilePath(name)) || MacroListContains(name);
}

QString FreeMacroName(const QString &wanted)
{
    QString name = wanted;
    for (int n = 2; MacroNameTaken(name); ++n)
        name = QStringLiteral("%1_%2").arg(wanted).arg(n);
    return name;
}
