// Vek_138 and Vek_119: HDR sensors picking their PLL step by output mode or interface (catalogue 99-101, 103, 104).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek138_vek119.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

Vek_138::Vek_138(int typeCode) : CFamilyBase(typeCode) {}

Vek_119::Vek_119(int typeCode) : CFamilyBase(typeCode) {}

void Vek_119::familyTimingInput(int, TimingInput &in) const
{
    in.extraHBlank += darkExtraCols(*this);
}

void Vek_119::familyInterfaceLists(int)
{
    bitDepthChoices = numberItems({8, 10});
}

// Revisions 2 and later (0-based) run the faster VCO.
void Vek_119::familyRevision(int revision)
{
    pll.revision = revision;
    m_limits.vcoMax = revision >= 2 ? 1000.0 : traits().vcoMax;
}

void Vek_138::familyDefaults()
{
    exposureChoices = countItems(1, 4, 1);
    pll.lanes = 4;
}

// Exposure rows T1..T4 as the panel holds them; the ratios are factors.
// An output of at most half the array in both directions is read binned 2x2.
void Vek_138::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    const FamilyTraits &t = traits();
    if (p.cols > 0 && p.rows > 0 && 2 * qint64(p.cols) <= t.arrayCols && 2 * qint64(p.rows) <= t.arrayRows)
        in.xFactor = in.yFactor = 2;
    const int exposures = qBound(1, numExposures, 4);
    setExposures(in, exposures, log2Of(t1T2Ratio), log2Of(t2T3Ratio), log2Of(t3T4Ratio));
    if (ctx[context].useReg) {
        in.exposureRows[0] = t2ExpRows;
        in.exposureRows[1] = t3ExpRows;
        in.exposureRows[2] = t4ExpRows;
    }
    in.extraHBlank = (otherLineTime ? 64 : 0) + qBound(0, analogTestCols, 512) / 2 + qBound(0, rowNoiseCols, 512) / 2;
    if (middleIntTime > 0)
        in.extraHBlank += 32;
}

// Binned read-out: the floating-diffusion (analog) binning of a single
// exposure, the digital binning for HDR, whose exposures are binned apart.
void Vek_138::familyTiming(int context)
{
    const TimingResult &t = m_cs[context].t;
    const bool binned = t.xFactor >= 2 && t.yFactor >= 2;
    ctx[context].readoutMode = !binned ? 0 : (t.exposures > 1 ? 3 : 9);
    ctx[context].t1ExpRows = t.expRows[0];
}

// The panel's companding box arrives as the context's interleave option.
namespace vek138 {
enum Row { Companding = 1 };
const RowRule kRows[] = {
    {"COMPANDING", Companding},
};
} // namespace vek138

int Vek_138::familyRowRole(const RegRow &r) const
{
    return rowRule(vek138::kRows, r);
}

bool Vek_138::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != vek138::Companding)
        return false;
    *value = ctx[0].interleave ? 1 : 0;
    return true;
}

// The output bits on the link; the MIPI packet header and footer (six bytes
// a line) add to what the lanes carry.
void Vek_138::familyLink(LinkOptions &link) const
{
    link.bits = qBound(10, outputBits, 24);
    if (pll.mipiHeader && link.serial && ctx[0].interfaceIndex == 0) {
        const int cols = m_cs[0].valid ? m_cs[0].t.outCols : (ctx[0].cols > 0 ? ctx[0].cols : traits().arrayCols);
        link.load = 1.0 + 48.0 / (double(qMax(16, cols)) * link.bits);
    }
}

void Vek_138::CalculatePLLMode(int mode)
{
    Call call(this, "CalculatePLLMode", {mode});
    pll.outPort = mode;
    m_setLanes = qBound(1, pll.lanes, 16);
    m_setBits = qBound(10, outputBits, 24);
    const int i = ctx[0].interfaceIndex;
    enginePll(PllMode::Serial, i);
}
