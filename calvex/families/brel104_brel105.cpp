// Brel_104 and Brel_105: two-context sensors whose output interface is the PLL panel's choice (catalogue 28-30).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/brel104_brel105.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

namespace {

// Brel_104 and Brel_105 without the field of view: the option panel's
// "Column Subsampling" box stores its tick (1) in skipping and its "Row
// Subsampling" box in binXOnly. A tick reads every second column or row of
// its box's direction (as binning 1 is bin 2); it is taken out of the
// settings, whose other values (a use case's factors) are read as in the
// other families. With the field of view in use the settings hold the
// sub-sampling spin boxes' factors and are read as they are.
bool subsamplingTick(const CContextParams &p, int setting)
{
    return !p.useFov && setting == 1;
}

CContextParams withoutTicks(const CContextParams &p)
{
    CContextParams factors = p;
    if (subsamplingTick(p, p.skipping))
        factors.skipping = 0;
    if (subsamplingTick(p, p.binXOnly))
        factors.binXOnly = 0;
    return factors;
}

void addTicks(const CContextParams &p, int *xFactor, int *yFactor, QString *name)
{
    QStringList parts;
    if (*name != QLatin1String("Normal"))
        parts << *name;
    if (subsamplingTick(p, p.skipping)) {
        *xFactor = qMax(*xFactor, 2);
        parts << QStringLiteral("Column subsampling 2");
    }
    if (subsamplingTick(p, p.binXOnly)) {
        *yFactor = qMax(*yFactor, 2);
        parts << QStringLiteral("Row subsampling 2");
    }
    *name = parts.isEmpty() ? QStringLiteral("Normal") : parts.join(QStringLiteral(", "));
}

} // namespace

Brel_104::Brel_104(int typeCode) : CFamilyBase(typeCode) {}

Brel_105::Brel_105(int typeCode) : CFamilyBase(typeCode) {}

void Brel_104::readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const
{
    const CContextParams &p = ctx[safeContext(context)];
    readoutFactorsOf(withoutTicks(p), xFactor, yFactor, name);
    addTicks(p, xFactor, yFactor, name);
}

void Brel_104::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    if (p.hdrMode > 0)
        setExposures(in, 2, p.interleave > 0 ? 3 : 4, 0, 0);
    // Without high-speed read-out the column circuits need a longer line.
    if (!p.highSpeed)
        in.extraHBlank = 64;
}

void Brel_105::readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const
{
    const CContextParams &p = ctx[safeContext(context)];
    readoutFactorsOf(withoutTicks(p), xFactor, yFactor, name);
    addTicks(p, xFactor, yFactor, name);
}

// The short sequencer shortens the line; the minimum lines set the smallest
// vertical blanking.
void Brel_105::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    // With the field of view in use, the size given is the field of view on
    // the array; the output size follows from the read-out factors.
    if (p.useFov) {
        in.useFov = true;
        in.fovCols = p.cols;
        in.fovRows = p.rows;
    }
    in.extraVBlank = int(qBound<qint64>(0, qint64(minLines) - traits().minVBlank, 60000));
    if (shortSeq)
        in.extraHBlank = 0;
    else
        in.extraHBlank = 64;
    if (p.highSpeed)
        in.extraHBlank = 0;
}

namespace brel105 {
enum Row { MipiRow = 1 };
} // namespace brel105

int Brel_105::familyRowRole(const RegRow &r) const
{
    return std::strncmp(r.name, "MIPI_", 5) == 0 ? brel105::MipiRow : 0;
}

// The serial interface rows only carry values on the MIPI interface.
bool Brel_105::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    if (role != brel105::MipiRow || ctx[0].interfaceIndex == 1)
        return false;
    *value = fitToRow(r.value, r);
    return true;
}
