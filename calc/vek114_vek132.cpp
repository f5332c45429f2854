// Vek_114 and Vek_132: single-context sensors whose use cases fix part of their timing (catalogue 94-98).
//
// Catalogue 94 to 98, one context each: Vek_114 (94), a two-exposure HDR
// sensor whose integration time is the family's own fixed value rather than
// the window's, with its named PLL step behind the interface set-up; and
// Vek_132 (95-98), a MIPI sensor on two to four lanes with a second PLL and
// a line-length preset for its first use cases (calvex/usecasepresets.h).
#include "adapter.h"
#include "registerdataio.h"
#include "usecasepresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QTableWidget>

#include <iterator>

namespace adapter {

namespace {

// Vek_114: the integration time (ms) the library is given, by HDR mode.
constexpr double kVek114HdrIntgTime = 21.0;
constexpr double kVek114IntgTime = 8.6;

constexpr quint32 kVek132Mask = 0xFE07FFF0;

// Vek_132: the lane count of each position in the interface list ("MIPI-2",
// "MIPI-3", "MIPI-4"); any other position keeps the window's lane count.
constexpr int kVek132Lanes[] = {2, 3, 4};

// Use case 0 of the loaded file, or null for a file without use cases.
CUseCase *useCaseZero(Pallador &w)
{
    CRegisterDataIO *io = w.dataIO;
    return io && io->useCases && io->getUseCaseNumber() > 0 ? io->useCases : nullptr;
}

// Writes the integration-time box of the context-A panel without running
// its slot: the box shows what the library was given and what it used, and
// the window's own integration time plays no part for this family (a slot
// here would recalculate, and write the box again, without end).
void showIntgTime(QDoubleSpinBox *box, double value)
{
    if (!box)
        return;
    const QSignalBlocker blocker(box);
    box->setValue(value);
}

} // namespace

// ---------------------------------------------------------------------------
// Vek_114 (94).

void initVek114(Pallador &w)
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 0;
    w.lanes = 4;
    w.opBits = 12;
    w.embedDataRows[0] = 1;
    w.statsDataRows[0] = 1;
    w.hdrMode[0] = 0;
    w.lineInterleave[0] = 1;
    w.t2T3Ratio[0] = 2;
    w.t1T2Ratio[0] = 2;
    w.t2ExpRows[0] = 15;
    w.t3ExpRows[0] = 10;
    w.numExposures[qBound(0, w.currentContext, 2)] = 2;

    // A use case 0 without a frame rate takes the family's; the reader's
    // record keeps it, so the use-case load finds it there too.
    CUseCase *u = useCaseZero(w);
    if (u && u->maxFps == 0.0)
        u->maxFps = d.defaultMaxFps;
    if (u)
        w.blankType[qBound(0, w.currentContext, 2)] = u->blankType;
    blankingComboRefresh(w);
    frameRateList(w, f, 0);
    if (u)
        frameRateEditText(w, 0, u->maxFps);

    w.ui.checkRegList->setChecked(true);
    w.ui.tableRegister->show();
    pllSpinRefresh(w);
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(window.interfaceIndex);
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(1);
    });
    automaticOptionPanels(w, d, false);
}

