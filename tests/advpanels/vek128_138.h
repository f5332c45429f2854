// Rows of the forms Vek128_Adv (entry 110) and Vek138_Adv (entries 99 to
// 101), all one-context sensors. Included by tst_advpanels.cpp after the row
// types.
#pragma once

namespace advpanels {

namespace vek128vek138 {

using M = CModeState;
using C = CContextParams;
using panels::ctx;
using panels::factor;
using panels::flag;
using panels::mode;
using panels::own;
using panels::pll;

struct Sensor {
    int entry;
    const char *sample;
};
const Sensor kVek128 = {110, "Vek128m"};
const std::vector<Sensor> kVek138 = {{99, "Vek138m"}, {100, "Vek139"}, {101, "Vek140m"}};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kDarkColTip[] = "Select dark column index number";

// The operation modes in the order of the combo's items.
const char *const kOperationModes[] = {"1ExpLin", "2ExpHDR",    "3ExpHDR",       "4ExpHDR",  "2ExpLIM",
                                       "3ExpLIM", "4ExpLIM",    "3ExpLICM",      "4ExpLICM", "ST1_Lin",
                                       "ST1_T2",  "ST1_T2_LIM", "ST1_T2_DS_LICM"};

// A time as a box of three decimals shows it.
inline Value shown(const Value &ms)
{
    return [ms](const Pallador &w, const CFamilyCore &f, int c) { return std::round(ms(w, f, c) * 1000.0) / 1000.0; };
}

// The opposite of what the use case left in a 0/1 setting.
template <class T, std::size_t N> Value other(T (SensorSettings::*field)[N])
{
    return panels::zero(panels::setting(field));
}

// The window's settings calculated once more, as a user's change would.
inline Given calculated(std::function<void(Pallador &w)> change)
{
    return [change](Pallador &w, CFamilyCore &) {
        change(w);
        w.recalc(false);
    };
}

// ---------------------------------------------------------------------------
// Vek128_Adv.

inline std::vector<Check> vek128()
{
    return {
        value("checkBinXonly", factor(mode(&M::colSkip))),
        value("checkBinning", factor(mode(&M::rowSkip))),
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("dSpinIntgTime", shown(ctx(&C::intgTime))),
        value("dSpinIntgTime2", shown(ctx(&C::intgTime2))),
        value("dSpinIntgTime3", shown(ctx(&C::intgTime3))),
        value("dSpinIntgTime4", shown(ctx(&C::intgTime4))),
        value("checkPLL_DarkRows", flag(pll(&CPllParams::darkRows))),
        value("checkAtr_Rows", flag(pll(&CPllParams::atrRows))),
        value("checkDtr_Rows", flag(pll(&CPllParams::dtrRows))),
        value("checkUse_Reg", flag(ctx(&C::useReg))),
        value("spinT1_T2", own(&ExposureRatios::t1T2Ratio)),
        value("spinT2_T3", own(&ExposureRatios::t2T3Ratio)),
        value("spinT3_T4", own(&ExposureRatios::t3T4Ratio)),
        value("comboOperMode", ctx(&C::hdrMode)),
        value("spinDarkCols", ctx(&C::borderPixels)),
        tip("checkBinXonly", "Check to activate bin setting."),
        noTip("checkBinning"),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", "Enter integration in msec."),
        noTip("dSpinIntgTime2"),
        noTip("checkPLL_DarkRows"),
        noTip("checkUse_Reg"),
        noTip("spinT1_T2"),
        noTip("comboOperMode"),
        tip("spinDarkCols", kDarkColTip),
        holds(panels::ref<&P::spinBorderPixels>(), "spinDarkCols"),
        holds(panels::ref<&P::comboOperMode>(), "comboOperMode"),
        holds(panels::ref<&P::checkAtr_Rows>(), "checkAtr_Rows"),
        holds(panels::ref<&P::dSpinIntgTime4>(), "dSpinIntgTime4"),
        holds(panels::ref<&P::spinT3_T4>(), "spinT3_T4"),
    };
}

// Settings and family values that neither the sample nor the form's
// defaults give.
inline void vek128Distinct(Pallador &w, CFamilyCore &f)
{
    w.intgTime2[0] = 5.5;
    w.intgTime3[0] = 0.25;
    w.intgTime4[0] = 0.01;
    w.recalc(false);
    f.ctx[0].hdrMode = 12;
    f.ctx[0].borderPixels = 2;
    f.ctx[0].useReg = false;
    f.mode[0].rowSkip = 1;
    f.mode[0].colSkip = 2;
    f.pll.darkRows = 1;
    f.pll.atrRows = 1;
    f.pll.dtrRows = 0;
    if (auto *ratios = dynamic_cast<ExposureRatios *>(&f)) {
        ratios->t1T2Ratio = 1;
        ratios->t2T3Ratio = 3;
        ratios->t3T4Ratio = 0;
    }
}

// ---------------------------------------------------------------------------
// Vek138_Adv.

inline std::vector<Check> vek138()
{
    return {
        value("spinRows", mode(&M::outputRows)),
        value("spinCols", mode(&M::outputCols)),
        value("spinReadMode", ctx(&C::readoutMode)),
        value("checkHDR", flag(ctx(&C::hdrMode))),
        value("checkCompanding", flag(ctx(&C::interleave))),
        value("checkT2T3Swap", flag(own(&Vek_138::otherLineTime))),
        value("checkDelayBuf", flag(own(&Vek_138::txLatch))),
        value("checkUse_Reg", flag(ctx(&C::useReg))),
        value("spinT1", own(&Vek_138::t1ExpRows)),
        value("spinT2", own(&Vek_138::t2ExpRows)),
        value("spinT3", own(&Vek_138::t3ExpRows)),
        value("spinT4", own(&Vek_138::t4ExpRows)),
        value("spinMIT", own(&Vek_138::middleIntTime)),
        value("comboNumExp", own(&Vek_138::numExposures) - 1),
        value("comboATCol", own(&Vek_138::analogTestCols) / 24),
        value("comboRNCol", own(&Vek_138::rowNoiseCols) / 56),
        // The ratio combos keep the form's items.
        shows("comboT1T2", "4"),
        shows("comboT2T3", "2"),
        shows("comboT3T4", "4"),
        items("comboNumExp", {"1", "2", "3", "4"}),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        noTip("spinReadMode"),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        tip("checkCompanding", "Check to enable data Companding mode"),
        tip("checkT2T3Swap", "Check to activate swap T2 T3"),
        tip("checkDelayBuf", "Check to activate delay buffer memory packing"),
        tip("checkUse_Reg", "Set individual coarse integration time register values"),
        noTip("comboT1T2"),
        noTip("spinT1"),
        noTip("spinMIT"),
        noTip("comboNumExp"),
        tip("comboATCol", "Select number of Analog Test Columns output"),
        tip("comboRNCol", "Select number of Row Noise Columns output"),
        holds(panels::ref<&P::checkInterleave>(), "checkCompanding"),
        holds(panels::ref<&P::checkOtherLineTime>(), "checkT2T3Swap"),
        holds(panels::ref<&P::checkTxLatch>(), "checkDelayBuf"),
        holds(panels::ref<&P::comboADCMode>(), "comboATCol"),
        holds(panels::ref<&P::comboCCRow>(), "comboRNCol"),
        holds(panels::ref<&P::comboT2T3>(), "comboT2T3"),
        holds(panels::ref<&P::spinMIT>(), "spinMIT"),
    };
}

// Settings none of the sample's use cases or the form's defaults give,
// calculated, so that the family holds them as the calculation hands them.
inline void vek138Distinct(Pallador &w)
{
    w.analogTestCols = 2;
    w.rowNoiseCols = 1;
    w.numExposures[0] = 2;
    w.t1ExpRows[0] = 150;
    w.t2ExpRows[0] = 40;
    w.t3ExpRows[0] = 9;
    w.t4ExpRows[0] = 3;
    w.t1T2Ratio[0] = 5;
    w.t2T3Ratio[0] = 0;
    w.t3T4Ratio[0] = 7;
    w.middleIntTime[0] = 7;
    w.otherLineTime[0] = 1;
    w.txLatch[0] = true;
    w.interleave[0] = 0;
    w.hdrMode[0] = 1;
    w.useReg = false;
}

// A ratio combo of the open panel given a position: the window keeps the
// position, the family the factor 2 to the power of it.
struct RatioCombo {
    const char *combo;
    int (SensorSettings::*setting)[3];
    qint32 Vek_138::*factor;
};

} // namespace vek128vek138

inline Rows vek128Vek138Rows()
{
    using namespace vek128vek138;
    Rows rows;

    // Vek128_Adv: the use case's values, then values no default gives.
    const Sensor &v = kVek128;
    rows.openings.push_back(Opening{v.entry, v.sample}.expect(vek128()));
    rows.openings.push_back(Opening{v.entry, v.sample}
                                .note("distinct values")
                                .given(vek128Distinct)
                                .expect(vek128())
                                .expect({value("dSpinIntgTime2", 5.5), value("dSpinIntgTime4", 0.01),
                                         shows("comboOperMode", "ST1_T2_DS_LICM"), value("checkBinXonly", 1),
                                         value("checkBinning", 0), value("spinT2_T3", 3)}));
    // Each operation mode the family holds selects the item of its name.
    for (int m = 0; m < int(std::size(kOperationModes)); ++m) {
        rows.openings.push_back(Opening{v.entry, v.sample}
                                    .note(kOperationModes[m])
                                    .given([m](Pallador &, CFamilyCore &f) { f.ctx[0].hdrMode = m; })
                                    .expect({shows("comboOperMode", QLatin1String(kOperationModes[m]))}));
    }
    rows.states.push_back(States{v.entry, v.sample}.disabled({"checkPLL_DarkCols", "spinBox"}));
    // The read-back writes the binning, the size, all four times, the mode
    // and the dark-column index; the ratios and the row options act only
    // through their slots. The tool tips come back after the calculation.
    rows.reopenings.push_back(
        Reopening{v.entry, v.sample}
            .leave({{"checkBinning", other(&P::binning)},
                    {"checkBinXonly", other(&P::binXOnly)},
                    {"spinCols", 1600},
                    {"spinRows", 900},
                    {"dSpinIntgTime", 6.5},
                    {"dSpinIntgTime2", 2.25},
                    {"dSpinIntgTime3", 0.5},
                    {"dSpinIntgTime4", 0.004},
                    {"comboOperMode", 12},
                    {"spinDarkCols", 3},
                    {"spinT1_T2", 0}})
            .stores({stored("binning", &P::binning, other(&P::binning)),
                     stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("cols", &P::cols, 1600),
                     stored("rows", &P::rows, 900), stored("intgTime", &P::intgTime, 6.5),
                     stored("intgTime2", &P::intgTime2, 2.25), stored("intgTime3", &P::intgTime3, 0.5),
                     stored("intgTime4", &P::intgTime4, 0.004), stored("hdrMode", &P::hdrMode, 12),
                     stored("borderPixels", &P::borderPixels, 3), kept("t1T2Ratio", &P::t1T2Ratio)})
            .after({tip("spinRows", kRowsTip), tip("checkBinXonly", "Check to activate bin setting."),
                    tip("spinDarkCols", kDarkColTip), noTip("checkBinning")},
                   [](Pallador &w, CFamilyCore &) {
                       for (QWidget *widget :
                            std::initializer_list<QWidget *>{w.spinRows[0], w.checkBinXonly[0], w.spinBorderPixels})
                           widget->setToolTip(QString());
                   }));
    // A mode chosen in the panel is the context's operation mode, which the
    // calculation hands to the family.
    rows.drivings.push_back(Driving{v.entry, v.sample}
                                .note("operation mode chosen")
                                .drive({{"comboOperMode", 8}})
                                .calculations(1)
                                .expect({outcome("hdrMode", panels::setting(&P::hdrMode), 8),
                                         outcome("family's mode", ctx(&C::hdrMode), 8)}));

    // Vek138_Adv.
    for (const Sensor &s : kVek138) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek138()));
        // The column combos show the columns the family holds, the exposure
        // list its count; the ratio combos stay on the form's items.
        rows.openings.push_back(
            Opening{s.entry, s.sample}
                .note("distinct values")
                .given(calculated(vek138Distinct))
                .expect(vek138())
                .expect({shows("comboATCol", "48"), shows("comboRNCol", "56"), shows("comboNumExp", "3"),
                         value("checkT2T3Swap", 1), value("checkDelayBuf", 1), value("spinT2", 40), value("spinMIT", 7),
                         value("checkUse_Reg", 0), value("checkHDR", 1)}));
        // The read-out mode box shows the library's mode: normal, the
        // digital binning of HDR and the analog binning of one exposure at
        // half the array or less.
        rows.openings.push_back(
            Opening{s.entry, s.sample}.note("read-out mode normal").expect({value("spinReadMode", 0)}));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("read-out mode digital binning")
                                    .given(calculated([](Pallador &w) {
                                        w.cols[0] = 640;
                                        w.rows[0] = 480;
                                        w.numExposures[0] = 3;
                                    }))
                                    .expect({value("spinReadMode", 3)}));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("read-out mode analog binning")
                                    .given(calculated([](Pallador &w) {
                                        w.cols[0] = 640;
                                        w.rows[0] = 480;
                                        w.numExposures[0] = 0;
                                    }))
                                    .expect({value("spinReadMode", 9)}));
        rows.states.push_back(
            States{s.entry, s.sample}.disabled({"spinReadMode", "comboT1T2", "comboT2T3", "comboT3T4"}));
        // The read-back writes the size, the LIM flag, the swap and the
        // packing; the companding, the coarse times and the column lists act
        // only through their slots.
        rows.reopenings.push_back(Reopening{s.entry, s.sample}
                                      .leave({{"spinCols", 1920},
                                              {"spinRows", 1080},
                                              {"checkHDR", other(&P::hdrMode)},
                                              {"checkT2T3Swap", other(&P::otherLineTime)},
                                              {"checkDelayBuf", other(&P::txLatch)},
                                              {"checkCompanding", other(&P::interleave)},
                                              {"spinT2", 33},
                                              {"comboATCol", 1}})
                                      .stores({stored("cols", &P::cols, 1920), stored("rows", &P::rows, 1080),
                                               stored("hdrMode", &P::hdrMode, other(&P::hdrMode)),
                                               stored("otherLineTime", &P::otherLineTime, other(&P::otherLineTime)),
                                               stored("txLatch", &P::txLatch, other(&P::txLatch)),
                                               kept("interleave", &P::interleave), kept("t2ExpRows", &P::t2ExpRows)}));
    }
    // A ratio combo stores its position; the calculation hands the family 2
    // to the power of it.
    const Sensor &r = kVek138.front();
    for (const RatioCombo &c : {RatioCombo{"comboT1T2", &P::t1T2Ratio, &Vek_138::t1T2Ratio},
                                RatioCombo{"comboT2T3", &P::t2T3Ratio, &Vek_138::t2T3Ratio},
                                RatioCombo{"comboT3T4", &P::t3T4Ratio, &Vek_138::t3T4Ratio}}) {
        rows.drivings.push_back(Driving{r.entry, r.sample}
                                    .note(c.combo)
                                    .drive({{c.combo, 7}})
                                    .calculations(1)
                                    .expect({outcome("ratio position", panels::setting(c.setting), 7),
                                             outcome("family's ratio", own(c.factor), 128), shows(c.combo, "128")}));
    }
    // The column lists hand the family columns, the exposure list its count.
    rows.drivings.push_back(
        Driving{r.entry, r.sample}
            .note("column and exposure lists")
            .drive({{"comboATCol", 1}, {"comboRNCol", 1}, {"comboNumExp", 3}})
            .calculations(3)
            .expect({outcome("analog test columns", own(&Vek_138::analogTestCols), 24),
                     outcome("row noise columns", own(&Vek_138::rowNoiseCols), 56),
                     outcome("exposures", own(&Vek_138::numExposures), 4), value("comboNumExp", 3)}));
    return rows;
}

} // namespace advpanels
