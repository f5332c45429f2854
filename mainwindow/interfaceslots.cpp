// Interface mode and lanes of the advanced PLL panel. The families with a
// serial output offer three linked choices: the interface mode, the number of
// lanes (L, comboPLL_Lanes) and the bit depth (B, comboPLL_Bits). The family
// object holds the lists; the two tables below say, per family, which list
// goes into which combo, which entry is then chosen and which target clock
// belongs to a lane count.
//
// No busy flag is held here: refilling L and B runs their own slots (the lane
// slot below for L, the bit-depth slot for B), and setting the target runs
// the target box's slot, each with its calculation, before the slot's own.
#include "pallador.h"

#include "calvex.h"
#include "windowvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <array>
#include <initializer_list>

namespace {

// The family list that fills a combo. The "Odd" lists are the odd-clock-ratio
// variants while that option is on, the plain lists otherwise.
enum class Fill { None, Lanes, LanesOdd, Bits, BitsOdd, BitsAlt };

enum class State { Keep, On, Off };

// Current index given to a combo after filling: a position, or one of these.
enum SpecialIndex : int {
    NoIndex = -1000,
    OpBitsIndex,          // the bit-depth setting the slot was entered with
    DefaultBitDepthIndex, // the family's default bit-depth position
    OddLaneIndex,         // 1 with the odd clock ratio, else 2
};

struct ComboStep {
    State state = State::Keep;
    Fill fill = Fill::None;
    int index = NoIndex;
};

// When the family re-derives its interface set-up: not at all, before the
// combos are cleared, or after.
enum class Update { None, Before, After };

// What a family does beyond the combos.
enum class ModeExtra {
    None,
    Companding,    // the companding slot runs
    CompandingOff, // the companding box is unticked, then the slot runs
    CompandingOn,  // unticked, shown and enabled, then the slot runs
    Exposures,     // exposure-count lists of the open context panel refilled
    HdrOff,        // the HDR controls of the open context-A panel off
    HdrFromFamily, // the HDR controls of the open context-A panel as calculated
};

struct ModeBranch {
    Update update = Update::None;
    bool clear = false; // L and B are emptied
    ComboStep lanes{};
    ComboStep bits{};
    ModeExtra extra = ModeExtra::None;
};

// Branches by interface index: 0 (parallel), 1, 2, and any other (-1 included).
struct ModeRule {
    int sensors[10]; // catalogue indices, 0 ends the list
    std::array<ModeBranch, 4> branches;
};

constexpr ComboStep kOff{State::Off};
constexpr ModeBranch kClearOnly{Update::None, true};
constexpr ModeBranch kParallelOff{Update::After, true, kOff, kOff};

constexpr std::array<ModeBranch, 4> byMode(ModeBranch parallel, ModeBranch serial)
{
    return {parallel, serial, serial, serial};
}

// Vek_110 and the two families that borrow its serial steps.
constexpr ModeBranch kOddSerial{
    Update::After, true, {State::On, Fill::LanesOdd, OddLaneIndex}, {State::On, Fill::BitsOdd, 1}};

const ModeRule kModeRules[] = {
    // Brel_101, Brel_102: B is filled by the lane slot.
    {{12, 14, 15, 16, 17, 18, 19, 20},
     byMode({Update::None, true, kOff, kOff}, {Update::After, true, {State::On, Fill::Lanes}, {State::On}})},
    // Vek_101, Vek_108.
    {{21, 22, 23, 24}, byMode(kParallelOff, {Update::After, true, {State::On, Fill::Lanes}, {State::On, Fill::Bits}})},
    // Brel_104, Vek_116, Vek_121: B is filled by the lane slot.
    {{28, 29, 72, 73, 74, 76, 77, 78, 79},
     byMode(kParallelOff, {Update::After, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::None, 1}})},
    // Brel_105.
    {{30},
     {{{Update::None, true, kOff, kOff},
       {Update::After, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::Bits, 2}},
       {Update::After, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::Bits, 1}},
       {Update::After, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::Bits, 1}}}}},
    // Vek_118.
    {{75, 102},
     byMode(kParallelOff, {Update::After, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::Bits, OpBitsIndex}})},
    // Vek_128.
    {{110},
     byMode(kParallelOff,
            {Update::After, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::Bits, DefaultBitDepthIndex}})},
    // Drav_102.
    {{111},
     byMode(kParallelOff,
            {Update::After, true, {State::On, Fill::Lanes, 1}, {State::On, Fill::Bits, DefaultBitDepthIndex}})},
    // Vek_111: both lists for every index; companding follows.
    {{86, 87},
     {{{Update::Before, true, {State::Off, Fill::Lanes}, {State::On, Fill::Bits, 1}, ModeExtra::CompandingOff},
       {Update::Before, true, {State::On, Fill::Lanes, 1}, {State::On, Fill::Bits, 2}, ModeExtra::CompandingOn},
       {Update::Before, true, {State::Keep, Fill::Lanes}, {State::Keep, Fill::Bits}, ModeExtra::Companding},
       {Update::Before, true, {State::Keep, Fill::Lanes}, {State::Keep, Fill::Bits}, ModeExtra::Companding}}}},
    // Vek_119.
    {{103, 104},
     {{{Update::Before, true, {State::Off, Fill::Lanes}, {State::On, Fill::Bits, 1}},
       {Update::Before, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::Bits, 1}},
       {Update::Before, true, {State::Keep, Fill::Lanes}, {State::Keep, Fill::Bits}},
       {Update::Before, true, {State::Keep, Fill::Lanes}, {State::Keep, Fill::Bits}}}}},
    // Vek_107, interface indices 0 and 1 only: L and B untouched.
    {{84},
     {{{Update::After, false, {}, {}, ModeExtra::Exposures},
       {Update::After, false, {}, {}, ModeExtra::Exposures},
       {},
       {}}}},
    // Vek_110.
    {{92, 93}, {{kParallelOff, kOddSerial, kOddSerial, kClearOnly}}},
    // Vek_113: the serial steps for the parallel index too.
    {{85}, {{kOddSerial, kOddSerial, kClearOnly, kClearOnly}}},
    // Vek_117.
    {{83}, {{{Update::After, true, kOff, {State::On, Fill::BitsOdd, 0}}, kOddSerial, kOddSerial, kClearOnly}}},
    // Vek_114: the family's own set-up only.
    {{94}, byMode({Update::After}, {Update::After})},
    // Vek_123.
    {{88, 89},
     byMode({Update::After, true, kOff, kOff, ModeExtra::HdrOff},
            {Update::After, true, {State::On, Fill::Lanes, 2}, {State::On, Fill::Bits, 1}, ModeExtra::HdrFromFamily})},
};

