#pragma once

#include "ui/widgets/SkinPicture.h"

#include <QProxyStyle>

class QWidget;

// Draws the skin's check box pictures as the check marks of the widgets marked for it (check boxes,
// item views with checkable items) and leaves everything else to the desktop's style. Style sheets
// could name the pictures (`image: url()`), but Qt then asks every installed image plugin whether
// it reads them, loading each one.
class CheckBoxPictureStyle : public QProxyStyle
{
    Q_OBJECT

public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    SkinPicture &picture(bool checked) const;

    mutable SkinPicture m_unchecked;
    mutable SkinPicture m_checked;
};

// Gives the check box or item view `widget` the skin's pictures as its check marks, stretched over
// the indicator's size (which its style sheet sets); puts the style above in place for the
// application the first time.
void UseCheckBoxPictures(QWidget *widget);
