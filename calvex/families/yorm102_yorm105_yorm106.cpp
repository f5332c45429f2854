// Yorm_102, Yorm_105 and Yorm_106: the bridges, image processors that drive an attached raw sensor (catalogue 54-58).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/yorm102_yorm105_yorm106.cpp.
#include "families.h"

#include "familyhelpers.h"

#include <cmath>

using namespace calvex;
using namespace familyhelpers;

CBridgeFamily::CBridgeFamily(int typeCode) : CFamilyBase(typeCode) {}

// Sensor 54 has one row more than 55 and 56.
Yorm_102::Yorm_102(int typeCode) : CBridgeFamily(typeCode) {}

Yorm_105::Yorm_105(int typeCode) : CBridgeFamily(typeCode) {}

Yorm_106::Yorm_106(int typeCode) : CBridgeFamily(typeCode) {}

namespace {

struct AttachedSensor {
    int cols, rows;
    double pixelMax; // MHz
    int minHBlank;   // pixel clocks
    int minVBlank;   // lines
};

// By kind 0..3. The wide sensors need less blanking than the 1280-column
// ones: a 1080p frame of 2200 x 1125 clocks fits their pixel-rate limit.
const AttachedSensor kAttached[4] = {
    {1280, 960, 74.25, 370, 60},
    {1280, 960, 74.25, 370, 60},
    {1928, 1088, 80.0, 200, 36},
    {1928, 1208, 78.0, 200, 36},
};

const AttachedSensor &attached(int kind)
{
    return kAttached[qBound(0, kind, 3)];
}

} // namespace

void CBridgeFamily::familyDefaults()
{
    pll.revision = 1;
    pll.attachedSensorKind = sensorKind;
    aspectFrameRateChoices = numberItems({30, 25, 15});
    pll.twoPixBitDepth = 8;
    ctx[0].maxFps = traits().defaultFps;
}

void CBridgeFamily::familyTimingLimits(TimingLimits &limits) const
{
    const AttachedSensor &s = attached(sensorKind);
    limits.arrayCols = s.cols;
    limits.arrayRows = s.rows;
    limits.minHBlank = s.minHBlank;
    limits.minVBlank = s.minVBlank;
}

namespace {

// The long exposure an HDR mode needs: one half-period of 60 Hz mains light,
// the shortest exposure that sees no flicker under it.
constexpr double kHdrExposureMs = 1000.0 / 120.0;

// Half the frame at the requested rate (ms), or 0 without a usable rate.
double halfFrameMs(double fps)
{
    return fps > 0.0 && std::isfinite(fps) ? 500.0 / fps : 0.0;
}

} // namespace

// The SOC crop replaces the field of view when the advanced options are on.
// In SDR integration stretches the frame only when the longest time is
// allowed, and with the discrete frame-rate type only to the rate steps DFS1
// and DFS2. An HDR mode keeps the rate and takes its long exposure (with a
// short one of a sixteenth) within half the frame, or within the whole frame
// when the maximum integration time is allowed.
void CBridgeFamily::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    if (p.advParamOn && p.fovCols > 0 && p.fovRows > 0) {
        in.useFov = true;
        in.fovCols = p.socCols > 0 ? qMin(p.fovCols, p.socCols) : p.fovCols;
        in.fovRows = p.socRows > 0 ? qMin(p.fovRows, p.socRows) : p.fovRows;
    }
    // A use case with an aspect-ratio mode is a 4:3 picture: the window keeps
    // that shape inside the attached sensor's array, cut down from the side
    // that is too long.
    if (p.aspectRatioFlag) {
        const AttachedSensor &s = attached(sensorKind);
        int *cols = in.useFov ? &in.fovCols : &in.cols;
        int *rows = in.useFov ? &in.fovRows : &in.rows;
        int c = qBound(8, *cols > 0 ? *cols : s.cols, s.cols);
        int r = qBound(6, *rows > 0 ? *rows : s.rows, s.rows);
        if (qint64(c) * 3 > qint64(r) * 4)
            c = r * 4 / 3;
        else
            r = c * 3 / 4;
        *cols = c & ~1;
        *rows = r & ~1;
    }
    in.extendForIntegration = p.useMaxIntgTime;
    if (p.discreteFps) {
        in.fpsSteps[0] = p.dfs1;
        in.fpsSteps[1] = p.dfs2;
    }
    if (p.hdrMode > 0) {
        setExposures(in, 2, 4, 0, 0);
        in.extendForIntegration = false;
        const double half = halfFrameMs(p.maxFps);
        in.intgTime = p.useMaxIntgTime || half <= 0.0 ? kHdrExposureMs : qMin(kHdrExposureMs, half);
    }
}

