// Vek_111, Vek_123 and Vek_135: sensors with a PLL step of their own in place of the generic one (catalogue 86-91).
//
// Catalogue 86 to 91: Vek_111 (86-87, contexts A and B), Vek_123 (88-89)
// and Vek_135 (90-91), one context each: their context set-up and
// calculation. Vek_111 picks its PLL step by the interface, Vek_123 runs its
// one PLL step and feeds the field of view the library computed back into
// the context panel, Vek_135 scales its link and requests a fixed VCO.
#include "adapter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <iterator>

namespace adapter {

namespace {

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

int comboIndex(const QComboBox *combo)
{
    return combo ? combo->currentIndex() : -1;
}

void setEnabled(QWidget *widget, bool enabled)
{
    if (widget)
        widget->setEnabled(enabled);
}

// The override boxes and the target box these families leave to the library.
void disabled(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(false);
}

// ---------------------------------------------------------------------------
// Vek_111.

// The link of the open advanced PLL panel by interface: where the lanes come
// from, the bits of the first entry of the bit list, and whether the MIPI
// continuous-clock option belongs to it.
struct Vek111Link {
    bool lanesFromList; // false: one lane
    int bitsOffset;
    bool mipiContinuous;
};
const Vek111Link kVek111Links[] = {
    {false, 8, false}, // parallel
    {true, 8, true},   // MIPI
    {true, 10, false}, // HiSPi
};

void vek111InterfaceSetUp(Pallador &w, Vek_111 &f)
{
    if (w.interfaceIndex >= 0 && w.interfaceIndex < int(std::size(kVek111Links))) {
        const Vek111Link &link = kVek111Links[w.interfaceIndex];
        if (!link.lanesFromList)
            w.lanes = 1;
        else if (w.comboPLL_Lanes)
            w.lanes = twoToThe(w.comboPLL_Lanes->currentIndex());
        if (w.comboPLL_Bits)
            w.opBits = link.bitsOffset + 2 * w.comboPLL_Bits->currentIndex();
        f.pll.mipiCont = link.mipiContinuous && w.mipiCont;
        if (w.checkPLL_MIPICont)
            w.checkPLL_MIPICont->setVisible(link.mipiContinuous);
    }
    f.darkCols = w.darkCols;
    f.SetInterface(w.lanes, w.opBits);
}

// ---------------------------------------------------------------------------
// Vek_123.

constexpr quint32 kVek123Mask = 0xFF87FFF0;

// The field of view below which the panel offers column binning and skipping.
constexpr int kBinXOnlyRowsBelow = 561;
constexpr int kSkippingColsBelow = 965;

// The panel widgets of the serial interfaces: MIPI (1) and HiSPi (2), which
// alone offers the PHY choice.
void vek123SerialSetUp(Pallador &w, Vek_123 &f, bool phyChoice)
{
    if (w.comboPLL_Lanes)
        w.lanes = twoToThe(w.comboPLL_Lanes->currentIndex());
    if (w.comboPLL_Bits)
        w.opBits = w.comboPLL_Bits->currentIndex() == 0 ? 10 : 12;
    f.SetInterface(w.lanes, w.opBits);
    setEnabled(w.checkPLL_Bypass, false);
    setEnabled(w.dSpinPLL_OutRate, true);
    setEnabled(w.comboPLL_PhyType, phyChoice);
    setEnabled(w.checkPLL_PreScale, true);
    f.pll.msbAligned = w.pllPreScale ? 0 : 1;
}

// The parallel port carries 12 bits and no HDR: the window's HDR mode goes
// off with the record's.
void vek123ParallelSetUp(Pallador &w, Vek_123 &f, int c)
{
    f.SetInterface(1, 12);
    setEnabled(w.checkPLL_Bypass, true);
    setEnabled(w.dSpinPLL_OutRate, false);
    setEnabled(w.comboPLL_PhyType, false);
    setEnabled(w.checkPLL_PreScale, false);
    f.pll.msbAligned = 1;
    w.hdrMode[c] = 0;
    f.ctx[c].hdrMode = 0;
    f.ctx[c].numExposures = 1;
}

void vek123InterfaceSetUp(Pallador &w, Vek_123 &f, int c)
{
    switch (w.interfaceIndex) {
    case 0:
        vek123ParallelSetUp(w, f, c);
        break;
    case 1:
        vek123SerialSetUp(w, f, false);
        break;
    case 2:
        vek123SerialSetUp(w, f, true);
        break;
    default:
        break;
    }
    if (w.checkPLL_Bypass) {
        w.checkPLL_Bypass->setText(w.pllBypass ? QStringLiteral("Bypass PLL (Can't do 1080p30!)")
                                               : QStringLiteral("Bypass PLL"));
    }
    f.otpRev = w.otpRev;
    f.custRev = w.custRev;
}

// The field of view the library computed, shown in the context panel: the
// size while the field of view is in use, otherwise its percentage and
// aspect ratio. The changes run the panel's slots, which may calculate again;
// the library gives the same field of view for it, so the next changes find
// the values already shown.
void vek123FovFeedback(Pallador &w, const Vek_123 &f, int c)
{
    setEnabled(w.checkBinXonly[0], f.fovRows < kBinXOnlyRowsBelow);
    setEnabled(w.checkSkipping[0], f.fovCols < kSkippingColsBelow);
    if (w.useFov[c]) {
        if (w.comboAspectRatio)
            w.comboAspectRatio->setEditable(false);
        if (w.spinRows[0])
            w.spinRows[0]->setValue(f.fovRows);
        if (w.spinCols[0])
            w.spinCols[0]->setValue(f.fovCols);
    } else {
        if (w.dSpinFovPercent)
            w.dSpinFovPercent->setValue(f.fovPercentResult);
        if (w.comboAspectRatio) {
            w.comboAspectRatio->setEditable(true);
            w.comboAspectRatio->setCurrentText(QStringLiteral("%1").arg(f.aspectRatioResult, 5, 'f', 3));
        }
    }
}

// ---------------------------------------------------------------------------
// Vek_135.

constexpr quint32 kVek135Mask = 0xFE07FFF0;
constexpr double kVek135VcoRequest = 801.0;
constexpr int kVek135OpDivider = 10;

// Lanes of the entries "MIPI-2", "MIPI-4", "HISPI-ST", "HIPSI-PK"; a position
// outside the list keeps the window's lane count.
const int kVek135Lanes[] = {2, 4, 4, 4};

void vek135Overrides(Pallador &w, CPllParams &pll)
{
    if (w.ui.checkPLL_N->isChecked())
        pll.pllN = w.pllN;
    if (advancedPll(w)) {
        if (ticked(w.checkPLL_N2))
            pll.pllN2 = w.pllN2;
        if (ticked(w.checkPLL_M2))
            pll.pllM2 = w.pllM2;
        if (ticked(w.checkPLL_VCO2))
            pll.pllVco2 = w.pllVco2;
    }
    if (w.ui.checkPLL_M->isChecked()) {
        pll.pllM = w.pllM;
        w.ui.spinPLL_M->setValue(w.pllM);
    }
    if (w.ui.checkPLL_VCO->isChecked())
        pll.vcoRequest = w.pllVco;
    // The op divider list of the open panel ("8", "10", "12") gives the
    // output bits; with nothing chosen the default divider stays.
    if (advancedPll(w) && comboIndex(w.comboPLL_Bits) >= 0) {
        w.opBits = 8 + 2 * w.comboPLL_Bits->currentIndex();
        pll.pllOpDivider = w.opBits;
    }
}

} // namespace

void interfacePllStep(const Pallador &w, CFamilyBase &f)
{
    if (w.interfaceIndex == 0)
        f.SetParallelPLL();
    else
        f.SetSerialPLL(w.interfaceIndex);
}

// The use case's timing while the context's advanced box is unticked;
// otherwise the context's integration time, the window's setting that the
// panel's box stores on a change (the box shows what the last calculation
// programmed, which the frame may have cut).
void panelTimingStep(Pallador &w, CFamilyBase &f, int context)
{
    const int c = context == 1 ? 1 : 0;
    QCheckBox *const advanced[] = {w.ui.checkAdvParam_A, w.ui.checkAdvParam_B};
    if (!advanced[c]->isChecked()) {
        f.UseCaseTiming(c, false, true);
        return;
    }
    if (w.dSpinIntgTime[c])
        f.ctx[c].intgTime = w.intgTime[c];
    f.TimingUpdate(c, false, true);
}

// ---------------------------------------------------------------------------
// Vek_111 (86-87).

void initVek111(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 4;
    w.opBits = 12;
    w.combi = 0;
    contextFrameRates(w, f, w.currentContext);
    pllSpinRefresh(w);
    pllOverridePresets(w, 66, 4, 445.5);
    w.ui.comboPLL_Interface->clear();
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(2);
    });
    automaticOptionPanels(w, d, true);
}

