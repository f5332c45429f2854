// Vek_117, Vek_107, Vek_113 and Vek_110: the line-interleaved HDR sensors (catalogue 83-85, 92, 93).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek117_vek107_vek113_vek110.cpp.
#include "families.h"

#include "familyhelpers.h"

#include <cmath>

using namespace calvex;
using namespace familyhelpers;

Vek_117::Vek_117(int typeCode) : CFamilyBase(typeCode) {}

Vek_107::Vek_107(int typeCode) : CFamilyBase(typeCode) {}

Vek_113::Vek_113(int typeCode) : CFamilyBase(typeCode) {}

Vek_110::Vek_110(int typeCode) : CFamilyBase(typeCode) {}

namespace {

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

// The exposure rows T2..T4 the panels show, and the exposures read.
void publishExposureRows(const TimingResult &t, CPllParams &pll, CContextParams &p)
{
    pll.activeT2Rows = t.exposures > 1 ? t.expRows[1] : 0;
    pll.activeT3Rows = t.exposures > 2 ? t.expRows[2] : 0;
    pll.activeT4Rows = t.exposures > 3 ? t.expRows[3] : 0;
    p.maxExposures = t.exposures;
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

namespace {

// With the output data rate in use the PLL is driven by it: the pixel clock
// that fills the lanes at targetClock2 (the rate per lane over the bits)
// pixels per microsecond per lane.
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
