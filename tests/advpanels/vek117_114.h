// Rows of the forms Vek117_Adv (entries 92 and 93, a scroll-area form in the
// grid layout) and Vek114_Adv (entry 94), one-context sensors. Included by
// tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace vek117vek114 {

using M = CModeState;
using C = CContextParams;

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kVek117 = {{92, "Vek110m"}, {93, "Vek112m"}};
const Sensor kVek114 = {94, "Vek114d"};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kIntgTip[] = "Enter integration in msec.";
constexpr char kBinTip[] = "Check to activate bin setting.";
constexpr char kHdrTip[] = "Check to enable High Dynamic Range mode";
constexpr char kInterleaveTip[] = "check to activate line interleave mode";
constexpr char kComboModeTip[] = "Check to activate line interleave combo mode (valid only for no. of exposures 3 & 4)";

// A quantity the family keeps once in one of its own option records.
template <class Record, class T> Value own(T Record::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int) -> double {
        const auto *record = dynamic_cast<const Record *>(&f);
        return record ? double(record->*field) : qQNaN();
    };
}

// A time as a box of that many decimals shows it.
inline Value shown(const Value &ms, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return
        [ms, scale](const Pallador &w, const CFamilyCore &f, int c) { return std::round(ms(w, f, c) * scale) / scale; };
}

// The opposite of what the use case left in a 0/1 setting.
template <class T, std::size_t N> Value other(T (SensorSettings::*field)[N])
{
    return panels::zero(panels::setting(field));
}

// The checks both forms share: size, binning, integration time and HDR.
inline std::vector<Check> sizeAndExposure(int decimals)
{
    return {
        value("checkBinXonly", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinning", panels::factor(panels::mode(&M::rowSkip))),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", shown(panels::ctx(&C::intgTime), decimals)),
        value("checkHDR", panels::flag(panels::ctx(&C::hdrMode))),
        tip("checkBinXonly", kBinTip),
        noTip("checkBinning"),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        tip("checkHDR", kHdrTip),
        holds(panels::ref<&P::checkBinXonly>(), "checkBinXonly"),
        holds(panels::ref<&P::dSpinIntgTime>(), "dSpinIntgTime"),
    };
}

// Vek117_Adv: every starting value, tool tip and member.
inline std::vector<Check> vek117()
{
    std::vector<Check> checks = sizeAndExposure(3);
    const std::vector<Check> more = {
        value("spinScaler", panels::ctx(&C::scaler)),
        value("spinScaleM", panels::ctx(&C::scaleM)),
        value("checkLineInterleave", panels::flag(panels::ctx(&C::lineInterleave))),
        value("checkLineComboMode", panels::flag(panels::ctx(&C::lineComboMode))),
        value("checkLFM_mode", own(&HdrRowFields::lfmMode)),
        value("checkPLL_DarkRows", panels::flag(panels::pll(&CPllParams::darkRows))),
        value("checkPLL_DarkCols", panels::flag(panels::pll(&CPllParams::darkColumns))),
        value("checkAtr_Rows", panels::flag(panels::pll(&CPllParams::atrRows))),
        value("checkDtr_Rows", panels::flag(panels::pll(&CPllParams::dtrRows))),
        value("comboNumExp", 2),
        value("comboMax_nExposure", 2),
        value("checkUse_Reg", panels::flag(panels::ctx(&C::useReg))),
        value("spinT2_ExpTime", panels::pll(&CPllParams::activeT2Rows)),
        value("spinT3_ExpTime", panels::pll(&CPllParams::activeT3Rows)),
        value("spinT4_ExpTime", panels::pll(&CPllParams::activeT4Rows)),
        value("spinT1_T2", own(&ExposureRatios::t1T2Ratio)),
        value("spinT2_T3", own(&ExposureRatios::t2T3Ratio)),
        value("spinT3_T4", own(&ExposureRatios::t3T4Ratio)),
        value("comboEmbedData_Rows", 0),
        value("comboStatsData_Rows", 0),
        value("checkFixLLpck", panels::flag(panels::ctx(&C::useFixLLpck))),
        value("dspinFixLLpck", own(&HdrRowFields::fixedLineLength)),
        value("comboOverFlow", 0),
        value("comboATR", 1),
        value("comboDTR", 1),
        tip("checkLineInterleave", kInterleaveTip),
        tip("checkLineComboMode", kComboModeTip),
        noTip("checkPLL_DarkRows"),
        noTip("comboNumExp"),
        noTip("spinT2_ExpTime"),
        noTip("spinT1_T2"),
        noTip("comboOverFlow"),
        holds(panels::ref<&P::checkPadding>(), "checkLFM_mode"),
        holds(panels::ref<&P::spinT2>(), "spinT2_ExpTime"),
        holds(panels::ref<&P::spinT4>(), "spinT4_ExpTime"),
        holds(panels::ref<&P::dspinFixLLpck>(), "dspinFixLLpck"),
        holds(panels::ref<&P::comboOverFlow>(), "comboOverFlow"),
        holds(panels::ref<&P::labelOverFlow>(), "labelOverFlow"),
        holds(panels::ref<&P::comboStatsData_Rows>(), "comboStatsData_Rows"),
    };
    checks.insert(checks.end(), more.begin(), more.end());
    return checks;
}

