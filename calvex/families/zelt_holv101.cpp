// Zelt and Holv_101: the plain families, calculated through named operations only (catalogue 105-109, 114).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/zelt_holv101.cpp.
#include "families.h"

#include "engine/registers.h"

#include <QFileInfo>
#include <cmath>

using namespace calvex;

namespace {

struct ZeltVariant {
    int code;
    int phys;
    double laneRate; // Mbps
    int cols;
};

const ZeltVariant kZelt[] = {
    {105, 2, 1188.0, 2048}, {106, 1, 594.0, 1024},  {107, 2, 891.0, 2048},
    {108, 4, 1188.0, 2048}, {109, 4, 1188.0, 4096},
};

const ZeltVariant &zeltVariant(int code)
{
    for (const ZeltVariant &v : kZelt) {
        if (v.code == code)
            return v;
    }
    return kZelt[0];
}

} // namespace

Zelt::Zelt(int typeCode) : CPlainFamily(typeCode), m_variant(typeCode) {}

void Zelt::engineCalculateAll()
{
    pll.inputClock = defaults.defaultInputClock;
    ctx[0].cols = 8;
    ctx[0].rows = traits().arrayRows;
    ctx[0].scaler = 1000;
    ctx[0].shortSeq = true;
    pll.lanes = traits().defaultLanes;
    pll.opBits = traits().defaultBits;
    CalculatePLL(m_variant);
    CalculateTiming(0, false, true);
    SetResults(0);
    RegisterUpdate(0);
}

// The PLL runs at the lane bit rate of the variant; the pixel clock is what
// all lanes of all PHYs carry at the pixel size.
void Zelt::CalculatePLL(int catalogueIndex)
{
    Call call(this, "CalculatePLL", {catalogueIndex});
    m_variant = catalogueIndex;
    const ZeltVariant &v = zeltVariant(catalogueIndex);
    m_phys = v.phys;
    m_pllWarnings = 0;
    PllRequest r;
    r.fin = pll.inputClock;
    r.target = v.laneRate;
    r.fallbackTarget = v.laneRate;
    PllLimits l = m_limits;
    l.d[0] = l.d[1] = DividerRange();
    l.outMax = l.vcoMax;
    m_solution = solvePll(l, r);
    m_pllWarnings |= m_solution.warnings & WarnInputClock;
    const int lanes = qBound(1, pll.lanes, 4);
    const int bits = pll.opBits == 12 ? 12 : 10;
    if (bits == 10)
        pll.combi = false;
    m_link.serial = true;
    m_link.kind = LinkKind::Hispi;
    m_link.name = QStringLiteral("HISPI");
    m_link.lanes = lanes * v.phys;
    m_link.bits = bits;
    m_link.laneRate = m_solution.vco;
    pll.pllN = m_solution.n;
    pll.pllM = m_solution.m;
    pll.vcoClock = m_solution.vco;
    pll.serialClock = m_solution.vco;
    pll.pixelClock = m_solution.vco * lanes * v.phys / bits / (pll.combi ? 0.75 : 1.0) / (pll.pllPreScale ? 1.02 : 1.0);
    pll.outputClock = pll.pixelClock;
    pll.systemClock = pll.pixelClock;
}

void Zelt::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    const ZeltVariant &v = zeltVariant(m_variant);
    in.cols = qMin(v.cols, traits().arrayCols);
    in.rows = p.roiOff ? traits().arrayRows : p.rows;
    in.useFov = false;
    in.xFactor = 1;
    in.yFactor = qBound(1, p.skipping, 16);
    in.blankType = 0;
    in.extraRows = qBound(0, p.cols, 64);
    in.extraHBlank = (p.lowPower ? 64 : 16) + (pll.useReg ? 8 : 0);
    // The sensor counts the integration from the offset: the coarse rows
    // cover the integration time asked for plus the offset.
    in.intgTime = (double(qMax(0, p.scaler)) + qMax(0, p.scaleM)) / 1000.0;
}

// The integration range in microseconds, counted from the offset like the
// integration time: one row at least, the frame at most, each less the
// offset. An offset longer than a row (or the frame) takes the minimum (or
// both ends) below 0.
void Zelt::familyTiming(int context)
{
    const TimingResult &t = m_cs[context].t;
    const double offset = qMax(0, ctx[context].scaleM);
    minIntgTime = boundedInt(std::ceil(t.rowTimeUs - offset));
    maxIntgTime = boundedInt(std::floor(t.maxIntgTimeMs * 1000.0 - offset));
    m_cs[context].warnings &= WarnFrameRate;
}

