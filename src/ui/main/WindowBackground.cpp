#include "ui/main/WindowBackground.h"

#include "storage/AppPaths.h"
#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/Theme.h"

#include <QBitmap>
#include <QPainter>

WindowBackground::WindowBackground(const QString &relative)
    : m_path(AppPaths::skinFile(relative))
{ }

QRegion WindowBackground::makeFor(const QSize &size, qreal pixelRatio)
{
    m_picture = QImage(); // gone before the next one is read
    const QImage read = ReadScaledPicture(m_path, size * pixelRatio);
    if (read.isNull())
        return {};
    const QRegion shape = read.hasAlphaChannel() ? QRegion(QBitmap::fromImage(read.createAlphaMask())) : QRegion();
    // The edge pixels the mask keeps show over the window colour, as the picture would there.
    m_picture = QImage(read.size(), QImage::Format_RGB888);
    m_picture.fill(ThemeColor::window());
    QPainter painter(&m_picture);
    painter.drawImage(0, 0, read);
    painter.end();
    m_picture.setDevicePixelRatio(pixelRatio);
    if (!shape.isEmpty() && pixelRatio != 1.0) {
        QTransform toLogical;
        toLogical.scale(1.0 / pixelRatio, 1.0 / pixelRatio);
        return toLogical.map(shape);
    }
    return shape;
}

void WindowBackground::paint(QPainter &painter, const QRect &rect) const
{
    if (m_picture.isNull())
        painter.fillRect(rect, ThemeColor::window());
    else
        painter.drawImage(rect, m_picture);
}
