// Vek_143: one context, with presets for its first ten use cases (catalogue 67, 68).
//
// Catalogue 67 and 68: Vek_143, one context. The first ten use cases carry a
// preset (calvex/usecasepresets.h) that sets the window's target clock,
// interface, column-correction rows, scale_m and the multiplier of 10-bit
// output on every calculation. The calculation puts the interface and the
// multiplier back into their widgets; a change there recalculates once more
// inside the calculation, which applies the same preset and finds the
// widgets already set, so the nesting ends there.
#include "adapter.h"
#include "usecasepresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <cmath>
#include <iterator>
#include <limits>

namespace adapter {

namespace {

// The lane count of each position in the interface list ("MIPI-1" to
// "MIPI-4"); a position beyond it leaves the window's lane count.
constexpr int kVek143Lanes[] = {1, 2, 3, 4};

// The column-correction rows of a "CC Rows:" position: 16 x 2 to the power
// of the position, in floating point (a position of -1 gives 8); a result
// beyond the integers is cut to them.
int ccRowsOf(int position)
{
    const double rows = 16.0 * std::pow(2.0, position);
    return int(qMin(rows, double(std::numeric_limits<int>::max())));
}

} // namespace

void initVek143(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroMirrorFlip(w);
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, 66, 2, 825.0);
    interfaceList(w, {"MIPI-1", "MIPI-2", "MIPI-3", "MIPI-4"}, 3);
}

void recalcVek143(Pallador &w)
{
    Vek_143 *f = w.calvex->vek_143;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, 0, {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank});

    f->advParamOn = w.ui.checkAdvParam_A->isChecked();
    f->darkCols = w.darkCols;
    f->darkRows = w.darkRows;
    CPllParams &pll = f->pll;
    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
    pll.inputClock = w.pllInput;
    pll.targetClock2 = w.pllTargetOp;
    pll.mipiCont = w.mipiCont;
    pll.pllN = -1;
    pll.pllM = -1;
    pll.vcoRequest = -1.0;
    pll.pllOpDivider = -1;
    pll.pllP = -1;

    // The preset writes the window's own settings.
    w.presetUseCase = w.ui.comboUseCase_A->currentIndex();
    if (const calvex::presets::Vek143Row *p = calvex::presets::row(calvex::presets::kVek143, w.presetUseCase)) {
        w.presetPllM = p->pllM;
        w.pllTarget = p->targetClock;
        w.ccRow[0] = p->ccRow;
        w.scaleM[0] = p->scaleM;
        w.interfaceIndex = p->interfaceIndex;
    }

    r.interfaceIndex = w.interfaceIndex;
    if (w.interfaceIndex >= 0 && w.interfaceIndex < int(std::size(kVek143Lanes)))
        w.lanes = kVek143Lanes[w.interfaceIndex];
    r.ccRows = ccRowsOf(w.ccRow[0]);
    r.scaleM = w.scaleM[0];
    pll.lanes = w.lanes;
    pll.targetClock = w.pllTarget;

    w.ui.comboPLL_Interface->setCurrentIndex(w.interfaceIndex);

    // The multiplier override of 10-bit output (the output bits of the last
    // calculation with the panel open) is the preset's.
    if (w.ui.checkPLL_N->isChecked())
        pll.pllN = w.pllN;
    if (w.ui.checkPLL_M->isChecked()) {
        const int m = w.opBits == 10 ? w.presetPllM : w.pllM;
        pll.pllM = m;
        w.ui.spinPLL_M->setValue(m);
    }
    if (w.ui.checkPLL_VCO->isChecked())
        pll.vcoRequest = w.pllVco;

    if (w.ui.checkPLL_ADV->isChecked()) {
        if (w.comboPLL_Bits && w.comboPLL_Bits->currentIndex() >= 0) {
            w.opBits = 2 * w.comboPLL_Bits->currentIndex() + 6;
            pll.pllOpDivider = w.opBits;
        }
        pll.highSpeed = w.highSpeed[0];
        // The high-speed read-out corrects over 16 rows.
        if (f->advParamOn && w.highSpeed[0] && w.comboCCRow[0])
            w.comboCCRow[0]->setCurrentIndex(0);
    }

    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace adapter