void recalcVek111(Pallador &w, bool pllChanged)
{
    Vek_111 *f = w.calvex->vek_111;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Binning, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, cc, {Field::BlankType, Field::VariableFps, Field::IntgTime});
    r.useFov = w.useFov[cc];
    writeContext(w, r, cc, {Field::Bin2Skip2, Field::UserHBlank, Field::UserVBlank});
    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    r.interfaceIndex = w.interfaceIndex;

    if (advancedPll(w))
        vek111InterfaceSetUp(w, *f);
    f->companding = w.companding;

    interfacePllStep(w, *f);
    panelTimingStep(w, *f, cc);
    f->ResultsUpdate(cc);
    f->RegisterUpdate(cc);
    standardTexts(w, *f, cc);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Vek_123 (88-89).

void initVek123(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 4;
    w.opBits = 12;
    w.hdrMode[0] = 1;
    w.numExposures[0] = 1;
    w.t1T2Ratio[0] = 0;
    w.t2T3Ratio[0] = 0;

    // The list is filled before the rate is taken, so the rate shown is the
    // use case's (or the default), not the first one offered.
    w.ui.comboMaxFRate_A->clear();
    w.ui.comboMaxFRate_A->addItems(f.results.frameRateChoices);
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroBlanking(w);
    w.ui.comboTypeFRate_A->setEnabled(false);
    const int cc = qBound(0, w.currentContext, 2);
    frameRateEditText(w, 0, w.maxFps[cc]);
    w.useFov[cc] = d.defaultUseFov != 0;

    pllSpinRefresh(w);
    pllOverridePresets(w, 144, 9, 432.0);
    interfaceWidgetsHidden(w);
    disabled({w.ui.dSpinPLL_Target, w.ui.checkPLL_VCO, w.ui.checkPLL_M, w.ui.checkPLL_N});
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(window.interfaceIndex);
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(1);
        if (window.comboPLL_Lanes)
            window.comboPLL_Lanes->setCurrentIndex(2);
    });
    automaticOptionPanels(w, d, false);
}

