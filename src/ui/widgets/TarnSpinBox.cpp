#include "ui/widgets/TarnSpinBox.h"

#include "ui/widgets/Theme.h"

#include <QPainter>
#include <QStyleOptionSpinBox>

namespace {

constexpr int ButtonDesignWidth = 16;

// A filled triangle pointing up or down, centred in `area`.
void paintArrow(QPainter &painter, const QRectF &area, bool up)
{
    const qreal half = qMax<qreal>(2.5, qMin(area.width() * 0.3, area.height() * 0.45));
    const qreal rise = half * 0.6;
    const QPointF centre = area.center();
    const qreal tip = up ? -rise : rise;
    const QPointF points[]
        = { QPointF(centre.x() - half, centre.y() - tip), QPointF(centre.x() + half, centre.y() - tip),
            QPointF(centre.x(), centre.y() + tip) };
    painter.drawPolygon(points, 3);
}

} // namespace

TarnSpinBox::TarnSpinBox(QWidget *parent)
    : QSpinBox(parent)
{ }

QString TarnSpinBox::buttonRules(const QString &selector)
{
    return QStringLiteral(
               "%1::up-button, %1::down-button { width: %2px; background: rgb(50,50,50);"
               " border-left: 1px solid rgb(90,90,90); }"
               "%1::up-button { subcontrol-position: top right; border-bottom: 1px solid rgb(30,30,30); }"
               "%1::down-button { subcontrol-position: bottom right; }"
               "%1::up-button:hover, %1::down-button:hover { background: rgb(75,75,75); }"
               "%1::up-button:pressed, %1::down-button:pressed { background: rgb(95,95,95); }")
        .arg(selector)
        .arg(qMax(10, Scaled(ButtonDesignWidth)));
}

void TarnSpinBox::paintEvent(QPaintEvent *event)
{
    QSpinBox::paintEvent(event);
    if (buttonSymbols() == QAbstractSpinBox::NoButtons)
        return;
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const StepEnabled steps = stepEnabled();
    const QColor on = palette().color(QPalette::Text);
    const QColor off = ThemeColor::disabled();
    const struct
    {
        QStyle::SubControl control;
        bool up;
        bool enabled;
    } arrows[] = { { QStyle::SC_SpinBoxUp, true, isEnabled() && (steps & StepUpEnabled) },
                   { QStyle::SC_SpinBoxDown, false, isEnabled() && (steps & StepDownEnabled) } };
    for (const auto &arrow : arrows) {
        const QRect area = style()->subControlRect(QStyle::CC_SpinBox, &option, arrow.control, this);
        if (area.isEmpty())
            continue;
        painter.setBrush(arrow.enabled ? on : off);
        paintArrow(painter, QRectF(area), arrow.up);
    }
}