void Zelt::CalculateTiming(int context, bool keepFrame, bool extendForIntegration)
{
    Call call(this, "CalculateTiming", {context, keepFrame, extendForIntegration});
    engineTiming(context, keepFrame, extendForIntegration, false);
    m_pllWarnings &= WarnInputClock;
}

namespace zelt {
enum Row {
    PllComponent0 = 1,
    PllComponent1,
    Integration,
    FrameLength,
    LineTime,
    Subsampling,
    IntegrationOffset,
    MLines,
    FLines,
    Companding,
    HispiControl,
    GeneralConfig
};
const RowRule kRows[] = {
    {"PLL_COMPONENT0_REG", PllComponent0},
    {"PLL_COMPONENT1_REG", PllComponent1},
    {"INTEGRATION_COARSE_CTXT0_REG", Integration},
    {"FRAME_LENGTH_CTXT0_REG", FrameLength},
    {"LINE_TIME_REG", LineTime},
    {"SUBSAMPLING_CTXT0_REG", Subsampling},
    {"INTEGRATION_OFFSET_COARSE_REG", IntegrationOffset},
    {"M_LINES_CTXT0_REG", MLines},
    {"F_LINES_CTXT0_REG", FLines},
    {"PIX_COMP_CTRL_REG", Companding},
    {"HISPI_CONTROL_COMMON_REG", HispiControl},
    {"GENERAL_CONFIG0_REG", GeneralConfig},
};
} // namespace zelt

int Zelt::familyRowRole(const RegRow &r) const
{
    return rowRule(zelt::kRows, r);
}

// N is six bits of "PLL_COMPONENT0_REG", M fourteen bits of "PLL_COMPONENT1_REG".
void Zelt::familyBound()
{
    m_fieldCap.n = qMin(m_fieldCap.n, 63);
    m_fieldCap.m = qMin(m_fieldCap.m, 0x3FFF);
}

bool Zelt::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    using namespace zelt;
    const TimingResult &t = m_cs[0].t;
    qint64 v;
    switch (role) {
    case PllComponent0:
        v = (qint64(qBound(0, m_solution.n, 63)) << 8) | 0x03;
        break;
    case PllComponent1:
        v = qBound(0, m_solution.m, 0x3FFF);
        break;
    case Integration:
        v = t.intgRows;
        break;
    case FrameLength:
        v = t.frameLength;
        break;
    case LineTime:
        v = t.lineLength;
        break;
    case Subsampling:
        v = t.yFactor - 1;
        break;
    case IntegrationOffset:
        v = t.rowTimeUs > 0.0 ? boundedInt<qint64>(qMax(0, ctx[0].scaleM) / t.rowTimeUs, 0) : 0;
        break;
    case MLines:
        v = t.outRows;
        break;
    case FLines:
        v = qBound(0, ctx[0].cols, 64);
        break;
    case Companding:
        v = pll.combi ? 1 : 0;
        break;
    case HispiControl:
        v = (pll.pllPreScale ? 0x40 : 0) | (pll.useReg ? 0x20 : 0) | (pll.opBits == 12 ? 0x10 : 0);
        break;
    case GeneralConfig:
        v = (ctx[0].txLatch ? 0x8 : 0) | (ctx[0].trigger ? 0x4 : 0) | 0x2 | (ctx[0].slaveMode ? 0x1 : 0);
        break;
    default:
        return false;
    }
    *value = fitToRow(v, r);
    return true;
}

void Zelt::familyTexts(int, PllTextInfo &p, ContextTextInfo &c) const
{
    p.dividers.clear();
    p.outputName = QStringLiteral("Pixel clock (all PHYs)");
    p.extra << QStringLiteral("PHYs: %1").arg(m_phys);
    c.extra << QStringLiteral("Integration range: %1 to %2 us").arg(minIntgTime).arg(maxIntgTime);
}

namespace {

// The chirp and frame counters run at 80 MHz; the idle time between frames
// is a 24-bit count of them.
constexpr double kCounterMHz = 80.0;

constexpr qint64 kMaxFrameDelay = 0xFFFFFF;

} // namespace