// ---------------------------------------------------------------------------
// Lanes.

enum class LaneCount { PowerOfTwo, IndexPlusTwo, IndexPlusOne };

enum class Revision { Any, Zero, NonZero };

// Target clocks (MHz) or one of these.
constexpr double kNoTarget = -1.0;
constexpr double kFamilyClock = -2.0; // the family object's default target clock

// What the lane slot does with B and the target for one lane index: fill B,
// choose its entry, set the target, then (if set) empty B and fill it again.
struct LaneCase {
    Fill fill = Fill::None;
    int index = NoIndex;
    double target = kNoTarget;
    Fill refill = Fill::None;
};

// Cases by lane index: 0, 1, 2, 3 or more, and -1 (an emptied list).
using LaneCases = std::array<LaneCase, 5>;

struct LaneRule {
    int sensors[10]; // catalogue indices, 0 ends the list
    Revision revision;
    LaneCount count;
    bool clearBits;     // B is emptied first
    LaneCases serial;   // interface index not 0
    LaneCases parallel; // interface index 0
};

constexpr LaneCases allLanes(LaneCase c)
{
    return {c, c, c, c, c};
}

// Index 0, index 1, any other.
constexpr LaneCases byLane(LaneCase first, LaneCase second, LaneCase other)
{
    return {first, second, other, other, other};
}

