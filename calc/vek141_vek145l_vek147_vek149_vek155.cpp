// Vek_141, Vek_145l, Vek_147, Vek_149, Vek_155: sensors with an interface list of their own (catalogue 37-45, 53).
//
// Catalogue 37 to 45 and 53: the single-context sensors whose interface is
// chosen from a list of their own in the PLL dock (Vek_141 for 37-40,
// Vek_145l for 41, Vek_147 for 42-43, Vek_149 for 44-45, Vek_155 for 53).
// Their context set-up and calculation: the lane count follows the position
// in the interface list, the advanced PLL panel's list gives the output bit
// depth, the "CC Rows:" choice becomes a column-correction row count,
// Vek_149 takes the sensor maker's PLL settings for three use cases and
// Vek_145l maps the power options of its sixteen focal planes.
#include "adapter.h"

#include <QCheckBox>
#include <QComboBox>

#include <cmath>
#include <limits>

namespace adapter {

namespace {

// What the set-up of a family gives the window.
enum class LinkDefaults {
    None,
    ScalerAndLatch, // scaler 2, MIPI continuous clock, Tx latch on
    LatchOff,       // Tx latch off
};

// Rules a family's calculation has or lacks.
enum Rule : unsigned {
    BinXOnly = 0x1,   // column binning goes to the library
    LowPower = 0x2,   // low-power mode goes to the library
    CcRowReset = 0x4, // high speed puts "CC Rows:" back on 16
};

// The override boxes' values while they are unticked.
struct OverridePresets {
    int m, n;
    double vco;
};

// An entry of a family's interface list and the lanes it runs on.
struct InterfaceEntry {
    const char *name;
    int lanes;
};
constexpr InterfaceEntry kUpToFourLanes[4] = {{"MIPI-2", 2}, {"MIPI-3", 3}, {"MIPI-4", 4}, {"HISPI-4", 4}};
constexpr InterfaceEntry kUpToEightLanes[4] = {{"MIPI-2", 2}, {"MIPI-4", 4}, {"HISPI-4", 4}, {"HISPI-8", 8}};

// One family of the Vek_141 pattern: its set-up and the rules its
// calculation differs by.
struct ListSensor {
    LinkDefaults linkDefaults;
    bool useCaseOrientation; // use case 0's mirror and flip; the frame-rate type locked
    OverridePresets presets;
    const InterfaceEntry *interfaces; // four entries, position 2 chosen
    unsigned rules;
};

constexpr ListSensor kVek141 = {LinkDefaults::None, true, {54, 2, 675.0}, kUpToFourLanes, BinXOnly | CcRowReset};
constexpr ListSensor kVek147 = {LinkDefaults::ScalerAndLatch, false, {125, 3, 1000.0}, kUpToFourLanes, LowPower};
constexpr ListSensor kVek149 = kVek147;
constexpr ListSensor kVek155 = {LinkDefaults::LatchOff, false, {64, 2, 800.0}, kUpToEightLanes, BinXOnly | CcRowReset};

// The sensor maker's PLL settings of Vek_149 for the use cases that need
// them: pre-divider, multiplier and video-timing pixel divider.
struct PllPreset {
    int useCase;
    int n, m, p;
};
constexpr PllPreset kVek149Presets[] = {{11, 2, 68, 10}, {13, 2, 68, 10}, {18, 2, 68, 10}};

// The library's power state of a Vek_145l focal-plane option (0 active,
// 1 reduced power, 2 power down): the first revision (row 0) knows only
// active and power down, later revisions (row 1) all three.
constexpr int kPlaneState[2][3] = {{0, 2, 2}, {0, 1, 2}};
constexpr int kFocalPlanes = 16;

// The column-correction rows of a "CC Rows:" position: 16 x 2 to the power
// of the position ("16", "32", "64", "128"), in floating point so a position
// of -1 gives 8; a result beyond the integers is cut to them.
int columnCorrectionRows(int position)
{
    const double rows = 16.0 * std::pow(2.0, position);
    return int(qMin(rows, double(std::numeric_limits<int>::max())));
}

// The output bits the open advanced PLL panel's list gives (first + 2 x the
// position), kept by the window and requested from the library. A panel
// without the list, or a list with nothing chosen, leaves the bits to the
// library.
void panelOutputBits(Pallador &w, CPllParams &pll, int first)
{
    if (!w.ui.checkPLL_ADV->isChecked() || !w.comboPLL_Bits || w.comboPLL_Bits->currentIndex() < 0)
        return;
    w.opBits = first + 2 * w.comboPLL_Bits->currentIndex();
    pll.pllOpDivider = w.opBits;
}

// The PLL requests these families share: every divider the library's choice
// unless an override box of the dock is ticked.
void pllRequests(const Pallador &w, CPllParams &pll)
{
    sensorPllOptions(w, pll);
    pll.mipiCont = w.mipiCont;
    commonPllInputs(w, pll);
    pll.pllOpDivider = -1;
    pll.pllP = -1;
}

// ---------------------------------------------------------------------------
// Vek_141, Vek_147, Vek_149 and Vek_155.

void initListSensor(Pallador &w, const ListSensor &s)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    switch (s.linkDefaults) {
    case LinkDefaults::ScalerAndLatch:
        w.scaler[0] = 2;
        w.mipiCont = true;
        w.txLatch[0] = true;
        break;
    case LinkDefaults::LatchOff:
        w.txLatch[0] = false;
        break;
    case LinkDefaults::None:
        break;
    }
    useCaseZeroFrameRate(w, d, false);
    if (s.useCaseOrientation)
        useCaseZeroMirrorFlip(w);
    blankingComboRefresh(w);
    if (s.useCaseOrientation)
        w.ui.comboTypeFRate_A->setEnabled(false);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, s.presets.m, s.presets.n, s.presets.vco);
    const InterfaceEntry *list = s.interfaces;
    interfaceList(w, {list[0].name, list[1].name, list[2].name, list[3].name}, 2);
}

