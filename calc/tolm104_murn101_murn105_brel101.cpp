// Tolm_104, Murn_101, Murn_105 and Brel_101: the VGA image processors and Brel_101 (catalogue 1-13).
//
// Catalogue 1 to 13: the image processors with an integrated VGA sensor
// (Tolm_104 for 1-2, Murn_101 for 3-11, Murn_105 for 13, one context each)
// and the two-context Brel_101 (12): their context set-up and calculation.
#include "adapter.h"

#include <QComboBox>

namespace adapter {

namespace {

// Whether the advanced PLL panel is open.
bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

} // namespace

// ---------------------------------------------------------------------------
// Tolm_104 and Murn_101 (1-11): the same case for both families.

void initTolm104(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, false);
    accessMode(w, d);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroBlanking(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, 16, 1, 432.0);
}

void recalcTolm104(Pallador &w)
{
    auto *f = dynamic_cast<CFamilyBase *>(w.calvex->family());
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Skipping, Field::Cols, Field::Rows, Field::Mirror, Field::Flip, Field::LowPower,
                  Field::BlankType, Field::VariableFps, Field::MinFps, Field::UserHBlank, Field::UserVBlank});
    clearWarnings(r, kStandardMask);
    commonPllInputs(w, f->pll);
    f->pll.interfaceIndex = w.interfaceIndex;
    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Murn_105 (13).

void initMurn105(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, false);
    accessMode(w, d);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    // The context keeps the blanking type it has; the use case's is not copied.
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, 32, 7, 352.0);
    w.ui.checkVertFlip_A->setEnabled(false);
}

void recalcMurn105(Pallador &w)
{
    Murn_105 *f = w.calvex->murn_105;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Skipping, Field::Binning, Field::Cols, Field::Rows, Field::Mirror, Field::Flip,
                  Field::LowPower, Field::BlankType, Field::VariableFps, Field::MinFps, Field::UserHBlank,
                  Field::UserVBlank});
    clearWarnings(r, kStandardMask);
    f->pll.pllBypass = w.pllBypass;
    commonPllInputs(w, f->pll);
    f->pll.interfaceIndex = w.interfaceIndex;
    // The prescaler goes in only while the panel is open and keeps the value
    // last given when it closes. The WCD divider, like every divider, is the
    // library's choice unless its override box is ticked.
    f->pll.pllWcd = -1;
    if (advancedPll(w)) {
        f->pll.pllPreScale = w.pllPreScale;
        if (ticked(w.checkPLL_WCD))
            f->pll.pllWcd = w.pllWcd;
    }
    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Brel_101 (12, contexts A and B).

void serialInterfaceSetUp(Pallador &w, CFamilyBase &family)
{
    switch (w.interfaceIndex) {
    case 0:
        family.InterfaceUpdate(0);
        break;
    case 1:
        // Four lanes carry 20 bits; otherwise the bits combo chooses 12 or 14.
        if (w.lanes == 4) {
            w.opBits = 20;
        } else if (w.comboPLL_Bits) {
            const int j = w.comboPLL_Bits->currentIndex();
            if (j == 0)
                w.opBits = 12;
            else if (j == 1)
                w.opBits = 14;
        }
        family.SetInterface(w.lanes, w.opBits);
        break;
    default:
        break;
    }
}

void initBrel101(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    contextFrameRates(w, f, context);
    pllSpinRefresh(w);
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(1);
    });
    automaticOptionPanels(w, d, true);
}

void recalcBrel101(Pallador &w, bool pllChanged)
{
    Brel_101 *f = w.calvex->brel_101;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Binning, Field::Cols, Field::Rows, Field::Mirror, Field::Flip, Field::BlankType,
                  Field::VariableFps, Field::IntgTime, Field::UserHBlank, Field::UserVBlank, Field::HdrMode,
                  Field::InterfaceIndex});
    clearWarnings(r, kStandardMask);
    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    f->pll.pllP4 = -1;
    f->pll.pllP5 = -1;
    f->embedData = w.embedData;
    f->embedStat = w.embedStat;
    f->darkRows = w.darkRows;
    // The video divider overrides and the serial link are the panel's.
    if (advancedPll(w)) {
        if (ticked(w.checkPLL_P4))
            f->pll.pllP4 = w.pllP4;
        if (ticked(w.checkPLL_P5))
            f->pll.pllP5 = w.pllP5;
        serialInterfaceSetUp(w, *f);
    }
    standardCalls(*f, cc);
    bothContextTexts(w, *f, cc);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

} // namespace adapter
