#pragma once

#include <QPointF>
#include <QString>

// Which skin pictures show a product, and where its buttons sit on them.
namespace ModelPictures {

// The three pictures (normal, hover, pressed) of an arrow beside the mouse picture.
struct ArrowPictures
{
    QString normal;
    QString hover;
    QString pressed;
};

// The up arrow's pictures for `productName`: "/btn_up4.png" and "/btn_up3.png" for the products
// with the light arrows, "/btn_up2.png" and "/btn_up1.png" for every other.
ArrowPictures upArrow(const QString &productName);
// The down arrow's pictures, chosen the same way.
ArrowPictures downArrow(const QString &productName);

// "/mouse/" + product + "Mouse.png".
QString frontPicture(const QString &productName);
// "/mouse/" + product + "_Side.png".
QString sidePicture(const QString &productName);

// Where callout `index` (0..19) points on the front picture, as fractions of its size.
QPointF calloutAnchor(int index);

} // namespace ModelPictures
