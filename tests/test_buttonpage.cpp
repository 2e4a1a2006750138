#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/KeyTable.h"
#include "storage/MacroList.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/MacroChooser.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/buttons/TarnComboKeyWindow.h"
#include "ui/buttons/TarnFireKeyWindow.h"
#include "ui/buttons/TarnSingleKeyWindow.h"
#include "ui/buttons/TarnSniperWindow.h"
#include "ui/widgets/ShownKeyNames.h"
#include "ui/widgets/TarnAction.h"
#include "ui/widgets/TarnPushButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include <functional>

// The button page and its dialogs, driven as a user would (offscreen).
class TestButtonPage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusAndLanguageChange();
    void viewsAndLayout();
    void oneClickRule();
    void macroManagerWithoutMacros();
    void singleKeyAndCancel();
    void comboDialogThroughPage();
    void fireKeyDialog();
    void sniperDialog();
    void macroThroughChooser();

private:
    std::unique_ptr<TestAppDir> m_dir;
    ConfigData m_config;
};

namespace {

QStringList texts(const QMenu *menu)
{
    QStringList list;
    for (QAction *action : menu->actions())
        list << (action->menu() ? action->menu()->title() + QStringLiteral(">") : action->text());
    return list;
}

// Runs `answer` on the dialog that the next modal loop opens.
void answerNextDialog(std::function<void(QDialog *)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}

void pick(TarnBtnWindow &page, int fun)
{
    page.menus()->action(fun)->trigger();
}

void setProduct(const QString &key, const QVariant &value)
{
    QSettings(AppPaths::productDefinitionFile(), QSettings::IniFormat)
        .setValue(QStringLiteral("PROFILE/") + key, value);
}

class FixedChooser : public MacroChooser
{
public:
    bool choose(QWidget *, const QString &caption, MacroChoice &choice) override
    {
        captions << caption;
        presets << choice.name;
        if (answer.name.isEmpty())
            return false;
        choice = answer;
        return true;
    }
    MacroChoice answer;
    QStringList captions;
    QStringList presets;
};

} // namespace

void TestButtonPage::init()
{
    m_dir = std::make_unique<TestAppDir>(TestAppDir::Installed);
    m_config = ConfigData();
    MakeFactoryConfig(m_config);
    SetMacroChooser(nullptr);
}

void TestButtonPage::cleanup()
{
    SetMacroChooser(nullptr);
    m_dir.reset();
}

void TestButtonPage::menusAndLanguageChange()
{
    TarnBtnWindow page;
    const QMenu *function = page.menus()->functionMenu();
    QCOMPARE(texts(function),
             QStringList({ "Left", "Right", "Middle", "Forward", "Back", "Basic>", "Windows>", "Advance>",
                           "Media>", "DPI>", "Polling Rate>", "Macro Manager", "Led Switch", "Button Off" }));
    QCOMPARE(texts(page.menus()->wheelMenu()),
             QStringList({ "Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle",
                           "Forward", "Back", "SINGLE KEY", "COMBO KEY" }));
    QCOMPARE(texts(function->actions()[7]->menu()), QStringList({ "SINGLE KEY", "COMBO KEY", "FIRE KEY" }));
    QCOMPARE(texts(function->actions()[6]->menu()).last(), QStringLiteral("Boss Key"));
    QCOMPARE(texts(function->actions()[10]->menu()).first(), QStringLiteral("Rate Switch"));
    // The same action serves both menus.
    QVERIFY(function->actions().contains(page.menus()->action(1)));
    QVERIFY(page.menus()->wheelMenu()->actions().contains(page.menus()->action(1)));
    QCOMPARE(page.button(TarnBtnWindow::WheelGroup, 0)->menu(), page.menus()->wheelMenu());

    // A product without macros and lighting: the rebuilt menu lacks both entries, every time.
    setProduct("DisableMacro", 1);
    setProduct("ledDisable", 1);
    for (int round = 0; round < 2; ++round) {
        page.retranslate();
        QCOMPARE(texts(function).mid(11), QStringList({ "Button Off" }));
        QCOMPARE(texts(page.menus()->wheelMenu()).size(), 11);
    }
}

