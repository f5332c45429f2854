// Rows of the forms Brel101_Adv (entry 12, panels A and B), Sarn106c_Adv
// (entries 14 to 20, panels A and B) and Brel103_Adv (entry 25). Included by
// tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace brel101sarn106c {

using M = CModeState;
using C = CContextParams;

// The Brel_102 sensors: the row-skipping ones, 14 and 16 to 18, and the ones
// with a window start, 15, 19 and 20, of which 19 and 20 also read it back.
struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kBrel102 = {{14, "Sarn106h"}, {15, "Vek103"}, {16, "Vek104"},  {17, "Vek105m"},
                                      {18, "Vek105t"},  {19, "Vek106"}, {20, "Sarn106c"}};

inline bool skipsRows(int entry)
{
    return entry == 14 || (entry >= 16 && entry <= 18);
}

inline bool readsStartBack(int entry)
{
    return entry == 19 || entry == 20;
}

// The size, time, HDR and binning boxes both forms have.
inline std::vector<Check> sizeAndTime(const char *colsTip,
                                      const Value &hdr = panels::flag(panels::ctx(&CContextParams::hdrMode)))
{
    return {
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", panels::ctx(&C::intgTime)),
        value("checkHDR", hdr),
        value("checkBinning", panels::factor(panels::mode(&M::binning))),
        tip("spinRows", "Output Rows: Enter desired # of rows to output in final image for this mode"),
        tip("spinCols", colsTip),
        tip("dSpinIntgTime", "Enter integration in msec."),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        tip("checkBinning", "Check to activate bin setting."),
        holds(panels::ref<&P::spinRows>(), "spinRows"),
        holds(panels::ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
        holds(panels::ref<&P::checkBinning>(), "checkBinning"),
    };
}

constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kColsTipSpelt[] = "Output Columns: Enter desired # of columns to output in final image for this mode";

// Sarn106c_Adv: panel B shows context A's HDR mode; the row-skip combo
// starts at its first item whatever the sensor skips, and is the read-mode
// combo of the panel's context.
inline std::vector<Check> sarn106c(Panel panel)
{
    std::vector<Check> checks =
        panel == Panel::A ? sizeAndTime(kColsTipSpelt)
                          : sizeAndTime(kColsTip, panels::ofContext(0, panels::flag(panels::ctx(&C::hdrMode))));
    checks.insert(checks.end(), {
                                    value("spinRowSub", panels::ctx(&C::rowSubsampling)),
                                    value("spinColSub", panels::ctx(&C::colSubsampling)),
                                    value("comboCCRow", panels::ctx(&C::ccRow)),
                                    value("comboRowSkip", 0),
                                    tip("spinRowSub", "Rows Start: Enter desired starting rows in final image"),
                                    tip("spinColSub", "Cols Start: Enter desired starting cols in final image"),
                                    tip("comboCCRow", "Exposure Ratio: Enter desired Exposure Ration for this context"),
                                    tip("comboRowSkip", "Select the row skip factor"),
                                    holds(panels::ref<&P::spinRowSub>(), "spinRowSub"),
                                    holds(panels::ref<&P::spinColSub>(), "spinColSub"),
                                    holds(panels::ref<&P::comboCCRow>(), "comboCCRow"),
                                    holds(panels::ref<&P::comboReadMode>(), "comboRowSkip"),
                                });
    return checks;
}

// Family values none of the form's own defaults equals, and a skip factor
// the row-skip combo must not follow.
inline void distinctValues(Pallador &w, CFamilyCore &f)
{
    for (int c : {0, 1}) {
        f.mode[c].outputRows = 720;
        f.mode[c].outputCols = 1280;
        f.mode[c].binning = 2;
        f.mode[c].rowSkip = 4;
        f.ctx[c].intgTime = 12.5;
        f.ctx[c].hdrMode = 1;
        f.ctx[c].rowSubsampling = 40;
        f.ctx[c].colSubsampling = 64;
        f.ctx[c].ccRow = 1;
        f.ctx[c].skipping = 4;
        w.skipping[c] = 4;
    }
}

// HDR on in context A, off in context B.
inline void hdrInContextAOnly(Pallador &, CFamilyCore &f)
{
    f.ctx[0].hdrMode = 1;
    f.ctx[1].hdrMode = 0;
}

// The opposite of what the use case left in the binning setting.
inline Value otherBinning()
{
    return panels::zero(panels::setting(&P::binning));
}

// What the engineer leaves in a Sarn106c form: every box the entry shows
// (HDR only where it is enabled), and the start boxes and exposure ratio
// also where the entry hides them, to show they are not read back.
inline std::vector<Leave> sarn106cLeft(int entry, Panel panel)
{
    std::vector<Leave> left = {
        {"spinRows", 480},   {"spinCols", 640},  {"dSpinIntgTime", 7.25}, {"checkBinning", otherBinning()},
        {"spinColSub", 100}, {"spinRowSub", 50}, {"comboCCRow", 0},       {"comboRowSkip", 3}};
    if (panel == Panel::A && !skipsRows(entry))
        left.push_back({"checkHDR", 1});
    return left;
}

// The settings a Sarn106c re-opening writes, in its order: size, time and
// binning always; the window start and exposure ratio for 19 and 20 only;
// the row skip never. HDR stays: where the entry's box is left ticked it is
// not read back, and elsewhere the box is not left (panel B's box shows
// context A's state, which an untouched box does not copy into context B).
inline std::vector<Stored> sarn106cStored(int entry, Panel)
{
    std::vector<Stored> settings = {stored("cols", &P::cols, 640), stored("rows", &P::rows, 480),
                                    stored("intgTime", &P::intgTime, 7.25)};
    settings.push_back(kept("hdrMode", &P::hdrMode));
    settings.push_back(stored("binning", &P::binning, otherBinning()));
    if (readsStartBack(entry)) {
        settings.insert(settings.end(), {stored("ccRow", &P::ccRow, 0), stored("binXOnly", &P::binXOnly, 100),
                                         stored("skipping", &P::skipping, 50)});
    } else {
        settings.insert(settings.end(),
                        {kept("ccRow", &P::ccRow), kept("binXOnly", &P::binXOnly), kept("skipping", &P::skipping)});
    }
    return settings;
}

} // namespace brel101sarn106c

