// Vek_117, Vek_107, Vek_113 and Vek_110: the line-interleaved HDR sensors (catalogue 83-85, 92, 93).
//
// Catalogue 83-85 and 92-93: the line-interleaved HDR sensors Vek_117 (83),
// Vek_107 (84), Vek_113 (85) and Vek_110 (92-93), one context each: their
// context set-up and calculation.
//
// All four take the exposure settings of the context option panel (up to
// four exposures, their rows and ratios, embedded and statistics rows, test
// rows, line interleave and LED flicker mitigation), apply the combination
// rule (combination mode switches the HDR settings off) and the linear rule
// (neither HDR nor combination mode: one exposure), set the link up from the
// advanced PLL panel while it is open, and choose the PLL step by interface.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

#include <iterator>

namespace adapter {

namespace {

// What tells the families' inputs apart.
struct HdrInputs {
    quint32 mask;       // warning bits the library recomputes
    bool scaleM;        // scale_m goes to the context record
    int rowFactor;      // embedded and statistics rows: the window's count times this
    bool testRows;      // digital rows on top, analog rows at the bottom
    bool darkCols;      // dark columns shown
};

const HdrInputs kVek117Inputs{kStandardMask, true, 2, true, false};
const HdrInputs kVek107Inputs{kStandardMask, true, 2, false, false};
const HdrInputs kVek113Inputs{kStandardMask, false, 1, true, false};
const HdrInputs kVek110Inputs{0xFE87FFF0, true, 2, false, true};

// The super-exposure code of Vek_110 for each window setting (0, 1, 2);
// any other setting sends none.
const int kSuperExposureCodes[] = {0, 5, 6};

// The style sheets of Vek_113's configure-buffer boxes: within the limit
// and beyond it.
const char kBufferWithin[] = "background-color:white;";
const char kBufferBeyond[] = "background-color:red;";

// Blanking types that keep Vek_113's fixed line length.
bool fixedLineLengthAllowed(int blankType)
{
    return blankType == 1 || blankType == 2 || blankType == 6;
}

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

void setEnabled(QWidget *widget, bool enabled)
{
    if (widget)
        widget->setEnabled(enabled);
}

void setChecked(QCheckBox *box, bool checked)
{
    if (box)
        box->setChecked(checked);
}

// The lanes of the panel's lane list: 2 to the power of its position. A
// panel without the list leaves the window's lanes.
void lanesFromPanel(Pallador &w)
{
    if (w.comboPLL_Lanes)
        w.lanes = twoToThe(w.comboPLL_Lanes->currentIndex());
}

// The output bits of the panel's bit-depth list: offset + 2 x its position,
// and 20 at position 4 where the list ends with "20". A panel without the
// list leaves the window's bits.
void bitsFromPanel(Pallador &w, int offset, bool twentyAtFour)
{
    if (!w.comboPLL_Bits)
        return;
    const int position = w.comboPLL_Bits->currentIndex();
    w.opBits = twentyAtFour && position == 4 ? 20 : offset + 2 * position;
}

// The calculated context (A or B; any other has no record).
int calculatedContext(const Pallador &w)
{
    const int cc = w.currentContext;
    return cc == 0 || cc == 1 ? cc : -1;
}

// The inputs the four families share, up to the user blanking: the
// context's settings, the exposure rows and ratios, then the combination
// rule and the linear rule.
template <class Family> void hdrInputs(Pallador &w, Family &f, int c, const HdrInputs &v)
{
    CContextParams &r = f.ctx[c];
    writeContext(w, r, c,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Binning, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip});
    clearWarnings(r, v.mask);
    writeContext(w, r, c, {Field::BlankType, Field::VariableFps, Field::IntgTime});
    r.useFov = w.useFov[c];
    r.combi = w.combi;
    f.numExposures = saturated(w.numExposures[c], 1, 1);
    r.maxExposures = saturated(w.maxExposures[c], 1, 1);
    r.scaler = w.scaler[c];
    if (v.scaleM)
        r.scaleM = w.scaleM[c];
    r.useReg = w.useReg;
    r.useFixLLpck = w.useFixLLpck;
    r.borderPixels = w.borderPixels;
    f.fixedLineLength = w.fixedLineLength[c];
    f.atrRows = w.atrRows;
    f.dtrRows = w.dtrRows;
    if (v.darkCols)
        f.darkCols = w.darkCols;
    f.darkRows = w.darkRows;
    f.t2ExpRows = w.t2ExpRows[c];
    f.t3ExpRows = w.t3ExpRows[c];
    f.t4ExpRows = w.t4ExpRows[c];
    f.embedDataRows = listValue(w.embedDataRows[c], f.dataRowChoices, 0, v.rowFactor);
    f.statsDataRows = listValue(w.statsDataRows[c], f.statsRowChoices, 0, v.rowFactor);
    f.t1T2Ratio = w.t1T2Ratio[c];
    f.t2T3Ratio = w.t2T3Ratio[c];
    f.t3T4Ratio = w.t3T4Ratio[c];
    if (v.testRows) {
        f.topDigitalRows = w.topDigitalRows[c];
        f.botAnalogRows = w.botAnalogRows[c];
    }
}

// Combination mode switches the context's HDR settings off in the window;
// the family then takes them as the window holds them, and a context with
// neither HDR nor combination mode runs linear with one exposure.
template <class Family> void combinationAndLinearRules(Pallador &w, Family &f, int c)
{
    if (w.combi == 1) {
        w.lfmMode[c] = 0;
        w.lineComboMode[c] = 0;
        w.lineInterleave[c] = 0;
        w.hdrMode[c] = 0;
    }
    CContextParams &r = f.ctx[c];
    r.hdrMode = w.hdrMode[c];
    r.lineInterleave = w.lineInterleave[c];
    r.lineComboMode = w.lineComboMode[c];
    f.lfmMode = w.lfmMode[c] != 0;
    if (w.hdrMode[c] == 0 && w.combi == 0) {
        f.linearMode = true;
        f.numExposures = 1;
        r.maxExposures = 1;
    }
}

void userBlanking(const Pallador &w, CContextParams &r, int c)
{
    r.userHBlank = w.userHBlank[c];
    r.userVBlank = w.userVBlank[c];
}

// The PLL step by interface: the parallel port or the serial link.
void pllStep(const Pallador &w, CFamilyBase &f)
{
    if (w.interfaceIndex == 0)
        f.SetParallelPLL();
    else
        f.SetSerialPLL(w.interfaceIndex);
}

// Timing (context A only: with its option panel in use, from context A's
// integration time, which the panel's box stores on a change), results,
// registers, texts and the pane.
void finish(Pallador &w, CFamilyBase &f, int c)
{
    if (c == 0) {
        if (w.ui.checkAdvParam_A->isChecked()) {
            if (w.dSpinIntgTime[0])
                f.ctx[0].intgTime = w.intgTime[0];
            f.TimingUpdate(0, false, true);
        } else {
            f.UseCaseTiming(0, false, true);
        }
    }
    f.ResultsUpdate(c);
    f.RegisterUpdate(c);
    standardTexts(w, f, c);
    contextAPaneRefresh(w);
}

// Follow-ups of the automatic advanced PLL panel.
void panelInterfaceAndBits(Pallador &w)
{
    if (w.comboPLL_InterMode)
        w.comboPLL_InterMode->setCurrentIndex(w.interfaceIndex);
    if (w.comboPLL_Bits)
        w.comboPLL_Bits->setCurrentIndex(1);
}

void panelInterface(Pallador &w)
{
    if (w.comboPLL_InterMode)
        w.comboPLL_InterMode->setCurrentIndex(w.interfaceIndex);
}

// The end of the set-up the families share.
void panels(Pallador &w, const CFamilyDefaults &d, void (*followUp)(Pallador &w))
{
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, followUp);
    automaticOptionPanels(w, d, false);
}

