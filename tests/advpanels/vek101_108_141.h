// Rows of the forms Vek101_Adv (entry 21, panels A and B), Vek108_Adv
// (entries 22 to 24, panels A and B) and Vek141_Adv (entries 37 to 40,
// panel A). Included by tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace vek101vek108vek141 {

using M = CModeState;
using C = CContextParams;
using panels::ctx;
using panels::flag;
using panels::mode;
using panels::pll;
using panels::ref;
using panels::setting;

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kVek108 = {{22, "Vek108m"}, {23, "Vek108t"}, {24, "Vek109t"}};
const std::vector<Sensor> kVek141 = {{37, "Sarn120"}, {38, "Sarn121"}, {39, "Vek142"}, {40, "Vek142b"}};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kIntgTip[] = "Enter integration in msec.";
constexpr char kHdrTip[] = "Check to enable High Dynamic Range mode";

// The opposite of what the use case left in a setting the panel stores as a
// box's 1 or 0 (a factor of 2 or more counts as on).
template <class T, std::size_t N> Value otherThan(T (SensorSettings::*field)[N])
{
    return panels::zero(setting(field));
}

// The size and time boxes every form has, and the window's references to
// them.
inline std::vector<Check> sizeAndTime()
{
    return {
        value("spinRows", mode(&M::outputRows)),   value("spinCols", mode(&M::outputCols)),
        value("dSpinIntgTime", ctx(&C::intgTime)), holds(ref<&P::spinRows>(), "spinRows"),
        holds(ref<&P::spinCols>(), "spinCols"),    holds(ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
    };
}

inline std::vector<Check> sizeAndTimeTips()
{
    return {tip("spinRows", kRowsTip), tip("spinCols", kColsTip), tip("dSpinIntgTime", kIntgTip)};
}

// Vek101_Adv: panel B sets no tool tips.
inline std::vector<Check> vek101(Panel panel)
{
    std::vector<Check> checks = sizeAndTime();
    checks.insert(checks.end(), {value("checkBinning", panels::factor(mode(&M::binning))),
                                 holds(ref<&P::checkBinning>(), "checkBinning")});
    if (panel == Panel::A) {
        const std::vector<Check> tips = sizeAndTimeTips();
        checks.insert(checks.end(), tips.begin(), tips.end());
        checks.push_back(tip("checkBinning", "Check to activate bin setting."));
    } else {
        checks.insert(checks.end(),
                      {noTip("spinRows"), noTip("spinCols"), noTip("dSpinIntgTime"), noTip("checkBinning")});
    }
    return checks;
}

// Vek108_Adv: the optical-centre offsets keep the form's 0.
inline std::vector<Check> vek108()
{
    std::vector<Check> checks = sizeAndTime();
    const std::vector<Check> tips = sizeAndTimeTips();
    checks.insert(checks.end(), tips.begin(), tips.end());
    checks.insert(checks.end(), {
                                    value("checkSkipping", panels::factor(mode(&M::colSkip))),
                                    value("checkHDR", flag(ctx(&C::hdrMode))),
                                    value("checkInterleave", flag(ctx(&C::interleave))),
                                    value("spinFovY", 0),
                                    value("spinFovX", 0),
                                    tip("checkSkipping", "Check to activate skip setting."),
                                    tip("checkHDR", kHdrTip),
                                    noTip("checkInterleave"),
                                    tip("spinFovY", "Enter sensor optical center rows offset"),
                                    tip("spinFovX", "Enter sensor optical center cols offset"),
                                    holds(ref<&P::checkSkipping>(), "checkSkipping"),
                                    holds(ref<&P::checkHDR>(), "checkHDR"),
                                    holds(ref<&P::checkInterleave>(), "checkInterleave"),
                                    holds(ref<&P::spinFovY>(), "spinFovY"),
                                    holds(ref<&P::spinFovX>(), "spinFovX"),
                                });
    return checks;
}

// Vek141_Adv with the family's values; the dark-pixel boxes are the PLL
// panel's members and carry each other's caption.
inline std::vector<Check> vek141()
{
    std::vector<Check> checks = sizeAndTime();
    const std::vector<Check> tips = sizeAndTimeTips();
    checks.insert(checks.end(), tips.begin(), tips.end());
    checks.insert(checks.end(), {
                                    value("spinReadMode", ctx(&C::skipping)),
                                    value("checkBinning", flag(ctx(&C::binning))),
                                    value("checkBinXonly", flag(ctx(&C::binXOnly))),
                                    value("checkHDR", flag(ctx(&C::hdrMode))),
                                    value("checkPLL_DarkRows", pll(&CPllParams::darkRows)),
                                    value("checkPLL_DarkCols", pll(&CPllParams::darkColumns)),
                                    value("checkTxLatch", flag(ctx(&C::txLatch))),
                                    value("spinScaler", ctx(&C::scaler)),
                                    value("spinScaleM", ctx(&C::scaleM)),
                                    value("spinSMode", ctx(&C::sMode)),
                                    shows("checkPLL_DarkRows", "Show Dark Cols"),
                                    shows("checkPLL_DarkCols", "Show Dark Rows"),
                                    tip("spinReadMode", "Enter the sensor read out mode (1, 2, 4)"),
                                    tip("checkBinning", "Check to activate y summing setting"),
                                    tip("checkBinXonly", "Check to activate x binning setting"),
                                    tip("checkHDR", kHdrTip),
                                    tip("checkPLL_DarkRows", "Check to activate the dark rows in the output"),
                                    tip("checkPLL_DarkCols", "Check to activate the dark cols in the output"),
                                    tip("checkTxLatch", "Check to turn on the TxLatch"),
                                    tip("comboCCRow", "Select the Color Correction Rows to use"),
                                    tip("spinScaler", "Enter the Scaler mode (0 ~ 2"),
                                    tip("spinScaleM", "Enter the Scale M value (16 ~ 96)"),
                                    noTip("spinSMode"),
                                    holds(ref<&P::spinReadMode>(), "spinReadMode"),
                                    holds(ref<&P::checkBinning>(), "checkBinning"),
                                    holds(ref<&P::checkBinXonly>(), "checkBinXonly"),
                                    holds(ref<&P::checkHDR>(), "checkHDR"),
                                    holds(ref<&P::checkPLL_DarkRows>(), "checkPLL_DarkRows"),
                                    holds(ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
                                    holds(ref<&P::checkTxLatch>(), "checkTxLatch"),
                                    holds(ref<&P::comboCCRow>(), "comboCCRow"),
                                    holds(ref<&P::spinScaler>(), "spinScaler"),
                                    holds(ref<&P::spinScaleM>(), "spinScaleM"),
                                    holds(ref<&P::spinSMode>(), "spinSMode"),
                                });
    return checks;
}

// The family's CC row count, which "CC Rows:" shows as 16 x 2 to the power
// of its index.
inline Given ccRows(int rows)
{
    return [rows](Pallador &, CFamilyCore &f) { f.ctx[0].ccRows = rows; };
}

// The family's copy of the combination mode, per context.
inline Given companding(int contextA, int contextB)
{
    return [contextA, contextB](Pallador &, CFamilyCore &f) {
        f.ctx[0].combi = contextA;
        f.ctx[1].combi = contextB;
    };
}

// The window's combination mode off: the calculation keeps the contexts'
// HDR and interleave settings (it clears them in the combined mode).
inline void windowCompandingOff(Pallador &w, CFamilyCore &)
{
    w.combi = 0;
}

// Another form's HDR box, left in the window's member of context A as a
// sensor loaded before this one leaves it.
inline void strayHdrBox(Pallador &w, CFamilyCore &)
{
    auto *box = new QCheckBox(&w);
    box->setObjectName(QStringLiteral("checkHDR"));
    w.checkHDR[0] = box;
}

// The Vek101 form has no HDR box: its lookup leaves the member null, so no
// slot or calculation reaches a box of another form.
inline void noHdrBox(Pallador &w, CFamilyCore &)
{
    QVERIFY2(!w.checkHDR[0], "the Vek101 form's panel left a box in checkHDR (A)");
}

} // namespace vek101vek108vek141

inline Rows vek101Vek108Vek141Rows()
{
    using namespace vek101vek108vek141;
    Rows rows;

    // Vek101_Adv, entry 21.
    for (Panel panel : {Panel::A, Panel::B}) {
        rows.openings.push_back(Opening{21, "Vek101", panel}.expect(vek101(panel)));
        rows.openings.push_back(Opening{21, "Vek101", panel}
                                    .note("distinct family values")
                                    .given([](Pallador &, CFamilyCore &f) {
                                        for (int c : {0, 1}) {
                                            f.mode[c].outputRows = 480;
                                            f.mode[c].outputCols = 640;
                                            f.mode[c].binning = 2;
                                            f.ctx[c].intgTime = 12.5;
                                        }
                                    })
                                    .expect({value("spinRows", 480), value("spinCols", 640),
                                             shows("dSpinIntgTime", "12.500"), value("checkBinning", 1)}));
        rows.states.push_back(States{21, "Vek101", panel});
    }
    rows.openings.push_back(Opening{21, "Vek101"}
                                .note("binning factor 1 is off")
                                .given([](Pallador &, CFamilyCore &f) { f.mode[0].binning = 1; })
                                .expect({value("checkBinning", 0)}));
    const std::vector<Leave> vek101Left = {
        {"spinRows", 400}, {"spinCols", 600}, {"dSpinIntgTime", 7.25}, {"checkBinning", otherThan(&P::binning)}};
    const std::vector<Stored> vek101Stored = {stored("cols", &P::cols, 600), stored("rows", &P::rows, 400),
                                              stored("intgTime", &P::intgTime, 7.25),
                                              stored("binning", &P::binning, otherThan(&P::binning))};
    rows.reopenings.push_back(Reopening{21, "Vek101"}
                                  .note("no HDR box")
                                  .given(strayHdrBox)
                                  .leave(vek101Left)
                                  .stores(vek101Stored)
                                  .after({}, noHdrBox));
    rows.reopenings.push_back(Reopening{21, "Vek101", Panel::B}.leave(vek101Left).stores(vek101Stored));
    rows.kept.push_back(Kept{21, "Vek101"}.across(
        Panel::B, {holds(ref<&P::spinRows>(), "spinRows"), holds(ref<&P::spinCols>(), "spinCols"),
                   holds(ref<&P::dSpinIntgTime>(), "dSpinIntgTime"), holds(ref<&P::checkBinning>(), "checkBinning")}));

    // Vek108_Adv, entries 22 to 24: "iHDR Enable" is open only while the
    // combination mode is 0, in panel B context A's; "Interleave Mode" stays
    // disabled.
    for (const Sensor &s : kVek108) {
        for (Panel panel : {Panel::A, Panel::B}) {
            rows.openings.push_back(Opening{s.entry, s.sample, panel}.expect(vek108()));
            rows.states.push_back(States{s.entry, s.sample, panel}
                                      .note("companding on")
                                      .given(companding(1, 1))
                                      .disabled({"checkHDR", "checkInterleave"}));
            rows.states.push_back(States{s.entry, s.sample, panel}
                                      .note("companding off")
                                      .given(companding(0, 0))
                                      .disabled({"checkInterleave"}));
            rows.reopenings.push_back(
                Reopening{s.entry, s.sample, panel}
                    .given(windowCompandingOff)
                    .leave({{"spinRows", 480},
                            {"spinCols", 640},
                            {"spinFovX", 12},
                            {"spinFovY", -7},
                            {"dSpinIntgTime", 7.25},
                            {"checkHDR", otherThan(&P::hdrMode)},
                            flippedSkip("checkSkipping", &P::skipping),
                            {"checkInterleave", otherThan(&P::interleave)}})
                    .stores({stored("cols", &P::cols, 640), stored("rows", &P::rows, 480), stored("fovX", &P::fovX, 12),
                             stored("fovY", &P::fovY, -7), stored("intgTime", &P::intgTime, 7.25),
                             stored("hdrMode", &P::hdrMode, otherThan(&P::hdrMode)),
                             stored("skipping", &P::skipping, flippedSkipFactor(&P::skipping)),
                             stored("interleave", &P::interleave, otherThan(&P::interleave))}));
        }
    }
    const Given hdrInterleaveSkip = [](Pallador &, CFamilyCore &f) {
        for (int c : {0, 1}) {
            f.ctx[c].combi = 0;
            f.ctx[c].hdrMode = 1;
            f.ctx[c].interleave = 1;
            f.mode[c].colSkip = 2;
        }
    };
    rows.openings.push_back(
        Opening{22, "Vek108m"}
            .note("HDR, interleave and column skip on")
            .given(hdrInterleaveSkip)
            .expect({value("checkHDR", 1), value("checkInterleave", 1), value("checkSkipping", 1)}));
    rows.openings.push_back(Opening{24, "Vek109t"}
                                .note("column skip factor 1 is off")
                                .given([](Pallador &, CFamilyCore &f) { f.mode[0].colSkip = 1; })
                                .expect({value("checkSkipping", 0)}));
    rows.states.push_back(States{23, "Vek108t", Panel::B}
                              .note("companding off in context B only")
                              .given(companding(1, 0))
                              .disabled({"checkHDR", "checkInterleave"}));
    rows.states.push_back(States{23, "Vek108t", Panel::B}
                              .note("companding off in context A only")
                              .given(companding(0, 1))
                              .disabled({"checkInterleave"}));
    rows.kept.push_back(Kept{22, "Vek108m"}.across(
        Panel::B, {holds(ref<&P::spinRows>(), "spinRows"), holds(ref<&P::checkSkipping>(), "checkSkipping"),
                   holds(ref<&P::checkHDR>(), "checkHDR"), holds(ref<&P::checkInterleave>(), "checkInterleave"),
                   holds(ref<&P::spinFovX>(), "spinFovX"), holds(ref<&P::spinFovY>(), "spinFovY")}));

    // Vek141_Adv, entries 37 to 40.
    for (const Sensor &s : kVek141) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek141()));
        rows.states.push_back(States{s.entry, s.sample});
        // The dark-pixel boxes are the PLL panel's members too: opening and
        // closing that panel leaves them in this form.
        rows.kept.push_back(Kept{s.entry, s.sample}.across(
            Panel::Pll, {holds(ref<&P::checkPLL_DarkRows>(), "checkPLL_DarkRows"),
                         holds(ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
                         holds(ref<&P::comboCCRow>(), "comboCCRow"), holds(ref<&P::checkHDR>(), "checkHDR")}));
    }
    rows.openings.push_back(
        Opening{39, "Vek142"}
            .note("distinct family values")
            .given([](Pallador &, CFamilyCore &f) {
                f.mode[0].outputRows = 1200;
                f.mode[0].outputCols = 1600;
                f.ctx[0].intgTime = 12.5;
                f.ctx[0].skipping = 2;
                f.ctx[0].binning = 1;
                f.ctx[0].binXOnly = 1;
                f.ctx[0].hdrMode = 1;
                f.ctx[0].txLatch = true;
                f.ctx[0].scaler = 2;
                f.ctx[0].scaleM = 48;
                f.ctx[0].sMode = 3;
                f.pll.darkRows = 1;
                f.pll.darkColumns = 0;
            })
            .expect({value("spinRows", 1200), value("spinCols", 1600), shows("dSpinIntgTime", "12.500"),
                     value("spinReadMode", 2), value("checkBinning", 1), value("checkBinXonly", 1),
                     value("checkHDR", 1), value("checkTxLatch", 1), value("spinScaler", 2), value("spinScaleM", 48),
                     value("spinSMode", 3), value("checkPLL_DarkRows", 1), value("checkPLL_DarkCols", 0)}));
    // "CC Rows:" by the family's row count; a count outside the items
    // stays on the nearest one.
    const struct {
        int rows;
        int index;
        const char *text;
        const char *note;
    } ccRowCases[] = {
        {16, 0, "16", "16 CC rows"},    {32, 1, "32", "32 CC rows"}, {64, 2, "64", "64 CC rows"},
        {128, 3, "128", "128 CC rows"}, {96, 2, "64", "96 CC rows"}, {512, 3, "128", "512 CC rows"},
        {8, 0, "16", "8 CC rows"},
    };
    for (const auto &c : ccRowCases) {
        rows.openings.push_back(Opening{37, "Sarn120"}
                                    .note(c.note)
                                    .given(ccRows(c.rows))
                                    .expect({value("comboCCRow", c.index), shows("comboCCRow", c.text)}));
    }
    // Read-out mode 3 is stored as 4, 2 as it is; Tx latch, the dark-pixel
    // boxes, "CC Rows:" and "Mode:" are not read back.
    for (int readMode : {3, 2}) {
        const int expected = readMode == 3 ? 4 : readMode;
        rows.reopenings.push_back(
            Reopening{40, "Vek142b"}
                .note(readMode == 3 ? "read-out mode 3" : "read-out mode 2")
                .leave({{"spinRows", 800},
                        {"spinCols", 1000},
                        {"dSpinIntgTime", 7.25},
                        {"spinReadMode", readMode},
                        {"checkBinning", otherThan(&P::binning)},
                        {"checkBinXonly", otherThan(&P::binXOnly)},
                        {"checkHDR", otherThan(&P::hdrMode)},
                        {"spinScaler", 2},
                        {"spinScaleM", 40},
                        {"checkTxLatch", panels::zero(setting(&P::txLatch))},
                        {"comboCCRow", panels::zero(setting(&P::ccRow))},
                        {"spinSMode", 4}})
                .stores({stored("cols", &P::cols, 1000), stored("rows", &P::rows, 800),
                         stored("intgTime", &P::intgTime, 7.25), stored("skipping", &P::skipping, expected),
                         stored("binning", &P::binning, otherThan(&P::binning)),
                         stored("binXOnly", &P::binXOnly, otherThan(&P::binXOnly)),
                         stored("hdrMode", &P::hdrMode, otherThan(&P::hdrMode)), stored("scaler", &P::scaler, 2),
                         stored("scaleM", &P::scaleM, 40), kept("txLatch", &P::txLatch), kept("ccRow", &P::ccRow),
                         kept("sMode", &P::sMode)}));
    }
    return rows;
}

} // namespace advpanels
