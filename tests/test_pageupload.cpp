#include "VirtualMouseLink.h"
#include "device/upload/DpiBlock.h"
#include "device/upload/TarnProcessThread.h"
#include "device/upload/UploadThreadState.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "ui/pages/ColorChooser.h"
#include "ui/pages/DefaultColorArea.h"
#include "ui/pages/TarnColorWindow.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/pages/TarnSingleDPI.h"
#include "ui/pages/TarnTwoBarSlider.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

// Edits on the four settings pages, collected and uploaded as "Apply" does, read back from the
// virtual mouse's memory. Whichever slot is current, the mouse gets the same bytes for it.
class TestPageUpload : public QObject
{
    Q_OBJECT
private slots:
    void pageEditsReachTheMouse_data();
    void pageEditsReachTheMouse();
};

void TestPageUpload::pageEditsReachTheMouse_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("slot 1") << 0;
    QTest::newRow("slot 3") << 2;
}

void TestPageUpload::pageEditsReachTheMouse()
{
    QFETCH(int, slot);
    VirtualMouseLink link(true, false);
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    config.ProfileID = quint8(slot);
    const ConfigData lastSent = config;

    TarnDPIWindow dpi;
    TarnColorWindow lighting;
    TarnPointSpeed performance;
    TarnReportRate rate;
    connect(&rate, &TarnReportRate::RefreshLift, [&](quint8 lift) { config.LiftHigh = lift; });
    lighting.refreshFrom(config, slot);
    performance.refreshFrom(config, slot);
    rate.refreshFrom(config, slot);
    dpi.refreshFrom(config, slot);

    // DPI: stage 2 at position 100 (5000 DPI on the demo sensor), stage 3 off, stage 4 current.
    dpi.row(1)->slider()->combinedSlider()->setValue(100);
    dpi.row(2)->enableBox()->click();
    QTest::mousePress(dpi.row(3), Qt::LeftButton);

    // Lighting: full light, brightness 2, a chosen colour, 5 minutes, no move-off.
    SetColorChooser([](QWidget *, QColor &colour) {
        colour = QColor(0x12, 0x34, 0x56);
        return true;
    });
    for (QAction *action : lighting.effectMenu()->actions()) {
        if (action->text() == QLatin1String("FULL LIGHTED"))
            action->trigger();
    }
    lighting.brightnessSlider()->setValue(2);
    QTest::mouseClick(lighting.colourSwatch(), Qt::LeftButton);
    SetColorChooser({});
    lighting.sleepSlider()->setValue(5);
    if (lighting.moveOffBox()->isChecked())
        lighting.moveOffBox()->click();

    // Sensor settings: key response 30, scroll speed 7, angle snapping on, jitter off, eco mode,
    // motion wake off; 125 Hz; lift-off 2 mm.
    performance.keyResponseSlider()->setValue(30);
    performance.scrollSpeedBox()->setValue(7);
    if (!performance.angleBox()->isChecked())
        performance.angleBox()->click();
    if (performance.jitterBox()->isChecked())
        performance.jitterBox()->click();
    if (performance.wakeBox()->isChecked())
        performance.wakeBox()->click();
    performance.sensorModeBox(0)->click();
    rate.rateMenu()->actions().first()->trigger();
    rate.liftButton(1)->click();

    // "Apply": collect, save, upload.
    performance.collectInto(config, slot);
    rate.collectInto(config, slot);
    dpi.collectInto(config, slot);
    QVERIFY(SaveConfig(config));
    link.session.upload().state().UploadSnapshot() = config;
    link.session.upload().state().LastSentConfig() = lastSent;
    TarnProcessThread upload(link.session.upload());
    upload.setSendEverything(true);
    upload.start();
    QVERIFY(upload.wait(60000));
    QCOMPARE(upload.status(), quint8(0));

    // The blocks went to the on-board slot the general block named, and only there.
    QCOMPARE(link.mouse.onBoardSlot(), quint8(slot));
    for (quint8 block : { 0x02, 0x03, 0x04 }) {
        QCOMPARE(link.mouse.slotMemory(quint8(slot), block), link.mouse.memory(block));
        for (quint8 other = 0; other < ProfileSlots; ++other)
            QVERIFY(other == slot || link.mouse.slotMemory(other, block).isEmpty());
    }
    const QByteArray stages = link.mouse.slotMemory(quint8(slot), 0x02);
    QCOMPARE(quint8(stages[0]), quint8(6));
    QCOMPARE(stages.mid(1 + 5 * 1, 5), QByteArray("\x01\x64\x00\x64\x00", 5));
    QCOMPARE(quint8(stages[1 + 5 * 2]), quint8(0));
    QCOMPARE(quint8(stages[1 + 5 * 3]), quint8(1));

    const QByteArray lights = link.mouse.slotMemory(quint8(slot), 0x04);
    QCOMPARE(lights.mid(8, 8), QByteArray("\x80\x12\x34\x56\x01\x00\x02\x02", 8));

    const QByteArray general = link.mouse.memory(0x01);
    QCOMPARE(quint8(general[slot]), quint8(7)); // scroll speed of the slot
    QCOMPARE(quint8(general[6]), quint8(slot));
    QCOMPARE(quint8(general[5]), quint8(0x02 | 0x40)); // 2 mm, angle snapping on, jitter filter off
    QCOMPARE(quint8(general[7]), quint8(255)); // light stays on when moving
    QCOMPARE(quint8(general[8]), quint8(5));
    QCOMPARE(quint8(general[9]), quint8(30));
    QCOMPARE(quint8(general[10]), quint8(0x80)); // eco, motion wake off
    QCOMPARE(quint8(general[11 + slot]), quint8(8)); // 125 Hz
    QCOMPARE(quint8(general[17]), quint8(3)); // current stage
    QCOMPARE(quint8(general[18]), quint8(2)); // full light

    // The saved slot file carries the same edits.
    ConfigData reloaded;
    LoadConfig(reloaded);
    QCOMPARE(reloaded.profiles[slot].stages[1].x, 100u);
    QCOMPARE(reloaded.profiles[slot].ledModes[1].RGB, QColor(0x12, 0x34, 0x56));
    QCOMPARE(reloaded.LiftHigh, quint8(2));
}

QTEST_MAIN(TestPageUpload)
#include "test_pageupload.moc"
