// Vek_141, Vek_145l, Vek_147, Vek_149, Vek_155: sensors with an interface list of their own (catalogue 37-45, 53).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek141_vek145l_vek147_vek149_vek155.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

CColumnCorrectionSensor::CColumnCorrectionSensor(int typeCode) : CFamilyBase(typeCode) {}

Vek_141::Vek_141(int typeCode) : CColumnCorrectionSensor(typeCode) {}

Vek_145l::Vek_145l(int typeCode) : CFamilyBase(typeCode) {}

Vek_147::Vek_147(int typeCode) : CFamilyBase(typeCode) {}

Vek_149::Vek_149(int typeCode) : CFamilyBase(typeCode) {}

Vek_155::Vek_155(int typeCode) : CColumnCorrectionSensor(typeCode) {}

namespace {

// The column-correction rows of a context: 16, 32, 64 or 128, the count
// asked for brought to the nearest of them below (16 at least); the
// high-speed read-out corrects over 16 rows only.
constexpr int kCcRowsLargestExponent = 3;

int ccRowsOf(const CPllParams &pll, const CContextParams &p)
{
    if (pll.highSpeed)
        return 16;
    return 16 << qBound(0, log2Of(p.ccRows / 16), kCcRowsLargestExponent);
}

// Sensors of the first MIPI/HiSPi group: dark rows and columns, low power
// lengthens the line, HDR reads a second exposure at the ratio exponent.
void sensorOptionInput(const CContextParams &p, const DarkRowOptions &d, int hdrRatio, TimingInput &in)
{
    darkOptionInput(d, in);
    if (p.lowPower)
        in.extraHBlank += 128;
    if (p.hdrMode > 0)
        setExposures(in, 2, hdrRatio, 0, 0);
}

} // namespace

// The CC rows (16 x 2^k) set the HDR ratio of Vek_141 and Vek_155.
void CColumnCorrectionSensor::familyTimingInput(int context, TimingInput &in) const
{
    sensorOptionInput(ctx[context], *this, log2Of(ccRowsOf(pll, ctx[context]) / 4), in);
}

void CColumnCorrectionSensor::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

// The register's field holds k of the 16 x 2^k rows corrected over.
namespace columncorrection {
enum Row { Rows = 1 };
const RowRule kRows[] = {{"COLUMN_CORRECTION", Rows}};
} // namespace columncorrection

int CColumnCorrectionSensor::familyRowRole(const RegRow &r) const
{
    return rowRule(columncorrection::kRows, r);
}

bool CColumnCorrectionSensor::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    if (role != columncorrection::Rows)
        return false;
    *value = fitToRow(log2Of(ccRowsOf(pll, ctx[0]) / 16), r);
    return true;
}

void CColumnCorrectionSensor::familyTexts(int context, PllTextInfo &, ContextTextInfo &c) const
{
    c.extra << QStringLiteral("Column correction: %1 rows").arg(ccRowsOf(pll, ctx[safeContext(context)]));
}

void Vek_147::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

void Vek_149::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

void Vek_147::familyTimingInput(int context, TimingInput &in) const
{
    sensorOptionInput(ctx[context], *this, 4, in);
}

void Vek_149::familyTimingInput(int context, TimingInput &in) const
{
    sensorOptionInput(ctx[context], *this, 4, in);
}

void Vek_145l::familyDefaults()
{
    ctx[0].scaleM = 16;
    for (int &o : ctx[0].fpOptions)
        o = 0;
}

// Without free running the sensor integrates on a trigger and reads the
// frame out afterwards, so the frame holds both one after the other.
void Vek_145l::familyTimingInput(int context, TimingInput &in) const
{
    in.integrationBeforeReadout = ctx[context].interleave == 0;
}

// Planes not powered down are read; the count is what the window shows.
// With the context-A panel closed the window writes its own count, which is
// kept as it is.
void Vek_145l::familyTiming(int context)
{
    if (context != 0 || !advParamOn)
        return;
    CContextParams &p = ctx[0];
    int planes = 16;
    if (!activateAll) {
        planes = 0;
        for (int o : p.fpOptions)
            planes += (o == 2) ? 0 : 1;
    }
    p.scaleM = planes;
}

// Power state codes: 0 active, 1 reduced power, 3 powered down. A state's
// write index is 0 (all planes addressed) when some plane has that state.
namespace vek145l {
// The focal-plane states in the order of their rows: down, reduced, active;
// each has a serial write index and a sensor control word.
enum Row {
    IndexDown = 1,
    IndexReduced,
    IndexActive,
    ControlDown,
    ControlReduced,
    ControlActive,
    OutputWidth,
    Embedded
};
const RowRule kRows[] = {
    {"SERIAL_WRITE_INDEX_D", IndexDown},   {"SERIAL_WRITE_INDEX_S", IndexReduced},
    {"SERIAL_WRITE_INDEX_A", IndexActive}, {"SENSOR_CONTROL_D", ControlDown},
    {"SENSOR_CONTROL_S", ControlReduced},  {"SENSOR_CONTROL_A", ControlActive},
    {"X_OUTPUT_SIZE", OutputWidth},        {"SMIA_TEST", Embedded},
    {"EMBEDDED_DATA_CTRL", Embedded},
};
// Per state (active, reduced, down): the sensor control code.
const quint32 kStateCode[3] = {0x0000, 0x0001, 0x0003};
} // namespace vek145l

int Vek_145l::familyRowRole(const RegRow &r) const
{
    return rowRule(vek145l::kRows, r);
}

bool Vek_145l::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    using namespace vek145l;
    bool present[3] = {false, false, false}; // active, reduced, down
    for (int o : ctx[0].fpOptions) {
        const int state = (!advParamOn || activateAll) ? 0 : qBound(0, o, 2);
        present[state] = true;
    }
    switch (role) {
    case IndexDown:
    case IndexReduced:
    case IndexActive:
        *value = present[IndexActive - role] ? 0x0000 : 0xFFFF;
        return true;
    case ControlDown:
    case ControlReduced:
    case ControlActive: {
        const int state = ControlActive - role;
        *value = present[state] ? kStateCode[state] : r.value;
        return true;
    }
    case OutputWidth:
        *value = fitToRow(qint64(m_cs[0].t.outCols) * packedPlanes(), r);
        return true;
    case Embedded:
        *value = (r.value & ~0x0100u) | (embedData ? 0x0100u : 0u);
        return true;
    default:
        return false;
    }
}

void Vek_145l::familyTexts(int, PllTextInfo &, ContextTextInfo &c) const
{
    c.extra << QStringLiteral("Focal planes read: %1 of 16 (%2 per line with packing)")
                   .arg(qBound(0, ctx[0].scaleM, 16))
                   .arg(packedPlanes());
    c.extra << (ctx[0].interleave ? QStringLiteral("Free running") : QStringLiteral("Triggered read-out"));
}

// The planes of a line go out in groups of the packing modulo (1, 2, 4, 8 or
// 16 for packMode 1 to 5): the last group is padded to the full modulo.
int Vek_145l::packedPlanes() const
{
    const int planes = qBound(1, ctx[0].scaleM, 16);
    const int modulo = 1 << (qBound(1, ctx[0].packMode, 5) - 1);
    return qMin(16, (planes + modulo - 1) / modulo * modulo);
}