int slot(const Pallador &w)
{
    return qBound(0, w.currentContext, 2);
}

// ---------------------------------------------------------------------------
// Vek_113's option panel: the ratio labels, the configure buffers and their
// limit, the fixed line length by blanking type, and binning against IME
// mode.

void vek113OptionPanel(Pallador &w, Vek_113 &f, int c)
{
    QLabel *const labels[] = {w.labelT1T2, w.labelT2T3, w.labelT3T4};
    const int ratios[] = {w.t1T2Ratio[c], w.t2T3Ratio[c], w.t3T4Ratio[c]};
    for (int k = 0; k < 3; ++k) {
        if (labels[k])
            labels[k]->setText(QStringLiteral("%1").arg(twoToThe(ratios[k])));
    }

    QSpinBox *const buffers[] = {w.spinConfigBuf_T1, w.spinConfigBuf_T2, w.spinConfigBuf_T3};
    for (QSpinBox *box : buffers)
        setEnabled(box, w.configEnable);

    if (fixedLineLengthAllowed(w.blankType[c])) {
        setEnabled(w.checkFixLLpck, true);
    } else {
        setEnabled(w.checkFixLLpck, false);
        f.ctx[0].useFixLLpck = false;
    }
    setChecked(w.checkFixLLpck, f.ctx[0].useFixLLpck);
    setEnabled(w.dspinFixLLpck, f.ctx[0].useFixLLpck);

    // Summed in 64 bits, as the slots store whatever number they are given.
    const bool beyond = qint64(w.configBufT1) + w.configBufT2 + w.configBufT3 > w.configBufLimit;
    for (QSpinBox *box : buffers) {
        if (box)
            box->setStyleSheet(QLatin1String(beyond ? kBufferBeyond : kBufferWithin));
    }

    if (w.fastClock) {
        w.binXOnly[c] = 0;
        f.ctx[c].binXOnly = 0;
        w.binning[c] = 0;
        f.ctx[c].binning = 0;
    }
    setEnabled(w.checkBinXonly[0], !w.fastClock);
    setEnabled(w.checkBinning[0], !w.fastClock);
    setChecked(w.checkBinXonly[0], w.binXOnly[c] != 0);
    setChecked(w.checkBinning[0], w.binning[c] != 0);
}

} // namespace

