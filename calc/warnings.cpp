// Warning colours: the library sets one bit of a context's warning word for
// each input it finds out of range; showWarnings colours each input widget of
// the family's map from the current context's word (red when flagged, white
// when clear, yellow for a target missed by at most 1 MHz in the families
// with the tolerance rule) and keeps the word for the automation property.
// Where the two contexts program one line-length register, each context's
// widgets take their own context's word, and both words are kept.
// The maps are pieces every family combines; which combination a family uses
// is one table row.
#include "adapter.h"

#include "cguivars.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPair>
#include <QPointer>
#include <QSpinBox>
#include <QVector>

#include <cmath>
#include <utility>

namespace {

// Bits and the inputs they stand for.
enum : quint32 {
    BitFrameRate = 0x1,
    BitUserBlank = 0x2,
    BitUserVBlank = 0x4,
    BitOtherLineTime = 0x8,
    BitSkipping = 0x20,
    BitCols = 0x100,
    BitRows = 0x200,
    BitColSub = 0x1000,
    BitRowSub = 0x2000,
    BitOutputRate = 0x80000,
    BitTarget = 0x100000,
    BitVco = 0x200000,
    BitInput = 0x400000,
    BitVco2 = 0x800000,
};

// Style sheets by widget kind: flagged, clear and (double spin boxes) near miss.
struct Styles {
    const char *flagged;
    const char *clear;
};
const Styles kDoubleSpin = {"QDoubleSpinBox { background-color: red; }", "QDoubleSpinBox { background-color: white; }"};
const char *const kDoubleSpinNearMiss = "QDoubleSpinBox { background-color: yellow; }";
const Styles kSpin = {"QSpinBox { background-color: red; }", "QSpinBox { background-color: white; }"};
const Styles kCombo = {"QComboBox { background-color: red; }", "QComboBox { background-color: white; }"};
const Styles kSecondVco = {"background-color: red;", "background-color: white;"};
const Styles kPanelCheck = {"QCheckBox { color: red; font-weight: bold }",
                            "QCheckBox { color: black; font-weight: normal; }"};
const Styles kBinderCheck = {"QCheckBox {border-width:1px; border-style: solid; border-color: red;}",
                             "QCheckBox {border-width:1px; border-style: solid; border-color: transparent;}"};
const Styles kPictureLabel = {"QLabel {border-width:1px; border-style: solid; border-color: red;}",
                              "QLabel {border-width:1px; border-style: solid; border-color: transparent;}"};

// The colours chosen while they are held (holdWarningColours): the last
// sheet for each widget, put on when the hold ends.
struct HeldSheets {
    int holds = 0;
    QVector<QPair<QPointer<QWidget>, const char *>> sheets;
};
HeldSheets held;

// A style sheet for a widget. Restyling a widget is costly, and the colours
// rarely change from one calculation to the next: a sheet the widget already
// has is not set again.
void setSheet(QWidget *widget, const char *sheet)
{
    if (!widget)
        return;
    if (held.holds > 0) {
        for (auto &entry : held.sheets) {
            if (entry.first == widget) {
                entry.second = sheet;
                return;
            }
        }
        held.sheets.append({widget, sheet});
        return;
    }
    const QLatin1String text(sheet);
    if (widget->styleSheet() != text)
        widget->setStyleSheet(text);
}

// One test: the widget is flagged when any of the bits is set in the word.
void colour(QWidget *widget, quint32 word, quint32 bits, const Styles &styles)
{
    setSheet(widget, (word & bits) ? styles.flagged : styles.clear);
}

// The PLL-level map of a family.
enum class PllMap {
    None,
    Standard,          // input, target and VCO boxes
    StandardTolerance, // the same, the target box by the tolerance rule
    SecondVcoDouble,   // standard, and the second VCO box of the panel
    SecondVcoInteger,  // standard, and the panel's integer second VCO box
    OutputRate,        // standard, and the panel's output rate box
    OutputRateAuto,    // standard, and the output rate box while the rate is requested
    PictureLabel,      // the target bit on the PLL picture
    InputOnly,         // the input box alone
};

// Where the context-level map goes.
enum class Placement {
    AAlways,       // the A widgets, whatever the current context
    AForContext0,  // the A widgets while context A is current
    AOrBByCurrent, // the current context's widgets
    AOrBBlankBit2, // as AOrBByCurrent, the blanking box by bit 0x2 alone
    Both,          // the A widgets from A's word, the B widgets from B's
    // The A widgets and the further tests of A from A's word, then the same
    // for B, and both words kept: the contexts program one line-length
    // register, so a calculation of one may retime the other.
    SharedLine,
    FrameRateOnlyA, // the A frame-rate combo alone
};

// Tests some families add to the context-level map.
enum class Further {
    None,
    SubSampling,    // the panels' sub-sampling boxes
    OtherLineTime,  // the panels' other-line-time box
    FrameRateOrder, // the bridges' discrete and minimum frame rates
    BinderSkipping, // the bound skipping box
    ColsRows,       // the panel's size boxes, before the A map
};

struct WarningRow {
    int first, last; // catalogue entries
    PllMap pll;
    Placement placement;
    Further further;
};

const WarningRow kWarnings[] = {
    {1, 11, PllMap::Standard, Placement::AAlways, Further::None},
    {12, 12, PllMap::StandardTolerance, Placement::SharedLine, Further::None},
    {13, 13, PllMap::Standard, Placement::AAlways, Further::None},
    {14, 20, PllMap::StandardTolerance, Placement::SharedLine, Further::SubSampling},
    {21, 21, PllMap::StandardTolerance, Placement::SharedLine, Further::None},
    {22, 24, PllMap::StandardTolerance, Placement::AOrBByCurrent, Further::None},
    {25, 27, PllMap::Standard, Placement::AAlways, Further::None},
    {28, 29, PllMap::Standard, Placement::AOrBByCurrent, Further::None},
    {30, 30, PllMap::StandardTolerance, Placement::AOrBByCurrent, Further::None},
    {31, 31, PllMap::Standard, Placement::AOrBByCurrent, Further::None},
    {32, 45, PllMap::Standard, Placement::AAlways, Further::None},
    {46, 50, PllMap::SecondVcoDouble, Placement::AAlways, Further::None},
    {51, 51, PllMap::SecondVcoInteger, Placement::AAlways, Further::None},
    {52, 52, PllMap::SecondVcoDouble, Placement::AAlways, Further::None},
    {53, 53, PllMap::Standard, Placement::AAlways, Further::None},
    {54, 58, PllMap::Standard, Placement::AAlways, Further::FrameRateOrder},
    {59, 59, PllMap::Standard, Placement::AOrBByCurrent, Further::None},
    {60, 61, PllMap::Standard, Placement::AOrBBlankBit2, Further::OtherLineTime},
    {62, 64, PllMap::PictureLabel, Placement::FrameRateOnlyA, Further::None},
    {65, 66, PllMap::None, Placement::FrameRateOnlyA, Further::BinderSkipping},
    {67, 68, PllMap::Standard, Placement::AAlways, Further::None},
    {69, 69, PllMap::Standard, Placement::Both, Further::None},
    {70, 70, PllMap::Standard, Placement::AOrBByCurrent, Further::None},
    {71, 71, PllMap::Standard, Placement::AForContext0, Further::None},
    {72, 74, PllMap::Standard, Placement::AOrBByCurrent, Further::None},
    {75, 75, PllMap::Standard, Placement::AForContext0, Further::None},
    {76, 79, PllMap::Standard, Placement::AOrBByCurrent, Further::None},
    {80, 82, PllMap::Standard, Placement::AAlways, Further::None},
    {83, 85, PllMap::Standard, Placement::AForContext0, Further::None},
    {86, 87, PllMap::Standard, Placement::AOrBByCurrent, Further::None},
    {88, 89, PllMap::OutputRate, Placement::AAlways, Further::None},
    {90, 91, PllMap::SecondVcoDouble, Placement::AAlways, Further::None},
    {92, 93, PllMap::OutputRateAuto, Placement::AForContext0, Further::None},
    {94, 94, PllMap::Standard, Placement::AForContext0, Further::None},
    {95, 98, PllMap::SecondVcoDouble, Placement::AAlways, Further::None},
    {99, 101, PllMap::Standard, Placement::AAlways, Further::None},
    {102, 102, PllMap::Standard, Placement::AForContext0, Further::None},
    {103, 104, PllMap::Standard, Placement::AAlways, Further::None},
    {105, 109, PllMap::InputOnly, Placement::FrameRateOnlyA, Further::None},
    {110, 110, PllMap::Standard, Placement::AForContext0, Further::None},
    {111, 111, PllMap::Standard, Placement::AForContext0, Further::ColsRows},
    {112, 113, PllMap::SecondVcoDouble, Placement::AAlways, Further::None},
    {115, 115, PllMap::Standard, Placement::AForContext0, Further::None},
};

const WarningRow *warningRow(int sensorIndex)
{
    for (const WarningRow &r : kWarnings) {
        if (sensorIndex >= r.first && sensorIndex <= r.last)
            return &r;
    }
    return nullptr;
}

// The target box: red or white, or with the tolerance rule yellow for a
// target missed by at most 1 MHz (a distance that is not a number included).
void colourTarget(Pallador &w, quint32 word, bool tolerance, const CPllParams &p)
{
    QDoubleSpinBox *box = w.ui.dSpinPLL_Target;
    if (!(word & BitTarget) || !tolerance) {
        colour(box, word, BitTarget, kDoubleSpin);
        return;
    }
    const double d = std::fabs(p.outputClock - p.targetClock);
    setSheet(box, d > 1.0 ? kDoubleSpin.flagged : kDoubleSpinNearMiss);
}

void standardPll(Pallador &w, quint32 word, bool tolerance, const CPllParams &p)
{
    colour(w.ui.dSpinPLL_Input, word, BitInput, kDoubleSpin);
    colourTarget(w, word, tolerance, p);
    colour(w.ui.dSpinPLL_VCO, word, BitVco, kDoubleSpin);
}

// The frame-rate and user-blanking widgets of context X (0 A, 1 B).
void contextMap(Pallador &w, int x, quint32 word, quint32 blankBits)
{
    QComboBox *const rates[] = {w.ui.comboMaxFRate_A, w.ui.comboMaxFRate_B};
    QSpinBox *const blanks[] = {w.ui.spinUserBlank_A, w.ui.spinUserBlank_B};
    colour(rates[x], word, BitFrameRate, kCombo);
    colour(blanks[x], word, blankBits, kSpin);
}

// The tests a family adds right after the map of context X.
void furtherAfterMap(Pallador &w, Further further, int x, quint32 word)
{
    switch (further) {
    case Further::SubSampling:
        if ((x == 0 ? w.ui.checkAdvParam_A : w.ui.checkAdvParam_B)->isChecked()) {
            colour(w.spinColSub[x], word, BitColSub, kSpin);
            colour(w.spinRowSub[x], word, BitRowSub, kSpin);
        }
        break;
    case Further::OtherLineTime:
        if (w.advFormLoaded[x])
            colour(w.checkOtherLineTime[x], word, BitOtherLineTime, kPanelCheck);
        break;
    default:
        break;
    }
}

// The discrete and minimum frame rates of the bridges must keep their order;
// a comparison with a value that is not a number counts as kept.
void frameRateOrder(Pallador &w, const CContextParams &r, int cc)
{
    const double fps = w.maxFps[cc], min = w.minFps[cc], dfs1 = w.dfs1[cc], dfs2 = w.dfs2[cc];
    auto set = [](QDoubleSpinBox *box, bool flagged) {
        setSheet(box, flagged ? kDoubleSpin.flagged : kDoubleSpin.clear);
    };
    if (r.discreteFps) {
        set(w.dSpinDfs[0], dfs1 < min || dfs1 < dfs2 || dfs1 > fps);
        set(w.dSpinDfs[1], dfs2 < min);
    }
    if (r.variableFps)
        set(w.ui.dSpinMinFRate_A, min > fps);
}

} // namespace

