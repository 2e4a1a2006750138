#include "core/settings/DpiScale.h"

#include <QStringList>

DpiScale::DpiScale(const SensorSpec &sensor)
    : m_sensor(sensor)
{ }

bool DpiScale::known() const
{
    return dpiOf(m_sensor.range.maximum) > 0;
}

int DpiScale::codeOf(int dpi) const
{
    for (int code = m_sensor.range.minimum; code <= m_sensor.range.maximum; ++code) {
        if (dpiOf(code) == dpi)
            return code;
    }
    return -1;
}

QString DpiScale::describe(int dpi) const
{
    // Runs of equal steps, as the formulas make them; an irregular scale is named by its ends only.
    QStringList runs;
    int step = 0;
    for (int code = m_sensor.range.minimum + 1; code <= m_sensor.range.maximum; ++code) {
        const int here = dpiOf(code) - dpiOf(code - 1);
        if (here == step)
            continue;
        if (step != 0)
            runs << QStringLiteral("%1 up to %2").arg(step).arg(dpiOf(code - 1));
        step = here;
    }
    if (step != 0)
        runs << QString::number(step);
    QString text = QStringLiteral("%1 to %2").arg(dpiOf(m_sensor.range.minimum)).arg(dpiOf(m_sensor.range.maximum));
    if (!runs.isEmpty() && runs.size() <= 4)
        text += QStringLiteral(" in steps of ") + runs.join(QStringLiteral(", then "));
    int below = -1;
    int above = -1;
    for (int code = m_sensor.range.minimum; code <= m_sensor.range.maximum; ++code) {
        const int value = dpiOf(code);
        if (value < dpi)
            below = value;
        else if (value > dpi && above < 0)
            above = value;
    }
    if (below >= 0 && above >= 0)
        text += QStringLiteral(" (nearest: %1 or %2)").arg(below).arg(above);
    return text;
}