// ---------------------------------------------------------------------------
// Vek_117 (83).

void initVek117(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 2;
    w.opBits = 14;
    w.t3T4Ratio[0] = 4;
    w.t2T3Ratio[0] = 4;
    w.t1T2Ratio[0] = 4;
    w.hdrMode[slot(w)] = 1;
    w.configBufLimit = 84;
    if (w.currentContext == 0)
        contextFrameRates(w, f, 0);
    pllSpinRefresh(w);
    panels(w, d, panelInterfaceAndBits);
}

void recalcVek117(Pallador &w)
{
    Vek_117 *f = w.calvex->vek_117;
    const int c = calculatedContext(w);
    if (!f || c < 0)
        return;
    CPllParams &pll = f->pll;
    hdrInputs(w, *f, c, kVek117Inputs);
    combinationAndLinearRules(w, *f, c);
    userBlanking(w, f->ctx[c], c);
    commonPllInputs(w, pll);
    sensorPllOptions(w, pll);
    pll.mipiCont = w.mipiCont;
    f->ctx[c].interfaceIndex = w.interfaceIndex;
    pll.oddClkRatio = w.oddClkRatio;
    pll.fastClock = w.fastClock;

    if (advancedPll(w)) {
        // The link: the parallel port keeps its lanes; a serial link has no
        // odd clock ratio on four lanes.
        if (w.interfaceIndex == 0) {
            setEnabled(w.check16b8bits, false);
            bitsFromPanel(w, 12, false);
            f->SetInterface(w.lanes, w.opBits);
        } else if (w.interfaceIndex == 1 || w.interfaceIndex == 2) {
            lanesFromPanel(w);
            setEnabled(w.check16b8bits, w.lanes != 4);
            bitsFromPanel(w, 10, false);
            f->SetInterface(w.lanes, w.opBits);
        }
        // The panel's "Rev6" and "Rev7".
        const int revision = w.revIndex == 0 ? 6 : 7;
        pll.revision = revision;
        if (w.dataIO)
            w.dataIO->setRevNumber(revision);
        f->SetRevDefaults(revision);
        setEnabled(w.checkIme, revision == 7);
        setEnabled(w.checkPLL_MIPICont, w.interfaceIndex == 1);
    }

    pllStep(w, *f);
    finish(w, *f, c);
}

