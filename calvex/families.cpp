// Construction of the family objects and their family-specific behaviour.
//
// Each constructor names the register-descriptor table of its type code. The
// generic arithmetic (PLL, timing, warnings, registers, texts) is the
// engine's; what differs per family is here: presets, exposure rules, extra
// rows, anchored register values, second clocks and named operations.
#include "families.h"

#include "engine/registers.h"
#include "engine/warnings.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>
#include <cstddef>
#include <cstring>

using namespace calvex;

namespace {

// Range and starting value of one variable of a form-based family.
template <class Family> struct VarDefault {
    GUIVAR_T Family::*var;
    double min;
    double max;
    double step;
    double value;
    bool checked;
};

template <class Family, std::size_t N> void applyVarDefaults(Family &family, const VarDefault<Family> (&table)[N])
{
    for (const VarDefault<Family> &d : table) {
        GUIVAR_T &v = family.*(d.var);
        v.min = d.min;
        v.max = d.max;
        v.step = d.step;
        v.checked = d.checked;
        v.setClamped(d.value);
    }
}

// A consistent starting clock tree: 24 MHz / 2 x 80 = 960 MHz VCO,
// / 1 / 5 = 192 MHz system clock, / 2 = 96 MHz pixel clock; the MIPI PLL
// runs at 960 MHz with 10 bits per word. Each range is what the variable's
// register field holds (the dividers are 5-bit fields), the size ranges
// those of the array.
const VarDefault<Vek_125> kVek125Vars[] = {
    {&Vek_125::InputFreq, 6.0, 64.0, 0.1, 24.0, false},     {&Vek_125::SystemFreq, 1.0, 400.0, 0.1, 192.0, false},
    {&Vek_125::PLL1Div1, 1.0, 63.0, 1.0, 2.0, false},       {&Vek_125::PLL1Mult, 1.0, 255.0, 1.0, 80.0, false},
    {&Vek_125::VCO1Freq, 320.0, 1280.0, 0.1, 960.0, false}, {&Vek_125::PLL1Div2, 1.0, 31.0, 1.0, 1.0, false},
    {&Vek_125::PLL1Div3, 1.0, 31.0, 1.0, 5.0, false},       {&Vek_125::PixelDiv, 2.0, 2.0, 1.0, 2.0, false},
    {&Vek_125::PixelFreq, 0.5, 200.0, 0.1, 96.0, false},    {&Vek_125::PLL2Div1, 1.0, 63.0, 1.0, 2.0, false},
    {&Vek_125::PLL2Mult, 1.0, 255.0, 1.0, 80.0, false},     {&Vek_125::VCO2Freq, 320.0, 1280.0, 0.1, 960.0, false},
    {&Vek_125::PLL2Div2, 1.0, 31.0, 1.0, 1.0, false},       {&Vek_125::SerialFreq, 1.0, 1280.0, 0.1, 960.0, false},
    {&Vek_125::Bits, 6.0, 10.0, 2.0, 10.0, false},          {&Vek_125::WordFreq, 0.1, 214.0, 0.1, 96.0, false},
    {&Vek_125::MIPILane2, 0.0, 1.0, 1.0, 1.0, true},        {&Vek_125::MIPICont, 0.0, 1.0, 1.0, 0.0, false},
    {&Vek_125::IntgTime, 0.0, 1000.0, 0.001, 10.0, false},  {&Vek_125::Rows, 2.0, 1944.0, 2.0, 1944.0, false},
    {&Vek_125::Cols, 2.0, 2592.0, 2.0, 2592.0, false},
};

const VarDefault<Murn_102> kMurn102Vars[] = {
    {&Murn_102::checkRowSkipping, 0.0, 1.0, 1.0, 0.0, false},
    {&Murn_102::spinRows, 2.0, 480.0, 2.0, 480.0, false},
    {&Murn_102::spinCols, 2.0, 640.0, 2.0, 640.0, false},
    {&Murn_102::dSpinPLL_Input, 6.0, 64.0, 0.1, 24.0, false},
};

// 24 MHz / 2 x 32 = 384 MHz VCO, / 8 = 48 MHz target.
const VarDefault<Murn_104> kMurn104Vars[] = {
    {&Murn_104::checkSkipping, 0.0, 1.0, 1.0, 0.0, false},
    {&Murn_104::spinRows, 2.0, 480.0, 2.0, 480.0, false},
    {&Murn_104::spinCols, 2.0, 640.0, 2.0, 640.0, false},
    {&Murn_104::dSpinPLL_Input, 6.0, 64.0, 0.1, 24.0, false},
    {&Murn_104::dSpinPLL_Target, 1.0, 96.0, 0.1, 48.0, false},
    {&Murn_104::PLL_VCO, 96.0, 768.0, 0.1, 384.0, false},
    {&Murn_104::PLL_N, 1.0, 64.0, 1.0, 2.0, false},
    {&Murn_104::PLL_M, 16.0, 255.0, 1.0, 32.0, false},
    {&Murn_104::checkBypass, 0.0, 1.0, 1.0, 0.0, false},
    {&Murn_104::checkUseMinFreq, 0.0, 1.0, 1.0, 0.0, false},
};

bool isSkipIndex(int index)
{
    return index >= 0 && index <= 2;
}

// Silicon revisions of Drav_102 and Vek_128, counted from 1.
const int kDravRevisions = 2;
const int kVek128Revisions = 2;

// The Vek_118 sensor with a 16-bit output.
const int kSixteenBitSensor = 75;

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

// ---------------------------------------------------------------------------
// Classic families.

Tolm_104::Tolm_104(int typeCode) : CFamilyBase(typeCode) {}
Murn_101::Murn_101(int typeCode) : CFamilyBase(typeCode) {}
Brel_101::Brel_101(int typeCode) : CFamilyBase(typeCode) {}
Murn_105::Murn_105(int typeCode) : CFamilyBase(typeCode) {}
// Sensors 15, 19 and 20 come with type code 20 and have the longer table.
Brel_102::Brel_102(int typeCode) : CFamilyBase(typeCode) {}
Vek_101::Vek_101(int typeCode) : CFamilyBase(typeCode) {}
Vek_108::Vek_108(int typeCode) : CFamilyBase(typeCode), m_catalogueIndex(typeCode) {}
Brel_103::Brel_103(int typeCode) : CFamilyBase(typeCode) {}
Vek_124::Vek_124(int typeCode) : CFamilyBase(typeCode) {}
Murn_109::Murn_109(int typeCode) : CFamilyBase(typeCode) {}
Brel_104::Brel_104(int typeCode) : CFamilyBase(typeCode) {}
Brel_105::Brel_105(int typeCode) : CFamilyBase(typeCode) {}
Murn_111::Murn_111(int typeCode) : CFamilyBase(typeCode) {}
Brel_106::Brel_106(int typeCode) : CFamilyBase(typeCode) {}
Brel_107::Brel_107(int typeCode) : CFamilyBase(typeCode) {}
CColumnCorrectionSensor::CColumnCorrectionSensor(int typeCode) : CFamilyBase(typeCode) {}
Vek_141::Vek_141(int typeCode) : CColumnCorrectionSensor(typeCode) {}
Vek_145l::Vek_145l(int typeCode) : CFamilyBase(typeCode) {}
Vek_147::Vek_147(int typeCode) : CFamilyBase(typeCode) {}
Vek_149::Vek_149(int typeCode) : CFamilyBase(typeCode) {}
Vek_152::Vek_152(int typeCode) : CFamilyBase(typeCode) {}
Vek_153::Vek_153(int typeCode) : CFamilyBase(typeCode) {}
Vek_154::Vek_154(int typeCode) : CFamilyBase(typeCode) {}
Vek_155::Vek_155(int typeCode) : CColumnCorrectionSensor(typeCode) {}
CBridgeFamily::CBridgeFamily(int typeCode) : CFamilyBase(typeCode) {}
// Sensor 54 has one row more than 55 and 56.
Yorm_102::Yorm_102(int typeCode) : CBridgeFamily(typeCode) {}
Yorm_105::Yorm_105(int typeCode) : CBridgeFamily(typeCode) {}
Yorm_106::Yorm_106(int typeCode) : CBridgeFamily(typeCode) {}
Murn_107::Murn_107(int typeCode) : CFamilyBase(typeCode) {}
Murn_103::Murn_103(int typeCode) : CFamilyBase(typeCode) {}
Vek_143::Vek_143(int typeCode) : CFamilyBase(typeCode) {}
Murn_110::Murn_110(int typeCode) : CFamilyBase(typeCode) {}
Murn_108::Murn_108(int typeCode) : CFamilyBase(typeCode) {}
Murn_106::Murn_106(int typeCode) : CFamilyBase(typeCode) {}
Vek_116::Vek_116(int typeCode) : CFamilyBase(typeCode) {}
Vek_118::Vek_118(int typeCode) : CFamilyBase(typeCode) {}
Vek_121::Vek_121(int typeCode) : CFamilyBase(typeCode) {}
CVek157Family::CVek157Family(int typeCode, int minRatio) : CFamilyBase(typeCode), m_minRatio(minRatio) {}
Vek_157b::Vek_157b(int typeCode) : CVek157Family(typeCode, 2) {}
Vek_157f::Vek_157f(int typeCode) : CVek157Family(typeCode, 1) {}
Vek_137::Vek_137(int typeCode) : CFamilyBase(typeCode) {}
Vek_117::Vek_117(int typeCode) : CFamilyBase(typeCode) {}
Vek_107::Vek_107(int typeCode) : CFamilyBase(typeCode) {}
Vek_113::Vek_113(int typeCode) : CFamilyBase(typeCode) {}
Vek_111::Vek_111(int typeCode) : CFamilyBase(typeCode) {}
Vek_123::Vek_123(int typeCode) : CFamilyBase(typeCode) {}
Vek_135::Vek_135(int typeCode) : CFamilyBase(typeCode) {}
Vek_110::Vek_110(int typeCode) : CFamilyBase(typeCode) {}
Vek_114::Vek_114(int typeCode) : CFamilyBase(typeCode) {}
Vek_132::Vek_132(int typeCode) : CFamilyBase(typeCode) {}
Vek_138::Vek_138(int typeCode) : CFamilyBase(typeCode) {}
Vek_119::Vek_119(int typeCode) : CFamilyBase(typeCode) {}
Vek_128::Vek_128(int typeCode) : CFamilyBase(typeCode) {}
Drav_102::Drav_102(int typeCode) : CFamilyBase(typeCode), roi{DravRoi(m_roiStore[0]), DravRoi(m_roiStore[1])} {}
Drav_101::Drav_101(int typeCode) : CFamilyBase(typeCode) {}
Vek_120::Vek_120(int typeCode) : CFamilyBase(typeCode) {}
Vek_146::Vek_146(int typeCode) : CFamilyBase(typeCode) {}

// ---------------------------------------------------------------------------
// Helpers shared by several families.

namespace {

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

// Line-interleaved HDR sensors. Odd clock ratio (where the family offers it):
// the op_sys divider may also be odd, so the link can run nearer the rate
// the stream needs, at the price of a clock ratio that is not even. Fast
// clock: the serial link runs at the fastest rate the lanes allow.
void hdrLink(const CPllParams &pll, bool oddClockOption, LinkOptions &link)
{
    link.oddOpSysDiv = !oddClockOption || pll.oddClkRatio;
    link.fastest = link.serial && pll.fastClock;
}

void hdrLinkText(const CPllParams &pll, bool serial, int opSysDiv, PllTextInfo &p)
{
    if (pll.fastClock)
        p.extra << QStringLiteral("Fast clock: output clock %1 MHz").arg(num(pll.opPixClock));
    if (pll.oddClkRatio && (opSysDiv % 2) == 1 && opSysDiv > 1 && serial)
        p.extra << QStringLiteral("Odd clock ratio: op_sys divider %1").arg(opSysDiv);
}

// Bits per pixel of an output image type: JPEG streams at most one byte per
// pixel; 4:2:2 and RGB formats two bytes; 4:2:0 one and a half; Bayer its
// own depth.
int imageTypeBits(const QString &type)
{
    if (type.contains(QLatin1String("JPEG")))
        return 8;
    if (type.startsWith(QLatin1String("Bayer"))) {
        bool ok = false;
        const int bits = type.section(QLatin1Char(' '), 1, 1).toInt(&ok);
        return ok && bits > 0 ? bits : 10;
    }
    if (type.contains(QLatin1String("420")))
        return 12;
    return 16;
}

int imageTypeBits(const QStringList &types, int index)
{
    return types.isEmpty() ? 10 : imageTypeBits(types.at(qBound(0, index, int(types.size()) - 1)));
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

// The exposure rows T2..T4 the panels show, and the exposures read.
void publishExposureRows(const TimingResult &t, CPllParams &pll, CContextParams &p)
{
    pll.activeT2Rows = t.exposures > 1 ? t.expRows[1] : 0;
    pll.activeT3Rows = t.exposures > 2 ? t.expRows[2] : 0;
    pll.activeT4Rows = t.exposures > 3 ? t.expRows[3] : 0;
    p.maxExposures = t.exposures;
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

QString hex4(quint32 v)
{
    return QStringLiteral("0x%1")
        .arg(v, 4, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QLatin1String("0X"), QLatin1String("0x"));
}

bool nameIs(const RegRow &r, const char *name)
{
    return std::strcmp(r.name, name) == 0;
}

// "REG = 0xAAAA, 0xVVVV" lines of the family's rows the filter accepts, in
// table order, each with its own line end.
template <class Filter> QStringList registerLines(const CFamilyCore &f, Filter accept)
{
    QStringList lines;
    const RegTable *table = f.regTable();
    const quint32 *values = f.results.registerValues;
    for (int i = 0; table && values && i < table->count && i < f.registerCount(); ++i) {
        const RegRow &r = table->rows[i];
        if (accept(r))
            lines << QStringLiteral("REG = %1, %2\n").arg(hex4(r.address), hex4(values[i]));
    }
    return lines;
}

QString versionComment(int otp, int cvr)
{
    return QStringLiteral("// OTP version %1, CVR 0x%2\n").arg(otp).arg(QString::number(quint32(cvr), 16).toUpper());
}

} // namespace

// ---------------------------------------------------------------------------
// Image processors with integrated sensors.

void Murn_101::familyTexts(int, PllTextInfo &, ContextTextInfo &c) const
{
    if (useCaseMode != 0)
        c.extra << QStringLiteral("Use-case HDR mode: %1").arg(useCaseMode);
}

// The prescaler halves the input clock before the pre-divider.
void Murn_105::familyPllRequest(PllRequest &r)
{
    if (pll.pllPreScale)
        r.fin = finiteOr(r.fin, 0.0) / 2.0;
}

namespace murn105 {
enum Row { CommandRw = 1, ResetMisc, PllEnable };
const RowRule kRows[] = {
    {"command_rw", CommandRw},
    {"reset_and_misc_control", ResetMisc},
    {"pll_control (enable)", PllEnable},
};
} // namespace murn105

int Murn_105::familyRowRole(const RegRow &r) const
{
    return rowRule(murn105::kRows, r);
}

// Interface 1 (MIPI) takes the serial command set and the MIPI reset bits;
// the parallel interface keeps every command enabled.
bool Murn_105::familyRegister(int role, const RegRow &, quint32 *value) const
{
    const bool mipi = pll.interfaceIndex == 1;
    switch (role) {
    case murn105::CommandRw:
        *value = mipi ? 0xFFF3 : 0xFFFF;
        return true;
    case murn105::ResetMisc:
        *value = mipi ? 0x0564 : 0x0364;
        return true;
    case murn105::PllEnable:
        *value = pll.pllBypass ? 0 : 1;
        return true;
    default:
        return false;
    }
}

void Vek_124::familyDefaults()
{
    pll.imageTypes = QStringList{QStringLiteral("JPEG422"), QStringLiteral("JPEG420"), QStringLiteral("YUV422"),
                                 QStringLiteral("RGB565"),  QStringLiteral("RGB555"),  QStringLiteral("Bayer 10"),
                                 QStringLiteral("Bayer 8")};
}

// The image type sets the bits a pixel takes on the output.
void Vek_124::familyLink(LinkOptions &link) const
{
    link.bits = imageTypeBits(pll.imageTypes, ctx[0].imageType);
}

// TX clock from P5; the pixel clock is the TX clock over the bits per pixel
// carried per lane clock. The parallel port is ten bits wide: a wider pixel
// takes two port clocks.
void Vek_124::familyPll()
{
    const bool serial = pll.interfaceIndex > 0;
    const int lanes = serial ? pll.interfaceIndex : 1;
    const int bitsPerLane = serial ? qMax(1, m_link.bits / lanes) : (m_link.bits > 10 ? 2 : 1);
    // A free P5 is the largest divider whose TX clock still carries the
    // output clock's pixels.
    if (m_p5Chosen && pll.outputClock > 0.0)
        pll.pllP5 = boundedInt(std::floor(pll.vcoClock / (pll.outputClock * bitsPerLane) + 1e-9), 1, 16);
    // Bypassed, the PLL step leaves the usable input clock (or 0) in vcoClock.
    serialClock = pll.pllBypass ? pll.vcoClock : pll.vcoClock / qMax(1, pll.pllP5);
    pixClockDivisor = bitsPerLane;
    pll.pixelClock = serialClock / pixClockDivisor;
    pll.serialClock = serialClock;
}

namespace vek124 {
enum Row { PllBypass = 1 };
} // namespace vek124

int Vek_124::familyRowRole(const RegRow &r) const
{
    return nameIs(r, "pll_control") && r.bitfield && r.mask == 0x1 ? vek124::PllBypass : 0;
}

bool Vek_124::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != vek124::PllBypass)
        return false;
    *value = pll.pllBypass ? 1 : 0;
    return true;
}

// Image types per output format: 0 JPEG, 1 colour pipe ready for JPEG,
// 2 full colour pipe, 3 Bayer.
void Murn_109::familyDefaults()
{
    imageTypeLists[0] = QStringList{QStringLiteral("JPEG422"), QStringLiteral("JPEG420"), QStringLiteral("MJPEG422"),
                                    QStringLiteral("MJPEG420")};
    imageTypeLists[1] = QStringList{QStringLiteral("YUV422"), QStringLiteral("YUV420")};
    imageTypeLists[2] = QStringList{QStringLiteral("YUV422"), QStringLiteral("RGB565"), QStringLiteral("RGB555"),
                                    QStringLiteral("RGB444")};
    imageTypeLists[3] = QStringList{QStringLiteral("Bayer 10"), QStringLiteral("Bayer 8")};
    pll.imageTypes = imageTypeLists[0];
}

// The image type of the output format sets the bits a pixel takes on the output.
void Murn_109::familyLink(LinkOptions &link) const
{
    link.bits = imageTypeBits(imageTypeLists[qBound(0, ctx[0].outFormat, 3)], ctx[0].imageType);
}

void Murn_109::familyTiming(int context)
{
    CContextParams &p = ctx[context];
    p.readMode = p.skipping >= 2 ? p.skipping : 0;
    pll.imageTypes = imageTypeLists[qBound(0, p.outFormat, 3)];
}

// The receive FIFO's trigger mark of each context.
namespace murn111 {
enum Row { FifoMarkA = 1, FifoMarkB };
const RowRule kRows[] = {
    {"cam_core_a_rx_fifo_trigger_mark", FifoMarkA},
    {"cam_core_b_rx_fifo_trigger_mark", FifoMarkB},
};
} // namespace murn111

int Murn_111::familyRowRole(const RegRow &r) const
{
    return rowRule(murn111::kRows, r);
}

bool Murn_111::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    if (role != murn111::FifoMarkA && role != murn111::FifoMarkB)
        return false;
    *value = fitToRow(ctx[role == murn111::FifoMarkB ? 1 : 0].fifo, r);
    return true;
}