const LaneRule kLaneRules[] = {
    // Brel_101, Brel_102: 2 to 4 lanes; four lanes have their own bit depths.
    {{12, 14, 15, 16, 17, 18, 19, 20},
     Revision::Any,
     LaneCount::IndexPlusTwo,
     true,
     {{{Fill::Bits}, {Fill::Bits}, {Fill::BitsAlt}, {Fill::Bits}, {Fill::Bits}}},
     {{{Fill::Bits}, {Fill::Bits}, {Fill::BitsAlt}, {Fill::Bits}, {Fill::Bits}}}},
    // Brel_104: one or two serial lanes have their own bit depths.
    {{28, 29},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     {{{Fill::BitsAlt, NoIndex, 18.563},
       {Fill::BitsAlt, NoIndex, 37.125},
       {Fill::Bits, NoIndex, 74.25},
       {Fill::BitsAlt, NoIndex, 37.125},
       {Fill::BitsAlt, NoIndex, 37.125}}},
     allLanes({Fill::Bits, NoIndex, 74.25})},
    // Vek_116, Vek_121: one serial lane has its own bit depths.
    {{72, 73, 74, 76, 77, 78, 79},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     {{{Fill::Bits, NoIndex, 18.563, Fill::BitsAlt},
       {Fill::Bits, NoIndex, 37.125},
       {Fill::Bits, NoIndex, 74.25},
       {Fill::Bits, NoIndex, 37.125},
       {Fill::Bits, NoIndex, 37.125}}},
     allLanes({Fill::Bits, NoIndex, 74.25})},
    // Vek_118: the target by sensor, revision and lane count.
    {{75},
     Revision::Zero,
     LaneCount::PowerOfTwo,
     true,
     byLane({Fill::Bits, OpBitsIndex, 54.0}, {Fill::Bits, OpBitsIndex, 108.0}, {Fill::Bits, OpBitsIndex, 108.0}),
     allLanes({Fill::None, NoIndex, 108.0})},
    {{75},
     Revision::NonZero,
     LaneCount::PowerOfTwo,
     true,
     byLane({Fill::Bits, OpBitsIndex, 62.25}, {Fill::Bits, OpBitsIndex, 124.5}, {Fill::Bits, OpBitsIndex, 124.5}),
     allLanes({Fill::None, NoIndex, 125.0})},
    {{102},
     Revision::Zero,
     LaneCount::PowerOfTwo,
     true,
     byLane({Fill::Bits, OpBitsIndex, 54.0}, {Fill::Bits, OpBitsIndex, 108.0}, {Fill::Bits, OpBitsIndex, 110.0}),
     allLanes({Fill::None, NoIndex, 108.0})},
    {{102},
     Revision::NonZero,
     LaneCount::PowerOfTwo,
     true,
     byLane({Fill::Bits, OpBitsIndex, 66.75}, {Fill::Bits, OpBitsIndex, 133.5}, {Fill::Bits, OpBitsIndex, 139.5}),
     allLanes({Fill::None, NoIndex, 108.0})},
    // Vek_128.
    {{110},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     allLanes({Fill::Bits, DefaultBitDepthIndex, kFamilyClock}),
     allLanes({Fill::None, NoIndex, kFamilyClock})},
    // Drav_102.
    {{111},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     allLanes({Fill::Bits, DefaultBitDepthIndex, kFamilyClock}),
     allLanes({Fill::Bits, DefaultBitDepthIndex, kFamilyClock})},
    // Vek_111.
    {{86, 87},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     allLanes({Fill::Bits}),
     allLanes({Fill::None, NoIndex, 74.25})},
    // Vek_119.
    {{103, 104},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     allLanes({Fill::Bits}),
     allLanes({Fill::None, NoIndex, 90.0})},
    // Vek_110, Vek_113, Vek_117.
    {{92, 93, 85, 83},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     allLanes({Fill::BitsOdd}),
     allLanes({Fill::BitsOdd})},
    // Vek_114: the target only.
    {{94},
     Revision::Any,
     LaneCount::PowerOfTwo,
     false,
     byLane({Fill::None, NoIndex, 18.9}, {Fill::None, NoIndex, 37.8}, {Fill::None, NoIndex, 75.6}),
     byLane({Fill::None, NoIndex, 18.9}, {Fill::None, NoIndex, 37.8}, {Fill::None, NoIndex, 75.6})},
    // Vek_123.
    {{88, 89},
     Revision::Any,
     LaneCount::PowerOfTwo,
     true,
     byLane({Fill::Bits, NoIndex, 18.0}, {Fill::Bits, NoIndex, 36.0}, {Fill::Bits, NoIndex, 72.0}),
     allLanes({Fill::None, NoIndex, 88.0})},
    // Brel_105.
    {{30}, Revision::Any, LaneCount::PowerOfTwo, true, allLanes({Fill::Bits}), allLanes({Fill::Bits})},
    // Zelt: 1 to 4 lanes.
    {{105, 106, 107, 108, 109}, Revision::Any, LaneCount::IndexPlusOne, false, allLanes({}), allLanes({})},
    // Vek_146: the target only, 124.5 up to two lanes.
    {{115},
     Revision::Any,
     LaneCount::PowerOfTwo,
     false,
     {{{Fill::None, NoIndex, 124.5},
       {Fill::None, NoIndex, 124.5},
       {Fill::None, NoIndex, 62.5},
       {Fill::None, NoIndex, 62.5},
       {Fill::None, NoIndex, 124.5}}},
     {{{Fill::None, NoIndex, 124.5},
       {Fill::None, NoIndex, 124.5},
       {Fill::None, NoIndex, 62.5},
       {Fill::None, NoIndex, 62.5},
       {Fill::None, NoIndex, 124.5}}}},
};

