#include "PageTestSupport.h"
#include "sensors/SensorSpec.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnSingleDPI.h"
#include "ui/pages/TarnTwoBarSlider.h"
#include "ui/widgets/TarnLabel.h"
#include "ui/widgets/Theme.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QtTest>

// The DPI page against an installed test folder; the product's sensor and stage count vary per case.
class TestDpiPage : public QObject
{
    Q_OBJECT
private slots:
    void positionsToDpi();
    void rangesPerSensor();
    void rowsFollowTheStageCount();
    void editsReachTheSlot();
    void currentStageHighlight();
    void sleepGroupForProductsWithoutLighting();
};

namespace {

ConfigData factoryConfig()
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    return config;
}

QColor textColour(QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace

void TestDpiPage::positionsToDpi()
{
    // The corrected round figures and the ends of each piece of the sensors' scales.
    QCOMPARE(SensorSpecFor(3212).dpiOf(16), 600);
    QCOMPARE(SensorSpecFor(3212).dpiOf(111), 7200);
    QCOMPARE(SensorSpecFor(3212).dpiOf(21), 800);
    QCOMPARE(SensorSpecFor(3212).dpiOf(64), 2430);
    QCOMPARE(SensorSpecFor(3104).dpiOf(14), 500);
    QCOMPARE(SensorSpecFor(3104).dpiOf(107), 4320);
    QCOMPARE(SensorSpecFor(3327).dpiOf(106), 16400);
    QCOMPARE(SensorSpecFor(3327).dpiOf(105), 16200);
    QCOMPARE(SensorSpecFor(3327).dpiOf(62), 6400);
    QCOMPARE(SensorSpecFor(3327).dpiOf(61), 6200);
    QCOMPARE(SensorSpecFor(3325).dpiOf(51), 5200);
    QCOMPARE(SensorSpecFor(33252).dpiOf(76), 10400);
    QCOMPARE(SensorSpecFor(3389).dpiOf(321), 16100);
    QCOMPARE(SensorSpecFor(3395).dpiOf(0), 50);
    QCOMPARE(SensorSpecFor(3399).dpiOf(400), 20100);
    QCOMPARE(SensorSpecFor(9999).dpiOf(50), 0);
}

void TestDpiPage::rangesPerSensor()
{
    struct Row
    {
        int sensor;
        QString product;
        int flag;
        int min, max, minDpi, maxDpi;
        bool link;
    };
    const Row rows[] = {
        { 3104, "X", 0, 14, 105, 500, 4200, true },      { 31042, "X", 0, 14, 158, 500, 8400, true },
        { 3212, "X", 0, 16, 111, 600, 7200, false },     { 3311, "X", 0, 1, 120, 100, 12000, false },
        { 3360, "X", 0, 1, 180, 100, 24000, true },      { 33112, "X", 0, 1, 180, 100, 24000, false },
        { 3325, "X", 1, 1, 90, 100, 16000, false },      { 3325, "X", 0, 1, 50, 100, 5000, false },
        { 33252, "X", 1, 1, 90, 100, 16000, false },     { 33252, "X", 0, 1, 75, 100, 10000, false },
        { 3327, "BRISEN", 0, 1, 92, 200, 12400, false }, { 3327, "GARNOTH", 0, 1, 92, 200, 12400, false },
        { 3327, "X", 0, 1, 106, 200, 16400, false },     { 3333, "X", 0, 2, 120, 200, 16000, false },
        { 3335, "X", 0, 1, 160, 100, 16000, false },     { 33352, "X", 0, 1, 240, 100, 32000, false },
        { 3370, "X", 0, 1, 290, 50, 19000, false },      { 3389, "X", 0, 2, 480, 100, 32000, true },
        { 3395, "X", 0, 0, 519, 50, 26000, false },      { 33952, "X", 0, 0, 779, 50, 52000, false },
        { 3399, "X", 0, 0, 599, 50, 40000, true },
    };
    for (const Row &r : rows) {
        const DpiSliderRange range = SensorSpecFor(r.sensor, r.product, r.flag).range;
        const QByteArray what = QByteArray::number(r.sensor) + ' ' + r.product.toLatin1();
        QVERIFY2(range.minimum == r.min && range.maximum == r.max, what);
        QVERIFY2(SensorSpecFor(r.sensor).dpiOf(r.min) == r.minDpi, what);
        QVERIFY2(SensorSpecFor(r.sensor).dpiOf(r.max) == r.maxDpi, what);
        QVERIFY2(range.linkOffered == r.link, what);
    }

    // The row shows the same: range ends in DPI and "Link XY" only where offered.
    TestAppDir dir(TestAppDir::Installed);
    setSensor(dir, 3212);
    TarnDPIWindow page;
    ConfigData config = factoryConfig();
    page.refreshFrom(config, 0);
    page.show();
    TarnSingleDPI *row = page.row(0);
    QCOMPARE(row->minimumLabel()->text(), QStringLiteral("600"));
    QCOMPARE(row->maximumLabel()->text(), QStringLiteral("7200"));
    QCOMPARE(row->slider()->combinedSlider()->minimum(), 16);
    QVERIFY(!row->linkBox()->isVisible());
    setSensor(dir, 3389);
    page.refreshFrom(config, 0);
    QVERIFY(row->linkBox()->isVisible());
    QCOMPARE(row->maximumLabel()->text(), QStringLiteral("32000"));
}

void TestDpiPage::rowsFollowTheStageCount()
{
    TestAppDir dir(TestAppDir::Installed);
    setStageCount(dir, 4);
    ConfigData config = factoryConfig();
    config.profiles[1].stages[6] = DpiStage { 0, 0, 7, 300, 310 };
    TarnDPIWindow page;
    page.resize(470, 430);
    page.show();
    page.refreshFrom(config, 1);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(page.row(i)->isVisible(), i < 4);
    QVERIFY(page.row(4)->geometry().isEmpty());

    // A change in a visible row leaves the hidden stages as they were.
    page.row(0)->slider()->combinedSlider()->setValue(40);
    ConfigData collected = config;
    page.collectInto(collected, 1);
    QCOMPARE(collected.profiles[1].stages[0].x, 40u);
    QVERIFY(collected.profiles[1].stages[6] == config.profiles[1].stages[6]);
    for (int i = 4; i < 8; ++i)
        QVERIFY(collected.profiles[1].stages[i] == config.profiles[1].stages[i]);

    // Eight stages and the sleep group fit the page at scale 1 and at scale 2; an unlinked row's X and
    // Y handles each stay inside their own slider, clear of each other.
    setStageCount(dir, 8);
    setDefinition(dir, QStringLiteral("ledDisable"), QStringLiteral("1"));
    page.row(7)->setStage(DpiStage { 1, 0, 0, 40, 40 });
    const auto handle = [](QSlider *slider) {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.state |= QStyle::State_Horizontal;
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.subControls = QStyle::SC_SliderHandle;
        return slider->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
            .translated(slider->pos());
    };
    for (double scale : { 1.0, 2.0 }) {
        SetUiScale(scale);
        page.resize(int(470 * scale), int(430 * scale));
        page.relayout();
        QVERIFY(page.row(7)->isVisible());
        QVERIFY(page.row(7)->geometry().bottom() <= page.height());
        QVERIFY(page.row(6)->geometry().bottom() < page.row(7)->geometry().top());
        TarnTwoBarSlider *sliders = page.row(7)->slider();
        QVERIFY(sliders->xSlider()->isVisible() && sliders->ySlider()->isVisible());
        const QRect x = handle(sliders->xSlider()), y = handle(sliders->ySlider());
        QVERIFY2(sliders->xSlider()->geometry().contains(x) && sliders->ySlider()->geometry().contains(y),
                 qPrintable(QStringLiteral("scale %1, handle height %2").arg(scale).arg(x.height())));
        QVERIFY(x.bottom() < y.top());
    }
    SetUiScale(1.0);
}

void TestDpiPage::editsReachTheSlot()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    config.profiles[2].stages[1].link = 0;
    TarnDPIWindow page;
    page.show();
    page.refreshFrom(config, 2);
    TarnSingleDPI *row = page.row(1);
    QVERIFY(row->slider()->xSlider()->isVisible());
    QVERIFY(!row->slider()->combinedSlider()->isVisible());

    QSignalSpy dpi(row, &TarnSingleDPI::DPISignal);
    row->slider()->xSlider()->setValue(100);
    row->slider()->ySlider()->setValue(321);
    QCOMPARE(dpi.count(), 2);
    QCOMPARE(dpi.last().at(0).toInt(), 100);
    QCOMPARE(dpi.last().at(1).toInt(), 321);
    QCOMPARE(row->xLabel()->text(), QStringLiteral("X:5000"));
    QCOMPARE(row->yLabel()->text(), QStringLiteral("Y:16100"));
    QCOMPARE(row->dpiLabel()->text(), QStringLiteral("DPI : 16100"));

    // Linking shows the combined slider, which moves both axes.
    QTest::mouseClick(row->linkBox(), Qt::LeftButton, {}, QPoint(5, row->linkBox()->height() / 2));
    QVERIFY(row->slider()->combinedSlider()->isVisible());
    QCOMPARE(row->dpiLabel()->text(), QStringLiteral("DPI : 5000"));
    ConfigData linked = config;
    page.collectInto(linked, 2);
    QCOMPARE(linked.profiles[2].stages[1].y, 100u);
    row->slider()->combinedSlider()->setValue(64);

    // Every stage may be switched off; the page keeps that.
    for (int i = 0; i < 6; ++i) {
        QCheckBox *box = page.row(i)->enableBox();
        QVERIFY(box->isChecked());
        box->click();
    }
    ConfigData collected = config;
    page.collectInto(collected, 2);
    const DpiStage &stage = collected.profiles[2].stages[1];
    QCOMPARE(stage.link, quint8(1));
    QCOMPARE(stage.x, 64u);
    QCOMPARE(stage.y, 64u);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(collected.profiles[2].stages[i].used, quint8(0));
    // Nothing reaches the working copy before it is collected.
    QCOMPARE(config.profiles[2].stages[1].x, config.profiles[0].stages[1].x);
}