// A minimum frame rate that is not a positive number leaves the variable
// rate free down to the slowest rate the longest frame allows; the record
// then reports that rate as the family's own minimum.
void Murn_111::familyTiming(int context)
{
    double &minFps = ctx[context].minFps;
    if (!(minFps > 0.0) || !std::isfinite(minFps))
        minFps = m_cs[context].t.minFps;
}

// MIPI port timing values from the lane rate (the VCO while no lane rate is known).
void Murn_111::familyPll()
{
    const double rate = finiteOr(m_link.laneRate, 0.0) > 0.0 ? m_link.laneRate : pll.vcoClock;
    mipiPortTimings(rate, m_link.lanes, pll.mipiCont, mipiTimings);
}

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

// ---------------------------------------------------------------------------
// Sensors of the first group.

void Brel_101::familyTimingInput(int, TimingInput &in) const
{
    in.extraRows = (embedData ? 2 : 0) + (embedStat ? 2 : 0) + darkExtraRows(*this);
}

// The embedded data and statistics rows and the dark rows and columns the
// timing adds to the frame, in the registers of Brel_101 and Brel_102.
namespace brel101 {
enum Row { EmbeddedData = 1, DarkControl };
const RowRule kRows[] = {
    {"EMBEDDED_DATA_CTRL", EmbeddedData},
    {"DARK_CONTROL", DarkControl},
};

bool extraRowsRegister(int role, const EmbedOptions &e, const DarkRowOptions &d, const RegRow &r, quint32 *value)
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
} // namespace brel101

