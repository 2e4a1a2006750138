#include "storage/MacroFile.h"

#include "storage/AppPaths.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

const QString writeSignKey = QStringLiteral("Setting/WriteSign");

QString eventKey(const char *field, int index)
{
    return QStringLiteral("Setting/%1_%2").arg(QLatin1String(field)).arg(index);
}

int clampedCount(int count)
{
    return qBound(0, count, KeyInfoSlots);
}

bool writeMacro(const QString &name, const MacroFileData &data, bool markChanged)
{
    if (!AppPaths::isSafeFileName(name))
        return false;
    const QString path = MacroFilePath(name);
    return EditIniFile(path, [&](QSettings &file) {
        file.setValue(QStringLiteral("Setting/MacroFilePath"), path);
        file.setValue(QStringLiteral("Setting/DefaultDelay"), data.defaultDelay);
        file.setValue(QStringLiteral("Setting/DelayType"), data.delayType);
        file.setValue(QStringLiteral("Setting/LoopType"), data.loopType);
        file.setValue(QStringLiteral("Setting/LoopTime"), data.loopTime);
        const int count = clampedCount(data.count);
        file.setValue(QStringLiteral("Setting/Count"), count);
        for (int i = 0; i < count; ++i) {
            file.setValue(eventKey("Map", i), int(data.events[i].map));
            file.setValue(eventKey("DataH", i), int(data.events[i].H));
            file.setValue(eventKey("DataL", i), int(data.events[i].L));
        }
        if (markChanged)
            file.setValue(writeSignKey, 1);
    });
}

} // namespace

QString MacroFilePath(const QString &name)
{
    return AppPaths::macroDir() + QLatin1Char('/') + name + QStringLiteral(".MSMACRO");
}

bool MacroFileExists(const QString &name)
{
    return AppPaths::isSafeFileName(name) && QFileInfo(MacroFilePath(name)).isFile();
}

bool SaveMacroFile(const QString &name, const MacroFileData &data)
{
    return writeMacro(name, data, true);
}

bool SaveGunFile(const QString &name, const MacroEvent *events, int count)
{
    MacroFileData data;
    data.defaultDelay = 10;
    data.delayType = 1;
    data.loopType = 0;
    data.loopTime = 1;
    data.count = clampedCount(count);
    std::copy(events, events + data.count, data.events);
    return writeMacro(name, data, false);
}

MacroFileData LoadMacroFile(const QString &name)
{
    MacroFileData data;
    if (!MacroFileExists(name))
        return data;
    const IniReader file(MacroFilePath(name));
    data.delayType = file.value(QStringLiteral("Setting/DelayType")).toInt();
    data.defaultDelay = file.value(QStringLiteral("Setting/DefaultDelay")).toInt();
    data.loopTime = file.value(QStringLiteral("Setting/LoopTime")).toInt();
    data.loopType = file.value(QStringLiteral("Setting/LoopType")).toInt();
    ReadMacroEvents(name, data.events, data.count);
    return data;
}

void ReadMacroEvents(const QString &name, MacroEvent events[KeyInfoSlots], int &count)
{
    count = 0;
    if (!MacroFileExists(name))
        return;
    const IniReader file(MacroFilePath(name));
    count = clampedCount(file.value(QStringLiteral("Setting/Count")).toInt());
    for (int j = 0; j < count; ++j) {
        events[j].map = quint8(file.value(eventKey("Map", j)).toInt());
        events[j].H = quint8(file.value(eventKey("DataH", j)).toInt());
        events[j].L = quint8(file.value(eventKey("DataL", j)).toInt());
    }
}

bool MacroChanged(const QString &name)
{
    if (!MacroFileExists(name))
        return false;
    return IniReader(MacroFilePath(name)).value(writeSignKey).toInt() != 0;
}

bool ClearMacroChanged(const QString &name)
{
    if (!MacroFileExists(name))
        return true;
    return EditIniFile(MacroFilePath(name), [](QSettings &file) { file.setValue(writeSignKey, 0); });
}
