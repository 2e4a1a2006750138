#include "TestAppDir.h"
#include "storage/Product.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/FontFallback.h"
#include "ui/widgets/ScaledPictureCache.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/Theme.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QSettings>
#include <QTextLayout>
#include <QWidget>

#include <QtTest>

class TestTheme : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void placementAndRescaling();
    void fontRule();
    void cjkFallback_data();
    void cjkFallback();
    void accentTable();
    void dialogFrame();
    void skinPictures_data();
    void skinPictures();
    void keptPictures_data();
    void keptPictures();
    void keptPicturesStayFew();
};

void TestTheme::cleanup()
{
    SetUiScale(1.0);
    SetCurrentLanguage(0, {});
}

void TestTheme::placementAndRescaling()
{
    SetUiScale(1.5);
    QCOMPARE(ScaledRect(10, 20, 101, 33), QRect(15, 30, 151, 49));
    QWidget parent;
    auto *child = new QWidget(&parent);
    PlaceWidget(child, 10, 20, 101, 33);
    QCOMPARE(child->geometry(), QRect(15, 30, 151, 49));
    // Rescaling truncates each product again, from the current geometry.
    RescaleWidget(child, 1.25);
    QCOMPARE(child->geometry(), QRect(18, 37, 188, 61));

    SetUiScale(5.0);
    QCOMPARE(Scaled(478), 2390);
}

void TestTheme::fontRule()
{
    TestAppDir dir(TestAppDir::Installed);
    SetUiScale(1.25);
    SetCurrentLanguage(0, Product::load().languageFont(0));
    QFont font = CurrentLanguageFont();
    QCOMPARE(font.pixelSize(), 16);
    QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));

    // The language number picks the keys; a change shows on the next font built.
    QSettings settings(dir.path() + "/Configs/Config.ini", QSettings::IniFormat);
    settings.setValue("FONT_LIST/FONT_2", "DejaVu Serif");
    settings.setValue("FONT_LIST/FONT_SIZE_2", 20);
    settings.sync();
    SetCurrentLanguage(2, Product::load().languageFont(2));
    font = CurrentLanguageFont();
    QCOMPARE(font.pixelSize(), 25);
    QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));

    // A language without font keys keeps a usable default instead of a zero-sized font.
    SetCurrentLanguage(12, Product::load().languageFont(12));
    QVERIFY(CurrentLanguageFont().pixelSize() > 0 || CurrentLanguageFont().pointSizeF() > 0);

    QCOMPARE(ScaledFont("Consolas", 14).pixelSize(), 17);
}

void TestTheme::cjkFallback_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("hanFace");
    QTest::addColumn<int>("pixelSize");
    const QString skin = QStringLiteral("DejaVu Sans");
    QTest::newRow("Japanese after Chinese") << skin << "mousecfg_zh_CN"
                                            << "mousecfg_ja"
                                            << "Noto Sans CJK JP" << 13;
    QTest::newRow("Chinese after Japanese") << skin << "mousecfg_ja"
                                            << "mousecfg_zh_CN"
                                            << "Noto Sans CJK SC" << 13;
    // A profile named in Chinese while the window speaks French.
    QTest::newRow("French") << skin << "mousecfg_ja"
                            << "mousecfg_fr"
                            << "Noto Sans CJK SC" << 13;
    // The application's font where no desktop theme names a face: a generic name, which must keep
    // drawing Latin in the face it stands for rather than in the first CJK face.
    // (Each at a size of its own: Qt keeps a resolved font with its fallbacks for the program's life.)
    QTest::newRow("generic name, English") << "Sans Serif"
                                           << "mousecfg_en"
                                           << "mousecfg_en"
                                           << "Noto Sans CJK SC" << 14;
    QTest::newRow("generic name, Japanese") << "Sans Serif"
                                            << "mousecfg_zh_CN"
                                            << "mousecfg_ja"
                                            << "Noto Sans CJK JP" << 15;
}