void TestDpiPage::currentStageHighlight()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = factoryConfig();
    config.profiles[0].dpi = 1;
    TarnDPIWindow page;
    page.show();
    page.refreshFrom(config, 0);
    QCOMPARE(textColour(page.row(1)->titleLabel()), AccentColor());
    QCOMPARE(textColour(page.row(1)->linkBox()), AccentColor());
    QCOMPARE(textColour(page.row(0)->titleLabel()), QColor(Qt::white));

    // A press anywhere in a row, even on its slider, makes that stage current.
    QTest::mousePress(page.row(3)->slider()->combinedSlider(), Qt::LeftButton);
    QCOMPARE(page.profile().dpi, quint8(3));
    QCOMPARE(textColour(page.row(3)->maximumLabel()), AccentColor());
    QCOMPARE(textColour(page.row(1)->maximumLabel()), QColor(Qt::white));

    // The keyboard: the title takes focus and Space picks the stage; the mouse's own report too.
    page.row(2)->titleLabel()->setFocus();
    QTest::keyClick(page.row(2)->titleLabel(), Qt::Key_Space);
    QCOMPARE(page.profile().dpi, quint8(2));
    page.setCurrentStage(5);
    page.setCurrentStage(9); // out of range: ignored
    ConfigData collected = config;
    page.collectInto(collected, 0);
    QCOMPARE(collected.profiles[0].dpi, quint8(5));
    QCOMPARE(textColour(page.row(5)->xLabel()), AccentColor());
}

