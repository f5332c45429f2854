// Brel_103, Brel_106 and Brel_107: single-context sensors with the plain PLL step (catalogue 25, 32-36).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/brel103_brel106_brel107.cpp.
#include "families.h"

using namespace calvex;

Brel_103::Brel_103(int typeCode) : CFamilyBase(typeCode) {}

Brel_106::Brel_106(int typeCode) : CFamilyBase(typeCode) {}

Brel_107::Brel_107(int typeCode) : CFamilyBase(typeCode) {}

void Brel_103::familyDefaults()
{
    pll.borderSize = 4;
}

// The size asked for is the image; the sensor sends it inside a border of
// borderSize pixels on every side, so the read-out is that much larger.
void Brel_103::familyTimingInput(int, TimingInput &in) const
{
    const qint64 border = 2 * qint64(qBound(0, pll.borderSize, 1024));
    in.cols = int(qBound<qint64>(0, in.cols + border, INT_MAX));
    in.rows = int(qBound<qint64>(0, in.rows + border, INT_MAX));
}

// PLL Config1 holds M in the high byte and N in the low byte; PLL Config2
// holds the video system divider P1 - 1 in bits 12:8 and the video pixel
// divider P2 - 1 in bits 4:0.
// The shutter width is 32 bits: "Integration Time" holds the low word,
// "Shut. Wid. Upper" the high word. "Row Mode" and "Column Mode" hold the
// skip (factor - 1) in bits 2:0 and the bin (factor - 1) in bits 5:4.
namespace brel106 {
enum Row {
    PllControl1 = 1,
    PllControl2,
    PllConfig1,
    PllConfig2,
    ShutterDelay,
    ShutterLower,
    ShutterUpper,
    RowMode,
    ColumnMode
};
const RowRule kRows[] = {
    {"PLL Control1", PllControl1},      {"PLL Control2", PllControl2},   {"PLL Config1", PllConfig1},
    {"PLL Config2", PllConfig2},        {"Shutter Delay", ShutterDelay}, {"Integration Time", ShutterLower},
    {"Shut. Wid. Upper", ShutterUpper}, {"Row Mode", RowMode},           {"Column Mode", ColumnMode},
};
// The address-mode word of a read-out factor, binned or skipped.
quint32 addressMode(int factor, bool binned, quint32 tableValue)
{
    const quint32 skip = quint32(qBound(0, factor - 1, 7));
    const quint32 bin = binned ? quint32(qBound(0, factor - 1, 3)) : 0u;
    return (tableValue & ~0x37u) | (bin << 4) | skip;
}
} // namespace brel106

int Brel_106::familyRowRole(const RegRow &r) const
{
    return rowRule(brel106::kRows, r);
}

// M and N share "PLL Config1", a byte each; P1 - 1 and P2 - 1 are five bits
// each of "PLL Config2".
void Brel_106::familyBound()
{
    m_fieldCap.n = qMin(m_fieldCap.n, 255);
    m_fieldCap.m = qMin(m_fieldCap.m, 255);
    m_fieldCap.d[0] = qMin(m_fieldCap.d[0], 32);
    m_fieldCap.d[1] = qMin(m_fieldCap.d[1], 32);
}

bool Brel_106::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    const TimingResult &t = m_cs[0].t;
    switch (role) {
    case brel106::PllControl1:
        *value = pll.pllBypass ? 0x0050 : 0x0051;
        return true;
    case brel106::PllControl2:
        *value = pll.pllBypass ? 0x0052 : 0x0053;
        return true;
    case brel106::PllConfig1:
        *value = (quint32(qBound(0, m_solution.m, 255)) << 8) | quint32(qBound(0, m_solution.n, 255));
        return true;
    case brel106::PllConfig2:
        *value = (quint32(qBound(0, m_solution.d[0] - 1, 31)) << 8) | quint32(qBound(0, m_solution.d[1] - 1, 31));
        return true;
    case brel106::ShutterDelay:
        *value = quint32(qBound(0, ctx[0].sMode, 0xFFFF));
        return true;
    case brel106::ShutterLower:
        *value = fitToRow(qint64(t.expRows[0]) & 0xFFFF, r);
        return true;
    case brel106::ShutterUpper:
        *value = fitToRow(qint64(t.expRows[0]) >> 16, r);
        return true;
    case brel106::RowMode:
        *value = fitToRow(brel106::addressMode(t.yFactor, ctx[0].binning >= 1, r.value), r);
        return true;
    case brel106::ColumnMode:
        *value = fitToRow(brel106::addressMode(t.xFactor, ctx[0].binning >= 1 || ctx[0].binXOnly >= 1, r.value), r);
        return true;
    default:
        return false;
    }
}

void Brel_106::familyTimingInput(int, TimingInput &in) const
{
    if (ctx[0].centering != 1)
        in.useFov = false;
}
