// Murn_107, Murn_103, Murn_110, Murn_108, Murn_106: processors with firmware variables (catalogue 59-61, 69-71).
//
// Catalogue 59-61 and 69-71: the image processors with firmware variables,
// Murn_107 (59), Murn_103 (60-61), Murn_110 (69) and Murn_108 (70) with a
// preview and a capture context, and Murn_106 (71) with one context: their
// context set-up and calculation.
//
// These families keep their PLL results through a change of one context: the
// PLL inputs are written, and the PLL step runs, only for a PLL-level change.
// A change of one context recalculates its timing, texts and registers from
// the PLL results the family object already holds.
#include "adapter.h"

#include "panels/fovdrawing.h"
#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>

#include <algorithm>
#include <iterator>

namespace adapter {

namespace {

// The records of the family objects are those of contexts A and B.
bool calculable(int cc)
{
    return cc == 0 || cc == 1;
}

// The record of the window's current context (A for any other).
const CContextParams &currentRecord(const Pallador &w, const CFamilyCore &f)
{
    return f.ctx[w.currentContext == 1 ? 1 : 0];
}

// The widgets of a context's image dock that the set-ups change.
struct ContextWidgets {
    QComboBox *frameRateType;
    QDoubleSpinBox *minFrameRate;
    QCheckBox *mirror;
    QCheckBox *flip;
};

ContextWidgets contextWidgets(Pallador &w, int context)
{
    if (context == 1)
        return {w.ui.comboTypeFRate_B, w.ui.dSpinMinFRate_B, w.ui.checkHorzMirror_B, w.ui.checkVertFlip_B};
    return {w.ui.comboTypeFRate_A, w.ui.dSpinMinFRate_A, w.ui.checkHorzMirror_A, w.ui.checkVertFlip_A};
}

// How the set-up of Murn_107, Murn_103 and Murn_108 leaves a context's dock.
enum class RateType { Disabled, Hidden, VariableDisabled };
enum class MirrorFlip { Disabled, Enabled, Untouched };

struct FirmwareSetUp {
    int varAddrReg; // address and data registers of the indirect variable access
    int varDataReg;
    bool adcModeReadBack; // the context's ADC mode is taken from the family object
    RateType rateType;
    MirrorFlip mirrorFlip;
};

// The set-up the three families share, up to the PLL spin refresh: clocks,
// template flag, the indirect variable access, and the context's frame rate
// and blanking from its default use case.
void firmwareSetUp(Pallador &w, int context, const FirmwareSetUp &s)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, false);
    templateFlag(w, d);
    w.varAccessMode = 0;
    w.varAddrReg = s.varAddrReg;
    w.varDataReg = s.varDataReg;
    if (s.adcModeReadBack && calculable(w.currentContext))
        w.adcMode[w.currentContext] = f.ctx[w.currentContext].adcMode;

    if (calculable(context)) {
        const ContextWidgets x = contextWidgets(w, context);
        defaultUseCaseFrameRate(w, d, context == 1);
        defaultUseCaseBlankType(w);
        frameRateEditText(w, context, w.maxFps[qBound(0, w.currentContext, 2)]);
        switch (s.rateType) {
        case RateType::Disabled:
            x.frameRateType->setEnabled(false);
            break;
        case RateType::Hidden:
            x.frameRateType->hide();
            break;
        case RateType::VariableDisabled:
            x.frameRateType->setCurrentIndex(1);
            x.frameRateType->setEnabled(false);
            break;
        }
        minFrameRateHidden(w, context);
        // Context A offers mirror and flip before its blanking list is
        // refreshed, context B after.
        auto mirrorFlip = [&] {
            if (s.mirrorFlip == MirrorFlip::Untouched)
                return;
            const bool enabled = s.mirrorFlip == MirrorFlip::Enabled;
            x.mirror->setEnabled(enabled);
            x.flip->setEnabled(enabled);
        };
        if (context == 0)
            mirrorFlip();
        blankingComboRefresh(w);
        if (context == 1)
            mirrorFlip();
    }
    pllSpinRefresh(w);
}

