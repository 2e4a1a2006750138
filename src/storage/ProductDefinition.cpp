#include "storage/ProductDefinition.h"

#include "storage/AppPaths.h"
#include "storage/IniSafety.h"
#include "storage/StoredColour.h"

#include <QFileInfo>
#include <QSettings>

#include <limits>

namespace {

QVariant readValue(const QString &key)
{
    return IniReader(AppPaths::productDefinitionFile()).value(key);
}

bool productFileExists()
{
    return QFileInfo(AppPaths::productDefinitionFile()).isFile();
}

int readInt(const QString &key, int defaultValue)
{
    return ProductDefinitionInt(IniReader(AppPaths::productDefinitionFile()), key, defaultValue);
}

int buttonCount()
{
    const int count = readInt(QStringLiteral("ButtonCount"), 0) ^ readInt(QStringLiteral("MouseDpi"), 0);
    return qBound(0, count, ButtonMatrixSize);
}

QString indexedKey(const char *group, int index, const char *suffix)
{
    return QStringLiteral("PROFILE/%1_%2_%3").arg(QLatin1String(group)).arg(index).arg(QLatin1String(suffix));
}

} // namespace

int ProductDefinitionInt(const QSettings &file, const QString &key, int defaultValue)
{
    const QVariant value = file.value(QStringLiteral("PROFILE/") + key);
    if (!value.isValid())
        return defaultValue;
    // Not a number reads as 0; a number beyond int is cut to int's range rather than wrapped.
    const qlonglong number = value.toLongLong();
    return int(qBound<qlonglong>(std::numeric_limits<int>::min(), number, std::numeric_limits<int>::max()));
}

void ReadButtonMatrix(const QSettings &file, const char *suffix, ButtonMatrix &table)
{
    for (int i = 0; i < ButtonMatrixSize; ++i)
        table[size_t(i)] = qint8(file.value(indexedKey("BUTTON_INFO", i, suffix)).toInt());
}

QString ProductName()
{
    return readValue(QStringLiteral("PROFILE/ProductName")).toString();
}

int DpiStageCount()
{
    return readInt(QStringLiteral("ButtonCount"), 0) ^ readInt(QStringLiteral("MouseDpi"), 0)
        ^ readInt(QStringLiteral("DPICount"), 0);
}

int DisableMacro()
{
    return readInt(QStringLiteral("DisableMacro"), 0);
}
int ShowSleep()
{
    return readInt(QStringLiteral("ShowSleep"), 1);
}
int MinDelay()
{
    return qMax(1, readInt(QStringLiteral("MinDelay"), 10));
}
int Flag33254()
{
    return readInt(QStringLiteral("33254"), 0);
}
int LedDisable()
{
    return readInt(QStringLiteral("ledDisable"), 0);
}
int SyncMode()
{
    return readInt(QStringLiteral("SyncMode"), 0);
}
void SleepRange(int &min, int &max)
{
    min = qBound(0, readInt(QStringLiteral("SleepMin"), 1), 255);
    max = qBound(0, readInt(QStringLiteral("SleepMax"), 9), 255);
}

int SensorDefaults(quint8 bytes[7])
{
    if (!productFileExists())
        return -1;
    bytes[0] = quint8(readInt(QStringLiteral("lift"), 0));
    bytes[1] = quint8(readInt(QStringLiteral("angle"), 0));
    bytes[2] = quint8(readInt(QStringLiteral("butondelay"), 20));
    bytes[3] = quint8(readInt(QStringLiteral("jitter"), 0));
    bytes[4] = quint8(readInt(QStringLiteral("wake"), 0));
    bytes[5] = quint8(readInt(QStringLiteral("sensormode"), 1));
    bytes[6] = quint8(readInt(QStringLiteral("sync"), 0));
    return 0;
}

static int loadMatrix(const char *suffix, qint8 table[ButtonMatrixSize])
{
    if (!productFileExists())
        return -1;
    ButtonMatrix matrix {};
    ReadButtonMatrix(IniReader(AppPaths::productDefinitionFile()), suffix, matrix);
    std::copy(matrix.begin(), matrix.end(), table);
    return 0;
}

int LoadButtonMatrix(qint8 table[ButtonMatrixSize])
{
    return loadMatrix("Matrix", table);
}

int LoadButtonMatrix2(qint8 table[ButtonMatrixSize])
{
    if (loadMatrix("Matrix2", table) < 0)
        return -1;
    return buttonCount();
}

int LoadProfileTemplate(ProfileTemplate &out)
{
    if (!productFileExists())
        return -1;
    const IniReader file(AppPaths::productDefinitionFile());
    auto number = [&file](const QString &key) { return file.value(key).toInt(); };

    out.dpi = quint8(number(QStringLiteral("PROFILE/dpi")));
    out.LedMoveOFF = quint8(number(QStringLiteral("PROFILE/LedMoveOFF")));
    for (int i = 0; i < 8; ++i)
        out.stageXY[i] = number(indexedKey("DPI_INFO", i, "xy"));
    out.pollrate = number(QStringLiteral("PROFILE/pollrate"));
    out.LedMode = quint8(number(QStringLiteral("PROFILE/LedMode")));
    for (int i = 0; i < 16; ++i) {
        ProfileTemplate::Button &b = out.buttons[i];
        b.ID = number(indexedKey("BUTTON_INFO", i, "ID"));
        b.Fun = number(indexedKey("BUTTON_INFO", i, "Fun"));
        b.LoopNumber = number(indexedKey("BUTTON_INFO", i, "LoopNumber"));
        b.KeyNumber = number(indexedKey("BUTTON_INFO", i, "KeyNumber"));
        b.Res1 = quint8(number(indexedKey("BUTTON_INFO", i, "Res1")));
        b.Res2 = quint8(number(indexedKey("BUTTON_INFO", i, "Res2")));
        b.Res3 = quint8(number(indexedKey("BUTTON_INFO", i, "Res3")));
        b.Res4 = quint8(number(indexedKey("BUTTON_INFO", i, "Res4")));
    }
    for (int m = 0; m < 14; ++m) {
        const QString prefix = QStringLiteral("PROFILE/LedMode/LED_MODE_%1_").arg(m);
        ProfileTemplate::Effect &led = out.ledModes[m];
        led.RGB = StoredColour(file.value(prefix + QStringLiteral("RGB")));
        led.bright = number(prefix + QStringLiteral("bright"));
        led.breath = number(prefix + QStringLiteral("breath"));
    }
    return 0;
}
