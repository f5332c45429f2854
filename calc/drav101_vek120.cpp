// Drav_101 and Vek_120: second-PLL sensors whose line and frame lengths follow a use-case preset (catalogue 112, 113).
//
// Catalogue 112 and 113: the second-PLL sensors Drav_101 (112) and Vek_120
// (113), one context each. Both take their line and frame length from a
// preset of the use case selected in context A's list, written into the
// family object before the library calculates. Vek_120's preset runs once
// per change of use case (not for use case 0 right after loading, which keeps
// the library's own timing); it also sets the clocks, the lanes and the
// interface, and changes the window's target box and interface list, whose
// slots calculate again until nothing changes.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <cstddef>

namespace adapter {

namespace {

// Every bit the library recomputes, the second PLL's and the output rate's included.
constexpr quint32 kSecondPllMask = 0xFE07FFF0;

// A line length (pixel clocks) and frame length (lines) preset.
struct LengthPreset {
    int lineLength;
    int frameLength;
};

// Drav_101 by use case 0 to 4: revision 0, and every later revision.
const LengthPreset kDrav101Revision0[] = {{1296, 514}, {1296, 514}, {1296, 274}, {1296, 274}, {1296, 154}};
const LengthPreset kDrav101Later[] = {{1280, 518}, {1280, 518}, {1280, 278}, {1280, 278}, {1280, 158}};

// Vek_120 by use case 0 to 6. A preset starts from 85 MHz for both targets,
// four lanes and the second interface ("MIPI-4"); a row changes what it names.
constexpr double kVek120Target = 85.0;
constexpr int kVek120Lanes = 4;
constexpr int kVek120Interface = 1;
constexpr int kKeep = -1;
struct Vek120Preset {
    LengthPreset lengths;
    int lanes;     // kKeep: the preset's four
    double target; // 0: the preset's 85 MHz
    int interface; // kKeep: the preset's "MIPI-4"
};
const Vek120Preset kVek120Presets[] = {
    {{2304, 1250}, kKeep, 0.0, kKeep}, {{2304, 1234}, kKeep, 0.0, kKeep}, {{2304, 634}, kKeep, 0.0, kKeep},
    {{2304, 634}, kKeep, 0.0, kKeep},  {{2304, 334}, kKeep, 0.0, kKeep},  {{4480, 1234}, 2, 0.0, 0},
    {{2304, 1234}, 2, 42.5, 0},
};
// The use cases from this one on fix the target clock: its box is disabled.
constexpr int kVek120FixedTargetFrom = 5;

template <class T, std::size_t N> const T *entry(const T (&table)[N], int position)
{
    return position >= 0 && position < int(N) ? table + position : nullptr;
}

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

// The context's inputs, the same for both families.
void contextInputs(const Pallador &w, CContextParams &r)
{
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::SkippingY, Field::Cols,
                  Field::Rows, Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kSecondPllMask);
    writeContext(w, r, 0, {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank});
}

// The PLL inputs before the overrides: no second target, every divider and
// VCO request the library's choice.
void pllInputs(const Pallador &w, CPllParams &pll)
{
    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
    pll.inputClock = w.pllInput;
    pll.targetClock = w.pllTarget;
    pll.targetClock2 = -1.0;
    pll.mipiCont = w.mipiCont;
    pll.pllN = -1;
    pll.pllM = -1;
    pll.pllN2 = -1;
    pll.pllM2 = -1;
    pll.vcoRequest = -1.0;
    pll.pllVco2 = -1.0;
    pll.pllOpDivider = -1;
    pll.pllP = -1;
}

void preDividerOverride(const Pallador &w, CPllParams &pll)
{
    if (w.ui.checkPLL_N->isChecked())
        pll.pllN = w.pllN;
}

// The multiplier override; its box then shows the value passed.
void multiplierOverride(Pallador &w, CPllParams &pll)
{
    if (w.ui.checkPLL_M->isChecked()) {
        pll.pllM = w.pllM;
        w.ui.spinPLL_M->setValue(w.pllM);
    }
}

void vcoOverride(const Pallador &w, CPllParams &pll)
{
    if (w.ui.checkPLL_VCO->isChecked())
        pll.vcoRequest = w.pllVco;
}

// The second PLL's overrides, read only while the advanced PLL panel is open.
void secondPllOverrides(const Pallador &w, CPllParams &pll)
{
    if (ticked(w.checkPLL_N2))
        pll.pllN2 = w.pllN2;
    if (ticked(w.checkPLL_M2))
        pll.pllM2 = w.pllM2;
    if (ticked(w.checkPLL_VCO2))
        pll.pllVco2 = w.pllVco2;
}

// The panel's "Op Pixel Divider (Output Bits):" entry ("8", "10") is the
// output bit depth; an emptied list passes none.
void opDivider(Pallador &w, CPllParams &pll)
{
    const int index = w.comboPLL_Bits ? w.comboPLL_Bits->currentIndex() : -1;
    if (index < 0)
        return;
    w.opBits = 8 + 2 * index;
    pll.pllOpDivider = w.opBits;
}

void finish(Pallador &w, CFamilyBase &f)
{
    standardCalls(f, 0);
    standardTexts(w, f, 0);
    contextAPaneRefresh(w);
}

} // namespace

