#include "storage/Product.h"

#include "storage/AppPaths.h"
#include "storage/IniSafety.h"

#include <QFileInfo>

namespace {

constexpr int LanguageSlots = 10;

void readDefinition(Product &p)
{
    const QString path = AppPaths::productDefinitionFile();
    p.definitionFound = QFileInfo(path).isFile();
    const IniReader file(path);
    auto number = [&file](const char *key, int defaultValue) {
        return ProductDefinitionInt(file, QLatin1String(key), defaultValue);
    };
    p.name = file.value(QStringLiteral("PROFILE/ProductName")).toString();
    p.version = file.value(QStringLiteral("PROFILE/Version")).toString();
    const int buttons = number("ButtonCount", 0) ^ number("MouseDpi", 0);
    p.buttonCount = qBound(0, buttons, ButtonMatrixSize);
    p.dpiStageCount = buttons ^ number("DPICount", 0);
    p.disableMacro = number("DisableMacro", 0);
    p.showSleep = number("ShowSleep", 1);
    p.scrollRev = number("ScrollRev", 0);
    p.minDelay = qMax(1, number("MinDelay", 10));
    p.flag33254 = number("33254", 0);
    p.colorMode = number("ColorMode", 0);
    p.ledDisable = number("ledDisable", 0);
    p.syncMode = number("SyncMode", 0);
    p.french = number("french", -1);
    p.sleepMin = qBound(0, number("SleepMin", 1), 255);
    p.sleepMax = qBound(0, number("SleepMax", 9), 255);
    p.receiverVid = qBound(0, number("vid1", 0x248A), 0xFFFF);
    p.receiverPid = qBound(0, number("pid1", 0xFA02), 0xFFFF);
    p.cableVid = qBound(0, number("vid2", 0x248A), 0xFFFF);
    p.cablePid = qBound(0, number("pid2", 0xFB01), 0xFFFF);
    if (p.definitionFound) {
        ReadButtonMatrix(file, "Matrix", p.buttonMatrix);
        ReadButtonMatrix(file, "Matrix2", p.buttonMatrix2);
    }
}

void readInstallation(Product &p)
{
    IniReader file(AppPaths::installedConfigFile());
    p.sensorCode = file.value(QStringLiteral("MouseSenSor/1")).toInt();
    // A damaged value would make every reading look full; the installation default stands in for it.
    bool ok = false;
    const int millivolts = file.value(QStringLiteral("Config/BatteryFull"), 4200).toInt(&ok);
    p.batteryFullMillivolts = ok && millivolts > 0 ? millivolts : 4200;
    p.accentColorIndex = file.value(QStringLiteral("Config/GColorID")).toInt();
    p.model = file.value(QStringLiteral("Config/Model")).toString();
    p.mouseListName = file.value(QStringLiteral("Mouse_List/0")).toString();

    p.languages.count = qBound(0, file.value(QStringLiteral("FONT_LIST/LANGNUM")).toInt(), LanguageSlots);
    for (int n = 0; n < LanguageSlots; ++n) {
        LanguageEntry entry;
        entry.name = file.value(QStringLiteral("FONT_LIST/LangName_%1").arg(n)).toString();
        entry.file = file.value(QStringLiteral("FONT_LIST/LangFile_%1").arg(n)).toString();
        entry.font.family = file.value(QStringLiteral("FONT_LIST/FONT_%1").arg(n)).toString();
        entry.font.size = uint(qBound(0, file.value(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(n)).toInt(), 200));
        p.languages.entries.append(entry);
    }

    file.beginGroup(QStringLiteral("MouseLEDMode"));
    for (const QString &key : file.childKeys())
        p.ledVariants.insert(key, file.value(key).toInt());
    file.endGroup();
}

} // namespace

LanguageFont Product::languageFont(int id) const
{
    return id >= 0 && id < languages.entries.size() ? languages.entries.at(id).font : LanguageFont();
}

int Product::ledVariant(const QString &productName) const
{
    return ledVariants.value(productName, 0);
}

Product Product::load()
{
    Product p;
    readDefinition(p);
    readInstallation(p);
    p.sensor = SensorSpecFor(p.sensorCode, p.name, p.flag33254);
    return p;
}