// ---------------------------------------------------------------------------
// Vek_107 (84).

void initVek107(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 4;
    w.opBits = 12;
    if (w.currentContext == 0)
        contextFrameRates(w, f, 0);
    pllSpinRefresh(w);
    if (w.fastClock)
        w.ui.dSpinPLL_Target->setValue(w.pllTargetOp);
    panels(w, d, panelInterface);
}

void recalcVek107(Pallador &w)
{
    Vek_107 *f = w.calvex->vek_107;
    const int c = calculatedContext(w);
    if (!f || c < 0)
        return;
    CPllParams &pll = f->pll;
    hdrInputs(w, *f, c, kVek107Inputs);
    combinationAndLinearRules(w, *f, c);
    userBlanking(w, f->ctx[c], c);
    commonPllInputs(w, pll);
    sensorPllOptions(w, pll);
    pll.mipiCont = w.mipiCont;
    f->ctx[c].interfaceIndex = w.interfaceIndex;
    pll.oddClkRatio = w.oddClkRatio;

    if (advancedPll(w)) {
        // The parallel port runs on the fast clock's own target; the serial
        // links always carry 12 bits on four lanes.
        if (w.interfaceIndex == 0) {
            pll.targetClock2 = w.fastClock ? w.pllTargetOp : w.pllTarget;
        } else if (w.interfaceIndex == 1 || w.interfaceIndex == 2) {
            w.lanes = 4;
            w.opBits = 12;
        }
        pll.fastClock = w.fastClock;
    }

    pllStep(w, *f);
    finish(w, *f, c);
}

// ---------------------------------------------------------------------------
// Vek_113 (85).

void initVek113(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 0;
    w.lanes = 2;
    w.opBits = 12;
    w.embedDataRows[slot(w)] = 1;
    w.statsDataRows[slot(w)] = 1;
    if (w.currentContext == 0)
        contextFrameRates(w, f, 0);
    pllSpinRefresh(w);
    panels(w, d, panelInterfaceAndBits);
}

void recalcVek113(Pallador &w)
{
    Vek_113 *f = w.calvex->vek_113;
    const int c = calculatedContext(w);
    if (!f || c < 0)
        return;
    CPllParams &pll = f->pll;
    hdrInputs(w, *f, c, kVek113Inputs);
    f->configEnable = w.configEnable;
    f->dbOverlap = w.dbOverlap;
    f->configBufT1 = w.configBufT1;
    f->configBufT2 = w.configBufT2;
    f->configBufT3 = w.configBufT3;
    f->advShiftT2 = w.advShiftT2;
    f->advShiftT3 = w.advShiftT3;
    f->advShiftT4 = w.advShiftT4;
    combinationAndLinearRules(w, *f, c);
    userBlanking(w, f->ctx[c], c);
    commonPllInputs(w, pll);
    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
    pll.mipiCont = w.mipiCont;
    f->ctx[c].interfaceIndex = w.interfaceIndex;
    pll.pllAutoAdjust = w.pllAutoAdjust;

    if (advancedPll(w)) {
        // Both entries of the interface list run the serial link.
        if (w.interfaceIndex == 0 || w.interfaceIndex == 1) {
            lanesFromPanel(w);
            setEnabled(w.check16b8bits, true);
            bitsFromPanel(w, 10, true);
            f->SetInterface(w.lanes, w.opBits);
        }
        // IME mode and binning exclude each other; binning wins here.
        if (w.binXOnly[c] == 1 || w.binning[c] == 1) {
            w.fastClock = false;
            setEnabled(w.check16b8bits, false);
        }
        setChecked(w.check16b8bits, w.fastClock);
        pll.fastClock = w.fastClock;
        // The PLL follows the target clock or the output data rate per lane.
        w.ui.dSpinPLL_Target->setEnabled(!pll.pllAutoAdjust);
        setEnabled(w.dSpinPLL_OutRate, pll.pllAutoAdjust);
        if (w.opBits > 0)
            pll.targetClock2 = w.pllTargetOp / w.opBits;
    }
    if (w.advParamOn[c])
        vek113OptionPanel(w, *f, c);

    f->SetSerialPLL(w.interfaceIndex);
    finish(w, *f, c);
}

