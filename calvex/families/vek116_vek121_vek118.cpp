// Vek_116, Vek_121 and Vek_118: sensors whose output interface is the PLL panel's choice (catalogue 72-79, 102).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek116_vek121_vek118.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

namespace {

// The Vek_118 sensor with a 16-bit output.
const int kSixteenBitSensor = 75;

} // namespace

Vek_116::Vek_116(int typeCode) : CFamilyBase(typeCode) {}

Vek_118::Vek_118(int typeCode) : CFamilyBase(typeCode) {}

Vek_121::Vek_121(int typeCode) : CFamilyBase(typeCode) {}

void Vek_116::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    if (p.hdrMode > 0 && p.combi == 0)
        setExposures(in, p.lineInterleave > 0 ? 3 : 2, 4, 4, 0);
}

// One serial lane carries at most 12 bits.
void Vek_116::familyInterfaceLists(int i)
{
    if (i > 0)
        bitDepthChoicesAlt = numberItems({10, 12});
}

void Vek_121::familyTimingInput(int context, TimingInput &in) const
{
    in.extraHBlank = darkExtraCols(*this);
    if (ctx[context].hdrMode > 0 && ctx[context].combi == 0)
        setExposures(in, 2, 4, 0, 0);
}

void Vek_121::familyInterfaceLists(int i)
{
    if (i > 0)
        bitDepthChoicesAlt = numberItems({10, 12});
}

void Vek_118::familyDefaults()
{
    exposureChoices = countItems(1, 4, 1);
    pll.revision = 1;
    m_bitDepthIsCapability = true;
    pll.bitDepth = 12;
}

void Vek_118::familyTimingInput(int context, TimingInput &in) const
{
    operationModeInput(ctx[context], *this, *this, in);
}

// Vek118m (75) from revision 2 on carries 16 bits as two 8-bit words;
// Vek131m (102) stays at 12 bits on every revision.
void Vek_118::familyRevision(int revision)
{
    pll.revision = revision;
    pll.bitDepth = revision >= 2 && typeCode() == kSixteenBitSensor ? 16 : 12;
    m_limits.vcoMax = revision >= 2 ? 1000.0 : 900.0;
}

// 16-bit output as two 8-bit words, on the HiSPi link (the one interface
// that offers it) of a revision that has it.
bool Vek_118::sixteenAsTwoBytes(bool serial) const
{
    return serial && m_link.kind == LinkKind::Hispi && pll.oddClkRatio && pll.bitDepth == 16;
}

// SDR lanes (fastClock); the 16-bit option puts 16 bits per pixel on the link.
void Vek_118::familyLink(LinkOptions &link) const
{
    sdrLink(pll, link);
    if (sixteenAsTwoBytes(link.serial))
        link.bits = 16;
}

namespace vek118 {
enum Row { SixteenAsTwoBytes = 1 };
const RowRule kRows[] = {
    {"MIPI_16_2_8", SixteenAsTwoBytes},
};
} // namespace vek118

int Vek_118::familyRowRole(const RegRow &r) const
{
    return rowRule(vek118::kRows, r);
}

bool Vek_118::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != vek118::SixteenAsTwoBytes)
        return false;
    *value = sixteenAsTwoBytes(m_link.serial) ? 1 : 0;
    return true;
}

void Vek_118::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    sdrText(pll, m_link.serial, p);
    if (sixteenAsTwoBytes(m_link.serial))
        p.extra << QStringLiteral("16-bit pixels as two 8-bit words");
}
