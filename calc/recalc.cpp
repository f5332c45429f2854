// The calculation: per-context initialisation, recalculation, PLL results
// and warning colours.
#include "pallador.h"

void Pallador::initContext(int context)
{
    currentContext = context;
}

void Pallador::recalc(bool pllChanged)
{
    if (busy)
        return;
    ++calcCount;
    lastCalcPllChanged = pllChanged;
}

void Pallador::gatherPllResults()
{
}

void Pallador::showWarnings()
{
}
