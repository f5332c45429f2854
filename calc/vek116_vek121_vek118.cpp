// Vek_116, Vek_121 and Vek_118: sensors whose output interface is the PLL panel's choice (catalogue 72-79, 102).
//
// Catalogue 72 to 79 and 102: the near twins Vek_116 (72-74) and Vek_121
// (76-79) with contexts A and B, and the HDR sensor Vek_118 (75, 102) with
// one. Their output interface is the advanced PLL panel's choice: while the
// panel is open its lane and bit lists set up the link, the PLL step is
// named by the interface, and the timing step follows the use case unless
// the context's advanced panel gives the integration time.
//
// The steps the operation-mode HDR sensors share (Vek_118 here, Vek_128,
// Drav_102 and Vek_146 in vek128_drav102_vek146.cpp) are here too.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>

namespace adapter {

namespace {

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

// Use case 0 of the reader, which the HDR set-ups may write; null without one.
CUseCase *readerUseCaseZero(Pallador &w)
{
    CRegisterDataIO *io = w.dataIO;
    return io && io->useCases && io->getUseCaseNumber() > 0 ? io->useCases : nullptr;
}

// ---------------------------------------------------------------------------
// Vek_116 and Vek_121.

// What tells Vek_121 from its twin Vek_116.
struct TwinVariant {
    bool combiClearsHdr; // the combination mode clears the context's HDR settings
    bool interleave;     // the family takes the interleave option
    bool parallelLink;   // the parallel interface gets a one-lane 12-bit link
};
const TwinVariant kVek116{true, true, false};
const TwinVariant kVek121{false, false, true};

// The link the twins take on HiSPi: lanes as 2 to the power of the lane
// position, 10 + 2 x the bit position bits, both kept in the window.
void hispiLink(Pallador &w, CFamilyBase &family)
{
    if (w.comboPLL_Lanes)
        w.lanes = twoToThe(w.comboPLL_Lanes->currentIndex());
    if (w.comboPLL_Bits)
        w.opBits = 10 + 2 * w.comboPLL_Bits->currentIndex();
    family.SetInterface(w.lanes, w.opBits);
}

void initTwin(Pallador &w, bool vek121, void (*pllPanelFollowUp)(Pallador &w))
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 4;
    w.opBits = 12;
    if (vek121)
        w.combi = 0;
    contextFrameRates(w, f, w.currentContext);
    pllSpinRefresh(w);
    pllOverridePresets(w, 33, 3, 445.5);
    w.ui.comboPLL_Interface->clear();
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, pllPanelFollowUp);
    automaticOptionPanels(w, d, true);
}

void recalcTwin(Pallador &w, CFamilyBase *f, const TwinVariant &v, DarkRowOptions *darkCols, bool pllChanged)
{
    const int c = w.currentContext;
    if (!f || (c != 0 && c != 1))
        return;
    CContextParams &r = f->ctx[c];
    writeContext(w, r, c,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Binning, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, c, {Field::BlankType, Field::VariableFps, Field::IntgTime});
    r.useFov = w.useFov[c];
    r.combi = w.combi;
    // The combination mode runs without HDR: the context's HDR settings go.
    if (v.combiClearsHdr && w.combi == 1) {
        w.hdrMode[c] = 0;
        w.interleave[c] = 0;
        w.lineInterleave[c] = 0;
    }
    r.hdrMode = w.hdrMode[c];
    if (v.interleave)
        r.interleave = w.interleave[c];
    r.lineInterleave = w.lineInterleave[c];
    // Line interleave replaces the interleave option from the next calculation on.
    if (w.lineInterleave[c] != 0)
        w.interleave[c] = 0;
    writeContext(w, r, c, {Field::UserHBlank, Field::UserVBlank});
    if (darkCols)
        darkCols->darkCols = w.darkCols;
    commonPllInputs(w, f->pll);
    sensorPllOptions(w, f->pll);
    writeContext(w, r, c, {Field::InterfaceIndex});

    if (advancedPll(w)) {
        if (w.interfaceIndex == 1)
            hispiLink(w, *f);
        else if (w.interfaceIndex == 0 && v.parallelLink)
            f->SetInterface(1, 12);
    }
    interfacePllStep(w, *f);
    panelTimingStep(w, *f, c);
    f->ResultsUpdate(c);
    f->RegisterUpdate(c);
    standardTexts(w, *f, c);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Vek_118.

// Window defaults: catalogue 102, and catalogue 75 with three exposures in
// HDR mode 2 on the bit-depth position 0.
const HdrWindowDefaults kVek118{1, 4, 1, 2, false, 1, 1, 2, false, 120};
const HdrWindowDefaults kVek118m{1, 4, 0, 2, false, 2, 1, 3, true, 120};
constexpr int kVek118mRevIndex = 1; // Rev2

// The revision of the 16-bit-as-two-8-bit option.
constexpr int kSixteenBitRevision = 2;

} // namespace

