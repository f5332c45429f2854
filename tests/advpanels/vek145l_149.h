// Rows of the forms Vek145l_Adv (entry 41) and Vek149_Adv (entries 42 to 45,
// two families alike), panel A. Included by tst_advpanels.cpp after the row
// types.
#pragma once

#include <cstddef>
#include <utility>

namespace advpanels {

namespace vek145l149 {

using M = CModeState;
using C = CContextParams;

// ---------------------------------------------------------------------------
// Vek145l_Adv: sixteen focal-plane boxes, row by row.

constexpr const char *kPlanes[16] = {
    "spinFP1", "spinFP2",  "spinFP3",  "spinFP4",  "spinFP5",  "spinFP6",  "spinFP7",  "spinFP8",
    "spinFP9", "spinFP10", "spinFP11", "spinFP12", "spinFP13", "spinFP14", "spinFP15", "spinFP16",
};

// Box i is the window's focal-plane reference i.
template <std::size_t... I> std::vector<Check> planesHeld(std::index_sequence<I...>)
{
    return {holds(panels::ref<&P::spinFP, int(I)>(), kPlanes[I])...};
}

// The family's options, 0 (active) or 2 (power down), with reducedPower
// also 1 (reduced power), in no regular pattern, so that a box showing
// another plane's option fails; and the revision the window holds when the
// panel first opens.
inline Given planesAndRevision(int revision, bool reducedPower = false)
{
    return [revision, reducedPower](Pallador &w, CFamilyCore &f) {
        for (int i = 0; i < 16; ++i) {
            const bool down = i == 1 || i == 4 || i == 6 || i == 11 || i == 15;
            const bool reduced = reducedPower && (i == 2 || i == 7 || i == 8 || i == 13);
            f.ctx[0].fpOptions[i] = down ? 2 : reduced ? 1 : 0;
        }
        f.mode[0].colSkip = 2;
        f.mode[0].rowSkip = 1;
        f.ctx[0].interleave = 1;
        f.ctx[0].scaleM = 12;
        w.revIndex = revision;
    };
}

inline const QString kLegendRev1 = QStringLiteral("0: Active\n1: Power Down");
inline const QString kLegendRev2 = QStringLiteral("0: Active\n1: Reduced Power\n2: Power Down");

constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";

// The named widgets: starting values, tool tips and the members they fill.
inline std::vector<Check> vek145lNamed()
{
    return {
        value("checkSkipping", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinXonly", panels::factor(panels::mode(&M::rowSkip))),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", panels::ctx(&C::intgTime)),
        value("spinFocalPlanes", panels::ctx(&C::scaleM)),
        value("checkFreeRun", panels::flag(panels::ctx(&C::interleave))),
        value("comboPackMod", 0),
        value("checkActivateAll", 0),
        value("comboRev", 0),
        tip("checkSkipping", "Check to activate skip setting."),
        tip("checkBinXonly", "Check to activate bin setting."),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", "Enter integration in msec."),
        tip("checkFreeRun", "Check to activate Free Running mode"),
        noTip("spinFocalPlanes"),
        noTip("comboPackMod"),
        noTip("checkActivateAll"),
        noTip("comboRev"),
        noTip("spinFP1"),
        noTip("spinFP16"),
        holds(panels::ref<&P::checkSkipping>(), "checkSkipping"),
        holds(panels::ref<&P::checkBinXonly>(), "checkBinXonly"),
        holds(panels::ref<&P::spinScaleM>(), "spinFocalPlanes"),
        holds(panels::ref<&P::checkInterleave>(), "checkFreeRun"),
        holds(panels::ref<&P::comboCCRow>(), "comboPackMod"),
        holds(panels::ref<&P::checkActivateAll>(), "checkActivateAll"),
        holds(panels::ref<&P::comboPLL_REV>(), "comboRev"),
    };
}

// The focal-plane boxes after the revision slot: the family's option of
// the plane, in the revision's terms (revision 1 knows 0 and 1 only, so
// power down is 1 and reduced power is active).
inline std::vector<Check> planesShown(int revision)
{
    std::vector<Check> checks = planesHeld(std::make_index_sequence<16>());
    for (int i = 0; i < 16; ++i) {
        const Value option = panels::ctx(&C::fpOptions, i);
        checks.push_back(value(kPlanes[i], revision == 0 ? panels::oneOf(option, {2}) : option));
    }
    checks.push_back(shows("label_FP_Options", revision == 0 ? kLegendRev1 : kLegendRev2));
    return checks;
}

// The family's option of each plane once the panel has calculated: the
// option given to the family, or with toFirstRevision what is left of it
// after the boxes went to revision index 0 (reduced power becomes active).
inline std::vector<Check> familyOptions(bool toFirstRevision)
{
    static constexpr const char *kOptions[16] = {
        "fpOptions[0]",  "fpOptions[1]",  "fpOptions[2]",  "fpOptions[3]",  "fpOptions[4]",  "fpOptions[5]",
        "fpOptions[6]",  "fpOptions[7]",  "fpOptions[8]",  "fpOptions[9]",  "fpOptions[10]", "fpOptions[11]",
        "fpOptions[12]", "fpOptions[13]", "fpOptions[14]", "fpOptions[15]",
    };
    std::vector<Check> checks;
    for (int i = 0; i < 16; ++i) {
        const Value option = panels::ctx(&C::fpOptions, i);
        const Value left = [option, toFirstRevision](const Pallador &w, const CFamilyCore &f, int c) {
            const double given = option(w, f, c);
            return toFirstRevision && given == 1 ? 0.0 : given;
        };
        checks.push_back(outcome(kOptions[i], option, left));
    }
    return checks;
}

// The value of a register row of the last calculation, -1 without the row.
inline Value registerShown(const char *name)
{
    return [name](const Pallador &w, const CFamilyCore &, int) -> double {
        for (int i = 0; i < qBound(0, w.regCount, int(Pallador::RegRowCapacity)); ++i) {
            if (w.regs[i].name == QLatin1String(name))
                return w.regs[i].value;
        }
        return -1.0;
    };
}

// Selects revision items of the panel's own list, one after the other.
inline Given chooseRevisions(std::vector<int> items)
{
    return [items = std::move(items)](Pallador &w, CFamilyCore &) {
        for (int item : items)
            w.comboPLL_REV->setCurrentIndex(item);
    };
}

// A setting of the window that the read-back must leave alone.
inline Stored untouched(const char *name, Value setting)
{
    return {name, std::move(setting), std::nullopt};
}

// A value other than the one the close left, inside a spin box's range.
inline Value otherThan(Value v, double usual, double other)
{
    return [v = std::move(v), usual, other](const Pallador &w, const CFamilyCore &f, int c) {
        return v(w, f, c) == usual ? other : usual;
    };
}

// Tool tips lost between the close and the re-opening.
inline void clearTips(Pallador &w, CFamilyCore &)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{w.checkSkipping[0], w.spinRows[0], w.spinCols[0],
                                                            w.dSpinIntgTime[0], w.checkInterleave[0]})
        widget->setToolTip(QString());
}

