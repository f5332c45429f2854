// Vek_157b, Vek_157f and Vek_137: serial-output sensors whose choices map through tables (catalogue 80-82).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek157b_vek157f_vek137.cpp.
#include "families.h"

#include "familyhelpers.h"

#include <cmath>

using namespace calvex;
using namespace familyhelpers;

CVek157Family::CVek157Family(int typeCode, int minRatio) : CFamilyBase(typeCode), m_minRatio(minRatio) {}

Vek_157b::Vek_157b(int typeCode) : CVek157Family(typeCode, 2) {}

Vek_157f::Vek_157f(int typeCode) : CVek157Family(typeCode, 1) {}

Vek_137::Vek_137(int typeCode) : CFamilyBase(typeCode) {}

void CVek157Family::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

namespace {

// A GoPro mode value of 1 (any value from 0.5 on) reads the array 3x3.
void goProInput(const CContextParams &p, TimingInput &in)
{
    if (std::isfinite(p.goProMode) && p.goProMode >= 0.5) {
        in.xFactor = qMax(in.xFactor, 3);
        in.yFactor = qMax(in.yFactor, 3);
    }
}

// The scale_m of a context: the scaler outputs 16 / scale_m of the read-out
// (it shrinks only; the register holds up to 255).
int scaleOf(const CContextParams &p)
{
    return qBound(16, p.scaleM, 255);
}

namespace vek157 {
enum Row { ScaleM = 1 };
const RowRule kRows[] = {
    {"SCALE_M", ScaleM},
};
} // namespace vek157

// The read-out a scaled output needs: scale_m / 16 of its size, rounded up
// to an even size (0, the whole array, stays 0).
int scaledReadSize(int output, int scale)
{
    return output > 0 ? int((qint64(output) * scale + 31) / 32 * 2) : 0;
}

// What the scaler makes of a read-out size: 16 / scale_m of it, no more than
// the size asked for (0: no size asked for), on an even size.
int scaledOutputSize(int read, int asked, int scale)
{
    const int scaled = int(qint64(read) * 16 / scale);
    const int out = asked > 0 ? qMin(asked, scaled) : scaled;
    return qMax(2, out - out % 2);
}

} // namespace

// The timing runs on the read-out, which the scaler shrinks to the output
// asked for afterwards (familyTiming).
void CVek157Family::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    if (p.hdrMode > 0)
        setExposures(in, 2, log2Of(qMax(m_minRatio, p.ccRow)), 0, 0);
    rowReadModeInput(p, in);
    goProInput(p, in);
    const int scale = scaleOf(p);
    if (scale > 16) {
        in.cols = scaledReadSize(p.cols, scale);
        in.rows = scaledReadSize(p.rows, scale);
    }
}

// The link carries the scaled lines.
void CVek157Family::familyPllRequest(PllRequest &)
{
    m_linkScale = 16.0 / scaleOf(ctx[0]);
}

void CVek157Family::familyTiming(int context)
{
    const CContextParams &p = ctx[context];
    const int scale = scaleOf(p);
    if (scale == 16)
        return;
    TimingResult &t = m_cs[context].t;
    t.outCols = scaledOutputSize(t.outCols, p.cols, scale);
    t.outRows = scaledOutputSize(t.outRows, p.rows, scale);
    mode[context].outputCols = t.outCols;
    mode[context].outputRows = t.outRows;
    results.timingGeometry.outputWidth = t.outCols;
    results.timingGeometry.outputHeight = t.outRows;
}

int CVek157Family::familyRowRole(const RegRow &r) const
{
    return rowRule(vek157::kRows, r);
}

// SCALE_M programs the scale the timing used.
bool CVek157Family::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != vek157::ScaleM)
        return false;
    *value = quint32(scaleOf(ctx[0]));
    return true;
}

void CVek157Family::familyTexts(int context, PllTextInfo &, ContextTextInfo &c) const
{
    const int scale = scaleOf(ctx[safeContext(context)]);
    if (scale > 16)
        c.extra << QStringLiteral("Scaler: scale_m %1 (16/%1 of the read-out)").arg(scale);
}

// The read-out mode counts from 0: skipping k reads every (k + 1)th pixel
// (the mode the panel shows is skipping + 1).
void Vek_137::readoutFactors(int context, int *xFactor, int *yFactor, QString *name) const
{
    const CContextParams &p = ctx[safeContext(context)];
    const int skip = qBound(0, p.skipping, 15) + 1;
    const int bin = p.binning >= 1 ? 2 : 1;
    const int binX = p.binXOnly >= 1 ? 2 : 1;
    *xFactor = qMax(skip, qMax(bin, binX));
    *yFactor = qMax(skip, bin);
    QStringList parts;
    if (bin > 1)
        parts << QStringLiteral("Bin 2x2");
    else if (binX > 1)
        parts << QStringLiteral("Column bin 2");
    if (skip > 1)
        parts << QStringLiteral("Skip %1x%1").arg(skip);
    *name = parts.isEmpty() ? QStringLiteral("Normal") : parts.join(QStringLiteral(", "));
}

void Vek_137::familyDefaults()
{
    cfpnRowChoices = numberItems({64, 128, 256, 512});
}

// The op pixel divider offers 8 or 10 bits (6 through opPixDiv6).
void Vek_137::familyInterfaceLists(int)
{
    bitDepthChoices = numberItems({8, 10});
}

// The op pixel divider of 6 fixes 6 bits per pixel on the link.
void Vek_137::familyLink(LinkOptions &link) const
{
    if (pll.opPixDiv6)
        link.bits = 6;
}

// The digital column correction averages over the CFPn rows and reads one
// extra dark row per 64 of them in every frame; without it the CFPn rows
// are not used.
void Vek_137::familyTimingInput(int context, TimingInput &in) const
{
    const int cfpnExtra = digitalCC ? qBound(0, ctx[context].cfpnRows, 1024) / 64 : 0;
    in.extraRows = darkExtraRows(*this) + cfpnExtra;
    in.extraHBlank = darkExtraCols(*this) + 2 * qBound(0, borderPixels, 64);
}

namespace vek137 {
enum Row { ColumnCorrection = 1 };
const RowRule kRows[] = {
    {"COLUMN_CORRECTION", ColumnCorrection},
};
} // namespace vek137

int Vek_137::familyRowRole(const RegRow &r) const
{
    return rowRule(vek137::kRows, r);
}

bool Vek_137::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != vek137::ColumnCorrection)
        return false;
    *value = digitalCC ? 1 : 0;
    return true;
}

void Vek_137::familyTexts(int, PllTextInfo &, ContextTextInfo &c) const
{
    if (digitalCC)
        c.extra << QStringLiteral("Digital column correction over %1 CFPn rows").arg(qBound(0, ctx[0].cfpnRows, 1024));
}
