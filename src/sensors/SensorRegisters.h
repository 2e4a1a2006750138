#pragma once

#include <QtGlobal>

// Sensor register tables: slider position -> register byte. An index outside a table's range is
// clamped to its first or last entry, so no stored position can read past a table.

// Table A, positions 1..160.
quint8 RegisterA(qint64 index);
// Table B, positions 1..50.
quint8 RegisterB(qint64 index);
// Table C, positions 1..61.
quint8 RegisterC(qint64 index);
// Table D, positions 2..80.
quint8 RegisterD(qint64 index);
