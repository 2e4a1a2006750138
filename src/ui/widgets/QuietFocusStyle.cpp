#include "ui/widgets/QuietFocusStyle.h"

#include <QApplication>
#include <QWidget>

namespace {
const char QuietProperty[] = "quietFocus";
} // namespace

QuietFocusStyle::QuietFocusStyle(QStyle *base)
    : QProxyStyle(base)
{ }

void QuietFocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    if (element == PE_FrameFocusRect && isQuiet(widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

bool QuietFocusStyle::isQuiet(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->property(QuietProperty).toBool())
            return true;
    }
    return false;
}

void QuietFocusStyle::quieten(QWidget *root)
{
    if (qApp && !qobject_cast<QuietFocusStyle *>(QApplication::style()))
        QApplication::setStyle(new QuietFocusStyle(QApplication::style()));
    root->setProperty(QuietProperty, true);
}
