#include "storage/StoredColour.h"

#include <cstring>

QColor StoredColour(const QVariant &value)
{
    if (value.userType() != QMetaType::QColor)
        return value.value<QColor>();
    // The spec is the first member of QColor; read as a plain int it can be checked safely.
    const void *colour = value.constData();
    int spec = 0;
    std::memcpy(&spec, colour, sizeof spec);
    // Extended RGB carries floating-point components that a damaged file can make NaN.
    if (spec < QColor::Invalid || spec > QColor::Hsl)
        return QColor();
    return *static_cast<const QColor *>(colour);
}