void CBridgeFamily::familyTiming(int context)
{
    const TimingResult &t = m_cs[context].t;
    const AttachedSensor &s = attached(sensorKind);
    CModeState &m = mode[context];
    CContextParams &p = ctx[context];
    m.coreCols = s.cols;
    m.coreRows = s.rows;
    m.cropCols = p.socCols > 0 ? qMin(p.socCols, s.cols) : t.fovCols;
    m.cropRows = p.socRows > 0 ? qMin(p.socRows, s.rows) : t.fovRows;
    m.fovXMax = qMax(0, s.cols - t.fovCols);
    m.fovYMax = qMax(0, s.rows - t.fovRows);
    p.fovX = qBound(0, p.fovX, m.fovXMax);
    p.fovY = qBound(0, p.fovY, m.fovYMax);
    pll.arrayCols = s.cols;
    pll.arrayRows = s.rows;
    pll.attachedSensorKind = sensorKind;
    // Longer than half the frame by more than the rounding to whole rows.
    const double half = halfFrameMs(p.maxFps);
    needsMaxIntgTime[context] = p.hdrMode > 0 && half > 0.0 && t.intgTimeMs > half + t.rowTimeUs * 0.5e-3 + 1e-9;
    highSpeedEnable = pixelClockResult > 48.0 ? 1 : 0;
}

// Auto adjust for two clocks per pixel: the system clock is asked for at
// twice the target, so the pixel clock stays at the target. The external PLL
// aims at most at the clock the attached sensor takes, and a target above it
// is not met.
void CBridgeFamily::familyPllRequest(PllRequest &r)
{
    if (pll.twoClkPerPix && pll.pllAutoAdjust) {
        r.target *= 2.0;
        r.fallbackTarget *= 2.0;
    }
    if (m_capToSensor) {
        const double limit = attached(sensorKind).pixelMax * (pll.twoClkPerPix ? 2.0 : 1.0);
        if (r.target > limit) {
            r.target = limit;
            addPllWarnings(WarnTargetClock);
        }
        r.fallbackTarget = qMin(r.fallbackTarget, limit);
    }
}

void CBridgeFamily::familyPll()
{
    int lanes = 1, bits = 12;
    attachedLink(&lanes, &bits);
    attachedSensorClocks(sensorKind, lanes, bits);
}

void CBridgeFamily::attachedLink(int *lanes, int *bits) const
{
    *lanes = 4;
    *bits = pll.interfaceIndex == 2 ? 14 : 12;
}

void Yorm_102::attachedLink(int *lanes, int *bits) const
{
    if (typeCode() != 54) {
        CBridgeFamily::attachedLink(lanes, bits);
        return;
    }
    *lanes = qMax(1, pll.lanes);
    *bits = pll.opBits > 0 ? pll.opBits : 12;
}