// ---------------------------------------------------------------------------
// Shared by the operation-mode HDR sensors.

void panelLanesAndBitIndex(Pallador &w, CFamilyBase &family)
{
    if (w.comboPLL_Lanes)
        w.lanes = twoToThe(w.comboPLL_Lanes->currentIndex());
    if (w.comboPLL_Bits)
        w.opBits = w.comboPLL_Bits->currentIndex();
    family.SetInterface(w.lanes, w.opBits);
}

void hdrWindowDefaults(Pallador &w, const HdrWindowDefaults &d)
{
    const int c = qBound(0, w.currentContext, 2);
    w.interfaceIndex = d.interfaceIndex;
    w.lanes = d.lanes;
    w.opBits = d.opBits;
    w.phyCd = d.phyCd;
    w.mipiCont = d.mipiCont;
    w.embedDataRows[0] = 1;
    w.statsDataRows[0] = 1;
    if (d.hdrMode >= 0)
        w.hdrMode[0] = d.hdrMode;
    if (d.lineInterleave >= 0)
        w.lineInterleave[0] = d.lineInterleave;
    w.useReg = false;
    w.oddClkRatio = false;
    w.numExposures[c] = d.numExposures;
    if (d.hdrExposures) {
        w.intgTime2[c] = 8.0;
        w.intgTime3[c] = 0.83;
        w.intgTime4[c] = 0.002;
        w.t1T2Ratio[0] = 3;
        w.t2T3Ratio[0] = 4;
        w.t3T4Ratio[0] = 4;
    }
    if (d.t1ExpRows >= 0)
        w.t1ExpRows[c] = d.t1ExpRows;
}

void hdrRateSetUp(Pallador &w, const CFamilyCore &family)
{
    // A use case without a rate takes the family's, in the reader itself, so
    // that every later reader of use case 0 sees it.
    if (CUseCase *u = readerUseCaseZero(w)) {
        if (u->maxFps == 0.0)
            u->maxFps = family.defaults.defaultMaxFps;
    }
    useCaseZeroBlanking(w);
    frameRateList(w, family, 0);
    const CUseCase *u = readerUseCaseZero(w);
    frameRateEditText(w, 0, u ? u->maxFps : family.defaults.defaultMaxFps);
    pllSpinRefresh(w);
}

void operationModeInputs(const Pallador &w, CFamilyBase &family, ExposureRatios &ratios, DarkRowOptions &rows, int cc)
{
    CContextParams &r = family.ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Binning, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, cc, {Field::BlankType, Field::VariableFps, Field::IntgTime});
    r.intgTime2 = w.intgTime2[cc];
    r.intgTime3 = w.intgTime3[cc];
    r.intgTime4 = w.intgTime4[cc];
    writeContext(w, r, cc, {Field::HdrMode});
    r.useReg = w.useReg;
    r.useFov = w.useFov[cc];
    writeContext(w, r, cc, {Field::UserHBlank, Field::UserVBlank});
    ratios.t1T2Ratio = w.t1T2Ratio[cc];
    ratios.t2T3Ratio = w.t2T3Ratio[cc];
    ratios.t3T4Ratio = w.t3T4Ratio[cc];
    rows.atrRows = w.atrRows;
    rows.dtrRows = w.dtrRows;
    rows.darkRows = w.darkRows;
    r.borderPixels = w.borderPixels;
    commonPllInputs(w, family.pll);
    sensorPllOptions(w, family.pll);
    family.pll.mipiCont = w.mipiCont;
    writeContext(w, r, cc, {Field::InterfaceIndex});
}

