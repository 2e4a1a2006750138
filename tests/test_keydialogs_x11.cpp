#include "TestAppDir.h"
#include "XdoTool.h"
#include "core/settings/ButtonAssignment.h"
#include "storage/ConfigData.h"
#include "storage/KeyTable.h"
#include "ui/buttons/TarnComboKeyWindow.h"
#include "ui/buttons/TarnSingleKeyWindow.h"
#include "ui/widgets/ShownKeyNames.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QToolButton>
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
    void dialogKeysWorkOnceAKeyIsTaken();

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
        QTRY_COMPARE_WITH_TIMEOUT(dialog.state().displayText(), ShownKeyName(29) + QStringLiteral(" + A"), 5000);
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

// Another program: a line edit that reports its window and every change of its text.
class TypingTarget
{
public:
    TypingTarget()
    {
        m_process.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--typing-target") });
        QVERIFY(m_process.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(m_process.canReadLine(), 10000);
        m_window = QString::fromLatin1(m_process.readLine().trimmed());
    }
    ~TypingTarget()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    // Gives the other program the X focus, as a click into it would.
    bool focus() { return xdotool({ "windowfocus", "--sync", m_window }); }
    // The text of its line edit as last reported.
    QString text()
    {
        while (m_process.canReadLine())
            m_text = QString::fromUtf8(m_process.readLine()).chopped(1);
        return m_text;
    }

private:
    QProcess m_process;
    QString m_window;
    QString m_text;
};

void TestKeyDialogsX11::comboKeepsKeysFromOtherPrograms()
{
    TypingTarget other;
    QVERIFY(other.focus());
    QVERIFY(xdotool({ "type", "x" }));
    QTRY_COMPARE_WITH_TIMEOUT(other.text(), QStringLiteral("x"), 5000);
    {
        TarnComboKeyWindow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.capturesSystemWide());
        QVERIFY(other.focus());
        QVERIFY(xdotool({ "type", "a" }));
        QTRY_COMPARE_WITH_TIMEOUT(dialog.state().displayText(), QStringLiteral("A"), 5000);
        QTest::qWait(200);
        QCOMPARE(other.text(), QStringLiteral("x"));
        // Once the combination is taken the keyboard is free again; keys still count as the last one.
        QVERIFY(dialog.hasTakenKey());
        QVERIFY(xdotool({ "type", "bc" }));
        QTRY_COMPARE_WITH_TIMEOUT(other.text(), QStringLiteral("xbc"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.state().displayText(), QStringLiteral("C"), 5000);
        dialog.reject();
    }
    QVERIFY(other.focus());
    QVERIFY(xdotool({ "type", "ok" }));
    QTRY_COMPARE_WITH_TIMEOUT(other.text(), QStringLiteral("xbcok"), 5000);
}

void TestKeyDialogsX11::dialogKeysWorkOnceAKeyIsTaken()
{
    const QString tab = ShownKeyName(15);
    TarnSingleKeyWindow dialog;
    // The release of the Return that opened the dialog is no key.
    QVERIFY(xdotool({ "keydown", "Return" }));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(xdotool({ "windowfocus", "--sync", QString::number(dialog.winId()) }));
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isActiveWindow(), 5000);
    QVERIFY(xdotool({ "keyup", "Return" }));
    QTest::qWait(300);
    QVERIFY(!dialog.hasTakenKey());
    QCOMPARE(dialog.keyCode(), quint8(0));

    // The first Tab is the key; the next one moves the focus, Return presses "Capture again".
    QWidget *display = dialog.keyDisplayLabel();
    QCOMPARE(dialog.focusWidget(), display);
    QVERIFY(xdotool({ "key", "Tab" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.keyCode(), quint8(15), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.hasTakenKey(), 5000);
    QCOMPARE(dialog.focusWidget(), display);
    QCOMPARE(display->accessibleName(), QStringLiteral("Captured key: ") + tab);
    QVERIFY(xdotool({ "key", "Tab" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.focusWidget(), static_cast<QWidget *>(dialog.captureAgainButton()),
                              5000);
    QVERIFY(xdotool({ "key", "Tab" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.focusWidget()->objectName(), QStringLiteral("msgBoxYesBtn"), 5000);
    QVERIFY(dialog.isVisible());
    QVERIFY(xdotool({ "key", "shift+Tab" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.focusWidget(), static_cast<QWidget *>(dialog.captureAgainButton()),
                              5000);
    QVERIFY(xdotool({ "key", "Return" }));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.hasTakenKey(), 5000);
    QCOMPARE(dialog.focusWidget(), display);
    QVERIFY(xdotool({ "key", "Escape" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.keyCode(), quint8(1), 5000);
    QVERIFY(dialog.isVisible());
    // A mouse user's habit still holds: the last key before OK counts, Shift+Tab moves back.
    QVERIFY(xdotool({ "key", "b" }));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.keyCode(), quint8(48), 5000);
    QVERIFY(xdotool({ "key", "shift+Tab" }));
    QTest::qWait(300);
    QCOMPARE(dialog.keyCode(), quint8(48));
    QVERIFY(dialog.focusWidget() != display);
    QVERIFY(xdotool({ "key", "Escape" }));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--typing-target") == 0) {
        QLineEdit edit;
        edit.show();
        QTextStream out(stdout);
        out << edit.winId() << Qt::endl;
        QObject::connect(&edit, &QLineEdit::textChanged,
                         [&out](const QString &text) { out << text << Qt::endl; });
        return app.exec();
    }
    TestKeyDialogsX11 test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_keydialogs_x11.moc"
