#include "TestAppDir.h"
#include "XdoTool.h"
#include "storage/ConfigData.h"
#include "storage/KeyTable.h"
#include "ui/buttons/ButtonAssignment.h"
#include "ui/buttons/TarnComboKeyWindow.h"
#include "ui/buttons/TarnSingleKeyWindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>

// The key dialogs on a real X server, keys typed through XTEST as from a keyboard.
class TestKeyDialogsX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void singleKeyCodes();
    void comboNamesAndUsages();
    void comboKeepsKeysFromOtherPrograms();

private:
    std::unique_ptr<TestAppDir> m_dir;
};

namespace {
// X keycodes of the keys whose names xdotool would otherwise pair with other modifiers.
const char *const NumLock = "77";
const char *const Keypad7 = "79";
const char *const RightCtrl = "105";
const char *const LeftCtrl = "37";
} // namespace

void TestKeyDialogsX11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");
    m_dir = std::make_unique<TestAppDir>(TestAppDir::Installed);
}

void TestKeyDialogsX11::singleKeyCodes()
{
    QVERIFY(xdotool({ "key", NumLock }));
    {
        TarnSingleKeyWindow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.capturesSystemWide());
        QVERIFY(xdotool({ "key", Keypad7 }));
        QTRY_COMPARE_WITH_TIMEOUT(dialog.keyCode(), quint8(235), 5000);
    }
    QVERIFY(xdotool({ "key", NumLock }));
    TarnSingleKeyWindow dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(xdotool({ "key", "Home" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.keyCode(), quint8(71), 5000);
}

void TestKeyDialogsX11::comboNamesAndUsages()
{
    {
        TarnComboKeyWindow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(xdotool({ "keydown", RightCtrl, "key", "a", "keyup", RightCtrl }));
        QTRY_COMPARE_WITH_TIMEOUT(dialog.state().displayText(), KeyName(29) + QStringLiteral(" + A"), 5000);
        ButtonInfo button;
        StoreCombination(button, dialog.keys());
        QCOMPARE(button.KeyInfo[0].map, quint8(224));
        QCOMPARE(button.KeyInfo[1].map, quint8(4));
    }
    TarnComboKeyWindow dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(xdotool({ "key", LeftCtrl, "a" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.state().displayText(), QStringLiteral("A"), 5000);
    QCOMPARE(dialog.keys(), ComboKeys({ 30 }));
}

void TestKeyDialogsX11::comboKeepsKeysFromOtherPrograms()
{
    QLineEdit other;
    other.setWindowTitle(QStringLiteral("another program"));
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    {
        // Without a window manager the dialog does not take the focus from the other window.
        TarnComboKeyWindow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.capturesSystemWide());
        QVERIFY(xdotool({ "type", "abc" }));
        QTRY_COMPARE_WITH_TIMEOUT(dialog.state().displayText(), QStringLiteral("C"), 5000);
        QTest::qWait(100);
        QCOMPARE(other.text(), QString());
        dialog.reject();
    }
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    QVERIFY(xdotool({ "type", "ok" }));
    QTRY_COMPARE_WITH_TIMEOUT(other.text(), QStringLiteral("ok"), 5000);
}

QTEST_MAIN(TestKeyDialogsX11)
#include "test_keydialogs_x11.moc"
