#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "XdoTool.h"
#include "storage/ConfigStore.h"
#include "storage/KeyTable.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/KeyDialogFrame.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/TabBar.h"
#include "ui/widgets/ShownKeyNames.h"
#include "ui/widgets/TarnAction.h"
#include "ui/widgets/TarnPushButton.h"
#include "virtualmouse/VirtualMouse.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

// The whole window worked by keys typed through the X server, as by a user without a mouse.
class TestKeyboardOnlyX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void assignKeysAndApply();
};

namespace {

// Steps run from a timer, so they go on inside the menus' and dialogs' own event loops. A step
// returns true when it is done; until then it is asked again at the next tick.
class KeyScript : public QObject
{
public:
    using Step = std::function<bool()>;

    explicit KeyScript(QList<Step> steps)
        : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &KeyScript::tick);
        m_timer.start(150);
    }
    bool finished() const { return m_next >= m_steps.size(); }
    int stepsDone() const { return m_next; }
    QString failure;

private:
    void tick()
    {
        if (finished() || m_busy)
            return;
        m_busy = true;
        if (m_steps[m_next]())
            ++m_next;
        m_busy = false;
    }

    QList<Step> m_steps;
    int m_next = 0;
    bool m_busy = false;
    QTimer m_timer;
};

// Presses `key` until `target` has the focus (the focus ring wraps, so an overshoot comes round).
KeyScript::Step keyUntilFocus(std::function<QWidget *()> target, const char *key = "Tab")
{
    auto presses = std::make_shared<int>(0);
    return [=] {
        QWidget *wanted = target();
        if (wanted && QApplication::focusWidget() == wanted)
            return true;
        if (++*presses > 300) {
            QWidget *focus = QApplication::focusWidget();
            qFatal("%s never reached the wanted control (%s); the focus is on %s %s", key,
                   wanted ? qPrintable(wanted->accessibleName()) : "not there yet",
                   focus ? focus->metaObject()->className() : "nothing",
                   focus ? qPrintable(focus->accessibleName()) : "");
        }
        if (qEnvironmentVariableIsSet("MOUSECFG_SHOW_FOCUS")) {
            QWidget *focus = QApplication::focusWidget();
            QWidget *active = QApplication::activeWindow();
            qInfo("focus: %s %s (window %s, modal %s)", focus ? focus->metaObject()->className() : "-",
                  focus ? qPrintable(focus->accessibleName()) : "",
                  active ? active->metaObject()->className() : "-",
                  QApplication::activeModalWidget() ? "open" : "none");
        }
        xdotool({ "key", key });
        return false;
    };
}

// Walks the open popup menus to `action` with the arrow keys and presses Return on it.
KeyScript::Step pickFromMenu(std::function<QAction *()> action)
{
    auto presses = std::make_shared<int>(0);
    return [=] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *target = action();
        if (!menu || !target)
            return false;
        if (++*presses > 300)
            qFatal("the menu entry was never reached");
        // The entry of this menu that is the target or leads to it.
        QAction *wanted = nullptr;
        for (QAction *entry : menu->actions()) {
            if (entry == target || (entry->menu() && entry->menu()->actions().contains(target)))
                wanted = entry;
        }
        if (!wanted)
            return false;
        if (menu->activeAction() != wanted) {
            xdotool({ "key", "Down" });
            return false;
        }
        xdotool({ "key", wanted == target ? "Return" : "Right" });
        return wanted == target;
    };
}

KeyDialogFrame *openKeyDialog()
{
    return qobject_cast<KeyDialogFrame *>(QApplication::activeModalWidget());
}

QByteArray buttonBytes(const QByteArray &memory, int button)
{
    return memory.mid(2 + 4 * button, 4);
}

} // namespace

void TestKeyboardOnlyX11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");
}