void initDrav101Vek120(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    if (w.sensorIndex == 112) {
        useCaseZeroFrameRate(w, d, false);
        pllOverridePresets(w, 96, 5, 480.0);
        // The presets set the blanking.
        w.ui.comboTypeBlank_A->setEnabled(false);
        interfaceList(w, {"MIPI-1"}, 0);
    } else {
        // A freshly loaded sensor counts use case 0's preset as taken: the
        // first calculation keeps the library's own timing for use case 0,
        // and a preset runs once the user selects another use case.
        w.presetUseCase = 0;
        w.interfaceIndex = 4;
        useCaseZeroFrameRate(w, d, false);
        pllOverridePresets(w, 102, 5, 510.0);
        interfaceList(w, {"MIPI-2", "MIPI-4"}, 1);
    }
    w.ui.comboPLL_Interface->setEnabled(false);
    useCaseZeroMirrorFlip(w);
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
}

void recalcDrav101(Pallador &w)
{
    Drav_101 *f = w.calvex->drav_101;
    if (!f)
        return;
    CPllParams &pll = f->pll;
    w.currentContext = 0;
    contextInputs(w, f->ctx[0]);
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();
    w.presetUseCase = w.ui.comboUseCase_A->currentIndex();
    pllInputs(w, pll);

    preDividerOverride(w, pll);
    if (advancedPll(w))
        secondPllOverrides(w, pll);
    multiplierOverride(w, pll);
    vcoOverride(w, pll);

    // The panel's revision choice stays with the family when the panel closes.
    if (advancedPll(w)) {
        opDivider(w, pll);
        pll.revision = w.revIndex;
        if (w.dataIO)
            w.dataIO->setRevNumber(saturated(pll.revision, 1, 1));
    }

    // The preset of the use case for the family's revision, on every
    // calculation; a use case beyond the table keeps the last preset.
    w.presetUseCase = w.ui.comboUseCase_A->currentIndex();
    const LengthPreset *preset =
        pll.revision == 0 ? entry(kDrav101Revision0, w.presetUseCase) : entry(kDrav101Later, w.presetUseCase);
    if (preset) {
        f->lineLengthPreset = preset->lineLength;
        f->frameLengthPreset = preset->frameLength;
    }

    finish(w, *f);
}

void recalcVek120(Pallador &w)
{
    Vek_120 *f = w.calvex->vek_120;
    if (!f)
        return;
    CPllParams &pll = f->pll;
    w.currentContext = 0;
    contextInputs(w, f->ctx[0]);
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();
    w.useCaseIndex[0] = w.ui.comboUseCase_A->currentIndex();
    pllInputs(w, pll);

    preDividerOverride(w, pll);
    multiplierOverride(w, pll);
    vcoOverride(w, pll);

    if (advancedPll(w)) {
        opDivider(w, pll);
        pll.revision = 0;
        if (w.dataIO)
            w.dataIO->setRevNumber(1);
        secondPllOverrides(w, pll);
    }

    // The preset runs once per change of use case, and only for revision 0.
    // Its changes of the target box and the interface list calculate again
    // with the same preset (presetUseCase is recorded last), until the
    // widgets no longer change.
    const int u = w.useCaseIndex[0];
    if (pll.revision == 0 && w.presetUseCase != u) {
        pll.targetClock = kVek120Target;
        pll.targetClock2 = kVek120Target;
        pll.lanes = kVek120Lanes;
        f->useCaseIndex = u;
        w.ui.dSpinPLL_Target->setEnabled(u < kVek120FixedTargetFrom);
        w.interfaceIndex = kVek120Interface;
        if (const Vek120Preset *preset = entry(kVek120Presets, u)) {
            f->lineLengthPreset = preset->lengths.lineLength;
            f->frameLengthPreset = preset->lengths.frameLength;
            if (preset->lanes != kKeep)
                pll.lanes = preset->lanes;
            if (preset->target > 0.0)
                pll.targetClock = preset->target;
            if (preset->interface != kKeep)
                w.interfaceIndex = preset->interface;
        }
        w.ui.dSpinPLL_Target->setValue(pll.targetClock);
        w.ui.comboPLL_Interface->setCurrentIndex(w.interfaceIndex);
        w.presetUseCase = u;
    }

    finish(w, *f);
}

} // namespace adapter
