#include "calvex_records.h"

#include "engine/numeric.h"

#include <cmath>

void GUIVAR_T::setClamped(double x)
{
    value = x;
    if (value > max)
        value = max;
    if (min > value)
        value = min;
    // A NaN request cannot be stored as a number: keep the lower limit.
    if (std::isnan(value))
        value = min;
    intValue = calvex::boundedInt<qint32>(value);
}
