// Vek_128, Drav_102 and Vek_146: HDR sensors whose interface is the PLL panel's choice (catalogue 110, 111, 115).
//
// Catalogue 110, 111 and 115: the single-context HDR sensors Vek_128 (110),
// Drav_102 (111) and Vek_146 (115). Their interface is the advanced PLL
// panel's choice, the PLL step is named by the interface and the timing step
// runs on context A, from the use case or with the advanced panel's
// integration time. Drav_102 also takes its skip factors, scaling, frame
// buffer and regions of interest from its advanced panel, once that panel
// has been loaded.
//
// Vek_128 and Drav_102 hold the silicon revision they calculate with.
// Vek_128's revision is the family's own: while the PLL panel is open the
// window, its revision list and the configuration reader (the "HW Rev" line
// and the files written) take it before the PLL step. For Drav_102 the open
// panel's choice is handed to the family; after the PLL step the window and
// the reader take the revision the family accepted, so that all three agree
// and a choice is never replaced by the family's default.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace adapter {

namespace {

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

bool validContext(int cc)
{
    return cc == 0 || cc == 1;
}

void handRevision(const Pallador &w, CPllParams &pll)
{
    pll.revision = saturated(w.revIndex, 1, 1);
}

void takeRevision(Pallador &w, const CPllParams &pll)
{
    w.revIndex = pll.revision - 1;
    if (w.dataIO)
        w.dataIO->setRevNumber(pll.revision);
}

// The panel's revision list shows the revision the window holds; moving it
// runs no slot, the calculation under way already uses that revision.
void showRevision(const Pallador &w)
{
    if (QComboBox *list = w.comboPLL_REV) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(w.revIndex);
    }
}

void setEnabled(QWidget *widget, bool enabled)
{
    if (widget)
        widget->setEnabled(enabled);
}

// Results and registers of the context, its texts and context A's pane.
void finish(Pallador &w, CFamilyBase &family, int cc)
{
    family.ResultsUpdate(cc);
    family.RegisterUpdate(cc);
    standardTexts(w, family, cc);
    contextAPaneRefresh(w);
}

// Context A's timing step: the use case's, or, while context A's advanced
// box is ticked, the one that takes context A's integration time (written
// into intgTime, the field the family reads it from): the window's setting,
// which the panel's box stores when the user changes it; the box shows what
// the last calculation programmed, which the frame may have cut.
void contextATiming(Pallador &w, CFamilyBase &family, double &intgTime)
{
    if (!w.ui.checkAdvParam_A->isChecked()) {
        family.UseCaseTiming(0, false, true);
        return;
    }
    if (w.dSpinIntgTime[0])
        intgTime = w.intgTime[0];
    family.TimingUpdate(0, false, true);
}

// The set-up the three families share: defaults of the window, use case 0's
// rate and blanking, the rate list, the PLL boxes, the hidden interface
// widgets and the panels the family opens by itself.
void initHdr(Pallador &w, const HdrWindowDefaults &defaults, void (*pllPanelFollowUp)(Pallador &w))
{
    const CFamilyCore &f = *w.calvex->family();
    const CFamilyDefaults &d = f.defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    hdrWindowDefaults(w, defaults);
    hdrRateSetUp(w, f);
    interfaceWidgetsHidden(w);
    automaticPllPanel(w, d, pllPanelFollowUp);
    automaticOptionPanels(w, d, false);
}

const HdrWindowDefaults kVek128{1, 4, 12, 2, true, 2, 1, 3, true, -1};
const HdrWindowDefaults kDrav102{1, 2, 10, 2, true, 2, 1, 3, true, -1};
// Vek_146 leaves the HDR mode and line interleave as they are.
const HdrWindowDefaults kVek146{0, 4, 12, 3, true, -1, -1, 3, true, -1};
// Vek_146's PLL panel starts on the third bit depth.
constexpr int kVek146BitPosition = 2;

// Drav_102's frame-buffer mode that reads the regions of interest.
constexpr int kRoiFrameBuffer = 1;
// Scaling dividends above this one scale (the scale is the dividend / 16).
constexpr int kUnscaled = 16;

int comboIndex(const QComboBox *combo)
{
    return combo ? combo->currentIndex() : -1;
}

