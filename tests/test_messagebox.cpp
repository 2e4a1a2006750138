#include "TestAppDir.h"
#include "storage/Product.h"
#include "ui/widgets/MouseConnectionSource.h"
#include "ui/widgets/TarnMessageBox.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

// Stands in for the main window: a widget that knows whether a mouse is connected.
class FakeMainWindow : public QWidget, public MouseConnectionSource
{
public:
    bool mouseConnected() const override { return connected; }
    bool connected = false;
};

class FrenchButtons : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "ConfirmButtons") != 0)
            return QString();
        const QHash<QString, QString> french { { "Yes", "Oui" }, { "No", "Non" }, { "Ok", "D'accord" } };
        return french.value(QString::fromLatin1(source));
    }
    bool isEmpty() const override { return false; }
};

QToolButton *yesButton(const QDialog &box)
{
    return box.findChild<QToolButton *>("msgBoxYesBtn");
}

QToolButton *noButton(const QDialog &box)
{
    return box.findChild<QToolButton *>("msgBoxNoBtn");
}

void writeSolidPicture(const TestAppDir &dir, const QString &relative, const QColor &color)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(color);
    QDir().mkpath(dir.path() + "/skin");
    QVERIFY(image.save(dir.path() + relative));
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void buttonModes();
    void textsPassTheTranslator();
    void iconKinds();
    void waitingBoxClosesWhenMouseArrives();
};

void TestMessageBox::cleanup()
{
    SetUiScale(1.0);
}

void TestMessageBox::buttonModes()
{
    TestAppDir dir(TestAppDir::Installed);
    UseAccentColor(Product::load().accentColorIndex);
    SetUiScale(1.5);
    TarnMessageBox question(1, "Warning", "Are you sure you want delete this profile?",
                            TarnMessageBox::NoIcon);
    QCOMPARE(question.size(), QSize(717, 463));
    QCOMPARE(question.windowTitle(), QStringLiteral("Warning"));
    QVERIFY(question.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(question.findChild<QLabel *>("msgBoxInfoLabel2")->text(),
             QStringLiteral("Are you sure you want delete this profile?"));
    QVERIFY(question.findChild<QLabel *>("msgBoxInfoLabel1"));
    QCOMPARE(yesButton(question)->text(), QStringLiteral("Yes"));
    QCOMPARE(noButton(question)->text(), QStringLiteral("No"));
    QCOMPARE(yesButton(question)->font().family(), QStringLiteral("Consolas"));
    QVERIFY(yesButton(question)->styleSheet().contains("rgb(255,125,0)"));

    // Releasing a button answers the box; a question can be declined with Escape.
    question.show();
    QTest::mouseClick(noButton(question), Qt::LeftButton);
    QCOMPARE(question.result(), int(QDialog::Rejected));
    question.show();
    QTest::mouseClick(yesButton(question), Qt::LeftButton);
    QCOMPARE(question.result(), int(QDialog::Accepted));
    question.show();
    QTest::keyClick(&question, Qt::Key_Escape);
    QCOMPARE(question.result(), int(QDialog::Rejected));

    // Any mode but 1 is a notice with a single "Ok", and every way of closing it is that answer.
    for (const int mode : { 0, 2, -1 }) {
        TarnMessageBox notice(mode, "Warning", "Profile Exist!", TarnMessageBox::WarningIcon);
        QCOMPARE(yesButton(notice)->text(), QStringLiteral("Ok"));
        QVERIFY(!noButton(notice));
        notice.show();
        QTest::keyClick(&notice, Qt::Key_Escape);
        QCOMPARE(notice.result(), int(QDialog::Accepted));
        QVERIFY(!notice.closedByPlugIn());
    }
}

void TestMessageBox::textsPassTheTranslator()
{
    TestAppDir dir(TestAppDir::Installed);
    FrenchButtons french;
    QCoreApplication::installTranslator(&french);
    TarnMessageBox question(1, "Warning", "Question", TarnMessageBox::NoIcon);
    TarnMessageBox notice(0, "Warning", "Notice", TarnMessageBox::NoIcon);
    QCoreApplication::removeTranslator(&french);
    QCOMPARE(yesButton(question)->text(), QStringLiteral("Oui"));
    QCOMPARE(noButton(question)->text(), QStringLiteral("Non"));
    QCOMPARE(yesButton(notice)->text(), QStringLiteral("D'accord"));
}

void TestMessageBox::iconKinds()
{
    TestAppDir dir(TestAppDir::Installed);
    writeSolidPicture(dir, "/skin/dongle2.png", Qt::red);
    writeSolidPicture(dir, "/skin/warn.png", Qt::green);
    const auto iconColor = [](int kind) {
        TarnMessageBox box(0, "Warning", "Dongle Disconnect!", kind);
        const QLabel *icon = box.findChild<QLabel *>("msgBoxIconLabel");
        if (icon->isHidden() || icon->pixmap(Qt::ReturnByValue).isNull())
            return QColor();
        return icon->pixmap(Qt::ReturnByValue).toImage().pixelColor(2, 2);
    };
    QCOMPARE(iconColor(TarnMessageBox::DongleIcon), QColor(Qt::red));
    QCOMPARE(iconColor(TarnMessageBox::WarningIcon), QColor(Qt::green));
    QCOMPARE(iconColor(TarnMessageBox::NoIcon), QColor());
    QCOMPARE(iconColor(42), QColor());
}

void TestMessageBox::waitingBoxClosesWhenMouseArrives()
{
    TestAppDir dir(TestAppDir::Installed);
    FakeMainWindow window;
    // The source may be any ancestor of the box's parent.
    QWidget page(&window);
    TarnMessageBox box(0, "Warning", "Dongle Disconnect!", TarnMessageBox::DongleIcon, &page, true);
    TarnMessageBox ordinary(0, "Warning", "Dongle Disconnect!", TarnMessageBox::DongleIcon, &page, false);
    QSignalSpy accepted(&box, &QDialog::accepted);
    QSignalSpy ordinaryAccepted(&ordinary, &QDialog::accepted);
    box.open();
    ordinary.open();

    // No mouse: the box waits for the user.
    QTest::qWait(350);
    QVERIFY(box.isVisible());
    QCOMPARE(accepted.count(), 0);

    window.connected = true;
    QElapsedTimer sinceConnected;
    sinceConnected.start();
    QTRY_COMPARE_WITH_TIMEOUT(accepted.count(), 1, 2000);
    QVERIFY2(sinceConnected.elapsed() < 1000, "closed long after the mouse came back");
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(box.closedByPlugIn());
    QVERIFY(!box.isVisible());

    // Only the waiting variant closes itself, and only while it is showing.
    TarnMessageBox notShown(0, "Warning", "Dongle Disconnect!", TarnMessageBox::DongleIcon, &page, true);
    QSignalSpy notShownAccepted(&notShown, &QDialog::accepted);
    QTest::qWait(250);
    QCOMPARE(ordinaryAccepted.count(), 0);
    QVERIFY(ordinary.isVisible());
    QCOMPARE(notShownAccepted.count(), 0);
    QCOMPARE(accepted.count(), 1);

    // Without anyone to ask, a waiting box stays open until answered.
    TarnMessageBox orphan(0, "Warning", "Dongle Disconnect!", TarnMessageBox::DongleIcon, nullptr, true);
    orphan.open();
    QTest::qWait(250);
    QVERIFY(orphan.isVisible());
    QTest::mouseClick(yesButton(orphan), Qt::LeftButton);
    QCOMPARE(orphan.result(), int(QDialog::Accepted));
    QVERIFY(!orphan.closedByPlugIn());
}

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
