#include "PageTestSupport.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "ui/pages/ColorChooser.h"
#include "ui/pages/DefaultColorArea.h"
#include "ui/pages/TarnColorWindow.h"
#include "ui/pages/TarnMenuButton.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QtTest>

// The lighting page against an installed test folder, the colour dialog replaced by scripted answers.
class TestLightingPage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuAndControlsPerEffect();
    void effectsKeepTheirOwnValues();
    void reportedEffect();
    void everyControlEditsTheLightingSlot();
    void singleSlotProduct();
    void colourDialogAnswers();

private:
    QList<QColor> m_chooserAnswers; // an invalid colour stands for "Cancel"
    QList<QColor> m_chooserStarts;
};

namespace {

ConfigData factoryConfig()
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    return config;
}

QAction *menuAction(TarnColorWindow &page, const QString &text)
{
    for (QAction *action : page.effectMenu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void choose(TarnColorWindow &page, const QString &text)
{
    QAction *action = menuAction(page, text);
    QVERIFY2(action, qPrintable(text));
    action->trigger();
}

} // namespace

void TestLightingPage::init()
{
    m_chooserAnswers.clear();
    m_chooserStarts.clear();
    SetColorChooser([this](QWidget *, QColor &colour) {
        m_chooserStarts << colour;
        const QColor answer = m_chooserAnswers.isEmpty() ? QColor() : m_chooserAnswers.takeFirst();
        if (!answer.isValid())
            return false;
        colour = answer;
        return true;
    });
}

void TestLightingPage::cleanup()
{
    SetColorChooser({});
}

void TestLightingPage::menuAndControlsPerEffect()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    TarnColorWindow page;
    page.show();
    page.refreshFrom(config, 0);

    QStringList texts;
    for (QAction *action : page.effectMenu()->actions())
        texts << action->text();
    QCOMPARE(texts,
             QStringList({ "FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                           "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF" }));

    choose(page, "OFF");
    QCOMPARE(config.profiles[0].LedMode, quint8(0));
    QCOMPARE(page.effectButton()->text(), QStringLiteral("OFF"));
    QVERIFY(!page.brightnessSlider()->isVisible());
    QVERIFY(!page.speedSlider()->isVisible());
    QVERIFY(!page.colourSwatch()->isVisible());

    choose(page, "7 COLOR BREATHING");
    QVERIFY(!page.brightnessSlider()->isVisible());
    QVERIFY(!page.colourSwatch()->isVisible());
    QVERIFY(page.speedSlider()->isVisible());
    QCOMPARE(page.speedSlider()->y(), 97);
    QCOMPARE(page.speedLabel()->y(), 78);

    choose(page, "RAINBOW");
    QCOMPARE(page.speedSlider()->y(), 156);
    QVERIFY(page.brightnessSlider()->isVisible());
    QVERIFY(!page.colourSwatch()->isVisible());

    choose(page, "BREATHING");
    QVERIFY(page.colourSwatch()->isVisible());
    QCOMPARE(page.speedSlider()->y(), 97);
    QVERIFY(!page.brightnessSlider()->isVisible());
}

void TestLightingPage::effectsKeepTheirOwnValues()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    TarnColorWindow page;
    page.show();
    page.refreshFrom(config, 0);

    choose(page, "FULL LIGHTED");
    page.brightnessSlider()->setValue(1);
    m_chooserAnswers << QColor(10, 20, 30);
    QTest::mouseClick(page.colourSwatch(), Qt::LeftButton);
    choose(page, "RAINBOW");
    page.brightnessSlider()->setValue(2);
    page.speedSlider()->setValue(5);
    QCOMPARE(config.profiles[0].ledModes[4].bright, 2);
    QCOMPARE(config.profiles[0].ledModes[4].breath, 5);

    choose(page, "FULL LIGHTED");
    QCOMPARE(page.brightnessSlider()->value(), 1);
    QCOMPARE(page.colourSwatch()->color(), QColor(10, 20, 30));
    QCOMPARE(config.profiles[0].ledModes[1].RGB, QColor(10, 20, 30));
    QCOMPARE(config.profiles[0].ledModes[1].bright, 1);
    QCOMPARE(config.profiles[0].LedMode, quint8(1));
}

void TestLightingPage::reportedEffect()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    TarnColorWindow page;
    page.show();
    page.refreshFrom(config, 2);
    QVERIFY(!menuAction(page, "Horizontal WAVE"));
    page.setModeReport(6);
    QCOMPARE(config.profiles[2].LedMode, quint8(6));
    QCOMPARE(page.effectButton()->text(), QStringLiteral("Horizontal WAVE"));
    QVERIFY(page.brightnessSlider()->isVisible());
    QVERIFY(page.speedSlider()->isVisible());
    QVERIFY(!page.colourSwatch()->isVisible());

    // A stored effect outside the table shows nothing and changes nothing.
    page.setModeReport(200);
    QCOMPARE(config.profiles[2].LedMode, quint8(6));
    config.profiles[2].LedMode = 77;
    page.refreshFrom(config, 2);
    page.brightnessSlider()->setValue(2);
    QVERIFY(!page.speedSlider()->isVisible());
}

void TestLightingPage::everyControlEditsTheLightingSlot()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    config.profiles[0].LedMode = 4;
    TarnColorWindow page;
    page.show();
    page.refreshFrom(config, 3);

    // Every lighting control edits the current slot, whose lighting the upload sends.
    choose(page, "FULL LIGHTED");
    QCOMPARE(config.profiles[3].LedMode, quint8(1));
    QCOMPARE(config.profiles[0].LedMode, quint8(4));
    m_chooserAnswers << QColor(1, 2, 3);
    page.colourSwatch()->setFocus();
    QTest::keyClick(page.colourSwatch(), Qt::Key_Space);
    QCOMPARE(config.profiles[3].ledModes[1].RGB, QColor(1, 2, 3));
    QVERIFY(config.profiles[0].ledModes[1].RGB != QColor(1, 2, 3));

    const ProfileData firstSlot = config.profiles[0];
    const int before = config.profiles[3].ledModes[1].bright;
    page.brightnessSlider()->setValue(before == 1 ? 2 : 1);
    QCOMPARE(config.profiles[3].ledModes[1].bright, page.brightnessSlider()->value());
    choose(page, "RAINBOW");
    page.speedSlider()->setValue(4);
    QCOMPARE(config.profiles[3].ledModes[4].breath, 4);
    page.sleepSlider()->setValue(7);
    QCOMPARE(config.profiles[3].LedSleepTime, quint8(7));
    QVERIFY(config.profiles[0] == firstSlot);
    QCOMPARE(page.sleepValueLabel()->text(), QStringLiteral("7 MINUTE"));

    // The move-off switch belongs to the slot shown.
    config.profiles[3].LedMoveOFF = 0;
    page.refreshFrom(config, 3);
    QVERIFY(page.moveOffBox()->isChecked());
    page.moveOffBox()->click();
    QCOMPARE(config.profiles[3].LedMoveOFF, quint8(255));
}