void TestKeyboardOnlyX11::assignKeysAndApply()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    ConfigData initial;
    LoadConfig(initial);
    QVERIFY(SaveConfig(initial));
    qputenv("MOUSECFG_VIRTUAL_MOUSE",
            dir.writeFile(QStringLiteral("scenario.ini"), "[Mouse]\nConnection=receiver\n").toLocal8Bit());
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(xdotool({ "windowfocus", "--sync", QString::number(window.winId()) }));
    QTRY_VERIFY_WITH_TIMEOUT(window.isActiveWindow(), 10000);
    auto *mouse = window.findChild<VirtualMouse *>();
    QVERIFY(mouse);

    auto page = [&window] { return window.findChild<TarnBtnWindow *>(); };
    auto frontButton = [page](int number) -> QWidget * {
        if (!page())
            return nullptr;
        for (int i = 0; i < 8; ++i) {
            TarnPushButton *button = page()->button(0, i);
            if (button && button->property("index").toInt() == number)
                return button;
        }
        return nullptr;
    };
    auto dialogButton = [](const char *name) -> QWidget * {
        KeyDialogFrame *dialog = openKeyDialog();
        return dialog ? dialog->findChild<QToolButton *>(QLatin1String(name)) : nullptr;
    };
    auto dialogTook = [](const QString &text) {
        return [text] {
            KeyDialogFrame *dialog = openKeyDialog();
            return dialog && dialog->hasTakenKey() && dialog->keyDisplayLabel()->text() == text;
        };
    };
    auto typed = [](QStringList keys) {
        return [keys] {
            if (!openKeyDialog() || !openKeyDialog()->isCapturing())
                return false;
            xdotool(keys);
            return true;
        };
    };
    auto press = [](const char *key) {
        return [key] {
            xdotool({ "key", key });
            return true;
        };
    };
    auto assign = [&](int number, int fun, QStringList keys, const QString &shown) {
        return QList<KeyScript::Step> {
            keyUntilFocus([frontButton, number] { return frontButton(number); }),
            press("Return"),
            pickFromMenu([page, fun] { return page() ? static_cast<QAction *>(page()->menus()->action(fun)) : nullptr; }),
            typed(keys),
            dialogTook(shown),
            keyUntilFocus([dialogButton] { return dialogButton("msgBoxYesBtn"); }),
            press("Return"),
            [] { return !openKeyDialog(); },
            // What a window manager does when a dialog closes; Xvfb has none.
            [&window] {
                xdotool({ "windowfocus", "--sync", QString::number(window.winId()) });
                return true;
            },
        };
    };

    QList<KeyScript::Step> steps;
    steps << keyUntilFocus([&window] { return window.tabs()->button(TabBar::Customize); }) << press("Return")
          << [page] { return page() && page()->isVisible(); };
    steps << assign(4, 6, { "key", "a" }, QStringLiteral("A"));
    steps << assign(5, 7, { "key", "ctrl+c" }, ShownKeyName(29) + QStringLiteral(" + C"));
    steps << keyUntilFocus([&window] { return window.findChild<QWidget *>(QStringLiteral("applyButton")); })
          << press("Return");
    KeyScript script(steps);
    QTRY_VERIFY2_WITH_TIMEOUT(script.finished(), qPrintable(QString::number(script.stepsDone())), 400000);

    // Stored in the slot file and written to the mouse.
    auto recordOf = [&](int number) {
        for (int i = 0; page()->button(0, i); ++i) {
            if (page()->button(0, i) == frontButton(number))
                return i;
        }
        return -1;
    };
    const int button4 = recordOf(4);
    const int button5 = recordOf(5);
    QVERIFY(button4 >= 0 && button5 >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(buttonBytes(mouse->memory(0x03), button4), QByteArray("\x90\x00\x04\x00", 4), 30000);
    QCOMPARE(buttonBytes(mouse->memory(0x03), button5), QByteArray("\x8f\x01\x06\x00", 4));
    ConfigData stored;
    LoadConfig(stored);
    const ButtonInfo &single = stored.profiles[stored.ProfileID].buttons[button4];
    QCOMPARE(single.Fun, 6);
    QCOMPARE(single.Res1, quint8(30));
    const ButtonInfo &combo = stored.profiles[stored.ProfileID].buttons[button5];
    QCOMPARE(combo.Fun, 7);
    QCOMPARE(combo.KeyInfo[0].map, quint8(224));
    QCOMPARE(combo.KeyInfo[1].map, quint8(6));
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

QTEST_MAIN(TestKeyboardOnlyX11)
#include "test_keyboardonly_x11.moc"
