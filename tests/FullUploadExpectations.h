#pragma once

#include "device/upload/ButtonBlock.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroFile.h"

#include <QtTest>

#include <functional>

// One full upload (every group, two macros, every kind of button) and what the mouse must receive
// of it; shared by the virtual mouse and the mock kernel, so that both paths meet the same bytes.
namespace FullUpload {

// The command byte and the first parameter of each report, "cc:pp".
inline QStringList commands(const QList<QByteArray> &reports)
{
    QStringList list;
    for (const QByteArray &r : reports)
        list << QStringLiteral("%1:%2")
                    .arg(quint8(r[3]), 2, 16, QLatin1Char('0'))
                    .arg(quint8(r[4]), 2, 16, QLatin1Char('0'));
    return list;
}

inline void saveMacro(const QString &name, const QVector<MacroEvent> &events)
{
    MacroFileData data;
    data.count = events.size();
    std::copy(events.begin(), events.end(), data.events);
    QVERIFY(SaveMacroFile(name, data));
}

inline ConfigData factoryConfig()
{
    ConfigData config;
    LoadConfig(config); // loads the button position table of the product
    MakeFactoryConfig(config);
    return config;
}

// Saves the two macros and returns the configuration to upload with AllGroups.
inline ConfigData config()
{
    saveMacro("alpha", { { 0x84, 0x04, 0 }, { 0x04, 0x04, 0 } });
    saveMacro("beta", { { 0x81, 0x01, 0 }, { 0x01, 0x01, 0 }, { 0x02, 10, 0 } });
    ConfigData config = factoryConfig();
    config.LiftHigh = 2;
    config.Sync = 1;
    config.AngleValue = 0;
    config.Jitter = 1;
    ButtonInfo *b = config.profiles[0].buttons;
    b[0].Fun = 17;
    b[1].Fun = 7;
    const quint8 combo[] = { 0xE0, 0x06, 0x06, 0xE0 };
    for (int k = 0; k < 4; ++k)
        b[1].KeyInfo[k].map = combo[k];
    b[2].Fun = 6;
    b[2].Res1 = 0x1E;
    b[3].Fun = 200;
    b[3].macroname = "alpha";
    b[4].Fun = 12;
    b[4].Res1 = 0x1E;
    b[4].LoopNumber = 3;
    b[4].KeyNumber = 105;
    b[5].Fun = 200;
    b[5].macroname = "beta";
    b[6].Fun = 12;
    return config;
}

inline QByteArray slotBytes(const QByteArray &buttonMemory, int slot)
{
    return buttonMemory.mid(2 + 4 * slot, 4);
}

// Checks the reports the mouse received and the device memory it kept (`memory` of a block command).
inline void check(const QList<QByteArray> &reports, const std::function<QByteArray(quint8)> &memory)
{
    QStringList expected = { "46:00", "01:00", "01:7f", "03:00", "03:02", "03:1a",
                             "03:32", "03:4a", "03:62", "03:7f", "02:00" };
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("02:%1").arg(1 + 5 * i, 2, 16, QLatin1Char('0'));
    expected << "02:7f"
             << "04:00"
             << "04:18"
             << "04:30"
             << "04:48"
             << "04:7f";
    expected << "40:f3"
             << "40:f3"
             << "40:f3"
             << "40:f3"
             << "40:f3";
    for (int k = 0; k < 2; ++k)
        for (int j = 0; j < 10; ++j)
            expected << QStringLiteral("05:%1").arg(quint8(200 * k + 20 * j), 2, 16, QLatin1Char('0'));
    expected << "05:ff"
             << "46:01";
    QCOMPARE(commands(reports), expected);

    // Apply masks in their order; the macro block's first chunk only is typed 0xD1; closing at 0x0FFF.
    QCOMPARE(quint8(reports[25][5]), quint8(0x04));
    QCOMPARE(quint8(reports[29][5]), quint8(0x10));
    QCOMPARE(quint8(reports[30][7]), quint8(0xD1));
    QCOMPARE(quint8(reports[31][7]), quint8(0xD2));
    QCOMPARE(reports[40].mid(4, 4), QByteArray("\xc8\x00\x14\xd2", 4)); // first chunk of slot 1
    QCOMPARE(reports[49].mid(4, 2), QByteArray("\x7c\x01", 2)); // offset 380
    QCOMPARE(reports[50].mid(4, 5), QByteArray("\xff\x0f\x01\xd3\x1a", 5));

    const QByteArray general = memory(0x01);
    QCOMPARE(quint8(general[5]), quint8(0xC2));
    QCOMPARE(quint8(general[16]), quint8(0x1F));

    const QByteArray buttons = memory(0x03);
    QCOMPARE(buttons.left(2), QByteArray("\x0a\x00", 2));
    QCOMPARE(slotBytes(buttons, 0), QByteArray("\x8f\x01\x1b\x00", 4));
    QCOMPARE(slotBytes(buttons, 1), QByteArray("\x8f\x01\x06\x00", 4));
    QCOMPARE(slotBytes(buttons, 2), QByteArray("\x90\x00\x04\x00", 4));
    QCOMPARE(slotBytes(buttons, 3), QByteArray("\x91\x00\x00\x00", 4));
    QCOMPARE(slotBytes(buttons, 4), QByteArray("\x99\x1e\x03\x0a", 4));
    QCOMPARE(slotBytes(buttons, 5), QByteArray("\x91\x01\x00\x00", 4));
    QCOMPARE(slotBytes(buttons, 6), QByteArray("\x99\x81\x03\x00", 4));
    QCOMPARE(slotBytes(buttons, 22), QByteArray("\x8b\x00\x00\x00", 4)); // factory wheel up (Fun 52)
    QCOMPARE(buttons.mid(98, 4), QByteArray(4, '\xff'));

    // Macro slots: (Map, DataL, DataH) triples with the inserted pauses.
    const QByteArray macros = memory(0x05);
    QCOMPARE(macros.left(12), QByteArray("\x84\x04\x00\x04\x04\x00\x06\x01\x00\x00\x00\x00", 12));
    QCOMPARE(macros.mid(200, 15),
             QByteArray("\x81\x01\x00\x01\x01\x00\x02\x0a\x00\x06\x01\x00\x06\x01\x00", 15));
}

} // namespace FullUpload