inline Rows brel101Sarn106cBrel103Rows()
{
    using namespace brel101sarn106c;
    Rows rows;

    // Brel101_Adv, entry 12.
    for (Panel panel : {Panel::A, Panel::B}) {
        rows.openings.push_back(Opening{12, "Sarn102", panel}.expect(sizeAndTime(kColsTip)));
        rows.states.push_back(States{12, "Sarn102", panel});
        rows.reopenings.push_back(
            Reopening{12, "Sarn102", panel}
                .leave({{"spinRows", 400},
                        {"spinCols", 600},
                        {"dSpinIntgTime", 7.25},
                        {"checkHDR", 1},
                        {"checkBinning", otherBinning()}})
                .stores({stored("cols", &P::cols, 600), stored("rows", &P::rows, 400),
                         stored("intgTime", &P::intgTime, 7.25), stored("hdrMode", &P::hdrMode, 1),
                         stored("binning", &P::binning, otherBinning())}));
    }
    for (Panel panel : {Panel::A, Panel::B}) {
        rows.openings.push_back(Opening{12, "Sarn102", panel}
                                    .note("distinct family values")
                                    .given(distinctValues)
                                    .expect(sizeAndTime(kColsTip))
                                    .expect({shows("dSpinIntgTime", "12.500"), value("checkBinning", 1)}));
    }
    rows.kept.push_back(Kept{12, "Sarn102"}.across(Panel::B, {holds(panels::ref<&P::spinRows>(), "spinRows"),
                                                              holds(panels::ref<&P::spinCols>(), "spinCols"),
                                                              holds(panels::ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
                                                              holds(panels::ref<&P::checkHDR>(), "checkHDR"),
                                                              holds(panels::ref<&P::checkBinning>(), "checkBinning")}));

    // Sarn106c_Adv, entries 14 to 20: the exposure ratio and the window
    // start, or the row skip; HDR disabled where rows are skipped, and in
    // panel B everywhere.
    const QStringList windowStart = {"labelExpRatio", "labelColStart", "labelRowStart",
                                     "comboCCRow",    "spinRowSub",    "spinColSub"};
    const QStringList rowSkip = {"labelSkipFactor", "comboRowSkip"};
    for (const Sensor &s : kBrel102) {
        const bool skipping = skipsRows(s.entry);
        for (Panel panel : {Panel::A, Panel::B}) {
            rows.openings.push_back(Opening{s.entry, s.sample, panel}.expect(sarn106c(panel)));
            rows.states.push_back(
                States{s.entry, s.sample, panel}
                    .hidden(skipping ? windowStart : rowSkip)
                    .disabled(skipping || panel == Panel::B ? QStringList{"checkHDR"} : QStringList{}));
            rows.reopenings.push_back(Reopening{s.entry, s.sample, panel}
                                          .given(hdrInContextAOnly)
                                          .leave(sarn106cLeft(s.entry, panel))
                                          .stores(sarn106cStored(s.entry, panel)));
        }
    }
    for (Panel panel : {Panel::A, Panel::B}) {
        rows.openings.push_back(Opening{20, "Sarn106c", panel}
                                    .note("distinct family values")
                                    .given(distinctValues)
                                    .expect(sarn106c(panel)));
        rows.openings.push_back(
            Opening{16, "Vek104", panel}.note("distinct family values").given(distinctValues).expect(sarn106c(panel)));
    }
    rows.openings.push_back(Opening{19, "Vek106", Panel::B}
                                .note("context A's HDR")
                                .given(hdrInContextAOnly)
                                .expect({value("checkHDR", 1)}));
    for (const Sensor &s : {kBrel102[0], kBrel102[6]}) {
        rows.kept.push_back(Kept{s.entry, s.sample}.across(
            Panel::B,
            {holds(panels::ref<&P::comboReadMode>(), "comboRowSkip"),
             holds(panels::ref<&P::comboCCRow>(), "comboCCRow"), holds(panels::ref<&P::spinRowSub>(), "spinRowSub"),
             holds(panels::ref<&P::spinColSub>(), "spinColSub"), holds(panels::ref<&P::checkHDR>(), "checkHDR")}));
    }

    // Brel103_Adv, entry 25: the output size as the result pane counts it,
    // the border on each side included.
    const std::vector<Check> brel103 = {
        value("checkSkipping", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinning", panels::flag(panels::mode(&M::summing))),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        noTip("checkSkipping"),
        noTip("checkBinning"),
        noTip("spinRows"),
        noTip("spinCols"),
    };
    rows.openings.push_back(Opening{25, "Sarn109"}.expect(brel103));
    rows.openings.push_back(Opening{25, "Sarn109"}
                                .note("1928 x 1088 with a border of 4, no column skip")
                                .given([](Pallador &, CFamilyCore &f) {
                                    f.mode[0].outputCols = 1928;
                                    f.mode[0].outputRows = 1088;
                                    f.pll.borderSize = 4;
                                    f.mode[0].colSkip = 1;
                                    f.mode[0].summing = 1;
                                })
                                .expect({value("spinCols", 1928), value("spinRows", 1088), value("checkSkipping", 0),
                                         value("checkBinning", 1)}));
    rows.openings.push_back(Opening{25, "Sarn109"}
                                .note("column skip factor 2")
                                .given([](Pallador &, CFamilyCore &f) {
                                    f.mode[0].colSkip = 2;
                                    f.mode[0].summing = 0;
                                })
                                .expect({value("checkSkipping", 1), value("checkBinning", 0)}));
    rows.states.push_back(States{25, "Sarn109"});
    rows.reopenings.push_back(
        Reopening{25, "Sarn109"}
            .leave({{"checkSkipping", 1}, {"checkBinning", 1}, {"spinCols", 1000}, {"spinRows", 700}})
            .stores({stored("skipping", &P::skipping, 2), stored("binning", &P::binning, 1),
                     stored("cols", &P::cols, 1000), stored("rows", &P::rows, 700)}));
    return rows;
}

} // namespace advpanels
