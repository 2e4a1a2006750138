#include "ui/widgets/FileIconEngine.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

FileIconEngine::FileIconEngine(const QString &file)
    : m_file(file)
    , m_size(QImageReader(file).size())
{ }

QIcon FileIconEngine::icon(const QString &file)
{
    return QIcon(new FileIconEngine(file));
}

void FileIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : qApp->devicePixelRatio();
    const QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    painter->drawPixmap(rect, drawn);
}

QPixmap FileIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize fitted = actualSize(size, mode, state);
    if (fitted.isEmpty())
        return QPixmap();
    QImage image = QImageReader(m_file).read();
    if (image.isNull())
        return QPixmap();
    if (image.size() != fitted)
        image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap shown = QPixmap::fromImage(std::move(image));
    // Disabled and selected icons as the style makes them from the normal one.
    if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, shown, &option);
        if (!styled.isNull())
            shown = styled;
    }
    return shown;
}

QSize FileIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    if (!m_size.isValid() || m_size.isEmpty())
        return QSize();
    // Never larger than the picture, and with its proportions.
    if (m_size.width() <= size.width() && m_size.height() <= size.height())
        return m_size;
    return m_size.scaled(size, Qt::KeepAspectRatio);
}

QString FileIconEngine::key() const
{
    return QStringLiteral("FileIconEngine");
}

QIconEngine *FileIconEngine::clone() const
{
    return new FileIconEngine(*this);
}

void FileIconEngine::virtual_hook(int id, void *data)
{
    switch (id) {
    case QIconEngine::AvailableSizesHook:
        // The picture's own size: a window icon is handed over at it.
        static_cast<QIconEngine::AvailableSizesArgument *>(data)->sizes
            = m_size.isValid() ? QList<QSize> { m_size } : QList<QSize>();
        break;
    case QIconEngine::IsNullHook:
        *static_cast<bool *>(data) = !m_size.isValid() || m_size.isEmpty();
        break;
    default:
        QIconEngine::virtual_hook(id, data);
    }
}
