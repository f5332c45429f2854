// Vek_124, Murn_109 and Murn_111: image processors with the P4 and P5 dividers (catalogue 26, 27, 31).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek124_murn109_murn111.cpp.
#include "families.h"

#include "engine/registers.h"
#include "familyhelpers.h"

#include <cmath>

using namespace calvex;
using namespace familyhelpers;

Vek_124::Vek_124(int typeCode) : CFamilyBase(typeCode) {}

Murn_109::Murn_109(int typeCode) : CFamilyBase(typeCode) {}

Murn_111::Murn_111(int typeCode) : CFamilyBase(typeCode) {}

namespace {

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

} // namespace

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