int Brel_101::familyRowRole(const RegRow &r) const
{
    return rowRule(brel101::kRows, r);
}

bool Brel_101::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    return brel101::extraRowsRegister(role, *this, *this, r, value);
}

void Brel_101::familyInterfaceLists(int)
{
    brelLinkLists(*this);
}

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

void Vek_152::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

void Vek_143::familyTimingLimits(TimingLimits &limits) const
{
    highSpeedLimits(pll, limits);
}

void CVek157Family::familyTimingLimits(TimingLimits &limits) const
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

void Vek_143::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
}

// The sensor sends a line from its line buffer over the whole line time, so
// one or two lanes carry a scaled or slower image as well: the line is made
// long enough for them.
void Vek_143::familyLink(LinkOptions &link) const
{
    link.lineBuffer = true;
}

// ---------------------------------------------------------------------------
// The sixteen-plane sensor.

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

// ---------------------------------------------------------------------------
// Second-PLL sensors with use-case presets.

void Vek_152::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
    lengthPresetInput(*this, in);
}

void Vek_153::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
    in.extraHBlank += qBound(0, borderPixels, 64);
    lengthPresetInput(*this, in);
}

// The op pixel divider (3 to 6) counts the serial clocks of one pixel on a
// double-data-rate lane: a request of d gives 2d output bits.
void Vek_154::familyLink(LinkOptions &link) const
{
    if (pll.pllOpDivider >= 3 && pll.pllOpDivider <= 6)
        link.bits = 2 * pll.pllOpDivider;
}

// The divider used: half the output bits.
void Vek_154::familyPll()
{
    pll.pllOpDivider = qBound(3, m_link.bits / 2, 6);
}

void Vek_154::familyTimingInput(int, TimingInput &in) const
{
    darkOptionInput(*this, in);
    in.extraHBlank += qBound(0, borderPixels, 64);
    if (colsPreset > 0 && rowsPreset > 0) {
        in.cols = colsPreset;
        in.rows = rowsPreset;
    }
}

// The supercell read-out (the PLL block's high-speed flag, once for the
// sensor) combines the rows of a cell.
void Vek_132::familyTimingInput(int, TimingInput &in) const
{
    if (useCasePreset > 0)
        in.fixedLineLength = useCasePreset;
    in.extraHBlank = qBound(0, borderPixels, 64) + (shortSeq ? 32 : 0);
    if (pll.highSpeed)
        in.yFactor = qMax(in.yFactor, 2);
}

// The panel reads the supercell flag back from context A.
void Vek_132::familyTiming(int)
{
    ctx[0].highSpeed = pll.highSpeed;
}

// Output bits 6, 8, 10 or 12 on the link.
void Vek_132::familyLink(LinkOptions &link) const
{
    link.bits = qBound(6, ctx[0].outputBits, 12);
}

// The op pixel divider (3 to 6) counts the DDR serial clocks of one pixel on
// a lane: half the output bits, unless the panel asks for one.
void Vek_132::familyPll()
{
    if (pll.pllOpDivider < 3 || pll.pllOpDivider > 6)
        pll.pllOpDivider = qBound(3, m_link.bits / 2, 6);
}

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

void Vek_135::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    in.extraHBlank = darkExtraCols(*this);
    if (p.hdrMode > 0)
        setExposures(in, p.interleave > 0 ? 3 : 2, 4, 4, 0);
    if (p.lfmMode > 0)
        in.extraRows = 8;
}

// The scaler shrinks the stream the link carries by 16 / scaleM.
void Vek_135::CalculateScaledPLL()
{
    Call call(this, "CalculateScaledPLL");
    const int scale = qBound(16, ctx[0].scaleM, 128);
    m_linkScale = 16.0 / scale;
    enginePll(PllMode::ByInterface, currentInterfaceIndex());
}

// ---------------------------------------------------------------------------
// Exposure-ratio and HDR sensors.

void Vek_116::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    if (p.hdrMode > 0 && p.combi == 0)
        setExposures(in, p.lineInterleave > 0 ? 3 : 2, 4, 4, 0);
}

// One serial lane carries at most 12 bits.
void Vek_116::familyInterfaceLists(int i)
{
    if (i > 0)
        bitDepthChoicesAlt = numberItems({10, 12});
}

void Vek_121::familyTimingInput(int context, TimingInput &in) const
{
    in.extraHBlank = darkExtraCols(*this);
    if (ctx[context].hdrMode > 0 && ctx[context].combi == 0)
        setExposures(in, 2, 4, 0, 0);
}

void Vek_121::familyInterfaceLists(int i)
{
    if (i > 0)
        bitDepthChoicesAlt = numberItems({10, 12});
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

} // namespace

namespace {

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

// ---------------------------------------------------------------------------
// Line-interleaved HDR sensors (Vek_117, Vek_107, Vek_113, Vek_110).

namespace {

QStringList countItems(int first, int last, int step)
{
    QStringList items;
    for (int v = first; v <= last; v += step)
        items << QString::number(v);
    return items;
}

// Exposures, ratios, fixed line length and the extra rows of the HDR row
// fields; the panel's T2..T4 rows replace the ratio rule when given.
void hdrRowInput(const HdrRowFields &h, const ExposureRatios &r, const DarkRowOptions &d, const CContextParams &p,
                 TimingInput &in)
{
    const int exposures = h.linearMode ? 1 : qBound(1, h.numExposures, 4);
    setExposures(in, exposures, r.t1T2Ratio, r.t2T3Ratio, r.t3T4Ratio);
    if (p.useReg) {
        in.exposureRows[0] = h.t2ExpRows;
        in.exposureRows[1] = h.t3ExpRows;
        in.exposureRows[2] = h.t4ExpRows;
    }
    if (p.useFixLLpck && h.fixedLineLength > 0)
        in.fixedLineLength = h.fixedLineLength;
    in.extraRows += qBound(0, h.embedDataRows, 8) + qBound(0, h.statsDataRows, 8) + qBound(0, h.topDigitalRows, 64) +
                    qBound(0, h.botAnalogRows, 64) + darkExtraRows(d);
    // Line-interleaved exposures share a line: each adds its read-out.
    if (p.lineInterleave > 0 && exposures > 1)
        in.extraHBlank += (exposures - 1) * 96;
}

void hdrLists(QStringList &exposureChoices, QStringList &dataRows, QStringList &statsRows)
{
    exposureChoices = countItems(1, 4, 1);
    dataRows = countItems(0, 4, 2);
    statsRows = countItems(0, 4, 2);
}

} // namespace

void Vek_117::familyDefaults()
{
    hdrLists(exposureChoices, dataRowChoices, statsRowChoices);
    analogTestRowChoices = countItems(0, 8, 2);
    digitalTestRowChoices = countItems(0, 8, 2);
    numExposures = 2;
    t1T2Ratio = t2T3Ratio = t3T4Ratio = 4;
    ctx[0].hdrMode = 1; // two exposures until the application says otherwise
}

void Vek_117::familyTimingInput(int context, TimingInput &in) const
{
    hdrRowInput(*this, *this, *this, ctx[context], in);
}

void Vek_117::familyTiming(int context)
{
    publishExposureRows(m_cs[context].t, pll, ctx[context]);
}

void Vek_117::familyLink(LinkOptions &link) const
{
    hdrLink(pll, true, link);
}

// IME mode runs the parallel port on the faster second target clock.
void Vek_117::familyPll()
{
    if (pll.fastClock)
        parallelOutputClock(pll.targetClock2);
}

void Vek_117::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    hdrLinkText(pll, m_link.serial, m_link.opSysDiv, p);
}

