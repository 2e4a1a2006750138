#include "FullUploadExpectations.h"
#include "VirtualMouseLink.h"
#include "device/link/StatusThreadControl.h"
#include "device/upload/ButtonBlock.h"
#include "device/upload/CommandSet.h"
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

using FullUpload::commands;
using FullUpload::factoryConfig;
using FullUpload::saveMacro;
using FullUpload::slotBytes;

int countCommand(const QList<QByteArray> &reports, quint8 command)
{
    return int(std::count_if(reports.begin(), reports.end(),
                             [=](const QByteArray &r) { return quint8(r[3]) == command; }));
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
    const ConfigData config = FullUpload::config();

    int stops = 0, starts = 0;
    link.session.statusControl().SetStatusThreadControl([&] { ++stops; }, [&] { ++starts; });
    QCOMPARE(link.session.upload().WriteProfileToDevice(config, AllGroups), quint8(ReportOk));
    QCOMPARE(stops, 1);
    QCOMPARE(starts, 1);

    FullUpload::check(link.mouse.reports(), [&](quint8 command) { return link.mouse.memory(command); });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(link.session.upload().state().DeviceSideCopy().profiles[0].buttons[5].Res4, quint8(1));
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

    QCOMPARE(link.session.upload().WriteProfileToDevice(factoryConfig(), AllGroups),
             quint8(ReportWriteFailed));
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
    // The product is read when a session starts.
    link.device().CloseDevice();
    MouseSession session(&link.mouse);
    session.link().BuildDeviceTable();
    session.link().EnumerateDevices();
    session.link().OpenDevice(CurrentProduct().toLatin1().constData());

    ConfigData config = factoryConfig();
    QCOMPARE(session.upload().WriteProfileToDevice(config, GroupButtons), quint8(ReportOk));
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
