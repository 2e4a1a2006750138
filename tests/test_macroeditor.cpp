#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEditPanel.h"
#include "ui/macro/MacroEventModel.h"
#include "storage/MacroEvents.h"
#include "ui/macro/MacroListPanel.h"
#include "ui/macro/MacroRecordPanel.h"
#include "ui/macro/MacroRowEditor.h"
#include "ui/macro/TarnGunsetDialog.h"
#include "ui/macro/TarnMacroSelect.h"
#include "ui/macro/TarnTreeItem.h"
#include "ui/macro/TarnTreeWidget.h"
#include "ui/widgets/TarnPushButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace MacroEvents;

// The macro page and its dialogs driven like a user does, offscreen.
class TestMacroEditor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void newRenameDelete();
    void importAndExport();
    void batchMode();
    void recordingThroughThePage();
    void editPanel();
    void mouseActionsAndRowLimit();
    void copyPasteBetweenMacros();
    void gunSet();
    void macroSelect();
};

namespace {

MacroEvent ev(int map, int h, int l)
{
    return make(quint8(map), quint8(h), quint8(l));
}

void saveMacro(const QString &name, const QVector<MacroEvent> &events, int delayType = 0)
{
    MacroFileData data;
    data.delayType = delayType;
    data.defaultDelay = 10;
    data.loopTime = 1;
    data.count = events.size();
    std::copy(events.begin(), events.end(), data.events);
    QVERIFY(SaveMacroFile(name, data));
    QVERIFY(AddToMacroList(name));
}

QVector<MacroEvent> storedEvents(const QString &name)
{
    const MacroFileData data = LoadMacroFile(name);
    return QVector<MacroEvent>(data.events, data.events + data.count);
}

void click(QAbstractButton *button)
{
    QVERIFY(button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void key(MacroDialog &page, int makeCode, bool pressed, qint64 ms)
{
    CapturedKey captured;
    captured.makeCode = quint16(makeCode);
    captured.pressed = pressed;
    captured.timestampMs = ms;
    page.keyCaptured(captured);
}

QString notice(const ScriptedPrompts &prompts)
{
    return prompts.boxes.isEmpty() ? QString() : prompts.boxes.last().text;
}

} // namespace

void TestMacroEditor::init()
{
    MacroRowEditor::clearClipboard();
}

void TestMacroEditor::newRenameDelete()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    saveMacro("name_1", {});
    saveMacro("name_2", {});
    MacroDialog page;
    page.show();
    MacroListPanel *list = page.listPanel();

    click(list->newButton());
    QCOMPARE(page.macroName(), QStringLiteral("name_3"));
    QCOMPARE(LoadMacroList(), QStringList({ "name_1", "name_2", "name_3" }));
    QCOMPARE(LoadMacroFile("name_3").defaultDelay, 10);
    QCOMPARE(LoadMacroFile("name_3").loopTime, 1);

    // Renaming to a taken name appends "_2"; to its own name changes nothing.
    list->nameEdit()->setText("name_1");
    click(list->renameButton());
    QCOMPARE(page.macroName(), QStringLiteral("name_1_2"));
    QVERIFY(MacroFileExists("name_1_2"));
    QVERIFY(!MacroFileExists("name_3"));
    QCOMPARE(LoadMacroList(), QStringList({ "name_1", "name_2", "name_1_2" }));
    click(list->renameButton());
    QCOMPARE(LoadMacroList(), QStringList({ "name_1", "name_2", "name_1_2" }));

    // A name that cannot name a file is refused; nothing is written outside the macro folder.
    for (const QString &bad :
         { QStringLiteral("../outside"), QStringLiteral(".."), QStringLiteral("a\\b") }) {
        list->nameEdit()->setText(bad);
        click(list->renameButton());
        QVERIFY(notice(prompts).contains(QStringLiteral("CANNOT NAME A FILE")));
    }
    QVERIFY(!QFileInfo::exists(dir.path() + "/Configs/outside.MSMACRO"));
    QCOMPARE(LoadMacroList(), QStringList({ "name_1", "name_2", "name_1_2" }));

    // Delete asks nothing.
    const int boxes = prompts.boxes.size();
    click(list->deleteButton());
    QCOMPARE(prompts.boxes.size(), boxes);
    QVERIFY(!MacroFileExists("name_1_2"));
    QCOMPARE(LoadMacroList(), QStringList({ "name_1", "name_2" }));
    QCOMPARE(page.macroName(), QStringLiteral("name_2"));

    // A full list refuses a new macro and creates no file.
    for (int i = 0; i < 48; ++i)
        QVERIFY(AddToMacroList(QStringLiteral("m%1").arg(i)));
    click(list->newButton());
    QCOMPARE(prompts.boxes.last().title, QStringLiteral("WARNING"));
    QCOMPARE(notice(prompts), QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
    QVERIFY(!MacroFileExists("name_3"));
}

void TestMacroEditor::importAndExport()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    saveMacro("jump", { ev(0x84, 0, 44), ev(4, 0, 44) });
    MacroDialog page;
    page.show();
    MacroListPanel *list = page.listPanel();

    const QString exported = dir.path() + "/out/jump copy.MSMACRO";
    QDir().mkpath(dir.path() + "/out");
    prompts.fileAnswers << exported;
    click(list->exportButton());
    QCOMPARE(prompts.fileCaptions.last(), QStringLiteral("Save Macro File"));
    QVERIFY(QFileInfo::exists(exported));

    // Importing onto an existing name is refused; a new name is listed and shown.
    const QString sameName = dir.path() + "/out/jump.MSMACRO";
    QVERIFY(QFile::copy(exported, sameName));
    prompts.fileAnswers << sameName;
    click(list->importButton());
    QCOMPARE(notice(prompts), QStringLiteral("Macro Exist!"));
    prompts.fileAnswers << exported;
    click(list->importButton());
    QCOMPARE(prompts.fileCaptions.last(), QStringLiteral("Load Macro File"));
    QCOMPARE(page.macroName(), QStringLiteral("jump copy"));
    QCOMPARE(list->nameEdit()->text(), QStringLiteral("jump copy"));
    QCOMPARE(page.model()->rowCount(), 2);
}

void TestMacroEditor::batchMode()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    saveMacro("one", { ev(0x84, 0, 4) });
    saveMacro("two", { ev(0x84, 0, 5) });
    MacroDialog page;
    page.show();
    MacroListPanel *list = page.listPanel();