void Pallador::holdWarningColours(bool hold)
{
    held.holds += hold ? 1 : -1;
    if (held.holds > 0)
        return;
    held.holds = 0;
    const auto sheets = std::exchange(held.sheets, {});
    for (const auto &entry : sheets)
        setSheet(entry.first, entry.second);
}

void Pallador::showWarnings()
{
    const WarningRow *row = warningRow(sensorIndex);
    CFamilyCore *family = calvex ? calvex->family() : nullptr;
    const int cc = currentContext;
    if (!row || !family || (cc != 0 && cc != 1))
        return;
    // The form-based families' records are the ones the window writes.
    const CContextParams *records = varCtxParams ? varCtxParams : family->ctx;
    const quint32 word = records[cc].warnings;
    const CPllParams &p = family->pll;

    switch (row->pll) {
    case PllMap::None:
        break;
    case PllMap::Standard:
    case PllMap::StandardTolerance:
        standardPll(*this, word, row->pll == PllMap::StandardTolerance, p);
        break;
    case PllMap::SecondVcoDouble:
    case PllMap::SecondVcoInteger:
        standardPll(*this, word, false, p);
        if (ui.checkPLL_ADV->isChecked()) {
            QWidget *box = row->pll == PllMap::SecondVcoDouble ? static_cast<QWidget *>(dSpinPLL_VCO2)
                                                               : static_cast<QWidget *>(spinPLL_VCO2);
            colour(box, word, BitVco2, kSecondVco);
        }
        break;
    case PllMap::OutputRate:
    case PllMap::OutputRateAuto:
        standardPll(*this, word, false, p);
        if (ui.checkPLL_ADV->isChecked() && (row->pll == PllMap::OutputRate || p.pllAutoAdjust))
            colour(dSpinPLL_OutRate, word, BitOutputRate, kDoubleSpin);
        break;
    case PllMap::PictureLabel:
        colour(labelPllImage, word, BitTarget, kPictureLabel);
        break;
    case PllMap::InputOnly:
        colour(ui.dSpinPLL_Input, word, BitInput, kDoubleSpin);
        break;
    }

    const quint32 blankBits = BitUserBlank | BitUserVBlank;
    if (row->further == Further::ColsRows && advFormLoaded[0] && cc == 0) {
        colour(spinCols[0], word, BitCols, kSpin);
        colour(spinRows[0], word, BitRows, kSpin);
    }
    switch (row->placement) {
    case Placement::AAlways:
        contextMap(*this, 0, word, blankBits);
        furtherAfterMap(*this, row->further, 0, word);
        break;
    case Placement::AForContext0:
        if (cc == 0) {
            contextMap(*this, 0, word, blankBits);
            furtherAfterMap(*this, row->further, 0, word);
        }
        break;
    case Placement::AOrBByCurrent:
    case Placement::AOrBBlankBit2:
        contextMap(*this, cc, word, row->placement == Placement::AOrBBlankBit2 ? BitUserBlank : blankBits);
        furtherAfterMap(*this, row->further, cc, word);
        break;
    case Placement::Both:
        contextMap(*this, 0, records[0].warnings, blankBits);
        contextMap(*this, 1, records[1].warnings, blankBits);
        break;
    case Placement::SharedLine:
        for (int x : {0, 1}) {
            contextMap(*this, x, records[x].warnings, blankBits);
            furtherAfterMap(*this, row->further, x, records[x].warnings);
        }
        warnings[1 - cc] = records[1 - cc].warnings;
        break;
    case Placement::FrameRateOnlyA:
        colour(ui.comboMaxFRate_A, word, BitFrameRate, kCombo);
        break;
    }
    if (row->further == Further::FrameRateOrder)
        frameRateOrder(*this, records[cc], cc);
    // (A binder without the skipping box leaves nothing to colour.)
    if (row->further == Further::BinderSkipping && guiVars) {
        if (GUIVAR_ITEM_T *item = guiVars->find(sensorIndex == 65 ? "checkRowSkipping" : "checkSkipping"))
            colour(item->check, word, BitSkipping, kBinderCheck);
    }

    warnings[cc] = records[cc].warnings;
}