Holv_101::Holv_101(int typeCode)
    : CPlainFamily(typeCode), configBlock{pll.opBits, pll.interfaceIndex, pll.pllP4,  pll.pllP5, pll.pllTargetOp,
                                          pll.mpDiv,  pll.pllVco2,        pll.pllN2,  pll.phyCd, pll.outPort,
                                          pll.pllWcd, pll.twoPixBits,     pll.custRev}
{
    resetConfig();
}

// The radar configuration the window starts with.
void Holv_101::resetConfig()
{
    configBlock.bitsPerSample = 12;
    configBlock.decimation = 0;
    configBlock.chirpResetTime = 10;
    configBlock.chirpRampTime = 15;
    configBlock.freqMin = 79.0;
    configBlock.slope = 25;
    configBlock.adcStartTime = 2.0;
    configBlock.adcSamples = 512;
    configBlock.adcClock = 60;
    configBlock.mipiWordClock = 60;
    configBlock.chirpsPerFrame = 128;
    configBlock.elevation = false;
    configBlock.tdmMimo = true;
}

void Holv_101::familyDefaults()
{
    resetConfig();
    pll.inputClock = 40.0;
}

void Holv_101::engineCalculateAll()
{
    CalculateConfig(0);
    SetResults(0);
    RegisterUpdate(0);
}

// Chirp period = reset + ramp; burst = chirps x period (x transmitters with
// TDM MIMO); the frame idles after its burst for the rest of the requested
// frame period (a 24-bit count of 80 MHz clocks, so a burst longer than the
// period runs the frames back to back); bandwidth = slope x ramp; the samples
// at the decimated ADC rate must fit between the ADC start and the ramp end;
// the data of one chirp must leave over the MIPI link (4 lanes of 8-bit
// words) within the period.
void Holv_101::CalculateConfig(int context)
{
    Call call(this, "CalculateConfig", {context});
    Q_UNUSED(context)
    Radar r;
    const double reset = qBound(0, configBlock.chirpResetTime, 100000);
    const double ramp = qBound(0, configBlock.chirpRampTime, 100000);
    const int chirps = qBound(1, configBlock.chirpsPerFrame, 65535);
    const int tx = configBlock.tdmMimo ? (configBlock.elevation ? 3 : 2) : 1;
    r.channels = 4;
    r.transmitters = tx;
    r.chirpPeriodUs = reset + ramp;
    r.burstTimeMs = r.chirpPeriodUs * chirps * tx / 1000.0;
    const double requested = finiteOr(ctx[0].maxFps, 0.0);
    if (requested > 0.0)
        r.frameDelay = boundedInt<qint64>(std::round((1000.0 / requested - r.burstTimeMs) * kCounterMHz * 1000.0), 0,
                                          kMaxFrameDelay);
    r.frameTimeMs = r.burstTimeMs + r.frameDelay / (kCounterMHz * 1000.0);
    r.bandwidthMHz = qBound(0, configBlock.slope, 1000) * ramp;
    const int decimation = 1 << qBound(0, configBlock.decimation / 2, 3);
    const double adcClock = configBlock.adcClock == 30 ? 30.0 : 60.0;
    r.adcSampleRate = adcClock / decimation;
    const int samples = qBound(1, configBlock.adcSamples, 65535);
    r.samplingTimeUs = samples / r.adcSampleRate;
    const double start = qMax(0.0, finiteOr(configBlock.adcStartTime, 0.0));
    r.samplingFits = start + r.samplingTimeUs <= ramp;
    const int bits = configBlock.bitsPerSample == 14 ? 14 : 12;
    r.dataRateMbps = r.chirpPeriodUs > 0.0 ? double(samples) * bits * r.channels / r.chirpPeriodUs : 0.0;
    const double word = configBlock.mipiWordClock == 30 ? 30.0 : 60.0;
    r.linkRateMbps = word * 8.0 * 4.0;
    r.linkFits = r.dataRateMbps <= r.linkRateMbps;
    // Synthesiser: 40 MHz reference / ref div x fb div = VCO (4 to 6 GHz
    // region scaled to the 77-81 GHz band by 16), / post div = ADC base clock.
    PllLimits l;
    l.finMin = l.finMax = 40.0;
    l.pfdMin = 5.0;
    l.pfdMax = 40.0;
    l.nMin = 1;
    l.nMax = 8;
    l.mMin = 8;
    l.mMax = 400;
    l.vcoMin = 480.0;
    l.vcoMax = 960.0;
    l.d[0] = {1, 16, false};
    l.d[1] = DividerRange();
    l.outMax = 960.0;
    PllRequest q;
    q.fin = 40.0;
    q.target = adcClock * 8.0;
    m_solution = solvePll(l, q);
    r.refDiv = m_solution.n;
    r.fbDiv = m_solution.m;
    r.postDiv = m_solution.d[0];
    r.vco = m_solution.vco;
    r.adcDiv = boundedInt(std::round(m_solution.out / adcClock), 1);
    r.mipiDiv = boundedInt(std::round(m_solution.out / word), 1);
    m_radar = r;
    pll.inputClock = 40.0;
    pll.pllN = m_solution.n;
    pll.pllM = m_solution.m;
    pll.pllP = m_solution.d[0];
    pll.vcoClock = m_solution.vco;
    pll.outputClock = m_solution.out;
    pll.pixelClock = adcClock;
    pll.serialClock = r.linkRateMbps / 4.0;
    m_link.serial = true;
    m_link.kind = LinkKind::Mipi;
    m_link.name = QStringLiteral("MIPI");
    m_link.lanes = 4;
    m_link.bits = bits;
    m_link.laneRate = word * 8.0;
    // The radar has no image timing; the geometry shows one chirp per line.
    TimingResult &t = m_cs[0].t;
    t = TimingResult();
    t.outCols = samples;
    t.outRows = chirps * tx;
    t.fovCols = t.outCols;
    t.fovRows = t.outRows;
    t.activeClocks = samples;
    t.lineLength = boundedInt(r.chirpPeriodUs * adcClock, 1, 65535);
    // The idle time in chirp periods.
    t.vBlank = r.chirpPeriodUs > 0.0
                   ? boundedInt(std::round(r.frameDelay / kCounterMHz / r.chirpPeriodUs), 0, qMax(0, 65535 - t.outRows))
                   : 0;
    t.frameLength = t.outRows + t.vBlank;
    t.hBlank = qMax(0, t.lineLength - samples);
    t.fps = r.frameTimeMs > 0.0 ? 1000.0 / r.frameTimeMs : 0.0;
    t.frameTimeMs = r.frameTimeMs;
    t.rowTimeUs = r.chirpPeriodUs;
    m_cs[0].valid = true;
    m_cs[0].warnings = 0;
    m_cs[1] = m_cs[0];
    m_pllWarnings = 0;
    results.timingGeometry = timingGeometry(0);
}

