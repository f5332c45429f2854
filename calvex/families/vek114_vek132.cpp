// Vek_114 and Vek_132: single-context sensors whose use cases fix part of their timing (catalogue 94-98).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek114_vek132.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

Vek_114::Vek_114(int typeCode) : CFamilyBase(typeCode) {}

Vek_132::Vek_132(int typeCode) : CFamilyBase(typeCode) {}

// The supercell read-out (the PLL block's high-speed flag, once for the
// sensor) combines the rows of a cell.
void Vek_132::familyTimingInput(int, TimingInput &in) const
{
    if (useCasePreset > 0)
        in.fixedLineLength = useCasePreset;
    in.extraHBlank = qBound(0, borderPixels, 64) + (shortSeq ? 32 : 0);
    if (pll.highSpeed)
        in.yFactor = qMax(in.yFactor, 2);
}

// The panel reads the supercell flag back from context A.
void Vek_132::familyTiming(int)
{
    ctx[0].highSpeed = pll.highSpeed;
}

// Output bits 6, 8, 10 or 12 on the link.
void Vek_132::familyLink(LinkOptions &link) const
{
    link.bits = qBound(6, ctx[0].outputBits, 12);
}

// The op pixel divider (3 to 6) counts the DDR serial clocks of one pixel on
// a lane: half the output bits, unless the panel asks for one.
void Vek_132::familyPll()
{
    if (pll.pllOpDivider < 3 || pll.pllOpDivider > 6)
        pll.pllOpDivider = qBound(3, m_link.bits / 2, 6);
}

void Vek_114::familyDefaults()
{
    exposureChoices = countItems(1, 3, 1);
}

void Vek_114::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    const int exposures = p.hdrMode > 0 ? qBound(1, p.numExposures, 3) : 1;
    setExposures(in, exposures, t1T2Ratio, t2T3Ratio, 0);
    if (p.useReg) {
        in.exposureRows[0] = boundedInt(p.t2ExpRows, 0, 65535);
        in.exposureRows[1] = boundedInt(p.t3ExpRows, 0, 65535);
    }
}

// Binning is not available while HDR exposures are read.
void Vek_114::familyTiming(int context)
{
    ctx[context].binningLocked = ctx[context].hdrMode > 0;
}

void Vek_114::familyInterfaceLists(int)
{
    bitDepthChoices = numberItems({10, 12, 14});
}

void Vek_114::CalculatePLL(int interfaceIndex)
{
    Call call(this, "CalculatePLL", {interfaceIndex});
    enginePll(interfaceIndex <= 0 ? PllMode::Parallel : PllMode::Serial, interfaceIndex);
}