    click(list->batchButton());
    QVERIFY(list->isBatchMode());
    QVERIFY(!page.recordPanel()->startButton()->isEnabled());
    QVERIFY(!page.eventButtons()->isEnabled());
    QVERIFY(!list->renameButton()->isEnabled());
    QCOMPARE(list->listWidget()->item(0)->flags() & Qt::ItemIsUserCheckable, Qt::ItemIsUserCheckable);

    // Nothing ticked: nothing is asked and nothing copied.
    const QString target = dir.path() + "/export";
    QDir().mkpath(target);
    prompts.fileAnswers << target;
    click(list->exportButton());
    QVERIFY(QDir(target).entryList(QDir::Files).isEmpty());
    list->listWidget()->item(1)->setCheckState(Qt::Checked);
    click(list->exportButton());
    QCOMPARE(QDir(target).entryList(QDir::Files), QStringList({ "two.MSMACRO" }));

    // A batch import never replaces an existing macro.
    MacroFileData changed;
    changed.count = 1;
    changed.events[0] = ev(0x84, 0, 30);
    QVERIFY(SaveMacroFile("two", changed));
    QVERIFY(QFile::copy(MacroFilePath("one"), target + "/three.MSMACRO"));
    prompts.fileListAnswers << QStringList({ target + "/two.MSMACRO", target + "/three.MSMACRO" });
    click(list->importButton());
    QCOMPARE(notice(prompts), QStringLiteral("Macro Exist!"));
    QCOMPARE(storedEvents("two"), QVector<MacroEvent>({ ev(0x84, 0, 30) }));
    QCOMPARE(LoadMacroList(), QStringList({ "one", "two", "three" }));

