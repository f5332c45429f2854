// Vek_138 and Vek_119: HDR sensors picking their PLL step by output mode or interface (catalogue 99-101, 103, 104).
//
// Catalogue 99 to 101 and 103 to 104: the four-exposure HDR family Vek_138
// (99-101) and Vek_119 (103-104), one context each: their context set-up and
// calculation. Vek_138 runs the PLL step of its output mode with every
// divider left to the library and sends its exposure ratios as powers of
// two; Vek_119 picks its PLL step by the interface and, with the advanced
// PLL panel open, sets the link up and loads the chosen revision's defaults.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>

#include <climits>
#include <cmath>
#include <iterator>

namespace adapter {

namespace {

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

void setEnabled(QWidget *widget, bool enabled)
{
    if (widget)
        widget->setEnabled(enabled);
}

void disabled(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(false);
}

const CUseCase *useCaseZero(const Pallador &w)
{
    const CRegisterDataIO *io = w.dataIO;
    return io && io->useCases && io->getUseCaseNumber() > 0 ? io->useCases : nullptr;
}

// ---------------------------------------------------------------------------
// Vek_138.

constexpr quint32 kVek138Mask = 0xFE07FFF0;
// The output mode the set-up selects.
constexpr int kVek138OutPort = 4;
// Columns of one analog test column and one row-noise column setting.
constexpr int kAnalogTestColPixels = 24;
constexpr int kRowNoiseColPixels = 56;
// Output bits of the entries of the panel's "Output Bits:" list.
const int kVek138OutputBits[] = {10, 12, 14, 16, 20, 24};

// The exposure-row and ratio presets of the set-up, for the context set up.
struct Vek138ExposurePreset {
    int t1ExpRows, t2ExpRows, t3ExpRows, t4ExpRows;
    int t1T2Ratio, t2T3Ratio, t3T4Ratio; // exponents of two
    int middleIntTime;
    int interleave;
};
constexpr Vek138ExposurePreset kVek138Preset{79, 11, 2, 0, 16, 1, 4, 0, 1};

// 2 to the power of a window exponent, computed in double precision and
// truncated; an exponent too large for the field gives the largest ratio.
qint32 ratioOfExponent(int exponent)
{
    return qint32(qMin(std::pow(2.0, exponent), double(INT_MAX)));
}

// ---------------------------------------------------------------------------
// Vek_119.

// The link of the open panel by interface: parallel (0) one lane without the
// MIPI continuous clock, MIPI (1) the lanes of the lane list.
void vek119Link(Pallador &w, Vek_119 &f)
{
    const int bitsIndex = w.comboPLL_Bits ? w.comboPLL_Bits->currentIndex() : -1;
    switch (w.interfaceIndex) {
    case 0:
        w.lanes = 1;
        if (w.comboPLL_Bits)
            w.opBits = 8 + 2 * bitsIndex;
        setEnabled(w.checkPLL_MIPICont, false);
        f.pll.mipiCont = false;
        break;
    case 1:
        setEnabled(w.checkPLL_MIPICont, true);
        if (w.comboPLL_Lanes)
            w.lanes = twoToThe(w.comboPLL_Lanes->currentIndex());
        if (w.comboPLL_Bits)
            w.opBits = 8 + 2 * bitsIndex;
        f.pll.mipiCont = w.mipiCont;
        break;
    default:
        break;
    }
}

// Compressed (combination) output is offered at 8 bits only; 10-bit output
// switches it off for good.
void vek119CombinationRule(Pallador &w, CContextParams &r)
{
    setEnabled(w.checkCombi, w.opBits == 8);
    if (w.opBits == 10) {
        if (w.checkCombi)
            w.checkCombi->setChecked(false);
        w.combi = 0;
        r.combi = 0;
    }
}

// The revision chosen in the panel goes to the configuration reader
// (1-based) and the library (0-based), which loads its defaults.
void vek119Revision(Pallador &w, Vek_119 &f)
{
    f.pll.revision = w.revIndex;
    if (w.dataIO)
        w.dataIO->setRevNumber(saturated(f.pll.revision, 1, 1));
    f.SetRevDefaults(f.pll.revision);
}

} // namespace

// ---------------------------------------------------------------------------
// Vek_138 (99-101).

void initVek138(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    const int cc = qBound(0, w.currentContext, 2);
    const Vek138ExposurePreset &p = kVek138Preset;
    w.outPort = kVek138OutPort;
    w.t1ExpRows[cc] = p.t1ExpRows;
    w.t2ExpRows[cc] = p.t2ExpRows;
    w.t3ExpRows[cc] = p.t3ExpRows;
    w.t4ExpRows[cc] = p.t4ExpRows;
    w.t1T2Ratio[cc] = p.t1T2Ratio;
    w.t2T3Ratio[cc] = p.t2T3Ratio;
    w.t3T4Ratio[cc] = p.t3T4Ratio;
    w.middleIntTime[cc] = p.middleIntTime;
    w.interleave[cc] = p.interleave;
    w.useReg = true;
    w.mipiCont = true;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);

    useCaseZeroFrameRate(w, d, false);
    useCaseZeroMirrorFlip(w);
    if (const CUseCase *u = useCaseZero(w))
        w.numExposures[0] = u->exposures - 1;
    blankingComboRefresh(w);
    w.ui.comboTypeBlank_A->setEnabled(false);
    frameRateEditText(w, 0, w.maxFps[0]);
    w.ui.comboTypeFRate_A->setEnabled(false);