void TestButtonPage::viewsAndLayout()
{
    setProduct("ButtonCount", 4);
    TarnBtnWindow page;
    page.resize(535, 430);
    page.refreshFrom(m_config, 0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const int gap = (430 - 120) / 5;
    QCOMPARE(page.button(0, 0)->geometry(), QRect(56, gap, 220, 30));
    QCOMPARE(page.button(0, 3)->geometry().y(), 4 * gap + 90);
    QVERIFY(page.button(0, 0)->isVisible());
    QVERIFY(!page.button(0, 4)->isVisible());
    QVERIFY(page.button(2, 0)->isVisible());
    QCOMPARE(page.button(0, 0)->text(), QStringLiteral("Left"));
    QCOMPARE(page.button(2, 0)->text(), QStringLiteral("Scroll Up"));

    // Records 20..39 reach no button of the mouse: the page has no buttons for them, and asking
    // for one selects nothing while the front buttons and the wheel stay.
    QVERIFY(!page.button(1, 0));
    QCOMPARE(page.findChildren<TarnPushButton *>().size(), 22);
    QSignalSpy changed(&page, &TarnBtnWindow::SelBtnChanged);
    page.selectButton(1, 2);
    page.selectButton(0, 255); // keeps the wheel group
    QCOMPARE(page.selectedGroup(), quint8(2));
    QVERIFY(page.button(2, 0)->isHighlighted());
    page.selectButton(3, 1);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(page.selectedGroup(), quint8(TarnBtnWindow::NoSelection));
    QVERIFY(!page.button(2, 0)->isHighlighted());
    QVERIFY(page.button(0, 0)->isVisible());
    QVERIFY(page.button(2, 1)->isVisible());

    // Hover is passed on; a press selects.
    QSignalSpy control(&page, &TarnBtnWindow::SelBtnControl);
    page.slotMouseOver(page.button(0, 2), true);
    QCOMPARE(control.count(), 1);
    QCOMPARE(control.at(0).at(1).toBool(), true);
    page.slotMouseEnter(page.button(2, 1));
    QCOMPARE(page.selectedGroup(), quint8(2));
    QCOMPARE(page.selectedIndex(), quint8(1));

    setProduct("ButtonCount", 10);
    for (int i = 7; i < 10; ++i)
        setProduct(QStringLiteral("BUTTON_INFO_%1_Matrix2").arg(i), i);
    page.relayout();
    QCOMPARE(page.button(0, 0)->geometry().y(), 30);
    QCOMPARE(page.button(0, 9)->geometry().y(), 30 + 9 * 50);
}

void TestButtonPage::oneClickRule()
{
    TarnBtnWindow page;
    page.refreshFrom(m_config, 0);
    ButtonInfo *b = m_config.profiles[0].buttons;
    for (ButtonInfo &button : m_config.profiles[0].buttons)
        if (&button != b && button.Fun == 1)
            button.Fun = 16;
    b[0].macroname = QStringLiteral("old");
    QSignalSpy refused(&page, &TarnBtnWindow::PopOneClickBox);
    page.selectButton(0, 0);
    pick(page, 2);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(b[0].Fun, 1);
    QCOMPARE(page.button(0, 0)->text(), QStringLiteral("Left"));
    pick(page, 1); // Left on the only left click is always allowed
    QCOMPARE(b[0].Fun, 1);
    QCOMPARE(page.selectedGroup(), quint8(255)); // an assignment ends the selection

    b[41].Fun = 1; // a second left click on the wheel
    page.selectButton(0, 0);
    pick(page, 2);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(b[0].Fun, 2);
    QCOMPARE(b[0].macroname, QStringLiteral("old"));
    QCOMPARE(page.button(0, 0)->text(), QStringLiteral("Right"));
    QCOMPARE(page.button(2, 1)->text(), QStringLiteral("Left"));
}

void TestButtonPage::macroManagerWithoutMacros()
{
    TarnBtnWindow page;
    page.refreshFrom(m_config, 0);
    const ButtonInfo before = m_config.profiles[0].buttons[3];
    QSignalSpy macroTab(&page, &TarnBtnWindow::GotoMacroTab);
    page.selectButton(3, 0);
    pick(page, 200);
    QCOMPARE(macroTab.count(), 1);
    QCOMPARE(macroTab.at(0).at(0).toInt(), 3);
    QVERIFY(m_config.profiles[0].buttons[3] == before);

    ScriptedPrompts prompts;
    AddToMacroList(QStringLiteral("m1"));
    page.selectButton(0, 0);
    m_config.profiles[0].buttons[5].Fun = 1;
    page.assignFunction(510); // gun files stay off the left button
    QCOMPARE(prompts.texts(), QStringList({ "Left Button Can not be Gun Function." }));
    QCOMPARE(m_config.profiles[0].buttons[0].Fun, 1);
}

void TestButtonPage::singleKeyAndCancel()
{
    TarnBtnWindow page;
    page.show();
    page.refreshFrom(m_config, 0);
    ButtonInfo &b = m_config.profiles[0].buttons[2];
    const QString label = page.button(0, 2)->text();
    page.selectButton(2, 0);
    answerNextDialog([](QDialog *dialog) {
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Home);
        QTest::keyClick(dialog->windowHandle(), Qt::Key_7, Qt::KeypadModifier);
        QCOMPARE(dialog->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly) != nullptr, true);
        dialog->accept();
    });
    pick(page, 6);
    QCOMPARE(b.Fun, 6);
    QCOMPARE(b.Res1, quint8(235));
    QCOMPARE(page.button(0, 2)->text(), QStringLiteral("SINGLE KEY"));

    // Cancel: record and label as before, also over a macro.
    b.Fun = 200;
    b.macroname = QStringLiteral("mine");
    page.refreshFrom(m_config, 0);
    page.selectButton(2, 0);
    answerNextDialog([&](QDialog *dialog) {
        QCOMPARE(page.button(0, 2)->text(), QStringLiteral("SINGLE KEY"));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape); // a key to capture, not an answer
        QVERIFY(dialog->isVisible());
        dialog->reject();
    });
    pick(page, 6);
    QCOMPARE(b.Fun, 200);
    QCOMPARE(page.button(0, 2)->text(), QStringLiteral("mine"));
    Q_UNUSED(label);
}

