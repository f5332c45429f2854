// Vek_143: one context, with presets for its first ten use cases (catalogue 67, 68).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek143.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

Vek_143::Vek_143(int typeCode) : CFamilyBase(typeCode) {}

void Vek_143::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

void Vek_143::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
}

// The sensor sends a line from its line buffer over the whole line time, so
// one or two lanes carry a scaled or slower image as well: the line is made
// long enough for them.
void Vek_143::familyLink(LinkOptions &link) const
{
    link.lineBuffer = true;
}
