#include "ui/pages/TarnMenuButton.h"

#include "ui/pages/PageStyle.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Theme.h"

#include <QKeyEvent>
#include <QPainter>

TarnMenuButton::TarnMenuButton(QWidget *parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    reloadPicture();
}

void TarnMenuButton::reloadPicture()
{
    m_plate = SkinPicture(QStringLiteral("/rate.png"));
    update();
}

void TarnMenuButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_plate.isNull()) {
        painter.setPen(ThemeColor::disabled());
        painter.setBrush(ThemeColor::panel());
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    } else {
        m_plate.draw(painter, rect());
    }
    if (hasFocus() || isDown()) {
        painter.setPen(QPen(AccentColor(), 1, hasFocus() && !isDown() ? Qt::DotLine : Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    painter.setFont(PageFont(13));
    painter.setPen(isEnabled() ? ThemeColor::text() : ThemeColor::disabled());
    // The caret takes the right end of the plate (about a tenth of its design width of 160).
    const QRect textRect = rect().adjusted(Scaled(10), 0, -Scaled(34), 0);
    const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, shown);
}

void TarnMenuButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        showMenu();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}
