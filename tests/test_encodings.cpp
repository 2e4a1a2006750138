#include "device/upload/ButtonBlock.h"
#include "device/upload/DpiBlock.h"
#include "device/upload/GeneralBlock.h"
#include "device/upload/LightingBlock.h"
#include "device/upload/MacroBlock.h"
#include "sensors/SensorRegisters.h"
#include "storage/UploadSlots.h"

#include <QtTest>

using Bytes4 = std::array<quint8, 4>;

class TestEncodings : public QObject
{
    Q_OBJECT
private slots:
    void dpiAxisPerSensor();
    void dpiStagePayload();
    void generalBlock();
    void lightingBlock();
    void buttonFunctions();
    void macroButtonsShareIndexes();
    void macroSlotLayout();
};

static QByteArray axisBytes(quint8 reg, quint8 range)
{
    const char pair[2] = { char(reg), char(range) };
    return QByteArray(pair, 2);
}

static QByteArray axis(int sensor, quint32 v, DpiAxis a = DpiAxis::X, quint8 type = 0)
{
    const AxisBytes b = SensorSpecFor(sensor).encodeAxis(v, a, type);
    return axisBytes(b.reg, b.range);
}

void TestEncodings::dpiAxisPerSensor()
{
    QCOMPARE(axis(3360, 120), QByteArray("\x77\x00", 2));
    QCOMPARE(axis(3360, 121), QByteArray("\x3c\x01", 2));
    QCOMPARE(axis(3389, 320), QByteArray("\x40\x01", 2));
    QCOMPARE(axis(3389, 400), QByteArray("\xf0\x80", 2));
    QCOMPARE(axis(33952, 520, DpiAxis::X), QByteArray("\x04\x81", 2));
    QCOMPARE(axis(33952, 520, DpiAxis::Y), QByteArray("\x08\x02", 2));
    QCOMPARE(axis(3395, 450, DpiAxis::X, 8), QByteArray("\x8f\x01", 2));
    QCOMPARE(axis(3395, 450, DpiAxis::X, 0), QByteArray("\xc2\x01", 2));
    QCOMPARE(axis(3212, 94), QByteArray("\x3e\x01", 2));
    QCOMPARE(axis(3212, 95), QByteArray("\x20\x02", 2));
    QCOMPARE(axis(3327, 93), axisBytes(RegisterC(41), 4));
    QCOMPARE(axis(3333, 80), axisBytes(RegisterD(40), 1));
    QCOMPARE(axis(3311, 121), axisBytes(RegisterA(61), 1));
    QCOMPARE(axis(1234, 50), QByteArray(2, '\0'));
    // Positions outside a register table are clamped to its ends (the factory profile has 0).
    QCOMPARE(axis(3325, 0), QByteArray("\x02\x00", 2));
    QCOMPARE(axis(3333, 0), QByteArray("\x04\x00", 2));
    QCOMPARE(axis(3335, 1000), QByteArray("\xbc\x01", 2));
    QCOMPARE(axis(3311, 100000), QByteArray("\xbc\x01", 2));
    QCOMPARE(axis(3311, 0xFFFFFFFF), QByteArray("\xbc\x01", 2));
    // Beyond a byte, only the low byte of the 32-bit arithmetic reaches the mouse.
    QCOMPARE(axis(3104, 0x80000000), QByteArray("\xcb\x01", 2));
    QCOMPARE(axis(3370, 0x1FF), QByteArray("\x9a\x01", 2));
}

void TestEncodings::dpiStagePayload()
{
    DpiStage stage;
    stage.used = 1;
    stage.x = 20;
    stage.y = 110;
    auto p = DpiStagePayload(stage, 0, 8, SensorSpecFor(3104), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p.data()), 5), QByteArray("\x01\x39\x01\x14\x00", 5));
    // 3335 ignores y; a stage past the count is sent disabled but still encoded.
    p = DpiStagePayload(stage, 5, 4, SensorSpecFor(3335), 0);
    QCOMPARE(p[0], quint8(0));
    QCOMPARE(p[1], p[3]);
    QCOMPARE(p[2], p[4]);
    p = DpiStagePayload(stage, 0, 8, SensorSpecFor(9999), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p.data()), 5), QByteArray("\x01\x00\x00\x00\x00", 5));
    QCOMPARE(DpiStageCountForDevice(0), 8);
    QCOMPARE(DpiStageCountForDevice(9), 8);
    QCOMPARE(DpiStageCountForDevice(-3), 8);
    QCOMPARE(DpiStageCountForDevice(4), 4);
}