    pllSpinRefresh(w);
    disabled({w.ui.dSpinPLL_Target, w.ui.checkPLL_N, w.ui.checkPLL_M, w.ui.checkPLL_VCO});
    pllOverridePresets(w, 104, 3, 936.0);
    interfaceList(w, {"MIPI-4", "HISPI-4"}, 0);
}

void recalcVek138(Pallador &w)
{
    Vek_138 *f = w.calvex->vek_138;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    CPllParams &pll = f->pll;
    writeContext(w, r, 0, {Field::MaxFps, Field::Cols, Field::Rows, Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kVek138Mask);
    writeContext(w, r, 0, {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank, Field::HdrMode});
    r.interleave = w.interleave[0];
    r.useReg = w.useReg;

    f->advParamOn = w.ui.checkAdvParam_A->isChecked();
    f->useCaseIndex = w.ui.comboUseCase_A->currentIndex();
    f->numExposures = saturated(w.numExposures[0], 1, 1);
    f->t1ExpRows = w.t1ExpRows[0];
    f->t2ExpRows = w.t2ExpRows[0];
    f->t3ExpRows = w.t3ExpRows[0];
    f->t4ExpRows = w.t4ExpRows[0];
    f->t1T2Ratio = ratioOfExponent(w.t1T2Ratio[0]);
    f->t2T3Ratio = ratioOfExponent(w.t2T3Ratio[0]);
    f->t3T4Ratio = ratioOfExponent(w.t3T4Ratio[0]);
    f->middleIntTime = w.middleIntTime[0];
    f->otherLineTime = w.otherLineTime[0] != 0;
    f->txLatch = w.txLatch[0];
    // The lists "0", "24", "48" and "0", "56", "112".
    f->analogTestCols = listValue(w.analogTestCols, 2, 0, kAnalogTestColPixels);
    f->rowNoiseCols = listValue(w.rowNoiseCols, 2, 0, kRowNoiseColPixels);
    // The panel's exposure list shows the count (a count beyond the list as
    // its last entry); changing it runs its slot.
    if (f->advParamOn && w.comboNumExp)
        w.comboNumExp->setCurrentIndex(listValue(f->numExposures - 1, w.comboNumExp->count() - 1));

    // Every divider and VCO is the library's choice; no override box is read.
    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
    pll.inputClock = w.pllInput;
    pll.mipiCont = w.mipiCont;
    pll.mipiHeader = w.mipiHeader;
    pll.targetClock2 = w.pllTargetOp;
    pll.pllN = pll.pllM = pll.pllN2 = pll.pllM2 = -1;
    pll.vcoRequest = -1.0;
    pll.pllVco2 = -1.0;
    pll.pllOpDivider = -1;
    pll.pllP = -1;

    r.interfaceIndex = w.interfaceIndex;
    pll.lanes = 4;
    pll.outPort = w.outPort;

    // The open panel's "Output Bits:" list: the window keeps the position, the
    // library gets the bits; the MIPI options belong to the MIPI interface.
    if (advancedPll(w)) {
        if (w.comboPLL_Bits) {
            w.opBits = w.comboPLL_Bits->currentIndex();
            if (w.opBits >= 0 && w.opBits < int(std::size(kVek138OutputBits)))
                f->outputBits = kVek138OutputBits[w.opBits];
        }
        setEnabled(w.checkPLL_MIPICont, w.interfaceIndex == 0);
        setEnabled(w.checkPLL_MIPIHeader, w.interfaceIndex == 0);
    }

    f->CalculatePLLMode(w.outPort);
    f->TimingUpdate(0, false, true);
    f->ResultsUpdate(0);
    f->RegisterUpdate(0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Vek_119 (103-104).

void initVek119(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 0;
    w.lanes = 1;
    w.opBits = 10;
    w.combi = 0;
    w.revIndex = 2;
    contextFrameRates(w, f, 0);
    pllSpinRefresh(w);
    pllOverridePresets(w, 50, 3, 450.0);
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(1);
    });
    automaticOptionPanels(w, d, false);
}

void recalcVek119(Pallador &w)
{
    Vek_119 *f = w.calvex->vek_119;
    const int c = w.currentContext;
    if (!f || (c != 0 && c != 1))
        return;
    CContextParams &r = f->ctx[c];
    writeContext(w, r, c,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Binning, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, c,
                 {Field::BlankType, Field::VariableFps, Field::IntgTime, Field::UserHBlank, Field::UserVBlank});
    r.combi = w.combi;
    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    r.interfaceIndex = w.interfaceIndex;

    if (advancedPll(w)) {
        vek119Link(w, *f);
        f->darkCols = w.darkCols;
        vek119CombinationRule(w, r);
        f->SetInterface(w.lanes, w.opBits);
        vek119Revision(w, *f);
    }

    interfacePllStep(w, *f);
    panelTimingStep(w, *f, 0);
    f->ResultsUpdate(0);
    f->RegisterUpdate(0);
    // The one context's texts are those of context 0.
    w.ctxPresetText[c] = f->results.contextPresetText[0];
    w.ctxDisplayText[c] = f->results.contextDisplayText[0];
    w.pllDisplayText = f->results.pllDisplayText;
    contextAPaneRefresh(w);
}

} // namespace adapter
