#include "TestAppDir.h"
#include "ui/pages/ColorChooser.h"
#include "ui/pages/ColorRules.h"
#include "ui/pages/DefaultColorArea.h"
#include "ui/pages/HColorArea.h"
#include "ui/pages/PreviewColorArea.h"
#include "ui/pages/SVColorArea.h"
#include "ui/pages/TarnColorArea.h"
#include "ui/widgets/Theme.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// The colour dialog driven through its own controls.
class TestColorDialog : public QObject
{
    Q_OBJECT
private slots:
    void hexTyping();
    void presetSignals();
    void hueAndSaturationBoxes();
    void squareAndStrip();
    void confirmAndCancel();
};

namespace {

QColor boxes(const TarnColorArea &dialog)
{
    return QColor(dialog.redBox()->value(), dialog.greenBox()->value(), dialog.blueBox()->value());
}

void typeHex(TarnColorArea &dialog, const QString &text)
{
    dialog.hexField()->setFocus();
    dialog.hexField()->selectAll();
    QTest::keyClick(dialog.hexField(), Qt::Key_Backspace);
    QTest::keyClicks(dialog.hexField(), text);
}

} // namespace

void TestColorDialog::hexTyping()
{
    QCOMPARE(FinishedHexText(""), QStringLiteral("000000"));
    QCOMPARE(FinishedHexText("7"), QStringLiteral("000007"));
    QCOMPARE(FinishedHexText("abcd"), QStringLiteral("00abcd"));
    QColor colour;
    QVERIFY(!ColourFromTypedHex("", &colour));
    QVERIFY(!ColourFromTypedHex("1234567", &colour));
    QVERIFY(ColourFromTypedHex("1g", &colour)); // an invalid digit reads its part as 0
    QCOMPARE(colour, QColor(0, 0, 0));

    TestAppDir dir(TestAppDir::Installed);
    TarnColorArea dialog(nullptr, QColor(50, 60, 70));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeHex(dialog, "f0");
    QCOMPARE(dialog.color(), QColor(0, 0, 240));
    QCOMPARE(boxes(dialog), QColor(0, 0, 240));
    QCOMPARE(dialog.hexField()->text(), QStringLiteral("f0")); // not rewritten while typing
    typeHex(dialog, "12345");
    QCOMPARE(dialog.color(), QColor(1, 35, 69));
    typeHex(dialog, "f80");
    QCOMPARE(dialog.color(), QColor(255, 136, 0));
    QCOMPARE(dialog.hueBox()->value(), 32);
    QCOMPARE(dialog.preview()->color(), QColor(255, 136, 0));
    QTest::keyClick(dialog.hexField(), Qt::Key_Return);
    QCOMPARE(dialog.hexField()->text(), QStringLiteral("ff8800"));
    QCOMPARE(dialog.color(), QColor(255, 136, 0));
    // Once typing is over, other edits rewrite the field again.
    dialog.redBox()->setValue(0);
    QCOMPARE(dialog.hexField()->text(), QStringLiteral("008800"));
    QTest::keyClicks(dialog.hexField(), "z");
    QCOMPARE(dialog.hexField()->text(), QStringLiteral("008800"));
}

void TestColorDialog::presetSignals()
{
    TestAppDir dir(TestAppDir::Installed);
    for (const QColor &start : { QColor(255, 0, 0), QColor(255, 255, 255) }) {
        TarnColorArea dialog(nullptr, start);
        QSignalSpy changes(&dialog, &TarnColorArea::TarnChangeColor);
        QSignalSpy applies(&dialog, &TarnColorArea::ApplyColor);
        QTest::mouseClick(dialog.preset(1), Qt::LeftButton);
        QCOMPARE(boxes(dialog), QColor(0, 255, 0));
        QCOMPARE(changes.count(), 2);
        QCOMPARE(applies.count(), 2);
        QCOMPARE(changes.last().at(0).value<QColor>(), QColor(0, 255, 0));
        QCOMPARE(dialog.hueBox()->value(), 120);
        QCOMPARE(dialog.hexField()->text(), QStringLiteral("00ff00"));
    }
}