// The override boxes' values in the order VCO, M, N.
void vcoFirstPresets(Pallador &w, double vco, int m, int n)
{
    w.ui.dSpinPLL_VCO->setValue(vco);
    w.ui.spinPLL_M->setValue(m);
    w.ui.spinPLL_N->setValue(n);
}

// A calculation from the inputs written: the PLL step only for a PLL-level
// change, then the context's timing, results and registers, and the texts.
void calculate(Pallador &w, CFamilyBase &f, int cc, bool pllChanged, bool extendForIntegration)
{
    if (pllChanged)
        f.PllUpdate();
    f.TimingUpdate(cc, false, extendForIntegration);
    f.ResultsUpdate(cc);
    f.RegisterUpdate(cc);
    standardTexts(w, f, cc);
}

// Murn_106's output size by use case: the scaler's fixed sizes, the field
// of view for every other use case.
struct FixedOutput {
    int useCases[4];
    int width;
    int height;
};
const FixedOutput kMurn106Outputs[] = {
    {{2, 4, 5, 25}, 528, 432},
    {{7, 8, 10, 11}, 528, 360},
};

} // namespace

// ---------------------------------------------------------------------------
// Murn_107 (59, contexts A and B).

void initMurn107(Pallador &w, int context)
{
    firmwareSetUp(w, context, {0x00C6, 0x00C8, true, RateType::Disabled, MirrorFlip::Disabled});
    vcoFirstPresets(w, 160.0, 24, 0);
    // The family chooses its pre-divider and multiplier itself.
    w.ui.checkPLL_M->setEnabled(false);
    w.ui.checkPLL_N->setEnabled(false);
    w.ui.comboPLL_Interface->setEnabled(false);
}

void recalcMurn107(Pallador &w, bool pllChanged)
{
    Murn_107 *f = w.calvex->murn_107;
    const int cc = w.currentContext;
    if (!f || !calculable(cc))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Binning, Field::Skipping, Field::Cols, Field::Rows, Field::Mirror, Field::Flip,
                  Field::OtherLineTime, Field::AdcMode, Field::BlankType, Field::UserHBlank, Field::UserVBlank});
    clearWarnings(r, kStandardMask);
    CPllParams &pll = f->pll;
    pll.pllUseMinFreq = w.pllMinFreq;
    if (pllChanged) {
        pll.inputClock = w.pllInput;
        pll.targetClock = w.pllTarget;
        pll.pllN = -1;
        pll.pllM = -1;
        pll.vcoRequest = w.ui.checkPLL_VCO->isChecked() ? w.pllVco : -1.0;
        pll.interfaceIndex = w.interfaceIndex;
    }
    calculate(w, *f, cc, pllChanged, true);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Murn_103 (60-61, contexts A and B).

void initMurn103(Pallador &w, int context)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    firmwareSetUp(w, context,
                  {d.defaultVarAddrReg, d.defaultVarDataReg, false, RateType::VariableDisabled, MirrorFlip::Untouched});
    w.ui.dSpinPLL_VCO->setValue(448.0);
}

void recalcMurn103(Pallador &w, bool pllChanged)
{
    Murn_103 *f = w.calvex->murn_103;
    const int cc = w.currentContext;
    if (!f || !calculable(cc))
        return;
    // The family has no binning mode: the window's binning is not an input.
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Skipping, Field::Cols, Field::Rows, Field::Mirror, Field::Flip,
                  Field::OtherLineTime, Field::LowPower, Field::BlankType, Field::UserHBlank, Field::UserVBlank});
    clearWarnings(r, kStandardMask);
    if (pllChanged) {
        f->pll.pllBypass = w.pllBypass;
        f->pll.pllUseMinFreq = w.pllMinFreq;
        commonPllInputs(w, f->pll);
    }
    calculate(w, *f, cc, pllChanged, true);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Murn_110 (69, contexts A and B).

