// Rows of the forms Brel104_Adv (entries 28 and 29, panels A and B),
// Brel105_Adv (entry 30, panels A and B), Brel106_Adv (entries 32 and 33)
// and Brel107_Adv (entries 34 to 36). Included by tst_advpanels.cpp after
// the row types.
#pragma once

namespace advpanels {

namespace brel104to107 {

using M = CModeState;
using C = CContextParams;

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kBrel104 = {{28, "Sarn111"}, {29, "Vek130t"}};
const Sensor kBrel105 = {30, "Sarn112"};
const std::vector<Sensor> kBrel106 = {{32, "Sarn115"}, {33, "Sarn114vw"}};
const std::vector<Sensor> kBrel107 = {{34, "Sarn117"}, {35, "Sarn118"}, {36, "Sarn119"}};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";

// The field of view in use (or not) in both contexts of the family.
inline Given fieldOfView(bool on)
{
    return [on](Pallador &, CFamilyCore &f) {
        f.ctx[0].useFov = on;
        f.ctx[1].useFov = on;
    };
}

// Family values none of the forms' own defaults equals: a row sub-sampling
// factor of 2 ticks "Row Subsampling", a column factor of 1 leaves "Column
// Subsampling" unticked.
inline void distinctValues(Pallador &, CFamilyCore &f)
{
    for (int c : {0, 1}) {
        f.mode[c].outputRows = 720;
        f.mode[c].outputCols = 1280;
        f.mode[c].fovRows = 1000;
        f.mode[c].fovCols = 1500;
        f.mode[c].rowSkip = 2;
        f.mode[c].colSkip = 1;
        f.ctx[c].intgTime = 12.5;
        f.ctx[c].hdrMode = 1;
        f.ctx[c].interleave = 1;
        f.ctx[c].highSpeed = true;
    }
}

// The sub-sampling and size boxes both field-of-view forms have: their
// family values, and the members they go into.
inline std::vector<Check> sizeBoxes()
{
    return {
        value("checkSkipping", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinXonly", panels::factor(panels::mode(&M::rowSkip))),
        value("spinColSub", 1),
        value("spinRowSub", 1),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", panels::ctx(&C::intgTime)),
        value("checkUseFOV", panels::ctx(&C::useFov)),
        holds(panels::ref<&P::checkSkipping>(), "checkSkipping"),
        holds(panels::ref<&P::checkBinXonly>(), "checkBinXonly"),
        holds(panels::ref<&P::spinColSub>(), "spinColSub"),
        holds(panels::ref<&P::spinRowSub>(), "spinRowSub"),
        holds(panels::ref<&P::spinRows>(), "spinRows"),
        holds(panels::ref<&P::spinCols>(), "spinCols"),
        holds(panels::ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
        holds(panels::ref<&P::checkUseFOV>(), "checkUseFOV"),
    };
}

// Brel104_Adv: its tool tips in panel A, none in panel B.
inline std::vector<Check> brel104Tips(Panel panel)
{
    const std::vector<std::pair<const char *, const char *>> tips = {
        {"checkSkipping", "Check to activate skip setting."},
        {"checkBinXonly", "Check to activate bin setting."},
        {"spinColSub", "Select column sub-sampling setting."},
        {"spinRowSub", "Select row sub-sampling setting."},
        {"spinRows", kRowsTip},
        {"spinCols", kColsTip},
        {"dSpinIntgTime", "Enter integration in msec."},
        {"checkUseFOV", "Check to use Field of View for row/column settings."},
        {"checkHDR", "Check to enable High Dynamic Range mode"},
        {"checkInterleave", "Check to activate interleave mode"},
    };
    std::vector<Check> checks;
    for (const auto &[name, text] : tips)
        checks.push_back(panel == Panel::A ? tip(name, text) : noTip(name));
    return checks;
}

inline std::vector<Check> brel104(Panel panel)
{
    std::vector<Check> checks = sizeBoxes();
    checks.insert(checks.end(), {
                                    value("checkHDR", panels::flag(panels::ctx(&C::hdrMode))),
                                    value("checkInterleave", panels::flag(panels::ctx(&C::interleave))),
                                    holds(panels::ref<&P::checkHDR>(), "checkHDR"),
                                    holds(panels::ref<&P::checkInterleave>(), "checkInterleave"),
                                });
    const std::vector<Check> tips = brel104Tips(panel);
    checks.insert(checks.end(), tips.begin(), tips.end());
    return checks;
}

// Brel105_Adv: no tool tips; panel B only looks its short-sequencer box up.
inline std::vector<Check> brel105(Panel panel)
{
    std::vector<Check> checks = sizeBoxes();
    checks.insert(checks.end(), {
                                    value("spinFovR", panels::mode(&M::fovRows)),
                                    value("spinFovC", panels::mode(&M::fovCols)),
                                    value("checkHighSpeed", panels::ctx(&C::highSpeed)),
                                    holds(panels::ref<&P::spinFovR>(), "spinFovR"),
                                    holds(panels::ref<&P::spinFovC>(), "spinFovC"),
                                    holds(panels::ref<&P::checkHighSpeed>(), "checkHighSpeed"),
                                    holds(panels::ref<&P::checkShortSeq>(), "checkShortSeq"),
                                    noTip("spinRows"),
                                    noTip("checkUseFOV"),
                                    noTip("spinFovC"),
                                });
    if (panel == Panel::A) {
        checks.push_back(value("checkShortSeq", [](const Pallador &, const CFamilyCore &f, int) -> double {
            return static_cast<const Brel_105 &>(f).shortSeq;
        }));
    }
    return checks;
}

// The opposite of what the use case left in a setting the box stores as 0
// or 1.
template <class T, std::size_t N> Value opposite(T (SensorSettings::*field)[N])
{
    return panels::zero(panels::setting(field));
}

// Every tool tip of the open form emptied, so that only the re-opening can
// have set them again.
inline void clearToolTips(Pallador &w, CFamilyCore &)
{
    for (QWidget *widget : w.advForm[0]->findChildren<QWidget *>())
        widget->setToolTip(QString());
}

} // namespace brel104to107

inline Rows brel104To107Rows()
{
    using namespace brel104to107;
    Rows rows;

    // Brel104_Adv, entries 28 and 29: the field of view decides which way of
    // sub-sampling is open.
    for (const Sensor &s : kBrel104) {
        for (Panel panel : {Panel::A, Panel::B}) {
            rows.openings.push_back(Opening{s.entry, s.sample, panel}.expect(brel104(panel)));
            rows.openings.push_back(Opening{s.entry, s.sample, panel}
                                        .note("distinct family values")
                                        .given(distinctValues)
                                        .expect(brel104(panel)));
            rows.states.push_back(States{s.entry, s.sample, panel}
                                      .note("field of view off")
                                      .given(fieldOfView(false))
                                      .hidden({"spinColSub", "spinRowSub"})
                                      .disabled({"checkInterleave"}));
            rows.states.push_back(States{s.entry, s.sample, panel}
                                      .note("field of view on")
                                      .given(fieldOfView(true))
                                      .disabled({"checkSkipping", "checkBinXonly", "checkInterleave"}));
            // Unticked: the two boxes' states; ticked: the spin boxes, rows
            // into skipping and columns into the column-only setting.
            rows.reopenings.push_back(
                Reopening{s.entry, s.sample, panel}
                    .note("field of view unticked")
                    .leave({{"checkUseFOV", 0},
                            {"spinRowSub", 2},
                            {"spinColSub", 3},
                            {"checkSkipping", opposite(&P::skipping)},
                            {"checkBinXonly", opposite(&P::binXOnly)},
                            {"spinCols", 1200},
                            {"spinRows", 1000},
                            {"dSpinIntgTime", 7.25},
                            {"checkInterleave", opposite(&P::interleave)},
                            {"checkHDR", opposite(&P::hdrMode)}})
                    .stores({kept("useFov", &P::useFov), stored("skipping", &P::skipping, opposite(&P::skipping)),
                             stored("binXOnly", &P::binXOnly, opposite(&P::binXOnly)), stored("cols", &P::cols, 1200),
                             stored("rows", &P::rows, 1000), stored("intgTime", &P::intgTime, 7.25),
                             stored("interleave", &P::interleave, opposite(&P::interleave)),
                             stored("hdrMode", &P::hdrMode, opposite(&P::hdrMode))}));
            rows.reopenings.push_back(Reopening{s.entry, s.sample, panel}
                                          .note("field of view ticked")
                                          .leave({{"checkUseFOV", 1},
                                                  {"spinRowSub", 2},
                                                  {"spinColSub", 3},
                                                  {"checkSkipping", 1},
                                                  {"checkBinXonly", 1},
                                                  {"spinCols", 1200},
                                                  {"spinRows", 1000}})
                                          .stores({stored("useFov", &P::useFov, 1), stored("skipping", &P::skipping, 2),
                                                   stored("binXOnly", &P::binXOnly, 3), stored("cols", &P::cols, 1200),
                                                   stored("rows", &P::rows, 1000)}));
        }
    }
    // Panel A sets its tool tips again after the re-opening's calculation.
    rows.reopenings.push_back(Reopening{28, "Sarn111"}
                                  .note("tool tips again")
                                  .leave({{"spinRows", 1000}})
                                  .stores({stored("rows", &P::rows, 1000)})
                                  .after(brel104Tips(Panel::A), clearToolTips));
    rows.kept.push_back(Kept{28, "Sarn111"}.across(Panel::B, brel104(Panel::A)));

    // Brel105_Adv, entry 30: the field-of-view boxes open with the field of
    // view, which then gives the size.
    const Sensor &s = kBrel105;
    for (Panel panel : {Panel::A, Panel::B}) {
        const QStringList shortSeq =
            panel == Panel::B ? QStringList{"checkShortSeq", "labelShortSeqNote"} : QStringList{};
        rows.openings.push_back(Opening{s.entry, s.sample, panel}.expect(brel105(panel)));
        rows.openings.push_back(Opening{s.entry, s.sample, panel}
                                    .note("distinct family values")
                                    .given(distinctValues)
                                    .expect(brel105(panel)));
        rows.states.push_back(States{s.entry, s.sample, panel}
                                  .note("field of view off")
                                  .given(fieldOfView(false))
                                  .hidden(QStringList{"spinColSub", "spinRowSub"} + shortSeq)
                                  .disabled({"spinFovR", "spinFovC"}));
        rows.states.push_back(States{s.entry, s.sample, panel}
                                  .note("field of view on")
                                  .given(fieldOfView(true))
                                  .hidden(shortSeq)
                                  .disabled({"checkSkipping", "checkBinXonly"}));
        // Unticked: the output boxes and the two boxes' states, each box the
        // user changed. Context A's use case has no sub-sampling: "Column
        // Subsampling" ticked there reads every second column and every row,
        // so the field of view the calculation then shows in its boxes is
        // twice the output columns by the output rows. Context B's use case
        // ticks both boxes; unticking both reads every column and row. The
        // field-of-view boxes are left at what the calculation shows, which
        // keeps the register refresh from changing them, whose slots would
        // calculate again.
        const bool contextA = panel == Panel::A;
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample, panel}
                .note("field of view unticked")
                .leave({{"checkUseFOV", 0},
                        {"checkSkipping", contextA ? 1 : 0},
                        {"checkBinXonly", 0},
                        {"spinCols", 1000},
                        {"spinRows", 1000},
                        {"spinFovC", contextA ? 2000 : 1000},
                        {"spinFovR", 1000},
                        {"checkHighSpeed", opposite(&P::highSpeed)},
                        {"dSpinIntgTime", 7.25}})
                .stores({kept("useFov", &P::useFov), stored("cols", &P::cols, 1000), stored("rows", &P::rows, 1000),
                         stored("skipping", &P::skipping, contextA ? 1 : 0),
                         contextA ? kept("binXOnly", &P::binXOnly) : stored("binXOnly", &P::binXOnly, 0),
                         stored("highSpeed", &P::highSpeed, opposite(&P::highSpeed)),
                         stored("intgTime", &P::intgTime, 7.25)}));
        // Ticked: the field-of-view boxes become the size the calculation
        // takes, and the sub-sampling spin boxes the factors. The output
        // boxes are left at the size the library reads out of that field of
        // view (skipping by 3 takes every third column too): a calculation
        // of another field of view would change them through the register
        // refresh, whose slots would calculate again.
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample, panel}
                .note("field of view ticked")
                .leave({{"checkUseFOV", 1},
                        {"spinFovC", 1200},
                        {"spinFovR", 900},
                        {"spinRowSub", 3},
                        {"spinColSub", 2},
                        {"spinCols", 400},
                        {"spinRows", 300}})
                .stores({stored("useFov", &P::useFov, 1), stored("cols", &P::cols, 1200), stored("rows", &P::rows, 900),
                         stored("fovCols", &P::fovCols, 1200), stored("fovRows", &P::fovRows, 900),
                         stored("skipping", &P::skipping, 3), stored("binXOnly", &P::binXOnly, 2)})
                .after({value("spinCols", 400), value("spinRows", 300)}));
    }
    rows.kept.push_back(Kept{30, "Sarn112"}.across(Panel::B, brel105(Panel::A)));

    // Brel106_Adv, entries 32 and 33: "Centering" only for a centering of
    // exactly 1; the shutter delay is not read back.
    const std::vector<Check> brel106 = {
        value("checkSkipping", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinning", panels::factor(panels::mode(&M::binning))),
        value("checkCentering", panels::oneOf(panels::ctx(&C::centering), {1})),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("spinSMode", panels::ctx(&C::sMode)),
        holds(panels::ref<&P::checkCentering>(), "checkCentering"),
        holds(panels::ref<&P::spinSMode>(), "spinSMode"),
        noTip("checkSkipping"),
        noTip("spinSMode"),
    };
    for (const Sensor &b : kBrel106) {
        rows.openings.push_back(Opening{b.entry, b.sample}.expect(brel106));
        rows.states.push_back(States{b.entry, b.sample});
        rows.reopenings.push_back(
            Reopening{b.entry, b.sample}
                .leave({flippedSkip("checkSkipping", &P::skipping),
                        {"checkBinning", opposite(&P::binning)},
                        {"checkCentering", opposite(&P::centering)},
                        {"spinCols", 700},
                        {"spinRows", 500},
                        {"spinSMode", 99}})
                .stores({stored("skipping", &P::skipping, flippedSkipFactor(&P::skipping)),
                         stored("binning", &P::binning, opposite(&P::binning)),
                         stored("centering", &P::centering, opposite(&P::centering)), stored("cols", &P::cols, 700),
                         stored("rows", &P::rows, 500), kept("sMode", &P::sMode)}));
    }
    for (int centering : {1, 2}) {
        rows.openings.push_back(
            Opening{32, "Sarn115"}
                .note(centering == 1 ? "centering 1, skip and bin factors 2" : "centering 2, skip and bin factors 1")
                .given([centering](Pallador &, CFamilyCore &f) {
                    f.ctx[0].centering = centering;
                    f.ctx[0].sMode = 77;
                    f.mode[0].colSkip = centering;
                    f.mode[0].binning = centering;
                })
                .expect({value("checkCentering", centering == 1 ? 1 : 0),
                         value("checkSkipping", centering == 2 ? 1 : 0), value("checkBinning", centering == 2 ? 1 : 0),
                         value("spinSMode", 77)}));
    }

    // Brel107_Adv, entries 34 to 36.
    const std::vector<Check> brel107 = {
        value("checkSkipping", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinning", panels::factor(panels::mode(&M::binning))),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        holds(panels::ref<&P::checkSkipping>(), "checkSkipping"),
        holds(panels::ref<&P::checkBinning>(), "checkBinning"),
        holds(panels::ref<&P::spinRows>(), "spinRows"),
        holds(panels::ref<&P::spinCols>(), "spinCols"),
        noTip("checkBinning"),
        noTip("spinRows"),
    };
    for (const Sensor &b : kBrel107) {
        rows.openings.push_back(Opening{b.entry, b.sample}.expect(brel107));
        rows.states.push_back(States{b.entry, b.sample});
        rows.reopenings.push_back(Reopening{b.entry, b.sample}
                                      .leave({flippedSkip("checkSkipping", &P::skipping),
                                              {"checkBinning", opposite(&P::binning)},
                                              {"spinCols", 640},
                                              {"spinRows", 480}})
                                      .stores({stored("skipping", &P::skipping, flippedSkipFactor(&P::skipping)),
                                               stored("binning", &P::binning, opposite(&P::binning)),
                                               stored("cols", &P::cols, 640), stored("rows", &P::rows, 480)}));
    }
    rows.openings.push_back(Opening{34, "Sarn117"}
                                .note("skip and bin factors 2")
                                .given([](Pallador &, CFamilyCore &f) {
                                    f.mode[0].colSkip = 2;
                                    f.mode[0].binning = 2;
                                })
                                .expect({value("checkSkipping", 1), value("checkBinning", 1)}));
    return rows;
}

} // namespace advpanels
