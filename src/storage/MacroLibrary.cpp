#include "storage/MacroLibrary.h"

#include "storage/AppPaths.h"
#include "storage/FileCopy.h"
#include "storage/ImportLimit.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool nameTaken(const QString &name)
{
    return QFileInfo::exists(MacroFilePath(name)) || MacroListContains(name);
}

} // namespace

QString CreateMacro()
{
    if (MacroCount() >= MacroListSlots)
        return QString();
    QString name;
    for (int n = 1; name.isEmpty() || nameTaken(name); ++n)
        name = QStringLiteral("name_%1").arg(n);
    if (!SaveMacroFile(name, MacroFileData()))
        return QString();
    if (!AddToMacroList(name)) {
        QFile::remove(MacroFilePath(name));
        return QString();
    }
    return name;
}

bool RenameMacro(const QString &oldName, const QString &newName)
{
    if (!AppPaths::isSafeFileName(oldName) || !AppPaths::isSafeFileName(newName))
        return false;
    if (nameTaken(newName) || !QFile::rename(MacroFilePath(oldName), MacroFilePath(newName)))
        return false;
    if (!RenameInMacroList(oldName, newName)) {
        QFile::rename(MacroFilePath(newName), MacroFilePath(oldName));
        return false;
    }
    return true;
}

bool DeleteMacro(const QString &name)
{
    // A hand-edited list entry that is no file name only leaves the list.
    if (AppPaths::isSafeFileName(name)) {
        const QString path = MacroFilePath(name);
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return false;
    }
    return RemoveFromMacroList(name);
}

bool ExportMacro(const QString &name, const QString &path)
{
    return MacroFileExists(name) && CopyFileReplacing(MacroFilePath(name), path);
}

MacroImport ImportMacro(const QString &path, QString &name)
{
    name = QFileInfo(path).completeBaseName();
    if (!AppPaths::isSafeFileName(name))
        return MacroImport::BadName;
    const QFileInfo source(path);
    if (!source.isFile() || !source.isReadable() || !ImportSizeAcceptable(path))
        return MacroImport::Unreadable;
    if (nameTaken(name))
        return MacroImport::Exists;
    if (MacroCount() >= MacroListSlots)
        return MacroImport::ListFull;
    QDir().mkpath(AppPaths::macroDir());
    if (!CopyFileReplacing(path, MacroFilePath(name)))
        return MacroImport::Failed;
    if (!AddToMacroList(name)) {
        QFile::remove(MacroFilePath(name));
        return MacroImport::ListFull;
    }
    return MacroImport::Imported;
}
