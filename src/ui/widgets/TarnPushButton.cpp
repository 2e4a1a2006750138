#include "ui/widgets/TarnPushButton.h"

#include "ui/widgets/AccessibleSkin.h"

#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Theme.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr int TextMargin = 6;
} // namespace

TarnPushButton::TarnPushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    InstallAccessibleSkin();
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    if (!text.isEmpty())
        setAccessibleName(text);
    connect(this, &QPushButton::pressed, this, [this] { emit EnterSignal(this); });
}

void TarnPushButton::setPictures(const QString &normal, const QString &hover, const QString &pressed)
{
    m_normal = normal.isEmpty() ? SkinPicture() : SkinPicture(normal);
    m_hover = hover.isEmpty() ? SkinPicture() : SkinPicture(hover);
    m_pressed = pressed.isEmpty() ? SkinPicture() : SkinPicture(pressed);
    update();
}

void TarnPushButton::setHighlighted(bool highlighted)
{
    if (m_highlighted == highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void TarnPushButton::setDesignFontSize(int pixelSize)
{
    m_designFontSize = pixelSize;
    update();
}

QFont TarnPushButton::textFont() const
{
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(m_designFontSize)));
    font.setBold(true);
    return font;
}

int TarnPushButton::widthForText(int designWidth) const
{
    // Clear of the plate's rounded edge and of the focus frame.
    const int margin = qMax(3, Scaled(TextMargin));
    return qMax(Scaled(designWidth), QFontMetrics(textFont()).horizontalAdvance(text()) + 2 * margin);
}

void TarnPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_normal.isNull()) {
        paintPlate(painter);
    } else {
        SkinPicture &picture = isDown() || isChecked() || m_highlighted
            ? (m_pressed.isNull() ? m_normal : m_pressed)
            : (m_hovered && !m_hover.isNull() ? m_hover : m_normal);
        painter.setOpacity(isEnabled() ? 1.0 : 0.4);
        picture.draw(painter, rect());
        painter.setOpacity(1.0);
    }
    if (hasFocus() && m_keyboardFocus)
        PaintFocusFrame(painter, rect());
}

void TarnPushButton::paintPlate(QPainter &painter)
{
    const bool active = isChecked() || m_highlighted || isDown();
    const QRectF plate = QRectF(rect()).adjusted(1, 1, -1, -1);
    QColor fill = ThemeColor::panel();
    if (m_hovered && isEnabled())
        fill = fill.lighter(130);
    painter.setPen(QPen(active ? AccentColor() : ThemeColor::disabled(), active ? 2 : 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate, 3, 3);

    painter.setFont(textFont());
    painter.setPen(!isEnabled() ? ThemeColor::disabled() : active ? AccentColor() : ThemeColor::text());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

void TarnPushButton::enterEvent(QEvent *event)
{
    m_hovered = true;
    update();
    emit OverSignal(this, true);
    QPushButton::enterEvent(event);
}

void TarnPushButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    emit OverSignal(this, false);
    QPushButton::leaveEvent(event);
}

void TarnPushButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick(0);
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TarnPushButton::focusInEvent(QFocusEvent *event)
{
    // Focus coming back with the window or from a menu looks as it did when it left.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_keyboardFocus = IsKeyboardFocusReason(event->reason());
    QPushButton::focusInEvent(event);
}

void TarnPushButton::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_keyboardFocus = false;
    QPushButton::focusOutEvent(event);
}