// The parallel port carries 12 or 14 bits.
void Vek_117::familyInterfaceLists(int i)
{
    if (i == 0)
        bitDepthChoices = numberItems({12, 14});
}

// Revision 7 has the faster VCO.
void Vek_117::familyRevision(int revision)
{
    m_limits.vcoMax = revision >= 7 ? 1000.0 : traits().vcoMax;
    pll.revision = revision;
}

void Vek_107::familyDefaults()
{
    hdrLists(exposureChoices, dataRowChoices, statsRowChoices);
    numExposures = 2;
    t1T2Ratio = t2T3Ratio = t3T4Ratio = 4;
    ctx[0].hdrMode = 1; // two exposures until the application says otherwise
}

void Vek_107::familyTimingInput(int context, TimingInput &in) const
{
    hdrRowInput(*this, *this, *this, ctx[context], in);
}

void Vek_107::familyTiming(int context)
{
    publishExposureRows(m_cs[context].t, pll, ctx[context]);
}

void Vek_107::familyLink(LinkOptions &link) const
{
    hdrLink(pll, true, link);
}

// The fast clock runs the parallel port on the second target clock.
void Vek_107::familyPll()
{
    if (pll.fastClock)
        parallelOutputClock(pll.targetClock2);
}

void Vek_107::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    hdrLinkText(pll, m_link.serial, m_link.opSysDiv, p);
}

// The exposure list follows the interface: the parallel port carries up to
// two exposures, the serial ones four.
void Vek_107::familyInterfaceLists(int i)
{
    exposureChoices = countItems(1, i == 0 ? 2 : 4, 1);
}

// Lines one configured delay buffer can hold (a 7-bit field).
const int kConfigBufferMax = 127;

void Vek_113::familyDefaults()
{
    hdrLists(exposureChoices, dataRowChoices, statsRowChoices);
    numExposures = 2;
    embedDataRows = 1;
    statsDataRows = 1;
    fixedLineLength = 764;
    ctx[0].hdrMode = 1; // two exposures until the application says otherwise
}

// Configured delay buffers: the lines of an exposure wait in its buffer until
// the next exposure of the same line is read, which comes that exposure's
// rows later, less its shutter advance. So T2 may be at most the T1 buffer
// plus the T2 advance, T3 the T2 buffer plus its advance, T4 likewise. With
// no overlap of buffer reads and writes every line also waits for its write.
void Vek_113::familyTimingInput(int context, TimingInput &in) const
{
    hdrRowInput(*this, *this, *this, ctx[context], in);
    if (configEnable) {
        const int buffers[3] = {configBufT1, configBufT2, configBufT3};
        const int advance[3] = {advShiftT2, advShiftT3, advShiftT4};
        for (int k = 0; k < 3; ++k)
            in.exposureRowsMax[k] = qBound(1, buffers[k], kConfigBufferMax) + qBound(0, advance[k], 3);
    }
    if (dbOverlap)
        in.extraHBlank += 32;
}

// The panel reads the delay-buffer settings back from the PLL block.
void Vek_113::familyTiming(int context)
{
    publishExposureRows(m_cs[context].t, pll, ctx[context]);
    pll.configEnable = configEnable ? 1 : 0;
    pll.dbOverlap = dbOverlap ? 1 : 0;
    pll.configBufT1 = configBufT1;
    pll.configBufT2 = configBufT2;
    pll.configBufT3 = configBufT3;
    pll.advShiftT2 = advShiftT2;
    pll.advShiftT3 = advShiftT3;
    pll.advShiftT4 = advShiftT4;
}

// Its serial link has no odd-clock-ratio option; fast clock (with IME mode)
// runs it at the fastest rate the lanes allow.
void Vek_113::familyLink(LinkOptions &link) const
{
    hdrLink(pll, false, link);
}

// With the output data rate in use the PLL is driven by it: the pixel clock
// that fills the lanes at targetClock2 (the rate per lane over the bits)
// pixels per microsecond per lane.
namespace {

void outputRateRequest(const CPllParams &pll, bool serial, int lanes, PllRequest &r)
{
    if (!pll.pllAutoAdjust || !serial || !(pll.targetClock2 > 0.0) || !std::isfinite(pll.targetClock2))
        return;
    r.target = pll.targetClock2 * qMax(1, lanes);
}

} // namespace

void Vek_113::familyPllRequest(PllRequest &r)
{
    outputRateRequest(pll, m_link.serial, m_link.lanes, r);
}

// The op pixel divider is the link's bits per pixel; with it the window
// shows the output rate per lane (divider x op pixel clock).
void Vek_113::familyPll()
{
    pll.pllOpDivider = m_link.bits;
}

void Vek_113::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    hdrLinkText(pll, m_link.serial, m_link.opSysDiv, p);
    if (pll.pllAutoAdjust && m_link.serial)
        p.extra << QStringLiteral("Driven by the output rate: %1 Mbps per lane")
                       .arg(num(pll.targetClock2 * m_link.bits, 1));
}

// Index 4 of the bit-depth list is 20 bits.
void Vek_113::familyInterfaceLists(int)
{
    bitDepthChoices = numberItems({10, 12, 14, 16, 20});
    bitDepthChoicesOdd = bitDepthChoices;
}

// Fine integration rows are not used by the line-interleaved read-out. The
// buffer words hold T1 and T2 (CONFIG_BUFFER1) and T3 with the enable bit
// (CONFIG_BUFFER2) while the configured buffers are in use.
namespace vek113 {
enum Row { FineIntegration = 1, NoDbOverlap, ConfigBuffer1, ConfigBuffer2 };
const RowRule kRows[] = {
    {"NO_DB_OVERLAP_RD_WR", NoDbOverlap},
    {"CONFIG_BUFFER1", ConfigBuffer1},
    {"CONFIG_BUFFER2", ConfigBuffer2},
};
} // namespace vek113

int Vek_113::familyRowRole(const RegRow &r) const
{
    if (std::strncmp(r.name, "FINE_INTEGRATION_TIME", 21) == 0)
        return vek113::FineIntegration;
    return rowRule(vek113::kRows, r);
}

bool Vek_113::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    switch (role) {
    case vek113::FineIntegration:
        *value = 0;
        return true;
    case vek113::NoDbOverlap:
        *value = dbOverlap ? 1 : 0;
        return true;
    case vek113::ConfigBuffer1:
        if (!configEnable)
            return false;
        *value = (quint32(qBound(1, configBufT2, kConfigBufferMax)) << 8) |
                 quint32(qBound(1, configBufT1, kConfigBufferMax));
        return true;
    case vek113::ConfigBuffer2: {
        const quint32 t3 = configEnable ? quint32(qBound(1, configBufT3, kConfigBufferMax)) : (r.value & 0x7F);
        *value = (configEnable ? 0x100u : 0u) | t3;
        return true;
    }
    default:
        return false;
    }
}

void Vek_110::familyDefaults()
{
    hdrLists(exposureChoices, dataRowChoices, statsRowChoices);
    numExposures = 2;
    t1T2Ratio = t2T3Ratio = t3T4Ratio = 3;
    ctx[0].hdrMode = 1;
    pll.revision = 2;
}

void Vek_110::familyTimingInput(int context, TimingInput &in) const
{
    hdrRowInput(*this, *this, *this, ctx[context], in);
    // The super exposure adds a fifth/sixth short read to every line.
    if (superExp == 5 || superExp == 6)
        in.extraHBlank += 64 * (superExp - 4);
}

void Vek_110::familyTiming(int context)
{
    publishExposureRows(m_cs[context].t, pll, ctx[context]);
}

// Its panel's "IME Mode" box is the odd-clock-ratio option.
void Vek_110::familyLink(LinkOptions &link) const
{
    hdrLink(pll, true, link);
}

void Vek_110::familyPllRequest(PllRequest &r)
{
    outputRateRequest(pll, m_link.serial, m_link.lanes, r);
}

// The fast clock runs the parallel port on the second target clock; the op
// pixel divider is the link's bits per pixel, as for Vek_113.
void Vek_110::familyPll()
{
    if (pll.fastClock)
        parallelOutputClock(pll.targetClock2);
    pll.pllOpDivider = m_link.bits;
}

void Vek_110::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    hdrLinkText(pll, m_link.serial, m_link.opSysDiv, p);
    if (pll.pllAutoAdjust && m_link.serial)
        p.extra << QStringLiteral("Driven by the output rate: %1 Mbps per lane")
                       .arg(num(pll.targetClock2 * m_link.bits, 1));
}

// Index 4 of the bit-depth list is 20 bits.
void Vek_110::familyInterfaceLists(int)
{
    bitDepthChoices = numberItems({10, 12, 14, 16, 20});
    bitDepthChoicesOdd = bitDepthChoices;
}

