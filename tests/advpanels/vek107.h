// Rows of the scroll form Vek107_Adv of the one-context HDR sensors Vek117m
// (83), Vek107m (84) and Vek113m (85). Included by tst_advpanels.cpp after
// the row types.
#pragma once

namespace advpanels {

namespace vek107 {

using M = CModeState;
using C = CContextParams;
using L = CPllParams;

struct Sensor {
    int entry;
    const char *sample;
};
const Sensor kVek117m = {83, "Vek117m"};
const Sensor kVek107m = {84, "Vek107m"};
const Sensor kVek113m = {85, "Vek113m"};
const std::vector<Sensor> kSensors = {kVek117m, kVek107m, kVek113m};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";

// A quantity of one of the family's own option records.
template <class Record, class T> Value own(T Record::*field)
{
    return [field](const Pallador &, const CFamilyCore &f, int) -> double {
        const auto *record = dynamic_cast<const Record *>(&f);
        return record ? double(record->*field) : qQNaN();
    };
}

// A time as its box shows it, to the microsecond.
inline Value shown(const Value &ms)
{
    return [ms](const Pallador &w, const CFamilyCore &f, int c) { return std::round(ms(w, f, c) * 1000.0) / 1000.0; };
}

// The opposite of what the use case left in a 0/1 setting.
template <class T, std::size_t N> Value other(T (SensorSettings::*field)[N])
{
    return panels::zero(panels::setting(field));
}

// What the three sensors share: values, tool tips set by the panel, the
// widgets left without one, and the members.
inline std::vector<Check> shared()
{
    return {
        value("checkBinXonly", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinning", panels::factor(panels::mode(&M::rowSkip))),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", shown(panels::ctx(&C::intgTime))),
        value("spinScaler", panels::ctx(&C::scaler)),
        value("spinScaleM", panels::ctx(&C::scaleM)),
        value("checkPLL_DarkRows", panels::flag(panels::pll(&L::darkRows))),
        value("checkAtr_Rows", panels::flag(panels::pll(&L::atrRows))),
        value("checkDtr_Rows", panels::flag(panels::pll(&L::dtrRows))),
        value("checkHDR", panels::flag(panels::ctx(&C::hdrMode))),
        value("checkLineInterleave", panels::flag(panels::ctx(&C::lineInterleave))),
        value("checkLineComboMode", panels::flag(panels::ctx(&C::lineComboMode))),
        value("checkUse_Reg", panels::flag(panels::ctx(&C::useReg))),
        value("spinT2_ExpTime", panels::pll(&L::activeT2Rows)),
        value("spinT3_ExpTime", panels::pll(&L::activeT3Rows)),
        value("spinT4_ExpTime", panels::pll(&L::activeT4Rows)),
        value("spinT1_T2", own(&ExposureRatios::t1T2Ratio)),
        value("spinT2_T3", own(&ExposureRatios::t2T3Ratio)),
        value("spinT3_T4", own(&ExposureRatios::t3T4Ratio)),
        value("dspinFixLLpck", own(&HdrRowFields::fixedLineLength)),
        value("comboNumExp", 2),
        value("comboMax_nExposure", 2),
        shows("comboNumExp", "3"),
        shows("comboMax_nExposure", "3"),
        value("spinDarkCols", panels::ctx(&C::borderPixels)),
        tip("checkBinXonly", "Check to activate bin setting."),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", "Enter integration in msec."),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        tip("checkLineInterleave", "check to activate line interleave mode"),
        tip("checkLineComboMode",
            "Check to activate line interleave combo mode (valid only for no. of exposures 3 & 4)"),
        tip("spinDarkCols", "Select dark column index number"),
        tip("checkConfigBuf", "Enable configure buffer size"),
        tip("checkOverlayRW", "Set DB overlay read/write"),
        noTip("checkBinning"),
        noTip("checkPLL_DarkRows"),
        noTip("checkAtr_Rows"),
        noTip("checkDtr_Rows"),
        noTip("comboNumExp"),
        noTip("comboMax_nExposure"),
        noTip("checkUse_Reg"),
        noTip("spinT2_ExpTime"),
        noTip("spinT1_T2"),
        noTip("comboEmbedData_Rows"),
        noTip("checkFixLLpck"),
        noTip("dspinFixLLpck"),
        noTip("comboATR"),
        noTip("spinConfigBuf_T1"),
        noTip("spinShAdv_T2"),
        holds(panels::ref<&P::checkPadding>(), "checkLFM_mode"),
        holds(panels::ref<&P::spinT2>(), "spinT2_ExpTime"),
        holds(panels::ref<&P::spinT4>(), "spinT4_ExpTime"),
        holds(panels::ref<&P::spinBorderPixels>(), "spinDarkCols"),
        holds(panels::ref<&P::dspinFixLLpck>(), "dspinFixLLpck"),
        holds(panels::ref<&P::comboMax_nExposure>(), "comboMax_nExposure"),
        holds(panels::ref<&P::labelT1T2>(), "labelT1T2"),
        holds(panels::ref<&P::labelT3T4>(), "labelT3T4"),
        holds(panels::ref<&P::spinShAdv_T4>(), "spinShAdv_T4"),
        holds(panels::ref<&P::checkOverlayRW>(), "checkOverlayRW"),
    };
}

// Family values none of the form's defaults and none of the use cases'
// equals, for every quantity the panel starts from.
inline void distinct(Pallador &w, CFamilyCore &f)
{
    w.blankType[0] = 0;
    f.mode[0].colSkip = 2;
    f.mode[0].rowSkip = 1;
    f.mode[0].outputRows = 700;
    f.mode[0].outputCols = 1100;
    f.ctx[0].intgTime = 7.125;
    f.ctx[0].scaler = 2;
    f.ctx[0].scaleM = 24;
    f.ctx[0].hdrMode = 1;
    f.ctx[0].lineInterleave = 1;
    f.ctx[0].lineComboMode = 1;
    f.ctx[0].useReg = true;
    f.ctx[0].useFixLLpck = true;
    f.ctx[0].borderPixels = 3;
    f.pll.darkRows = 1;
    f.pll.atrRows = 0;
    f.pll.dtrRows = 1;
    f.pll.activeT2Rows = 31;
    f.pll.activeT3Rows = 17;
    f.pll.activeT4Rows = 5;
    f.pll.embedDataRows = 2;
    f.pll.statsDataRows = 1;
    f.pll.botAnalogRows = 3;
    f.pll.topDigitalRows = 4;
    f.pll.configEnable = 1;
    f.pll.dbOverlap = 1;
    f.pll.configBufT1 = 40;
    f.pll.configBufT2 = 12;
    f.pll.configBufT3 = 6;
    f.pll.advShiftT2 = 0;
    f.pll.advShiftT3 = 2;
    f.pll.advShiftT4 = 3;
    if (auto *ratios = dynamic_cast<ExposureRatios *>(&f)) {
        ratios->t1T2Ratio = 1;
        ratios->t2T3Ratio = 3;
        ratios->t3T4Ratio = 0;
    }
    if (auto *rows = dynamic_cast<HdrRowFields *>(&f)) {
        rows->lfmMode = true;
        rows->fixedLineLength = 1234;
    }
}

// The values that differ by sensor, for the distinct family values.
inline std::vector<Check> bySensor(int entry)
{
    std::vector<Check> checks;
    if (entry == 85) {
        // The items of the form's test-row lists; the family's data rows as
        // list positions; the delay buffers of the family.
        checks = {value("comboEmbedData_Rows", 2),
                  shows("comboEmbedData_Rows", "4"),
                  value("comboStatsData_Rows", 1),
                  shows("comboStatsData_Rows", "2"),
                  value("comboATR", 1),
                  shows("comboATR", "8"),
                  value("comboDTR", 1),
                  shows("comboDTR", "8"),
                  value("checkConfigBuf", 1),
                  value("checkOverlayRW", 1),
                  value("spinConfigBuf_T1", 40),
                  value("spinConfigBuf_T2", 12),
                  value("spinConfigBuf_T3", 6),
                  value("spinShAdv_T2", 0),
                  value("spinShAdv_T3", 2),
                  value("spinShAdv_T4", 3),
                  value("checkFixLLpck", 1)};
    } else {
        // The data-row lists start at their first item; the delay buffers
        // keep the form's values.
        checks = {value("comboEmbedData_Rows", 0), shows("comboEmbedData_Rows", "0"), value("comboStatsData_Rows", 0),
                  value("checkLFM_mode", 1),       value("checkFixLLpck", 1),         value("checkConfigBuf", 0),
                  value("spinConfigBuf_T1", 0),    value("spinShAdv_T3", 0)};
    }
    if (entry == 83)
        checks.insert(checks.end(),
                      {value("comboATR", 3), shows("comboATR", "6"), value("comboDTR", 4), shows("comboDTR", "8")});
    if (entry == 84)
        checks.insert(checks.end(),
                      {value("comboATR", 1), shows("comboATR", "8"), value("comboDTR", 1), shows("comboDTR", "8")});
    return checks;
}

// The widgets the form keeps disabled, and those the panel closes on every
// entry with these family values.
const QStringList kFormDisabled = {"checkLineInterleave", "checkLineComboMode", "checkLFM_mode", "dspinFixLLpck",
                                   "spinT2_ExpTime",      "spinT3_ExpTime",     "spinT4_ExpTime"};

inline QStringList plus(QStringList names, const QStringList &more)
{
    return names + more;
}

inline Given familyState(bool hdr, bool lineInterleave, bool useFov, int combi, bool configEnable)
{
    return [=](Pallador &, CFamilyCore &f) {
        f.ctx[0].hdrMode = hdr ? 1 : 0;
        f.ctx[0].lineInterleave = lineInterleave ? 1 : 0;
        f.ctx[0].useFov = useFov;
        f.ctx[0].combi = combi;
        f.ctx[0].useFixLLpck = false;
        f.pll.configEnable = configEnable ? 1 : 0;
    };
}

} // namespace vek107

inline Rows vek107Rows()
{
    using namespace vek107;
    Rows rows;

    for (const Sensor &s : kSensors) {
        // The use case's values as the family holds them, then values none of
        // the defaults equals.
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(shared()));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("distinct values")
                                    .given(distinct)
                                    .expect(shared())
                                    .expect(bySensor(s.entry)));
        // The exposure lists start at their third item whatever the counts.
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("exposure counts")
                                    .given([](Pallador &w, CFamilyCore &f) {
                                        w.numExposures[0] = 0;
                                        w.maxExposures[0] = 3;
                                        f.ctx[0].numExposures = 4;
                                        f.ctx[0].maxExposures = 1;
                                    })
                                    .expect({value("comboNumExp", 2), value("comboMax_nExposure", 2)}));
    }

    // States by entry: HDR off and on, line interleave, field of view and
    // combination mode, the delay buffers.
    rows.states.push_back(States{83, "Vek117m"}
                              .note("HDR off")
                              .given(familyState(false, false, false, 0, false))
                              .disabled(kFormDisabled));
    // Vek117m keeps its line-interleave boxes closed even with HDR on.
    rows.states.push_back(States{83, "Vek117m"}
                              .note("HDR and line interleave")
                              .given(familyState(true, true, false, 0, true))
                              .disabled(kFormDisabled));
    rows.states.push_back(States{84, "Vek107m"}
                              .note("HDR off")
                              .given(familyState(false, true, false, 0, false))
                              .disabled(plus(kFormDisabled, {"comboATR", "comboDTR"})));
    rows.states.push_back(States{84, "Vek107m"}
                              .note("HDR on")
                              .given(familyState(true, true, false, 0, false))
                              .disabled({"checkLineComboMode", "checkLFM_mode", "dspinFixLLpck", "spinT2_ExpTime",
                                         "spinT3_ExpTime", "spinT4_ExpTime", "comboATR", "comboDTR"}));
    for (const Sensor &s : kSensors) {
        const QStringList closed = s.entry == 84 ? plus(kFormDisabled, {"comboATR", "comboDTR"}) : kFormDisabled;
        rows.states.push_back(
            States{s.entry, s.sample}
                .note("field of view")
                .given(familyState(false, false, true, 0, false))
                .hidden(s.entry == 85 ? QStringList{"checkLFM_mode"} : QStringList{})
                .disabled(plus(closed, s.entry == 85
                                           ? QStringList{"spinScaler", "spinScaleM", "checkFixLLpck",
                                                         "spinConfigBuf_T1", "spinConfigBuf_T2", "spinConfigBuf_T3"}
                                           : QStringList{}) +
                          QStringList{"checkBinning", "checkBinXonly"}));
        rows.states.push_back(
            States{s.entry, s.sample}
                .note("combination mode")
                .given(familyState(false, false, false, 1, false))
                .hidden(s.entry == 85 ? QStringList{"checkLFM_mode"} : QStringList{})
                .disabled(plus(closed, s.entry == 85
                                           ? QStringList{"spinScaler", "spinScaleM", "checkFixLLpck",
                                                         "spinConfigBuf_T1", "spinConfigBuf_T2", "spinConfigBuf_T3"}
                                           : QStringList{}) +
                          QStringList{"checkHDR"}));
    }
    // Vek113m: HDR opens line interleave, line interleave its combination
    // box, the buffer switch the buffers.
    rows.states.push_back(States{85, "Vek113m"}
                              .note("HDR, line interleave and buffers")
                              .given(familyState(true, true, false, 0, true))
                              .hidden({"checkLFM_mode"})
                              .disabled({"checkLFM_mode", "dspinFixLLpck", "spinT2_ExpTime", "spinT3_ExpTime",
                                         "spinT4_ExpTime", "spinScaler", "spinScaleM", "checkFixLLpck"}));

    // The read-back writes the binning boxes, the size, the integration
    // time, HDR and the dark-column index; every other widget acts only
    // through its slot. The tool tips come back after the calculation.
    // Vek117m's sample runs in combination mode, whose calculation keeps HDR
    // off whatever the box says.
    for (const Sensor &s : kSensors) {
        const Stored hdr =
            s.entry == 83 ? kept("hdrMode", &P::hdrMode) : stored("hdrMode", &P::hdrMode, other(&P::hdrMode));
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample}
                .leave({{"checkBinning", other(&P::binning)},
                        {"checkBinXonly", other(&P::binXOnly)},
                        {"spinCols", 1200},
                        {"spinRows", 800},
                        {"dSpinIntgTime", 4.25},
                        {"checkHDR", s.entry == 83 ? Value(1) : other(&P::hdrMode)},
                        {"spinDarkCols", 2},
                        {"spinScaler", 2},
                        {"checkLineInterleave", other(&P::lineInterleave)},
                        {"comboNumExp", 0},
                        {"spinT1_T2", 0},
                        {"checkUse_Reg", 1}})
                .stores({stored("binning", &P::binning, other(&P::binning)),
                         stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("cols", &P::cols, 1200),
                         stored("rows", &P::rows, 800), stored("intgTime", &P::intgTime, 4.25), hdr,
                         stored("borderPixels", &P::borderPixels, 2), kept("scaler", &P::scaler),
                         kept("lineInterleave", &P::lineInterleave), kept("numExposures", &P::numExposures),
                         kept("t1T2Ratio", &P::t1T2Ratio)})
                .after({tip("spinRows", kRowsTip), tip("checkHDR", "Check to enable High Dynamic Range mode"),
                        tip("spinDarkCols", "Select dark column index number"),
                        tip("checkOverlayRW", "Set DB overlay read/write"), noTip("checkBinning")},
                       [](Pallador &w, CFamilyCore &) {
                           for (QWidget *widget : std::initializer_list<QWidget *>{
                                    w.spinRows[0], w.checkHDR[0], w.spinBorderPixels, w.checkOverlayRW})
                               widget->setToolTip(QString());
                       }));
    }
    return rows;
}

} // namespace advpanels
