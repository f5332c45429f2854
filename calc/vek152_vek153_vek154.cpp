// Vek_152, Vek_153 and Vek_154: sensors with a second PLL for the serial clock and use-case presets (catalogue 46-52).
//
// Catalogue 46 to 52: the sensors with a second PLL for the serial clock,
// Vek_152 (46-50), Vek_153 (51) and Vek_154 (52), one context each. Their
// calculation applies the use-case preset of the use case selected in
// context A's list (calvex/usecasepresets.h) before it reads the override
// boxes, so a ticked override still wins.
#include "adapter.h"
#include "usecasepresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <cstddef>

namespace adapter {

namespace {

using namespace calvex::presets;

constexpr quint32 kSecondPllMask = 0xFE07FFF0;

// The lane count of each position in the interface list; a position beyond
// the table leaves the window's lane count as it is.
constexpr int kVek152Lanes[] = {1, 2, 3, 4};
constexpr int kVek153Lanes[] = {2, 3, 4, 4};
constexpr int kVek154Lanes[] = {2, 3, 4};

template <std::size_t N> void laneRule(Pallador &w, const int (&lanes)[N])
{
    if (w.interfaceIndex >= 0 && w.interfaceIndex < int(N))
        w.lanes = lanes[w.interfaceIndex];
}

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

} // namespace

// The context set-up the second-PLL families share; they differ in their
// override presets and interface names.
void initSecondPllFamily(Pallador &w, int m, int n, double vco, std::initializer_list<const char *> interfaces)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroMirrorFlip(w);
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, m, n, vco);
    interfaceList(w, interfaces, 2);
}

namespace {

// The inputs of context A and the PLL block the three families share, with
// every divider, multiplier and VCO request the library's choice (the
// second target is each family's own).
template <class Family> void commonInputs(Pallador &w, Family &f)
{
    w.currentContext = 0;
    CContextParams &r = f.ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::SkippingY, Field::Cols,
                  Field::Rows, Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kSecondPllMask);
    writeContext(w, r, 0, {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank});
    f.advParamOn = w.ui.checkAdvParam_A->isChecked();
    f.darkCols = w.darkCols;
    f.darkRows = w.darkRows;
    CPllParams &pll = f.pll;
    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
    pll.inputClock = w.pllInput;
    pll.targetClock = w.pllTarget;
    pll.mipiCont = w.mipiCont;
    pll.pllN = pll.pllM = pll.pllN2 = pll.pllM2 = -1;
    pll.vcoRequest = -1.0;
    pll.pllVco2 = -1.0;
    pll.pllOpDivider = -1;
    pll.pllP = -1;
}

// The position of the use case selected in context A's list, kept by the
// window for the families that look up use-case tables.
int presetPosition(Pallador &w)
{
    w.presetUseCase = w.ui.comboUseCase_A->currentIndex();
    return w.presetUseCase;
}

} // namespace

// The override boxes, read after the preset: the dock's pre-divider, the
// second PLL's boxes of the open advanced PLL panel, then the multiplier
// (shown in its spin box) and the VCO.
void secondPllOverrideBoxes(Pallador &w, CPllParams &pll)
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
}

namespace {

// The open advanced PLL panel's op divider list: first + step x the
// position, kept by the window and requested from the library. A panel
// without the list, or a list with nothing chosen, leaves it to the library.
void panelOpDivider(Pallador &w, CPllParams &pll, int first, int step)
{
    if (!advancedPll(w) || !w.comboPLL_Bits || w.comboPLL_Bits->currentIndex() < 0)
        return;
    w.opBits = first + step * w.comboPLL_Bits->currentIndex();
    pll.pllOpDivider = w.opBits;
}

// The context-A advanced panel's scaler settings replace the preset's
// scale_m while the panel is in use.
template <class Family> void advancedPanelInputs(const Pallador &w, Family &f)
{
    if (!f.advParamOn)
        return;
    f.ctx[0].scaleM = w.scaleM[0];
    f.scaler = w.scaler[0];
    f.borderPixels = w.borderPixels;
}

void finish(Pallador &w, CFamilyBase &f)
{
    standardCalls(f, 0);
    standardTexts(w, f, 0);
    contextAPaneRefresh(w);
}

} // namespace