    click(list->batchButton());
    QVERIFY(page.recordPanel()->startButton()->isEnabled());
    QCOMPARE(list->listWidget()->item(0)->flags() & Qt::ItemIsUserCheckable, Qt::ItemFlags());
}

void TestMacroEditor::recordingThroughThePage()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    {
        MacroDialog empty; // with no macro nothing is recorded
        QVERIFY(!empty.recordPanel()->startButton()->isEnabled());
        empty.startRecording();
        QCOMPARE(empty.state(), MacroDialog::Idle);
    }
    saveMacro("typed", { ev(0x84, 0, 30), ev(4, 0, 30) });
    MacroDialog page;
    page.show();
    QSignalSpy enable(&page, &MacroDialog::EnableButtonsSignal);
    page.recordPanel()->delayBox(1)->click();
    QCOMPARE(page.recordPanel()->delayMode(), 1);

    click(page.recordPanel()->startButton());
    QCOMPARE(page.state(), MacroDialog::Recording);
    QCOMPARE(page.model()->rowCount(), 0);
    QVERIFY(page.recordPanel()->stopButton()->isVisible());
    QVERIFY(!page.recordPanel()->startButton()->isVisible());
    QVERIFY(!page.listPanel()->newButton()->isEnabled());
    QVERIFY(!page.eventButtons()->isEnabled());
    key(page, 42, true, 1000); // Shift, held to the end
    key(page, 30, true, 1050);
    key(page, 30, true, 1080); // repeat
    key(page, 30, false, 1173);
    QCOMPARE(page.currentRow(), 4);
    click(page.recordPanel()->stopButton());
    QCOMPARE(page.state(), MacroDialog::Idle);
    QCOMPARE(enable.size(), 2);
    QCOMPARE(enable[0][0].toBool(), false);
    QCOMPARE(enable[1][0].toBool(), true);
    QCOMPARE(prompts.boxes.last().title, QStringLiteral("Warning"));
    QCOMPARE(notice(prompts), QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
    QCOMPARE(
        storedEvents("typed"),
        QVector<MacroEvent>({ ev(0x84, 0, 0xE1), ev(6, 0, 5), ev(0x84, 0, 4), ev(6, 0, 12), ev(4, 0, 4) }));
    QCOMPARE(LoadMacroFile("typed").delayType, 1);
    QVERIFY(MacroChanged("typed"));

    // "RECORD AFTER" keeps the rows and records after the current one.
    page.SelectRow(0);
    page.runEventAction(MacroEventButtons::RecordAfter);
    QCOMPARE(page.state(), MacroDialog::Recording);
    key(page, 42, false, 2000);
    page.stopRecording();
    QCOMPARE(storedEvents("typed").mid(0, 2), QVector<MacroEvent>({ ev(0x84, 0, 0xE1), ev(4, 0, 0xE1) }));
    QCOMPARE(storedEvents("typed").size(), 6);
}