void recalcVek114(Pallador &w)
{
    Vek_114 *f = w.calvex->vek_114;
    const int c = w.currentContext;
    if (!f || (c != 0 && c != 1))
        return;
    CContextParams &r = f->ctx[c];
    writeContext(w, r, c,
                 {Field::MaxFps, Field::BinXOnly, Field::Binning, Field::Cols, Field::Rows, Field::Mirror,
                  Field::Flip});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, c, {Field::BlankType, Field::VariableFps});
    r.t2ExpRows = w.t2ExpRows[c];
    r.t3ExpRows = w.t3ExpRows[c];
    writeContext(w, r, c, {Field::HdrMode});
    r.useReg = w.useReg;
    writeContext(w, r, c, {Field::UserHBlank, Field::UserVBlank});
    r.numExposures = saturated(w.numExposures[c], 1, 1);
    f->t1T2Ratio = w.t1T2Ratio[c];
    f->t2T3Ratio = w.t2T3Ratio[c];

    CPllParams &pll = f->pll;
    pll.pllBypass = w.pllBypass;
    pll.mipiCont = w.mipiCont;
    pll.pllUseMinFreq = w.pllMinFreq;
    commonPllInputs(w, pll);
    pll.targetClock2 = w.pllTargetOp;
    r.interfaceIndex = w.interfaceIndex;

    f->SetInterface(w.lanes, w.opBits);
    pll.mipiCont = w.mipiCont;
    f->CalculatePLL(w.interfaceIndex);

    // The timing of context 0 with the family's integration time; with the
    // context-A panel in use, the panel's box shows it and then the time the
    // library used.
    const double t = w.hdrMode[c] == 1 ? kVek114HdrIntgTime : kVek114IntgTime;
    r.intgTime = t;
    if (!w.ui.checkAdvParam_A->isChecked()) {
        f->UseCaseTiming(0, false, true);
    } else {
        QDoubleSpinBox *box = w.dSpinIntgTime[0];
        showIntgTime(box, t);
        if (box)
            f->ctx[0].intgTime = box->value();
        f->TimingUpdate(0, false, true);
        showIntgTime(box, f->ctx[0].intgTime);
    }

    f->ResultsUpdate(c);
    f->RegisterUpdate(c);
    standardTexts(w, *f, c);
    contextAPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Vek_132 (95-98).

void initVek132(Pallador &w)
{
    initSecondPllFamily(w, 145, 4, 870.0, {"MIPI-2", "MIPI-3", "MIPI-4"});
}

void recalcVek132(Pallador &w)
{
    Vek_132 *f = w.calvex->vek_132;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::SkippingY, Field::Cols,
                  Field::Rows, Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kVek132Mask);
    writeContext(w, r, 0, {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank});
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();
    f->shortSeq = w.shortSeq;

    CPllParams &pll = f->pll;
    pll.highSpeed = w.highSpeed[0];
    pll.pllBypass = w.pllBypass;
    pll.pllUseMinFreq = w.pllMinFreq;
    pll.inputClock = w.pllInput;
    pll.targetClock = w.pllTarget;
    pll.mipiCont = w.mipiCont;
    pll.phyCd = w.phyCd;
    pll.pllN = pll.pllM = pll.pllN2 = pll.pllM2 = -1;
    pll.vcoRequest = -1.0;
    pll.pllVco2 = -1.0;
    pll.pllOpDivider = -1;
    pll.pllP = -1;

    // The line-length preset of the use case selected in context A's list;
    // a use case beyond the table keeps the one given last.
    w.presetUseCase = w.ui.comboUseCase_A->currentIndex();
    if (const qint32 *preset = calvex::presets::row(calvex::presets::kVek132, w.presetUseCase))
        f->useCasePreset = *preset;

    r.interfaceIndex = w.interfaceIndex;
    if (w.interfaceIndex >= 0 && w.interfaceIndex < int(std::size(kVek132Lanes)))
        w.lanes = kVek132Lanes[w.interfaceIndex];
    pll.lanes = w.lanes;

    secondPllOverrideBoxes(w, pll);

    // The open advanced PLL panel's op pixel divider ("3" to "6") and output
    // bits (6, 8, 10 or 12); a panel without the list leaves the divider to the
    // library.
    if (w.ui.checkPLL_ADV->isChecked()) {
        if (w.comboPLL_Bits && w.comboPLL_Bits->currentIndex() >= 0)
            pll.pllOpDivider = 3 + w.comboPLL_Bits->currentIndex();
        r.outputBits = listValue(w.twoPixBits, 3, 6, 2);
    }
    if (f->advParamOn) {
        r.scaleM = w.scaleM[0];
        f->scaler = w.scaler[0];
        f->borderPixels = w.borderPixels;
    }

    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace adapter
