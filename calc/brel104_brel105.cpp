// Brel_104 and Brel_105: two-context sensors whose output interface is the PLL panel's choice (catalogue 28-30).
//
// Catalogue 28 to 30: the two-context sensors whose output interface is the
// advanced PLL panel's choice (Brel_104 for 28-29, Brel_105 for 30). Their
// context set-up and calculation: the link from the panel's lane and bit
// lists, a PLL step named by the interface, and a timing step that follows
// the use case unless the context's advanced panel gives the integration time.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>

#include <iterator>

namespace adapter {

namespace {

// The rate a Brel_105 list offers first when it stands for "the use case's
// own rate": the set-up shows use case 0's rate instead.
constexpr double kUseCaseRateMarker = 240.0;

// The link of the open advanced PLL panel: lanes as 2 to the power of the
// lane position, bits as bitsOffset + 2 x the bit position, both kept in the
// window; a list the panel lacks leaves the window's value.
void panelLink(Pallador &w, CFamilyBase &family, int bitsOffset)
{
    if (w.comboPLL_Lanes)
        w.lanes = twoToThe(w.comboPLL_Lanes->currentIndex());
    if (w.comboPLL_Bits)
        w.opBits = 2 * w.comboPLL_Bits->currentIndex() + bitsOffset;
    family.SetInterface(w.lanes, w.opBits);
}

// The inputs both families take for context cc, before the first library call.
void contextInputs(const Pallador &w, CContextParams &r, int cc)
{
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Cols, Field::Rows, Field::Mirror, Field::Flip,
                  Field::VariableFps, Field::BlankType, Field::UserHBlank, Field::UserVBlank, Field::IntgTime,
                  Field::InterfaceIndex});
    r.highSpeed = w.highSpeed[cc];
    r.useFov = w.useFov[cc];
    clearWarnings(r, kStandardMask);
}

// The use case's timing while the context's advanced box is unticked;
// otherwise the context's integration time (when the panel has the box) and
// the timing step that takes it. The time is the window's setting, which the
// box stores when the user changes it: the box shows what the last
// calculation programmed, which the frame may have cut.
void timingStep(Pallador &w, CFamilyBase &family, int cc)
{
    QCheckBox *const advanced[] = {w.ui.checkAdvParam_A, w.ui.checkAdvParam_B};
    if (!advanced[cc]->isChecked()) {
        family.UseCaseTiming(cc, false, true);
        return;
    }
    if (w.dSpinIntgTime[cc])
        family.ctx[cc].intgTime = w.intgTime[cc];
    family.TimingUpdate(cc, false, true);
}

// Results, registers, texts and both panes; after a PLL-level change the
// other context is calculated too.
void finish(Pallador &w, CFamilyBase &family, int cc, bool pllChanged)
{
    timingStep(w, family, cc);
    family.ResultsUpdate(cc);
    family.RegisterUpdate(cc);
    standardTexts(w, family, cc);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// Brel_105 lists "240" first: a context whose rate the list's slot set to it
// takes use case 0's rate (0 when the use case gives none).
void useCaseRateForMarker(Pallador &w)
{
    double &fps = w.maxFps[qBound(0, w.currentContext, 2)];
    if (fps != kUseCaseRateMarker)
        return;
    const CRegisterDataIO *io = w.dataIO;
    fps = io && io->useCases && io->getUseCaseNumber() > 0 ? io->useCases[0].maxFps : 0.0;
}

// The frame-rate and field-of-view steps of context A (0) or B (1): the
// rate of use case 0 or the context's default, the blanking of use case 0,
// then either Brel_104's typed rate or Brel_105's list of rates.
void contextSetUp(Pallador &w, const CFamilyCore &family, int context, bool rateList)
{
    if (context != 0 && context != 1)
        return;
    const CFamilyDefaults &d = family.defaults;
    useCaseZeroFrameRate(w, d, context == 1);
    useCaseZeroBlanking(w);
    if (rateList) {
        frameRateList(w, family, context);
        useCaseRateForMarker(w);
    } else {
        QComboBox *const types[] = {w.ui.comboTypeFRate_A, w.ui.comboTypeFRate_B};
        types[context]->setEnabled(false);
    }
    frameRateEditText(w, context, w.maxFps[qBound(0, w.currentContext, 2)]);
    w.useFov[context] = d.defaultUseFov != 0;
}

// The steps after the context's: the PLL boxes, the hidden main-form
// interface list, and the panels the family opens by itself.
void closingSetUp(Pallador &w, const CFamilyDefaults &d, void (*pllPanelFollowUp)(Pallador &w))
{
    pllSpinRefresh(w);
    pllOverridePresets(w, 49, 2, 392.0);
    w.ui.comboPLL_Interface->clear();
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, pllPanelFollowUp);
    automaticOptionPanels(w, d, true);
}

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