void initMurn110(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, false);
    accessMode(w, d);
    templateFlag(w, d);
    w.fifo[qBound(0, w.currentContext, 2)] = d.defaultFifo;
    // Both contexts start from use case 0.
    if (calculable(context)) {
        const ContextWidgets x = contextWidgets(w, context);
        useCaseZeroFrameRate(w, d, context == 1);
        frameRateEditText(w, context, w.maxFps[qBound(0, w.currentContext, 2)]);
        useCaseZeroBlanking(w);
        x.frameRateType->setCurrentIndex(1);
        x.minFrameRate->setValue(currentRecord(w, f).minFps);
    }
    pllSpinRefresh(w);
    pllOverridePresets(w, 24, 0, 768.0);
    w.useStdTemplate = w.stdTemplateAvail != 0;
}

void recalcMurn110(Pallador &w, bool pllChanged)
{
    Murn_110 *f = w.calvex->murn_110;
    const int cc = w.currentContext;
    if (!f || !calculable(cc))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc, {Field::MaxFps,    Field::Binning,   Field::BinXOnly,    Field::Bin2Skip2, Field::BinSF,
                            Field::Skipping,  Field::Cols,      Field::Rows,        Field::Mirror,    Field::Flip,
                            Field::LowPower,  Field::OutFormat, Field::Fifo,        Field::Cropping,  Field::Centering,
                            Field::HdrMode,   Field::BlankType, Field::VariableFps, Field::MinFps,    Field::UserHBlank,
                            Field::UserVBlank});
    clearWarnings(r, kStandardMask);
    if (pllChanged) {
        CPllParams &pll = f->pll;
        pll.pllBypass = w.pllBypass;
        commonPllInputs(w, pll);
        pll.interfaceIndex = w.interfaceIndex;
        pll.auxClock = 300.0; // the aux clock the PLL step aims at
        // The panel's divider boxes hold the registers' P - 1; the WCD
        // divider is the library's choice unless its box is ticked too.
        pll.pllP4 = -1;
        pll.pllP5 = -1;
        pll.pllWcd = -1;
        if (w.ui.checkPLL_ADV->isChecked()) {
            if (ticked(w.checkPLL_P4))
                pll.pllP4 = saturated(w.pllP4, 1, 1);
            if (ticked(w.checkPLL_P5))
                pll.pllP5 = saturated(w.pllP5, 1, 1);
            if (ticked(w.checkPLL_WCD))
                pll.pllWcd = w.pllWcd;
        }
    }
    calculate(w, *f, cc, pllChanged, true);
    otherContextPass(w, pllChanged);
    // Both contexts' docks show their colours after every calculation.
    w.showWarnings();
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Murn_108 (70, contexts A and B).

void initMurn108(Pallador &w, int context)
{
    firmwareSetUp(w, context, {0x098C, 0x0990, true, RateType::Hidden, MirrorFlip::Enabled});
    vcoFirstPresets(w, 640.0, 128, 1);
    w.useStdTemplate = w.stdTemplateAvail != 0;
}

void recalcMurn108(Pallador &w, bool pllChanged)
{
    Murn_108 *f = w.calvex->murn_108;
    const int cc = w.currentContext;
    if (!f || !calculable(cc))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip, Field::LowPower, Field::Centering, Field::OtherLineTime, Field::AdcMode,
                  Field::BlankType, Field::UserHBlank, Field::UserVBlank});
    clearWarnings(r, kStandardMask);
    CPllParams &pll = f->pll;
    pll.pllUseMinFreq = w.pllMinFreq;
    if (pllChanged) {
        pll.pllBypass = w.pllBypass;
        pll.interfaceIndex = w.interfaceIndex;
        commonPllInputs(w, pll);
        // The WCD divider is the library's choice unless the advanced PLL
        // panel is open and its box ticked.
        pll.pllWcd = -1;
        if (w.ui.checkPLL_ADV->isChecked() && ticked(w.checkPLL_WCD)) {
            pll.pllWcd = w.pllWcd;
            f->wcdFlag = 0;
        }
    }
    // The frame keeps to the rate: the integration time does not stretch it.
    calculate(w, *f, cc, pllChanged, false);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Murn_106 (71, context A).