// The auto-exposure frame-rate steps of the discrete type: the rate reached,
// then DFS1 and DFS2, each in frames per second x 256. The parallel port
// puts LSB-aligned data words out with bit 3 of its control.
namespace bridge {
enum Row {
    ParallelControl = 1,
    FrameRate0,
    FrameRate1,
    FrameRate2,
    KeepSyncControl,
    SensorPll,
    KsLineLength,
    KsFrameLength,
    KsStartRow,
    KsStartCol,
    KsStopRow,
    KsStopCol
};
const RowRule kRows[] = {
    {"cam_port_parallel_control", ParallelControl},
    {"cam_aet_frame_rate_0", FrameRate0},
    {"cam_aet_frame_rate_1", FrameRate1},
    {"cam_aet_frame_rate_2", FrameRate2},
};
// The keep-sync output timing of Yorm_106, and the attached sensor's PLL.
const RowRule kKeepSyncRows[] = {
    {"cam_port_keepsync_control", KeepSyncControl}, {"cam_sensor_control_external_pll", SensorPll},
    {"TX_KS_LINE_LENGTH_PCK", KsLineLength},        {"TX_KS_FRAME_LENGTH_LINES", KsFrameLength},
    {"TX_KS_LINE_VALID_START_ROW", KsStartRow},     {"TX_KS_FRAME_VALID_START_ROW", KsStartRow},
    {"TX_KS_LINE_VALID_START_COL", KsStartCol},     {"TX_KS_FRAME_VALID_START_COL", KsStartCol},
    {"TX_KS_LINE_VALID_STOP_ROW", KsStopRow},       {"TX_KS_FRAME_VALID_LAST_ROW", KsStopRow},
    {"TX_KS_LINE_VALID_STOP_COL", KsStopCol},       {"TX_KS_FRAME_VALID_STOP_COL", KsStopCol},
};
} // namespace bridge

int CBridgeFamily::familyRowRole(const RegRow &r) const
{
    return rowRule(bridge::kRows, r);
}

bool CBridgeFamily::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    if (role == bridge::ParallelControl) {
        *value = (r.value & ~0x0008u) | (pll.msbAligned == 0 ? 0x0008u : 0u);
        return true;
    }
    if (role < bridge::FrameRate0 || role > bridge::FrameRate2 || !ctx[0].discreteFps)
        return false;
    const int step = role - bridge::FrameRate0;
    const double rate = step == 0 ? m_cs[0].t.fps : step == 1 ? ctx[0].dfs1 : ctx[0].dfs2;
    *value = fitToRow(boundedInt<qint64>(std::round(rate * 256.0), 0, 255 * 256), r);
    return true;
}

void CBridgeFamily::familyTexts(int, PllTextInfo &p, ContextTextInfo &c) const
{
    if (ctx[0].discreteFps)
        c.extra
            << QStringLiteral("Discrete frame-rate steps: %1, %2 fps").arg(num(ctx[0].dfs1, 2), num(ctx[0].dfs2, 2));
    p.extra << QStringLiteral("Attached sensor kind: %1").arg(sensorKind)
            << QStringLiteral("Serial divider: %1").arg(serialDivider)
            << QStringLiteral("Serial clock: %1 MHz").arg(num(serialClock));
    if (ctx[0].useMaxIntgTime)
        c.extra << QStringLiteral("Maximum integration time: on");
    if (needsMaxIntgTime[0])
        c.extra << QStringLiteral("The frame rate needs the longest integration time");
}

// Sensor pixel clock: the system clock (halved with two clocks per pixel),
// at most the attached sensor's rate.
void CBridgeFamily::attachedSensorClocks(int kind, int lanes, int bits)
{
    sensorKind = qBound(0, kind, 3);
    sensorClocks(finiteOr(pll.outputClock, 0.0) / (pll.twoClkPerPix ? 2.0 : 1.0), lanes, bits);
}