// ---------------------------------------------------------------------------
// Vek149_Adv.

struct Sensor {
    int entry;
    const char *sample;
};
// Vek_147 (42, 43) and Vek_149 (44, 45).
const std::vector<Sensor> kVek149 = {{42, "Vek147"}, {43, "Vek148n"}, {44, "Vek149"}, {45, "Vek150n"}};

inline std::vector<Check> vek149Checks()
{
    return {
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", panels::ctx(&C::intgTime)),
        value("spinReadMode", panels::ctx(&C::skipping)),
        value("checkBinning", panels::flag(panels::ctx(&C::binning))),
        value("checkHDR", panels::flag(panels::ctx(&C::hdrMode))),
        value("checkPLL_DarkRows", panels::flag(panels::pll(&CPllParams::darkRows))),
        value("checkPLL_DarkCols", panels::flag(panels::pll(&CPllParams::darkColumns))),
        value("checkLowPower", panels::flag(panels::mode(&M::lowPower))),
        value("spinScaler", panels::ctx(&C::scaler)),
        value("spinScaleM", panels::ctx(&C::scaleM)),
        value("spinSMode", panels::ctx(&C::sMode)),
        value("checkTxLatch", panels::flag(panels::ctx(&C::txLatch))),
        shows("checkPLL_DarkRows", QStringLiteral("Show Dark Cols")),
        shows("checkPLL_DarkCols", QStringLiteral("Show Dark Rows")),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", "Enter integration in msec."),
        tip("spinReadMode", "Enter the sensor read out mode (1, 2, 4)"),
        tip("checkBinning", "Check to activate y summing setting"),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        tip("checkPLL_DarkRows", "Check to activate the dark rows in the output"),
        tip("checkPLL_DarkCols", "Check to activate the dark cols in the output"),
        tip("checkLowPower", "Check to activate low-power setting"),
        tip("spinScaler", "Enter the Scaler mode (0 ~ 2"),
        tip("spinScaleM", "Enter the Scale M value (16 ~ 96)"),
        noTip("spinSMode"),
        tip("checkTxLatch", "Check when you want row sample to overlap readout"),
        holds(panels::ref<&P::spinReadMode>(), "spinReadMode"),
        holds(panels::ref<&P::checkBinning>(), "checkBinning"),
        holds(panels::ref<&P::checkHDR>(), "checkHDR"),
        holds(panels::ref<&P::checkLowPower>(), "checkLowPower"),
        holds(panels::ref<&P::spinScaler>(), "spinScaler"),
        holds(panels::ref<&P::spinScaleM>(), "spinScaleM"),
        holds(panels::ref<&P::spinSMode>(), "spinSMode"),
        holds(panels::ref<&P::checkTxLatch>(), "checkTxLatch"),
    };
}

