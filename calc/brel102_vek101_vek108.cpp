// Brel_102, Vek_101 and Vek_108: the two-context sensors of catalogue 14-24.
//
// Catalogue 14 to 24: the two-context sensors Brel_102 (14-20), Vek_101 (21)
// and Vek_108 (22-24): their context set-up and calculation.
#include "adapter.h"

#include "usecasepresets.h"

#include <QComboBox>

namespace adapter {

namespace {

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

// The PLL step of the families whose parallel interface (index 0) runs the
// family's plain PLL step and every other index the serial one.
void parallelOrSerialPll(const Pallador &w, CFamilyBase &f)
{
    if (w.interfaceIndex == 0)
        f.PllUpdate();
    else
        f.SetSerialPLL(w.interfaceIndex);
}

void timingResultsRegisters(CFamilyBase &f, int cc)
{
    f.TimingUpdate(cc, false, true);
    f.ResultsUpdate(cc);
    f.RegisterUpdate(cc);
}

// ---------------------------------------------------------------------------
// Brel_102.

// Brel_102 also recomputes the sub-sampling bits of the context panels.
constexpr quint32 kBrel102Mask = 0xFF8FCFF0;

// Sensors 14 and 16 to 18 start on the parallel interface.
bool brel102StartsParallel(int sensorIndex)
{
    return sensorIndex == 14 || (sensorIndex >= 16 && sensorIndex <= 18);
}

// Sensors 15 to 18 take their line length from the use case.
bool brel102LineLengthByUseCase(int sensorIndex)
{
    return sensorIndex >= 15 && sensorIndex <= 18;
}

// Sensors 19 and 20 sub-sample, correct columns and share one HDR mode.
bool brel102SubSampling(int sensorIndex)
{
    return sensorIndex == 19 || sensorIndex == 20;
}

// The line length of the calculated context's use case (a use case beyond
// the table keeps the line length last given).
void brel102LineLength(Pallador &w, Brel_102 &f, int cc)
{
    w.useCaseIndex[0] = w.ui.comboUseCase_A->currentIndex();
    w.useCaseIndex[1] = w.ui.comboUseCase_B->currentIndex();
    if (const qint32 *preset = calvex::presets::row(calvex::presets::kBrel102, w.useCaseIndex[cc]))
        f.lineLengthPreset = *preset;
}

} // namespace

void initBrel102(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.skipping[1] = 2;
    w.skipping[0] = 2;
    contextFrameRates(w, f, context);
    pllSpinRefresh(w);
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(1);
    });
    automaticOptionPanels(w, d, true);
    if (brel102StartsParallel(w.sensorIndex)) {
        w.interfaceIndex = 0;
        w.sMode[1] = 1;
        w.sMode[0] = 1;
        w.skipping[1] = 1;
        w.skipping[0] = 1;
        w.ui.comboPLL_Interface->setCurrentIndex(0);
    }
}

void recalcBrel102(Pallador &w, bool pllChanged)
{
    Brel_102 *f = w.calvex->brel_102;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    const int sensor = w.sensorIndex;
    if (brel102LineLengthByUseCase(sensor))
        brel102LineLength(w, *f, cc);

    CContextParams &r = f->ctx[cc];
    r.advParamOn = w.advParamOn[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Binning, Field::Cols, Field::Rows, Field::Mirror, Field::Flip, Field::BlankType,
                  Field::VariableFps, Field::IntgTime, Field::UserHBlank, Field::UserVBlank});
    clearWarnings(r, kBrel102Mask);
    if (brel102SubSampling(sensor)) {
        r.ccRow = w.ccRow[cc];
        r.colSubsampling = w.binXOnly[cc];
        r.rowSubsampling = w.skipping[cc];
        // Both contexts run the HDR mode chosen for context A.
        f->ctx[1].hdrMode = w.hdrMode[0];
        f->ctx[0].hdrMode = w.hdrMode[0];
    } else {
        r.skipping = w.skipping[cc];
    }

    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    f->pll.pllP1 = -1;
    f->pll.pllP5 = -1;
    // One output interface for both contexts.
    f->ctx[1].interfaceIndex = w.interfaceIndex;
    f->ctx[0].interfaceIndex = w.interfaceIndex;
    f->embedData = w.embedData;
    f->embedStat = w.embedStat;
    f->darkRows = w.darkRows;
    f->darkCols = w.darkCols;
    // The divider overrides and the serial link are the panel's.
    if (advancedPll(w)) {
        if (ticked(w.checkPLL_P1))
            f->pll.pllP1 = w.pllP1;
        if (ticked(w.checkPLL_P5))
            f->pll.pllP5 = w.pllP5;
        serialInterfaceSetUp(w, *f);
    }
    parallelOrSerialPll(w, *f);
    timingResultsRegisters(*f, cc);
    bothContextTexts(w, *f, cc);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Vek_101.