void TestTheme::cjkFallback()
{
    QFETCH(QString, family);
    QFETCH(QString, before);
    QFETCH(QString, file);
    QFETCH(QString, hanFace);
    QFETCH(int, pixelSize);
    if (!QFontDatabase().families().contains(hanFace))
        QSKIP("the Noto CJK fonts are not installed (scripts/install-deps.sh installs them)");
    QFont::removeSubstitutions(family);
    // Asked at another size, so that the text below finds no font Qt has already resolved.
    QFont probe(family);
    probe.setPixelSize(29);
    const QString latinFace = QFontInfo(probe).family();
    if (latinFace.contains(QLatin1String("CJK")))
        QSKIP("this machine's default face is a CJK one");
    InstallFontFallback({ family }, LanguageCodeOfFile(before));
    InstallFontFallback({ family }, LanguageCodeOfFile(file));
    const auto restore = qScopeGuard([&] { QFont::removeSubstitutions(family); });

    // Latin letters stay in the family's face; the Han characters come from the language's own.
    QFont font(family);
    font.setPixelSize(pixelSize);
    QTextLayout layout(QString::fromUtf8("DPI \xe8\xaa\x9e"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        for (const QString &face : run.rawFont().familyName().split(QLatin1Char(',')))
            faces << face.toLower();
    }
    QVERIFY2(faces.contains(hanFace.toLower()), qPrintable(faces.join(QStringLiteral("; "))));
    QVERIFY2(faces.contains(latinFace.toLower()), qPrintable(faces.join(QStringLiteral("; "))));
    QVERIFY(QFontMetrics(font).inFontUcs4(0x8a9e));
}

void TestTheme::accentTable()
{
    TestAppDir dir;
    UseAccentColor(Product::load().accentColorIndex);
    QCOMPARE(AccentColor(), QColor(255, 0, 0));

    const QString file = dir.path() + "/Configs/Config.ini";
    const auto accentFor = [&file](const QVariant &index) {
        QSettings(file, QSettings::IniFormat).setValue("Config/GColorID", index);
        UseAccentColor(Product::load().accentColorIndex);
        return AccentColor();
    };
    QCOMPARE(accentFor(1), QColor(0, 255, 0));
    QCOMPARE(accentFor(3), QColor(219, 200, 182));
    QCOMPARE(accentFor(6), QColor(255, 125, 0));
    QCOMPARE(AccentColorCss(), QStringLiteral("rgb(255,125,0)"));
    // Outside the seven entries, or not a number: the first entry.
    QCOMPARE(accentFor(7), QColor(255, 0, 0));
    QCOMPARE(accentFor(-1), QColor(255, 0, 0));
    QCOMPARE(accentFor("orange"), QColor(255, 0, 0));
}

void TestTheme::dialogFrame()
{
    TestAppDir dir(TestAppDir::Installed);
    QImage blue(4, 4, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(QDir().mkpath(dir.path() + "/skin") && blue.save(dir.path() + "/skin/blue.png"));
    UseAccentColor(Product::load().accentColorIndex);
    const QColor accent(255, 125, 0);
    const auto paint = [](const QString &picture) {
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        SkinPicture background(picture);
        PaintDialogFrame(painter, image.rect(), background);
        return image;
    };

    QImage image = paint("/missing.png");
    // The frame covers the second and third pixel from every edge, nothing else.
    for (const QPoint &p :
         { QPoint(1, 1), QPoint(2, 15), QPoint(38, 15), QPoint(37, 15), QPoint(20, 28), QPoint(20, 27) })
        QCOMPARE(image.pixelColor(p), accent);
    for (const QPoint &p :
         { QPoint(0, 0), QPoint(3, 15), QPoint(39, 15), QPoint(36, 15), QPoint(20, 29), QPoint(20, 26) })
        QCOMPARE(image.pixelColor(p), QColor(30, 30, 30));

    // The background picture is stretched over the whole dialog under the frame.
    image = paint("/blue.png");
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(39, 29), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(20, 15), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(2, 2), accent);
}

void TestTheme::skinPictures_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("pixels");
    // The file is 200 x 100 pixels.
    QTest::newRow("smaller than the file")
        << QSize(40, 20) << 1.0 << int(Qt::IgnoreAspectRatio) << QSize(40, 20);
    QTest::newRow("stretched") << QSize(30, 30) << 1.0 << int(Qt::IgnoreAspectRatio) << QSize(30, 30);
    QTest::newRow("aspect kept") << QSize(30, 30) << 1.0 << int(Qt::KeepAspectRatio) << QSize(30, 15);
    QTest::newRow("two pixels a point")
        << QSize(40, 20) << 2.0 << int(Qt::IgnoreAspectRatio) << QSize(80, 40);
    QTest::newRow("larger than the file")
        << QSize(400, 200) << 1.0 << int(Qt::IgnoreAspectRatio) << QSize(400, 200);
    QTest::newRow("nothing to draw") << QSize(0, 20) << 1.0 << int(Qt::IgnoreAspectRatio) << QSize(0, 0);
}

