// Tolm_104, Murn_101, Murn_105 and Brel_101: the VGA image processors and Brel_101 (catalogue 1-13).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/tolm104_murn101_murn105_brel101.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

Tolm_104::Tolm_104(int typeCode) : CFamilyBase(typeCode) {}

Murn_101::Murn_101(int typeCode) : CFamilyBase(typeCode) {}

Brel_101::Brel_101(int typeCode) : CFamilyBase(typeCode) {}

Murn_105::Murn_105(int typeCode) : CFamilyBase(typeCode) {}

void Murn_101::familyTexts(int, PllTextInfo &, ContextTextInfo &c) const
{
    if (useCaseMode != 0)
        c.extra << QStringLiteral("Use-case HDR mode: %1").arg(useCaseMode);
}

// The prescaler halves the input clock before the pre-divider.
void Murn_105::familyPllRequest(PllRequest &r)
{
    if (pll.pllPreScale)
        r.fin = finiteOr(r.fin, 0.0) / 2.0;
}

namespace murn105 {
enum Row { CommandRw = 1, ResetMisc, PllEnable };
const RowRule kRows[] = {
    {"command_rw", CommandRw},
    {"reset_and_misc_control", ResetMisc},
    {"pll_control (enable)", PllEnable},
};
} // namespace murn105

int Murn_105::familyRowRole(const RegRow &r) const
{
    return rowRule(murn105::kRows, r);
}

// Interface 1 (MIPI) takes the serial command set and the MIPI reset bits;
// the parallel interface keeps every command enabled.
bool Murn_105::familyRegister(int role, const RegRow &, quint32 *value) const
{
    const bool mipi = pll.interfaceIndex == 1;
    switch (role) {
    case murn105::CommandRw:
        *value = mipi ? 0xFFF3 : 0xFFFF;
        return true;
    case murn105::ResetMisc:
        *value = mipi ? 0x0564 : 0x0364;
        return true;
    case murn105::PllEnable:
        *value = pll.pllBypass ? 0 : 1;
        return true;
    default:
        return false;
    }
}

void Brel_101::familyTimingInput(int, TimingInput &in) const
{
    in.extraRows = (embedData ? 2 : 0) + (embedStat ? 2 : 0) + darkExtraRows(*this);
}

// The embedded data and statistics rows and the dark rows and columns the
// timing adds to the frame, in the registers of Brel_101 and Brel_102.
int Brel_101::familyRowRole(const RegRow &r) const
{
    return rowRule(brel101::kRows, r);
}

bool Brel_101::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    return brel101::extraRowsRegister(role, *this, *this, r, value);
}

void Brel_101::familyInterfaceLists(int)
{
    brelLinkLists(*this);
}