void TestMacroEditor::editPanel()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    saveMacro("edit", { ev(0x84, 0, 4), ev(6, 0, 5), ev(0x81, 0, 1), ev(2, 0, 10) });
    MacroDialog page;
    page.show();
    MacroEditPanel *panel = page.editPanel();
    QVERIFY(!panel->isVisible());

    page.SelectRow(1);
    click(page.eventButtons()->button(MacroEventButtons::Edit));
    QCOMPARE(page.state(), MacroDialog::Editing);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->delayEdit()->text(), QStringLiteral("50"));
    panel->delayEdit()->clear();
    QTest::keyClicks(panel->delayEdit(), "250");
    QCOMPARE(page.model()->event(1), ev(6, 0, 25));
    QTest::keyClicks(panel->delayEdit(), "999"); // five characters at most, 65535 at most
    QCOMPARE(panel->delayEdit()->text(), QStringLiteral("25099"));
    QCOMPARE(page.model()->event(1), ev(6, 0x09, 0xCD));
    click(panel->cancelButton());
    QCOMPARE(page.state(), MacroDialog::Idle);
    QCOMPARE(page.model()->event(1), ev(6, 0, 5));

    // A key row takes the next key; a button row its menu entry; a move its direction and distance.
    page.SelectRow(0);
    page.startEditing();
    key(page, 48, true, 0); // B
    QCOMPARE(page.model()->event(0), ev(0x84, 0, 5));
    QCOMPARE(panel->keyDisplay()->text(), QStringLiteral("B"));
    page.SelectRow(2);
    QVERIFY(panel->buttonMenuButton()->isVisible());
    panel->buttonMenuButton()->menu()->actions().at(2)->trigger(); // RIGHT CLICK
    QCOMPARE(page.model()->event(2), ev(0x81, 0, 2));
    page.SelectRow(3);
    panel->moveMenuButton()->menu()->actions().at(2)->trigger(); // MOVE UP
    QCOMPARE(page.model()->event(3), ev(2, 246, 0));
    panel->distanceEdit()->clear();
    QTest::keyClicks(panel->distanceEdit(), "121"); // beyond 120: not taken
    QCOMPARE(page.model()->event(3), ev(2, 244, 0));
    click(panel->saveButton());
    QCOMPARE(storedEvents("edit"),
             QVector<MacroEvent>({ ev(0x84, 0, 5), ev(6, 0, 5), ev(0x81, 0, 2), ev(2, 244, 0) }));
}

void TestMacroEditor::mouseActionsAndRowLimit()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    // A stored button event with an unknown button is dropped on load.
    saveMacro("mouse", { ev(0x81, 0, 3), ev(0x84, 0, 4) }, 2);
    QVector<MacroEvent> plain;
    for (int i = 0; i < 49; ++i)
        plain << ev(i % 2 ? 4 : 0x84, 0, 4);
    saveMacro("plain", plain);
    MacroDialog page;
    page.show();
    QCOMPARE(page.model()->events(), QVector<MacroEvent>({ ev(0x84, 0, 4) }));
    page.recordPanel()->defaultDelayEdit()->setText("30");

    page.mouseActionBox()->click();
    QVERIFY(page.mouseTree()->isVisible());
    QVERIFY(!page.listPanel()->listWidget()->isVisible());
    TarnTreeWidget *tree = page.mouseTree();
    tree->itemClickedSlot(tree->buttonItem(LeftButton)); // opens it
    QVERIFY(tree->buttonItem(LeftButton)->isExpanded());
    QCOMPARE(page.model()->rowCount(), 1);
    tree->itemClickedSlot(tree->buttonItem(MiddleButton));
    QVERIFY(!tree->buttonItem(LeftButton)->isExpanded());
    tree->itemClickedSlot(tree->buttonItem(MiddleButton)); // a full click
    QCOMPARE(page.model()->events().mid(1),
             QVector<MacroEvent>({ ev(0x81, 0, 4), ev(6, 0, 3), ev(1, 0, 4), ev(6, 0, 3) }));
    page.SelectRow(0);
    tree->itemClickedSlot(tree->buttonItem(RightButton)->child(1)); // BOUNCE UP after row 0
    QCOMPARE(page.model()->events().mid(0, 3),
             QVector<MacroEvent>({ ev(0x84, 0, 4), ev(1, 0, 2), ev(6, 0, 3) }));
    tree->distanceEdit(MoveRight)->setText("7");
    tree->itemClickedSlot(tree->moveItem(MoveRight));
    QCOMPARE(page.model()->event(3), ev(2, 0, 7));
    QCOMPARE(storedEvents("mouse"), page.model()->events()); // kept at once
    page.mouseActionBox()->click();
    QVERIFY(page.listPanel()->listWidget()->isVisible());

    // Inserts never make a macro longer than a button holds.
    page.SelectRow(0);
    while (page.model()->rowCount() < 63)
        click(page.eventButtons()->button(MacroEventButtons::InsertDelay));
    QVERIFY(prompts.boxes.isEmpty());
    click(page.eventButtons()->button(MacroEventButtons::InsertDelay));
    QCOMPARE(page.model()->rowCount(), 63);
    QCOMPARE(notice(prompts), QStringLiteral("A MACRO HOLDS AT MOST 63 EVENTS."));
    QCOMPARE(storedEvents("mouse").size(), 63);
    QVERIFY(page.cutNotice()->isHidden());

    // Without a delay the mouse keeps 49 events: the page says so while the macro is longer.
    page.listPanel()->listWidget()->setCurrentRow(1);
    QCOMPARE(page.macroName(), QStringLiteral("plain"));
    QVERIFY(page.cutNotice()->isHidden());
    page.SelectRow(48);
    click(page.eventButtons()->button(MacroEventButtons::Copy));
    click(page.eventButtons()->button(MacroEventButtons::Paste));
    QVERIFY(page.cutNotice()->isVisible());
    QVERIFY(page.cutNotice()->text().contains(QStringLiteral("FIRST 49 OF THESE 50 EVENTS")));
    click(page.eventButtons()->button(MacroEventButtons::InsertDelay));
    QVERIFY(page.cutNotice()->isHidden());
    click(page.eventButtons()->button(MacroEventButtons::Delete));
    QCOMPARE(page.model()->rowCount(), 50);
    QVERIFY(page.cutNotice()->isVisible());
    page.listPanel()->listWidget()->setCurrentRow(0);
    QVERIFY(page.cutNotice()->isHidden());
}

