#include "ui/main/WindowBackground.h"

#include "platform/FreedMemory.h"
#include "storage/AppPaths.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/Theme.h"

#include <QBitmap>
#include <QBuffer>
#include <QPainter>
#include <QtMath>

namespace {

// Device pixel rows per band: a small repaint (a button's hover) decodes one or two bands.
constexpr int BandRows = 32;
// Packing takes about 20 ms: it waits until the window has had its first paints from the whole.
constexpr int PackDelayMs = 500;
// PNG stays lossless at any quality; this one compresses fast and still well.
constexpr int PngQuality = 80;

} // namespace

WindowBackground::WindowBackground(const QString &relative, QObject *parent)
    : QObject(parent)
    , m_path(AppPaths::skinFile(relative))
{
    m_packTimer.setSingleShot(true);
    m_packTimer.setInterval(PackDelayMs);
    connect(&m_packTimer, &QTimer::timeout, this, &WindowBackground::pack);
}

QRegion WindowBackground::makeFor(const QSize &size, qreal pixelRatio)
{
    m_whole = QImage(); // gone before the next one is read
    m_bands.clear();
    m_pixelRatio = pixelRatio;
    const QImage read = ReadScaledPicture(m_path, size * pixelRatio);
    if (read.isNull())
        return {};
    const QRegion shape = read.hasAlphaChannel() ? QRegion(QBitmap::fromImage(read.createAlphaMask())) : QRegion();
    // The edge pixels the mask keeps show over the window colour, as the picture would there.
    m_whole = QImage(read.size(), QImage::Format_RGB888);
    m_whole.fill(ThemeColor::window());
    QPainter painter(&m_whole);
    painter.drawImage(0, 0, read);
    painter.end();
    m_whole.setDevicePixelRatio(pixelRatio);
    m_packTimer.start();
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
    QVector<QByteArray> bands;
    for (int top = 0; top < m_whole.height(); top += BandRows) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const QImage band = m_whole.copy(0, top, m_whole.width(), qMin(BandRows, m_whole.height() - top));
        if (!band.save(&buffer, "PNG", PngQuality))
            return; // keeps the whole picture rather than a background with a gap
        bands.append(buffer.data());
    }
    m_bands = bands;
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
        QImage band;
        if (!band.loadFromData(m_bands[index], "PNG"))
            continue;
        band.setDevicePixelRatio(m_pixelRatio);
        // Each band starts on a whole device pixel row, so bands meet without a seam at any ratio.
        painter.drawImage(QPointF(0, index * BandRows / m_pixelRatio), band);
    }
}
