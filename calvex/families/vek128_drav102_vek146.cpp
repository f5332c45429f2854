// Vek_128, Drav_102 and Vek_146: HDR sensors whose interface is the PLL panel's choice (catalogue 110, 111, 115).
//
// The library's rules for them: presets, exposure rules, extra rows, anchored register values,
// second clocks, named operations and texts. Their window side is calc/vek128_drav102_vek146.cpp.
#include "families.h"

#include "familyhelpers.h"

#include <cstring>

using namespace calvex;
using namespace familyhelpers;

namespace {

bool isSkipIndex(int index)
{
    return index >= 0 && index <= 2;
}

// Silicon revisions of Drav_102 and Vek_128, counted from 1.
const int kDravRevisions = 2;

const int kVek128Revisions = 2;

} // namespace

Vek_128::Vek_128(int typeCode) : CFamilyBase(typeCode) {}

Drav_102::Drav_102(int typeCode) : CFamilyBase(typeCode), roi{DravRoi(m_roiStore[0]), DravRoi(m_roiStore[1])} {}

Vek_146::Vek_146(int typeCode) : CFamilyBase(typeCode) {}

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
