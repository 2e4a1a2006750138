#include "VirtualMouseLink.h"
#include "device/link/StatusThreadControl.h"
#include "device/upload/ButtonBlock.h"
#include "device/upload/CommandSet.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/MacroChooser.h"
#include "ui/widgets/TarnAction.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/buttons/TarnFireKeyWindow.h"
#include "ui/buttons/TarnSniperWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QtTest>

#include <functional>

// Assignments on the button page followed by what "Apply" does, against the virtual mouse.
class TestButtonUpload : public QObject
{
    Q_OBJECT
private slots:
    void everyKindReachesTheMouse();
};

namespace {

class FixedChooser : public MacroChooser
{
public:
    bool choose(QWidget *, const QString &, MacroChoice &choice) override
    {
        choice = { QStringLiteral("alpha"), 2, 0 };
        return true;
    }
};

// Selects `index` of `group`, then picks `fun` while `answer` handles the dialog it opens.
void assign(TarnBtnWindow &page, int group, int index, int fun, std::function<void(QDialog *)> answer = {})
{
    if (answer) {
        QTimer::singleShot(0, [answer] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            answer(dialog);
            dialog->accept();
        });
    }
    page.selectButton(index, group);
    if (TarnAction *action = page.menus()->action(fun))
        action->trigger();
}

QByteArray slotBytes(const QByteArray &memory, int slot)
{
    return memory.mid(2 + 4 * slot, 4);
}

} // namespace

void TestButtonUpload::everyKindReachesTheMouse()
{
    VirtualMouseLink link(true, false);
    MacroFileData macro;
    macro.count = 2;
    macro.events[0] = { 0x84, 0x04, 0 };
    macro.events[1] = { 0x04, 0x04, 0 };
    QVERIFY(SaveMacroFile(QStringLiteral("alpha"), macro));
    QVERIFY(AddToMacroList(QStringLiteral("alpha")));
    FixedChooser chooser;
    SetMacroChooser(&chooser);

    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    ConfigData working = config;
    TarnBtnWindow page;
    page.show();
    page.refreshFrom(working, 0);

    assign(page, 0, 1, 17); // Cut
    assign(page, 0, 2, 6, [](QDialog *d) { QTest::keyClick(d->windowHandle(), Qt::Key_A); });
    assign(page, 0, 3, 7, [](QDialog *d) {
        QTest::keyPress(d->windowHandle(), Qt::Key_Control);
        QTest::keyPress(d->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    });
    assign(page, 0, 4, 12, [](QDialog *d) {
        auto *fire = qobject_cast<TarnFireKeyWindow *>(d);
        QTest::mouseClick(fire->choice(3), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(d->windowHandle(), Qt::Key_A);
        fire->delayEdit()->setText(QStringLiteral("105"));
    });
    assign(page, 0, 5, 200);
    page.selectButton(6, 0);
    QTimer::singleShot(0, [] {
        auto *sniper = qobject_cast<TarnSniperWindow *>(QApplication::activeModalWidget());
        QVERIFY(sniper);
        sniper->slider()->setValue(7);
        sniper->accept();
    });
    page.assignFunction(55);
    assign(page, 2, 0, 43); // wheel up: Volume Up

    page.collectInto(config, 0);
    QVERIFY(SaveConfig(config));
    QCOMPARE(link.session.upload().WriteProfileToDevice(config, AllGroups), quint8(ReportOk));

    const QByteArray buttons = link.mouse.memory(0x03);
    QCOMPARE(slotBytes(buttons, 0), QByteArray("\x81\x00\x00\x00", 4));
    QCOMPARE(slotBytes(buttons, 1), QByteArray("\x8f\x01\x1b\x00", 4));
    QCOMPARE(slotBytes(buttons, 2), QByteArray("\x90\x00\x04\x00", 4));
    QCOMPARE(slotBytes(buttons, 3), QByteArray("\x8f\x01\x06\x00", 4));
    QCOMPARE(slotBytes(buttons, 4), QByteArray("\x99\x04\x03\x0a", 4));
    QCOMPARE(slotBytes(buttons, 5), QByteArray("\x91\x00\x02\x00", 4));
    QCOMPARE(slotBytes(buttons, 6), QByteArray("\x9a\x01\x07\x07", 4));
    QCOMPARE(slotBytes(buttons, 22), QByteArray("\x8e\x01\xe9\x00", 4));
    const QByteArray macros = link.mouse.memory(0x05);
    QCOMPARE(macros.left(9), QByteArray("\x84\x04\x00\x04\x04\x00\x06\x01\x00", 9));
    SetMacroChooser(nullptr);
}

QTEST_MAIN(TestButtonUpload)
#include "test_buttonupload.moc"