bool listsSensor(const int (&sensors)[10], int sensorIndex)
{
    for (int s : sensors) {
        if (s == 0)
            break;
        if (s == sensorIndex)
            return true;
    }
    return false;
}

const ModeRule *findModeRule(int sensorIndex)
{
    for (const ModeRule &rule : kModeRules) {
        if (listsSensor(rule.sensors, sensorIndex))
            return &rule;
    }
    return nullptr;
}

const LaneRule *findLaneRule(int sensorIndex, int revIndex)
{
    for (const LaneRule &rule : kLaneRules) {
        if (!listsSensor(rule.sensors, sensorIndex))
            continue;
        if (rule.revision == Revision::Any || (rule.revision == Revision::Zero) == (revIndex == 0))
            return &rule;
    }
    return nullptr;
}

int modeBranch(int interfaceIndex)
{
    return (interfaceIndex >= 0 && interfaceIndex <= 2) ? interfaceIndex : 3;
}

int laneCase(int laneIndex)
{
    return laneIndex < 0 ? 4 : qMin(laneIndex, 3);
}

void setState(QWidget *widget, State state)
{
    if (widget && state != State::Keep)
        widget->setEnabled(state == State::On);
}

// Runs the steps of the interface-mode and lane tables on one window.
class InterfaceSteps {
public:
    // Takes the bit-depth setting before any combo changes: emptying and
    // filling the bit-depth combo runs its slot, which overwrites the setting.
    explicit InterfaceSteps(Pallador &window)
        : w(window), family(window.calvex ? window.calvex->family() : nullptr), enteredBits(window.opBits)
    {
    }

    void updateInterface(int interfaceIndex)
    {
        if (auto *base = dynamic_cast<CFamilyBase *>(family))
            base->InterfaceUpdate(interfaceIndex);
    }

    void clear(QComboBox *combo)
    {
        if (combo)
            combo->clear();
    }