void TestColorDialog::hueAndSaturationBoxes()
{
    TestAppDir dir(TestAppDir::Installed);
    TarnColorArea dialog(nullptr, QColor(0, 0, 255));
    dialog.saturationBox()->setValue(255);
    dialog.valueBox()->setValue(255);
    dialog.hueBox()->setValue(0);
    const QColor atZero = dialog.color();
    dialog.hueBox()->setValue(360);
    QCOMPARE(dialog.color(), atZero);
    QCOMPARE(atZero, QColor(255, 0, 0));

    // A grey keeps the hue it was given.
    dialog.hueBox()->setValue(200);
    dialog.saturationBox()->setValue(0);
    QCOMPARE(boxes(dialog), QColor(255, 255, 255));
    QCOMPARE(dialog.hueBox()->value(), 200);
    dialog.saturationBox()->setValue(255);
    QCOMPARE(dialog.color().hsvHue(), 200);
    QCOMPARE(dialog.color().spec(), QColor::Rgb); // profile files store the colour as given

    QSignalSpy applies(&dialog, &TarnColorArea::ApplyColor);
    QSignalSpy changes(&dialog, &TarnColorArea::TarnChangeColor);
    dialog.greenBox()->setValue(10);
    QCOMPARE(applies.count(), 1);
    QCOMPARE(changes.count(), 1);
}

void TestColorDialog::squareAndStrip()
{
    TestAppDir dir(TestAppDir::Installed);
    for (double scale : { 1.0, 2.0 }) {
        SetUiScale(scale);
        TarnColorArea dialog(nullptr, QColor(255, 0, 0));
        dialog.show();
        SVColorArea *square = dialog.square();
        const int m = square->margin();
        const int side = square->side();
        QCOMPARE(side, int(128 * scale));
        // Full saturation and value: the marker sits in the top-right corner.
        QCOMPARE(square->point(), QPoint(side, side));

        QSignalSpy applies(&dialog, &TarnColorArea::ApplyColor);
        QTest::mousePress(square, Qt::LeftButton, {}, QPoint(m + side + 40, m + side + 40));
        QCOMPARE(dialog.saturationBox()->value(), 255);
        QCOMPARE(dialog.valueBox()->value(), 0);
        QCOMPARE(boxes(dialog), QColor(0, 0, 0));
        QTest::mouseRelease(square, Qt::LeftButton, {}, QPoint(m + side + 40, m + side + 40));
        QCOMPARE(applies.count(), 1);
        QTest::mousePress(square, Qt::LeftButton, {}, QPoint(m - 30, m - 30));
        QCOMPARE(dialog.color(), QColor(255, 255, 255));

        // The strip: the top is hue 360, taken as 0; halfway down is cyan.
        QTest::mousePress(square, Qt::LeftButton, {}, QPoint(m + side, m));
        HColorArea *strip = dialog.hueStrip();
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(3, HColorArea::TopMargin + side / 2));
        QCOMPARE(dialog.hueBox()->value(), 180);
        QCOMPARE(dialog.color(), QColor(0, 255, 255));
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(3, -20));
        QCOMPARE(dialog.hueBox()->value(), 0);
        QCOMPARE(dialog.color(), QColor(255, 0, 0));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(3, -20));
        QCOMPARE(applies.count(), 2);
    }
    SetUiScale(1.0);
}

void TestColorDialog::confirmAndCancel()
{
    TestAppDir dir(TestAppDir::Installed);
    // The real dialog through the chooser the lighting page uses: edits, then Cancel or APPLY.
    for (bool confirm : { false, true }) {
        QColor colour(10, 20, 30);
        bool changed = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<TarnColorArea *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QObject::connect(dialog, &TarnColorArea::TarnChangeColor, [&] { changed = true; });
            QTest::mouseClick(dialog->preset(4), Qt::LeftButton);
            QTest::mouseClick(confirm ? dialog->applyButton() : dialog->cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(ChooseColor(nullptr, colour), confirm);
        QVERIFY(changed);
        QCOMPARE(colour, confirm ? QColor(255, 255, 0) : QColor(10, 20, 30));
    }
}

QTEST_MAIN(TestColorDialog)
#include "test_colordialog.moc"