void TestDpiPage::sleepGroupForProductsWithoutLighting()
{
    TestAppDir dir(TestAppDir::Installed);
    {
        TarnDPIWindow page;
        page.show();
        QVERIFY(!page.sleepSlider()->isVisible());
    }
    setDefinition(dir, QStringLiteral("ledDisable"), QStringLiteral("1"));
    ConfigData config = factoryConfig();
    config.profiles[3].LedMoveOFF = 255;
    TarnDPIWindow page;
    page.show();
    page.refreshFrom(config, 3);
    QVERIFY(page.sleepSlider()->isVisible());
    QVERIFY(!page.moveOffBox()->isChecked());
    QVERIFY(page.sleepSlider()->geometry().top() > page.row(5)->geometry().bottom());

    // Sleep time and move-off switch go to the slot the lighting is kept in, whose LED timing the
    // upload sends.
    const quint8 firstSleep = config.profiles[0].LedSleepTime;
    page.sleepSlider()->setValue(6);
    QCOMPARE(page.sleepValueLabel()->text(), QStringLiteral("6 MINUTE"));
    QCOMPARE(config.profiles[3].LedSleepTime, quint8(6));
    QCOMPARE(config.profiles[0].LedSleepTime, firstSleep);
    QTest::mouseClick(page.moveOffBox(), Qt::LeftButton, {}, QPoint(5, page.moveOffBox()->height() / 2));
    QCOMPARE(config.profiles[3].LedMoveOFF, quint8(0));
    page.moveOffBox()->click();
    QCOMPARE(config.profiles[3].LedMoveOFF, quint8(255));
    QCOMPARE(config.profiles[0].LedMoveOFF, quint8(0));
}

QTEST_MAIN(TestDpiPage)
#include "test_dpipage.moc"
