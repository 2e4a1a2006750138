#include "ui/main/WindowBackground.h"

#include "platform/FreedMemory.h"
#include "storage/AppPaths.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/Theme.h"

#include <QBitmap>
#include <QPainter>
#include <QtMath>

namespace {

// Device pixel rows per band: a small repaint (a button's hover) decodes one or two bands.
constexpr int BandRows = 32;
// Packing takes about 15 ms: it waits until the window has had its first paints from the whole.
constexpr int PackDelayMs = 500;
constexpr int BytesPerPixel = 3;

// A band as each pixel's difference from its left neighbour, compressed: the background's smooth
// gradients leave mostly zeros, which pack about twenty-fold. (Qt's PNG writer would do as well, but
// it asks every installed image plugin first, loading each one.)
QByteArray packBand(const QImage &picture, int top, int rows)
{
    const int rowBytes = picture.width() * BytesPerPixel;
    QByteArray differences(rowBytes * rows, Qt::Uninitialized);
    for (int row = 0; row < rows; ++row) {
        const uchar *pixels = picture.constScanLine(top + row);
        auto *out = reinterpret_cast<uchar *>(differences.data()) + row * rowBytes;
        for (int i = 0; i < rowBytes; ++i)
            out[i] = i < BytesPerPixel ? pixels[i] : uchar(pixels[i] - pixels[i - BytesPerPixel]);
    }
    QByteArray packed = qCompress(differences, 1);
    packed.squeeze(); // qCompress leaves room for the worst case, a band's full size
    return packed;
}

QImage unpackBand(const QByteArray &packed, int width)
{
    const QByteArray differences = qUncompress(packed);
    const int rowBytes = width * BytesPerPixel;
    if (rowBytes <= 0 || differences.isEmpty() || differences.size() % rowBytes != 0)
        return {};
    QImage band(width, differences.size() / rowBytes, QImage::Format_RGB888);
    for (int row = 0; row < band.height(); ++row) {
        const auto *in = reinterpret_cast<const uchar *>(differences.constData()) + row * rowBytes;
        uchar *pixels = band.scanLine(row);
        for (int i = 0; i < rowBytes; ++i)
            pixels[i] = i < BytesPerPixel ? in[i] : uchar(in[i] + pixels[i - BytesPerPixel]);
    }
    return band;
}

} // namespace

WindowBackground::WindowBackground(const QString &relative, QObject *parent)
    : QObject(parent)
    , m_path(AppPaths::skinFile(relative))
{
    m_packTimer.setSingleShot(true);
    m_packTimer.setInterval(PackDelayMs);
    connect(&m_packTimer, &QTimer::timeout, this, &WindowBackground::pack);
}

WindowBackground::Read WindowBackground::read(const QString &path, const QSize &pixels)
{
    Read result;
    const QImage picture = ReadScaledPicture(path, pixels);
    if (picture.isNull())
        return result;
    if (picture.hasAlphaChannel())
        result.alphaMask = picture.createAlphaMask();
    // The edge pixels the mask keeps show over the window colour, as the picture would there.
    result.whole = QImage(picture.size(), QImage::Format_RGB888);
    result.whole.fill(ThemeColor::window());
    QPainter painter(&result.whole);
    painter.drawImage(0, 0, picture);
    return result;
}

void WindowBackground::prepare(const QSize &size, qreal pixelRatio)
{
    if (m_prepared.valid())
        m_prepared.wait();
    m_preparedPixels = size * pixelRatio;
    m_prepared = std::async(std::launch::async, &WindowBackground::read, m_path, m_preparedPixels);
}

QRegion WindowBackground::makeFor(const QSize &size, qreal pixelRatio)
{
    m_whole = QImage(); // gone before the next one is read
    m_bands.clear();
    m_pixelRatio = pixelRatio;
    const QSize pixels = size * pixelRatio;
    Read made;
    if (m_prepared.valid()) {
        made = m_prepared.get();
        if (m_preparedPixels != pixels)
            made = Read();
    }
    if (made.whole.isNull())
        made = read(m_path, pixels);
    if (made.whole.isNull())
        return {};
    m_whole = made.whole;
    m_whole.setDevicePixelRatio(pixelRatio);
    m_packTimer.start();
    if (made.alphaMask.isNull())
        return {};
    const QRegion shape(QBitmap::fromImage(made.alphaMask));
    if (!shape.isEmpty() && pixelRatio != 1.0) {
        QTransform toLogical;
        toLogical.scale(1.0 / pixelRatio, 1.0 / pixelRatio);
        return toLogical.map(shape);
    }
    return shape;
}

void WindowBackground::pack()
{
    m_packTimer.stop();
    if (m_whole.isNull())
        return;
    m_bands.clear();
    for (int top = 0; top < m_whole.height(); top += BandRows)
        m_bands.append(packBand(m_whole, top, qMin(BandRows, m_whole.height() - top)));
    m_width = m_whole.width();
    m_whole = QImage();
    ReleaseFreedMemory();
}

void WindowBackground::paint(QPainter &painter, const QRect &dirty) const
{
    // Pictures are drawn one to one in device pixels; the painter's clip keeps them to what is dirty.
    if (!m_whole.isNull()) {
        painter.drawImage(QPointF(0, 0), m_whole);
        return;
    }
    if (m_bands.isEmpty()) {
        painter.fillRect(dirty, ThemeColor::window());
        return;
    }
    const int firstRow = qFloor(dirty.top() * m_pixelRatio);
    const int endRow = qCeil((dirty.bottom() + 1) * m_pixelRatio);
    const int last = qMin(m_bands.size() - 1, (endRow - 1) / BandRows);
    for (int index = qMax(0, firstRow / BandRows); index <= last; ++index) {
        QImage band = unpackBand(m_bands[index], m_width);
        if (band.isNull())
            continue;
        band.setDevicePixelRatio(m_pixelRatio);
        // Each band starts on a whole device pixel row, so bands meet without a seam at any ratio.
        painter.drawImage(QPointF(0, index * BandRows / m_pixelRatio), band);
    }
}