// Context A's inputs and the PLL requests, before the first library call.
template <class Family> void listSensorInputs(Pallador &w, Family &f, const ListSensor &s)
{
    w.currentContext = 0;
    CContextParams &r = f.ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Binning, Field::Skipping, Field::Cols, Field::Rows, Field::Mirror, Field::Flip,
                  Field::IntgTime, Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank,
                  Field::HdrMode, Field::InterfaceIndex});
    if (s.rules & BinXOnly)
        writeContext(w, r, 0, {Field::BinXOnly});
    if (s.rules & LowPower)
        writeContext(w, r, 0, {Field::LowPower});
    clearWarnings(r, kStandardMask);
    r.txLatch = w.txLatch[0];
    r.scaler = w.scaler[0];
    r.scaleM = w.scaleM[0];
    r.sMode = w.sMode[0];
    r.ccRows = columnCorrectionRows(w.ccRow[0]);
    f.advParamOn = w.ui.checkAdvParam_A->isChecked();
    f.darkCols = w.darkCols;
    f.darkRows = w.darkRows;
    f.pll.highSpeed = w.highSpeed[0];
    pllRequests(w, f.pll);
}

// The lane count of the interface chosen, the panel's output bits, and the
// calculation of context A.
void listSensorCalculation(Pallador &w, CFamilyBase &f, bool advParamOn, const ListSensor &s)
{
    // The lanes stay the window's; the library reads them from the interface.
    if (w.interfaceIndex >= 0 && w.interfaceIndex < 4)
        w.lanes = s.interfaces[w.interfaceIndex].lanes;
    if (w.ui.checkPLL_ADV->isChecked()) {
        panelOutputBits(w, f.pll, 6);
        // The high-speed read-out corrects over 16 rows: the list follows.
        // Its slot calculates once more with the new choice; in that
        // calculation the list already stands on 16, so nothing repeats.
        if ((s.rules & CcRowReset) && advParamOn && w.highSpeed[0] && w.comboCCRow[0])
            w.comboCCRow[0]->setCurrentIndex(0);
    }
    standardCalls(f, 0);
    standardTexts(w, f, 0);
    contextAPaneRefresh(w);
}