void initVek101(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 0;
    contextFrameRates(w, f, context);
    pllSpinRefresh(w);
    pllOverridePresets(w, 49, 2, 392.0);
    w.ui.comboPLL_Interface->clear();
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(1);
    });
    automaticOptionPanels(w, d, true);
}

void recalcVek101(Pallador &w, bool pllChanged)
{
    Vek_101 *f = w.calvex->vek_101;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Binning, Field::Cols, Field::Rows, Field::Mirror, Field::Flip, Field::BlankType,
                  Field::VariableFps, Field::IntgTime, Field::UserHBlank, Field::UserVBlank, Field::InterfaceIndex});
    clearWarnings(r, kStandardMask);
    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    f->pll.pllP1 = -1;
    f->pll.pllP = -1;
    if (advancedPll(w))
        serialInterfaceSetUp(w, *f);
    parallelOrSerialPll(w, *f);
    timingResultsRegisters(*f, cc);
    bothContextTexts(w, *f, cc);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Vek_108.

void initVek108(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.lanes = 4;
    w.opBits = 12;
    w.pllP5 = 1;
    contextFrameRates(w, f, context);
    pllSpinRefresh(w);
    pllOverridePresets(w, 49, 2, 392.0);
    w.ui.comboPLL_Interface->clear();
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(1);
        if (window.comboPLL_Lanes)
            window.comboPLL_Lanes->setCurrentIndex(3);
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(2);
    });
    automaticOptionPanels(w, d, true);
}

void recalcVek108(Pallador &w, bool pllChanged)
{
    Vek_108 *f = w.calvex->vek_108;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Skipping, Field::Cols, Field::Rows, Field::Mirror, Field::Flip,
                  Field::BlankType, Field::VariableFps, Field::IntgTime, Field::UserHBlank, Field::UserVBlank});
    clearWarnings(r, kStandardMask);
    // The combined mode reads neither interleaved nor HDR exposures: the
    // context's own settings are cleared with it.
    r.combi = w.combi;
    if (w.combi == 1) {
        w.interleave[cc] = 0;
        w.hdrMode[cc] = 0;
    }
    r.interleave = w.interleave[cc];
    r.hdrMode = w.hdrMode[cc];
    writeContext(w, r, cc, {Field::FovX, Field::FovY});

    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    r.interfaceIndex = w.interfaceIndex;
    // The number of samples, one setting for both contexts.
    f->pll.pllP5 = w.pllP5;
    // The serial link's lanes and bits are the panel's (index + 1 lanes,
    // 8 + 2 x index bits); a list the panel lacks leaves its setting as it is.
    if (advancedPll(w) && w.interfaceIndex == 1) {
        if (w.comboPLL_Bits)
            w.opBits = 2 * w.comboPLL_Bits->currentIndex() + 8;
        if (w.comboPLL_Lanes)
            w.lanes = w.comboPLL_Lanes->currentIndex() + 1;
        f->SetInterface(w.lanes, w.opBits);
    }
    if (w.interfaceIndex == 0)
        f->SetParallelPLL();
    else
        f->SetSerialPLL(w.interfaceIndex);
    f->TimingUpdate(cc, false, true);
    f->ResultsUpdate(cc);
    f->RegisterUpdate(cc, w.sensorIndex);
    standardTexts(w, *f, cc);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

} // namespace adapter
