#include "ui/widgets/CheckBoxPictures.h"

#include "storage/AppPaths.h"

#include <QApplication>
#include <QStyleOption>

namespace {
const char *const PicturesProperty = "checkBoxPictures";
} // namespace

void CheckBoxPictureStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                         QPainter *painter, const QWidget *widget) const
{
    const bool checkMark = element == PE_IndicatorCheckBox || element == PE_IndicatorItemViewItemCheck;
    if (!checkMark || !widget || !widget->property(PicturesProperty).toBool()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    picture(option->state & State_On).draw(*painter, option->rect);
}

SkinPicture &CheckBoxPictureStyle::picture(bool checked) const
{
    SkinPicture &picture = checked ? m_checked : m_unchecked;
    const QString relative = checked ? QStringLiteral("/checkbox1-2.png") : QStringLiteral("/checkbox1-1.png");
    // Made again when the program folder is another than when it was made (each test has its own).
    if (picture.path() != AppPaths::skinFile(relative))
        picture = SkinPicture(relative);
    return picture;
}

void UseCheckBoxPictures(QWidget *widget)
{
    widget->setProperty(PicturesProperty, true);
    // Style-sheet styles draw an indicator without a picture rule through the application's style.
    if (!qobject_cast<CheckBoxPictureStyle *>(QApplication::style()))
        QApplication::setStyle(new CheckBoxPictureStyle);
}