// The serial divider keeps the serial clock at or above what the lanes need.
// A pixel clock below 30 MHz or above the sensor's rate misses the target.
void CBridgeFamily::sensorClocks(double pixelClock, int lanes, int bits)
{
    const AttachedSensor &s = attached(sensorKind);
    const double wanted = finiteOr(pixelClock, 0.0);
    pixelClockResult = qMax(0.0, qMin(wanted, s.pixelMax));
    pll.pixelClock = pixelClockResult;
    pll.systemClock = pll.outputClock;
    const double required = pixelClockResult * qMax(1, bits) / qMax(1, lanes);
    int div = 0;
    if (required > 0.0 && pll.vcoClock > 0.0)
        div = boundedInt(std::floor(pll.vcoClock / required), 1, 16) - 1;
    serialDivider = div;
    serialClock = pll.vcoClock / (serialDivider + 1);
    pll.serialClock = serialClock;
    if (pixelClockResult < 30.0 || wanted > s.pixelMax + 1e-6)
        addPllWarnings(WarnTargetClock);
}

void CBridgeFamily::externalPll(int kind)
{
    sensorKind = qBound(0, kind, 3);
    m_capToSensor = true;
    enginePll(PllMode::ByInterface, currentInterfaceIndex());
    m_capToSensor = false;
}

void CBridgeFamily::CalculatePLLExt(int kind)
{
    Call call(this, "CalculatePLLExt", {kind});
    externalPll(kind);
}

void Yorm_102::CalculatePLLExt_(int kind)
{
    Call call(this, "CalculatePLLExt_", {kind});
    externalPll(kind);
}

namespace {

bool sameClock(double a, double b)
{
    return a == b || (a != a && b != b);
}

} // namespace

// The first pass: the attached sensor's PLL for the pixel clock; the second:
// the bridge's PLL for the output clock, with the sensor on the first pass's
// pixel clock and the keep-sync lengths in force.
void Yorm_106::CalculatePLLNet_ks(int kind, bool applyToPll)
{
    Call call(this, "CalculatePLLNet_ks", {kind, applyToPll});
    sensorKind = qBound(0, kind, 3);
    if (!applyToPll) {
        PllRequest r;
        r.fin = pll.inputClock;
        r.target = keepSyncTargetClock;
        r.fallbackTarget = attached(sensorKind).pixelMax;
        m_ksSensor = solvePll(m_limits, r);
        keepSyncVcoClock = m_ksSensor.vco;
        keepSyncOutputClock = m_ksSensor.out;
        keepSyncDividers[0] = m_ksSensor.d[0];
        keepSyncDividers[1] = m_ksSensor.n;
        keepSyncDividers[2] = m_ksSensor.m;
        keepSyncDividers[3] = m_ksSensor.d[1];
        const double ext = finiteOr(keepSyncClock, 0.0);
        keepSyncExtDivider = ext > 0.0 ? boundedInt(std::round(keepSyncOutputClock / ext), 1, 64) : 1;
        keepSyncDirty = true;
        return;
    }
    m_ksRequests.valid = true;
    m_ksRequests.inputClock = pll.inputClock;
    m_ksRequests.n = pll.pllN;
    m_ksRequests.m = pll.pllM;
    m_ksRequests.vco = pll.vcoRequest;
    m_ksRequests.bypass = pll.pllBypass;
    m_ksRequests.twoClkPerPix = pll.twoClkPerPix;
    m_ksRequests.kind = sensorKind;
    pll.targetClock = keepSyncTargetClock;
    m_ksSecondPass = true;
    enginePll(PllMode::ByInterface, currentInterfaceIndex());
    m_ksSecondPass = false;
}

bool Yorm_106::fineAdjustPll0P2toExt_ks(int kind)
{
    Call call(this, "fineAdjustPll0P2toExt_ks", {kind});
    const double ext = finiteOr(keepSyncClock, 0.0);
    if (!(ext > 0.0) || !(keepSyncOutputClock > 0.0))
        return false;
    const double ratio = keepSyncOutputClock / ext;
    return ratio >= 1.0 - 1e-9 && std::fabs(ratio - std::round(ratio)) < 1e-6;
}

bool Yorm_106::keepSyncRequestsChanged() const
{
    const KeepSyncRequests &r = m_ksRequests;
    return !r.valid || !sameClock(r.inputClock, pll.inputClock) || r.n != pll.pllN || r.m != pll.pllM ||
           !sameClock(r.vco, pll.vcoRequest) || r.bypass != pll.pllBypass || r.twoClkPerPix != pll.twoClkPerPix ||
           r.kind != sensorKind;
}

