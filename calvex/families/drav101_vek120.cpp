// Drav_101 and Vek_120: second-PLL sensors whose line and frame lengths follow a use-case preset (catalogue 112, 113).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/drav101_vek120.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

Drav_101::Drav_101(int typeCode) : CFamilyBase(typeCode) {}

Vek_120::Vek_120(int typeCode) : CFamilyBase(typeCode) {}

namespace {

// The presets of Drav_101 and Vek_120: a preset frame is the shortest frame
// of its use case (use cases that differ only in their rate share one).
void shortestFramePresetInput(const LengthPresets &l, TimingInput &in)
{
    lengthPresetInput(l, in);
    in.presetFrameIsShortest = true;
}

void presetTexts(const LengthPresets &l, ContextTextInfo &c)
{
    if (l.lineLengthPreset > 0 || l.frameLengthPreset > 0)
        c.extra << QStringLiteral("Use-case preset: line length %1 pck, frame length %2 lines")
                       .arg(l.lineLengthPreset)
                       .arg(l.frameLengthPreset);
}

} // namespace

void Drav_101::familyTimingInput(int, TimingInput &in) const
{
    shortestFramePresetInput(*this, in);
    rowReadModeInput(ctx[0], in);
}

void Drav_101::familyTexts(int, PllTextInfo &, ContextTextInfo &c) const
{
    presetTexts(*this, c);
}

// Revision 0 is the one whose use-case presets the window applies; the
// default interface's lanes are the starting lane count.
void Vek_120::familyDefaults()
{
    pll.revision = 0;
    pll.lanes = interfaceInfo(traits(), traits().defaultInterface, 1).lanes;
}

// The window writes no interface for this family, only the lane count its
// presets give: the interface is the family's item with that many lanes.
int Vek_120::familyInterfaceIndex(int interfaceIndex) const
{
    const int items = int(interfaceItems(traits()).size());
    for (int i = 0; i < items; ++i) {
        if (interfaceInfo(traits(), i, 1).lanes == pll.lanes)
            return i;
    }
    return interfaceIndex;
}

void Vek_120::familyTimingInput(int, TimingInput &in) const
{
    shortestFramePresetInput(*this, in);
    rowReadModeInput(ctx[0], in);
}

void Vek_120::familyTexts(int, PllTextInfo &, ContextTextInfo &c) const
{
    presetTexts(*this, c);
}
