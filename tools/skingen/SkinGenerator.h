#pragma once

#include "SkinCanvas.h"

#include <QColor>
#include <QString>
#include <QVector>

// One picture: its file below the output folder, its size in design units, how many image pixels
// one design unit gets, and its painter.
struct SkinImage
{
    QString file;
    QSize designSize;
    int factor = 1;
    SkinPainter paint;
    // Pixels of exactly this colour become transparent (frames assembled into a GIF later).
    QColor keyColor;
};

// Number of frames of the progress spinner ("loading-00.png" ...).
constexpr int SpinnerFrames = 24;

// Every picture of the skin folder, with the demo product's pictures under "mouse/".
QVector<SkinImage> SkinImages(const QString &productName);
// The pictures compiled into the program: the dialog button icons and the spinner frames.
QVector<SkinImage> ResourceImages();
// The program's icon for the desktop's icon theme: "<n>x<n>/apps/mousecfg.png" in several sizes.
QVector<SkinImage> IconThemeImages();
// Paints `images` below `dir`; on failure returns false and names the file in `error`.
bool WriteImages(const QVector<SkinImage> &images, const QString &dir, QString *error);