// The chirp counters run at 80 MHz from the start of the chirp (its reset
// phase); the ADC start time counts from the start of the ramp. The
// transmitters send during the ramp, the receivers sample in the ADC window.
// A transmitter that TDM MIMO does not use is switched off (bit 0x40); its
// attenuation bits stay as the table has them. The feedback divider is an
// integer: its fraction is zero.
namespace holv {
enum Row {
    RefDiv = 1,
    FbDiv,
    FbFraction,
    PostDiv,
    AdcDiv,
    MipiDiv,
    ChirpLength,
    ChirpsInFrame,
    DataStart,
    DataEnd,
    TxStart,
    TxEnd,
    RxTxDescriptors,
    Decimation,
    DataType,
    LineByteCount,
    Tx0Enable,
    Tx1Enable,
    Tx2Enable,
    Tx3Enable,
    FrameDelay0,
    FrameDelay1,
    FrameDelay2,
    HsZero,
    HsPrepare,
    HsTrail,
    HsExit,
    ClkZero,
    ClkPrepare,
    ClkTrail,
    ClkPre,
    ClkPost,
    Lpx
};
const RowRule kRows[] = {
    {"PLL_REF_DIV", RefDiv},
    {"PLL_FB_DIV", FbDiv},
    {"PLL_FRAC_LSB", FbFraction},
    {"PLL_FRAC2_MSB", FbFraction},
    {"PLL_POSTDIV", PostDiv},
    {"ADC_CLK_DIV", AdcDiv},
    {"ADC_DIV_MIPI_WORD", MipiDiv},
    {"ALPHA_CHIRP_LENGTH", ChirpLength},
    {"ALPHA_CHIRPS_IN_FRAME", ChirpsInFrame},
    {"ALPHA_DATA_START_CNT", DataStart},
    {"ALPHA_RX_START_CNT", DataStart},
    {"ALPHA_DATA_END_CNT", DataEnd},
    {"ALPHA_RX_END_CNT", DataEnd},
    {"ALPHA_TX_START_CNT", TxStart},
    {"ALPHA_TX_END_CNT", TxEnd},
    {"ALPHA_RXTX_DESC_NUM", RxTxDescriptors},
    {"ALPHA_DEC_EN", Decimation},
    {"MIPI_DATA_TYPE", DataType},
    {"MIPI_DATA_TYPE_XMIT", DataType},
    {"MIPI_LINE_BYTE_CNT", LineByteCount},
    {"TX0_EN_AND_ATT", Tx0Enable},
    {"TX1_EN_AND_ATT", Tx1Enable},
    {"TX2_EN_AND_ATT", Tx2Enable},
    {"TX3_EN_AND_ATT", Tx3Enable},
    {"FRAME_TO_FRAME_DELAY1", FrameDelay0},
    {"FRAME_TO_FRAME_DELAY2", FrameDelay1},
    {"FRAME_TO_FRAME_DELAY3", FrameDelay2},
    {"MIPI_T_HS_ZERO", HsZero},
    {"MIPI_T_HS_PREPARE", HsPrepare},
    {"MIPI_T_HS_TRAIL", HsTrail},
    {"MIPI_T_HS_EXIT", HsExit},
    {"MIPI_T_CLK_ZERO", ClkZero},
    {"MIPI_T_CLK_PREPARE", ClkPrepare},
    {"MIPI_T_CLK_TRAIL", ClkTrail},
    {"MIPI_T_CLK_PRE", ClkPre},
    {"MIPI_T_CLK_POST", ClkPost},
    {"MIPI_T_LPX", Lpx},
};
} // namespace holv