void TestEncodings::generalBlock()
{
    ConfigData config;
    config.LiftHigh = 2;
    config.Sync = 1;
    config.AngleValue = 0;
    config.Jitter = 1;
    config.SensorMode = 1;
    config.Wake = 1;
    config.ProfileID = 3;
    config.profiles[3].dpi = 4;
    config.profiles[3].LedMode = 7;
    config.profiles[0].LedMoveOFF = 1;
    config.profiles[3].LedMoveOFF = 9; // the LED timing is the current (lighting) slot's
    config.profiles[3].LedSleepTime = 4;
    config.profiles[2].pollrate = 8;
    config.profiles[4].scrollspeed = 20;
    auto block = GeneralSettingsBlock(config, 1, UploadSlot(config));
    QCOMPARE(block[5], quint8(0xC2));
    QCOMPARE(block[10], quint8(0x81));
    QCOMPARE(block[6], quint8(3));
    QCOMPARE(block[7], quint8(9));
    QCOMPARE(block[8], quint8(4));
    QCOMPARE(block[13], quint8(8));
    QCOMPARE(block[4], quint8(20));
    QCOMPARE(block[16], quint8(0x1F));
    QCOMPARE(block[17], quint8(4));
    QCOMPARE(block[18], quint8(6)); // effect 7 is sent as device effect 6, like effect 9
    QCOMPARE(GeneralSettingsBlock(config, 0, UploadSlot(config))[5], quint8(0x02));
    config.ProfileID = 200; // a damaged slot number reads the first profile, never past the array
    QCOMPARE(GeneralSettingsBlock(config, 0, UploadSlot(config))[17], quint8(0));

    const quint8 expected[] = { 1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10, 6 };
    for (int effect = 0; effect <= 14; ++effect)
        QCOMPARE(DeviceEffectNumber(effect), expected[effect]);
}

void TestEncodings::lightingBlock()
{
    ProfileData profile;
    for (int m = 0; m < LedModeSlots; ++m) {
        profile.ledModes[m].RGB = QColor(10 + m, 20 + m, 30 + m);
        profile.ledModes[m].bright = 100 + m;
        profile.ledModes[m].breath = 50 + m;
    }
    const auto block = LightingBlock(profile);
    auto slot = [&](int s) { return QByteArray(reinterpret_cast<const char *>(block.data()) + 8 * s, 8); };
    QCOMPARE(slot(0), QByteArray("\x80\0\0\0\0\0\0\0", 8));
    QCOMPARE(slot(1), QByteArray("\x80\x0b\x15\x1f\x01\x00\x02\x65", 8));
    QCOMPARE(slot(2), QByteArray("\x80\x0c\x16\x20\x01\x34\x04\x03", 8));
    QCOMPARE(slot(3), QByteArray("\x80\0\0\0\x01\x35\x01\x03", 8));
    QCOMPARE(slot(5), QByteArray("\x80\0\0\0\x05\x3b\x01\x6d", 8));
    QCOMPARE(slot(6), QByteArray("\x80\0\0\0\x07\x00\x00\x6f", 8));
    QCOMPARE(slot(7), QByteArray("\x80\0\0\0\x06\x3c\x00\x6e", 8));
    QCOMPARE(slot(9), QByteArray("\x80\0\0\0\x09\x3f\x00\x71", 8));
}

static QByteArray encode(ButtonInfo button, int sensor = 3389)
{
    MacroIndexMap macros;
    const Bytes4 b = EncodeButton(button, SensorSpecFor(sensor), macros, {});
    return QByteArray(reinterpret_cast<const char *>(b.data()), 4);
}

void TestEncodings::buttonFunctions()
{
    ButtonInfo button;
    button.Fun = 17;
    QCOMPARE(encode(button), QByteArray("\x8f\x01\x1b\x00", 4));
    button.Fun = 46;
    QCOMPARE(encode(button), QByteArray("\x8e\x01\x83\x01", 4));
    button.Fun = 56; // no row: four zero bytes
    QCOMPARE(encode(button), QByteArray(4, '\0'));

    button.Fun = 6;
    button.Res1 = 0x1E; // key code of A
    QCOMPARE(encode(button), QByteArray("\x90\x00\x04\x00", 4));

    button = ButtonInfo();
    button.Fun = 7; // Ctrl down, C down, C up, Ctrl up (usages)
    const quint8 usages[] = { 0xE0, 0x06, 0x06, 0xE0 };
    for (int k = 0; k < 4; ++k)
        button.KeyInfo[k].map = usages[k];
    QCOMPARE(encode(button), QByteArray("\x8f\x01\x06\x00", 4));

    button = ButtonInfo();
    button.Fun = 12;
    QCOMPARE(encode(button), QByteArray("\x99\x81\x03\x00", 4));
    button.Res1 = 0x1E;
    button.LoopNumber = 3;
    button.KeyNumber = 105;
    QCOMPARE(encode(button), QByteArray("\x99\x1e\x03\x0a", 4));

    button = ButtonInfo();
    button.Fun = 55;
    button.Res1 = 10;
    QCOMPARE(encode(button, 3325), QByteArray("\x9a\x01\x16\x16", 4));
    QCOMPARE(encode(button, 3360), QByteArray("\x9a\x01\x09\x09", 4));
    QCOMPARE(encode(button, 3389), QByteArray("\x9a\x01\x0a\x0a", 4));
    QCOMPARE(encode(button, 33252), QByteArray("\x9a\x01\x04\x04", 4));
    button.Res1 = 250; // beyond table C: clamped to its last entry
    QCOMPARE(encode(button, 3327), QByteArray("\x9a\x01\x8c\x8c", 4));
}

