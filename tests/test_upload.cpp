#include "VirtualMouseLink.h"
#include "device/upload/ButtonBlock.h"
#include "device/upload/CommandSet.h"
#include "device/link/StatusThreadControl.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroFile.h"

#include <QtTest>

// Uploads against the virtual mouse; the checks read the reports and the device memory it kept.
class TestUpload : public QObject
{
    Q_OBJECT
private slots:
    void fullUpload();
    void groupSubsetAndNoGroup();
    void failureStopsTheSequence();
    void scrollWheelSwap();
    void macroOnTwoButtonsAndProfiles();
    void selectProfile();
};

namespace {

// The command byte and the first parameter of each report, "cc:pp".
QStringList commands(const QList<QByteArray> &reports)
{
    QStringList list;
    for (const QByteArray &r : reports)
        list << QStringLiteral("%1:%2")
                    .arg(quint8(r[3]), 2, 16, QLatin1Char('0'))
                    .arg(quint8(r[4]), 2, 16, QLatin1Char('0'));
    return list;
}

int countCommand(const QList<QByteArray> &reports, quint8 command)
{
    return int(std::count_if(reports.begin(), reports.end(),
                             [=](const QByteArray &r) { return quint8(r[3]) == command; }));
}

QByteArray slotBytes(const QByteArray &buttonMemory, int slot)
{
    return buttonMemory.mid(2 + 4 * slot, 4);
}

void saveMacro(const QString &name, const QVector<MacroEvent> &events)
{
    MacroFileData data;
    data.count = events.size();
    std::copy(events.begin(), events.end(), data.events);
    QVERIFY(SaveMacroFile(name, data));
}

ConfigData factoryConfig()
{
    ConfigData config;
    LoadConfig(config); // loads the button position table of the product
    MakeFactoryConfig(config);
    return config;
}

// Wraps the virtual mouse and fails every write of one command, as a mouse that rejects a block.
class FailingCommand : public HidBackend
{
public:
    FailingCommand(VirtualMouse &mouse, quint8 command)
        : m_mouse(mouse)
        , m_command(command)
    { }
    int init() override { return m_mouse.init(); }
    int exit() override { return m_mouse.exit(); }
    QVector<HidDeviceRecord> enumerate(quint16 v, quint16 p) override { return m_mouse.enumerate(v, p); }
    HidDevice *openPath(const char *path) override { return m_mouse.openPath(path); }
    void close(HidDevice *device) override { m_mouse.close(device); }
    int write(HidDevice *device, const quint8 *data, int length) override
    {
        return data[3] == m_command ? -1 : m_mouse.write(device, data, length);
    }
    int readTimeout(HidDevice *device, quint8 *data, int length, int ms) override
    {
        return m_mouse.readTimeout(device, data, length, ms);
    }
    quint16 releaseNumber(const char *path) override { return m_mouse.releaseNumber(path); }

private:
    VirtualMouse &m_mouse;
    quint8 m_command;
};

} // namespace

void TestUpload::fullUpload()
{
    VirtualMouseLink link(true, false);
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

    int stops = 0, starts = 0;
    link.session.statusControl().SetStatusThreadControl([&] { ++stops; }, [&] { ++starts; });
    QCOMPARE(link.session.upload().WriteProfileToDevice(config, AllGroups), quint8(ReportOk));
    QCOMPARE(stops, 1);
    QCOMPARE(starts, 1);

    const QList<QByteArray> reports = link.mouse.reports();
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

    const QByteArray general = link.mouse.memory(0x01);
    QCOMPARE(quint8(general[5]), quint8(0xC2));
    QCOMPARE(quint8(general[16]), quint8(0x1F));

    const QByteArray buttons = link.mouse.memory(0x03);
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
    QCOMPARE(link.session.upload().state().DeviceSideCopy().profiles[0].buttons[5].Res4, quint8(1));

    // Macro slots: (Map, DataL, DataH) triples with the inserted pauses.
    const QByteArray macros = link.mouse.memory(0x05);
    QCOMPARE(macros.left(12), QByteArray("\x84\x04\x00\x04\x04\x00\x06\x01\x00\x00\x00\x00", 12));
    QCOMPARE(macros.mid(200, 15),
             QByteArray("\x81\x01\x00\x01\x01\x00\x02\x0a\x00\x06\x01\x00\x06\x01\x00", 15));
    QVERIFY(link.session.upload().state().MacroIndices().empty());
}

