// Vek_157b, Vek_157f and Vek_137: serial-output sensors whose choices map through tables (catalogue 80-82).
//
// Catalogue 80 to 82: the serial-output sensors Vek_157b (80), Vek_157f (81)
// and Vek_137 (82), one context each: their context set-up and calculation.
// The window's choices reach the library through tables: the lane count by
// the position in the family's interface list, the exposure ratio by the
// position in the context panel's "Exposure Ratio:" list, the scaler by the
// use case, the output bits by the Op Pixel Divider of the PLL panel.
#include "adapter.h"

#include "registerdataio.h"

#include <QCheckBox>
#include <QComboBox>

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace adapter {

namespace {

// A fixed list of a family, read by position; a position outside it has no entry.
template <class T> struct Table {
    const T *items;
    int count;

    template <std::size_t N> constexpr Table(const T (&a)[N]) : items(a), count(int(N)) {}
    const T *at(int position) const { return position >= 0 && position < count ? items + position : nullptr; }
};

// An entry of a family's interface list and the lanes it stands for.
struct InterfaceLanes {
    const char *name;
    int lanes;
};

const InterfaceLanes kVek157bInterfaces[] = {{"MIPI-2", 2},  {"MIPI-3", 3},  {"MIPI-4", 4},    {"MIPI-8", 8},
                                             {"HISPI-4", 4}, {"HISPI-8", 8}, {"HISPI-12", 12}, {"HISPI-16", 16}};
const InterfaceLanes kVek157fInterfaces[] = {{"HISPI-4", 4}, {"HISPI-8", 8}, {"HISPI-12", 12}, {"HISPI-16", 16}};
const InterfaceLanes kVek137Interfaces[] = {{"MIPI-1", 1}, {"MIPI-2", 2}};

// The use cases whose output the scaler shrinks to 16/24; every other use
// case is read unscaled.
const int kScaledUseCases[] = {2, 7};
constexpr int kScaledScaleM = 24;
constexpr int kUnscaledScaleM = 16;

// What tells Vek_157b from Vek_157f.
struct Vek157Variant {
    int presetM;
    int presetN;
    double presetVco;
    Table<InterfaceLanes> interfaces;
    int interfacePosition; // selected by the set-up
    int minRatio;          // the smallest exposure ratio the sensor takes
};

const Vek157Variant kVek157b{172, 5, 860.0, kVek157bInterfaces, 7, 2};
const Vek157Variant kVek157f{170, 5, 850.0, kVek157fInterfaces, 3, 1};

QStringList interfaceNames(const Table<InterfaceLanes> &interfaces)
{
    QStringList names;
    for (int i = 0; i < interfaces.count; ++i)
        names << QLatin1String(interfaces.items[i].name);
    return names;
}

// The lanes of the interface at the window's position; a position outside
// the list keeps the lane count the window has.
void laneRule(Pallador &w, const Table<InterfaceLanes> &interfaces)
{
    if (const InterfaceLanes *entry = interfaces.at(w.interfaceIndex))
        w.lanes = entry->lanes;
}

int comboIndex(const QComboBox *combo)
{
    return combo ? combo->currentIndex() : -1;
}

// Whether the advanced PLL panel is open with an Op Pixel Divider chosen.
bool opDividerChosen(const Pallador &w)
{
    return w.ui.checkPLL_ADV->isChecked() && comboIndex(w.comboPLL_Bits) >= 0;
}

const CUseCase *useCaseZero(const Pallador &w)
{
    const CRegisterDataIO *io = w.dataIO;
    return io && io->useCases && io->getUseCaseNumber() > 0 ? io->useCases : nullptr;
}

// ---------------------------------------------------------------------------
// Vek_157b and Vek_157f.

void initVek157(Pallador &w, const Vek157Variant &v)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    useCaseZeroFrameRate(w, d, false);
    if (const CUseCase *u = useCaseZero(w))
        w.goProMode[qBound(0, w.currentContext, 2)] = u->goProMode;
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, v.presetM, v.presetN, v.presetVco);
    interfaceList(w, interfaceNames(v.interfaces), v.interfacePosition);
}