void TestEncodings::macroButtonsShareIndexes()
{
    MacroIndexMap macros;
    ButtonInfo a, b, c;
    a.Fun = b.Fun = c.Fun = 200;
    a.macroname = "first";
    b.macroname = "second";
    c.macroname = "first";
    a.LoopNumber = 0x0102;
    b.Res1 = 1;
    c.Res1 = 2;
    auto bytes = [](const Bytes4 &v) { return QByteArray(reinterpret_cast<const char *>(v.data()), 4); };
    QCOMPARE(bytes(EncodeButton(a, SensorSpecFor(0), macros, {})), QByteArray("\x91\x00\x02\x01", 4));
    QCOMPARE(bytes(EncodeButton(b, SensorSpecFor(0), macros, {})), QByteArray("\x91\x81\xff\xff", 4));
    QCOMPARE(bytes(EncodeButton(c, SensorSpecFor(0), macros, {})), QByteArray("\x91\x40\xff\xff", 4));
    QCOMPARE(int(macros.size()), 2);
    QCOMPARE(b.Res4, quint8(1));
    QCOMPARE(c.Res4, quint8(0));

    ButtonInfo gun;
    gun.Fun = 510;
    gun.macroname = "recoil";
    gun.Res1 = 7; // not a loop mode: byte 1 keeps what the slot held
    gun.LoopNumber = 5;
    QCOMPARE(bytes(EncodeButton(gun, SensorSpecFor(0), macros, { 0x11, 0x22, 0x33, 0x44 })),
             QByteArray("\x9d\x22\x05\x00", 4));

    QCOMPARE(ButtonSlotOfPosition(22, 0, {}), 22);
    QCOMPARE(ButtonSlotOfPosition(22, 1, {}), 23);
    QCOMPARE(ButtonSlotOfPosition(23, 1, {}), 22);
}

void TestEncodings::macroSlotLayout()
{
    const MacroEvent e[] = { { 0x84, 4, 0 }, { 0x04, 4, 0 }, { 0x84, 5, 0 }, { 0x04, 5, 0 }, { 0x81, 1, 0 } };
    auto triples = [](const MacroSlot &slot, int n) {
        return QByteArray(reinterpret_cast<const char *>(slot.data()), 3 * n);
    };
    QCOMPARE(triples(EncodeMacroSlot(e, 3), 6),
             QByteArray("\x84\x04\x00\x04\x04\x00\x84\x05\x00\x06\x01\x00\x06\x01\x00\x00\x00\x00", 18));
    QCOMPARE(triples(EncodeMacroSlot(e, 4), 8),
             QByteArray("\x84\x04\x00\x04\x04\x00\x84\x05\x00\x04\x05\x00"
                        "\x06\x01\x00\x06\x01\x00\x00\x00\x00\x00\x00\x00",
                        24));
    // With a delay event the events are stored as they are.
    const MacroEvent withDelay[] = { { 0x84, 4, 0 }, { 0x06, 100, 0 }, { 0x04, 4, 0 } };
    QCOMPARE(triples(EncodeMacroSlot(withDelay, 3), 4),
             QByteArray("\x84\x04\x00\x06\x64\x00\x04\x04\x00\x00\x00\x00", 12));
    // A missing macro file (no events) still gives a slot that is sent.
    QCOMPARE(triples(EncodeMacroSlot(e, 0), 2), QByteArray("\x06\x01\x00\x00\x00\x00", 6));

    // 63 plain events do not fit: the macro is cut to 49 events and its closing pauses.
    MacroEvent many[KeyInfoSlots];
    for (int i = 0; i < KeyInfoSlots; ++i)
        many[i] = { 0x84, quint8(i + 1), 0 };
    const MacroSlot slot = EncodeMacroSlot(many, KeyInfoSlots);
    QCOMPARE(slot[3 * 60], quint8(0x84));
    QCOMPARE(slot[3 * 60 + 1], quint8(49));
    QCOMPARE(slot[3 * 61], quint8(6));
    QCOMPARE(slot[3 * 62], quint8(0));

    // The rule the editor and the command line warn by is the one the encoder cuts by.
    for (int count : { 0, 49, 50, 63 }) {
        for (bool delayed : { false, true }) {
            MacroEvent events[KeyInfoSlots];
            std::copy(many, many + count, events);
            if (delayed && count > 0)
                events[count / 2] = { 0x06, 10, 0 };
            const int sent = MacroEventsSent(events, count);
            QCOMPARE(sent, delayed && count > 0 ? count : qMin(count, 49));
            const MacroSlot encoded = EncodeMacroSlot(events, count);
            int kept = 0;
            for (int t = 0; t < MacroSlotSize / 3; ++t) {
                const quint8 *triple = encoded.data() + 3 * t;
                kept += triple[0] == 0x84 || (triple[0] == 0x06 && triple[1] == 10);
            }
            QVERIFY2(kept == sent,
                     qPrintable(QStringLiteral("%1 events, delayed %2").arg(count).arg(delayed)));
        }
    }
}

QTEST_GUILESS_MAIN(TestEncodings)
#include "test_encodings.moc"
