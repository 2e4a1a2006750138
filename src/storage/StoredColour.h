#pragma once

#include <QColor>
#include <QVariant>

// A colour read from a settings value. A damaged "@Variant(...)" can decode to a colour whose
// QColor::Spec (its colour model) is no known value, which no QColor function may touch; such a
// colour reads as invalid, like a missing one.
QColor StoredColour(const QVariant &value);