// The settings of Drav_102's context-A panel: skip factors, scaling, frame
// buffer and regions go to the family, which answers with the skip factors
// it took and the register rows in use; the panel's controls follow.
void dravPanel(Pallador &w, Drav_102 &f)
{
    if (const QComboBox *rowSkip = w.comboRowSkip[0])
        f.setYSkipIndex(rowSkip->currentIndex());
    if (const QComboBox *colSkip = w.comboColSkip[0])
        f.setXSkipIndex(colSkip->currentIndex());
    if (w.spinScaleM)
        f.scaleM = w.spinScaleM->value();
    if (w.xScaling)
        f.setXscale(w.xScaling->isChecked());
    if (w.yScaling)
        f.setYscale(w.yScaling->isChecked());
    if (w.fbMode)
        f.fbMode = comboIndex(w.fbMode);
    for (int i = 0; i < DravRoi::FieldCount; ++i) {
        if (w.roi0Spin[i])
            f.roi[0].setRoiValue(i, w.roi0Spin[i]->value());
        if (w.roi1Spin[i])
            f.roi[1].setRoiValue(i, w.roi1Spin[i]->value());
    }

    setEnabled(w.checkBinXonly[0], f.getXSkipIndex() > 0);
    setEnabled(w.checkBinning[0], f.getYSkipIndex() > 0);
    setEnabled(w.xScaling, f.scaleM > kUnscaled);
    setEnabled(w.yScaling, f.scaleM > kUnscaled);
    for (int i = 0; i < DravRoi::FieldCount; ++i) {
        setEnabled(w.roi0Spin[i], f.fbMode == kRoiFrameBuffer);
        setEnabled(w.roi1Spin[i], f.fbMode == kRoiFrameBuffer);
    }

    // The rows in use, never more than the set-up installed.
    const int installed = qMin(f.NumberOfRegisters(true), int(Pallador::RegRowCapacity));
    w.regCount = qBound(0, f.NumberOfRegisters(false), installed);
}

} // namespace

// ---------------------------------------------------------------------------
// Vek_128 (110).

void initVek128(Pallador &w)
{
    initHdr(w, kVek128, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(window.interfaceIndex);
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(Vek_128::getDefaultBitDepthIndex());
    });
}

void recalcVek128(Pallador &w)
{
    Vek_128 *f = w.calvex->vek_128;
    const int cc = w.currentContext;
    if (!f || !validContext(cc))
        return;
    operationModeInputs(w, *f, *f, *f, cc);
    f->pll.fastClock = w.fastClock;

    const bool panel = advancedPll(w);
    if (panel) {
        // One lane of 12 bits on the parallel interface; the panel's lanes
        // and bit-depth position on a serial one.
        if (w.interfaceIndex == 0)
            f->SetInterface(1, 12);
        else if (w.interfaceIndex == 1 || w.interfaceIndex == 2)
            panelLanesAndBitIndex(w, *f);
        takeRevision(w, f->pll);
        showRevision(w);
        setEnabled(w.check16b8bits, false);
        setEnabled(w.checkPLL_MIPICont, w.interfaceIndex == 1);
    }
    interfacePllStep(w, *f);
    contextATiming(w, *f, f->ctx[cc].intgTime);
    finish(w, *f, cc);
}

// ---------------------------------------------------------------------------
// Drav_102 (111).

void initDrav102(Pallador &w)
{
    initHdr(w, kDrav102, [](Pallador &window) {
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(Drav_102::getDefaultBitDepthIndex());
    });
}

void recalcDrav102(Pallador &w)
{
    Drav_102 *f = w.calvex->drav_102;
    const int cc = w.currentContext;
    if (!f || !validContext(cc))
        return;
    // From the first loading of the context-A panel on, shown or not.
    if (w.advFormLoaded[0])
        dravPanel(w, *f);

    f->binXOnly = w.binXOnly[cc] != 0;
    f->binning = w.binning[cc] != 0;
    f->intgTime = w.intgTime[cc];
    f->pll.mipiCont = w.mipiCont;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc,
                 {Field::MaxFps, Field::Cols, Field::Rows, Field::Mirror, Field::Flip, Field::VariableFps,
                  Field::BlankType, Field::UserHBlank, Field::UserVBlank, Field::HdrMode});
    r.useReg = w.useReg;
    r.useFov = w.useFov[cc];
    r.borderPixels = w.borderPixels;
    clearWarnings(r, kStandardMask);
    sensorPllOptions(w, f->pll);
    commonPllInputs(w, f->pll);
    writeContext(w, r, cc, {Field::InterfaceIndex});

    const bool panel = advancedPll(w);
    if (panel) {
        panelLanesAndBitIndex(w, *f);
        handRevision(w, f->pll);
    }
    f->SetSerialPLL(w.interfaceIndex);
    // With the panel closed the window follows the family's revision.
    takeRevision(w, f->pll);
    contextATiming(w, *f, f->intgTime);
    finish(w, *f, cc);
}

// ---------------------------------------------------------------------------
// Vek_146 (115).

void initVek146(Pallador &w)
{
    initHdr(w, kVek146, [](Pallador &window) {
        if (window.comboPLL_InterMode)
            window.comboPLL_InterMode->setCurrentIndex(window.interfaceIndex);
        if (window.comboPLL_Bits)
            window.comboPLL_Bits->setCurrentIndex(kVek146BitPosition);
    });
}

void recalcVek146(Pallador &w)
{
    Vek_146 *f = w.calvex->vek_146;
    const int cc = w.currentContext;
    if (!f || !validContext(cc))
        return;
    operationModeInputs(w, *f, *f, *f, cc);
    f->pll.phyCd = w.phyCd;

    if (advancedPll(w)) {
        panelLanesAndBitIndex(w, *f);
        // The MIPI continuous clock belongs to the first interface, MIPI.
        setEnabled(w.checkPLL_MIPICont, w.interfaceIndex == 0);
    }
    f->SetSerialPLL(w.interfaceIndex);
    panelTimingStep(w, *f, 0);
    finish(w, *f, cc);
}

} // namespace adapter