// ---------------------------------------------------------------------------
// Vek_152 (46-50).

void initVek152(Pallador &w)
{
    initSecondPllFamily(w, 46, 1, 1150.0, {"MIPI-2", "MIPI-3", "MIPI-4", "HISPI"});
}

void recalcVek152(Pallador &w)
{
    Vek_152 *f = w.calvex->vek_152;
    if (!f)
        return;
    commonInputs(w, *f);
    f->pll.targetClock2 = w.pllTargetOp;
    // The preset's scale_m is the window's own, which the family then takes.
    if (const LengthRow *p = row(kVek152, presetPosition(w))) {
        w.scaleM[0] = p->scaleM;
        f->lineLengthPreset = p->lineLength;
        f->frameLengthPreset = p->frameLength;
    }
    f->ctx[0].interfaceIndex = w.interfaceIndex;
    laneRule(w, kVek152Lanes);
    f->ctx[0].scaleM = w.scaleM[0];
    f->pll.lanes = w.lanes;
    secondPllOverrideBoxes(w, f->pll);
    if (advancedPll(w)) {
        panelOpDivider(w, f->pll, 6, 2);
        f->pll.highSpeed = w.highSpeed[0];
    }
    finish(w, *f);
}

// ---------------------------------------------------------------------------
// Vek_153 (51).

void initVek153(Pallador &w)
{
    initSecondPllFamily(w, 46, 1, 1150.0, {"MIPI-2", "MIPI-3", "MIPI-4"});
}

void recalcVek153(Pallador &w)
{
    Vek_153 *f = w.calvex->vek_153;
    if (!f)
        return;
    commonInputs(w, *f);
    f->pll.targetClock2 = w.pllTarget / 2.0;
    if (const LengthRow *p = row(kVek153, presetPosition(w))) {
        f->ctx[0].scaleM = p->scaleM;
        f->lineLengthPreset = p->lineLength;
        f->frameLengthPreset = p->frameLength;
    }
    f->ctx[0].interfaceIndex = w.interfaceIndex;
    laneRule(w, kVek153Lanes);
    f->pll.lanes = w.lanes;
    secondPllOverrideBoxes(w, f->pll);
    panelOpDivider(w, f->pll, 6, 2);
    advancedPanelInputs(w, *f);
    finish(w, *f);
}

// ---------------------------------------------------------------------------
// Vek_154 (52): the preset also sets the target clock, the VCO, the second
// VCO and the second target; the last two (and the third clock) scale with
// the PHY.

void initVek154(Pallador &w)
{
    initSecondPllFamily(w, 145, 4, 870.0, {"MIPI-2", "MIPI-3", "MIPI-4"});
}

void recalcVek154(Pallador &w)
{
    Vek_154 *f = w.calvex->vek_154;
    if (!f)
        return;
    commonInputs(w, *f);
    CPllParams &pll = f->pll;
    pll.phyCd = w.phyCd;
    if (const Vek154Row *p = row(kVek154, presetPosition(w))) {
        const double k = vek154PhyFactor(w.phyCd);
        pll.targetClock = p->targetClock;
        pll.vcoRequest = p->vcoRequest;
        f->clockPreset = p->clockPreset * k;
        pll.pllVco2 = p->pllVco2 * k;
        pll.targetClock2 = p->targetClock2 * k;
        f->colsPreset = p->cols;
        f->rowsPreset = p->rows;
    }
    f->ctx[0].interfaceIndex = w.interfaceIndex;
    laneRule(w, kVek154Lanes);
    pll.lanes = w.lanes;
    secondPllOverrideBoxes(w, pll);
    panelOpDivider(w, pll, 3, 1);
    advancedPanelInputs(w, *f);
    finish(w, *f);
}

} // namespace adapter