void TestTheme::skinPictures()
{
    QFETCH(QSize, asked);
    QFETCH(qreal, ratio);
    QFETCH(int, mode);
    QFETCH(QSize, pixels);
    TestAppDir dir(TestAppDir::Installed);
    QImage file(200, 100, QImage::Format_ARGB32);
    file.fill(Qt::red);
    QVERIFY(QDir().mkpath(dir.path() + "/skin") && file.save(dir.path() + "/skin/plate.png"));

    // Decoded at the size drawn, not the file's, and one copy for every widget drawing it so.
    SkinPicture first("/plate.png"), second("/plate.png");
    QVERIFY(!first.isNull());
    const QPixmap shown = first.at(asked, ratio, Qt::AspectRatioMode(mode));
    QCOMPARE(shown.size(), pixels);
    if (!pixels.isEmpty()) {
        QCOMPARE(shown.devicePixelRatio(), ratio);
        QCOMPARE(shown.toImage().pixelColor(pixels.width() / 2, pixels.height() / 2), QColor(Qt::red));
        QCOMPARE(second.at(asked, ratio, Qt::AspectRatioMode(mode)).cacheKey(), shown.cacheKey());
    }
    // A picture the skin lacks is null at every size; its widget paints its plain look.
    SkinPicture missing("/none.png");
    QVERIFY(missing.isNull());
    QVERIFY(missing.at(asked, ratio).isNull());
}

void TestTheme::keptPictures_data()
{
    QTest::addColumn<QString>("change"); // what happens between two starts
    QTest::addColumn<QColor>("shown");
    QTest::newRow("nothing") << "" << QColor(Qt::red);
    QTest::newRow("skin file replaced") << "replace" << QColor(Qt::blue);
    QTest::newRow("kept copy cut short") << "cut" << QColor(Qt::red);
    QTest::newRow("kept copy overwritten") << "overwrite" << QColor(Qt::red);
}

void TestTheme::keptPictures()
{
    QFETCH(QString, change);
    QFETCH(QColor, shown);
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    const auto restore = qScopeGuard([] { qunsetenv("XDG_CACHE_HOME"); });
    TestAppDir dir;
    QVERIFY(QDir().mkpath(dir.path() + "/skin"));
    // Large enough to be kept decoded: 600 x 600 pixels.
    const QString path = dir.path() + "/skin/back.png";
    QImage file(600, 600, QImage::Format_ARGB32);
    file.fill(Qt::red);
    QVERIFY(file.save(path));
    const QSize pixels(150, 100);

    const QImage decoded = ReadScaledPicture(path, pixels);
    QCOMPARE(decoded.size(), pixels);
    const QStringList entries = QDir(ScaledPictureCache::defaultFolder()).entryList(QDir::Files);
    QCOMPARE(entries.size(), 1);
    const QString entry = ScaledPictureCache::defaultFolder() + "/" + entries.first();

    if (change == "replace") {
        file.fill(Qt::blue);
        QVERIFY(file.save(path));
        QFile replaced(path);
        QVERIFY(replaced.open(QIODevice::ReadWrite));
        QVERIFY(
            replaced.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    } else if (change == "cut") {
        QFile kept(entry);
        QVERIFY(kept.resize(kept.size() / 2));
    } else if (change == "overwrite") {
        QFile kept(entry);
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("not a picture") > 0);
    }

    // The next start shows the file as it is, from the kept copy when that is whole and current.
    const QImage next = ReadScaledPicture(path, pixels);
    QCOMPARE(next.size(), pixels);
    QCOMPARE(next.pixelColor(75, 50), shown);
    if (change.isEmpty())
        QCOMPARE(next, decoded);
    // And what is kept now is whole again.
    QCOMPARE(ScaledPictureCache().find(path, pixels), next);
    // Another size is never served from this one's copy.
    QVERIFY(ScaledPictureCache().find(path, QSize(151, 100)).isNull());
}

void TestTheme::keptPicturesStayFew()
{
    // Every scale and every replaced skin file leaves an entry; the folder must not fill the disk.
    QTemporaryDir folder;
    TestAppDir dir;
    const QString source = dir.path() + "/back.png";
    QImage file(8, 8, QImage::Format_ARGB32);
    file.fill(Qt::red);
    QVERIFY(file.save(source));
    const ScaledPictureCache cache(folder.path());
    for (int width = 1; width <= 40; ++width) {
        QImage picture(width, 3, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(cache.keep(source, picture));
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 32);
    QVERIFY(!cache.find(source, QSize(40, 3)).isNull());
}

QTEST_MAIN(TestTheme)
#include "test_theme.moc"
