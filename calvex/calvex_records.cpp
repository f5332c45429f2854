#include "calvex_records.h"

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
    intValue = qint32(std::trunc(qBound(-2147483648.0, value, 2147483647.0)));
}