void recalcVek157(Pallador &w, CVek157Family *f, const Vek157Variant &v)
{
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    CPllParams &pll = f->pll;
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::SkippingY, Field::Cols,
                  Field::Rows, Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kStandardMask);
    writeContext(
        w, r, 0,
        {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank, Field::GoProMode, Field::HdrMode});
    r.sMode = w.sMode[0];
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();

    commonPllInputs(w, pll);
    sensorPllOptions(w, pll);
    pll.highSpeed = w.highSpeed[0];
    pll.mipiCont = w.mipiCont;
    pll.pllOpDivider = -1;
    pll.pllP = -1;

    // With the panel in use its list gives the ratio, the number the chosen
    // entry shows ("1", "2", "4", "8", "16"), at least the sensor's smallest;
    // otherwise the window's value goes on as it is.
    if (f->advParamOn) {
        bool shown = false;
        const int ratio = w.comboCCRow[0] ? w.comboCCRow[0]->currentText().toInt(&shown) : 0;
        w.ccRow[0] = shown ? qMax(ratio, v.minRatio) : v.minRatio;
    }
    r.ccRow = w.ccRow[0];

    // The scaler follows the use case, whatever the panel's scale_m shows.
    w.presetUseCase = w.ui.comboUseCase_A->currentIndex();
    const bool scaled =
        std::find(std::begin(kScaledUseCases), std::end(kScaledUseCases), w.presetUseCase) != std::end(kScaledUseCases);
    w.scaleM[0] = scaled ? kScaledScaleM : kUnscaledScaleM;
    r.scaleM = w.scaleM[0];
    r.goProMode = w.goProMode[0];

    r.interfaceIndex = w.interfaceIndex;
    laneRule(w, v.interfaces);
    pll.lanes = w.lanes;

    // The Op Pixel Divider ("6", "8", "10", "12") is the output bit depth.
    if (opDividerChosen(w)) {
        w.opBits = 6 + 2 * w.comboPLL_Bits->currentIndex();
        pll.pllOpDivider = w.opBits;
        pll.highSpeed = w.highSpeed[0];
    }

    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace

void initVek157b(Pallador &w)
{
    initVek157(w, kVek157b);
}

void recalcVek157b(Pallador &w)
{
    recalcVek157(w, w.calvex->vek_157b, kVek157b);
}

void initVek157f(Pallador &w)
{
    initVek157(w, kVek157f);
}

void recalcVek157f(Pallador &w)
{
    recalcVek157(w, w.calvex->vek_157f, kVek157f);
}

// ---------------------------------------------------------------------------
// Vek_137.

void initVek137(Pallador &w)
{
    const CFamilyDefaults &d = w.calvex->family()->defaults;
    familyClockDefaults(w, d, true);
    templateFlag(w, d);
    w.ccRow[0] = 0;
    useCaseZeroFrameRate(w, d, false);
    useCaseZeroMirrorFlip(w);
    blankingComboRefresh(w);
    frameRateEditText(w, 0, w.maxFps[0]);
    pllSpinRefresh(w);
    pllOverridePresets(w, 178, 5, 890.0);
    interfaceList(w, interfaceNames(kVek137Interfaces), 1);
}

void recalcVek137(Pallador &w)
{
    Vek_137 *f = w.calvex->vek_137;
    if (!f)
        return;
    w.currentContext = 0;
    CContextParams &r = f->ctx[0];
    CPllParams &pll = f->pll;
    writeContext(w, r, 0,
                 {Field::MaxFps, Field::Binning, Field::BinXOnly, Field::Skipping, Field::Cols, Field::Rows,
                  Field::Mirror, Field::Flip, Field::IntgTime});
    clearWarnings(r, kStandardMask);
    writeContext(w, r, 0, {Field::BlankType, Field::VariableFps, Field::UserHBlank, Field::UserVBlank});
    f->advParamOn = w.ui.checkAdvParam_A->isChecked();
    f->darkCols = w.darkCols;
    f->darkRows = w.darkRows;
    f->borderPixels = w.borderPixels;
    f->digitalCC = w.digitalCC;

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

    r.interfaceIndex = w.interfaceIndex;
    laneRule(w, kVek137Interfaces);
    // The CFPn rows: 64 times 2 to the power of the panel's position.
    r.cfpnRows = saturated(twoToThe(w.ccRow[0]), 0, 64);
    pll.lanes = w.lanes;
    pll.targetClock = w.pllTarget;

    // The interface list follows the window's interface; moving it runs the
    // list's slot and a complete calculation before this one goes on.
    w.ui.comboPLL_Interface->setCurrentIndex(w.interfaceIndex);

    if (w.ui.checkPLL_N->isChecked())
        pll.pllN = w.pllN;
    if (w.ui.checkPLL_M->isChecked())
        pll.pllM = w.pllM;
    if (w.ui.checkPLL_VCO->isChecked())
        pll.vcoRequest = w.pllVco;

    // The Op Pixel Divider: the window keeps its position and the link takes
    // the bits the entry shows ("6", "8", "10" in the form's own list; the
    // family's depths once the panel has refilled it), so that the registers
    // program what the list shows; 6 bits set the 6-bit divider.
    if (opDividerChosen(w)) {
        w.opBits = w.comboPLL_Bits->currentIndex();
        bool shown = false;
        const int entryBits = w.comboPLL_Bits->currentText().toInt(&shown);
        const int bits = shown ? entryBits : 6 + 2 * w.opBits;
        pll.opPixDiv6 = bits == 6;
        pll.opBits = bits;
    }

    standardCalls(*f, 0);
    standardTexts(w, *f, 0);
    contextAPaneRefresh(w);
}

} // namespace adapter
