#include "ScriptedPrompts.h"
#include "VirtualMouseLink.h"
#include "device/upload/CommandSet.h"
#include "device/upload/MacroBlock.h"
#include "platform/KeyboardCapture.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include "storage/MacroEvents.h"
#include "ui/macro/MacroRecordPanel.h"
#include "ui/macro/TarnMacroSelect.h"
#include "ui/widgets/TarnPushButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

// Keys typed on a real X server are recorded by the page, bound to a button and uploaded.
class TestMacroRecordingEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void typedMacroReachesTheMouse();
};

void TestMacroRecordingEndToEnd::typedMacroReachesTheMouse()
{
    QWidget probeWindow;
    if (!CreateKeyboardCapture(&probeWindow)->isSystemWide())
        QSKIP("This build has no system-wide keyboard capture: keys typed by xdotool cannot be recorded");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");

    VirtualMouseLink link(true, false);
    ScriptedPrompts prompts;
    MacroFileData empty;
    empty.defaultDelay = 10;
    empty.loopTime = 1;
    QVERIFY(SaveMacroFile("typed", empty));
    QVERIFY(AddToMacroList("typed"));

    MacroDialog page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.recordPanel()->delayBox(1)->click(); // real delays
    QTest::mouseClick(page.recordPanel()->startButton(), Qt::LeftButton);
    QCOMPARE(page.state(), MacroDialog::Recording);
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), { "key", "--delay", "150", "a", "b" }), 0);
    QTRY_COMPARE(page.model()->rowCount(), 7);
    QTest::mouseClick(page.recordPanel()->stopButton(), Qt::LeftButton);
    QCOMPARE(page.state(), MacroDialog::Idle);
    QVERIFY(prompts.boxes.isEmpty()); // every key was released

    MacroEvent events[KeyInfoSlots];
    int count = 0;
    ReadMacroEvents("typed", events, count);
    QCOMPARE(count, 7);
    const int usages[] = { 4, -1, 4, -1, 5, -1, 5 };
    for (int i = 0; i < count; ++i) {
        if (usages[i] < 0) {
            QCOMPARE(int(events[i].map), int(MacroEvents::DelayKind));
            QVERIFY(MacroEvents::delayUnits(events[i]) >= 1);
        } else {
            QCOMPARE(int(events[i].L), usages[i]);
        }
    }

    TarnMacroSelect select("Macro", "MACRO SELECT", QString(), 1, 0);
    select.nameMenu()->actions().at(0)->trigger();
    select.loopCountEdit()->setText("3");
    select.show();
    QTest::mouseClick(select.yesButton(), Qt::LeftButton);
    QCOMPARE(select.result(), int(QDialog::Accepted));

    // What the button page and "Apply" do with the choice.
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    ButtonInfo &button = config.profiles[0].buttons[3];
    button.Fun = 200;
    button.LoopNumber = select.loopCount();
    button.Res1 = quint8(select.loopMode());
    button.macroname = select.name();
    ReadMacroEvents(button.macroname, button.KeyInfo, button.KeyNumber);
    QVERIFY(SaveConfig(config));
    QCOMPARE(WriteProfileToDevice(config, GroupButtons), quint8(ReportOk));

    const MacroSlot slot = EncodeMacroSlot(events, count);
    QCOMPARE(link.mouse.memory(0x05).left(MacroSlotSize),
             QByteArray(reinterpret_cast<const char *>(slot.data()), MacroSlotSize));
}

QTEST_MAIN(TestMacroRecordingEndToEnd)
#include "test_macro_recording_e2e.moc"