// ---------------------------------------------------------------------------
// Operation-mode HDR sensors (Vek_118, Vek_128, Vek_146) and Vek_114.

void Vek_118::familyDefaults()
{
    exposureChoices = countItems(1, 4, 1);
    pll.revision = 1;
    m_bitDepthIsCapability = true;
    pll.bitDepth = 12;
}

void Vek_118::familyTimingInput(int context, TimingInput &in) const
{
    operationModeInput(ctx[context], *this, *this, in);
}

// Vek118m (75) from revision 2 on carries 16 bits as two 8-bit words;
// Vek131m (102) stays at 12 bits on every revision.
void Vek_118::familyRevision(int revision)
{
    pll.revision = revision;
    pll.bitDepth = revision >= 2 && typeCode() == kSixteenBitSensor ? 16 : 12;
    m_limits.vcoMax = revision >= 2 ? 1000.0 : 900.0;
}

// 16-bit output as two 8-bit words, on the HiSPi link (the one interface
// that offers it) of a revision that has it.
bool Vek_118::sixteenAsTwoBytes(bool serial) const
{
    return serial && m_link.kind == LinkKind::Hispi && pll.oddClkRatio && pll.bitDepth == 16;
}

// SDR lanes (fastClock); the 16-bit option puts 16 bits per pixel on the link.
void Vek_118::familyLink(LinkOptions &link) const
{
    sdrLink(pll, link);
    if (sixteenAsTwoBytes(link.serial))
        link.bits = 16;
}

namespace vek118 {
enum Row { SixteenAsTwoBytes = 1 };
const RowRule kRows[] = {
    {"MIPI_16_2_8", SixteenAsTwoBytes},
};
} // namespace vek118

int Vek_118::familyRowRole(const RegRow &r) const
{
    return rowRule(vek118::kRows, r);
}

bool Vek_118::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != vek118::SixteenAsTwoBytes)
        return false;
    *value = sixteenAsTwoBytes(m_link.serial) ? 1 : 0;
    return true;
}

void Vek_118::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    sdrText(pll, m_link.serial, p);
    if (sixteenAsTwoBytes(m_link.serial))
        p.extra << QStringLiteral("16-bit pixels as two 8-bit words");
}

void Vek_128::familyDefaults()
{
    exposureChoices = countItems(1, 4, 1);
    m_baseVcoMax = m_limits.vcoMax;
    pll.revision = qBound(1, m_configRevision, kVek128Revisions);
}

// The family calculates with the revision in pll.revision (the one its
// configuration file names, unless a caller hands another), brought into
// 1..2; revision 2 runs its VCO a tenth higher.
void Vek_128::familyPllRequest(PllRequest &)
{
    pll.revision = qBound(1, pll.revision, kVek128Revisions);
    m_limits.vcoMax = pll.revision >= 2 ? m_baseVcoMax * 1.1 : m_baseVcoMax;
}

void Vek_128::familyTimingInput(int context, TimingInput &in) const
{
    operationModeInput(ctx[context], *this, *this, in);
}

void Vek_128::familyLink(LinkOptions &link) const
{
    sdrLink(pll, link);
}

void Vek_128::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    sdrText(pll, m_link.serial, p);
}

int Vek_128::NumberOfRegisters() const
{
    return registerCount();
}

// Index 1 of the bit-depth list: 12 bits.
int Vek_128::getDefaultBitDepthIndex()
{
    return 1;
}

double Vek_128::getDefaultPixelClockIndex() const
{
    return traits().targetDefault;
}

void Vek_146::familyDefaults()
{
    exposureChoices = countItems(1, 4, 1);
    pll.phyCd = 3;
}

void Vek_146::familyTimingInput(int context, TimingInput &in) const
{
    operationModeInput(ctx[context], *this, *this, in);
}

// Index 0 of this family's list is a serial interface.
void Vek_146::familyInterfaceLists(int)
{
    laneChoices = numberItems({1, 2, 4});
    bitDepthChoices = numberItems({10, 12, 14});
}

void Vek_114::familyDefaults()
{
    exposureChoices = countItems(1, 3, 1);
}

void Vek_114::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    const int exposures = p.hdrMode > 0 ? qBound(1, p.numExposures, 3) : 1;
    setExposures(in, exposures, t1T2Ratio, t2T3Ratio, 0);
    if (p.useReg) {
        in.exposureRows[0] = boundedInt(p.t2ExpRows, 0, 65535);
        in.exposureRows[1] = boundedInt(p.t3ExpRows, 0, 65535);
    }
}

// Binning is not available while HDR exposures are read.
void Vek_114::familyTiming(int context)
{
    ctx[context].binningLocked = ctx[context].hdrMode > 0;
}

void Vek_114::familyInterfaceLists(int)
{
    bitDepthChoices = numberItems({10, 12, 14});
}

void Vek_114::CalculatePLL(int interfaceIndex)
{
    Call call(this, "CalculatePLL", {interfaceIndex});
    enginePll(interfaceIndex <= 0 ? PllMode::Parallel : PllMode::Serial, interfaceIndex);
}

// ---------------------------------------------------------------------------
// Vek_111, Vek_119, Vek_123, Vek_138.

void Vek_111::familyTimingInput(int, TimingInput &in) const
{
    in.extraHBlank += darkExtraCols(*this) + (companding ? 16 : 0);
}

// Interface 2 (HiSPi) carries 10 to 14 bits, the others 8 to 12.
void Vek_111::familyInterfaceLists(int i)
{
    bitDepthChoices = i == 2 ? numberItems({10, 12, 14}) : numberItems({8, 10, 12});
}

void Vek_119::familyTimingInput(int, TimingInput &in) const
{
    in.extraHBlank += darkExtraCols(*this);
}

void Vek_119::familyInterfaceLists(int)
{
    bitDepthChoices = numberItems({8, 10});
}

// Revisions 2 and later (0-based) run the faster VCO.
void Vek_119::familyRevision(int revision)
{
    pll.revision = revision;
    m_limits.vcoMax = revision >= 2 ? 1000.0 : traits().vcoMax;
}

void Vek_123::familyDefaults()
{
    exposureChoices = countItems(2, 4, 1);
}

// The field of view as a percentage of the array at the chosen aspect ratio
// (0: the array's own, 1: 16:9, 2: 4:3, 3: 1:1).
void Vek_123::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    const FamilyTraits &t = traits();
    if (p.useFov) {
        const double pct = qBound(10.0, finiteOr(p.fovPercent, 100.0), 100.0) / 100.0;
        int cols = boundedInt(t.arrayCols * pct, 2, t.arrayCols);
        int rows = boundedInt(t.arrayRows * pct, 2, t.arrayRows);
        static const double ratios[] = {0.0, 16.0 / 9.0, 4.0 / 3.0, 1.0};
        const double ratio = ratios[qBound(0, p.aspectRatio, 3)];
        if (ratio > 0.0) {
            if (cols / ratio <= rows)
                rows = boundedInt(cols / ratio, 2, rows);
            else
                cols = boundedInt(rows * ratio, 2, cols);
        }
        in.useFov = true;
        in.fovCols = cols;
        in.fovRows = rows;
    }
    if (p.hdrMode > 0)
        setExposures(in, qBound(2, p.numExposures, 4), t1T2Ratio, t2T3Ratio, 0);
}

void Vek_123::familyTiming(int context)
{
    if (context != 0)
        return;
    const TimingResult &t = m_cs[0].t;
    fovRows = t.fovRows;
    fovCols = t.fovCols;
    fovPercentResult = 100.0 * (double(t.fovCols) * t.fovRows) / (double(traits().arrayCols) * traits().arrayRows);
    aspectRatioResult = t.outRows > 0 ? double(t.outCols) / t.outRows : 0.0;
    rawMasterClock = qMax(0.0, finiteOr(pll.inputClock, 0.0));
    rawHdrFlag = ctx[0].hdrMode > 0 ? 1 : 0;
    rawExposureCount = rawHdrFlag ? qBound(2, ctx[0].numExposures, 4) : 1;
    rawWidth = t.outCols;
    rawHeight = t.outRows;
    rawBayer = (ctx[0].mirror ? 1 : 0) | (ctx[0].flip ? 2 : 0);
}

// The parallel port runs with streaming, parallel output and drive pins on.
namespace vek123 {
enum Row { Reset = 1, HispiControl, HdrControl3 };
const RowRule kRows[] = {
    {"RESET_REGISTER", Reset},
    {"HISPI_CONTROL_STATUS", HispiControl},
    {"HDR_MC_CTRL3", HdrControl3},
};
} // namespace vek123

int Vek_123::familyRowRole(const RegRow &r) const
{
    return rowRule(vek123::kRows, r);
}

bool Vek_123::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    switch (role) {
    case vek123::Reset:
        *value = ctx[0].interfaceIndex == 0 ? 0x10DC : 0x2058;
        return true;
    case vek123::HispiControl:
        // The protocol in bits 10 and 11; bit 9 puts the data words LSB aligned.
        *value = 0x8000 | quint32(qBound(0, pll.phyCd, 3) << 10) | (pll.msbAligned == 0 ? 0x0200u : 0u);
        return true;
    case vek123::HdrControl3: {
        // The spread gain of the HDR exposures (the context's interleave
        // option), bit 10 of the HDR control, only with HDR on.
        const bool spread = ctx[0].hdrMode > 0 && ctx[0].interleave != 0;
        *value = (r.value & ~0x0400u) | (spread ? 0x0400u : 0u);
        return true;
    }
    default:
        return false;
    }
}