void TestLightingPage::singleSlotProduct()
{
    TestAppDir dir(TestAppDir::Installed);
    setDefinition(dir, QStringLiteral("ProductName"), QStringLiteral("4630"));
    ConfigData config = factoryConfig();
    TarnColorWindow page;
    page.show();
    page.refreshFrom(config, 3);
    const ProfileData slot3 = config.profiles[3];
    choose(page, "WAVE");
    page.brightnessSlider()->setValue(1);
    page.speedSlider()->setValue(2);
    page.moveOffBox()->click();
    page.slotSendLedState(QColor(9, 8, 7));
    QCOMPARE(config.profiles[0].LedMode, quint8(9));
    QCOMPARE(config.profiles[0].ledModes[9].bright, 1);
    QCOMPARE(config.profiles[0].ledModes[9].breath, 2);
    QCOMPARE(config.profiles[0].ledModes[9].RGB, QColor(9, 8, 7));
    QVERIFY(config.profiles[3] == slot3);
}

void TestLightingPage::colourDialogAnswers()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    config.profiles[0].ledModes[1].RGB = QColor(200, 100, 50);
    config.profiles[0].LedMode = 1;
    TarnColorWindow page;
    page.show();
    page.refreshFrom(config, 0);
    m_chooserAnswers << QColor(); // Cancel
    QTest::mouseClick(page.colourSwatch(), Qt::LeftButton);
    QCOMPARE(m_chooserStarts.value(0), QColor(200, 100, 50));
    QCOMPARE(config.profiles[0].ledModes[1].RGB, QColor(200, 100, 50));
    QCOMPARE(page.colourSwatch()->color(), QColor(200, 100, 50));
}

QTEST_MAIN(TestLightingPage)
#include "test_lightingpage.moc"
