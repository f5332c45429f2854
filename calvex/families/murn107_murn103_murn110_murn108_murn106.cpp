// Murn_107, Murn_103, Murn_110, Murn_108, Murn_106: processors with firmware variables (catalogue 59-61, 69-71).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/murn107_murn103_murn110_murn108_murn106.cpp.
#include "families.h"

#include <cmath>

using namespace calvex;

Murn_107::Murn_107(int typeCode) : CFamilyBase(typeCode) {}

Murn_103::Murn_103(int typeCode) : CFamilyBase(typeCode) {}

Murn_110::Murn_110(int typeCode) : CFamilyBase(typeCode) {}

Murn_108::Murn_108(int typeCode) : CFamilyBase(typeCode) {}

Murn_106::Murn_106(int typeCode) : CFamilyBase(typeCode) {}

// Firmware variables are reached through an address and a data register.
void Murn_103::familyDefaults()
{
    defaults.defaultVarAddrReg = 0x00C6;
    defaults.defaultVarDataReg = 0x00C8;
}

void Murn_103::familyTimingInput(int context, TimingInput &in) const
{
    // The other line time reads each line twice as long for low-light rows.
    if (ctx[context].otherLineTime)
        in.extraHBlank = qBound(0, ctx[context].cols, traits().arrayCols);
    if (ctx[context].lowPower)
        in.extraHBlank += 64;
}

void Murn_103::familyTiming(int context)
{
    // The other line time needs a line at most half the longest line.
    if (ctx[context].otherLineTime && 2 * m_cs[context].t.lineLength > traits().maxLineLength)
        addContextWarnings(context, 0x8);
}

void Murn_107::familyTimingInput(int context, TimingInput &in) const
{
    in.extraHBlank = qBound(0, ctx[context].adcMode, 3) * 32 + (ctx[context].otherLineTime ? 64 : 0);
}

// The crop window's end is the column and row after it (the window covers the
// whole image); the auto exposure takes the row time of context A in pixel
// clocks over four, rounded.
namespace murn107 {
enum Row { CropEndXA = 1, CropEndYA, CropEndXB, CropEndYB, RowTime };
const RowRule kRows[] = {
    {"Crop_X1 (A)", CropEndXA}, {"Crop_Y1 (A)", CropEndYA},         {"Crop_X1 (B)", CropEndXB},
    {"Crop_Y1 (B)", CropEndYB}, {"RowTime (msclk per)/4", RowTime},
};
} // namespace murn107

int Murn_107::familyRowRole(const RegRow &r) const
{
    return rowRule(murn107::kRows, r);
}

bool Murn_107::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    using namespace murn107;
    qint64 v;
    switch (role) {
    case CropEndXA:
    case CropEndXB:
        v = m_cs[role == CropEndXB ? 1 : 0].t.outCols;
        break;
    case CropEndYA:
    case CropEndYB:
        v = m_cs[role == CropEndYB ? 1 : 0].t.outRows;
        break;
    case RowTime:
        v = (qint64(m_cs[0].t.lineLength) + 2) / 4;
        break;
    default:
        return false;
    }
    *value = fitToRow(v, r);
    return true;
}

void Murn_108::familyDefaults()
{
    wcdFlag = 1;
}

bool Murn_108::wcdRequested() const
{
    return wcdFlag == 0 && pll.pllWcd > 0;
}

// The override, if there was one, has been used.
void Murn_108::familyPll()
{
    wcdFlag = 1;
}

void Murn_108::familyTimingInput(int context, TimingInput &in) const
{
    in.extraHBlank = qBound(0, ctx[context].adcMode, 3) * 32 + (ctx[context].otherLineTime ? 64 : 0) +
                     (ctx[context].lowPower ? 128 : 0);
}

// Flicker detection: lines in one period of 120 Hz light (60 Hz mains).
void Murn_110::familyTiming(int context)
{
    const double rowUs = m_cs[context].t.rowTimeUs;
    const int lines = rowUs > 0.0 ? boundedInt(std::round(1.0e6 / 120.0 / rowUs), 0, 65535) : 0;
    fdUsedPeriodLines60Hz[context] = lines;
    if (context == 0)
        fdUsedPeriodLines60Hz[2] = lines;
}

namespace murn110 {
enum Row { PllBypass = 1 };
const RowRule kRows[] = {
    {"PLL control: PLL_BYPASS off", PllBypass},
};
} // namespace murn110

int Murn_110::familyRowRole(const RegRow &r) const
{
    return rowRule(murn110::kRows, r);
}

bool Murn_110::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != murn110::PllBypass)
        return false;
    *value = pll.pllBypass ? 0x0047 : 0x0046;
    return true;
}

void Murn_106::familyDefaults()
{
    ctx[0].fovCols = traits().arrayCols;
    ctx[0].fovRows = traits().arrayRows;
}

// The field of view, or the CIF or 720p output mode; a fixed output size of
// the use case's scaler goes before both.
void Murn_106::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    in.useFov = p.fovCols > 0 && p.fovRows > 0;
    in.fovCols = p.fovCols;
    in.fovRows = p.fovRows;
    auto output = [&in](int cols, int rows) {
        in.cols = cols;
        in.rows = rows;
        in.useFov = false;
    };
    if (p.cif)
        output(352, 288);
    if (p.hd720p)
        output(1280, 720);
    const bool fixedSize =
        outputWidth > 0 && outputHeight > 0 && (outputWidth != fovWidth || outputHeight != fovHeight);
    if (fixedSize)
        output(outputWidth, outputHeight);
}

// The auto exposure's lowest frame rate: with a variable frame rate the
// user's minimum, else the family's own, within what the frame allows.
namespace murn106 {
enum Row { AeMinFrameRate = 1 };
const RowRule kRows[] = {
    {"cam_aet_min_frame_rate", AeMinFrameRate},
};
} // namespace murn106

int Murn_106::familyRowRole(const RegRow &r) const
{
    return rowRule(murn106::kRows, r);
}

bool Murn_106::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    if (role != murn106::AeMinFrameRate)
        return false;
    const CContextParams &p = ctx[0];
    const TimingResult &t = m_cs[0].t;
    double rate = t.fps;
    if (p.variableFps) {
        const bool requested = requestedMinFps > 0.0 && std::isfinite(requestedMinFps);
        const double wanted = requested ? requestedMinFps : p.minFps;
        if (wanted > 0.0 && std::isfinite(wanted))
            rate = qMin(wanted, t.fps);
    }
    *value = fitToRow(boundedInt<qint64>(std::round(qMax(rate, t.minFps) * 256.0), 0, 255 * 256), r);
    return true;
}