// Family values none of the form's defaults or the samples' equal.
inline void vek117Distinct(Pallador &, CFamilyCore &f)
{
    f.mode[0].colSkip = 2;
    f.mode[0].rowSkip = 1;
    f.mode[0].outputRows = 700;
    f.mode[0].outputCols = 900;
    f.ctx[0].intgTime = 12.3456;
    f.ctx[0].scaler = 1;
    f.ctx[0].scaleM = 24;
    f.ctx[0].hdrMode = 1;
    f.ctx[0].lineInterleave = 1;
    f.ctx[0].lineComboMode = 1;
    f.ctx[0].useReg = true;
    f.ctx[0].useFixLLpck = true;
    f.pll.darkRows = 1;
    f.pll.darkColumns = 0;
    f.pll.atrRows = 1;
    f.pll.dtrRows = 0;
    f.pll.activeT2Rows = 17;
    f.pll.activeT3Rows = 5;
    f.pll.activeT4Rows = 1;
    if (auto *h = dynamic_cast<HdrRowFields *>(&f)) {
        h->lfmMode = true;
        h->fixedLineLength = 2400;
    }
    if (auto *r = dynamic_cast<ExposureRatios *>(&f)) {
        r->t1T2Ratio = 1;
        r->t2T3Ratio = 0;
        r->t3T4Ratio = 4;
    }
}

// The family's HDR, field-of-view and combination states, and its own line
// interleave flag.
inline Given vek117Modes(int hdr, bool useFov, int combi, int lineInterleave)
{
    return [=](Pallador &, CFamilyCore &f) {
        f.ctx[0].hdrMode = hdr;
        f.ctx[0].useFov = useFov;
        f.ctx[0].combi = combi;
        f.ctx[0].lineInterleave = lineInterleave;
    };
}

// Vek114_Adv: every starting value, tool tip and member.
inline std::vector<Check> vek114()
{
    std::vector<Check> checks = sizeAndExposure(2);
    const std::vector<Check> more = {
        value("comboNumExp", panels::ctx(&C::numExposures) - 1),
        value("checkUse_Reg", panels::flag(panels::ctx(&C::useReg))),
        value("spinT1_T2", own(&ExposureRatios::t1T2Ratio)),
        value("spinT2_T3", own(&ExposureRatios::t2T3Ratio)),
        noTip("comboNumExp"),
        noTip("checkUse_Reg"),
        noTip("spinT2_ExpTime"),
        holds(panels::ref<&P::spinT2>(), "spinT2_ExpTime"),
        holds(panels::ref<&P::spinT3>(), "spinT3_ExpTime"),
        holds(panels::ref<&P::comboNumExp>(), "comboNumExp"),
    };
    checks.insert(checks.end(), more.begin(), more.end());
    return checks;
}

// Fractional exposure times, three exposures and ratios none of the form's
// defaults equals.
inline void vek114Distinct(Pallador &, CFamilyCore &f)
{
    f.ctx[0].t2ExpRows = 15.9;
    f.ctx[0].t3ExpRows = 7.2;
    f.ctx[0].numExposures = 3;
    f.ctx[0].useReg = false;
    f.mode[0].colSkip = 1;
    f.mode[0].rowSkip = 2;
    if (auto *r = dynamic_cast<ExposureRatios *>(&f)) {
        r->t1T2Ratio = 5;
        r->t2T3Ratio = 0;
    }
}

} // namespace vek117vek114

