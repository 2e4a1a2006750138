#include "SkinGenerator.h"
#include "ui/widgets/FileIconEngine.h"
#include "ui/widgets/Theme.h"

#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QMovie>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

class TestSkin : public QObject
{
    Q_OBJECT
private slots:
    void everyNamedPictureLoads();
    void mainBackgroundGivesTheWindowItsOutline();
    void compiledInPictures();
    void iconReadOnDemandMatchesLoadedIcon_data();
    void iconReadOnDemandMatchesLoadedIcon();
    void iconOfMissingFileIsNull();
};

void TestSkin::everyNamedPictureLoads()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY2(WriteImages(SkinImages("SKYLARK"), dir.path(), &error), qPrintable(error));

    // The pictures the program loads by name from its skin folder.
    const QStringList names = { "cfgMainback.png",
                                "bat1.png",
                                "bat2.png",
                                "dlg.png",
                                "dlg_gun.png",
                                "process.png",
                                "warn.png",
                                "dongle.png",
                                "dongle2.png",
                                "lightning.png",
                                "mouselogo.png",
                                "rate.png",
                                "close-1.png",
                                "close-2.png",
                                "close-3.png",
                                "min-1.png",
                                "min-2.png",
                                "min-3.png",
                                "btn_up1.png",
                                "btn_up2.png",
                                "btn_up3.png",
                                "btn_up4.png",
                                "btn_down1.png",
                                "btn_down2.png",
                                "btn_down3.png",
                                "btn_down4.png",
                                "checkbox1-1.png",
                                "checkbox1-2.png",
                                "keybo.png",
                                "keydown.png",
                                "keyup.png",
                                "mouse_move.png",
                                "gunset_slider.png",
                                "gunset_bullet.png",
                                "profile_apps-1.png",
                                "profile_apps-2.png",
                                "profile_apps-3.png",
                                "icon.ico",
                                "icon.png",
                                "mouse/SKYLARKMouse.png",
                                "mouse/SKYLARK_Side.png" };
    for (const QString &name : names) {
        QImageReader reader(dir.path() + "/" + name);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
        // Nothing is blank: every picture paints something visible.
        QImage blank(image.size(), QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        QVERIFY2(image.convertToFormat(QImage::Format_ARGB32) != blank, qPrintable(name));
    }

    // Pictures are painted well above their design size so that large scales stay sharp, and keep
    // their design proportions so that stretching them does not distort them.
    const QImage background(dir.path() + "/cfgMainback.png");
    QVERIFY(background.width() >= 999 * 3);
    QCOMPARE(background.width() * 640, background.height() * 999);
    QVERIFY(QImage(dir.path() + "/dlg.png").width() >= 478 * 3);
    QVERIFY(QImage(dir.path() + "/bat1.png").width() >= 86 * 5);
    QCOMPARE(QImage(dir.path() + "/bat1.png").width() * 47, QImage(dir.path() + "/bat1.png").height() * 86);
}

void TestSkin::mainBackgroundGivesTheWindowItsOutline()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(WriteImages(SkinImages("SKYLARK"), dir.path(), &error));
    const QPixmap background(dir.path() + "/cfgMainback.png");
    const QPixmap scaled = background.scaled(999, 640, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Rounded corners fall outside the window; the inside is all window.
    const QImage alpha = scaled.toImage();
    QCOMPARE(qAlpha(alpha.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(alpha.pixel(998, 639)), 0);
    QCOMPARE(qAlpha(alpha.pixel(499, 320)), 255);
    QCOMPARE(qAlpha(alpha.pixel(499, 0)), 255);
    QCOMPARE(qAlpha(alpha.pixel(0, 320)), 255);
}

void TestSkin::compiledInPictures()
{
    // Any use of the theme brings the library's compiled-in pictures along.
    QCOMPARE(UiScale(), 1.0);
    QVERIFY(!QPixmap(":/yes_Btn").isNull());
    QVERIFY(!QPixmap(":/no_Btn").isNull());
    QMovie spinner(":/skin/loading.gif");
    QVERIFY(spinner.isValid());
    QVERIFY(spinner.frameCount() > 1);
    QVERIFY(spinner.jumpToFrame(0));
    const QImage frame = spinner.currentImage();
    QCOMPARE(frame.size(), QSize(128, 128));
    // Transparent around the spinner, so the progress dialog's own background shows.
    QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(frame.pixel(64, 64)), 0);
}

void TestSkin::iconReadOnDemandMatchesLoadedIcon_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<int>("mode");

    const QSize square(256, 256);
    const QSize wide(64, 40);
    QTest::newRow("tray size") << square << QSize(22, 22) << int(QIcon::Normal);
    QTest::newRow("own size") << square << square << int(QIcon::Normal);
    QTest::newRow("larger than the picture") << square << QSize(300, 300) << int(QIcon::Normal);
    QTest::newRow("not square") << square << QSize(48, 20) << int(QIcon::Normal);
    QTest::newRow("disabled") << square << QSize(32, 32) << int(QIcon::Disabled);
    QTest::newRow("selected") << square << QSize(32, 32) << int(QIcon::Selected);
    QTest::newRow("active") << square << QSize(32, 32) << int(QIcon::Active);
    QTest::newRow("wide picture, square box") << wide << QSize(32, 32) << int(QIcon::Normal);
    QTest::newRow("wide picture, own size") << wide << wide << int(QIcon::Disabled);
}

void TestSkin::iconReadOnDemandMatchesLoadedIcon()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, asked);
    QFETCH(int, mode);

    // A picture with colour, gradients and transparency, so that scaling and the modes show.
    QImage image(picture, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, picture.width(), picture.height());
    gradient.setColorAt(0, QColor(255, 40, 0));
    gradient.setColorAt(1, QColor(0, 90, 255, 128));
    painter.setBrush(gradient);
    painter.drawEllipse(QRect(QPoint(0, 0), picture).adjusted(2, 2, -2, -2));
    painter.end();
    QTemporaryDir dir;
    const QString file = dir.filePath("icon.png");
    QVERIFY(image.save(file));

    const QIcon loaded(file);
    const QIcon onDemand = FileIconEngine::icon(file);
    QVERIFY(!onDemand.isNull());
    QCOMPARE(onDemand.availableSizes(), loaded.availableSizes());
    const auto iconMode = QIcon::Mode(mode);
    QCOMPARE(onDemand.actualSize(asked, iconMode), loaded.actualSize(asked, iconMode));
    const QImage expected = loaded.pixmap(asked, iconMode).toImage();
    const QImage drawn = onDemand.pixmap(asked, iconMode).toImage();
    QCOMPARE(drawn.size(), expected.size());
    QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
}

void TestSkin::iconOfMissingFileIsNull()
{
    const QIcon icon = FileIconEngine::icon(QStringLiteral("/nonexistent/icon.ico"));
    QVERIFY(icon.isNull());
    QVERIFY(icon.availableSizes().isEmpty());
    QVERIFY(icon.pixmap(32).isNull());
}

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