// ---------------------------------------------------------------------------
// Vek_116 (72-74).

// The context set up is the current one (the frame set it).
void initVek116(Pallador &w, int)
{
    initTwin(w, false, [](Pallador &window) {
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(1);
    });
}

void recalcVek116(Pallador &w, bool pllChanged)
{
    recalcTwin(w, w.calvex->vek_116, kVek116, nullptr, pllChanged);
}

// ---------------------------------------------------------------------------
// Vek_121 (76-79).

void initVek121(Pallador &w, int)
{
    initTwin(w, true, [](Pallador &window) {
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(1);
        if (window.checkCombi)
            window.checkCombi->setChecked(window.combi != 0);
        // Vek121d has the one interface the set-up chose.
        if (window.sensorIndex == 78 && window.comboPLL_InterMode) {
            window.comboPLL_InterMode->setCurrentIndex(window.interfaceIndex);
            window.comboPLL_InterMode->setEnabled(false);
        }
    });
}

void recalcVek121(Pallador &w, bool pllChanged)
{
    recalcTwin(w, w.calvex->vek_121, kVek121, w.calvex->vek_121, pllChanged);
}

// ---------------------------------------------------------------------------
// Vek_118 (75, 102).

void initVek118(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    const bool vek118m = w.sensorIndex == 75;
    hdrWindowDefaults(w, vek118m ? kVek118m : kVek118);
    if (vek118m)
        w.revIndex = kVek118mRevIndex;
    hdrRateSetUp(w, f);
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(window.interfaceIndex);
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(window.opBits);
    });
    automaticOptionPanels(w, d, false);
}

void recalcVek118(Pallador &w)
{
    Vek_118 *f = w.calvex->vek_118;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CPllParams &pll = f->pll;
    operationModeInputs(w, *f, *f, *f, cc);
    f->ctx[cc].t1ExpRows = w.t1ExpRows[cc];
    pll.fastClock = w.fastClock;
    pll.phyCd = w.phyCd;

    if (advancedPll(w)) {
        // The link: one lane with the window's bit position on the parallel
        // interface, the panel's lanes and bit position on a serial one.
        if (w.interfaceIndex == 0)
            f->SetInterface(1, w.opBits);
        else if (w.interfaceIndex == 1 || w.interfaceIndex == 2)
            panelLanesAndBitIndex(w, *f);

        // The panel's revision, and the defaults of that revision.
        pll.revision = saturated(w.revIndex, 1, 1);
        if (w.dataIO)
            w.dataIO->setRevNumber(pll.revision);
        f->SetRevDefaults(pll.revision);

        // 16-bit pixels as two 8-bit words: HiSPi on a revision that has them.
        const bool offered = w.interfaceIndex == 1 && pll.revision == kSixteenBitRevision;
        if (offered) {
            pll.oddClkRatio = w.oddClkRatio;
            const bool sixteenBits = pll.bitDepth == 16;
            if (!sixteenBits) {
                w.oddClkRatio = false;
                pll.oddClkRatio = false;
            }
        }
        if (QCheckBox *box = w.check16b8bits) {
            box->setEnabled(offered && pll.bitDepth == 16);
            box->setChecked(offered && pll.oddClkRatio);
        }
        if (QCheckBox *box = w.checkPLL_MIPICont)
            box->setEnabled(w.interfaceIndex == 1);
    }

    interfacePllStep(w, *f);
    panelTimingStep(w, *f, 0);
    f->ResultsUpdate(cc);
    f->RegisterUpdate(cc);
    standardTexts(w, *f, cc);
    contextAPaneRefresh(w);
}

} // namespace adapter
