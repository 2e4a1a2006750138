#include "storage/StoredColour.h"

#include <cstring>

QColor StoredColour(const QVariant &value)
{
    if (value.userType() != QMetaType::QColor)
        return value.value<QColor>();
    // The colour model is the first member of QColor; read as a plain int it can be checked safely.
    const void *colour = value.constData();
    int model = 0;
    std::memcpy(&model, colour, sizeof model);
    // Extended RGB carries floating-point components that a damaged file can make NaN.
    if (model < QColor::Invalid || model > QColor::Hsl)
        return QColor();
    return *static_cast<const QColor *>(colour);
}
