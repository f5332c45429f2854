// Brel_102, Vek_101 and Vek_108: the two-context sensors of catalogue 14-24.
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/brel102_vek101_vek108.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

// Sensors 15, 19 and 20 come with type code 20 and have the longer table.
Brel_102::Brel_102(int typeCode) : CFamilyBase(typeCode) {}

Vek_101::Vek_101(int typeCode) : CFamilyBase(typeCode) {}

Vek_108::Vek_108(int typeCode) : CFamilyBase(typeCode), m_catalogueIndex(typeCode) {}

// The start column and row of the image on the array (colSubsampling,
// rowSubsampling) are only given for the sensors that place their image; the
// others leave them negative and read a centred image.
void Brel_102::familyDefaults()
{
    for (CContextParams &p : ctx)
        p.colSubsampling = p.rowSubsampling = -1;
}

// The application writes the line length of the calculated context's use
// case; each context keeps the one it was calculated with.
void Brel_102::familyContextInputs(int context)
{
    m_lineLengthOf[context] = lineLengthPreset;
}

void Brel_102::familyTimingInput(int context, TimingInput &in) const
{
    in.extraRows = (embedData ? 2 : 0) + (embedStat ? 2 : 0) + darkExtraRows(*this);
    in.extraHBlank = darkExtraCols(*this);
    if (m_lineLengthOf[context] > 0)
        in.fixedLineLength = m_lineLengthOf[context];
    const CContextParams &p = ctx[context];
    in.startCol = p.colSubsampling;
    in.startRow = p.rowSubsampling;
}

int Brel_102::familyRowRole(const RegRow &r) const
{
    return rowRule(brel101::kRows, r);
}

bool Brel_102::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    return brel101::extraRowsRegister(role, *this, *this, r, value);
}

// A start that puts the image beyond the array is flagged.
void Brel_102::familyTiming(int context)
{
    const TimingResult &t = m_cs[context].t;
    if (t.colStartMoved)
        addContextWarnings(context, 0x1000);
    if (t.rowStartMoved)
        addContextWarnings(context, 0x2000);
}

void Brel_102::familyInterfaceLists(int)
{
    brelLinkLists(*this);
}

// Each sample beyond the first adds 64 clocks to the shortest line; the
// image sits off the array's centre by the context's offsets.
void Vek_108::familyTimingInput(int context, TimingInput &in) const
{
    in.extraHBlank = 64 * (qBound(1, pll.pllP5, 8) - 1);
    in.offsetCols = ctx[context].fovX;
    in.offsetRows = ctx[context].fovY;
}

namespace vek108 {
enum Row { DigitalTest = 1 };
const RowRule kRows[] = {
    {"DIGITAL_TEST", DigitalTest},
};
} // namespace vek108

int Vek_108::familyRowRole(const RegRow &r) const
{
    return rowRule(vek108::kRows, r);
}

bool Vek_108::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    if (role != vek108::DigitalTest)
        return false;
    *value = (r.value & ~0x001Cu) | (quint32(qBound(1, pll.pllP5, 8) - 1) << 2);
    return true;
}

void Vek_108::familyInterfaceLists(int)
{
    laneChoices = numberItems({1, 2, 3, 4});
    bitDepthChoices = numberItems({8, 10, 12});
}

void Vek_108::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    static const char *const names[] = {"Vek108m", "Vek108t", "Vek109t"};
    const int i = m_catalogueIndex - 22;
    if (i >= 0 && i < 3)
        p.extra << QStringLiteral("Sensor: %1").arg(QLatin1String(names[i]));
    p.extra << QStringLiteral("Samples: %1").arg(qBound(1, pll.pllP5, 8));
}

void Vek_108::InitDefaults(QString configPath, int catalogueIndex)
{
    Call call(this, "InitDefaults", {catalogueIndex});
    m_catalogueIndex = catalogueIndex;
    CFamilyBase::InitDefaults(configPath);
}

void Vek_108::RegisterUpdate(int context, int catalogueIndex)
{
    Call call(this, "RegisterUpdate", {context, catalogueIndex});
    m_catalogueIndex = catalogueIndex;
    CFamilyBase::RegisterUpdate(context);
}
