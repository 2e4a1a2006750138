#include "storage/KeyTable.h"

#include <QtTest>

class TestKeyTable : public QObject
{
    Q_OBJECT
private slots:
    void layoutChoice();
    void codesWithoutNamesOrUsages();
    void usagesMapBothWays();
};

void TestKeyTable::layoutChoice()
{
    QCOMPARE(KeyName(30), QStringLiteral("A"));
    QCOMPARE(KeyName(224), QStringLiteral("Num De"));
    QCOMPARE(KeyName(30, KeyLayout::French), QStringLiteral("q"));
    QCOMPARE(KeyName(224, KeyLayout::French), QStringLiteral("Num Del"));
    QCOMPARE(KeyName(3, KeyLayout::French), QString::fromUtf8("\xc3\xa9"));
    QCOMPARE(KeyName(59, KeyLayout::French), QStringLiteral("F1")); // same in both layouts
}

void TestKeyTable::codesWithoutNamesOrUsages()
{
    QList<int> unnamed = { -1, 0, 84, 85, 86, 89, 90, 243, 255, 256, 1000 };
    for (int code = 94; code <= 223; ++code)
        unnamed.append(code);
    for (int code : unnamed) {
        quint8 usage = 0x77;
        QVERIFY2(KeyName(code).isEmpty(), qPrintable(QString::number(code)));
        QVERIFY(!KeyCodeToUsage(code, usage));
        QCOMPARE(usage, quint8(0x77));
    }
    quint8 usage = 0x77;
    QCOMPARE(KeyName(240), QStringLiteral("Left Button"));
    QCOMPARE(KeyName(242), QStringLiteral("Middle Button"));
    QVERIFY(!KeyCodeToUsage(240, usage));
    QCOMPARE(usage, quint8(0x77));
}

void TestKeyTable::usagesMapBothWays()
{
    QSet<int> usages;
    int named = 0;
    for (int code = 1; code <= 242; ++code) {
        named += KeyName(code).isEmpty() ? 0 : 1;
        quint8 usage = 0;
        if (!KeyCodeToUsage(code, usage))
            continue;
        QVERIFY(!usages.contains(usage));
        usages.insert(usage);
        quint8 back = 0;
        QVERIFY(UsageToKeyCode(usage, back));
        QCOMPARE(int(back), code);
    }
    QCOMPARE(named, 107);
    QCOMPARE(usages.size(), 104);

    quint8 code = 0;
    QVERIFY(KeyCodeToUsage(30, code) && code == 0x04);
    QVERIFY(UsageToKeyCode(0xE7, code) && code == 92);
    for (int usage : { 0, 0x32, 0x64, 0x66, 0xDF, 0xE8, 0xFF, -4 }) {
        code = 0x55;
        QVERIFY(!UsageToKeyCode(usage, code));
        QCOMPARE(code, quint8(0x55));
    }
}

QTEST_GUILESS_MAIN(TestKeyTable)
#include "test_keytable.moc"
