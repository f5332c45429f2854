// Vek_111, Vek_123 and Vek_135: sensors with a PLL step of their own in place of the generic one (catalogue 86-91).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek111_vek123_vek135.cpp.
#include "families.h"

#include "familyhelpers.h"

using namespace calvex;
using namespace familyhelpers;

Vek_111::Vek_111(int typeCode) : CFamilyBase(typeCode) {}

Vek_123::Vek_123(int typeCode) : CFamilyBase(typeCode) {}

Vek_135::Vek_135(int typeCode) : CFamilyBase(typeCode) {}

namespace {

QString hex4(quint32 v)
{
    return QStringLiteral("0x%1")
        .arg(v, 4, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QLatin1String("0X"), QLatin1String("0x"));
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

void Vek_111::familyTimingInput(int, TimingInput &in) const
{
    in.extraHBlank += darkExtraCols(*this) + (companding ? 16 : 0);
}

// Interface 2 (HiSPi) carries 10 to 14 bits, the others 8 to 12.
void Vek_111::familyInterfaceLists(int i)
{
    bitDepthChoices = i == 2 ? numberItems({10, 12, 14}) : numberItems({8, 10, 12});
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