int Holv_101::familyRowRole(const RegRow &r) const
{
    return rowRule(holv::kRows, r);
}

bool Holv_101::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    using namespace holv;
    const Radar &q = m_radar;
    const double reset = qBound(0, configBlock.chirpResetTime, 100000);
    const double ramp = qBound(0, configBlock.chirpRampTime, 100000);
    const double start = qMax(0.0, finiteOr(configBlock.adcStartTime, 0.0));
    auto count80 = [](double us) { return boundedInt<qint64>(std::round(us * kCounterMHz), 0, 80000000); };
    const int samples = qBound(1, configBlock.adcSamples, 65535);
    const int bits = configBlock.bitsPerSample == 14 ? 14 : 12;
    qint64 v;
    switch (role) {
    case RefDiv:
        v = q.refDiv;
        break;
    case FbDiv:
        v = q.fbDiv;
        break;
    case FbFraction:
        v = 0;
        break;
    case PostDiv:
        v = q.postDiv;
        break;
    case AdcDiv:
        v = q.adcDiv;
        break;
    case MipiDiv:
        v = q.mipiDiv;
        break;
    case ChirpLength:
        v = count80(q.chirpPeriodUs);
        break;
    case ChirpsInFrame:
        v = qBound(1, configBlock.chirpsPerFrame, 65535);
        break;
    case DataStart:
        v = count80(reset + start);
        break;
    case DataEnd:
        v = count80(reset + start + q.samplingTimeUs);
        break;
    case TxStart:
        v = count80(reset);
        break;
    case TxEnd:
        v = count80(reset + ramp);
        break;
    case RxTxDescriptors:
        v = q.transmitters - 1;
        break;
    case Decimation:
        v = configBlock.decimation > 0 ? 1 : 0;
        break;
    case DataType:
        v = bits == 14 ? 0x2D : 0x2C;
        break;
    case LineByteCount:
        v = qint64(samples) * bits * q.channels / 8;
        break;
    case Tx0Enable:
    case Tx1Enable:
    case Tx2Enable:
    case Tx3Enable:
        v = (r.value & 0x3F) | (role - Tx0Enable < q.transmitters ? 0 : 0x40);
        break;
    case FrameDelay0:
    case FrameDelay1:
    case FrameDelay2:
        // The idle count, least significant byte first.
        v = (q.frameDelay >> (8 * (role - FrameDelay0))) & 0xFF;
        break;
    default: {
        if (role < HsZero || role > Lpx)
            return false;
        const DphyTiming d = dphyTiming(q.linkRateMbps / 4.0);
        const int timings[] = {d.hsZero,     d.hsPrepare, d.hsTrail, d.hsExit,  d.clkZero,
                               d.clkPrepare, d.clkTrail,  d.clkPre,  d.clkPost, d.lpx};
        v = qMin<qint64>(timings[role - HsZero], r.mask ? r.mask : 0xFF);
        break;
    }
    }
    *value = fitToRow(v, r);
    return true;
}