// The parallel port carries 12 bits, the serial ones 10 or 12.
void Vek_123::familyInterfaceLists(int i)
{
    bitDepthChoices = i == 0 ? numberItems({12}) : numberItems({10, 12});
}

void Vek_123::PLL_Caluate()
{
    Call call(this, "PLL_Caluate");
    const int i = ctx[0].interfaceIndex;
    enginePll(i <= 0 ? PllMode::Parallel : PllMode::Serial, i);
}

// OTP versions from 2 on hold the analog trims (the DAC_LD rows) in the
// sensor, so only version 1 sensors get them from the default setting. A
// customer version of 0 marks sensors that run the sequencer they hold
// themselves: their sequence section only resets and waits.
QStringList Vek_123::GetSequencer(QString configPath) const
{
    Q_UNUSED(configPath)
    QStringList lines;
    lines << QStringLiteral("[Sequence]\n") << versionComment(otpRev, custRev);
    lines << QStringLiteral("REG = 0x301A, 0x0001 // reset\n") << QStringLiteral("DELAY = 100\n");
    if (custRev != 0)
        lines << registerLines(*this, [](const RegRow &r) { return r.section == 0; });
    lines << QStringLiteral("DELAY = 10\n");
    return lines;
}

QStringList Vek_123::GetDefaultSetting(QString configPath) const
{
    Q_UNUSED(configPath)
    const bool hostTrims = otpRev <= 1;
    QStringList lines;
    lines << QStringLiteral("[Default]\n") << versionComment(otpRev, custRev);
    lines << registerLines(*this, [hostTrims](const RegRow &r) {
        return r.section == 1 && (hostTrims || std::strncmp(r.name, "DAC_LD", 6) != 0);
    });
    return lines;
}

void Vek_123::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    p.extra << QStringLiteral("OTP version: %1").arg(otpRev)
            << QStringLiteral("CVR version: 0x%1").arg(QString::number(quint32(custRev), 16).toUpper());
}

QStringList Vek_135::GetSequencer(QString configPath) const
{
    Q_UNUSED(configPath)
    QStringList lines;
    lines << QStringLiteral("[Sequence]\n");
    lines << registerLines(*this, [](const RegRow &) { return true; });
    return lines;
}

void Vek_138::familyDefaults()
{
    exposureChoices = countItems(1, 4, 1);
    pll.lanes = 4;
}

// Exposure rows T1..T4 as the panel holds them; the ratios are factors.
// An output of at most half the array in both directions is read binned 2x2.
void Vek_138::familyTimingInput(int context, TimingInput &in) const
{
    const CContextParams &p = ctx[context];
    const FamilyTraits &t = traits();
    if (p.cols > 0 && p.rows > 0 && 2 * qint64(p.cols) <= t.arrayCols && 2 * qint64(p.rows) <= t.arrayRows)
        in.xFactor = in.yFactor = 2;
    const int exposures = qBound(1, numExposures, 4);
    setExposures(in, exposures, log2Of(t1T2Ratio), log2Of(t2T3Ratio), log2Of(t3T4Ratio));
    if (ctx[context].useReg) {
        in.exposureRows[0] = t2ExpRows;
        in.exposureRows[1] = t3ExpRows;
        in.exposureRows[2] = t4ExpRows;
    }
    in.extraHBlank = (otherLineTime ? 64 : 0) + qBound(0, analogTestCols, 512) / 2 + qBound(0, rowNoiseCols, 512) / 2;
    if (middleIntTime > 0)
        in.extraHBlank += 32;
}

// Binned read-out: the floating-diffusion (analog) binning of a single
// exposure, the digital binning for HDR, whose exposures are binned apart.
void Vek_138::familyTiming(int context)
{
    const TimingResult &t = m_cs[context].t;
    const bool binned = t.xFactor >= 2 && t.yFactor >= 2;
    ctx[context].readoutMode = !binned ? 0 : (t.exposures > 1 ? 3 : 9);
    ctx[context].t1ExpRows = t.expRows[0];
}

// The panel's companding box arrives as the context's interleave option.
namespace vek138 {
enum Row { Companding = 1 };
const RowRule kRows[] = {
    {"COMPANDING", Companding},
};
} // namespace vek138

int Vek_138::familyRowRole(const RegRow &r) const
{
    return rowRule(vek138::kRows, r);
}

bool Vek_138::familyRegister(int role, const RegRow &, quint32 *value) const
{
    if (role != vek138::Companding)
        return false;
    *value = ctx[0].interleave ? 1 : 0;
    return true;
}

// The output bits on the link; the MIPI packet header and footer (six bytes
// a line) add to what the lanes carry.
void Vek_138::familyLink(LinkOptions &link) const
{
    link.bits = qBound(10, outputBits, 24);
    if (pll.mipiHeader && link.serial && ctx[0].interfaceIndex == 0) {
        const int cols = m_cs[0].valid ? m_cs[0].t.outCols : (ctx[0].cols > 0 ? ctx[0].cols : traits().arrayCols);
        link.load = 1.0 + 48.0 / (double(qMax(16, cols)) * link.bits);
    }
}

void Vek_138::CalculatePLLMode(int mode)
{
    Call call(this, "CalculatePLLMode", {mode});
    pll.outPort = mode;
    m_setLanes = qBound(1, pll.lanes, 16);
    m_setBits = qBound(10, outputBits, 24);
    const int i = ctx[0].interfaceIndex;
    enginePll(PllMode::Serial, i);
}

// ---------------------------------------------------------------------------
// Vek_108 with its catalogue index.

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

// ---------------------------------------------------------------------------
// Drav_102: regions of interest, skip indices and scaling.

DravRoi::DravRoi(quint16 *values)
{
    for (int i = 0; i < FieldCount; ++i)
        m_fields[i] = values + i;
}

uint DravRoi::roiValue(int field) const
{
    return (field >= 0 && field < FieldCount) ? *m_fields[field] : 0u;
}

void DravRoi::setRoiValue(int field, int value)
{
    if (field >= 0 && field < FieldCount)
        *m_fields[field] = quint16(value & 0xFFFF);
}

void Drav_102::setXSkipIndex(int index)
{
    if (isSkipIndex(index))
        m_xSkipIndex = index;
}

void Drav_102::setYSkipIndex(int index)
{
    if (isSkipIndex(index))
        m_ySkipIndex = index;
}

void Drav_102::familyDefaults()
{
    m_baseVcoMax = m_limits.vcoMax;
    m_baseTarget = defaults.defaultTargetClock;
    m_appliedRevision = 0;
    familyRevision(1);
}

// The revision the PLL panel chose reaches the family as pll.revision; its
// defaults are loaded before the PLL step whenever it changed.
void Drav_102::familyPllRequest(PllRequest &)
{
    const int revision = qBound(1, pll.revision, kDravRevisions);
    if (revision != m_appliedRevision || revision != pll.revision)
        familyRevision(revision);
}

// Revision 2 runs its VCO and pixel clock a fifth faster than revision 1.
void Drav_102::familyRevision(int revision)
{
    const int r = qBound(1, revision, kDravRevisions);
    const double scale = r >= 2 ? 1.2 : 1.0;
    pll.revision = r;
    m_appliedRevision = r;
    m_limits.vcoMax = m_baseVcoMax * scale;
    defaults.defaultTargetClock = m_baseTarget * scale;
}

// The region of interest, when the frame buffer reads one, sets the size;
// skip indices 0..2 read every, every second or every fourth pixel; the
// scaler divides by scaleM / 16.
void Drav_102::familyTimingInput(int context, TimingInput &in) const
{
    in.xFactor = qMax(in.xFactor, 1 << m_xSkipIndex);
    in.yFactor = qMax(in.yFactor, 1 << m_ySkipIndex);
    if (binXOnly)
        in.xFactor = qMax(in.xFactor, 2);
    if (binning)
        in.yFactor = qMax(in.yFactor, 2);
    if (fbMode == 1) {
        const DravRoi &r = roi[safeContext(context)];
        if (r.roiValue(1) > 0 && r.roiValue(3) > 0) {
            in.useFov = true;
            in.fovCols = int(r.roiValue(1));
            in.fovRows = int(r.roiValue(3));
        }
    }
    if (intgTime > 0.0)
        in.intgTime = intgTime;
    if (fbMode == 2)
        in.extraHBlank = 256;
}

// Requested size beyond the region (frame buffer) or the scaled array.
void Drav_102::familyTiming(int context)
{
    const CContextParams &p = ctx[context];
    const FamilyTraits &t = traits();
    const double scale = qMax(1.0, qBound(16, scaleM, 256) / 16.0);
    int colLimit = boundedInt((m_xScale ? t.arrayCols / scale : t.arrayCols) / (1 << m_xSkipIndex), 0, t.arrayCols);
    int rowLimit = boundedInt((m_yScale ? t.arrayRows / scale : t.arrayRows) / (1 << m_ySkipIndex), 0, t.arrayRows);
    if (fbMode == 1) {
        colLimit = qMin(colLimit, int(roi[safeContext(context)].roiValue(1)));
        rowLimit = qMin(rowLimit, int(roi[safeContext(context)].roiValue(3)));
    }
    if (p.cols > colLimit || p.cols < 0)
        addContextWarnings(context, 0x100);
    if (p.rows > rowLimit || p.rows < 0)
        addContextWarnings(context, 0x200);
    if (intgTime > 0.0)
        intgTime = m_cs[context].t.intgTimeMs;
}

