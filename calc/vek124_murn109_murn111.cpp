// Vek_124, Murn_109 and Murn_111: image processors with the P4 and P5 dividers (catalogue 26, 27, 31).
//
// Catalogue 26, 27 and 31: the image processors whose advanced PLL panel
// offers the P4 and P5 dividers (Vek_124 for 26, Murn_109 for 27, one
// context each; the two-context Murn_111 for 31, which adds the WCD divider).
// Their context set-up and calculation.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>

namespace adapter {

namespace {

// Murn_111's aux clock request, written before each PLL step.
constexpr double kMurn111AuxClock = 300.0;

// The divider requests of the advanced PLL panel: the library's choice (-1)
// unless their box is ticked while the panel is open. The window keeps P4
// and P5 one lower than the divider and the WCD divider as it is.
void panelDividers(const Pallador &w, CPllParams &pll, bool wcd)
{
    pll.pllP4 = -1;
    pll.pllP5 = -1;
    if (wcd)
        pll.pllWcd = -1;
    if (!w.ui.checkPLL_ADV->isChecked())
        return;
    if (ticked(w.checkPLL_P4))
        pll.pllP4 = saturated(w.pllP4, 1, 1);
    if (ticked(w.checkPLL_P5))
        pll.pllP5 = saturated(w.pllP5, 1, 1);
    if (wcd && ticked(w.checkPLL_WCD))
        pll.pllWcd = w.pllWcd;
}

// Vek_124 and Murn_109 after their own context fields: context 0 with the
// bypass, the common PLL inputs, the interface and the panel's dividers,
// then the standard calls.
void calculateContextA(Pallador &w, CFamilyBase &family)
{
    clearWarnings(family.ctx[0], kStandardMask);
    family.pll.pllBypass = w.pllBypass;
    commonPllInputs(w, family.pll);
    family.pll.interfaceIndex = w.interfaceIndex;
    panelDividers(w, family.pll, false);
    standardCalls(family, 0);
    standardTexts(w, family, 0);
    contextAPaneRefresh(w);
}

// Steps both one-context set-ups share up to the interface list.
void ispSetUp(Pallador &w, int m, int n, double vco)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    useCaseZeroFrameRate(w, d, false);
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, m, n, vco);
}

void ispDefaults(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, false);
    accessMode(w, d);
    templateFlag(w, d);
}

} // namespace

// ---------------------------------------------------------------------------
// Vek_124 (26).

void initVek124(Pallador &w)
{
    ispDefaults(w);
    ispSetUp(w, 16, 0, 768.0);
    interfaceList(w, {"Parallel", "MIPI-1", "MIPI-2"}, 1);
    w.ui.label_System->setText(QStringLiteral("TX Clock (MHz)"));
}

void recalcVek124(Pallador &w)
{
    Vek_124 *f = w.calvex->vek_124;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Cols, Field::Rows, Field::Skipping, Field::BinSF, Field::Binning, Field::Mirror,
                  Field::Flip, Field::BlankType, Field::VariableFps, Field::MinFps, Field::UserHBlank,
                  Field::UserVBlank});
    r.imageType = w.imageType[0];
    calculateContextA(w, *f);
}

// ---------------------------------------------------------------------------
// Murn_109 (27).

void initMurn109(Pallador &w)
{
    ispDefaults(w);
    // The field of view of use case 0.
    const CRegisterDataIO *io = w.dataIO;
    if (io && io->useCases && io->getUseCaseNumber() > 0) {
        const int c = qBound(0, w.currentContext, 2);
        w.fovCols[c] = io->useCases[0].fovCols;
        w.fovRows[c] = io->useCases[0].fovRows;
    }
    ispSetUp(w, 24, 0, 768.0);
    interfaceList(w, {"Parallel", "MIPI-1", "CCP", "MIPI-2"}, 0);
}

void recalcMurn109(Pallador &w)
{
    Murn_109 *f = w.calvex->murn_109;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Cols, Field::Rows, Field::FovCols, Field::FovRows, Field::Skipping,
                  Field::Mirror, Field::Flip, Field::BlankType, Field::VariableFps, Field::MinFps, Field::UserHBlank,
                  Field::UserVBlank, Field::OutFormat});
    r.imageType = w.imageType[0];
    calculateContextA(w, *f);
}

// ---------------------------------------------------------------------------
// Murn_111 (31, contexts A and B).

void initMurn111(Pallador &w, int context)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    ispDefaults(w);
    w.fifo[qBound(0, w.currentContext, 2)] = d.defaultFifo;
    if (context == 0 || context == 1) {
        QComboBox *const types[] = {w.ui.comboTypeFRate_A, w.ui.comboTypeFRate_B};
        QDoubleSpinBox *const minimum[] = {w.ui.dSpinMinFRate_A, w.ui.dSpinMinFRate_B};
        useCaseZeroFrameRate(w, d, context == 1);
        frameRateEditText(w, context, w.maxFps[qBound(0, w.currentContext, 2)]);
        useCaseZeroBlanking(w);
        // A variable rate down to the family's own minimum.
        types[context]->setCurrentIndex(1);
        minimum[context]->setValue(f.ctx[w.currentContext == 1 ? 1 : 0].minFps);
        if (context == 1)
            w.outFormat[1] = 5;
    }
    pllSpinRefresh(w);
    pllOverridePresets(w, 24, 0, 768.0);
}

void recalcMurn111(Pallador &w, bool pllChanged)
{
    Murn_111 *f = w.calvex->murn_111;
    const int cc = w.currentContext;
    if (!f || (cc != 0 && cc != 1))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc, {Field::MaxFps,    Field::Binning,     Field::BinXOnly, Field::Bin2Skip2,  Field::BinSF,
                            Field::Skipping,  Field::Cols,        Field::Rows,     Field::Mirror,     Field::Flip,
                            Field::LowPower,  Field::Fifo,        Field::Cropping, Field::Centering,  Field::HdrMode,
                            Field::BlankType, Field::VariableFps, Field::MinFps,   Field::UserHBlank, Field::UserVBlank,
                            Field::OutFormat});
    r.aspectRatio = w.aspectRatio[cc];
    // A per-context mode the window offers no control for.
    r.auxMode = 0;
    clearWarnings(r, kStandardMask);
    // The PLL block is written, and the PLL calculated, only when a PLL-level
    // input changed; a context's own change reuses the last PLL results.
    if (pllChanged) {
        CPllParams &pll = f->pll;
        pll.pllBypass = w.pllBypass;
        commonPllInputs(w, pll);
        pll.interfaceIndex = w.interfaceIndex;
        pll.auxClock = kMurn111AuxClock;
        panelDividers(w, pll, true);
        f->PllUpdate();
    }
    f->TimingUpdate(cc, false, true);
    f->ResultsUpdate(cc);
    f->RegisterUpdate(cc);
    standardTexts(w, *f, cc);
    otherContextPass(w, pllChanged);
    twoPaneRefresh(w);
}

} // namespace adapter
