#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "appprofiles/AppProfileFile.h"
#include "platform/Autostart.h"
#include "ui/main/AppProfilesDialog.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/TrayIcon.h"
#include "ui/widgets/TarnPushButton.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>

// The "APPLICATIONS" dialog used by keyboard, its file chooser and refusals, and the window's entries
// to it: the profile bar button and the tray menu's switch.
class TestAppProfilesDialog : public QObject
{
    Q_OBJECT
private slots:
    void editRulesByKeyboard();
    void windowEntries();
};

namespace {

QAction *menuAction(QMenu *menu, const QString &text)
{
    emit menu->aboutToShow();
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The controls that take keyboard focus, in Tab order from the dialog's first.
QList<QWidget *> tabChain(QDialog &dialog)
{
    QList<QWidget *> chain;
    QWidget *start = dialog.focusWidget();
    QWidget *widget = start;
    do {
        chain << widget;
        QTest::keyClick(widget, Qt::Key_Tab);
        widget = QApplication::focusWidget();
    } while (widget && widget != start && chain.size() < 50);
    return chain;
}

} // namespace

void TestAppProfilesDialog::editRulesByKeyboard()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    AppProfilesDialog dialog(
        QStringLiteral("Works here."),
        [] {
            return QStringList { "firefox-esr", "supertuxkart" };
        },
        2);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(dialog.findChild<QLabel *>("appNoRules"));

    // ADD lists the open programs, then the file chooser.
    QAction *open = menuAction(dialog.addMenu(), "supertuxkart");
    QVERIFY(open);
    open->trigger();
    prompts.fileAnswers << "/opt/racer/bin/racer.x86_64"
                        << ""
                        << "/usr/bin/";
    QAction *choose = menuAction(dialog.addMenu(), QString::fromUtf8("Choose a program file…"));
    QVERIFY(choose);
    choose->trigger(); // a program file
    choose->trigger(); // cancelled
    QVERIFY(prompts.boxes.isEmpty());
    choose->trigger(); // a folder names no program
    QCOMPARE(prompts.boxes.size(), 1);
    AppProfileRules rules = AppProfileFile::load();
    QCOMPARE(rules.rules().size(), 2);
    QCOMPARE(rules.rules().at(1).program, QString("racer.x86_64"));
    QCOMPARE(rules.rules().at(1).slot, 2);
    QVERIFY(rules.switchingActive());

    // Every control named, reachable by Tab: switch, other programs, each row's slot and REMOVE, ADD, close.
    QTRY_COMPARE(dialog.findChildren<QComboBox *>("appRuleSlot").size(), 2);
    dialog.findChild<QCheckBox *>("appSwitch")->setFocus();
    const QList<QWidget *> chain = tabChain(dialog);
    QCOMPARE(chain.size(), 8);
    // What a screen reader says for each: the accessible name, or the control's own text.
    for (QWidget *control : chain) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(), control->objectName().toUtf8());
    }
    QCOMPARE(chain.at(1)->objectName(), QString("appDefaultSlot"));
    QCOMPARE(chain.at(2)->accessibleName(), QString("Profile for supertuxkart"));
    QCOMPARE(chain.at(3)->accessibleName(), QString("Remove the rule for supertuxkart"));
    QCOMPARE(chain.at(6), dialog.addButton());

    // Keys change the file: a row's slot, the default, a removal, the switch.
    QTest::keyClick(chain.at(2), Qt::Key_Down); // supertuxkart: Profile 3 -> Profile 4
    QTest::keyClick(chain.at(1), Qt::Key_Down); // other programs: leave -> Profile 1
    QTRY_COMPARE(AppProfileFile::load().rules().at(0).slot, 3);
    QTRY_COMPARE(AppProfileFile::load().defaultSlot(), 0);
    QTRY_COMPARE(dialog.findChildren<TarnPushButton *>("appRuleRemove").size(), 2);
    QTest::keyClick(dialog.findChildren<TarnPushButton *>("appRuleRemove").at(1), Qt::Key_Space);
    QTRY_COMPARE(AppProfileFile::load().rules().size(), 1);
    QTest::keyClick(dialog.findChild<QCheckBox *>("appSwitch"), Qt::Key_Space);
    QVERIFY(!AppProfileFile::load().switchingActive());
    QTRY_COMPARE(dialog.findChildren<QComboBox *>("appRuleSlot").size(), 1);

    // A rules file the program refuses to read is never overwritten; the user is told.
    const QByteArray hostile = "[Rules]\nsize=1\n1\\Program=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff\\xff)\n";
    dir.writeFile("Configs/AppProfiles.ini", hostile);
    QTest::keyClick(dialog.findChild<QCheckBox *>("appSwitch"), Qt::Key_Space);
    QCOMPARE(prompts.boxes.size(), 2);
    QVERIFY(prompts.boxes.last().text.contains("AppProfiles.ini"));
    QFile file(AppProfileFile::path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), hostile);
}

void TestAppProfilesDialog::windowEntries()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    qputenv(Autostart::HiddenVariable, "1");
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    // Never the desktop's own KWin, whatever session runs the test.
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("XDG_SESSION_TYPE");
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    AppSwitching *switching = window.appSwitching();
    QVERIFY(switching);
    // The offscreen test session cannot tell the window in front: the dialog says so.
    QCOMPARE(switching->watcherKind(), WatcherKind::None);
    QVERIFY(switching->supportSentence().contains("cannot follow"));

    // The profile bar's button opens the dialog; a rule added there reaches the tray's switch.
    auto *button = window.profileBar()->findChild<TarnPushButton *>("applicationsButton");
    QVERIFY(button);
    QCOMPARE(button->accessibleName(), QString("APPLICATIONS"));
    QVERIFY(switching->switchAction());
    QVERIFY(!switching->switchAction()->isEnabled());
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<AppProfilesDialog *>(QApplication::activeModalWidget());
        opened = dialog != nullptr;
        if (dialog) {
            QVERIFY(dialog->findChild<QLabel *>("appSupport")->text() == switching->supportSentence());
            QVERIFY(dialog->addRule("game"));
            dialog->reject();
        }
    });
    button->click();
    QVERIFY(opened);
    QVERIFY(switching->switchAction()->isChecked());

    // The tray's switch turns switching off in the file, and on again.
    switching->switchAction()->trigger();
    QVERIFY(!AppProfileFile::load().switchingActive());
    QVERIFY(!switching->switchAction()->isChecked());
    switching->switchAction()->trigger();
    QVERIFY(AppProfileFile::load().switchingActive());
    // The tray menu carries both entries.
    QVERIFY(window.tray());
    QVERIFY(window.tray()->icon()->contextMenu()->actions().contains(switching->dialogAction()));
    qunsetenv(Autostart::HiddenVariable);
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

QTEST_MAIN(TestAppProfilesDialog)
#include "test_appprofilesdialog.moc"