// The frame-buffer rows take the regions and their timing.
namespace drav102 {
// The two regions of interest of the frame buffer, each with the same fields.
enum Field {
    XStart,
    XEnd,
    YStart,
    YEnd,
    XOutputSize,
    YOutputSize,
    ScaleM,
    ScaleN,
    LineLength,
    FrameLength,
    FieldCount
};
const char *const kFieldNames[FieldCount] = {"X_START",       "X_END",   "Y_START", "Y_END", "X_OUTPUT_SIZE",
                                             "Y_OUTPUT_SIZE", "SCALE_M", "SCALE_N", "LLPCK", "FLL"};
// Roles: 1 + roi x FieldCount + field; the control word after them.
const int kControl = 1 + 2 * FieldCount;
} // namespace drav102

int Drav_102::familyRowRole(const RegRow &r) const
{
    using namespace drav102;
    if (nameIs(r, "FB_CTRL"))
        return kControl;
    const char *n = r.name;
    if (std::strncmp(n, "FB_ROI_", 7) != 0 || (n[7] != '0' && n[7] != '1') || n[8] != '_')
        return 0;
    for (int f = 0; f < FieldCount; ++f) {
        if (std::strcmp(n + 9, kFieldNames[f]) == 0)
            return 1 + (n[7] - '0') * FieldCount + f;
    }
    return 0;
}

bool Drav_102::familyRegister(int role, const RegRow &r, quint32 *value) const
{
    using namespace drav102;
    if (role == kControl) {
        *value = quint32(qBound(0, fbMode, 2));
        return true;
    }
    if (role < 1 || role >= kControl)
        return false;
    const DravRoi &q = roi[(role - 1) / FieldCount];
    const TimingResult &t = m_cs[0].t;
    qint64 v = r.value;
    switch ((role - 1) % FieldCount) {
    case XStart:
        v = q.roiValue(0);
        break;
    case XEnd:
        v = qint64(q.roiValue(0)) + q.roiValue(1) - 1;
        break;
    case YStart:
        v = q.roiValue(2);
        break;
    case YEnd:
        v = qint64(q.roiValue(2)) + q.roiValue(3) - 1;
        break;
    case XOutputSize:
        v = q.roiValue(1) * 16 / qMax(1u, q.roiValue(4));
        break;
    case YOutputSize:
        v = q.roiValue(3) * 16 / qMax(1u, q.roiValue(5));
        break;
    case ScaleM:
        v = q.roiValue(4);
        break;
    case ScaleN:
        v = 16;
        break;
    case LineLength:
        v = t.lineLength;
        break;
    case FrameLength:
        v = t.frameLength;
        break;
    default:
        break;
    }
    *value = fitToRow(fbMode == 1 ? v : 0, r);
    return true;
}

void Drav_102::familyInterfaceLists(int)
{
    laneChoices = numberItems({1, 2, 4});
    bitDepthChoices = numberItems({10, 12});
}

// Installed: every row; in use: without the region rows (the table's last
// rows) while the frame buffer reads no region. The frame-buffer control
// stays in use, as the slow-MIPI mode needs it too.
int Drav_102::NumberOfRegisters(bool installed) const
{
    const int all = registerCount();
    if (installed || fbMode == 1 || !m_table)
        return all;
    int inUse = all;
    while (inUse > 0 && std::strncmp(m_table->rows[inUse - 1].name, "FB_ROI_", 7) == 0)
        --inUse;
    return inUse;
}

int Drav_102::getDefaultBitDepthIndex()
{
    return 0;
}

double Drav_102::getDefaultPixelClockIndex() const
{
    return defaults.defaultTargetClock > 0.0 ? defaults.defaultTargetClock : traits().targetDefault;
}

// ---------------------------------------------------------------------------
// Bridges: the attached raw sensor behind the bridge.

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

// ---- Yorm_106: keep-sync ---------------------------------------------------

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

// ---------------------------------------------------------------------------
// Form-based families.

namespace {

void setVar(GUIVAR_T &v, double x)
{
    v.setClamped(finiteOr(x, v.min));
}

} // namespace

Vek_125::Vek_125(int typeCode) : CFormFamily(typeCode) {}

void Vek_125::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    // A variable released before keeps its default state.
    releasedVar = nullptr;
    applyVarDefaults(*this, kVek125Vars);
    intgTime = IntgTime.value;
    CFormFamily::InitDefaults(configPath);
}

void Vek_125::engineCalculateAll()
{
    PllUpdate();
    ResultsUpdate(0);
    RegisterUpdate(0);
}

// Image PLL: Input / Div1 x Mult = VCO1, / Div2 / Div3 = system clock,
// / 2 = pixel clock. MIPI PLL: Input / Div1 x Mult = VCO2, / Div2 = serial
// clock, / Bits = word clock. Checked variables are fixed; the others are
// chosen, and every variable is written back as used.
void Vek_125::PllUpdate()
{
    Call call(this, "PllUpdate");
    m_pllWarnings = 0;
    if (releasedVar)
        releasedVar->checked = false;
    PllLimits l;
    l.finMin = InputFreq.min;
    l.finMax = InputFreq.max;
    l.pfdMin = 2.0;
    l.pfdMax = 32.0;
    l.nMin = boundedInt(PLL1Div1.min);
    l.nMax = boundedInt(PLL1Div1.max);
    l.mMin = boundedInt(PLL1Mult.min);
    l.mMax = boundedInt(PLL1Mult.max);
    l.vcoMin = VCO1Freq.min;
    l.vcoMax = VCO1Freq.max;
    l.d[0] = {boundedInt(PLL1Div2.min), boundedInt(PLL1Div2.max), false};
    l.d[1] = {boundedInt(PLL1Div3.min), boundedInt(PLL1Div3.max), false};
    l.outMax = SystemFreq.max;
    PllRequest r;
    r.fin = InputFreq.value;
    r.target = PixelFreq.checked && !SystemFreq.checked ? PixelFreq.value * PixelDiv.value : SystemFreq.value;
    r.fallbackTarget = traits().targetDefault;
    r.n = PLL1Div1.checked ? PLL1Div1.intValue : -1;
    r.m = PLL1Mult.checked ? PLL1Mult.intValue : -1;
    r.vco = VCO1Freq.checked ? VCO1Freq.value : -1.0;
    r.d[0] = PLL1Div2.checked ? PLL1Div2.intValue : -1;
    r.d[1] = PLL1Div3.checked ? PLL1Div3.intValue : -1;
    m_solution = solvePll(l, r);
    m_pllWarnings |= m_solution.warnings & (WarnTargetClock | WarnInputClock | WarnVco);
    setVar(PLL1Div1, m_solution.n);
    setVar(PLL1Mult, m_solution.m);
    setVar(VCO1Freq, m_solution.vco);
    setVar(PLL1Div2, m_solution.d[0]);
    setVar(PLL1Div3, m_solution.d[1]);
    setVar(SystemFreq, m_solution.out);
    setVar(PixelFreq, m_solution.out / qMax(1.0, PixelDiv.value));
    pll.inputClock = InputFreq.value;
    pll.targetClock = r.target;
    pll.pllN = m_solution.n;
    pll.pllM = m_solution.m;
    pll.vcoClock = m_solution.vco;
    pll.outputClock = m_solution.out;
    pll.systemClock = m_solution.out;
    pll.pixelClock = PixelFreq.value;

    // The serial side carries the pixel stream over one or two lanes.
    const int bits = qBound(6, Bits.intValue, 16);
    const int lanes = MIPILane2.value != 0.0 ? 2 : 1;
    PllLimits l2 = l;
    l2.nMin = boundedInt(PLL2Div1.min);
    l2.nMax = boundedInt(PLL2Div1.max);
    l2.mMin = boundedInt(PLL2Mult.min);
    l2.mMax = boundedInt(PLL2Mult.max);
    l2.vcoMin = VCO2Freq.min;
    l2.vcoMax = VCO2Freq.max;
    l2.d[0] = {boundedInt(PLL2Div2.min), boundedInt(PLL2Div2.max), false};
    l2.d[1] = DividerRange();
    l2.outMax = SerialFreq.max;
    PllRequest r2;
    r2.fin = InputFreq.value;
    const double required = PixelFreq.value * bits / lanes;
    if (SerialFreq.checked)
        r2.target = SerialFreq.value;
    else if (WordFreq.checked)
        r2.target = WordFreq.value * bits;
    else
        r2.target = required, r2.atLeast = true;
    r2.fallbackTarget = required;
    r2.n = PLL2Div1.checked ? PLL2Div1.intValue : -1;
    r2.m = PLL2Mult.checked ? PLL2Mult.intValue : -1;
    r2.vco = VCO2Freq.checked ? VCO2Freq.value : -1.0;
    r2.d[0] = PLL2Div2.checked ? PLL2Div2.intValue : -1;
    m_solution2 = solvePll(l2, r2);
    if (m_solution2.out < required - 1e-6 || (m_solution2.warnings & (WarnVco | WarnInputClock)))
        m_pllWarnings |= WarnTargetClock;
    setVar(PLL2Div1, m_solution2.n);
    setVar(PLL2Mult, m_solution2.m);
    setVar(VCO2Freq, m_solution2.vco);
    setVar(PLL2Div2, m_solution2.d[0]);
    setVar(SerialFreq, m_solution2.out);
    setVar(WordFreq, m_solution2.out / bits);
    pll.pllN2 = m_solution2.n;
    pll.pllM2 = m_solution2.m;
    pll.vcoClock2 = m_solution2.vco;
    pll.serialClock = m_solution2.out;
    pll.opPixClock = WordFreq.value;
    m_link.serial = true;
    m_link.kind = LinkKind::Mipi;
    m_link.name = QStringLiteral("MIPI");
    m_link.lanes = lanes;
    m_link.bits = bits;
    m_link.laneRate = m_solution2.out;
    m_link.opSysDiv = m_solution2.d[0];
    pll.mipiCont = MIPICont.value != 0.0;
}