inline Rows vek117Vek114Rows()
{
    using namespace vek117vek114;
    Rows rows;

    // Vek117_Adv.
    for (const Sensor &s : kVek117) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek117()));
        rows.openings.push_back(
            Opening{s.entry, s.sample}
                .note("distinct values")
                .given(vek117Distinct)
                .expect(vek117())
                .expect({value("checkBinXonly", 1), value("checkBinning", 0), value("dSpinIntgTime", 12.346),
                         value("dspinFixLLpck", 2400), value("checkLFM_mode", 1), value("spinT3_T4", 4)}));
        // The exposure combos start on their third item whatever the
        // family's count, and show none when the family offers fewer.
        rows.openings.push_back(
            Opening{s.entry, s.sample}
                .note("two exposure items")
                .given([](Pallador &, CFamilyCore &f) {
                    f.exposureChoices = QStringList{"1", "2"};
                })
                .expect({value("comboNumExp", -1), value("comboMax_nExposure", -1), shows("comboNumExp", "")}));
        // A fixed line length of 0 (none) shows as the form's lowest length:
        // a box keeps its range below, so the engineer cannot step into
        // lengths the sensor cannot take.
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("no fixed line length")
                                    .given([](Pallador &, CFamilyCore &f) {
                                        if (auto *h = dynamic_cast<HdrRowFields *>(&f))
                                            h->fixedLineLength = 0;
                                    })
                                    .expect({shows("dspinFixLLpck", "700")}));
    }

    // Entry 92 has no super exposure, entry 93 no LED flicker mitigation;
    // line interleave is open only with HDR (its own flag set or not), the
    // binning boxes only without the field of view, HDR only without
    // combination mode.
    const QStringList formDisabled = {"comboATR",      "comboDTR",       "checkLineComboMode", "checkLFM_mode",
                                      "dspinFixLLpck", "spinT2_ExpTime", "spinT3_ExpTime",     "spinT4_ExpTime"};
    for (const Sensor &s : kVek117) {
        const QStringList hidden =
            s.entry == 92 ? QStringList{"comboOverFlow", "labelOverFlow"} : QStringList{"checkLFM_mode"};
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("HDR without interleave")
                                  .given(vek117Modes(1, false, 0, 0))
                                  .hidden(hidden)
                                  .disabled(formDisabled));
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("interleave flag without HDR")
                                  .given(vek117Modes(0, false, 0, 1))
                                  .hidden(hidden)
                                  .disabled(formDisabled + QStringList{"checkLineInterleave"}));
        rows.states.push_back(States{s.entry, s.sample}
                                  .note("field of view and combination mode")
                                  .given(vek117Modes(1, true, 1, 0))
                                  .hidden(hidden)
                                  .disabled(formDisabled + QStringList{"checkBinning", "checkBinXonly", "checkHDR"}));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("interleave flag without HDR")
                                    .given(vek117Modes(0, false, 0, 1))
                                    .expect({value("checkLineInterleave", 1), value("checkHDR", 0)}));

        // The read-back writes the size, binning, integration time and HDR;
        // the other widgets act only through their slots. The frame's
        // tool tips come back after the calculation.
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample}
                .leave({{"checkBinning", other(&P::binning)},
                        {"checkBinXonly", other(&P::binXOnly)},
                        {"spinCols", 1000},
                        {"spinRows", 600},
                        {"dSpinIntgTime", 6.5},
                        {"checkHDR", other(&P::hdrMode)},
                        {"spinScaler", 2},
                        {"spinT1_T2", 0},
                        {"comboEmbedData_Rows", 2}})
                .stores({stored("binning", &P::binning, other(&P::binning)),
                         stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("cols", &P::cols, 1000),
                         stored("rows", &P::rows, 600), stored("intgTime", &P::intgTime, 6.5),
                         stored("hdrMode", &P::hdrMode, other(&P::hdrMode)), kept("scaler", &P::scaler),
                         kept("t1T2Ratio", &P::t1T2Ratio), kept("embedDataRows", &P::embedDataRows)})
                .after({tip("spinRows", kRowsTip), tip("checkBinXonly", kBinTip),
                        tip("checkLineComboMode", kComboModeTip), noTip("checkBinning")},
                       [](Pallador &w, CFamilyCore &) {
                           for (QWidget *widget : std::initializer_list<QWidget *>{w.spinRows[0], w.checkBinXonly[0],
                                                                                   w.checkLineComboMode[0]})
                               widget->setToolTip(QString());
                       }));
    }

    // What the slots do with the form's widgets: LED flicker mitigation,
    // open once HDR is on, shows on the row binning box (92); super exposure
    // closes the exposure counts (93).
    rows.drivings.push_back(Driving{92, "Vek110m"}
                                .note("LED flicker mitigation")
                                .given(vek117Modes(0, false, 0, 0))
                                .drive({{"checkHDR", 1}, {"checkLFM_mode", 1}})
                                .calculations(2)
                                .expect({value("checkBinning", 1), value("checkHDR", 1)})
                                .enabled({"checkLineInterleave", "checkLFM_mode"}));
    rows.drivings.push_back(Driving{93, "Vek112m"}
                                .note("super exposure")
                                .drive({{"comboOverFlow", 1}})
                                .calculations(1)
                                .disabled({"comboNumExp", "comboMax_nExposure"}));
    rows.drivings.push_back(Driving{93, "Vek112m"}
                                .note("super exposure off again")
                                .drive({{"comboOverFlow", 2}, {"comboOverFlow", 0}})
                                .calculations(2)
                                .enabled({"comboNumExp", "comboMax_nExposure"}));

    // The scroll form fills the placeholder, also after a form of another
    // sensor (entry 1, placed at its own size) was loaded in between.
    for (const Sensor &s : kVek117)
        rows.grids.push_back(Grid{s.entry, s.sample});
    rows.grids.push_back(Grid{93, "Vek112m"}.note("after 92 and 1").through({"Vek110m", "Tolm104m"}));

    // Vek114_Adv.
    rows.openings.push_back(Opening{kVek114.entry, kVek114.sample}.expect(vek114()));
    rows.openings.push_back(
        Opening{kVek114.entry, kVek114.sample}
            .note("fractional exposure times")
            .given(vek114Distinct)
            .expect(vek114())
            .expect({value("spinT2_ExpTime", 15), value("spinT3_ExpTime", 7), value("comboNumExp", 2),
                     value("checkBinning", 1), value("checkUse_Reg", 0), value("spinT1_T2", 5)}));
    rows.states.push_back(
        States{kVek114.entry, kVek114.sample}
            .note("binning open")
            .given([](Pallador &, CFamilyCore &f) { f.ctx[0].binningLocked = false; })
            .disabled({"comboNumExp", "dSpinIntgTime", "checkUse_Reg", "spinT2_ExpTime", "spinT3_ExpTime"}));
    rows.states.push_back(States{kVek114.entry, kVek114.sample}
                              .note("binning locked")
                              .given([](Pallador &, CFamilyCore &f) { f.ctx[0].binningLocked = true; })
                              .disabled({"comboNumExp", "dSpinIntgTime", "checkUse_Reg", "spinT2_ExpTime",
                                         "spinT3_ExpTime", "checkBinning", "checkBinXonly"}));
    // The box shows the integration time the calculation last wrote into it;
    // left as it is, it is not read back and the window's time stays.
    rows.reopenings.push_back(
        Reopening{kVek114.entry, kVek114.sample}
            .leave({{"checkBinning", other(&P::binning)},
                    {"checkBinXonly", other(&P::binXOnly)},
                    {"spinCols", 1200},
                    {"spinRows", 800},
                    {"checkHDR", other(&P::hdrMode)},
                    {"spinT2_T3", 6}})
            .stores({stored("binning", &P::binning, other(&P::binning)),
                     stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("cols", &P::cols, 1200),
                     stored("rows", &P::rows, 800),
                     kept("intgTime", &P::intgTime),
                     stored("hdrMode", &P::hdrMode, other(&P::hdrMode)), kept("t2T3Ratio", &P::t2T3Ratio)})
            .after({tip("dSpinIntgTime", kIntgTip), tip("checkHDR", kHdrTip)}, [](Pallador &w, CFamilyCore &) {
                w.dSpinIntgTime[0]->setToolTip(QString());
                w.checkHDR[0]->setToolTip(QString());
            }));
    // The calculation writes the integration time into the box with the
    // box's signals blocked: a change of the box, or of HDR, calculates once
    // and the box then shows the time the family used.
    rows.drivings.push_back(Driving{kVek114.entry, kVek114.sample}
                                .note("integration time changed")
                                .drive({{"dSpinIntgTime", 40.0}})
                                .calculations(1)
                                .expect({value("dSpinIntgTime", shown(panels::ctx(&C::intgTime), 2))}));
    rows.drivings.push_back(
        Driving{kVek114.entry, kVek114.sample}
            .note("HDR ticked")
            .given([](Pallador &w, CFamilyCore &f) {
                w.hdrMode[0] = 0;
                f.ctx[0].hdrMode = 0;
            })
            .drive({{"checkHDR", 1}})
            .calculations(1)
            .expect({value("dSpinIntgTime", shown(panels::ctx(&C::intgTime), 2)), value("comboNumExp", 2)})
            .enabled({"comboNumExp"}));
    return rows;
}

} // namespace advpanels
