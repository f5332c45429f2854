// Zelt and Holv_101: the plain families, calculated through named operations only (catalogue 105-109, 114).
//
// Catalogue 105 to 109 (Zelt) and 114 (Holv_101): the plain families, one
// context each, calculated through named operations only.
//
// Zelt is a HiSPi sensor family whose advanced option panel sets its read-out:
// the window's context members carry the panel's quantities (the table in
// recalcZelt). Holv_101 is a radar: its chirp, ADC and output settings come
// from its advanced PLL panel through the window's PLL-named members.
#include "adapter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace adapter {

namespace {

// The bits of a Zelt context word that the library recomputes.
constexpr quint32 kZeltMask = 0xFF87FFF0;

bool calculable(int context)
{
    return context == 0 || context == 1;
}

bool advancedPll(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked();
}

// The Zelt advanced option panel follows the calculation: the ROI size box is
// usable only while the ROI is on, and the integration-time box takes the
// library's range, which is clamped at 0 in the family object too, so that
// the next calculation starts from it. A range whose maximum is not above its
// minimum leaves the box and the library's values as they are.
void zeltPanelFollows(Pallador &w, Zelt &family, const CContextParams &record)
{
    if (w.spinRows[0])
        w.spinRows[0]->setEnabled(!record.roiOff);
    if (family.maxIntgTime <= family.minIntgTime)
        return;
    family.maxIntgTime = qMax(0, family.maxIntgTime);
    if (w.spinScaler)
        w.spinScaler->setMaximum(family.maxIntgTime);
    family.minIntgTime = qMax(0, family.minIntgTime);
    if (w.spinScaler)
        w.spinScaler->setMinimum(family.minIntgTime);
}

// The radar's ADC and MIPI word clocks, MHz, by their list position.
qint32 radarClock(int position)
{
    return position == 0 ? 60 : 30;
}

} // namespace

// ---------------------------------------------------------------------------
// Zelt (105-109).

void initZelt(Pallador &w)
{
    const Zelt *f = w.calvex ? w.calvex->zelt : nullptr;
    if (!f)
        return;
    const CFamilyDefaults &d = f->defaults;
    w.pllInput = d.defaultInputClock;
    templateFlag(w, d);
    w.lanes = 4;
    w.opBits = 10;
    w.combi = 0;
    w.useReg = false;
    w.pllPreScale = true;
    const int cc = qBound(0, w.currentContext, 2);
    w.cols[cc] = 0;
    w.otherLineTime[cc] = 0;
    w.rows[cc] = 2060;
    w.lowPower[cc] = 1;
    w.skipping[cc] = 0;
    w.scaler[cc] = 1000;
    w.scaleM[cc] = 0;
    w.txLatch[cc] = false;
    w.shortSeq = true;
    w.trigger = false;
    w.slaveMode = false;
    // The rate list's own slot stores the first rate; use case 0's rate then
    // wins, and the Target FPS box shows it.
    w.ui.comboMaxFRate_A->clear();
    w.ui.comboMaxFRate_A->addItems(f->results.frameRateChoices);
    useCaseZeroFrameRate(w, d, false);
    frameRateEditText(w, 0, w.maxFps[0]);
    w.ui.dSpinPLL_Input->setValue(w.pllInput);
}