void recalcVek123(Pallador &w)
{
    Vek_123 *f = w.calvex->vek_123;
    const int c = w.currentContext;
    if (!f || (c != 0 && c != 1))
        return;
    CContextParams &r = f->ctx[c];
    writeContext(w, r, c,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Binning, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip});
    clearWarnings(r, kVek123Mask);
    writeContext(w, r, c, {Field::BlankType, Field::VariableFps, Field::IntgTime});
    r.useFov = w.useFov[c];
    r.numExposures = saturated(w.numExposures[c], 2, 1);
    writeContext(w, r, c, {Field::HdrMode, Field::UserHBlank, Field::UserVBlank});
    r.interleave = w.interleave[c];
    r.fovPercent = w.fovPercent[c];
    r.aspectRatio = w.aspectRatio[c];
    f->t1T2Ratio = w.t1T2Ratio[c];
    f->t2T3Ratio = w.t2T3Ratio[c];
    // Without HDR one exposure, and no ratios, whatever the window holds.
    if (w.hdrMode[c] == 0) {
        r.numExposures = 1;
        f->t1T2Ratio = 0;
        f->t2T3Ratio = 0;
    }

    f->pll.pllBypass = w.pllBypass;
    commonPllInputs(w, f->pll);
    f->pll.targetClock2 = w.pllTargetOp;
    r.interfaceIndex = w.interfaceIndex;
    f->pll.phyCd = w.phyCd;
    if (advancedPll(w))
        vek123InterfaceSetUp(w, *f, c);

    f->PLL_Caluate();
    panelTimingStep(w, *f, 0);
    if (w.advParamOn[c])
        vek123FovFeedback(w, *f, c);
    f->ResultsUpdate(c);
    f->RegisterUpdate(c);
    standardTexts(w, *f, c);
    contextAPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Vek_135 (90-91).

void initVek135(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    w.mipiCont = true;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroMirrorFlip(w);
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    disabled({w.ui.dSpinPLL_Target, w.ui.checkPLL_N, w.ui.checkPLL_M, w.ui.checkPLL_VCO});
    pllOverridePresets(w, 89, 3, kVek135VcoRequest);
    interfaceList(w, {"MIPI-2", "MIPI-4", "HISPI-ST", "HIPSI-PK"}, 1);
}

void recalcVek135(Pallador &w)
{
    Vek_135 *f = w.calvex->vek_135;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    CPllParams &pll = f->pll;
    writeContext(w, r, 0, {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::SkippingY});
    r.binSF = w.binSF[0] != 0;
    writeContext(w, r, 0, {Field::Cols, Field::Rows, Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kVek135Mask);
    writeContext(w, r, 0, {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank, Field::HdrMode});
    r.interleave = w.interleave[0];
    r.lfmMode = w.lfmMode[0];
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();
    f->darkCols = w.darkCols;
    f->useCaseIndex = w.ui.comboUseCase_A->currentIndex();

    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
    pll.inputClock = w.pllInput;
    pll.targetClock2 = w.pllTargetOp;
    pll.mipiCont = w.mipiCont;
    pll.pllN = pll.pllM = pll.pllN2 = pll.pllM2 = -1;
    pll.vcoRequest = kVek135VcoRequest;
    pll.pllVco2 = -1.0;
    pll.pllOpDivider = kVek135OpDivider;
    pll.pllP = -1;
    r.interfaceIndex = w.interfaceIndex;

    if (w.interfaceIndex >= 0 && w.interfaceIndex < int(std::size(kVek135Lanes)))
        w.lanes = kVek135Lanes[w.interfaceIndex];
    r.scaleM = w.scaleM[0];
    pll.lanes = w.lanes;
    vek135Overrides(w, pll);

    f->CalculateScaledPLL();
    f->TimingUpdate(0, false, true);
    f->ResultsUpdate(0);
    f->RegisterUpdate(0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace adapter