void TestMacroEditor::copyPasteBetweenMacros()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    saveMacro("from", { ev(0x84, 0, 4), ev(6, 0, 2), ev(4, 0, 4) });
    saveMacro("to", { ev(6, 0, 9) });
    MacroDialog page;
    page.show();
    QTableView *table = page.eventTable();
    table->selectRow(0);
    table->selectionModel()->select(page.model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    click(page.eventButtons()->button(MacroEventButtons::Cut));
    QCOMPARE(storedEvents("from"), QVector<MacroEvent>({ ev(6, 0, 2) }));

    page.listPanel()->listWidget()->setCurrentRow(1);
    QCOMPARE(page.macroName(), QStringLiteral("to"));
    page.SelectRow(0);
    click(page.eventButtons()->button(MacroEventButtons::Paste));
    QCOMPARE(storedEvents("to"), QVector<MacroEvent>({ ev(6, 0, 9), ev(0x84, 0, 4), ev(4, 0, 4) }));
    QCOMPARE(page.currentRow(), 2);
    page.SelectRow(0);
    click(page.eventButtons()->button(MacroEventButtons::Copy));
    click(page.eventButtons()->button(MacroEventButtons::Paste));
    QCOMPARE(storedEvents("to").mid(0, 2), QVector<MacroEvent>({ ev(6, 0, 9), ev(6, 0, 9) }));
    click(page.eventButtons()->button(MacroEventButtons::Top));
    click(page.eventButtons()->button(MacroEventButtons::Clear));
    QVERIFY(storedEvents("to").isEmpty());
}

