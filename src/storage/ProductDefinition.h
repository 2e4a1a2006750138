#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>

class QSettings;

// Factory profile values that a product definition carries (the "PROFILE" template keys).
struct ProfileTemplate
{
    struct Button
    {
        qint32 ID = 0;
        qint32 Fun = 0;
        qint32 LoopNumber = 0;
        qint32 KeyNumber = 0;
        quint8 Res1 = 0;
        quint8 Res2 = 0;
        quint8 Res3 = 0;
        quint8 Res4 = 0;
    };
    struct Effect
    {
        QColor RGB;
        qint32 bright = 0;
        qint32 breath = 0;
    };

    quint8 dpi = 0;
    qint32 stageXY[8] = {};
    qint32 pollrate = 0;
    quint8 LedMode = 0;
    Button buttons[16];
    Effect ledModes[14];
    quint8 LedMoveOFF = 0;
};

// Number of entries of the product definition's button tables ("_Matrix", "_Matrix2").
constexpr int ButtonMatrixSize = 16;

// The product's button tables: one entry per button, 0..15.
using ButtonMatrix = std::array<qint8, ButtonMatrixSize>;

// The integer "PROFILE/<key>" of `file`: `defaultValue` when absent, 0 when not a number, cut to int.
int ProductDefinitionInt(const QSettings &file, const QString &key, int defaultValue);
// The table "PROFILE/BUTTON_INFO_<i>_<suffix>" of `file` ("Matrix" or "Matrix2").
void ReadButtonMatrix(const QSettings &file, const char *suffix, ButtonMatrix &table);

// Accessors of the product definition file that the settings pages and the records read; the
// rest of the program takes these facts from Product. Read-only (AppDir + "/DefaultProfile.bin").
// A missing file or key reads as the documented default; nothing here ever writes the file.

// "PROFILE/ProductName".
QString ProductName();
// "ButtonCount" XOR "MouseDpi" XOR "DPICount", as stored; the DPI code maps values outside 1..8 to 8.
int DpiStageCount();
// "PROFILE/DisableMacro" (default 0).
int DisableMacro();
// "PROFILE/ShowSleep" (default 1).
int ShowSleep();
// "PROFILE/MinDelay" (default 10), at least 1 since delays are divided by it.
int MinDelay();
// "PROFILE/33254" (default 0).
int Flag33254();
// "PROFILE/ledDisable" (default 0).
int LedDisable();
// "PROFILE/SyncMode" (default 0).
int SyncMode();
// "PROFILE/SleepMin" and "PROFILE/SleepMax" (defaults 1 and 9), each cut to 0..255.
void SleepRange(int &min, int &max);
// lift, angle, butondelay, jitter, wake, sensormode, sync as bytes; -1 (buffer untouched) without a file.
int SensorDefaults(quint8 bytes[7]);
// The "_Matrix" table (device slot of each button); -1 (untouched) without a file.
int LoadButtonMatrix(qint8 table[ButtonMatrixSize]);
// The "_Matrix2" table (on-screen position, -1 = hidden); -1 without a file, else ButtonCount().
int LoadButtonMatrix2(qint8 table[ButtonMatrixSize]);
// The factory profile template; -1 (untouched) without a file.
int LoadProfileTemplate(ProfileTemplate &out);