// Brel_105's link by interface: the bits offset of its serial links, and
// whether the MIPI continuous-clock box belongs to it.
struct Brel105Link {
    bool serial;
    int bitsOffset;
    bool mipiContinuous;
};
const Brel105Link kBrel105Links[] = {
    {false, 0, false}, // parallel
    {true, 8, true},   // MIPI
    {true, 10, false}, // HiSPi
};
constexpr int kBrel105HiSpi = 2;

} // namespace

// ---------------------------------------------------------------------------
// Brel_104 (28-29).

void initBrel104(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 4;
    w.opBits = 12;
    contextSetUp(w, f, context, false);
    closingSetUp(w, d, [](Pallador &window) {
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(1);
    });
}

void recalcBrel104(Pallador &w, bool pllChanged)
{
    Brel_104 *f = w.calvex->brel_104;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CContextParams &r = f->ctx[cc];
    contextInputs(w, r, cc);
    r.interleave = w.interleave[cc];
    r.hdrMode = w.hdrMode[cc];
    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    // HiSPi: lanes and 10 + 2 x position bits.
    if (advancedPll(w) && w.interfaceIndex == 1)
        panelLink(w, *f, 10);
    if (w.interfaceIndex == 0)
        f->SetParallelPLL();
    else
        f->SetSerialPLL(w.interfaceIndex);
    finish(w, *f, cc, pllChanged);
}

// ---------------------------------------------------------------------------
// Brel_105 (30).

void initBrel105(Pallador &w, int context)
{
    Brel_105 &f = *w.calvex->brel_105;
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.minLines = f.minLines;
    w.mipiCont = true;
    // The family's HiSPi output, the interface its PLL panel starts on: the
    // sensor calculates on it from the start, panel open or not.
    w.interfaceIndex = kBrel105HiSpi;
    contextSetUp(w, f, context, true);
    // The panel opens on HiSPi.
    closingSetUp(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(kBrel105HiSpi);
    });
}

void recalcBrel105(Pallador &w, bool pllChanged)
{
    Brel_105 *f = w.calvex->brel_105;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CContextParams &r = f->ctx[cc];
    contextInputs(w, r, cc);
    // With the field of view in use the size sent is the field of view.
    if (w.useFov[cc]) {
        r.cols = w.fovCols[cc];
        r.rows = w.fovRows[cc];
    }
    f->shortSeq = w.shortSeq;
    sensorPllOptions(w, f->pll);
    f->pll.mipiCont = w.mipiCont;
    commonPllInputs(w, f->pll);
    if (advancedPll(w)) {
        f->minLines = w.minLines;
        if (w.interfaceIndex >= 0 && w.interfaceIndex < int(std::size(kBrel105Links))) {
            const Brel105Link &link = kBrel105Links[w.interfaceIndex];
            if (link.serial)
                panelLink(w, *f, link.bitsOffset);
            if (w.checkPLL_MIPICont)
                w.checkPLL_MIPICont->setVisible(link.mipiContinuous);
        }
    }
    f->SetModePLL(w.interfaceIndex);
    finish(w, *f, cc, pllChanged);
}

} // namespace adapter