// ---------------------------------------------------------------------------
// Vek_110 (92-93).

void initVek110(Pallador &w)
{
    CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 4;
    w.opBits = 12;
    if (w.fastClock)
        w.pllTargetOp = 89.14;
    w.embedDataRows[0] = 0;
    w.statsDataRows[0] = 0;
    w.t3T4Ratio[0] = 3;
    w.t2T3Ratio[0] = 3;
    w.t1T2Ratio[0] = 3;
    w.revIndex = 2;
    if (w.currentContext == 0) {
        // Use case 0 without a rate takes the family's default for good
        // (the reader's record itself), so later loads carry it too.
        CRegisterDataIO *io = w.dataIO;
        CUseCase *u = io && io->useCases && io->getUseCaseNumber() > 0 ? io->useCases : nullptr;
        if (u && u->maxFps == 0.0)
            u->maxFps = d.defaultMaxFps;
        if (u)
            w.blankType[0] = u->blankType;
        w.hdrMode[0] = f.ctx[0].hdrMode;
        blankingComboRefresh(w);
        frameRateList(w, f, 0);
        frameRateEditText(w, 0, u ? u->maxFps : d.defaultMaxFps);
    }
    pllSpinRefresh(w);
    if (w.fastClock)
        w.ui.dSpinPLL_Target->setValue(w.pllTargetOp);
    panels(w, d, panelInterfaceAndBits);
}

void recalcVek110(Pallador &w)
{
    Vek_110 *f = w.calvex->vek_110;
    const int c = calculatedContext(w);
    if (!f || c < 0)
        return;
    CPllParams &pll = f->pll;
    hdrInputs(w, *f, c, kVek110Inputs);
    const bool knownCode = w.superExp >= 0 && w.superExp < int(std::size(kSuperExposureCodes));
    f->superExp = knownCode ? kSuperExposureCodes[w.superExp] : 0;
    combinationAndLinearRules(w, *f, c);
    userBlanking(w, f->ctx[c], c);
    pll.pllBypass = w.pllBypass;
    pll.mipiCont = w.mipiCont;
    pll.pllUseMinFreq = w.pllMinFreq;
    commonPllInputs(w, pll);
    f->ctx[c].interfaceIndex = w.interfaceIndex;
    pll.oddClkRatio = w.oddClkRatio;
    pll.revision = w.revIndex;

    if (advancedPll(w)) {
        setEnabled(w.checkSDRMode, false);
        if (w.interfaceIndex == 0) {
            // The parallel port: fast clock (SDR) runs it at 8/7 of the
            // output rate; the PLL follows the target clock.
            setEnabled(w.check16b8bits, true);
            setEnabled(w.checkSDRMode, true);
            pll.targetClock2 = w.fastClock ? w.pllTargetOp * 8 / 7 : w.pllTarget;
            pll.pllAutoAdjust = false;
            setEnabled(w.checkUseDataRate, false);
            w.ui.dSpinPLL_Target->setEnabled(true);
        } else if (w.interfaceIndex == 1 || w.interfaceIndex == 2) {
            // The serial link: the fast clock needs four lanes of 10 or 12
            // bits with line-interleaved exposures.
            lanesFromPanel(w);
            setEnabled(w.check16b8bits, true);
            bitsFromPanel(w, 10, true);
            f->SetInterface(w.lanes, w.opBits);
            if (w.lanes == 4 && (w.opBits == 10 || w.opBits == 12) && f->ctx[c].lineInterleave == 1)
                setEnabled(w.checkSDRMode, true);
            else
                w.fastClock = false;
            pll.pllAutoAdjust = w.pllAutoAdjust;
            setEnabled(w.checkUseDataRate, true);
            if (w.opBits > 0)
                pll.targetClock2 = w.pllTargetOp / w.opBits;
        }
        setChecked(w.checkSDRMode, w.fastClock);
        pll.fastClock = w.fastClock;
        w.ui.dSpinPLL_Target->setEnabled(!pll.pllAutoAdjust);
        setEnabled(w.dSpinPLL_OutRate, pll.pllAutoAdjust);
    }

    pllStep(w, *f);
    finish(w, *f, c);
}

} // namespace adapter
