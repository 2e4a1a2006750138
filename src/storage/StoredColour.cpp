#include "storage/StoredColour.h"

#include <cstring>

QColor StoredColour(const QVariant &value)
{
    // Converted inside the variant: a conversion from another stored type can give a damaged colour too.
    QVariant colour = value;
    if (colour.userType() != QMetaType::QColor && !colour.convert(QMetaType::QColor))
        return QColor();
    // The colour model is the first member of QColor; read as a plain int it can be checked safely.
    int model = 0;
    std::memcpy(&model, colour.constData(), sizeof model);
    // Extended RGB carries floating-point components that a damaged file can make NaN.
    if (model < QColor::Invalid || model > QColor::Hsl)
        return QColor();
    return *static_cast<const QColor *>(colour.constData());
}
