#include "storage/Product.h"
#include "TestAppDir.h"
#include "storage/ProductDefinition.h"

#include <QtTest>

class TestProductDefinition : public QObject
{
    Q_OBJECT
private slots:
    void missingFileGivesDefaults();
    void countsAreXoredAndButtonsCut();
    void garbageAndHugeValues();
    void demoProductTemplate();
};

void TestProductDefinition::missingFileGivesDefaults()
{
    TestAppDir dir;
    QCOMPARE(ProductName(), QString());
    QCOMPARE(Product::load().buttonCount, 0);
    QCOMPARE(DpiStageCount(), 0);
    QCOMPARE(ShowSleep(), 1);
    QCOMPARE(MinDelay(), 10);
    QCOMPARE(Product::load().french, -1);
    const Product product = Product::load();
    const int vid1 = product.receiverVid, pid1 = product.receiverPid;
    const int vid2 = product.cableVid, pid2 = product.cablePid;
    QCOMPARE(vid1, 0x248A);
    QCOMPARE(pid1, 0xFA02);
    QCOMPARE(vid2, 0x248A);
    QCOMPARE(pid2, 0xFB01);
    int min, max;
    SleepRange(min, max);
    QCOMPARE(min, 1);
    QCOMPARE(max, 9);

    // The table readers leave their outputs alone without a file.
    quint8 sensor[7] = { 9, 9, 9, 9, 9, 9, 9 };
    QCOMPARE(SensorDefaults(sensor), -1);
    QCOMPARE(sensor[2], quint8(9));
    qint8 matrix[ButtonMatrixSize] = { 7 };
    QCOMPARE(LoadButtonMatrix(matrix), -1);
    QCOMPARE(LoadButtonMatrix2(matrix), -1);
    QCOMPARE(matrix[0], qint8(7));
    ProfileTemplate tpl;
    tpl.dpi = 5;
    QCOMPARE(LoadProfileTemplate(tpl), -1);
    QCOMPARE(tpl.dpi, quint8(5));
}

void TestProductDefinition::countsAreXoredAndButtonsCut()
{
    TestAppDir dir;
    dir.writeFile("DefaultProfile.bin",
                  "[PROFILE]\nButtonCount=16\nMouseDpi=0\nDPICount=3\n"
                  "BUTTON_INFO_2_Matrix2=-1\nBUTTON_INFO_0_Matrix=300\n");
    QCOMPARE(Product::load().buttonCount, 16);
    QCOMPARE(DpiStageCount(), 19);
    qint8 matrix2[ButtonMatrixSize];
    QCOMPARE(LoadButtonMatrix2(matrix2), 16);
    QCOMPARE(matrix2[2], qint8(-1));
    QCOMPARE(matrix2[3], qint8(0)); // a missing entry is a shown position
    qint8 matrix[ButtonMatrixSize];
    QCOMPARE(LoadButtonMatrix(matrix), 0);
    QCOMPARE(matrix[0], qint8(300 & 0xFF)); // stored into a signed byte

    // 16 ^ 3 = 19 buttons would index past the 16-entry tables.
    dir.writeFile("DefaultProfile.bin", "[PROFILE]\nButtonCount=16\nMouseDpi=3\nDPICount=2\n");
    QCOMPARE(Product::load().buttonCount, 16);
    QCOMPARE(DpiStageCount(), 17);
    dir.writeFile("DefaultProfile.bin", "[PROFILE]\nButtonCount=-5\n");
    QCOMPARE(Product::load().buttonCount, 0);
}

void TestProductDefinition::garbageAndHugeValues()
{
    TestAppDir dir;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) & 0xFF));
    dir.writeFile("DefaultProfile.bin", garbage);
    QCOMPARE(ShowSleep(), 1);
    QCOMPARE(Product::load().buttonCount, 0);

    const QString path = dir.writeFile("DefaultProfile.bin",
                                       "[PROFILE]\nMinDelay=0\nSleepMin=-4\nSleepMax=99999999999\n"
                                       "vid1=-1\npid1=70000\nbutondelay=1000\nButtonCount=abc\n");
    QCOMPARE(MinDelay(), 1);
    int min, max;
    SleepRange(min, max);
    QCOMPARE(min, 0);
    QCOMPARE(max, 255);
    const Product product = Product::load();
    const int vid1 = product.receiverVid, pid1 = product.receiverPid;
    QCOMPARE(vid1, 0);
    QCOMPARE(pid1, 0xFFFF);
    quint8 sensor[7];
    QCOMPARE(SensorDefaults(sensor), 0);
    QCOMPARE(sensor[2], quint8(1000 & 0xFF));
    QCOMPARE(sensor[5], quint8(1)); // sensormode default
    QCOMPARE(Product::load().buttonCount, 0);

    // Reading never writes the product definition.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("[PROFILE]\nMinDelay=0"));
}

void TestProductDefinition::demoProductTemplate()
{
    TestAppDir dir(TestAppDir::Installed);
    QCOMPARE(ProductName(), QStringLiteral("SKYLARK"));
    QCOMPARE(Product::load().buttonCount, 7);
    QCOMPARE(DpiStageCount(), 6);
    ProfileTemplate tpl;
    QCOMPARE(LoadProfileTemplate(tpl), 0);
    QCOMPARE(tpl.dpi, quint8(1));
    QCOMPARE(tpl.stageXY[7], 400);
    QCOMPARE(tpl.buttons[5].Fun, 48);
    QCOMPARE(tpl.buttons[15].ID, 15);
    QCOMPARE(tpl.ledModes[0].RGB, QColor(255, 125, 0));
    QCOMPARE(tpl.ledModes[13].bright, 3);
    qint8 matrix2[ButtonMatrixSize];
    QCOMPARE(LoadButtonMatrix2(matrix2), 7);
    QCOMPARE(matrix2[7], qint8(-1));
}

QTEST_GUILESS_MAIN(TestProductDefinition)
#include "test_productdefinition.moc"