    void fill(QComboBox *combo, Fill which)
    {
        if (combo && family && which != Fill::None)
            combo->addItems(list(which));
    }

    // Fills a combo that the interface slot emptied; the lane slot may have
    // filled B in between (filling L runs it), and B must not hold its list
    // twice.
    void refill(QComboBox *combo, Fill which)
    {
        if (which == Fill::None)
            return;
        if (combo && combo->count() > 0)
            combo->clear();
        fill(combo, which);
    }

    void choose(QComboBox *combo, int index)
    {
        if (!combo || index == NoIndex)
            return;
        switch (index) {
        case OpBitsIndex:
            // The entered setting when the refilled list offers it.
            index = enteredBits >= 0 && enteredBits < combo->count() ? enteredBits : w.opBits;
            break;
        case DefaultBitDepthIndex:
            index = defaultBitDepthIndex();
            break;
        case OddLaneIndex:
            index = w.oddClkRatio ? 1 : 2;
            break;
        default:
            break;
        }
        combo->setCurrentIndex(index);
    }

    void setTarget(double target)
    {
        if (target == kFamilyClock && !familyClock(&target))
            return;
        if (target != kNoTarget)
            w.ui.dSpinPLL_Target->setValue(target);
    }

    // The widget steps of an extra; the companding slot that three of them
    // end with is the caller's.
    void extra(ModeExtra extra)
    {
        switch (extra) {
        case ModeExtra::None:
        case ModeExtra::Companding:
            break;
        case ModeExtra::CompandingOff:
        case ModeExtra::CompandingOn:
            if (QCheckBox *box = w.checkCompand) {
                box->setChecked(false);
                if (extra == ModeExtra::CompandingOn) {
                    box->show();
                    box->setEnabled(true);
                }
            }
            break;
        case ModeExtra::Exposures:
            refillExposures();
            break;
        case ModeExtra::HdrOff:
            hdrOff();
            break;
        case ModeExtra::HdrFromFamily:
            hdrFromFamily();
            break;
        }
    }

private:
    QStringList list(Fill which) const
    {
        switch (which) {
        case Fill::Lanes:
            return family->laneChoices;
        case Fill::LanesOdd:
            return w.oddClkRatio ? family->laneChoicesOdd : family->laneChoices;
        case Fill::Bits:
            return family->bitDepthChoices;
        case Fill::BitsOdd:
            return w.oddClkRatio ? family->bitDepthChoicesOdd : family->bitDepthChoices;
        case Fill::BitsAlt:
            return family->bitDepthChoicesAlt;
        case Fill::None:
            break;
        }
        return {};
    }

    int defaultBitDepthIndex() const
    {
        switch (w.sensorIndex) {
        case 110:
            return Vek_128::getDefaultBitDepthIndex();
        case 111:
            return Drav_102::getDefaultBitDepthIndex();
        default:
            return -1;
        }
    }

    bool familyClock(double *clock) const
    {
        if (w.sensorIndex == 110 && w.calvex && w.calvex->vek_128) {
            *clock = w.calvex->vek_128->getDefaultPixelClockIndex();
            return true;
        }
        if (w.sensorIndex == 111 && w.calvex && w.calvex->drav_102) {
            *clock = w.calvex->drav_102->getDefaultPixelClockIndex();
            return true;
        }
        return false;
    }

    // Vek_107: the exposure counts offered for the new interface, when the
    // current context's option panel is open.
    void refillExposures()
    {
        const int c = w.currentContext;
        if (c < 0 || c > 2 || !w.advParamOn[c] || !family)
            return;
        for (QComboBox *combo : {w.comboNumExp, w.comboMax_nExposure}) {
            if (!combo)
                continue;
            combo->clear();
            combo->addItems(family->exposureChoices);
            combo->setCurrentIndex(2);
        }
    }