// The second pass aims at the output clock as given.
void Yorm_106::familyPllRequest(PllRequest &r)
{
    if (!m_ksSecondPass)
        CBridgeFamily::familyPllRequest(r);
}

void Yorm_106::familyPll()
{
    if (!m_ksSecondPass) {
        CBridgeFamily::familyPll();
        keepSyncDirty = true;
        m_keepSyncTiming = false;
        return;
    }
    int lanes = 1, bits = 12;
    attachedLink(&lanes, &bits);
    sensorClocks(keepSyncOutputClock, lanes, bits);
    addPllWarnings(m_ksSensor.warnings & (WarnInputClock | WarnTargetClock | WarnVco));
    keepSyncDirty = false;
    m_keepSyncTiming = true;
}

// Keep-sync output timing: the external line and frame, and the output
// image's valid window inside it (from the table's start row and column);
// the attached sensor's PLL as the bridge writes it: M in bits 0-7, N in
// bits 8-15, P1 in bits 16-23 and P2 in bits 24-31.
int Yorm_106::familyRowRole(const RegRow &r) const
{
    const int role = rowRule(bridge::kKeepSyncRows, r);
    return role ? role : CBridgeFamily::familyRowRole(r);
}

bool Yorm_106::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    using namespace bridge;
    if (role == KeepSyncControl) {
        *value = keepSyncOn ? 1 : 0;
        return true;
    }
    if (role == SensorPll) {
        if (!m_keepSyncTiming)
            return false;
        const PllSolution &s = m_ksSensor;
        *value = fitToRow(qint64(qBound(0, s.m, 255)) | qint64(qBound(0, s.n, 255)) << 8 |
                              qint64(qBound(0, s.d[0], 255)) << 16 | qint64(qBound(0, s.d[1], 255)) << 24,
                          r);
        return true;
    }
    if (role < KsLineLength)
        return CBridgeFamily::familyRegister(role, r, value);
    if (!keepSyncOn)
        return false;
    const TimingResult &t = m_cs[0].t;
    qint64 v;
    switch (role) {
    case KsLineLength:
        v = keepSyncLinePck;
        break;
    case KsFrameLength:
        v = keepSyncFrameLength;
        break;
    case KsStopRow:
        v = qint64(defaultOfRole(KsStartRow)) + t.outRows - 1;
        break;
    case KsStopCol:
        v = qint64(defaultOfRole(KsStartCol)) + t.outCols - 1;
        break;
    default:
        return false;
    }
    *value = fitToRow(v, r);
    return true;
}

void Yorm_106::familyTimingInput(int context, TimingInput &in) const
{
    CBridgeFamily::familyTimingInput(context, in);
    if (m_keepSyncTiming && useFixedLineLength[context] && lineLengthPck[context] > 0) {
        in.fixedLineLength = lineLengthPck[context];
        if (frameLengthLines[context] > 0)
            in.fixedFrameLength = frameLengthLines[context];
    }
}

void Yorm_106::familyTexts(int context, PllTextInfo &p, ContextTextInfo &c) const
{
    CBridgeFamily::familyTexts(context, p, c);
    if (!m_keepSyncTiming)
        return;
    p.extra << QStringLiteral("Keep-sync clock: %1 MHz").arg(num(keepSyncClock))
            << QStringLiteral("Sensor PLL: N %1, M %2, P1 %3, P2 %4, pixel clock %5 MHz")
                   .arg(m_ksSensor.n)
                   .arg(m_ksSensor.m)
                   .arg(m_ksSensor.d[0])
                   .arg(m_ksSensor.d[1])
                   .arg(num(keepSyncOutputClock));
    c.extra << QStringLiteral("Keep-sync frame: %1 clocks x %2 lines").arg(keepSyncLinePck).arg(keepSyncFrameLength);
}