void Vek_125::ResultsUpdate(int context)
{
    Call call(this, "ResultsUpdate", {context});
    if (!validContext(context))
        return;
    CContextParams &p = ctx[context];
    p.cols = Cols.intValue;
    p.rows = Rows.intValue;
    p.blankType = blankTypeFromText();
    p.intgTime = intgTime > 0.0 ? intgTime : IntgTime.value;
    engineTiming(context, false, true, false);
    setVar(IntgTime, m_cs[context].t.intgTimeMs);
    intgTime = IntgTime.value;
    setVar(Cols, m_cs[context].t.outCols);
    setVar(Rows, m_cs[context].t.outRows);
    engineResults(context);
    QStringList fixed;
    const std::pair<const char *, const GUIVAR_T *> vars[] = {
        {"InputFreq", &InputFreq},   {"SystemFreq", &SystemFreq}, {"PLL1Div1", &PLL1Div1}, {"PLL1Mult", &PLL1Mult},
        {"VCO1Freq", &VCO1Freq},     {"PLL1Div2", &PLL1Div2},     {"PLL1Div3", &PLL1Div3}, {"PixelFreq", &PixelFreq},
        {"PLL2Div1", &PLL2Div1},     {"PLL2Mult", &PLL2Mult},     {"VCO2Freq", &VCO2Freq}, {"PLL2Div2", &PLL2Div2},
        {"SerialFreq", &SerialFreq}, {"WordFreq", &WordFreq},
    };
    for (const auto &v : vars)
        fixed << QStringLiteral("%1 = %2 (%3)")
                     .arg(QLatin1String(v.first), num(v.second->value),
                          v.second->checked ? QStringLiteral("fixed") : QStringLiteral("free"));
    results.pllPresetText = buildPresetText(fixed);
}

void Vek_125::RegisterUpdate(int context)
{
    Call call(this, "RegisterUpdate", {context});
    if (!validContext(context))
        return;
    engineRegisters();
}

void Vek_125::familyTexts(int, PllTextInfo &p, ContextTextInfo &) const
{
    p.dividers = {{QStringLiteral("PLL1 Div2"), m_solution.d[0]}, {QStringLiteral("PLL1 Div3"), m_solution.d[1]}};
    p.outputName = QStringLiteral("System clock");
    p.hasPll2 = true;
    p.extra << QStringLiteral("Serial clock: %1 MHz").arg(num(SerialFreq.value))
            << QStringLiteral("Word clock: %1 MHz").arg(num(WordFreq.value));
}

Murn_102::Murn_102(int typeCode) : CFormFamily(typeCode)
{
    // Read by the set-up before InitDefaults.
    defaults.defaultStdTemplate = 1;
}

void Murn_102::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    applyVarDefaults(*this, kMurn102Vars);
    CFormFamily::InitDefaults(configPath);
    defaults.defaultStdTemplate = 1;
}

void Murn_102::engineCalculateAll()
{
    Calculate();
}

void Murn_102::readoutFactors(int, int *xFactor, int *yFactor, QString *name) const
{
    const bool skip = checkRowSkipping.checked || checkRowSkipping.value != 0.0;
    *xFactor = 1;
    *yFactor = skip ? 2 : 1;
    *name = skip ? QStringLiteral("Row skip 2") : QStringLiteral("Normal");
}

// Row skipping halves the rows read, so it needs an output of at most half the array.
void Murn_102::familyTiming(int context)
{
    const bool skip = checkRowSkipping.checked || checkRowSkipping.value != 0.0;
    if (skip && ctx[context].rows > traits().arrayRows / 2)
        addContextWarnings(context, 0x20);
}

// The sensor runs from the input clock without a PLL.
void Murn_102::Calculate()
{
    Call call(this, "Calculate");
    CContextParams &p = ctx[0];
    p.cols = spinCols.intValue;
    p.rows = spinRows.intValue;
    p.blankType = blankTypeFromText();
    m_pllWarnings = 0;
    const double fin = dSpinPLL_Input.value;
    if (!(fin >= dSpinPLL_Input.min && fin <= dSpinPLL_Input.max))
        m_pllWarnings |= WarnInputClock;
    // As in the PLL families, an input clock no sensor can take (not a
    // number, below 0.001 MHz or above 100 000 MHz) is reported and not
    // used: the sensor then has no clock at all.
    const double clock = usableClock(fin) ? fin : 0.0;
    pll.inputClock = fin;
    pll.outputClock = pll.systemClock = pll.vcoClock = clock;
    pll.pllN = pll.pllM = 1;
    m_solution = PllSolution();
    m_solution.locked = clock > 0.0;
    m_solution.vco = m_solution.out = clock;
    formTiming(clock);
    setVar(spinCols, m_cs[0].t.outCols);
    setVar(spinRows, m_cs[0].t.outRows);
}

Murn_104::Murn_104(int typeCode) : CFormFamily(typeCode) {}

void Murn_104::InitDefaults(QString configPath)
{
    Call call(this, "InitDefaults");
    applyVarDefaults(*this, kMurn104Vars);
    CFormFamily::InitDefaults(configPath);
}

void Murn_104::engineCalculateAll()
{
    Calculate();
}

void Murn_104::readoutFactors(int, int *xFactor, int *yFactor, QString *name) const
{
    const bool skip = checkSkipping.checked || checkSkipping.value != 0.0;
    *xFactor = skip ? 2 : 1;
    *yFactor = skip ? 2 : 1;
    *name = skip ? QStringLiteral("Skip 2x2") : QStringLiteral("Normal");
}

void Murn_104::familyTiming(int context)
{
    const bool skip = checkSkipping.checked || checkSkipping.value != 0.0;
    if (skip && (ctx[context].rows > traits().arrayRows / 2 || ctx[context].cols > traits().arrayCols / 2))
        addContextWarnings(context, 0x20);
}

// Input / N x M = VCO, / P = target clock (the pixel clock); the overrides
// are the checked variables.
void Murn_104::Calculate()
{
    Call call(this, "Calculate");
    CContextParams &p = ctx[0];
    p.cols = spinCols.intValue;
    p.rows = spinRows.intValue;
    p.blankType = blankTypeFromText();
    pll.pllBypass = checkBypass.checked || checkBypass.value != 0.0;
    pll.pllUseMinFreq = checkUseMinFreq.checked || checkUseMinFreq.value != 0.0;
    m_limits.finMin = dSpinPLL_Input.min;
    m_limits.finMax = dSpinPLL_Input.max;
    m_limits.nMin = boundedInt(PLL_N.min);
    m_limits.nMax = boundedInt(PLL_N.max);
    m_limits.mMin = boundedInt(PLL_M.min);
    m_limits.mMax = boundedInt(PLL_M.max);
    m_limits.vcoMin = PLL_VCO.min;
    m_limits.vcoMax = PLL_VCO.max;
    m_limits.pfdMin = 2.0;
    m_limits.pfdMax = 27.0;
    m_limits.d[0] = {1, 16, false};
    m_limits.d[1] = DividerRange();
    m_limits.outMax = dSpinPLL_Target.max;
    m_pllWarnings = 0;
    PllRequest r;
    r.fin = dSpinPLL_Input.value;
    r.target = dSpinPLL_Target.value;
    r.fallbackTarget = traits().targetDefault;
    r.n = PLL_N.checked ? PLL_N.intValue : -1;
    r.m = PLL_M.checked ? PLL_M.intValue : -1;
    r.vco = PLL_VCO.checked ? PLL_VCO.value : -1.0;
    r.minFreq = pll.pllUseMinFreq;
    pll.inputClock = r.fin;
    pll.targetClock = r.target;
    if (pll.pllBypass) {
        // The bypassed sensor runs from the input clock, when it can take it.
        m_solution = PllSolution();
        m_solution.locked = usableClock(r.fin);
        m_solution.vco = m_solution.out = m_solution.locked ? r.fin : 0.0;
        if (!(r.fin >= m_limits.finMin && r.fin <= m_limits.finMax))
            m_pllWarnings |= WarnInputClock;
    } else {
        m_solution = solvePll(m_limits, r);
        m_pllWarnings |= m_solution.warnings & (WarnInputClock | WarnTargetClock | WarnVco);
        setVar(PLL_N, m_solution.n);
        setVar(PLL_M, m_solution.m);
        setVar(PLL_VCO, m_solution.vco);
    }
    pll.pllN = m_solution.n;
    pll.pllM = m_solution.m;
    pll.pllP = m_solution.d[0];
    pll.vcoClock = m_solution.vco;
    pll.outputClock = pll.systemClock = m_solution.out;
    formTiming(m_solution.out);
    setVar(spinCols, m_cs[0].t.outCols);
    setVar(spinRows, m_cs[0].t.outRows);
}

// ---------------------------------------------------------------------------
// Zelt: HiSPi sensors with one to four PHYs.

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

// ---------------------------------------------------------------------------
// Holv_101: the radar.

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
