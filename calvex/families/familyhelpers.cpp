// The rules several family groups share (familyhelpers.h).
#include "familyhelpers.h"

#include <cstring>

using namespace calvex;

namespace familyhelpers {

// Rows and columns that the dark/test options add to the read-out.
int darkExtraRows(const DarkRowOptions &d)
{
    return (d.darkRows ? 8 : 0) + (d.atrRows ? 4 : 0) + (d.dtrRows ? 4 : 0);
}

int darkExtraCols(const DarkRowOptions &d)
{
    return d.darkCols ? 16 : 0;
}

// Exposure count of an operation mode: 0 linear, then 2, 3, 4 exposures in turn.
int exposuresOfMode(int mode)
{
    return mode <= 0 ? 1 : 2 + ((mode - 1) % 3);
}

void setExposures(TimingInput &in, int exposures, int r1, int r2, int r3)
{
    in.exposures = qBound(1, exposures, 4);
    in.ratioExp[0] = qBound(0, r1, 16);
    in.ratioExp[1] = qBound(0, r2, 16);
    in.ratioExp[2] = qBound(0, r3, 16);
}

// log2 of a ratio given as a factor (1, 2, 4, ...), 0 for anything below 2.
int log2Of(int factor)
{
    int e = 0;
    while (factor >= 2 && e < 16) {
        factor /= 2;
        ++e;
    }
    return e;
}

// The dark/test rows and columns the options add to the read-out.
void darkOptionInput(const DarkRowOptions &d, TimingInput &in)
{
    in.extraRows += darkExtraRows(d);
    in.extraHBlank += darkExtraCols(d);
}

// Line and frame length preset by use case (0: none): the maker's tested
// setting, programmed as given even below the minimum blanking.
void lengthPresetInput(const LengthPresets &l, TimingInput &in)
{
    if (l.lineLengthPreset > 0)
        in.fixedLineLength = l.lineLengthPreset;
    if (l.frameLengthPreset > 0)
        in.fixedFrameLength = l.frameLengthPreset;
    in.presetLengths = l.lineLengthPreset > 0 || l.frameLengthPreset > 0;
}

// The second read-out mode of a context divides the rows it reads.
void rowReadModeInput(const CContextParams &p, TimingInput &in)
{
    in.yFactor = qMax(in.yFactor, qBound(1, p.skippingY, 16));
}

// High-speed read-out: the column circuits convert in half the time, so the
// shortest horizontal blanking halves.
void highSpeedLimits(const CPllParams &pll, TimingLimits &limits)
{
    if (pll.highSpeed)
        limits.minHBlank /= 2;
}

// SDR lanes carry one bit per clock cycle instead of two, so at the same
// lane clock limit a lane carries half the bit rate.
void sdrLink(const CPllParams &pll, LinkOptions &link)
{
    if (link.serial && pll.fastClock)
        link.laneRateMax /= 2.0;
}

void sdrText(const CPllParams &pll, bool serial, PllTextInfo &p)
{
    if (serial)
        p.extra
            << QStringLiteral("Lane clocking: %1").arg(pll.fastClock ? QStringLiteral("SDR") : QStringLiteral("DDR"));
}

// Operation-mode HDR sensors: the mode gives the exposure count, the ratios
// or the times of T2..T4 their lengths; border pixels widen the line.
void operationModeInput(const CContextParams &p, const ExposureRatios &r, const DarkRowOptions &d, TimingInput &in)
{
    setExposures(in, exposuresOfMode(p.hdrMode), r.t1T2Ratio, r.t2T3Ratio, r.t3T4Ratio);
    in.exposureTimes[0] = p.intgTime2;
    in.exposureTimes[1] = p.intgTime3;
    in.exposureTimes[2] = p.intgTime4;
    in.extraRows += darkExtraRows(d);
    in.extraHBlank += qBound(0, p.borderPixels, 64);
}

QStringList numberItems(std::initializer_list<int> values)
{
    QStringList items;
    for (int v : values)
        items << QString::number(v);
    return items;
}

// Lane index i stands for i + 2 lanes; 12 or 14 bits, 20 with four lanes.
void brelLinkLists(CFamilyCore &f)
{
    f.laneChoices = numberItems({2, 3, 4});
    f.bitDepthChoices = numberItems({12, 14});
    f.bitDepthChoicesAlt = numberItems({20});
}

bool nameIs(const RegRow &r, const char *name)
{
    return std::strcmp(r.name, name) == 0;
}

QStringList countItems(int first, int last, int step)
{
    QStringList items;
    for (int v = first; v <= last; v += step)
        items << QString::number(v);
    return items;
}

bool brel101::extraRowsRegister(int role, const EmbedOptions &e, const DarkRowOptions &d, const RegRow &r,
                                quint32 *value)
{
    switch (role) {
    case EmbeddedData:
        *value = (r.value & ~0x0180u) | (e.embedData ? 0x0100u : 0u) | (e.embedStat ? 0x0080u : 0u);
        return true;
    case DarkControl:
        *value = (d.darkRows ? 0x0008u : 0u) | (d.darkCols ? 0x0004u : 0u);
        return true;
    default:
        return false;
    }
}

} // namespace familyhelpers