void TestButtonPage::comboDialogThroughPage()
{
    TarnBtnWindow page;
    page.show();
    page.refreshFrom(m_config, 0);
    ButtonInfo &b = m_config.profiles[0].buttons[3];
    b.KeyNumber = 17;
    page.selectButton(3, 0);
    answerNextDialog([](QDialog *dialog) {
        auto *combo = qobject_cast<TarnComboKeyWindow *>(dialog);
        QVERIFY(combo);
        QTest::keyPress(dialog->windowHandle(), Qt::Key_Shift);
        QTest::keyPress(dialog->windowHandle(), Qt::Key_A, Qt::ShiftModifier);
        QTest::keyRelease(dialog->windowHandle(), Qt::Key_A, Qt::ShiftModifier);
        QTest::keyRelease(dialog->windowHandle(), Qt::Key_Shift);
        QCOMPARE(combo->state().displayText(), ShownKeyName(42) + QStringLiteral(" + A"));
        dialog->accept();
    });
    pick(page, 7);
    QCOMPARE(b.Fun, 7);
    QCOMPARE(b.KeyNumber, 17);
    const MacroEvent expected[] = { { 0xE1, 5, 0x80 }, { 0x04, 5, 0x80 }, { 0x04, 5, 0 }, { 0xE1, 5, 0 } };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(b.KeyInfo[i], expected[i]);
    QCOMPARE(b.KeyInfo[4], MacroEvent());

    // Opening again shows the stored combination.
    page.selectButton(3, 0);
    answerNextDialog([](QDialog *dialog) {
        auto *combo = qobject_cast<TarnComboKeyWindow *>(dialog);
        QCOMPARE(combo->keys(), ComboKeys({ 42, 30 }));
        dialog->reject();
    });
    pick(page, 7);
    QCOMPARE(b.KeyInfo[0], expected[0]);
}

