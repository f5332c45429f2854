// Rows of the forms Vek118_Adv (entries 75, 102 and 115), Vek157b_Adv (80),
// Vek157f_Adv (81) and Vek137_Adv (82), all one-context sensors. Included by
// tst_advpanels.cpp after the row types.
#pragma once

namespace advpanels {

namespace vek118vek157 {

using M = CModeState;
using C = CContextParams;

struct Sensor {
    int entry;
    const char *sample;
};
const std::vector<Sensor> kVek118 = {{75, "Vek118m"}, {102, "Vek131m"}, {115, "Vek146m"}};
const std::vector<Sensor> kVek157 = {{80, "Vek157b"}, {81, "Vek157f"}};
const Sensor kVek137 = {82, "Vek137"};

constexpr char kRowsTip[] = "Output Rows: Enter desired # of rows to output in final image for this mode";
constexpr char kColsTip[] = "Output Columns: Enter desired # of colums to output in final image for this mode";
constexpr char kIntgTip[] = "Enter integration in msec.";
constexpr char kModeTip[] = "Enter the sensor read out mode (1, 2, 4)";

// A quantity of one of the family's own option records (the exposure
// ratios, the Vek137 options).
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

// Vek118_Adv: every starting value, tool tip and member.
inline std::vector<Check> vek118()
{
    return {
        value("checkBinXonly", panels::factor(panels::mode(&M::colSkip))),
        value("checkBinning", panels::factor(panels::mode(&M::rowSkip))),
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", shown(panels::ctx(&C::intgTime))),
        value("checkPLL_DarkRows", panels::flag(panels::pll(&CPllParams::darkRows))),
        value("checkAtr_Rows", panels::flag(panels::pll(&CPllParams::atrRows))),
        value("checkDtr_Rows", panels::flag(panels::pll(&CPllParams::dtrRows))),
        value("checkUse_Reg", panels::flag(panels::ctx(&C::useReg))),
        value("spinT1_T2", own(&ExposureRatios::t1T2Ratio)),
        value("spinT2_T3", own(&ExposureRatios::t2T3Ratio)),
        value("spinT3_T4", own(&ExposureRatios::t3T4Ratio)),
        value("comboOperMode", panels::ctx(&C::hdrMode)),
        value("spinDarkCols", panels::ctx(&C::borderPixels)),
        tip("checkBinXonly", "Check to activate bin setting."),
        noTip("checkBinning"),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        noTip("dSpinIntgTime2"),
        noTip("comboOperMode"),
        tip("spinDarkCols", "Select dark column index number"),
        noTip("spinIdleRows"),
        holds(panels::ref<&P::spinBorderPixels>(), "spinDarkCols"),
        holds(panels::ref<&P::spinT1>(), "spinIdleRows"),
        holds(panels::ref<&P::comboOperMode>(), "comboOperMode"),
        holds(panels::ref<&P::checkBinXonly>(), "checkBinXonly"),
        holds(panels::ref<&P::dSpinIntgTime4>(), "dSpinIntgTime4"),
    };
}

// Settings and family values none of the form's defaults equals.
inline void vek118Distinct(Pallador &w, CFamilyCore &f)
{
    w.intgTime2[0] = 5.5;
    w.intgTime3[0] = 0.25;
    w.intgTime4[0] = 0.01;
    w.t1ExpRows[0] = 60;
    f.ctx[0].intgTime2 = 5.5;
    f.ctx[0].t1ExpRows = 60;
    f.ctx[0].hdrMode = 5;
    f.ctx[0].borderPixels = 2;
    f.ctx[0].useReg = false;
    f.mode[0].rowSkip = 2;
    f.mode[0].colSkip = 1;
    if (auto *ratios = dynamic_cast<ExposureRatios *>(&f)) {
        ratios->t1T2Ratio = 1;
        ratios->t2T3Ratio = 3;
        ratios->t3T4Ratio = 0;
    }
}

// An output size beyond the form's ranges, within the family's array.
inline void largeOutput(Pallador &, CFamilyCore &f)
{
    f.pll.arrayRows = 2200;
    f.pll.arrayCols = 3300;
    f.mode[0].outputRows = 2000;
    f.mode[0].outputCols = 3000;
}

// Vek157 forms: the exposure ratio as the item of that text.
inline std::vector<Check> vek157()
{
    return {
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", shown(panels::ctx(&C::intgTime))),
        value("spinRowReadMode", panels::ctx(&C::skipping)),
        value("checkBinning", panels::flag(panels::ctx(&C::binning))),
        value("checkBinXonly", panels::flag(panels::ctx(&C::binXOnly))),
        value("checkHDR", panels::flag(panels::ctx(&C::hdrMode))),
        value("spinScaleM", panels::ctx(&C::scaleM)),
        value("spinSMode", panels::ctx(&C::sMode)),
        value("spinReadMode_Y", panels::ctx(&C::skippingY)),
        value("go_pro_3x3", panels::ctx(&C::goProMode)),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        tip("spinRowReadMode", kModeTip),
        tip("checkBinning", "Check to activate y summing setting"),
        tip("checkBinXonly", "Check to activate x binning setting"),
        tip("checkHDR", "Check to enable High Dynamic Range mode"),
        tip("comboCCRow", "Exposure Ratio: Enter desired Exposure Ratio for this context"),
        tip("spinScaleM", "Enter the Scale M value (16 ~ 96)"),
        noTip("spinSMode"),
        noTip("spinReadMode_Y"),
        noTip("go_pro_3x3"),
        holds(panels::ref<&P::spinReadMode>(), "spinRowReadMode"),
        holds(panels::ref<&P::comboCCRow>(), "comboCCRow"),
        holds(panels::ref<&P::go_pro_3x3>(), "go_pro_3x3"),
        holds(panels::ref<&P::spinReadMode_Y>(), "spinReadMode_Y"),
    };
}

// The exposure ratio and HDR state of the family.
inline Given ratio(int value, int hdr)
{
    return [value, hdr](Pallador &, CFamilyCore &f) {
        f.ctx[0].ccRow = value;
        f.ctx[0].hdrMode = hdr;
    };
}

inline std::vector<Check> vek137()
{
    return {
        value("spinRows", panels::mode(&M::outputRows)),
        value("spinCols", panels::mode(&M::outputCols)),
        value("dSpinIntgTime", shown(panels::ctx(&C::intgTime))),
        value("spinReadMode", panels::ctx(&C::skipping) + 1),
        value("spinBorderPixels", own(&Vek_137::borderPixels)),
        value("checkBinning", panels::flag(panels::ctx(&C::binning))),
        value("checkBinXonly", panels::flag(panels::ctx(&C::binXOnly))),
        value("checkPLL_DarkRows", panels::flag(panels::pll(&CPllParams::darkRows))),
        value("checkPLL_DarkCols", panels::flag(panels::pll(&CPllParams::darkColumns))),
        value("checkDigitalCC", panels::flag(own(&Vek_137::digitalCC))),
        value("comboCCRow", 0),
        shows("comboCCRow", "64"),
        tip("spinRows", kRowsTip),
        tip("spinCols", kColsTip),
        tip("dSpinIntgTime", kIntgTip),
        tip("spinReadMode", kModeTip),
        tip("spinBorderPixels", "Enter the no. of pixels to be added as output border per side"),
        tip("checkBinning", "Check to activate y summing setting"),
        tip("checkBinXonly", "Check to activate x binning setting"),
        tip("checkPLL_DarkRows", "Check to activate the dark rows in the output"),
        tip("checkPLL_DarkCols", "Check to activate the dark cols in the output"),
        tip("checkDigitalCC", "Enable Digital Column Correction"),
        tip("comboCCRow", "Select the CFPn Rows to use 64(min) and 512(max)"),
        shows("checkPLL_DarkRows", "Show Dark Cols"),
        holds(panels::ref<&P::checkPLL_DarkCols>(), "checkPLL_DarkCols"),
        holds(panels::ref<&P::checkDigitalCC>(), "checkDigitalCC"),
        holds(panels::ref<&P::spinBorderPixels>(), "spinBorderPixels"),
    };
}

inline void digitalCC(Pallador &, CFamilyCore &f)
{
    if (auto *vek = dynamic_cast<Vek_137 *>(&f))
        vek->digitalCC = true;
}

} // namespace vek118vek157

inline Rows vek118Vek157Vek137Rows()
{
    using namespace vek118vek157;
    Rows rows;

    // Vek118_Adv: the use case's values, then values none of the form's
    // defaults equals; the idle rows keep the form's default whatever the
    // context holds, and so do the integration times 2 to 4 except on
    // Vek131m, whose calculation uses the context's.
    for (const Sensor &s : kVek118) {
        const bool ownTimes = s.entry == 102;
        auto time = [ownTimes](double C::*field, double formDefault) {
            return ownTimes ? panels::ctx(field) : Value(formDefault);
        };
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek118()));
        rows.openings.push_back(
            Opening{s.entry, s.sample}
                .note("distinct values")
                .given(vek118Distinct)
                .expect(vek118())
                .expect({value("dSpinIntgTime2", time(&C::intgTime2, 8.0)),
                         value("dSpinIntgTime3", time(&C::intgTime3, 0.83)),
                         value("dSpinIntgTime4", time(&C::intgTime4, 0.002)),
                         value("spinIdleRows", 120), shows("comboOperMode", "3ExpLIM"), value("checkBinning", 1),
                         value("checkBinXonly", 0), value("spinT2_T3", 3)}));
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("operation mode outside the list")
                                    .given([](Pallador &, CFamilyCore &f) { f.ctx[0].hdrMode = 9; })
                                    .expect({value("comboOperMode", -1)}));
        rows.states.push_back(States{s.entry, s.sample}.disabled({"checkPLL_DarkCols", "spinSeqCode"}));
        // The read-back writes the size, binning, all four times, the mode
        // and the dark-column index; the ratios and the idle rows act only
        // through their slots. The tool tips come back after the
        // calculation.
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample}
                .leave({{"checkBinning", other(&P::binning)},
                        {"checkBinXonly", other(&P::binXOnly)},
                        {"spinCols", 1000},
                        {"spinRows", 600},
                        {"dSpinIntgTime", 6.5},
                        {"dSpinIntgTime2", 2.25},
                        {"dSpinIntgTime3", 0.5},
                        {"dSpinIntgTime4", 0.004},
                        {"comboOperMode", 7},
                        {"spinDarkCols", 3},
                        {"spinT1_T2", 0},
                        {"spinIdleRows", 40}})
                .stores({stored("binning", &P::binning, other(&P::binning)),
                         stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("cols", &P::cols, 1000),
                         stored("rows", &P::rows, 600), stored("intgTime2", &P::intgTime2, 2.25),
                         stored("intgTime3", &P::intgTime3, 0.5), stored("intgTime4", &P::intgTime4, 0.004),
                         stored("hdrMode", &P::hdrMode, 7), stored("borderPixels", &P::borderPixels, 3),
                         kept("t1T2Ratio", &P::t1T2Ratio), kept("t1ExpRows", &P::t1ExpRows)})
                .after({tip("spinRows", kRowsTip), tip("checkBinXonly", "Check to activate bin setting."),
                        tip("spinDarkCols", "Select dark column index number"), noTip("checkBinning")},
                       [](Pallador &w, CFamilyCore &) {
                           for (QWidget *widget :
                                std::initializer_list<QWidget *>{w.spinRows[0], w.checkBinXonly[0], w.spinBorderPixels})
                               widget->setToolTip(QString());
                       }));
    }
    // A size beyond the form's ranges shows whole; the boxes of Vek146m
    // reach the family's array, so a size up to it is taken as it is.
    for (const Sensor &s : kVek118) {
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("output beyond the form's ranges")
                                    .given(largeOutput)
                                    .expect({shows("spinRows", "2000"), shows("spinCols", "3000")}));
    }
    rows.reopenings.push_back(Reopening{115, "Vek146m"}
                                  .note("output up to the array")
                                  .given(largeOutput)
                                  .leave({{"spinRows", 2200}, {"spinCols", 3300}})
                                  .stores({stored("rows", &P::rows, 2200), stored("cols", &P::cols, 3300)}));

    // Vek157b_Adv and Vek157f_Adv.
    for (const Sensor &s : kVek157) {
        rows.openings.push_back(Opening{s.entry, s.sample}.expect(vek157()));
        for (int r : {1, 2, 4, 8, 16}) {
            rows.openings.push_back(Opening{s.entry, s.sample}
                                        .note(r == 1   ? "ratio 1"
                                              : r == 2 ? "ratio 2"
                                              : r == 4 ? "ratio 4"
                                              : r == 8 ? "ratio 8"
                                                       : "ratio 16")
                                        .given(ratio(r, 1))
                                        .expect({shows("comboCCRow", QString::number(r)), value("checkHDR", 1)}));
        }
        rows.openings.push_back(Opening{s.entry, s.sample}
                                    .note("a ratio no item shows")
                                    .given(ratio(3, 0))
                                    .expect({value("comboCCRow", -1)}));
        rows.states.push_back(States{s.entry, s.sample}.note("HDR off").given(ratio(4, 0)).disabled({"comboCCRow"}));
        rows.states.push_back(States{s.entry, s.sample}.note("HDR on").given(ratio(4, 1)));
        // A row read-out mode of 3 is stored as 4, a column one as 3; the
        // ratio list's entry "4" (position 2) is the ratio the calculation
        // takes, on both sensors; the mode box acts only through its slot.
        rows.reopenings.push_back(
            Reopening{s.entry, s.sample}
                .leave({{"spinCols", 1200},
                        {"spinRows", 900},
                        {"dSpinIntgTime", 3.75},
                        {"spinRowReadMode", 3},
                        {"spinReadMode_Y", 3},
                        {"checkBinning", other(&P::binning)},
                        {"checkBinXonly", other(&P::binXOnly)},
                        {"checkHDR", 1},
                        {"comboCCRow", 2},
                        {"go_pro_3x3", 0.5},
                        {"spinSMode", 3}})
                .stores({stored("cols", &P::cols, 1200), stored("rows", &P::rows, 900),
                         stored("intgTime", &P::intgTime, 3.75), stored("skipping", &P::skipping, 4),
                         stored("skippingY", &P::skippingY, 3), stored("binning", &P::binning, other(&P::binning)),
                         stored("binXOnly", &P::binXOnly, other(&P::binXOnly)), stored("hdrMode", &P::hdrMode, 1),
                         stored("ccRow", &P::ccRow, 4),
                         stored("goProMode", &P::goProMode, 0.5), kept("sMode", &P::sMode)}));
    }

    // Vek137_Adv.
    rows.openings.push_back(Opening{kVek137.entry, kVek137.sample}.expect(vek137()));
    // The read-out box shows the family's value plus 1, widened where that
    // lies beyond its range; the CFPn list starts at its first item whatever
    // the window's setting.
    for (int skipping : {1, 3}) {
        rows.openings.push_back(
            Opening{kVek137.entry, kVek137.sample}
                .note(skipping == 1 ? "skipping 1" : "skipping 3")
                .given([skipping](Pallador &w, CFamilyCore &f) {
                    f.ctx[0].skipping = skipping;
                    w.ccRow[0] = 2;
                })
                .expect({value("spinReadMode", panels::ctx(&C::skipping) + 1), value("comboCCRow", 0)}));
    }
    rows.openings.push_back(Opening{kVek137.entry, kVek137.sample}
                                .note("binning of the family")
                                .given([](Pallador &, CFamilyCore &f) {
                                    f.ctx[0].binning = 1;
                                    f.ctx[0].binXOnly = 1;
                                })
                                .expect({value("checkBinning", 1), value("checkBinXonly", 1)}));
    rows.states.push_back(
        States{kVek137.entry, kVek137.sample}.disabled({"checkBinning", "checkBinXonly", "comboCCRow"}));
    rows.states.push_back(States{kVek137.entry, kVek137.sample}
                              .note("digital column correction")
                              .given(digitalCC)
                              .disabled({"checkBinning", "checkBinXonly"}));
    // The disabled binning boxes are read back as they stand; the read-out
    // mode the box shows is stored minus 1, as the family counts it.
    rows.reopenings.push_back(
        Reopening{kVek137.entry, kVek137.sample}
            .leave({{"spinCols", 1600},
                    {"spinRows", 1200},
                    {"dSpinIntgTime", 9.5},
                    {"spinReadMode", 2},
                    {"spinBorderPixels", 4},
                    {"checkDigitalCC", 1},
                    {"comboCCRow", 2},
                    {"checkBinning", other(&P::binning)},
                    {"checkBinXonly", other(&P::binXOnly)}})
            .stores({stored("cols", &P::cols, 1600), stored("rows", &P::rows, 1200),
                     stored("intgTime", &P::intgTime, 9.5), stored("skipping", &P::skipping, 1),
                     stored("borderPixels", &P::borderPixels, 4), stored("digitalCC", &P::digitalCC, 1),
                     stored("ccRow", &P::ccRow, 2), stored("binning", &P::binning, other(&P::binning)),
                     stored("binXOnly", &P::binXOnly, other(&P::binXOnly))}));
    return rows;
}

} // namespace advpanels