void TestUpload::groupSubsetAndNoGroup()
{
    VirtualMouseLink link(true, false);
    const ConfigData config = factoryConfig();
    QCOMPARE(link.session.upload().WriteProfileToDevice(config, GroupDpi), quint8(ReportOk));
    const QList<QByteArray> reports = link.mouse.reports();
    QCOMPARE(countCommand(reports, 0x02), 10);
    QCOMPARE(countCommand(reports, 0x04), 0);
    QCOMPARE(countCommand(reports, 0x03), 0);
    QCOMPARE(countCommand(reports, 0x05), 0);
    QCOMPARE(countCommand(reports, 0x40), 5);
    QCOMPARE(quint8(reports[3][8]), quint8(6)); // the product's six stages
    // Sensor 3389: stage 7 (position 400) is past 320, sent as 240 with the high bit.
    QCOMPARE(reports[3 + 8].mid(8, 5), QByteArray("\x00\xf0\x80\xf0\x80", 5));

    link.mouse.clearReports();
    QCOMPARE(link.session.upload().WriteProfileToDevice(config, 0), quint8(ReportOk));
    QCOMPARE(commands(link.mouse.reports()), QStringList({ "46:00", "01:00", "01:7f", "46:01" }));
}

void TestUpload::failureStopsTheSequence()
{
    VirtualMouseLink link(true, false);
    FailingCommand failing(link.mouse, 0x04);
    link.device().UseHidBackend(&failing);
    link.device().EnumerateDevices();
    link.device().OpenDevice(CurrentProduct().toLatin1().constData());
    int stops = 0, starts = 0;
    link.session.statusControl().SetStatusThreadControl([&] { ++stops; }, [&] { ++starts; });

    QCOMPARE(link.session.upload().WriteProfileToDevice(factoryConfig(), AllGroups), quint8(ReportWriteFailed));
    const QList<QByteArray> reports = link.mouse.reports();
    QCOMPARE(countCommand(reports, 0x02), 10);
    QCOMPARE(countCommand(reports, 0x40), 0);
    QCOMPARE(countCommand(reports, 0x05), 0);
    QCOMPARE(commands(reports).last(), QStringLiteral("02:7f"));
    QCOMPARE(stops, 1);
    QCOMPARE(starts, 0); // the status thread stays stopped after a failure
    link.device().CloseDevice();
    link.device().UseHidBackend(&link.mouse);
}

void TestUpload::scrollWheelSwap()
{
    VirtualMouseLink link(true, false);
    QByteArray definition;
    QFile file(link.dir.path() + "/DefaultProfile.bin");
    QVERIFY(file.open(QIODevice::ReadOnly));
    definition = file.readAll().replace("ScrollRev=0", "ScrollRev=1");
    file.close();
    link.dir.writeFile("DefaultProfile.bin", definition);

    ConfigData config = factoryConfig();
    QCOMPARE(link.session.upload().WriteProfileToDevice(config, GroupButtons), quint8(ReportOk));
    const QByteArray buttons = link.mouse.memory(0x03);
    QCOMPARE(slotBytes(buttons, 23), QByteArray("\x8b\x00\x00\x00", 4)); // button 40 (scroll up)
    QCOMPARE(slotBytes(buttons, 22), QByteArray("\x8c\x00\x00\x00", 4)); // button 41 (scroll down)
}

void TestUpload::macroOnTwoButtonsAndProfiles()
{
    VirtualMouseLink link(true, false);
    saveMacro("shared", { { 0x84, 0x05, 0 }, { 0x04, 0x05, 0 } });
    saveMacro("second", { { 0x84, 0x06, 0 }, { 0x04, 0x06, 0 } });
    ConfigData config = factoryConfig();
    config.profiles[0].buttons[3].Fun = 200;
    config.profiles[0].buttons[3].macroname = "shared";
    config.profiles[0].buttons[4].Fun = 200;
    config.profiles[0].buttons[4].macroname = "second";
    config.profiles[2].buttons[5].Fun = 200; // the same macro again, in another profile
    config.profiles[2].buttons[5].macroname = "shared";

    QCOMPARE(link.session.upload().WriteProfileToDevice(config, GroupButtons), quint8(ReportOk));
    const QList<QByteArray> reports = link.mouse.reports();
    QCOMPARE(countCommand(reports, 0x05), 21);
    QCOMPARE(link.mouse.memory(0x05).mid(200, 3), QByteArray("\x84\x06\x00", 3));

    // The next upload without the buttons group encodes no macro and sends none.
    link.mouse.clearReports();
    QCOMPARE(link.session.upload().WriteProfileToDevice(config, GroupGeneral), quint8(ReportOk));
    QCOMPARE(countCommand(link.mouse.reports(), 0x05), 0);
}

void TestUpload::selectProfile()
{
    VirtualMouseLink link(true, false);
    link.mouse.setSilence(VirtualMouse::Unlimited); // failures are not reported to the caller
    link.session.upload().commands().SelectProfile(3);
    QCOMPARE(commands(link.mouse.reports()).first(), QStringLiteral("44:03"));
    link.mouse.setSilence(0);
    link.mouse.clearReports();
    link.session.upload().commands().SelectProfile(2);
    QCOMPARE(commands(link.mouse.reports()), QStringList({ "44:02", "40:f3" }));
    QCOMPARE(quint8(link.mouse.reports()[1][5]), quint8(0x01));
    QCOMPARE(link.mouse.selectedProfile(), quint8(2));
}

QTEST_GUILESS_MAIN(TestUpload)
#include "test_upload.moc"
