#include "PageTestSupport.h"
#include "ScriptedPrompts.h"
#include "platform/DesktopMouseSettings.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedBackend.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "ui/pages/TarnMenuButton.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/widgets/TarnPushButton.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// The performance and polling-rate pages against an installed test folder.
class TestPerformancePage : public QObject
{
    Q_OBJECT
private slots:
    void switchesAndTheirStoredValues();
    void arrangementsPerSyncMode();
    void pollingRateAndLift();
    void liftChosenOnEitherPage();
    void mouseSettingsProgram();
    void pointerSpeedWithoutX11();
};

namespace {

ConfigData factoryConfig()
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    return config;
}

void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

} // namespace

void TestPerformancePage::switchesAndTheirStoredValues()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    config.AngleValue = 1;
    config.Jitter = 0;
    config.Wake = 1;
    config.SensorMode = 2;
    config.Debounce = 8;
    config.profiles[1].scrollspeed = 3;
    config.profiles[1].mousespeed = 14;
    TarnPointSpeed page;
    page.show();
    page.refreshFrom(config, 1);
    QVERIFY(!page.angleBox()->isChecked());
    QVERIFY(page.jitterBox()->isChecked());
    QVERIFY(!page.wakeBox()->isChecked());
    QVERIFY(page.sensorModeBox(2)->isChecked());
    QCOMPARE(page.keyResponseSlider()->value(), 8);
    QCOMPARE(page.scrollSpeedBox()->value(), 3);

    // Checked filters store 0, unchecked 1.
    clickBox(page.angleBox());
    QCOMPARE(page.values().angle, quint8(0));
    clickBox(page.jitterBox());
    QCOMPARE(page.values().jitter, quint8(1));
    clickBox(page.wakeBox());
    QCOMPARE(page.values().wake, quint8(0));
    clickBox(page.angleBox());
    QCOMPARE(page.values().angle, quint8(1));
    clickBox(page.angleBox());
    clickBox(page.syncBox());
    QCOMPARE(page.values().sync, quint8(1));

    // The sensor modes act as one choice; clicking the chosen one keeps it.
    clickBox(page.sensorModeBox(0));
    QVERIFY(!page.sensorModeBox(2)->isChecked());
    clickBox(page.sensorModeBox(0));
    QVERIFY(page.sensorModeBox(0)->isChecked());
    QCOMPARE(page.values().sensorMode, quint8(0));

    page.keyResponseSlider()->setValue(30);
    page.scrollSpeedBox()->setValue(12);
    QCOMPARE(config.profiles[1].scrollspeed, quint8(12)); // kept in the slot at once

    ConfigData collected = factoryConfig();
    page.collectInto(collected, 1);
    QCOMPARE(collected.AngleValue, quint8(0));
    QCOMPARE(collected.Jitter, quint8(1));
    QCOMPARE(collected.Wake, quint8(0));
    QCOMPARE(collected.Sync, quint8(1));
    QCOMPARE(collected.SensorMode, quint8(0));
    QCOMPARE(collected.Debounce, quint8(30));
    QCOMPARE(collected.profiles[1].scrollspeed, quint8(12));
    QCOMPARE(collected.profiles[1].mousespeed, quint8(14));
}

void TestPerformancePage::arrangementsPerSyncMode()
{
    TestAppDir dir(TestAppDir::Installed);
    struct Case
    {
        int mode;
        bool sync, angle, jitter;
    };
    for (const Case &c :
         { Case { 0, false, false, false }, Case { 1, true, true, true }, Case { 2, false, true, true } }) {
        setDefinition(dir, QStringLiteral("SyncMode"), QString::number(c.mode));
        TarnPointSpeed page;
        page.resize(470, 280);
        page.show();
        QCOMPARE(page.syncBox()->isVisible(), c.sync);
        QCOMPARE(page.angleBox()->isVisible(), c.angle);
        QCOMPARE(page.jitterBox()->isVisible(), c.jitter);
        QVERIFY(page.wakeBox()->isVisible());
        // The visible switches close up from the top of their column, inside the page.
        QCOMPARE(page.wakeBox()->y(), 14 + 28 * (int(c.sync) + int(c.angle) + int(c.jitter)));
        QVERIFY(page.mouseSettingButton()->geometry().bottom() < 280);
    }
}

void TestPerformancePage::pollingRateAndLift()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    config.profiles[0].pollrate = 1;
    config.LiftHigh = 1;
    TarnReportRate page;
    page.show();
    page.refreshFrom(config, 0);
    QCOMPARE(page.rateButton()->text(), QStringLiteral("1000 HZ"));
    QVERIFY(page.liftButton(0)->isChecked());

    QStringList texts;
    for (QAction *action : page.rateMenu()->actions())
        texts << action->text();
    QCOMPARE(texts, QStringList({ "125 HZ", "250 HZ", "500 HZ", "1000 HZ" }));
    page.rateMenu()->actions().first()->trigger();
    QCOMPARE(page.rateButton()->text(), QStringLiteral("125 HZ"));
    page.collectInto(config, 0);
    QCOMPARE(config.profiles[0].pollrate, quint8(8));
    page.setRate(2);
    QCOMPARE(page.rateButton()->text(), QStringLiteral("500 HZ"));
    page.setRate(3); // not a rate the mouse knows: no text, kept as told
    QCOMPARE(page.rateButton()->text(), QString());

    QSignalSpy lift(&page, &TarnReportRate::RefreshLift);
    QTest::mouseClick(page.liftButton(1), Qt::LeftButton, {}, QPoint(4, page.liftButton(1)->height() / 2));
    QCOMPARE(lift.count(), 1);
    QCOMPARE(lift.first().at(0).value<quint8>(), quint8(2));
    page.liftButton(0)->setFocus();
    QTest::keyClick(page.liftButton(0), Qt::Key_Space);
    QCOMPARE(lift.last().at(0).value<quint8>(), quint8(1));
}

