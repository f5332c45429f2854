// Vek_152, Vek_153 and Vek_154: sensors with a second PLL for the serial clock and use-case presets (catalogue 46-52).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek152_vek153_vek154.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

Vek_152::Vek_152(int typeCode) : CFamilyBase(typeCode) {}

Vek_153::Vek_153(int typeCode) : CFamilyBase(typeCode) {}

Vek_154::Vek_154(int typeCode) : CFamilyBase(typeCode) {}

void Vek_152::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

void Vek_152::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
    lengthPresetInput(*this, in);
}

void Vek_153::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
    in.extraHBlank += qBound(0, borderPixels, 64);
    lengthPresetInput(*this, in);
}

// The op pixel divider (3 to 6) counts the serial clocks of one pixel on a
// double-data-rate lane: a request of d gives 2d output bits.
void Vek_154::familyLink(LinkOptions &link) const
{
    if (pll.pllOpDivider >= 3 && pll.pllOpDivider <= 6)
        link.bits = 2 * pll.pllOpDivider;
}

// The divider used: half the output bits.
void Vek_154::familyPll()
{
    pll.pllOpDivider = qBound(3, m_link.bits / 2, 6);
}

void Vek_154::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
    in.extraHBlank += qBound(0, borderPixels, 64);
    if (colsPreset > 0 && rowsPreset > 0) {
        in.cols = colsPreset;
        in.rows = rowsPreset;
    }
}