inline std::vector<Check> darkBoxesHeld()
{
    return {holds(panels::ref<&P::checkPLL_DarkRows>(), "checkPLL_DarkRows"),
            holds(panels::ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols")};
}

// Family values none of the form's defaults equals; the dark-rows box on and
// the dark-columns box off, so that swapped boxes fail.
inline void distinctValues(Pallador &, CFamilyCore &f)
{
    f.mode[0].outputRows = 1000;
    f.mode[0].outputCols = 1600;
    f.mode[0].lowPower = 1;
    f.ctx[0].intgTime = 21.5;
    f.ctx[0].skipping = 2;
    f.ctx[0].binning = 1;
    f.ctx[0].hdrMode = 1;
    f.ctx[0].scaler = 1;
    f.ctx[0].scaleM = 48;
    f.ctx[0].sMode = 3;
    f.ctx[0].txLatch = true;
    f.pll.darkRows = true;
    f.pll.darkColumns = false;
}

// What the engineer leaves in a Vek149 form, the read-out mode as given,
// and the settings the re-opening writes; "Low Power", "Mode:", "Overlap
// Timing" and the dark-pixel boxes are not read back.
inline Reopening vek149Reopening(const Sensor &s, int readMode, int storedMode)
{
    const Value otherBinning = panels::zero(panels::setting(&P::binning));
    const Value otherHdr = panels::zero(panels::setting(&P::hdrMode));
    const Value otherLowPower = panels::zero(panels::setting(&P::lowPower));
    const Value otherTxLatch = panels::zero(panels::setting(&P::txLatch));
    return Reopening{s.entry, s.sample}
        .leave({{"spinCols", 1280},
                {"spinRows", 720},
                {"dSpinIntgTime", 3.5},
                {"spinReadMode", readMode},
                {"checkBinning", otherBinning},
                {"checkHDR", otherHdr},
                {"spinScaler", otherThan(panels::setting(&P::scaler), 2, 1)},
                {"spinScaleM", 64},
                {"checkLowPower", otherLowPower},
                {"spinSMode", otherThan(panels::setting(&P::sMode), 4, 3)},
                {"checkTxLatch", otherTxLatch},
                {"checkPLL_DarkRows", panels::zero(panels::setting(&P::darkRows))},
                {"checkPLL_DarkCols", panels::zero(panels::setting(&P::darkCols))}})
        .stores({stored("cols", &P::cols, 1280), stored("rows", &P::rows, 720), stored("intgTime", &P::intgTime, 3.5),
                 stored("skipping", &P::skipping, storedMode), stored("binning", &P::binning, otherBinning),
                 stored("hdrMode", &P::hdrMode, otherHdr),
                 stored("scaler", &P::scaler, otherThan(panels::setting(&P::scaler), 2, 1)),
                 stored("scaleM", &P::scaleM, 64), kept("lowPower", &P::lowPower), kept("sMode", &P::sMode),
                 kept("txLatch", &P::txLatch), untouched("darkRows", panels::setting(&P::darkRows)),
                 untouched("darkCols", panels::setting(&P::darkCols))});
}

} // namespace vek145l149

inline Rows vek145l149Rows()
{
    using namespace vek145l149;
    Rows rows;

    // Vek145l_Adv, entry 41: the revision slot runs once, relabels the
    // legend, puts the boxes in the revision's terms and calculates; the
    // boxes are connected only after it, so converting them calculates
    // nothing more.
    for (int revision : {0, 1}) {
        rows.openings.push_back(Opening{41, "Vek145l"}
                                    .note(revision == 0 ? "revision index 0" : "revision index 1")
                                    .given(planesAndRevision(revision))
                                    .calculations(1)
                                    .expect(vek145lNamed())
                                    .expect(planesShown(revision)));
    }
    // Opening the panel keeps the family's options, reduced power among
    // them, so the reduced-power planes stay addressed (serial write index
    // 0). The list shows "Rev1" whatever the window's revision: choosing
    // "Rev2" while the window is already at revision index 1 changes no
    // option; a change between index 0 (active, power down) and a later
    // revision (active, reduced power, power down) keeps what each plane
    // does, and reduced power, unknown to index 0, becomes active.
    rows.openings.push_back(Opening{41, "Vek145l"}
                                .note("revision index 1, reduced power kept")
                                .given(planesAndRevision(1, true))
                                .calculations(1)
                                .expect(planesShown(1))
                                .expect(familyOptions(false))
                                .expect({outcome("SERIAL_WRITE_INDEX_S", registerShown("SERIAL_WRITE_INDEX_S"), 0.0)}));
    rows.openings.push_back(Opening{41, "Vek145l"}
                                .note("revision index 1 chosen again, then index 0")
                                .given(planesAndRevision(1, true))
                                .then(chooseRevisions({1, 0}))
                                .calculations(1)
                                .expect(planesShown(0))
                                .expect(familyOptions(true)));
    rows.openings.push_back(Opening{41, "Vek145l"}
                                .note("revision index 0, then index 1")
                                .given(planesAndRevision(0))
                                .then(chooseRevisions({1}))
                                .calculations(1)
                                .expect(planesShown(1))
                                .expect(familyOptions(false)));
    rows.states.push_back(States{41, "Vek145l"}.disabled({"spinFocalPlanes"}));
    rows.reopenings.push_back(
        Reopening{41, "Vek145l"}
            .leave({{"checkSkipping", panels::zero(panels::setting(&P::skipping))},
                    {"checkBinXonly", panels::zero(panels::setting(&P::binXOnly))},
                    {"spinCols", 640},
                    {"spinRows", 480},
                    {"dSpinIntgTime", 12.25},
                    {"checkFreeRun", panels::zero(panels::setting(&P::interleave))},
                    {"spinFP1", panels::zero([](const Pallador &w, const CFamilyCore &, int) -> double {
                         return w.fpOptions[0];
                     })},
                    {"spinFocalPlanes", otherThan(panels::setting(&P::scaleM), 9, 10)},
                    {"comboPackMod", 3},
                    {"checkActivateAll", panels::zero(panels::setting(&P::activateAll))},
                    {"comboRev", panels::zero(panels::setting(&P::revIndex))}})
            .stores({stored("skipping", &P::skipping, panels::zero(panels::setting(&P::skipping))),
                     stored("binXOnly", &P::binXOnly, panels::zero(panels::setting(&P::binXOnly))),
                     stored("cols", &P::cols, 640), stored("rows", &P::rows, 480),
                     stored("intgTime", &P::intgTime, 12.25),
                     stored("interleave", &P::interleave, panels::zero(panels::setting(&P::interleave))),
                     untouched("fpOptions[0]",
                               [](const Pallador &w, const CFamilyCore &, int) -> double { return w.fpOptions[0]; }),
                     kept("scaleM", &P::scaleM), kept("ccRow", &P::ccRow),
                     untouched("activateAll", panels::setting(&P::activateAll)),
                     untouched("revIndex", panels::setting(&P::revIndex))})
            .after({tip("checkSkipping", "Check to activate skip setting."), tip("spinRows", kRowsTip),
                    tip("spinCols", kColsTip), tip("dSpinIntgTime", "Enter integration in msec."),
                    tip("checkFreeRun", "Check to activate Free Running mode"), noTip("spinFP1")},
                   clearTips));
    rows.kept.push_back(Kept{41, "Vek145l"}.across(Panel::Pll, [] {
        std::vector<Check> held = planesHeld(std::make_index_sequence<16>());
        held.push_back(holds(panels::ref<&P::comboPLL_REV>(), "comboRev"));
        held.push_back(holds(panels::ref<&P::spinScaleM>(), "spinFocalPlanes"));
        return held;
    }()));

    // Vek149_Adv, entries 42 to 45: each reads its own family object.
    for (const Sensor &s : kVek149) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek149Checks()));
        rows.openings.push_back(
            Opening{s.entry, s.sample}.note("distinct family values").given(distinctValues).expect(vek149Checks()));
        rows.states.push_back(States{s.entry, s.sample});
        rows.reopenings.push_back(vek149Reopening(s, 3, 4).note("read-out mode 3 stored as 4"));
        rows.kept.push_back(Kept{s.entry, s.sample}.across(Panel::Pll, darkBoxesHeld()));
    }
    rows.reopenings.push_back(vek149Reopening(kVek149[2], 2, 2).note("read-out mode 2"));
    return rows;
}

} // namespace advpanels
