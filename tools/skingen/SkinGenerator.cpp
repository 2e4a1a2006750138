#include "SkinGenerator.h"

#include "SkinPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

namespace {

// Backgrounds get fewer pixels per unit than small pictures: every window and dialog loads its
// background when it opens, and decoding time grows with the pixel count.
constexpr int BackgroundFactor = 3;
constexpr int PictureFactor = 5;

SkinImage Image(const QString &file, int width, int height, int factor, const SkinPainter &paint)
{
    return SkinImage { file, QSize(width, height), factor, paint, QColor() };
}

SkinImage Picture(const QString &file, int width, int height, const SkinPainter &paint)
{
    return Image(file, width, height, PictureFactor, paint);
}

void KeyOut(QImage &image, const QColor &key)
{
    const QRgb keyed = key.rgb();
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == keyed)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
}

} // namespace

QVector<SkinImage> SkinImages(const QString &productName)
{
    QVector<SkinImage> images = {
        Image("cfgMainback.png", 999, 640, BackgroundFactor, PaintMainBackground),
        Image("dlg.png", 478, 309, BackgroundFactor, PaintDialogBackground),
        Image("dlg_gun.png", 619, 400, BackgroundFactor, PaintGunDialogBackground),
        Picture("process.png", 128, 128, PaintProgressBackground),
        Picture("bat1.png", 86, 47, [](QPainter &p, const QSizeF &s) { PaintBatteryFrame(p, s, false); }),
        Picture("bat2.png", 86, 47, [](QPainter &p, const QSizeF &s) { PaintBatteryFrame(p, s, true); }),
        Picture("warn.png", 72, 72, PaintWarningIcon),
        Picture("dongle.png", 40, 40, [](QPainter &p, const QSizeF &s) { PaintReceiver(p, s, true); }),
        Picture("dongle2.png", 72, 72, [](QPainter &p, const QSizeF &s) { PaintReceiver(p, s, false); }),
        Picture("lightning.png", 24, 24, PaintLightning),
        Picture("mouselogo.png", 64, 64, PaintEmblem),
        Picture("rate.png", 160, 32, PaintMenuButton),
        Picture("checkbox1-1.png", 20, 20, [](QPainter &p, const QSizeF &s) { PaintCheckBox(p, s, false); }),
        Picture("checkbox1-2.png", 20, 20, [](QPainter &p, const QSizeF &s) { PaintCheckBox(p, s, true); }),
        Picture("keybo.png", 20, 20, PaintKeyboardGlyph),
        Picture("keydown.png", 16, 16, [](QPainter &p, const QSizeF &s) { PaintKeyGlyph(p, s, true); }),
        Picture("keyup.png", 16, 16, [](QPainter &p, const QSizeF &s) { PaintKeyGlyph(p, s, false); }),
        Picture("mouse_move.png", 20, 20, PaintMouseMoveGlyph),
        Picture("gunset_slider.png", 300, 20, PaintSliderGroove),
        Picture("gunset_bullet.png", 28, 28, PaintBullet),
        Image("icon.png", 256, 256, 1, PaintAppIcon),
        Image("icon.ico", 256, 256, 1, PaintAppIcon),
        Picture("mouse/" + productName + "Mouse.png", 320, 320, PaintMouseTop),
        Picture("mouse/" + productName + "_Side.png", 320, 320, PaintMouseSide),
    };
    // Window buttons: 1 normal, 2 hover, 3 pressed.
    for (int state = 1; state <= 3; ++state) {
        images << Picture(QStringLiteral("close-%1.png").arg(state), 32, 32,
                          [state](QPainter &p, const QSizeF &s) { PaintCloseButton(p, s, state); });
        images << Picture(QStringLiteral("min-%1.png").arg(state), 32, 32,
                          [state](QPainter &p, const QSizeF &s) { PaintMinimiseButton(p, s, state); });
        images << Picture(QStringLiteral("profile_import-%1.png").arg(state), 34, 30,
                          [state](QPainter &p, const QSizeF &s) { PaintFileButton(p, s, true, state); });
        images << Picture(QStringLiteral("profile_export-%1.png").arg(state), 34, 30,
                          [state](QPainter &p, const QSizeF &s) { PaintFileButton(p, s, false, state); });
        images << Picture(QStringLiteral("profile_apps-%1.png").arg(state), 34, 30,
                          [state](QPainter &p, const QSizeF &s) { PaintApplicationsButton(p, s, state); });
    }
    // Wheel arrows: 2 and 4 are the normal looks, 1 and 3 their hover and pressed looks.
    for (int variant = 1; variant <= 4; ++variant) {
        const bool hot = variant % 2 == 1;
        const bool round = variant <= 2;
        for (const bool up : { true, false }) {
            images << Picture(QStringLiteral("btn_%1%2.png").arg(up ? "up" : "down").arg(variant), 28, 28,
                              [round, up, hot](QPainter &p, const QSizeF &s) {
                                  if (round)
                                      PaintRoundArrow(p, s, up, hot);
                                  else
                                      PaintSquareArrow(p, s, up, hot);
                              });
        }
    }
    return images;
}

QVector<SkinImage> ResourceImages()
{
    QVector<SkinImage> images = {
        Image("yes_Btn.png", 16, 16, PictureFactor, PaintYesGlyph),
        Image("no_Btn.png", 16, 16, PictureFactor, PaintNoGlyph),
    };
    for (int frame = 0; frame < SpinnerFrames; ++frame) {
        SkinImage image
            = Image(QStringLiteral("loading-%1.png").arg(frame, 2, 10, QLatin1Char('0')), 128, 128, 1,
                    [frame](QPainter &p, const QSizeF &s) { PaintSpinnerFrame(p, s, frame, SpinnerFrames); });
        image.keyColor = SkinColor::window();
        images << image;
    }
    return images;
}

QVector<SkinImage> IconThemeImages()
{
    QVector<SkinImage> images;
    for (const int size : { 16, 24, 32, 48, 64, 128, 256, 512 })
        images << Image(QStringLiteral("%1x%1/apps/mousecfg.png").arg(size), size, size, 1, PaintAppIcon);
    return images;
}

bool WriteImages(const QVector<SkinImage> &images, const QString &dir, QString *error)
{
    for (const SkinImage &entry : images) {
        const QString path = dir + QLatin1Char('/') + entry.file;
        QImage image = PaintSkinImage(entry.designSize, entry.factor, entry.paint);
        if (entry.keyColor.isValid())
            KeyOut(image, entry.keyColor);
        QImageWriter writer(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !writer.write(image)) {
            *error = path + QStringLiteral(": ") + writer.errorString();
            return false;
        }
    }
    return true;
}