void Holv_101::familyTexts(int, PllTextInfo &p, ContextTextInfo &c) const
{
    const Radar &q = m_radar;
    p.dividers = {{QStringLiteral("Post divider"), q.postDiv}, {QStringLiteral("ADC clock divider"), q.adcDiv}};
    p.outputName = QStringLiteral("ADC base clock");
    c.extra << QStringLiteral("Chirp period: %1 us").arg(num(q.chirpPeriodUs, 1))
            << QStringLiteral("Bandwidth: %1 MHz").arg(num(q.bandwidthMHz, 1))
            << QStringLiteral("Start frequency: %1 GHz").arg(num(configBlock.freqMin, 2))
            << QStringLiteral("ADC rate: %1 MHz, sampling %2 us (%3)")
                   .arg(num(q.adcSampleRate, 3), num(q.samplingTimeUs, 2),
                        q.samplingFits ? QStringLiteral("fits the ramp") : QStringLiteral("exceeds the ramp"))
            << QStringLiteral("Data rate: %1 Mbps of %2 Mbps (%3)")
                   .arg(num(q.dataRateMbps, 1), num(q.linkRateMbps, 1),
                        q.linkFits ? QStringLiteral("fits the link") : QStringLiteral("exceeds the link"));
}

QStringList Holv_101::AddStateVars() const
{
    const Radar &q = m_radar;
    QStringList lines;
    lines << QStringLiteral("STATE = Bits Per Sample, %1\n").arg(configBlock.bitsPerSample)
          << QStringLiteral("STATE = Decimation, %1\n").arg(configBlock.decimation)
          << QStringLiteral("STATE = Chirp Reset Time, %1\n").arg(configBlock.chirpResetTime)
          << QStringLiteral("STATE = Chirp Ramp Time, %1\n").arg(configBlock.chirpRampTime)
          << QStringLiteral("STATE = Frequency Min, %1\n").arg(configBlock.freqMin)
          << QStringLiteral("STATE = Slope, %1\n").arg(configBlock.slope)
          << QStringLiteral("STATE = ADC Start Time, %1\n").arg(configBlock.adcStartTime)
          << QStringLiteral("STATE = ADC Samples, %1\n").arg(configBlock.adcSamples)
          << QStringLiteral("STATE = ADC Clock, %1\n").arg(configBlock.adcClock)
          << QStringLiteral("STATE = MIPI Word Clock, %1\n").arg(configBlock.mipiWordClock)
          << QStringLiteral("STATE = Chirps In Frame, %1\n").arg(configBlock.chirpsPerFrame)
          << QStringLiteral("STATE = Elevation, %1\n").arg(configBlock.elevation ? 1 : 0)
          << QStringLiteral("STATE = TDM MIMO, %1\n").arg(configBlock.tdmMimo ? 1 : 0)
          << QStringLiteral("STATE = Frame Time, %1\n").arg(num(q.frameTimeMs, 3));
    return lines;
}

QStringList Holv_101::GetAppendant(QString configPath) const
{
    QStringList lines;
    lines << QStringLiteral("[Radar Summary]\n")
          << QStringLiteral("// configuration: %1\n").arg(QFileInfo(configPath).fileName())
          << QStringLiteral("// use case: %1\n").arg(useCaseIndex)
          << QStringLiteral("// frame time: %1 ms\n").arg(num(m_radar.frameTimeMs, 3))
          << QStringLiteral("// bandwidth: %1 MHz\n").arg(num(m_radar.bandwidthMHz, 1));
    return lines;
}