template <class Family> void recalcListSensor(Pallador &w, Family *f, const ListSensor &s)
{
    if (!f)
        return;
    listSensorInputs(w, *f, s);
    listSensorCalculation(w, *f, f->advParamOn, s);
}

} // namespace

void initVek141(Pallador &w)
{
    initListSensor(w, kVek141);
}

void recalcVek141(Pallador &w)
{
    recalcListSensor(w, w.calvex->vek_141, kVek141);
}

void initVek147(Pallador &w)
{
    initListSensor(w, kVek147);
}

void recalcVek147(Pallador &w)
{
    recalcListSensor(w, w.calvex->vek_147, kVek147);
}

void initVek149(Pallador &w)
{
    initListSensor(w, kVek149);
}

void recalcVek149(Pallador &w)
{
    Vek_149 *f = w.calvex->vek_149;
    if (!f)
        return;
    listSensorInputs(w, *f, kVek149);
    // The preset follows the entry context A's list stands on, loaded just
    // now or earlier; a ticked pre-divider or multiplier override still wins.
    f->useCaseIndex = w.ui.comboUseCase_A->currentIndex();
    for (const PllPreset &preset : kVek149Presets) {
        if (preset.useCase != f->useCaseIndex)
            continue;
        if (!w.ui.checkPLL_N->isChecked())
            f->pll.pllN = preset.n;
        if (!w.ui.checkPLL_M->isChecked())
            f->pll.pllM = preset.m;
        f->pll.pllP = preset.p;
    }
    listSensorCalculation(w, *f, f->advParamOn, kVek149);
}

void initVek155(Pallador &w)
{
    initListSensor(w, kVek155);
}

void recalcVek155(Pallador &w)
{
    recalcListSensor(w, w.calvex->vek_155, kVek155);
}

// ---------------------------------------------------------------------------
// Vek_145l (41).

void initVek145l(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.interfaceIndex = 1;
    w.scaleM[0] = kFocalPlanes;
    w.ccRow[0] = 0;
    useCaseZeroFrameRate(w, d, false);
    blankingComboRefresh(w);
    singleFrameRateType(w);
    frameRateEditText(w, 0, w.maxFps[qBound(0, w.currentContext, 2)]);
    pllSpinRefresh(w);
    pllOverridePresets(w, 54, 2, 675.0);
    interfaceList(w, {"MIPI-2", "MIPI-4"}, 1);
}

void recalcVek145l(Pallador &w)
{
    Vek_145l *f = w.calvex->vek_145l;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Skipping, Field::BinXOnly, Field::Cols, Field::Rows, Field::Mirror, Field::Flip,
                  Field::IntgTime, Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank,
                  Field::InterfaceIndex});
    clearWarnings(r, kStandardMask);
    r.interleave = w.interleave[0];
    r.scaleM = w.scaleM[0];
    // The "Packing Modulo:" list ("1", "2", "4", "8", "16") shares the
    // window's CC row member; the library counts its entries from 1.
    r.packMode = listValue(w.ccRow[0], 4, 1);
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();

    // With the panel open the library gets each plane's power state and the
    // count of planes not powered down (in scaleM, where the panel reads it);
    // closed, the window's count stands and the states of the last open
    // calculation are kept.
    if (f->advParamOn) {
        f->activateAll = w.activateAll;
        int planes = 0;
        for (int i = 0; i < kFocalPlanes; ++i) {
            const int state = w.activateAll ? 0 : kPlaneState[w.revIndex == 0 ? 0 : 1][qBound(0, w.fpOptions[i], 2)];
            r.fpOptions[i] = state;
            if (state < 2)
                ++planes;
        }
        r.scaleM = planes;
    }
    pllRequests(w, f->pll);
    f->embedData = w.embedData;

    panelOutputBits(w, f->pll, 8);
    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace adapter