// The context inputs and their meaning on the advanced option panel:
//   cols "Ref Lines for Calibration:", roiOff "Use ROI Size:" off, rows the
//   ROI size, lowPower "Incremental Readout", skipping "Subsampling", scaler
//   "Integration Time (usec.)", scaleM "Integration Offset (usec.)", txLatch
//   "Reverse Readout", shortSeq "Color Filter Array", trigger "Triggered",
//   slaveMode slave instead of master.
void recalcZelt(Pallador &w)
{
    Zelt *f = w.calvex->zelt;
    const int cc = w.currentContext;
    if (!f || !calculable(cc))
        return;
    CContextParams &r = f->ctx[cc];
    writeContext(w, r, cc, {Field::MaxFps, Field::Cols, Field::Rows, Field::Skipping});
    r.roiOff = w.otherLineTime[cc] == 0;
    clearWarnings(r, kZeltMask);
    r.lowPower = w.lowPower[cc] != 0 ? 1 : 0;
    r.scaler = w.scaler[cc];
    r.scaleM = w.scaleM[cc];
    r.txLatch = w.txLatch[cc];
    r.shortSeq = w.shortSeq;
    r.trigger = w.trigger;
    r.slaveMode = w.slaveMode;
    CPllParams &p = f->pll;
    p.inputClock = w.pllInput;

    // The HiSPi options are the advanced PLL panel's; companding needs 12 bits.
    if (advancedPll(w)) {
        if (w.comboPLL_Bits)
            w.opBits = 2 * w.comboPLL_Bits->currentIndex() + 10;
        p.lanes = w.lanes;
        p.opBits = w.opBits;
        p.combi = w.combi != 0;
        p.useReg = w.useReg;
        p.pllPreScale = w.pllPreScale;
        if (w.checkCombi)
            w.checkCombi->setEnabled(p.opBits == 12);
        if (p.opBits == 10) {
            w.combi = 0;
            p.combi = false;
            if (w.checkCombi)
                w.checkCombi->setChecked(false);
        }
    }

    f->CalculatePLL(w.sensorIndex);
    f->CalculateTiming(0, false, true);
    if (w.advParamOn[cc])
        zeltPanelFollows(w, *f, r);
    f->SetResults(cc);
    f->RegisterUpdate(cc);
    standardTexts(w, *f, cc);
    contextAPaneRefresh(w);
}

// ---------------------------------------------------------------------------
// Holv_101 (114).

void initHolv101(Pallador &w)
{
    const Holv_101 *f = w.calvex ? w.calvex->holv_101 : nullptr;
    if (!f)
        return;
    const CFamilyDefaults &d = f->defaults;
    templateFlag(w, d);
    // The radar's starting configuration, in the window's channels.
    w.opBits = 0;
    w.interfaceIndex = 0;
    w.pllP4 = 10;
    w.pllP5 = 15;
    w.pllTargetOp = 79.0;
    w.mpDiv = 25;
    w.twoPixBits = 0;
    w.pllVco2 = 2.0;
    w.pllN2 = 512;
    w.outPort = 0;
    w.phyCd = 0;
    w.pllWcd = 128;
    w.custRev = 1;
    // The (disabled) input box shows the radar's reference clock.
    w.pllInput = f->pll.inputClock;
    w.ui.dSpinPLL_Input->setValue(w.pllInput);
    automaticPllPanel(w, d);
}

// The window's channels and what they carry for the radar (the captions of
// its advanced PLL panel): opBits "Bits per sample:" position (12 or 14
// bits), interfaceIndex "Decimation:" position (code 0, 2, 4, 6), pllP4
// "Chirp reset time (uSec):", pllP5 "Chirp ramp time (uSec):", pllTargetOp
// "Frequency min (GHz):", mpDiv "Slope (MHz/uSec):", pllVco2 "ADC start time
// (uSec):", pllN2 "ADC sampler number:", phyCd "ADC Clock (MHz):" position,
// outPort "MIPI Word Clk (MHz):" position, pllWcd "Chirps in frame:",
// twoPixBits "Elevation:", custRev "TDM MIMO:".
void recalcHolv101(Pallador &w)
{
    Holv_101 *f = w.calvex->holv_101;
    if (!f || !calculable(w.currentContext))
        return;
    f->useCaseIndex = w.ui.comboUseCase_A->currentIndex();
    // The use case's frame rate sets the frame period.
    f->ctx[0].maxFps = w.maxFps[0];
    // Without the panel the radar keeps the configuration it had.
    if (advancedPll(w)) {
        CPllParams &p = f->pll;
        // "Bits per sample:" "12", "14"; "Decimation:" "OFF", "2x", "3x", "4x"
        // as the codes 0, 2, 4, 6.
        p.opBits = listValue(w.opBits, 1, 12, 2);
        p.interfaceIndex = listValue(w.interfaceIndex, 3, 0, 2);
        p.pllP4 = w.pllP4;
        p.pllP5 = w.pllP5;
        p.pllTargetOp = w.pllTargetOp;
        p.mpDiv = w.mpDiv;
        p.pllVco2 = w.pllVco2;
        p.pllN2 = w.pllN2;
        p.phyCd = radarClock(w.phyCd);
        p.outPort = radarClock(w.outPort);
        p.pllWcd = w.pllWcd;
        p.twoPixBits = w.twoPixBits != 0;
        p.custRev = w.custRev != 0;
    }
    f->CalculateConfig(0);
    f->SetResults(0);
    f->RegisterUpdate(0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace adapter