void initMurn106(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, false);
    accessMode(w, d);
    templateFlag(w, d);
    const int c = qBound(0, w.currentContext, 2);
    w.fifo[c] = d.defaultFifo;
    // The field of view and the fixed output modes of use case 0.
    if (w.dataIO && w.dataIO->useCases && w.dataIO->getUseCaseNumber() > 0) {
        const CUseCase &u = w.dataIO->useCases[0];
        w.fovCols[c] = u.fovCols;
        w.fovRows[c] = u.fovRows;
        w.cif[c] = u.cif;
        w.hd720p[c] = u.hd720p;
        w.centering[c] = u.centering;
    }
    if (w.currentContext == 0) {
        useCaseZeroFrameRate(w, d, false);
        frameRateEditText(w, 0, w.maxFps[0]);
        w.ui.dSpinMinFRate_A->setValue(currentRecord(w, f).minFps);
        useCaseZeroBlanking(w);
        w.ui.comboTypeFRate_A->setCurrentIndex(1);
    }
    pllSpinRefresh(w);
    pllOverridePresets(w, 24, 0, 768.0);
    w.useStdTemplate = w.stdTemplateAvail != 0;
    interfaceList(w, {"MIPI", "Parallel/Slow PixClk", "Parallel"}, 1);
}

void recalcMurn106(Pallador &w, bool pllChanged)
{
    Murn_106 *f = w.calvex->murn_106;
    const int cc = w.currentContext;
    if (!f || !calculable(cc))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc, {Field::MaxFps,      Field::Binning,  Field::BinXOnly, Field::Bin2Skip2,  Field::Skipping,
                            Field::Cols,        Field::Rows,     Field::FovCols,  Field::FovRows,    Field::Mirror,
                            Field::Flip,        Field::LowPower, Field::Cropping, Field::Centering,  Field::BlankType,
                            Field::VariableFps, Field::Cif,      Field::Hd720p,   Field::UserHBlank, Field::UserVBlank,
                            Field::FovX,        Field::FovY});
    clearWarnings(r, kStandardMask);
    // Binning reads the sensor in its own mode; otherwise the skip factor is the mode.
    r.readMode = w.binning[cc] == 1 ? 2 : w.skipping[cc];
    // The family's own lower limit is half the maximum rate; the user's goes apart.
    r.minFps = w.maxFps[cc] / 2.0;
    f->requestedMinFps = w.minFps[cc];
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();

    w.useCaseIndex[cc] = w.ui.comboUseCase_A->currentIndex();
    const int u = w.useCaseIndex[cc];
    f->fovWidth = w.fovCols[cc];
    f->fovHeight = w.fovRows[cc];
    f->outputWidth = w.fovCols[cc];
    f->outputHeight = w.fovRows[cc];
    for (const FixedOutput &o : kMurn106Outputs) {
        if (std::find(std::begin(o.useCases), std::end(o.useCases), u) != std::end(o.useCases)) {
            f->outputWidth = o.width;
            f->outputHeight = o.height;
        }
    }
    f->useCaseIndex = u;

    if (pllChanged) {
        f->pll.pllBypass = w.pllBypass;
        f->pll.pllUseMinFreq = w.pllMinFreq;
        f->pll.interfaceIndex = w.interfaceIndex;
        commonPllInputs(w, f->pll);
    }
    calculate(w, *f, cc, pllChanged, true);
    contextAPaneRefresh(w);
    // The open panel's field-of-view drawing follows the new sizes.
    if (w.advParamOn[0])
        panels::drawFieldOfView(w, panels::fovDrawing(w, *f));
}

} // namespace adapter
