#include "ui/widgets/TarnProcessbar.h"

#include "ui/widgets/Theme.h"

#include <QPainter>

TarnProcessbar::TarnProcessbar(QWidget *parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    // The style's own text would be drawn in the style's font; paintEvent draws it instead.
    setTextVisible(false);
}

void TarnProcessbar::setBarText(const QString &text)
{
    m_barText = text;
    setAccessibleDescription(paintedText());
    update();
}

void TarnProcessbar::setProgressTextShown(bool shown)
{
    m_progressTextShown = shown;
    setAccessibleDescription(paintedText());
    update();
}

QString TarnProcessbar::paintedText() const
{
    if (!m_barText.isEmpty())
        return m_barText;
    if (!m_progressTextShown)
        return QString();
    QString text = format();
    text.replace(QLatin1String("%p"), QString::number(value()));
    text.replace(QLatin1String("%v"), QString::number(value()));
    return text;
}

void TarnProcessbar::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    const QString text = paintedText();
    if (text.isEmpty())
        return;
    QPainter painter(this);
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(16)));
    font.setBold(true);
    painter.setFont(font);
    // Readable on both the white and the accent part of the bar.
    painter.setPen(m_barText.isEmpty() ? QColor(0, 0, 0) : QColor(255, 255, 255));
    painter.drawText(rect(), Qt::AlignCenter, text);
}