void TestPerformancePage::liftChosenOnEitherPage()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    config.LiftHigh = 1;
    TarnPointSpeed speed;
    TarnReportRate rate;
    speed.refreshFrom(config, 0);
    rate.refreshFrom(config, 0);
    // "2 mm" on the polling-rate page is stored at once, and "Apply" keeps it.
    connect(&rate, &TarnReportRate::RefreshLift, [&](quint8 lift) { config.LiftHigh = lift; });
    rate.liftButton(1)->click();
    QCOMPARE(config.LiftHigh, quint8(2));
    speed.collectInto(config, 0);
    QCOMPARE(config.LiftHigh, quint8(2));

    // Chosen on the performance page, it is taken on "Apply"; told by the other page, it follows.
    speed.liftBox(0)->click();
    speed.collectInto(config, 0);
    QCOMPARE(config.LiftHigh, quint8(1));
    speed.setLift(2);
    QVERIFY(speed.liftBox(1)->isChecked());
    QVERIFY(!speed.liftBox(0)->isChecked());

    // Paired as on the DPI tab: a choice on either control shows on both at once, is stored at once,
    // and "Apply" collects that one value whichever page is collected last.
    config.LiftHigh = 2;
    speed.refreshFrom(config, 0);
    rate.refreshFrom(config, 0);
    speed.pairLiftWith(&rate);
    connect(&speed, &TarnPointSpeed::liftChosen, [&](quint8 lift) { config.LiftHigh = lift; });
    QSignalSpy told(&rate, &TarnReportRate::RefreshLift);
    speed.liftBox(0)->click();
    QVERIFY(rate.liftButton(0)->isChecked());
    QVERIFY(!rate.liftButton(1)->isChecked());
    QCOMPARE(rate.lift(), quint8(1));
    QCOMPARE(told.count(), 0); // shown there, not echoed back
    QCOMPARE(config.LiftHigh, quint8(1));
    speed.collectInto(config, 0);
    rate.collectInto(config, 0);
    QCOMPARE(config.LiftHigh, quint8(1));

    rate.liftButton(1)->click();
    QVERIFY(speed.liftBox(1)->isChecked());
    QCOMPARE(speed.values().lift, quint8(2));
    QCOMPARE(config.LiftHigh, quint8(2));
    rate.collectInto(config, 0);
    speed.collectInto(config, 0);
    QCOMPARE(config.LiftHigh, quint8(2));
}

void TestPerformancePage::mouseSettingsProgram()
{
    QTemporaryDir bin;
    QVERIFY(FindMouseSettingsProgram({ bin.path() }).program.isEmpty());
    auto addProgram = [&](const QString &name) {
        QFile file(bin.path() + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    addProgram("xfce4-mouse-settings");
    QCOMPARE(FindMouseSettingsProgram({ bin.path() }).program, bin.path() + "/xfce4-mouse-settings");
    addProgram("gnome-control-center");
    const DesktopProgram gnome = FindMouseSettingsProgram({ bin.path() });
    QCOMPARE(gnome.program, bin.path() + "/gnome-control-center");
    QCOMPARE(gnome.arguments, QStringList({ "mouse" }));

    // Without any of them on the PATH the user is told.
    TestAppDir dir(TestAppDir::Installed);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QTemporaryDir().path().toLocal8Bit());
    ScriptedPrompts prompts;
    TarnPointSpeed page;
    page.show();
    page.mouseSettingButton()->setFocus();
    QTest::keyClick(page.mouseSettingButton(), Qt::Key_Space);
    qputenv("PATH", path);
    QCOMPARE(prompts.boxes.size(), 1);
    QCOMPARE(prompts.boxes.first().title, QStringLiteral("Warning"));
}

void TestPerformancePage::pointerSpeedWithoutX11()
{
    // Offscreen (as on Wayland) the speed is only remembered.
    const int before = GetSystemMouseSpeed();
    QVERIFY(!ApplySlotMouseSpeed(before == 7 ? 8 : 7));
    QCOMPARE(GetSystemMouseSpeed(), before == 7 ? 8 : 7);
    QVERIFY(!ApplySlotMouseSpeed(0));
    QCOMPARE(GetSystemMouseSpeed(), before == 7 ? 8 : 7);

    // The page says so beside "Mouse Setting"; where the desktop takes the speed it says nothing.
    TarnPointSpeed page;
    page.show();
    QVERIFY(page.pointerSpeedNotice()->isVisible());
    QVERIFY(page.pointerSpeedNotice()->text().contains(QStringLiteral("cannot be set from here")));
    struct Settable : PointerSpeedBackend
    {
        QString name() const override { return QStringLiteral("stand-in"); }
        bool read(int *) override { return false; }
        bool apply(int) override { return true; }
    };
    SetPointerSpeedBackend(std::make_unique<Settable>());
    page.relayout();
    QVERIFY(!page.pointerSpeedNotice()->isVisible());
    SetPointerSpeedBackend(nullptr);
}

QTEST_MAIN(TestPerformancePage)
#include "test_performancepage.moc"
