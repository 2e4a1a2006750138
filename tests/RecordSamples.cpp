#include "RecordSamples.h"

ProfileData sampleProfile(int seed)
{
    quint32 state = quint32(seed) * 2654435761u + 1;
    auto next = [&state] { return state = state * 1103515245u + 12345u; };
    auto byte = [&next] { return quint8(next() >> 16); };

    ProfileData p;
    p.pollrate = byte();
    p.dpi = byte();
    p.LedMode = byte();
    p.LedMoveOFF = byte();
    p.LedSleepTime = byte();
    for (DpiStage &s : p.stages)
        s = DpiStage { byte(), byte(), next(), next(), next() };
    p.mousespeed = byte();
    p.dbclickspeed = byte();
    p.scrollispage = byte();
    p.scrollspeed = byte();
    p.accelenable = byte();
    p.acee = byte();
    for (ButtonInfo &b : p.buttons) {
        b.ID = qint32(next());
        b.Fun = qint32(next());
        b.LoopNumber = qint32(next());
        b.KeyNumber = qint32(next());
        for (MacroEvent &e : b.KeyInfo)
            e = MacroEvent { byte(), byte(), byte() };
        b.Res1 = byte();
        b.Res2 = byte();
        b.Res3 = byte();
        b.Res4 = byte();
        b.macroname = QStringLiteral("macro %1, é").arg(next() % 1000);
    }
    for (LedModeInfo &e : p.ledModes)
        e = LedModeInfo {
            QColor(byte(), byte(), byte()), qint32(next()), qint32(next()), qint32(next()), qint32(next()),
            -qint32(next() % 100)
        };
    // Colours that are not plain RGB must survive a file too.
    p.ledModes[seed % LedModeSlots].RGB = QColor();
    p.ledModes[(seed + 1) % LedModeSlots].RGB = QColor::fromHsv(seed % 360, 200, 100);
    p.ProfileName = QStringLiteral("Name \"%1\" ; = [x]").arg(seed);
    p.ProfilePath = QStringLiteral("C:\\Profiles\\%1.prof").arg(seed);
    return p;
}

ConfigData sampleConfig(int seed)
{
    ConfigData c;
    c.ProfileID = quint8(seed % ProfileSlots);
    for (int k = 0; k < ProfileSlots; ++k) {
        c.profiles[k] = sampleProfile(seed * 10 + k);
        c.profileNames[k] = QStringLiteral("Slot %1-%2").arg(seed).arg(k);
    }
    // The sensor settings stay in the ranges they are read back with; neighbouring seeds differ in each.
    c.AngleValue = quint8((seed + 1) % 2);
    c.LiftHigh = quint8(1 + seed % 2);
    c.Sync = quint8(seed % 2);
    c.Count = quint8(seed + 4);
    c.Jitter = quint8((seed + 1) % 2);
    c.Debounce = quint8(seed + 6);
    c.Wake = quint8(seed % 2);
    c.SensorMode = quint8(seed % 3);
    return c;
}