void TestMacroEditor::gunSet()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    MacroDialog page;
    page.show();

    // With no macro at all, "GUN SET" is the one event button that works: it makes the first macro.
    for (int a = 0; a < MacroEventButtons::ActionCount; ++a)
        QCOMPARE(page.eventButtons()->button(MacroEventButtons::Action(a))->isEnabled(),
                 a == MacroEventButtons::GunSet);
    QTimer::singleShot(0, this, [] {
        auto *dialog = qobject_cast<TarnGunsetDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->nameEdit()->setText("spray");
        dialog->OnYesClick();
    });
    click(page.eventButtons()->button(MacroEventButtons::GunSet));
    QCOMPARE(LoadMacroList(), QStringList({ "spray" }));
    QCOMPARE(page.macroName(), QStringLiteral("spray"));
    QCOMPARE(storedEvents("spray"), QVector<MacroEvent>({ ev(1, 0, 1), ev(0x81, 0, 1), ev(6, 0, 10) }));
    QVERIFY(page.eventButtons()->button(MacroEventButtons::Delete)->isEnabled());

    // An empty name keeps the dialog open with a notice; then a taken name gets "_2".
    bool filled = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<TarnGunsetDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->OnYesClick();
        QCOMPARE(notice(prompts), QStringLiteral("Please input file name."));
        QVERIFY(dialog->isVisible());
        dialog->nameEdit()->setText("spray");
        dialog->bulletMenu()->actions().at(1)->trigger(); // two bullets
        dialog->verticalBox(0)->setValue(-3);
        dialog->horizontalBox(0)->setValue(4);
        dialog->delayBox(0)->setValue(100);
        dialog->verticalBox(1)->setValue(5);
        dialog->delayBox(1)->setValue(55);
        dialog->verticalBox(2)->setValue(9); // not a used bullet
        filled = true;
        dialog->OnYesClick();
    });
    click(page.eventButtons()->button(MacroEventButtons::GunSet));
    QVERIFY(filled);
    QCOMPARE(LoadMacroList(), QStringList({ "spray", "spray_2" }));
    QCOMPARE(page.macroName(), QStringLiteral("spray_2"));
    QCOMPARE(storedEvents("spray_2"),
             QVector<MacroEvent>({ ev(1, 0, 1), ev(0x81, 0, 1), ev(2, 253, 0), ev(2, 0, 4), ev(6, 0, 10),
                                   ev(1, 0, 1), ev(0x81, 0, 1), ev(2, 5, 0), ev(6, 0, 5) }));
    const MacroFileData gun = LoadMacroFile("spray_2");
    QCOMPARE(gun.delayType, 1);
    QCOMPARE(gun.defaultDelay, 10);
    QCOMPARE(gun.loopTime, 1);
    QVERIFY(!MacroChanged("spray_2"));

    // "No" writes nothing; a full list refuses before the dialog opens.
    QTimer::singleShot(0, this, [] { QApplication::activeModalWidget()->close(); });
    click(page.eventButtons()->button(MacroEventButtons::GunSet));
    QCOMPARE(LoadMacroList().size(), 2);
    for (int i = 0; i < 48; ++i)
        QVERIFY(AddToMacroList(QStringLiteral("m%1").arg(i)));
    page.runGunSet();
    QCOMPARE(notice(prompts), QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
}

void TestMacroEditor::macroSelect()
{
    TestAppDir dir(TestAppDir::Installed);
    saveMacro("first", {});
    saveMacro("second", {});
    {
        TarnMacroSelect select("Macro", "MACRO SELECT", "second", 7, 2);
        QCOMPARE(select.name(), QStringLiteral("second"));
        QCOMPARE(select.loopCount(), 7);
        QCOMPARE(select.loopMode(), 2);
        QVERIFY(select.modeBox(2)->isChecked());
        QCOMPARE(select.nameMenu()->actions().size(), 2);
        select.nameMenu()->actions().at(0)->trigger();
        QCOMPARE(select.name(), QStringLiteral("first"));
        QCOMPARE(select.nameButton()->text(), QStringLiteral("first"));
        select.modeBox(1)->click();
        QVERIFY(!select.modeBox(2)->isChecked());
        QCOMPARE(select.loopMode(), 1);
        select.modeBox(1)->click(); // clicking the ticked box keeps it
        QCOMPARE(select.loopMode(), 1);
        select.modeBox(1)->setChecked(false);
        QCOMPARE(select.loopMode(), 0); // no box ticked
        select.loopCountEdit()->clear();
        QTest::keyClicks(select.loopCountEdit(), "2555");
        QCOMPARE(select.loopCountEdit()->text(), QStringLiteral("255"));
        QCOMPARE(select.loopCount(), 255);
        QSignalSpy accepted(&select, &QDialog::accepted);
        select.show();
        QTest::mouseClick(select.yesButton(), Qt::LeftButton);
        QCOMPARE(accepted.size(), 1);
    }
    // A name that is no longer listed must be picked again before "Yes".
    TarnMacroSelect stale("Gun", "GUNFILE SELECT", "deleted", 0, 0);
    QVERIFY(stale.name().isEmpty());
    QVERIFY(!stale.yesButton()->isEnabled());
    QCOMPARE(stale.loopCount(), 1);
    QCOMPARE(stale.windowTitle(), QStringLiteral("Gun"));
}

QTEST_MAIN(TestMacroEditor)
#include "test_macroeditor.moc"