void TestButtonPage::fireKeyDialog()
{
    TarnFireKeyWindow dialog;
    QCOMPARE(dialog.timesEdit()->text(), QStringLiteral("3"));
    QCOMPARE(dialog.delayEdit()->text(), QStringLiteral("100"));
    ButtonInfo b;
    b.Fun = 12;
    dialog.preset(FireKeyOf(b));
    QCOMPARE(dialog.timesEdit()->text(), QStringLiteral("3"));
    QCOMPARE(dialog.delayEdit()->text(), QStringLiteral("10"));
    QVERIFY(dialog.choice(0)->isChecked());
    QVERIFY(!dialog.isCapturing());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy values(&dialog, &TarnFireKeyWindow::SetFireKeyValue);
    QVERIFY(dialog.okButton()->isEnabled());
    QTest::mouseClick(dialog.choice(3), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(dialog.isCapturing());
    QVERIFY(!dialog.choice(0)->isChecked());
    QCOMPARE(values.count(), 1);
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget *>(dialog.keyDisplay()));
    // "Keyboard Key" without a key would reach the mouse as a left click: no OK, by Return either.
    QVERIFY(!dialog.okButton()->isEnabled());
    QCOMPARE(dialog.keyDisplay()->text(), QStringLiteral("Press a key"));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QTest::keyClick(dialog.windowHandle(), Qt::Key_B);
    QCOMPARE(dialog.setting().keyCode, quint8(48));
    QVERIFY(dialog.okButton()->isEnabled());

    // Keys typed into an edit are numbers, not the fire key; Return moves on and its release is skipped.
    dialog.delayEdit()->clear();
    dialog.delayEdit()->setFocus();
    QTest::keyClick(dialog.windowHandle(), Qt::Key_2);
    QTest::keyClick(dialog.windowHandle(), Qt::Key_0);
    QTest::keyPress(dialog.windowHandle(), Qt::Key_Return);
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget *>(dialog.keyDisplay()));
    QTest::keyRelease(dialog.windowHandle(), Qt::Key_Return);
    QCOMPARE(dialog.setting().keyCode, quint8(48));
    QCOMPARE(values.count(), 2);
    QCOMPARE(values.last().at(3).toInt(), 20);
    QCOMPARE(dialog.keyDisplay()->text(), QStringLiteral("B"));

    // At most three digits; what the validator lets through unfinished is kept within 1..255.
    dialog.timesEdit()->clear();
    dialog.timesEdit()->setFocus();
    QTest::keyClicks(dialog.timesEdit(), QStringLiteral("2x999"));
    QCOMPARE(dialog.timesEdit()->text(), QStringLiteral("299"));
    QCOMPARE(dialog.setting().times, 255);
    dialog.timesEdit()->setText(QStringLiteral("0"));
    QCOMPARE(dialog.setting().times, 1);
    dialog.timesEdit()->setText(QString());
    QCOMPARE(dialog.setting().times, 3);

    QTest::mouseClick(dialog.choice(1), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!dialog.isCapturing());
    QCOMPARE(dialog.keyDisplay()->text(), QString());
    ButtonInfo stored;
    QVERIFY(StoreFireKey(stored, dialog.setting()));
    QCOMPARE(stored.Res1, quint8(0x82));
    QCOMPARE(stored.KeyNumber, 20);
    dialog.reject();

    // Opened on a stored key: that key stays the value until another is taken, also after a detour.
    b.Res1 = 0x05; // B
    TarnFireKeyWindow again;
    again.preset(FireKeyOf(b));
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.keyDisplay()->text(), QStringLiteral("B"));
    QVERIFY(again.okButton()->isEnabled());
    QTest::mouseClick(again.choice(0), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(again.choice(3), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(again.keyDisplay()->text(), QStringLiteral("B"));
    QVERIFY(again.okButton()->isEnabled());
    QVERIFY(StoreFireKey(stored, again.setting()));
    QCOMPARE(stored.Res1, quint8(0x05));
    again.reject();
}

void TestButtonPage::sniperDialog()
{
    TarnSniperWindow dialog(SensorSpecFor(3389));
    QSignalSpy values(&dialog, &TarnSniperWindow::SetSniperValue);
    dialog.preset(1);
    QCOMPARE(dialog.step(), 6);
    QCOMPARE(values.count(), 1);
    QCOMPARE(dialog.slider()->minimum(), 2);
    QCOMPARE(dialog.slider()->maximum(), 20);
    QVERIFY(dialog.resolutionText().startsWith(QStringLiteral("300")));
    dialog.slider()->setValue(20);
    QVERIFY(dialog.resolutionText().startsWith(QStringLiteral("1000")));
    QCOMPARE(dialog.size(), QSize(400, 258));

    // Through the page, although no menu offers it.
    TarnBtnWindow page;
    page.refreshFrom(m_config, 0);
    page.selectButton(4, 0);
    answerNextDialog([](QDialog *d) {
        qobject_cast<TarnSniperWindow *>(d)->slider()->setValue(9);
        d->accept();
    });
    page.assignFunction(55);
    QCOMPARE(m_config.profiles[0].buttons[4].Fun, 55);
    QCOMPARE(m_config.profiles[0].buttons[4].Res1, quint8(9));
    QCOMPARE(page.button(0, 4)->text(), QStringLiteral("SNIPER"));
}

void TestButtonPage::macroThroughChooser()
{
    m_dir->writeFile("Configs/MacroDB/m1.MSMACRO", "[Setting]\nCount=1\nMap_0=132\nDataL_0=5\nDataH_0=0\n");
    AddToMacroList(QStringLiteral("m1"));
    FixedChooser chooser;
    SetMacroChooser(&chooser);
    TarnBtnWindow page;
    page.refreshFrom(m_config, 0);
    ButtonInfo &b = m_config.profiles[0].buttons[5];

    page.selectButton(5, 0);
    pick(page, 200); // cancelled
    QCOMPARE(chooser.captions, QStringList({ "MACRO SELECT" }));
    QVERIFY(b.Fun != 200);

    chooser.answer = { QStringLiteral("m1"), 5, 2 };
    page.selectButton(5, 0);
    pick(page, 200);
    QCOMPARE(b.Fun, 200);
    QCOMPARE(b.macroname, QStringLiteral("m1"));
    QCOMPARE(b.LoopNumber, 5);
    QCOMPARE(b.Res1, quint8(2));
    QCOMPARE(b.KeyNumber, 1);
    QCOMPARE(page.button(0, 5)->text(), QStringLiteral("m1"));

    page.selectButton(5, 0);
    pick(page, 200);
    QCOMPARE(chooser.presets.last(), QStringLiteral("m1")); // preset from the record
    page.selectButton(5, 0);
    page.assignFunction(510);
    QCOMPARE(chooser.captions.last(), QStringLiteral("GUNFILE SELECT"));
    QCOMPARE(chooser.presets.last(), QString());
    QCOMPARE(b.Fun, 510);
}

QTEST_MAIN(TestButtonPage)
#include "test_buttonpage.moc"