    // Vek_123 on the parallel interface: no HDR.
    void hdrOff()
    {
        if (!w.ui.checkAdvParam_A->isChecked())
            return;
        if (QCheckBox *hdr = w.checkHDR[0]) {
            hdr->setChecked(false);
            hdr->setEnabled(false);
        }
        for (QWidget *widget :
             std::initializer_list<QWidget *>{w.comboNumExp, w.checkInterleave[0], w.spinT1_T2, w.spinT2_T3})
            setState(widget, State::Off);
    }

    // Vek_123 on a serial interface: the HDR state of context A as the last
    // calculation left it.
    void hdrFromFamily()
    {
        if (!w.ui.checkAdvParam_A->isChecked() || !w.calvex || !w.calvex->vek_123)
            return;
        const Vek_123 &vek = *w.calvex->vek_123;
        const CContextParams &ctx = vek.ctx[0];
        const bool hdr = ctx.hdrMode != 0;
        if (QCheckBox *box = w.checkHDR[0]) {
            box->setChecked(hdr);
            box->setEnabled(true);
        }
        if (w.comboNumExp)
            w.comboNumExp->setCurrentIndex(ctx.numExposures - 2);
        setState(w.comboNumExp, hdr ? State::On : State::Off);
        setState(w.checkInterleave[0], hdr ? State::On : State::Off);
        if (QCheckBox *box = w.checkInterleave[0])
            box->setChecked(ctx.interleave != 0);
        if (w.spinT1_T2)
            w.spinT1_T2->setValue(vek.t1T2Ratio);
        if (w.spinT2_T3)
            w.spinT2_T3->setValue(vek.t2T3Ratio);
    }

    Pallador &w;
    CFamilyCore *family;
    int enteredBits;
};

} // namespace

void Pallador::comboPLL_InterMode_currentIndexChanged(int newIndex)
{
    interfaceIndex = newIndex;
    if (const ModeRule *rule = findModeRule(sensorIndex)) {
        const ModeBranch &b = rule->branches[modeBranch(newIndex)];
        InterfaceSteps steps(*this);
        if (b.update == Update::Before)
            steps.updateInterface(newIndex);
        if (b.clear) {
            steps.clear(comboPLL_Lanes);
            steps.clear(comboPLL_Bits);
        }
        if (b.update == Update::After)
            steps.updateInterface(newIndex);
        setState(comboPLL_Lanes, b.lanes.state);
        steps.refill(comboPLL_Lanes, b.lanes.fill);
        setState(comboPLL_Bits, b.bits.state);
        steps.refill(comboPLL_Bits, b.bits.fill);
        steps.choose(comboPLL_Lanes, b.lanes.index);
        steps.choose(comboPLL_Bits, b.bits.index);
        steps.extra(b.extra);
        if (b.extra == ModeExtra::Companding || b.extra == ModeExtra::CompandingOff ||
            b.extra == ModeExtra::CompandingOn)
            checkPLL_Companding_clicked();
    }
    recalc(true);
}

void Pallador::comboPLL_Lanes_currentIndexChanged(int newIndex)
{
    lanes = twoToThe(newIndex);
    if (const LaneRule *rule = findLaneRule(sensorIndex, revIndex)) {
        if (rule->count == LaneCount::IndexPlusTwo)
            lanes = saturated(newIndex, 2, 1);
        else if (rule->count == LaneCount::IndexPlusOne)
            lanes = saturated(newIndex, 1, 1);
        const LaneCase &k = (interfaceIndex != 0 ? rule->serial : rule->parallel)[laneCase(newIndex)];
        InterfaceSteps steps(*this);
        if (rule->clearBits)
            steps.clear(comboPLL_Bits);
        steps.fill(comboPLL_Bits, k.fill);
        steps.choose(comboPLL_Bits, k.index);
        steps.setTarget(k.target);
        if (k.refill != Fill::None) {
            steps.clear(comboPLL_Bits);
            steps.fill(comboPLL_Bits, k.refill);
        }
    }
    recalc(true);
}
